// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/avvio.h"

#include "acquisition/salvataggi.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_grafici.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/recupero_serie.h"
#include "device/collegamento_hid.h"
#include "device/collegamento_seriale.h"
#include "device/frm_hid.h"
#include "device/frm_seriale.h"
#include "device/protocollo.h"
#include "device/ricerca_scheda.h"
#include "device/ritorno_seriale.h"
#include "mainwindow/frm_main.h"
#include "platform/accessibilita.h"
#include "platform/blocco_file.h"
#include "platform/file_privati.h"
#include "platform/hid_hidapi.h"
#include "platform/mappa_porte.h"
#include "platform/memoria.h"
#include "platform/moduli.h"
#include "platform/porta_qt.h"
#include "platform/segnali_fine.h"
#include "session/attendi.h"
#include "session/titolo.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/motore_misura.h"
#include "tools/frm_apertura.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPixmapCache>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <unistd.h>
#include <utility>

QString Cartella_applicazione(const QString& cartella_eseguibile, QString* errore) {
    const QDir eseguibile(cartella_eseguibile);
    const QString cartella =
        QFileInfo::exists(eseguibile.filePath(QLatin1String(Marcatore_portatile)))
            ? eseguibile.absolutePath()
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/kinetrack");
    if (Crea_cartella_privata(cartella) && errore)
        *errore = QCoreApplication::translate("Avvio", "Impossibile creare la cartella dei dati %1")
                      .arg(QDir::toNativeSeparators(cartella));
    return QDir::cleanPath(cartella);
}

void Imposta_percorsi(Sessione& s, const QString& cartella_applicazione) {
    s.Cartella_applicazione = cartella_applicazione;
    s.Cartella_ini = cartella_applicazione + QStringLiteral("/ini");
    s.File_ini = s.Cartella_ini + QStringLiteral("/brax.ini");
}

QString File_blocco_dati(const Sessione& s) {
    return s.Cartella_ini + QStringLiteral("/.kinetrack.lock");
}

Programma::Programma(const Opzioni& opzioni) : opzioni_(opzioni) {
    Prepara_memoria();
    // Before any window: Qt keeps the first interface a widget was told by.
    Prepara_accessibilita();
    // The style keeps each button's drawing per palette, and the recording button's blink
    // gives it a new palette every time: over a long set the stale drawings would fill
    // the whole default cache. A window's worth of drawings fits in far less.
    QPixmapCache::setCacheLimit(2048);
    if (!opzioni_.hid) {
        hid_proprio_ = std::make_unique<Libreria_hidapi>();
        opzioni_.hid = hid_proprio_.get();
    }
    if (!opzioni_.porta) porta_propria_ = std::make_unique<Porta_qt>();
    porta_ = opzioni_.porta ? opzioni_.porta : porta_propria_.get();
    principale_ = std::make_unique<Frm_main>();
    principale_->setWindowIcon(Icona_programma());
    avvisi_ = opzioni_.avvisi ? opzioni_.avvisi : principale_.get();
    motore_ = std::make_unique<Motore_misura>(s_, QLocale());
    protocollo_ = std::make_unique<Protocollo>(s_, *motore_, *avvisi_);
    seriale_link_ = std::make_unique<Collegamento_seriale>(s_, *porta_, *motore_);
    // The drawing hysteresis reads the serial port's backlog, also in HID mode (0 there).
    motore_->Imposta_ritardo([this] { return seriale_link_->Byte_in_attesa(); });
    // The search for the board's return starts before the loss's message waits for its Ok.
    ritorno_ = std::make_unique<Ritorno_seriale>(
        *seriale_link_, *protocollo_, [this] { return seriale_ && seriale_->isVisible(); });
    connect(seriale_link_.get(), &Collegamento_scheda::Perso, ritorno_.get(), [this] {
        if (s_.Scheda.Collegamento == Collegamento::Seriale) ritorno_->Sorveglia();
    });
    connect(seriale_link_.get(), &Collegamento_scheda::Perso, protocollo_.get(),
            &Protocollo::Collegamento_perso);
    connect(protocollo_.get(), &Protocollo::Stato_cambiato, this, &Programma::Aggiorna_didascalia);
    connect(principale_.get(), &Frm_main::Chiusura, this, &Programma::Chiudi_finestre);
    // Ended from outside (`kill`, the end of the session, Ctrl+C in a terminal).
    segnali_ = std::make_unique<Segnali_fine>();
    connect(segnali_.get(), &Segnali_fine::Fine_richiesta, this, &Programma::Fine_da_segnale);
    // Every acquisition is written to its journal as it arrives.
    giornale_ = std::make_unique<Giornale_serie>(s_);
    motore_->Aggiungi_vista(*giornale_);
    connect(principale_.get(), &Frm_main::Parametri_porta_richiesti, this, [this] {
        if (!seriale_) return;
        if (!seriale_->isVisible()) {
            // Its own caption again, after the start-up's "Testing...".
            seriale_->setWindowTitle(
                QCoreApplication::translate("Avvio", "Proprietà porta di comunicazione"));
            Centra_su(seriale_.get(), principale_.get());
        }
        seriale_->show();
        seriale_->raise();
        seriale_->activateWindow();
    });
}

Programma::~Programma() {
    ::alarm(0); // ended in time
    // The HID reader and the windows go before the engine and the links they use.
    motore_->Togli_viste();
    finestra_hid_.reset();
    hid_.reset();
    seriale_.reset();
    principale_.reset();
}

void Programma::Aggiorna_didascalia() {
    principale_->Aggiorna_didascalia(s_);
}

void Programma::Aggiorna_collegamento() {
    Collegamento_scheda* collegamento = nullptr;
    if (s_.Scheda.Collegamento == Collegamento::Hid && hid_)
        collegamento = hid_.get();
    else if (s_.Scheda.Collegamento == Collegamento::Seriale)
        collegamento = seriale_link_.get();
    protocollo_->Imposta_collegamento(collegamento);
}

void Programma::Fine_da_segnale() {
    if (fine_richiesta_) return;
    fine_richiesta_ = true;
    // Nobody may be at the screen: no message waits for an answer from here on, and the
    // program ends within seconds whatever it is doing (a recorded set is in its journal).
    principale_->Messaggi_senza_finestra();
    ::alarm(Secondi_per_finire);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialogo = qobject_cast<QDialog*>(w); dialogo && dialogo->isVisible())
            dialogo->reject();
    // During the start-up its own steps stop at the next one; afterwards the main window
    // closes as the operator would close it (a recording in progress is saved), once the
    // waits and dialogs it interrupted have returned.
    if (!avvio_in_corso_)
        QTimer::singleShot(0, this, [this] {
            principale_->close();
            QCoreApplication::quit();
        });
}

void Programma::Avvia() {
    avvio_in_corso_ = true;
    Avvia_passi();
    avvio_in_corso_ = false;
    if (fine_richiesta_) Chiudi_finestre();
}

void Programma::Avvia_passi() {
    // 1-6: paths, status, title, reply time-out, repetition table, no transport.
    QString errore;
    Imposta_percorsi(s_, Cartella_applicazione(opzioni_.cartella_eseguibile, &errore));
    principale_->Mostra_cartella_dati(s_.Cartella_applicazione);
    // One program per data folder, whatever decides which program a second start reaches
    // (its runtime folder may differ): a second one would give back, and delete, the
    // journal of the set the first is recording. The lock goes with the process.
    blocco_dati_ = std::make_unique<Blocco_file>();
    (void)Crea_cartella_privata(s_.Cartella_ini);
    if (blocco_dati_->Prendi(File_blocco_dati(s_), true) == Blocco_file::Esito::Occupato) {
        avvisi_->Mostra(QCoreApplication::translate(
                            "Avvio", "Kinetrack è già aperto con la cartella dei dati %1 "
                                     "(forse da un'altra sessione dello stesso utente): si "
                                     "usa quello. Questo avvio si chiude senza toccare nulla.")
                            .arg(QDir::toNativeSeparators(s_.Cartella_applicazione)),
                        Avvisi::Icona::Critico);
        codice_uscita_ = 1;
        fine_richiesta_ = true;
        return;
    }
    // Athletes' files are this user's alone, also those an older version left open.
    riservatezza_ = std::make_unique<Riservatezza_in_fondo>(s_.Cartella_applicazione);
    // The sets an interrupted run left in their journals are saved now, before anything
    // can start a new one; the operator reads about them when the main window shows.
    giornale_->Imposta_cartella(s_.Cartella_applicazione + QLatin1Char('/') + Cartella_giornali);
    const auto recuperate = Recupera_serie(s_.Cartella_applicazione, QLocale());
    messaggio_recupero_ = Messaggio_recupero(recuperate, QLocale());
    recupero_fallito_ = std::any_of(recuperate.begin(), recuperate.end(),
                                    [](const Esito_recupero& e) { return e.errore.has_value(); });
    s_.Scheda.Stato_connessione = QCoreApplication::translate("Avvio", " non connesso");
    s_.Titolo = Titolo_programma();
    protocollo_->Timeout_ms = 1000;
    s_.Ripetizioni.assign(2, Ripetizione{});
    s_.Scheda.Collegamento = Collegamento::Nessuno;
    if (!errore.isEmpty()) avvisi_->Mostra(errore, Avvisi::Icona::Avviso);
    if (auto porte = Verifica_cartella_porte()) avvisi_->Mostra(*porte, Avvisi::Icona::Avviso);
    // The setup the dialog would show is the one in force until it is changed: a set
    // recorded before the dialog is opened has its athlete, exercise and load.
    Carica_impostazione(s_, *avvisi_, QLocale());

    // 7: the HID test. A board already plugged in is announced during the wait.
    hid_ = std::make_unique<Collegamento_hid>(s_, *opzioni_.hid, *motore_);
    connect(hid_.get(), &Collegamento_hid::Stato_cambiato, this, [this] {
        Aggiorna_collegamento();
        Aggiorna_didascalia();
    });
    connect(hid_.get(), &Collegamento_scheda::Perso, protocollo_.get(),
            &Protocollo::Collegamento_perso);
    finestra_hid_ = std::make_unique<frm_hid>(*hid_);
    finestra_hid_->Mostra_prove(opzioni_.diagnostica);
    Centra_su(finestra_hid_.get(), nullptr);
    finestra_hid_->show();
    finestra_hid_->setWindowTitle(QStringLiteral("Testing..HID"));
    QCoreApplication::processEvents();
    Attendi(static_cast<float>(opzioni_.attesa_hid_ms));
    if (fine_richiesta_) return;

    // The serial window stays loaded for the whole run (it owns the port's dialog).
    seriale_ = std::make_unique<frm_seriale>(s_, *seriale_link_, *protocollo_, *avvisi_);
    connect(seriale_.get(), &frm_seriale::Didascalia_cambiata, this,
            &Programma::Aggiorna_didascalia);
    seriale_->Imposta_interruzione([this] { return fine_richiesta_; });
    bool trovata = true;
    if (s_.Scheda.Collegamento != Collegamento::Hid) {
        // 8: no HID board: the serial port.
        finestra_hid_.reset();
        hid_.reset();
        s_.Scheda.Collegamento = Collegamento::Seriale;
        Aggiorna_collegamento();
        seriale_->setWindowTitle(QStringLiteral("Testing..."));
        seriale_->Leggi_impostazioni();
        if (!protocollo_->Verifica_scheda() && !fine_richiesta_) {
            seriale_->show(); // centred on the screen when it loaded
            trovata = seriale_->Cmd_Auto_Click();
        }
        seriale_->hide();
        if (fine_richiesta_) return;
    } else {
        finestra_hid_->hide();
        QApplication::beep();
    }
    // 9-12: make sure the board is not streaming, then ask its type and configuration.
    // With no board anywhere there is nobody to ask: the operator learns how to search
    // again, and a start later asks the type of a board found by then.
    QCoreApplication::processEvents();
    seriale_->hide();
    if (trovata)
        protocollo_->Prepara_scheda();
    else
        avvisi_->Mostra(Messaggio_nessuna_scheda(), Avvisi::Icona::Avviso);
    if (fine_richiesta_) return;

    // 13: the opening window; it shows the main window when it closes.
    if (opzioni_.apertura) {
        auto* apertura = new frm_apertura();
        connect(apertura, &frm_apertura::Passaggio, this, &Programma::Mostra_principale);
        apertura->show();
        apertura->raise();
    }
    // 14: the main window with its child windows, which listen to the engine, and its
    // caption.
    principale_->Apri_finestre(s_, QLocale(), *protocollo_, *motore_, *avvisi_);
    principale_->Grafici->Imposta_lista(&motore_->Lst_valori());
    principale_->Grafici->Imposta_analisi(&motore_->Analisi());
    motore_->Aggiungi_vista(*principale_->Intestazione);
    motore_->Aggiungi_vista(*principale_->Grafici);
    motore_->Aggiungi_vista(*principale_->Inoltro_analisi);
    principale_->Salvataggi_test->Imposta_giornale(giornale_.get());
    if (QString perche; !opzioni_.registro_segnali.isEmpty() &&
                        !principale_->Registra_segnali(opzioni_.registro_segnali, &perche))
        avvisi_->Mostra(QCoreApplication::translate("Avvio", "Il registro dei segnali %1 non si "
                                                             "apre: %2")
                            .arg(QDir::toNativeSeparators(opzioni_.registro_segnali), perche),
                        Avvisi::Icona::Avviso);
    Aggiorna_didascalia();
    if (!opzioni_.apertura) Mostra_principale(false);
}

void Programma::Mostra_principale(bool configura) {
    principale_->showMaximized();
    principale_->raise();
    principale_->activateWindow();
    if (!messaggio_recupero_.isEmpty()) {
        const QString messaggio = std::exchange(messaggio_recupero_, QString());
        avvisi_->Mostra(messaggio,
                        recupero_fallito_ ? Avvisi::Icona::Avviso : Avvisi::Icona::Nessuna,
                        QCoreApplication::translate("Avvio", "Serie recuperate"));
    }
    if (configura) principale_->Mostra_configurazione();
}

void Programma::Porta_in_primo_piano() {
    if (!principale_->isVisible()) return; // still starting: it shows by itself
    if (principale_->isMinimized()) principale_->showMaximized();
    principale_->raise();
    principale_->activateWindow();
}

void Programma::Chiudi_finestre() {
    ritorno_->Smetti();
    if (seriale_) seriale_->close();
    finestra_hid_.reset();
    hid_.reset(); // detaches the HID link
    Aggiorna_collegamento();
    motore_->Togli_viste();
}
