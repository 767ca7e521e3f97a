// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program from end to end: the start-up with no board, then with the virtual board
// on a pseudo-terminal and with a board on the (fake) USB HID link; the windows, keys and
// menus around it; the command panel recording sets and saving each one, whatever ends it;
// the set given back after a crash; the save operations' failures; the application folder.

#include "acquisition/frm_cmd.h"
#include "acquisition/salvataggi.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_grafici.h"
#include "device/frm_hid.h"
#include "device/frm_seriale.h"
#include "device/ricerca_scheda.h"
#include "log/frm_profilo.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "platform/hid_finto.h"
#include "platform/porta_seriale.h"
#include "program/avvio.h"
#include "session/attendi.h"
#include "session/tipi_scheda.h"
#include "setup/frm_utente.h"
#include "stream/lista_valori.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"
#include "tests/support/serie_prova.h"
#include "tools/frm_crono.h"
#include "wire/flusso_scheda.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <csignal>

namespace {
// Counts how often the serial window is shown and, while `chiusure` is set, writes down
// the program's windows as they close.
class Osservatore : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == QLatin1String("frm_seriale"))
            ++comparse;
        if (chiusure && e->type() == QEvent::Close && o->isWidgetType() &&
            !o->objectName().isEmpty() && o->objectName() != "Frm_main")
            *chiusure << o->objectName();
        return false;
    }
    int comparse = 0;
    QStringList* chiusure = nullptr;
};

const QString Titolo = QStringLiteral("KINETRACK " KT_VERSIONE_ATTESA);
const Dispositivo_hid Scheda_usb{0x0461, 0x0020, "/dev/hidraw7"};

// The virtual board's options, of type `tipo`; asked to stream, it lifts 400 mm in `salita` s,
// with no twitch to lengthen its pauses.
QStringList Opzioni_scheda(int tipo, double salita = 0.4) {
    return {"--board-type", QString::number(tipo),
            "--down",       "0.3",
            "--up",         QString::number(salita),
            "--pause",      "0.2",
            "--amplitude",  "400",
            "--twitch",     "0"};
}
} // namespace

class Test_programma : public QObject {
    Q_OBJECT
public:
    explicit Test_programma(const Ambiente_prova& ambiente)
        : ambiente_(ambiente), radice_(ambiente.Radice()) {}

private:
    Programma::Opzioni Opzioni() {
        Programma::Opzioni o;
        o.cartella_eseguibile = radice_ + "/bin";
        o.hid = &hid_;
        o.avvisi = &avvisi_;
        o.attesa_hid_ms = 100;
        o.apertura = false;
        return o;
    }
    QStringList File_salvati() const {
        return QDir(radice_ + "/data/kinetrack/misure_auto").entryList(QDir::Files, QDir::Name);
    }
    const Ambiente_prova& ambiente_;
    QString radice_;
    Libreria_hid_finta hid_;
    Avvisi_registrati avvisi_;
    Osservatore conta_;

private Q_SLOTS:
    void cleanup() { qApp->removeEventFilter(&conta_); }
    // Every port number means "no device" unless a board claims it.
    void init() {
        ambiente_.Porte_senza_dispositivo();
        QDir(radice_ + "/data/kinetrack/misure_auto").removeRecursively();
        avvisi_.elenco.clear();
        hid_ = {};
        conta_.comparse = 0;
        qApp->installEventFilter(&conta_);
    }

    // No board anywhere: the search shows, fails quietly but for one message, and the main
    // window opens. The board plugged in afterwards on com3, chosen in the
    // port window: the start asks its type and the set is measured with that board's factors
    // (its lifts of 400 mm in 0.6 s would read about 300 mm in at most 0.46 s with the type-3
    // factors a board that was not asked gets). The next run finds it on the stored port
    // without showing the search.
    void senza_scheda_poi_scelta_nella_finestra_porta() {
        std::optional<Processo_scheda> scheda;
        {
            Programma p(Opzioni());
            p.Avvia();
            QVERIFY(p.Principale().isVisible() && !p.Seriale().isVisible() && conta_.comparse >= 1);
            QCOMPARE(p.Principale().windowTitle() + '|' + avvisi_.elenco.constLast().testo,
                     Titolo + " non connesso|" + Messaggio_nessuna_scheda());
            QCOMPARE(avvisi_.elenco.size(), 1);

            scheda.emplace(3, Opzioni_scheda(1, 0.6));
            QVERIFY(scheda->Pronta());
            p.Principale().mnuImpostazioniParametri_Porta->trigger();
            p.Seriale().cboPort->setCurrentIndex(2);
            p.Seriale().cmdOK->click();
            avvisi_.elenco.clear();
            p.Stato().Dati_esercizio.Ampiezza_minima = 100;
            Frm_cmd& c = *p.Principale().Comandi;
            c.Button_start->click();
            QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 1");
            QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 20000);
            c.Button_start->click();
            for (int i = 1; i <= p.Motore().Lst_valori().Righe(); ++i) {
                const Ripetizione& r = p.Stato().Ripetizioni[std::size_t(i)];
                QVERIFY2(r.Spost_conc > 350 && r.Spost_conc < 420 && r.Durata_conc > 0.55f,
                         qPrintable(QString("%1 mm in %2 s").arg(r.Spost_conc).arg(r.Durata_conc)));
            }
            QVERIFY2(avvisi_.elenco.isEmpty(), qPrintable(avvisi_.elenco.value(0).testo));
        }
        conta_.comparse = 0;
        Programma p(Opzioni());
        p.Avvia();
        QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 1");
        QCOMPARE(conta_.comparse, 0);
        QVERIFY(p.Hid() == nullptr && avvisi_.elenco.isEmpty()); // serial: HID link detached
    }

    // A board on USB HID is announced during the HID test: no serial port, its type from the
    // answer report. Then the main window by the keyboard (F5 starts and stops), a
    // missing calculator told naming the ones looked for, the board unplugged while recording
    // (the set saved) and plugged in again, the menus' windows (the ones open come to the
    // front), and the exit closing stopwatch, setup, serial and HID windows in order.
    void scheda_hid_tastiera_e_menu() {
        hid_.Collega(Scheda_usb);
        hid_.Risponditore = [](const QByteArray& scritto) {
            return scritto.startsWith(QByteArray("\0$D", 3)) ? QByteArray("$\x02\x44")
                                                             : QByteArray();
        };
        Programma p(Opzioni());
        p.Avvia();
        Frm_main& m = p.Principale();
        Frm_cmd& c = *m.Comandi;
        QCOMPARE(m.windowTitle(), Titolo + " Connesso via HID Scheda tipo 2");
        QVERIFY(!p.Porta().Aperta() && conta_.comparse == 0);
        QVERIFY(p.Hid() != nullptr && p.Finestra_hid() && !p.Finestra_hid()->isVisible());
        QCOMPARE(p.Stato().Scheda.Fattore_tempo, Calibrazione_tipo(1).Fattore_tempo);

        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        m.Grafici->Valori().Tabella()->setFocus();
        const auto Tasto = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        Tasto(Qt::Key_F5);
        QVERIFY(c.Button_start->isChecked() && p.Stato().Acquisizione_in_corso);
        Tasto(Qt::Key_F5);
        QVERIFY(!c.Button_start->isChecked() && !p.Stato().Acquisizione_in_corso);
        const QByteArray percorsi = qgetenv("PATH");
        QTemporaryDir vuota;
        qputenv("PATH", QFile::encodeName(vuota.path()));
        m.mnuStrumentiCalcolatrice->trigger();
        c.Button_Calcolatrice->click();
        qputenv("PATH", percorsi);
        const QString calcolatrice = avvisi_.elenco.value(1).testo;
        QVERIFY2(avvisi_.elenco.size() == 2 && avvisi_.elenco[0].testo == calcolatrice &&
                     calcolatrice.startsWith("Nessuna calcolatrice trovata") &&
                     calcolatrice.contains("gnome-calculator") && calcolatrice.contains("xcalc"),
                 qPrintable(calcolatrice));

        avvisi_.elenco.clear();
        c.Button_Memo->click();
        c.Button_start->click();
        std::array<Record_scheda, 8> otto{};
        for (int k = 0; k < 8; ++k) otto[k] = {std::int16_t(10 * k), 5000}; // 1 ms steps
        const Report_hid_t report = Componi_report(otto.data());
        for (int i = 0; i < 3; ++i)
            hid_.Invia_report(Scheda_usb.percorso,
                              QByteArray(reinterpret_cast<const char*>(report.data() + 1), 64));
        QTRY_VERIFY(p.Stato().Campioni.size() > 2);
        hid_.Scollega(Scheda_usb);
        QTRY_COMPARE(m.windowTitle(), Titolo + " Disconnesso");
        QVERIFY(!p.Stato().Acquisizione_in_corso && !c.Button_start->isChecked());
        QVERIFY(File_salvati().size() == 4 && avvisi_.elenco.size() == 1);
        QVERIFY(avvisi_.elenco[0].testo.contains("i dati registrati sono conservati"));
        hid_.Collega(Scheda_usb); // found again without a restart
        QTRY_COMPARE(m.windowTitle(), Titolo + " Connesso via HID");

        m.mnuStrumentiCronometro->trigger();
        const QPointer<Frm_crono> crono = m.Crono;
        c.Button_Crono->click();
        m.mnuImpostazioniConfigura->trigger();
        const QPointer<Frm_utente> utente = m.Utente;
        m.mnuImpostazioniConfigura->trigger();
        QVERIFY(m.Crono == crono && m.Utente == utente);
        m.mnuImpostazioniParametri_Porta->trigger();
        m.mnuVisualizzaAnalisi->trigger();
        m.mnuVisualizzaProfilo->trigger();
        QStringList ordine;
        conta_.chiusure = &ordine;
        connect(p.Finestra_hid(), &QObject::destroyed, [&ordine] { ordine << "frm_hid"; });
        m.mnuFileEsci->trigger();
        conta_.chiusure = nullptr;
        QCOMPARE(ordine, (QStringList{"Frm_crono", "Frm_analisi", "Frm_profilo", "Frm_atleta",
                                      "Frm_utente", "frm_seriale", "frm_hid"}));
        QVERIFY(p.Hid() == nullptr);
        QTRY_VERIFY(crono.isNull() && utente.isNull());
    }

    // Whatever ends a recorded set, it is saved once, into "misure_auto" while no athlete is
    // chosen, under names without ":": the start button's stop, "Reset Pos" (the stop comes
    // from the protocol), "RESET DATI" and recording switched off (the part so far, as a set
    // of its own; switched on again, the recording starts afresh), `kill`. Recording off, a stop
    // saves nothing.
    void serie_salvata_a_ogni_fine() {
        Processo_scheda scheda(3, Opzioni_scheda(2));
        QVERIFY(scheda.Pronta());
        Programma p(Opzioni());
        p.Avvia();
        Frm_cmd& c = *p.Principale().Comandi;
        const Lista_valori& lista = p.Motore().Lst_valori();
        int secondi = 0;
        p.Principale().Salvataggi_test->Imposta_orologio(
            [&secondi] { return QDateTime(QDate(2026, 12, 4), QTime(9, 5, secondi++)); });

        c.Button_Memo->click();
        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(lista.Righe() >= 2, 15000);
        c.Button_start->click();
        QVERIFY(!p.Stato().Acquisizione_in_corso);
        QCOMPARE(File_salvati(),
                 (QStringList{"2026  Dec 04  9.05.0 ripetizioni analisi.csv",
                              "2026  Dec 04  9.05.0 ripetizioni.csv",
                              "2026  Dec 04  9.05.0 test.ini", "2026  Dec 04  9.05.0.csv"}));
        QCOMPARE(p.Principale().Lbl_salvato->text(),
                 "Salvato: 2026  Dec 04  9.05.0 ripetizioni.csv");

        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 50, 5000);
        c.Button_Segnale->click();
        QVERIFY(!c.Button_start->isChecked() && !p.Stato().Acquisizione_in_corso);
        QCOMPARE(File_salvati().size(), 8);

        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(lista.Righe() >= 2, 15000);
        c.Button_Reset->click();
        QCOMPARE(File_salvati().size(), 12);
        QCOMPARE(lista.Righe(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(lista.Righe() >= 2, 15000);
        c.Button_Memo->click(); // off
        QCOMPARE(File_salvati().size(), 16);
        const std::size_t registrati = p.Stato().Campioni.size();
        Attendi(300);
        QCOMPARE(p.Stato().Campioni.size(), registrati); // not recorded now
        c.Button_Memo->click();                          // on again
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 100, 5000);
        QVERIFY(p.Stato().Campioni[1].Tempo > 0); // from the first sample after it came back
        c.Button_start->click();
        QCOMPARE(File_salvati().size(), 20);

        c.Button_Memo->click();
        c.Button_start->click();
        c.Button_start->click();
        QCOMPARE(File_salvati().size(), 20);
        QVERIFY(avvisi_.elenco.isEmpty());

        // Ended by `kill` or the end of the session: saved as a closed window saves.
        c.Button_Memo->click();
        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 50, 5000);
        ::raise(SIGTERM);
        QTRY_VERIFY(!p.Stato().Acquisizione_in_corso);
        QCOMPARE(File_salvati().size(), 24);
        QVERIFY(!p.Principale().isVisible());
    }

    // The program ends in the middle of a recorded set without saving it (a crash, the
    // power): the next start saves the set from its journal and says so once. A second start
    // on the same data meanwhile is refused and leaves the journal alone.
    void serie_recuperata_al_riavvio() {
        const QString recupero = radice_ + "/data/kinetrack/recupero";
        {
            Processo_scheda scheda(3, Opzioni_scheda(1));
            QVERIFY(scheda.Pronta());
            Programma p(Opzioni());
            p.Avvia();
            p.Principale().Comandi->Button_Memo->click();
            p.Principale().Comandi->Button_start->click();
            QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 15000);
            QCOMPARE(QDir(recupero).entryList(QDir::Files).size(), 2);
            Programma secondo(Opzioni());
            secondo.Avvia();
            QVERIFY(secondo.Fine_richiesta() && secondo.Codice_uscita() != 0);
            QVERIFY(avvisi_.elenco.constLast().testo.contains("già aperto"));
            QCOMPARE(QDir(recupero).entryList(QDir::Files).size(), 2);
        } // gone without a stop: no save, no close
        QCOMPARE(File_salvati(), QStringList());

        avvisi_.elenco.clear();
        Programma p(Opzioni());
        p.Avvia();
        const QStringList file = File_salvati();
        QCOMPARE(file.size(), 4);
        QCOMPARE(avvisi_.elenco.size(), 2); // no board, then the set given back
        const QString messaggio = avvisi_.elenco[1].testo;
        QVERIFY2(messaggio.startsWith("Serie del ") && messaggio.contains(" recuperata: ") &&
                     messaggio.contains(file.constLast()),
                 qPrintable(messaggio));
    }

    // An ending signal during the start-up stops it at its next step, with a board on USB
    // too (whose window the start-up drops when it ends).
    void segnale_durante_avvio() {
        hid_.Collega(Scheda_usb);
        Programma::Opzioni o = Opzioni();
        o.attesa_hid_ms = 600;
        Programma p(o);
        QTimer::singleShot(100, [] { ::raise(SIGTERM); });
        QElapsedTimer tempo;
        tempo.start();
        p.Avvia();
        QVERIFY(p.Fine_richiesta());
        QVERIFY2(tempo.elapsed() < 1000, qPrintable(QString::number(tempo.elapsed())));
        QVERIFY(!p.Principale().isVisible() && p.Hid() == nullptr);
    }

    // A set keeps the setup it was recorded with: an athlete chosen while it runs applies to
    // the next set, and the set is saved as the first athlete's, into that athlete's folder. A set
    // that recorded nothing writes nothing.
    void serie_con_il_suo_atleta() {
        Sessione s;
        Imposta_sollevamenti(s);
        Motore_misura motore(s, QLocale::c());
        Salvataggi salva(s, motore.Lst_valori(), avvisi_, QLocale::c());
        salva.Imposta_analisi(motore.Analisi());
        salva.Imposta_orologio([] { return QDateTime(QDate(2026, 12, 8), QTime(16, 59, 41)); });
        const QString squadra = radice_ + "/data/serie/Squadra A/";
        const auto Scegli = [&](const QString& atleta, float carico, float ampiezza_minima) {
            s.Dati_esercizio.Atleta = atleta;
            s.Dati_esercizio.Carico = carico;
            s.Dati_esercizio.Ampiezza_minima = ampiezza_minima;
            s.Dati_esercizio.Cartella_dati = squadra + atleta;
            QDir().mkpath(s.Dati_esercizio.Cartella_dati);
        };
        QSignalSpy vuote(&salva, &Salvataggi::Serie_senza_dati);
        s.Dati_esercizio.Esercizio = "Squat";
        Scegli("Rossi", 80, 100);
        s.Memo_attivo = true;
        motore.Inizia_acquisizione();
        QVERIFY(salva.Salva_automatico()); // stopped before any record
        QCOMPARE(vuote.size(), 1);

        motore.Inizia_acquisizione();
        Scegli("Bianchi", 60, 500); // no lift of the set would reach 500 mm
        Quattro_sollevamenti(motore);
        s.Acquisizione_in_corso = false;
        QCOMPARE(motore.Lst_valori().Righe(), 3);
        QVERIFY(salva.Salva_automatico());
        QCOMPARE(vuote.size(), 1);
        QCOMPARE(QDir(squadra + "Bianchi").entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(squadra + "Rossi").entryList(QDir::Files).size(), 4);
        QCOMPARE(Contenuto(squadra + "Rossi/2026  Dec 08  16.59.41 ripetizioni.csv")
                     .count("\r\nRossi;Squat;80.0; "),
                 3);
        QVERIFY(avvisi_.elenco.isEmpty());

        // The dialog opens in the folder of the set's athlete, not of the one chosen since. A
        // cancelled dialog says nothing; a folder that cannot be written (a path through a
        // regular file, which stops root too) gives the reason, the automatic save's saying
        // the set is still there; saved elsewhere afterwards, nothing more is said.
        QString risposta; // the folder the dialog answers in; none: cancelled
        QStringList richieste;
        salva.Imposta_scelta_file([&](QWidget*, const Richiesta_file& r) {
            richieste << r.cartella;
            return risposta.isEmpty() ? risposta
                                      : risposta + QString("/%1.csv").arg(richieste.size());
        });
        salva.Salva_dati_con_nome(nullptr);
        salva.Salva_file_intero_con_nome(nullptr);
        QVERIFY(avvisi_.elenco.isEmpty());
        QCOMPARE(richieste, (QStringList{squadra + "Rossi", squadra + "Rossi"}));
        Scrivi(radice_ + "/un_file", {});
        for (const QString& cartella : {radice_ + "/un_file/atleta", radice_ + "/data/altrove"}) {
            QDir().mkpath(cartella);
            risposta = s.Serie.Dati_esercizio.Cartella_dati = cartella;
            salva.Salva_automatico();
            salva.Salva_dati_con_nome(nullptr);
            salva.Salva_file_intero_con_nome(nullptr);
        }
        QCOMPARE(avvisi_.elenco.size(), 3);
        const QString radice = QDir::toNativeSeparators(radice_), primo = avvisi_.elenco[0].testo;
        QVERIFY2(primo.startsWith(radice) && primo.contains("resta in memoria"), qPrintable(primo));
        QVERIFY2(avvisi_.elenco[1].testo.startsWith("ERR 0182 : ") &&
                     avvisi_.elenco[2].testo.startsWith(radice),
                 qPrintable(avvisi_.elenco[1].testo + "\n" + avvisi_.elenco[2].testo));
        motore.Inizia_acquisizione();
        QCOMPARE(s.Serie.Dati_esercizio.Atleta, QString("Bianchi"));
    }

    // The application folder: beside the executable when a portable marker is there, else
    // the per-user data folder, made when missing; one that cannot be made gives a message
    // and the path anyway.
    void cartella_applicazione() {
        Scrivi(radice_ + "/file", {});
        QTemporaryDir eseguibile;
        QString errore;
        const auto Cartella = [&](const QString& dati) {
            qputenv("XDG_DATA_HOME", QFile::encodeName(radice_ + dati));
            const QString cartella = Cartella_applicazione(eseguibile.path(), &errore);
            qputenv("XDG_DATA_HOME", QFile::encodeName(radice_ + "/data"));
            return cartella;
        };
        QDir(radice_ + "/data/kinetrack").removeRecursively();
        QCOMPARE(Cartella("/data"), radice_ + "/data/kinetrack");
        QVERIFY(QFileInfo(radice_ + "/data/kinetrack").isDir() && errore.isEmpty());
        QCOMPARE(Cartella("/file/share"), radice_ + "/file/share/kinetrack");
        QVERIFY2(errore.contains(radice_ + "/file/share/kinetrack"), qPrintable(errore));
        Scrivi(eseguibile.filePath("kinetrack.portable"), {});
        QCOMPARE(Cartella("/file/share"), eseguibile.path());
    }
};

int main(int argc, char** argv) {
    Ambiente_prova ambiente;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Test_programma test(ambiente);
    return QTest::qExec(&test, argc, argv);
}

#include "test_programma.moc"
