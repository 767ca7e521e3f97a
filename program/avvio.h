// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as a whole and its start-up sequence: the title and the paths, the HID
// test, the serial branch (probe, then the search when the stored port does not
// answer), the board queries, and the main window with its caption.

#include "session/sessione.h"

#include <QObject>
#include <QString>
#include <memory>

class Avvisi;
class Blocco_file;
class Collegamento_hid;
class Collegamento_seriale;
class Frm_main;
class Giornale_serie;
class Libreria_hid;
class Motore_misura;
class Porta_seriale;
class Protocollo;
class frm_hid;
class frm_seriale;
class Ritorno_seriale;
class Riservatezza_in_fondo;
class Segnali_fine;

// The application folder (athletes' data, the "ini" folder): the executable's own folder
// when the marker file kinetrack.portable stands beside the executable, otherwise the
// per-user data folder ~/.local/share/kinetrack ($XDG_DATA_HOME/kinetrack). Created when
// missing; `errore` says why it could not be.
inline constexpr const char* Marcatore_portatile = "kinetrack.portable";
QString Cartella_applicazione(const QString& cartella_eseguibile, QString* errore = nullptr);

// Start-up step 1: Cartella_applicazione, Cartella_ini and File_ini.
void Imposta_percorsi(Sessione& sessione, const QString& cartella_applicazione);

// The file whose lock says a program runs on the data folder: beside the settings.
QString File_blocco_dati(const Sessione& sessione);

class Programma : public QObject {
    Q_OBJECT
public:
    struct Opzioni {
        QString cartella_eseguibile;    // where the executable lies
        Libreria_hid* hid = nullptr;    // none: hidapi
        Avvisi* avvisi = nullptr;       // none: message boxes of the main window
        Porta_seriale* porta = nullptr; // none: the real serial port
        int attesa_hid_ms = 500;        // how long the HID test waits for a board
        bool apertura = true;           // the opening window; without it the main window
                                        // shows at once, as after a key on the opening
        bool diagnostica = false;       // the HID window keeps its test buttons
        QString registro_segnali;       // the file the sound cues are added to; empty: none
    };
    explicit Programma(const Opzioni& opzioni);
    ~Programma() override;

    // The start-up sequence; ends with the opening window on screen, which hands over
    // to the main window (and, left alone, to the setup dialog). Sets interrupted in an
    // earlier run are saved first from their journals. An ending signal during the
    // start-up stops it at its next step: then Fine_richiesta() and nothing is shown.
    void Avvia();
    bool Fine_richiesta() const { return fine_richiesta_; }
    // The program's exit status when it ended during the start-up: not 0 when it could not
    // run (another program has the data folder).
    int Codice_uscita() const { return codice_uscita_; }
    // How long the program may take to end after an ending signal.
    static constexpr unsigned Secondi_per_finire = 10;
    // Another start of the program asked for this one: the main window comes to the front.
    void Porta_in_primo_piano();

    Sessione& Stato() { return s_; }
    Frm_main& Principale() { return *principale_; }
    frm_seriale& Seriale() { return *seriale_; }
    // The HID link and its window exist only in HID mode.
    Collegamento_hid* Hid() { return hid_.get(); }
    frm_hid* Finestra_hid() { return finestra_hid_.get(); }
    Protocollo& Comandi() { return *protocollo_; }
    Motore_misura& Motore() { return *motore_; }
    Porta_seriale& Porta() { return *porta_; }

private:
    void Avvia_passi();
    // SIGTERM, SIGINT, SIGHUP.
    void Fine_da_segnale();
    void Aggiorna_didascalia();
    // Commands go over the link the transport flags name.
    void Aggiorna_collegamento();
    void Chiudi_finestre();
    void Mostra_principale(bool configura);

    Opzioni opzioni_;
    Sessione s_;
    std::unique_ptr<Libreria_hid> hid_proprio_;
    std::unique_ptr<Porta_seriale> porta_propria_;
    std::unique_ptr<Frm_main> principale_;
    Avvisi* avvisi_;
    Porta_seriale* porta_;
    std::unique_ptr<Motore_misura> motore_;
    std::unique_ptr<Protocollo> protocollo_;
    std::unique_ptr<Collegamento_seriale> seriale_link_;
    std::unique_ptr<frm_seriale> seriale_;
    std::unique_ptr<Ritorno_seriale> ritorno_;
    std::unique_ptr<Segnali_fine> segnali_;
    std::unique_ptr<Collegamento_hid> hid_;
    std::unique_ptr<frm_hid> finestra_hid_;
    std::unique_ptr<Giornale_serie> giornale_;
    // One program per user and data folder: held for the whole run.
    std::unique_ptr<Blocco_file> blocco_dati_;
    int codice_uscita_ = 0;
    std::unique_ptr<Riservatezza_in_fondo> riservatezza_;
    QString messaggio_recupero_; // shown once, with the main window
    bool recupero_fallito_ = false;
    bool avvio_in_corso_ = false;
    bool fine_richiesta_ = false;
};
