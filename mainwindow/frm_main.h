// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's frame window. Its caption is Titolo followed by Stato_connessione; the
// design caption, before the first update, is "Kinetrack". Its work area holds the
// header strip (top 12 %), the graph window (75 %) and, at the bottom, the strip of the
// command panel, laid out again whenever the window is resized. It also shows the
// operator's messages.

#include "session/avvisi.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

class Etichetta_accorciata;
class Frm_analisi;
class Frm_atleta;
class Frm_cmd;
class Frm_crono;
class Frm_profilo;
class Frm_storico;
class Inoltro_frm_analisi;
class Lavoratore_club;
class QAction;
class QLabel;
class QFile;
class QThread;
class Riga_valutazione;
class Frm_grafici;
class Frm_intestazione;
class Frm_utente;
class Motore_misura;
class Protocollo;
class Salvataggi;
class Segnali_acustici;
class Sorveglianza_flusso;
class Uscita_suono;
struct Segnale_dato;
struct Sessione;

class Frm_main : public QMainWindow, public Avvisi {
    Q_OBJECT
public:
    explicit Frm_main(QWidget* parent = nullptr);
    ~Frm_main() override;

    // Caption = Titolo + Stato_connessione.
    void Aggiorna_didascalia(const Sessione& sessione);
    // Where the athletes' data live, shown in the status bar.
    void Mostra_cartella_dati(const QString& cartella);
    // A modal message box with an OK button; title "kinetrack" unless one is given. Once
    // the program is ending from outside, on standard error instead: nobody may be there
    // to answer.
    void Mostra(const QString& testo, Icona icona = Icona::Nessuna,
                const QString& titolo = QString()) override;
    // The same, in a window of its own that leaves the program going (a set runs on).
    void Mostra_senza_attesa(const QString& testo, Icona icona = Icona::Nessuna,
                             const QString& titolo = QString()) override;
    void Messaggi_senza_finestra() { senza_finestre_ = true; }

    // The sound the cues play on, given before the windows open; otherwise the machine's.
    void Imposta_uscita_suono(Uscita_suono& uscita) { uscita_suono_ = &uscita; }
    // Opens the child windows, once, after the application folder is known: the header
    // strip showing the session's exercise record (its "CONFIGURA" opens the setup
    // dialog), the graph window and the command panel. Messages go to `avvisi`.
    void Apri_finestre(Sessione& sessione, const QLocale& locale, Protocollo& protocollo,
                       Motore_misura& motore, Avvisi& avvisi);
    // Lays the child windows out in the work area: the header strip, then the graph
    // window directly below it, then the command panel.
    void riposiziona();
    // The setup dialog, opened (or brought to the front) as "CONFIGURA" does.
    Frm_utente* Mostra_configurazione();
    // The stopwatch, created on first use, otherwise brought to the front.
    Frm_crono* Mostra_cronometro();
    // "Informazioni su...": the version, the data folder and the settings file.
    void Mostra_informazioni();
    // The line about the board's stream; on a warning ground when `allarme`.
    void Mostra_flusso(const QString& testo, bool allarme);
    // "Analisi serie": the set's repetitions analysed, the open window brought to the front.
    Frm_analisi* Mostra_analisi();
    // "Profilo carico-velocità...": the current athlete's profile for the current exercise.
    Frm_profilo* Mostra_profilo();
    // "Storico atleta": the current athlete's training log; a test opened from it is opened
    // as "Apri..." opens it.
    Frm_storico* Mostra_storico();
    // "Vista atleta" (F11): opens the athlete's view, or closes it when it is open.
    void Mostra_vista_atleta();
    // After a set is saved and indexed: the readiness of its day in the status bar, once
    // the day has a first set at the reference load.
    void Mostra_prontezza(const QString& file_salvato);
    // "Lingua": stores `codice` ("it", "en") for the next start and says so in that language;
    // the windows open now keep theirs.
    void Scegli_lingua(const QString& codice);
    // Every cue given from now on is added to `file` as a line, written at once: its wall
    // time, kind, repetition, words and delay after the lift's end (ms), tab-separated,
    // under a title line when the file is new. False, with the reason, when it cannot be
    // opened.
    bool Registra_segnali(const QString& file, QString* errore = nullptr);
    // "Club...": the club's settings; the sender starts again with what they say, or stops
    // and the other stations' tests are forgotten when there is no club any more.
    void Mostra_club();
    // With a club stored, its sender on a thread of its own; the status bar says how it goes.
    void Avvia_club();
    // The sender told to stop once its current round ends. With `attendi` (the program's end)
    // it and every sender stopped before are waited for; otherwise they end by themselves:
    // the window never waits for the network.
    void Ferma_club(bool attendi = true);
    // What the sender said last, in Lbl_club: the tests waiting, connected, or the error.
    void Mostra_stato_club(int da_inviare, bool collegato, const QString& errore);

    // The menu bar, built with the child windows. "Apri..." and the two saves are the
    // command panel's own actions, so their keys work from the panel's menu too.
    QAction* mnuFileApri = nullptr;
    QAction* mnuFileSalva_parziale = nullptr;
    QAction* mnuFileSalva_intero = nullptr;
    QAction* mnuFileEsci = nullptr;
    QAction* mnuImpostazioniConfigura = nullptr;
    QAction* mnuImpostazioniParametri_Porta = nullptr;
    QAction* mnuImpostazioniClub = nullptr;
    QAction* mnuVisualizzaRipetizioni = nullptr;
    QAction* mnuVisualizzaTempo = nullptr;
    QAction* mnuVisualizzaGrafico = nullptr;
    QAction* mnuVisualizzaAnalisi = nullptr;
    QAction* mnuVisualizzaProfilo = nullptr;
    QAction* mnuVisualizzaStorico = nullptr;
    QAction* mnuVisualizzaAtleta = nullptr;
    QAction* mnuStrumentiCronometro = nullptr;
    QAction* mnuStrumentiCalcolatrice = nullptr;
    // The repetitions' sound cues, and the velocity spoken in them (with the cues only);
    // stored per user.
    QAction* mnuStrumentiSegnali = nullptr;
    QAction* mnuStrumentiVoce = nullptr;
    QAction* mnuHelpInformazioni = nullptr;
    // "?" > "Lingua": the language stored for the next start, one checked.
    QAction* mnuLinguaItaliano = nullptr;
    QAction* mnuLinguaEnglish = nullptr;

    Etichetta_accorciata* Lbl_cartella = nullptr;
    Etichetta_accorciata* Lbl_salvato = nullptr; // the last file saved
    // The board's stream during a set: disturbed, silent, back (Sorveglianza_flusso).
    Etichetta_accorciata* Lbl_flusso = nullptr;
    // The set's journal once it cannot be written: what it holds (Sorveglianza_giornale).
    Etichetta_accorciata* Lbl_giornale = nullptr;
    Etichetta_accorciata* Lbl_prontezza = nullptr; // today's readiness, after a first set
    // What the machine lacks for the sound cues, told once.
    Etichetta_accorciata* Lbl_suono = nullptr;
    QLabel* Lbl_recupero = nullptr; // the rest between hands-free sets, "Recupero m:ss"
    // The club's sender: the tests still to send, or connected, or what is wrong; hidden
    // without a club.
    Etichetta_accorciata* Lbl_club = nullptr;
    Sorveglianza_flusso* Sorveglianza = nullptr;
    // The RPE and the note of the set just saved.
    Riga_valutazione* Valutazione = nullptr;
    Frm_intestazione* Intestazione = nullptr;
    Frm_grafici* Grafici = nullptr;
    Frm_cmd* Comandi = nullptr;
    // Listens to the engine for the whole run, shown on demand.
    Frm_atleta* Vista_atleta = nullptr;
    // The repetitions' sound cues, listening to the engine for the whole run.
    std::unique_ptr<Segnali_acustici> Segnali;
    Salvataggi* Salvataggi_test = nullptr;
    QPointer<Frm_utente> Utente;
    QPointer<Frm_crono> Crono;
    QPointer<Frm_analisi> Analisi;
    QPointer<Frm_profilo> Profilo;
    QPointer<Frm_storico> Storico;
    // Hands the engine's analysis to the "Analisi serie" window while it is open; the
    // engine listens to it for the whole run.
    std::unique_ptr<Inoltro_frm_analisi> Inoltro_analisi;

Q_SIGNALS:
    // The window is closing, the stopwatch and the setup dialog are closed: the serial
    // window and the HID window go next.
    void Chiusura();
    // "Parametri Porta....": the serial port window.
    void Parametri_porta_richiesti();

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Crea_menu();
    // One check mark in the view menu, on the view shown.
    void Aggiorna_spunte();
    // A repetition left out of the set's judgement, or taken back, by the operator: the
    // engine works the losses out again, and the files of a set already saved follow.
    void Imposta_esclusa(int numero, bool esclusa);
    // The cues as the tools menu sets them.
    void Aggiorna_segnali();
    void Scrivi_segnale(const Segnale_dato& dato);
    // Tests of other stations arrived: the open log window and team view read them.
    void Club_arrivati();
    // The server refused the club's password: asked again in a small window, once at a time;
    // not again in this run once the coach cancelled it.
    void Chiedi_password_club();

    Sessione* s_ = nullptr;
    Avvisi* avvisi_ = nullptr;
    Motore_misura* motore_ = nullptr;
    QLocale locale_;
    bool senza_finestre_ = false;
    Uscita_suono* uscita_suono_ = nullptr;
    std::unique_ptr<Uscita_suono> suono_proprio_;
    std::unique_ptr<QFile> registro_segnali_;
    QThread* thread_club_ = nullptr;
    Lavoratore_club* club_ = nullptr; // lives on thread_club_
    std::vector<QPointer<QThread>> club_in_chiusura_;
    bool password_club_chiesta_ = false;
    bool password_club_declinata_ = false;
};
