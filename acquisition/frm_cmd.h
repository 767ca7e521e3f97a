// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command panel: nine large buttons along the bottom of the main window's work area.
// Start and stop of the acquisition, recording on and off (with the automatic save when a
// recorded acquisition ends), the board's displacement to zero, the measurement reset, the
// graph window's three views, the stopwatch and the desktop's calculator. The panel keeps
// no state of its own beyond which acquisition it started.

#include <QElapsedTimer>
#include <QKeySequence>
#include <QWidget>
#include <array>
#include <memory>

// Starts and stops an acquisition from anywhere in the main window, as a click on the start
// button does; its hover tip names it.
inline const QKeySequence Tasto_avvio{Qt::Key_F5};
// Likewise for MEMO DATI, recording on or off.
inline const QKeySequence Tasto_memo{Qt::Key_F4};

class Ascolto_serie_auto;
class Frm_grafici;
class Motore_misura;
class Protocollo;
class QAction;
class Avvisi;
class QPushButton;
class QTimer;
class Salvataggi;
struct Sessione;

class Frm_cmd : public QWidget {
    Q_OBJECT
public:
    Frm_cmd(Sessione& sessione, Protocollo& protocollo, Motore_misura& motore, Frm_grafici& grafici,
            Salvataggi& salvataggi, Avvisi& avvisi, QWidget* parent = nullptr);
    ~Frm_cmd() override;

    // The buttons in one row, as wide as the panel; the main window calls it again
    // whenever its size changes.
    void riposiziona();
    // Opens the test of sample file `nome` (what "Apri..." does once a file is chosen).
    void Apri(const QString& nome);

    // Handlers the main window's view menu reuses.
    void Button_Ripetizioni_Click();
    void Button_Grafici_Click();
    void Button_Tempo_Click() {} // the time view is on the right button
    void Vista_tempo();
    // Recording on or off.
    void Button_Memo_ValueChanged(bool acceso);
    // The program is closing: a running acquisition stops as the start button's stop
    // would (a recorded one is saved, its three files), then recording goes off; a set
    // whose save failed is said to stay in its journal.
    void Termina();

    QPushButton* Button_start;
    QPushButton* Button_Memo;
    QPushButton* Button_Segnale;
    QPushButton* Button_Reset;
    QPushButton* Button_Ripetizioni;
    QPushButton* Button_Tempo;
    QPushButton* Button_Grafici;
    QPushButton* Button_Crono;
    QPushButton* Button_Calcolatrice;
    // SERIE AUTO: with it on, a start arms the station and every set starts and ends by itself.
    QPushButton* Button_Serie_auto;
    // Opening a saved test and the save operations, in the panel's context menu and on
    // their keys.
    QAction* Azione_apri;
    QAction* Azione_salva_dati;
    QAction* Azione_salva_file_intero;

Q_SIGNALS:
    // The view shown changed (the view menu's check marks follow it).
    void Vista_cambiata();
    // The stopwatch button was pressed.
    void Cronometro_richiesto();
    // The measurement on screen is another: a test reopened, or a set started. Its
    // athlete, load and exercise are in the session's `Serie`.
    void Misura_cambiata();
    // The set in memory is about to give way (a start, "RESET DATI", a test opened): what
    // is still to be written of it goes now.
    void Serie_in_uscita();
    // SERIE AUTO: what became of a set that ended by itself, for the status bar ("Serie 2
    // salvata: <file>"); the rest since the last set ended, every second (-1: no rest to
    // show, a set is running or the station is not armed); the target rest is over.
    void Messaggio_serie(const QString& testo);
    void Recupero_cambiato(int secondi);
    void Recupero_concluso();

private:
    void Button_start_ValueChanged(bool acceso);
    // The start button went off without a click: a failed start, a stop from elsewhere.
    void Avvio_spento();
    // An acquisition that ran with recording on is saved once, however it ended.
    void Fine_acquisizione();
    // "RESET DATI".
    void Azzera();
    void Imposta_start(bool acceso);
    void Aggiorna_testi();
    void Lampeggia();
    // SERIE AUTO: a set begins (the one in memory gives way), began, ended by itself.
    friend class Ascolto_serie_auto;
    void Serie_in_arrivo();
    void Serie_iniziata();
    void Serie_conclusa(int ripetizioni);
    // During an acquisition, every 50 ms: the engine hears how long the link has been silent
    // (a lift's end told before the record that closes it; armed, the stillness a HID board
    // tells late), and an armed station whose board fell silent stops, its set saved.
    void Sorveglia_silenzio();
    void Mostra_recupero();
    // A set recorded from here is running (not the armed station's wait between sets).
    bool Serie_registrata_in_corso() const;

    Sessione& s_;
    Protocollo& protocollo_;
    Motore_misura& motore_;
    Frm_grafici& grafici_;
    Salvataggi& salvataggi_;
    Avvisi& avvisi_;
    QTimer* lampeggio_;
    bool acceso_lampeggio_ = false;
    bool in_corso_ = false; // an acquisition started from here is running
    bool armata_ = false;   // ... with SERIE AUTO on
    int serie_armata_ = 0;  // the sets of the armed station with repetitions
    QString ultimo_salvato_;
    std::unique_ptr<Ascolto_serie_auto> ascolto_;
    QTimer* sorveglianza_silenzio_;
    QTimer* recupero_;
    QElapsedTimer inizio_recupero_;
    // The engine's reads when the link last handed some over, and since when.
    std::uint64_t letture_viste_ = 0;
    QElapsedTimer silenzio_;
    bool recupero_segnalato_ = false;
};

// Starts the first calculator installed on the desktop; when none starts, says so, naming
// the calculators looked for.
void Avvia_calcolatrice(Avvisi& avvisi);
