// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program from end to end: the start-up against the virtual board on a
// pseudo-terminal, with no board at all and with a board on the (fake) USB HID link; the
// command panel recording a set and saving it; the save operations' failures; the title
// and the application folder.

#include "acquisition/frm_cmd.h"
#include "acquisition/salvataggi.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "analysis/frm_profilo.h"
#include "board/flusso_scheda.h"
#include "datafiles/frm_apri.h"
#include "datafiles/recupero_serie.h"
#include "device/frm_hid.h"
#include "device/frm_seriale.h"
#include "device/protocollo.h"
#include "device/ricerca_scheda.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "platform/hid_finto.h"
#include "platform/porta_seriale.h"
#include "program/avvio.h"
#include "session/attendi.h"
#include "session/tipi_scheda.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/lista_valori.h"
#include "stream/motore_misura.h"
#include "tests/device/test_protocollo_finti.h"
#include "tests/support/file_prova.h"
#include "tools/frm_crono.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFocusFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
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

// The virtual board on com3, of type `tipo`; asked to stream, it lifts 400 mm in `salita` s.
struct Scheda_virtuale {
    QProcess processo;
    explicit Scheda_virtuale(int tipo, double salita = 0.4) {
        processo.start(QStringLiteral(KT_SCHEDA_VIRTUALE),
                       {"--port", "3", "--board-type", QString::number(tipo), "--down", "0.4",
                        "--up", QString::number(salita), "--pause", "0.3", "--amplitude", "400"});
    }
    ~Scheda_virtuale() {
        processo.terminate();
        processo.waitForFinished(3000);
    }
};
} // namespace

class Test_programma : public QObject {
    Q_OBJECT
public:
    explicit Test_programma(const QString& radice) : radice_(radice) {}

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
    QString radice_;
    Libreria_hid_finta hid_;
    Avvisi_registrati avvisi_;
    Osservatore conta_;

private Q_SLOTS:
    void cleanup() { qApp->removeEventFilter(&conta_); }
    // Every port number means "no device" unless a board claims it, so the search does not
    // depend on the machine's serial ports.
    void init() {
        const QString cartella = radice_ + "/run/kinetrack";
        QDir().mkpath(cartella);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (int n = 1; n <= 30; ++n) {
            const QString link = cartella + "/com" + QString::number(n);
            if (!QFileInfo(link).isSymLink()) QFile::link(radice_ + "/nothing", link);
        }
        QDir(radice_ + "/data/kinetrack/misure_auto").removeRecursively();
        avvisi_.elenco.clear();
        hid_ = {};
        conta_.comparse = 0;
        qApp->installEventFilter(&conta_);
    }

    void con_scheda_seriale() {
        Scheda_virtuale scheda(3);
        QVERIFY(scheda.processo.waitForReadyRead(5000));

        // First run: nothing stored, so the search finds the board on com3.
        {
            Programma p(Opzioni());
            p.Avvia();
            QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 3");
            QVERIFY(p.Principale().isVisible());
            QVERIFY(!p.Seriale().isVisible());
            QVERIFY(conta_.comparse >= 1);
            QCOMPARE(p.Stato().Scheda.Collegamento, Collegamento::Seriale);
            QVERIFY(p.Hid() == nullptr); // serial mode: the HID link is detached
            QCOMPARE(p.Stato().Scheda.Fattore_tempo, Calibrazione_tipo(3).Fattore_tempo);

            const std::uint8_t record[6] = {124, 0, 0x10, 0x27, 0, 0}; // 124 mm on a type-3 board
            p.Motore().Blocco_seriale(record);
            QCOMPARE(p.Principale().Intestazione->Lbl_spostamento->text(), "Spost(cm)=  12");
        }
        // Next run: the stored port answers; the serial window never shows.
        conta_.comparse = 0;
        {
            Programma p(Opzioni());
            p.Avvia();
            QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 3");
            QCOMPARE(conta_.comparse, 0);
        }
        // Stored com1 has no device: no message about it.
        QVERIFY(avvisi_.elenco.isEmpty());
    }

    // No board anywhere: the search shows, fails, and the main window still opens.
    void senza_scheda() {
        Programma p(Opzioni());
        p.Avvia();
        QVERIFY(p.Principale().isVisible());
        QCOMPARE(p.Principale().windowTitle(), Titolo + " non connesso");
        QVERIFY(conta_.comparse >= 1);
        QVERIFY(!p.Seriale().isVisible());
        QCOMPARE(p.Seriale().Lbl_info->text(), QString("Scheda non trovata!"));
        // Ports with no device are silent: the only message says no board was found.
        QCOMPARE(avvisi_.elenco.size(), 1);
        QCOMPARE(avvisi_.elenco[0].testo, Messaggio_nessuna_scheda());

        // The panel's start gives the message, the button goes back off, nothing is saved.
        avvisi_.elenco.clear();
        Frm_cmd& c = *p.Principale().Comandi;
        c.Button_Memo->click();
        c.Button_start->click();
        QVERIFY(!c.Button_start->isChecked());
        QVERIFY(c.Button_start->text().contains("AVVIA"));
        QCOMPARE(avvisi_.elenco.size(), 1);
        QCOMPARE(avvisi_.elenco[0].testo, "Apparato non collegato o spento!");
        QCOMPARE(File_salvati(), QStringList());

        // The board plugged in afterwards on com3, chosen in the port window with "OK":
        // the start finds it there, asks its type, and the set is measured with the
        // board's own factors. Its lifts of 400 mm in 0.6 s (the board's counts lose a
        // few mm at each end; a bottom hold adds to the time) would read about 300 mm in
        // at most 0.46 s with the type-3 factors a board that was not asked gets.
        Scheda_virtuale scheda(1, 0.6);
        QVERIFY(scheda.processo.waitForReadyRead(5000));
        p.Principale().mnuImpostazioniParametri_Porta->trigger();
        frm_seriale& f = p.Seriale();
        QVERIFY(f.isVisible());
        f.cboPort->setCurrentIndex(2);
        f.cmdOK->click();
        QVERIFY(!f.isVisible());
        avvisi_.elenco.clear();
        p.Stato().Dati_esercizio.Ampiezza_minima = 100; // twitches are no repetitions
        c.Button_start->click();
        QVERIFY(c.Button_start->isChecked() && p.Stato().Acquisizione_in_corso);
        QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 1");
        QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 20000);
        c.Button_start->click();
        QCOMPARE(p.Stato().Scheda.Fattore_posizione, Calibrazione_tipo(1).Fattore_posizione);
        // The listed repetitions are records 1 to the number of rows.
        for (int i = 1; i <= p.Motore().Lst_valori().Righe(); ++i) {
            const Ripetizione& r = p.Stato().Ripetizioni[std::size_t(i)];
            QVERIFY2(r.Spost_conc > 350 && r.Spost_conc < 420 && r.Durata_conc > 0.55f,
                     qPrintable(QString("%1 mm in %2 s").arg(r.Spost_conc).arg(r.Durata_conc)));
        }
        QCOMPARE(File_salvati().size(), 4);
        QVERIFY2(avvisi_.elenco.isEmpty(), qPrintable(avvisi_.elenco.value(0).testo));
    }

    // A board found at start-up is asked its type once, and a start on the same port does
    // not ask again; after another port is chosen the next start asks the board there.
    void una_domanda_di_tipo() {
        Porta_scheda porta; // a board on every number
        Programma::Opzioni o = Opzioni();
        o.porta = &porta;
        Programma p(o);
        p.Avvia();
        QCOMPARE(porta.scritti.count("$D"), 1);
        const QString com = QString::number(porta.Numero_porta());
        QCOMPARE(p.Principale().windowTitle(),
                 Titolo + " connesso su com" + com + " Scheda tipo 1");
        Frm_cmd& c = *p.Principale().Comandi;
        porta.scritti.clear();
        c.Button_start->click();
        QVERIFY(p.Stato().Acquisizione_in_corso);
        c.Button_start->click();
        QCOMPARE(porta.scritti, QByteArray("$T$F$T"));

        p.Principale().mnuImpostazioniParametri_Porta->trigger();
        p.Seriale().cboPort->setCurrentIndex(4);
        p.Seriale().cmdOK->click();
        porta.scritti.clear();
        c.Button_start->click();
        QVERIFY(p.Stato().Acquisizione_in_corso);
        c.Button_start->click();
        QCOMPARE(porta.scritti, QByteArray("$D$T$F$T"));
        QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com5 Scheda tipo 1");
        QVERIFY(avvisi_.elenco.isEmpty());
    }

    // A board on USB HID is announced during the HID test: no serial port is opened and
    // its type comes from the answer report.
    void con_scheda_hid() {
        hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
        hid_.Risponditore = [](const QByteArray& scritto) {
            return scritto.startsWith(QByteArray("\0$D", 3)) ? QByteArray("$\x02\x44")
                                                             : QByteArray();
        };
        Programma p(Opzioni());
        p.Avvia();
        QCOMPARE(p.Principale().windowTitle(), Titolo + " Connesso via HID Scheda tipo 2");
        QCOMPARE(p.Stato().Scheda.Collegamento, Collegamento::Hid);
        QVERIFY(!p.Porta().Aperta());
        QCOMPARE(conta_.comparse, 0);
        QVERIFY(p.Hid() != nullptr && p.Finestra_hid() != nullptr &&
                !p.Finestra_hid()->isVisible());
        QCOMPARE(p.Stato().Scheda.Fattore_tempo, Calibrazione_tipo(2).Fattore_tempo);

        // Unplugged while recording: the caption follows, the recording stops and is saved.
        Frm_cmd& c = *p.Principale().Comandi;
        c.Button_Memo->click();
        c.Button_start->click();
        QVERIFY(p.Stato().Acquisizione_in_corso);
        std::array<Record_scheda, 8> otto{};
        for (int k = 0; k < 8; ++k) otto[k] = {std::int16_t(10 * k), 5000}; // 1 ms steps
        const Report_hid_t report = Componi_report(otto.data());
        for (int i = 0; i < 3; ++i)
            hid_.Invia_report("/dev/hidraw7",
                              QByteArray(reinterpret_cast<const char*>(report.data() + 1), 64));
        QTRY_VERIFY(p.Stato().Campioni.size() > 2);
        hid_.Scollega({0x0461, 0x0020, "/dev/hidraw7"});
        QTRY_COMPARE(p.Principale().windowTitle(), Titolo + " Disconnesso");
        QVERIFY(!p.Stato().Acquisizione_in_corso && !c.Button_start->isChecked());
        QCOMPARE(File_salvati().size(), 4);
        QCOMPARE(avvisi_.elenco.size(), 1);
        QVERIFY(avvisi_.elenco[0].testo.contains("i dati registrati sono conservati"));
        // Plugged in again: found without a restart.
        hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
        QTRY_COMPARE(p.Principale().windowTitle(), Titolo + " Connesso via HID");
    }

    // The menus at start and as the views change; the windows they open come to the front
    // when open already; closing goes stopwatch, setup dialog, serial window, HID window.
    void menu_e_chiusura() {
        hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
        Programma p(Opzioni());
        p.Avvia();
        Frm_main& m = p.Principale();
        QStringList menu;
        for (QAction* a : m.menuBar()->actions()) {
            QStringList voci;
            for (QAction* v : a->menu()->actions())
                voci << (v->isSeparator() ? QString("-")
                                          : QString(v->isEnabled() ? "" : "(off)") + v->text() +
                                                (v->isChecked() ? "[x]" : ""));
            menu << a->text() + ": " + voci.join(", ");
        }
        QCOMPARE(menu,
                 (QStringList{
                     "&File: Apri..., Salva dati con nome..., Salva file intero con nome..., "
                     "-, Esci",
                     "&Impostazioni: Configura..., Parametri Porta....",
                     "&Visualizza: Grafico ripetizioni, Grafico tempo, Grafico ripetizioni && "
                     "tempo[x], Proprietà &grafici..., -, &Analisi serie, &Profilo "
                     "carico-velocità..., &Storico atleta",
                     "&Strumenti: Cronometro, Calcolatrice",
                     "&?: Informazioni su..., &Lingua",
                 }));
        // "&" shown, not taken for an access key, in the menu and on the panel's button.
        QCOMPARE(m.mnuVisualizzaGrafico->iconText(), QStringLiteral("Grafico ripetizioni & tempo"));
        QCOMPARE(m.Comandi->Button_Grafici->accessibleName(), QStringLiteral("GRAFICI T&R"));
        for (const QString& testo :
             {m.mnuVisualizzaGrafico->text(), m.Comandi->Button_Grafici->text()})
            QVERIFY2(QKeySequence::mnemonic(testo).isEmpty(), qPrintable(testo));
        const auto spunte = [&m] {
            return QList<bool>{m.mnuVisualizzaRipetizioni->isChecked(),
                               m.mnuVisualizzaTempo->isChecked(),
                               m.mnuVisualizzaGrafico->isChecked()};
        };
        m.mnuVisualizzaRipetizioni->trigger();
        QCOMPARE(spunte(), (QList<bool>{true, false, false}));
        QCOMPARE(m.Grafici->Vista_corrente(), Frm_grafici::Vista::Ripetizioni);
        m.mnuVisualizzaTempo->trigger();
        QCOMPARE(spunte(), (QList<bool>{false, true, false}));
        m.Comandi->Button_Grafici->click(); // the panel's buttons move the marks too
        QCOMPARE(spunte(), (QList<bool>{false, false, true}));

        avvisi_.elenco.clear(); // the fake board does not say its type
        m.mnuHelpInformazioni->trigger();
        QCOMPARE(avvisi_.elenco.size(), 1);
        QVERIFY(avvisi_.elenco[0].testo.contains(QDir::toNativeSeparators(radice_ + "/data")));
        QVERIFY(avvisi_.elenco[0].testo.contains("Versione " KT_VERSIONE_ATTESA));

        m.mnuStrumentiCronometro->trigger();
        const QPointer<Frm_crono> crono = m.Crono;
        m.Comandi->Button_Crono->click();
        QCOMPARE(m.Crono.data(), crono.data());
        m.mnuImpostazioniConfigura->trigger();
        const QPointer<Frm_utente> utente = m.Utente;
        m.mnuImpostazioniConfigura->trigger();
        QCOMPARE(m.Utente.data(), utente.data());
        m.mnuImpostazioniParametri_Porta->trigger();
        QVERIFY(p.Seriale().isVisible());
        m.mnuVisualizzaAnalisi->trigger();
        const QPointer<Frm_analisi> analisi = m.Analisi;
        m.mnuVisualizzaAnalisi->trigger();
        QVERIFY(!analisi.isNull() && analisi->isVisible() && m.Analisi.data() == analisi.data());
        m.mnuVisualizzaProfilo->trigger();
        QVERIFY(!m.Profilo.isNull() && m.Profilo->isVisible());

        QStringList ordine;
        conta_.chiusure = &ordine;
        connect(p.Finestra_hid(), &QObject::destroyed, [&ordine] { ordine << "frm_hid"; });
        m.mnuFileEsci->trigger();
        conta_.chiusure = nullptr;
        QCOMPARE(ordine, (QStringList{"Frm_crono", "Frm_analisi", "Frm_profilo", "Frm_utente",
                                      "frm_seriale", "frm_hid"}));
        QVERIFY(p.Hid() == nullptr);
        QTRY_VERIFY(crono.isNull() && utente.isNull());
    }

    // F5 anywhere in the main window starts and stops as a click on the start button, whose
    // hover tip names the key; Tab goes through the window on to the panel's buttons, left to
    // right. With no calculator installed, the menu item and the panel's button say so,
    // naming the ones looked for. A long data folder and a long file saved, on the smallest
    // main window: each status bar text is shortened in its middle, the file's name kept, and
    // they never run into each other.
    void tastiera_calcolatrice_e_barra_di_stato() {
        hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
        Programma p(Opzioni());
        p.Avvia();
        Frm_main& m = p.Principale();
        Frm_cmd& c = *m.Comandi;
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QCOMPARE(c.Button_start->toolTip(), QStringLiteral("Start/Stop Acquisizione (F5)"));
        m.Grafici->Valori().Tabella()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QVERIFY(c.Button_start->isChecked() && p.Stato().Acquisizione_in_corso);
        QVERIFY(c.Button_start->text().contains("LAVORO"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QVERIFY(!c.Button_start->isChecked() && !p.Stato().Acquisizione_in_corso);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QVERIFY(c.Button_Memo->isChecked() && c.Button_Memo->toolTip().endsWith("(F4)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QVERIFY(!c.Button_Memo->isChecked());
        // The value table: one named stop with its columns' captions, ringed while it has the
        // focus; F6 opens the graphs' properties.
        QTableView* tabella = m.Grafici->Valori().Tabella();
        QAccessibleInterface* lettore = QAccessible::queryAccessibleInterface(tabella);
        QCOMPARE(lettore->text(QAccessible::Name), QStringLiteral("Valori delle ripetizioni"));
        QCOMPARE(lettore->tableInterface()->columnCount(), 14);
        const auto* anello = m.findChild<QFocusFrame*>();
        QVERIFY(anello != nullptr && anello->widget() == tabella && anello->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(m.Grafici->Editor() != nullptr && m.Grafici->Editor()->isVisible());
        m.Grafici->Editor()->close();
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        tabella->setFocus();

        const QList<QWidget*> fila{c.Button_start,   c.Button_Memo,        c.Button_Segnale,
                                   c.Button_Reset,   c.Button_Ripetizioni, c.Button_Tempo,
                                   c.Button_Grafici, c.Button_Crono,       c.Button_Calcolatrice};
        QList<QWidget*> percorso;
        for (int i = 0; i < 40 && !percorso.contains(c.Button_Calcolatrice); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            percorso << QApplication::focusWidget();
        }
        const qsizetype primo = percorso.indexOf(c.Button_start);
        QVERIFY2(primo >= 0, "Tab never reaches the panel");
        QCOMPARE(percorso.mid(primo), fila);
        // Round again, in the layout's order: the header strip, then the value list.
        QTest::keyClick(c.Button_Calcolatrice, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.Intestazione->Button_Configura);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.Grafici->Valori().Tabella());

        avvisi_.elenco.clear();
        const QByteArray percorsi = qgetenv("PATH");
        QTemporaryDir vuota;
        qputenv("PATH", QFile::encodeName(vuota.path()));
        m.mnuStrumentiCalcolatrice->trigger();
        c.Button_Calcolatrice->click();
        qputenv("PATH", percorsi);
        QCOMPARE(avvisi_.elenco.size(), 2);
        for (const auto& a : avvisi_.elenco)
            QVERIFY2(a.testo.startsWith("Nessuna calcolatrice trovata") &&
                         a.testo.contains("gnome-calculator") && a.testo.contains("xcalc"),
                     qPrintable(a.testo));

        m.showNormal();
        m.resize(m.minimumSize());
        const QString cartella =
            "/home/allenatore/" + QString("Allenamenti di squadra/").repeated(5);
        m.Mostra_cartella_dati(cartella);
        Q_EMIT m.Salvataggi_test->Salvato(cartella + "Rossi/2026  dic 07  4.32.20 ripetizioni.csv");
        QTRY_COMPARE(m.width(), m.minimumWidth());
        // The saved file by its name, the data folder shortened in the middle; both whole in
        // their tooltips.
        QVERIFY(m.Lbl_salvato->text().endsWith("ripetizioni.csv"));
        QVERIFY(!m.Lbl_salvato->text().contains(u'/'));
        QVERIFY2(m.Lbl_cartella->Testo_mostrato() != m.Lbl_cartella->text() &&
                     m.Lbl_cartella->Testo_mostrato().endsWith(m.Lbl_cartella->text().right(12)),
                 qPrintable(m.Lbl_cartella->Testo_mostrato()));
        for (const Etichetta_accorciata* e : {m.Lbl_salvato, m.Lbl_cartella}) {
            QVERIFY(e->fontMetrics().horizontalAdvance(e->Testo_mostrato()) <=
                    e->contentsRect().width());
            QCOMPARE(e->toolTip().contains(QDir::toNativeSeparators(cartella)), true);
        }
        QVERIFY(m.Lbl_salvato->geometry().right() < m.Lbl_cartella->geometry().left());
    }

    // Recording on, start, stop: the sample file and the summary in "misure_auto" (no athlete
    // yet), names without ":". A second set stopped by "Reset Pos" (the stop comes from the
    // protocol, not from the button) is saved too, once.
    void serie_salvata_una_volta() {
        Scheda_virtuale scheda(2);
        QVERIFY(scheda.processo.waitForReadyRead(5000));
        Programma p(Opzioni());
        p.Avvia();
        Frm_cmd& c = *p.Principale().Comandi;
        int secondi = 0;
        p.Principale().Salvataggi_test->Imposta_orologio(
            [&secondi] { return QDateTime(QDate(2026, 12, 4), QTime(9, 5, secondi++)); });

        c.Button_Memo->click();
        QVERIFY(p.Stato().Memo_attivo);
        QVERIFY(c.Button_Memo->text().contains("REGISTRA"));
        c.Button_start->click();
        QVERIFY(c.Button_start->isChecked() && p.Stato().Acquisizione_in_corso);
        QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 2, 15000);
        c.Button_start->click();
        QVERIFY(!p.Stato().Acquisizione_in_corso);
        const int righe = p.Motore().Lst_valori().Righe();
        QCOMPARE(File_salvati(),
                 (QStringList{"2026  Dec 04  9.05.0 ripetizioni analisi.csv",
                              "2026  Dec 04  9.05.0 ripetizioni.csv",
                              "2026  Dec 04  9.05.0 test.ini", "2026  Dec 04  9.05.0.csv"}));
        const QString cartella = radice_ + "/data/kinetrack/misure_auto/";
        QFile campioni(cartella + "2026  Dec 04  9.05.0.csv");
        QVERIFY(campioni.open(QIODevice::ReadOnly) && campioni.readLine() == "Kine01;\r\n");
        QCOMPARE(campioni.readAll().count("\r\n"), 1 + qsizetype(p.Stato().Campioni.size()) - 2);
        QVERIFY(p.Principale().Lbl_salvato->text().contains("ripetizioni.csv"));
        // Reopened, the sample file gives the repetitions back to the list and the graphs.
        Apri_misura(nullptr, cartella + "2026  Dec 04  9.05.0.csv", p.Stato(), p.Motore(), avvisi_);
        QCOMPARE(p.Motore().Lst_valori().Righe(), righe);
        QCOMPARE(p.Principale().Grafici->Valori().Righe(), righe);
        QCOMPARE(int(p.Motore().Analisi().size()), righe);

        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 50, 5000);
        c.Button_Segnale->click();
        QVERIFY(!c.Button_start->isChecked() && !p.Stato().Acquisizione_in_corso);
        QCOMPARE(File_salvati().size(), 8);
        QVERIFY(avvisi_.elenco.isEmpty());

        // Recording off: nothing saved at the next stop.
        c.Button_Memo->click();
        c.Button_start->click();
        c.Button_start->click();
        QCOMPARE(File_salvati().size(), 8);

        // Ended by `kill` or the end of the session while recording: saved as a closed
        // window saves.
        c.Button_Memo->click();
        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 50, 5000);
        ::raise(SIGTERM);
        QTRY_VERIFY(!p.Stato().Acquisizione_in_corso);
        QCOMPARE(File_salvati().size(), 12);
        QVERIFY(!p.Principale().isVisible());
    }

    // The program ends in the middle of a recorded set without saving it (a crash, the
    // power): the next start saves the set from its journal as the stop would have, says
    // so once, and leaves no journal behind.
    void serie_recuperata_al_riavvio() {
        const QString recupero = radice_ + "/data/kinetrack/recupero";
        int righe = 0;
        {
            Scheda_virtuale scheda(1); // gone with this program
            QVERIFY(scheda.processo.waitForReadyRead(5000));
            Programma p(Opzioni());
            p.Avvia();
            Frm_cmd& c = *p.Principale().Comandi;
            c.Button_Memo->click();
            c.Button_start->click();
            QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 15000);
            QCOMPARE(QDir(recupero).entryList(QDir::Files).size(), 2);
            // A second start on the same data (another runtime folder) is refused and
            // leaves the journal alone.
            Programma secondo(Opzioni());
            secondo.Avvia();
            QVERIFY(secondo.Fine_richiesta() && secondo.Codice_uscita() != 0);
            QVERIFY(avvisi_.elenco.constLast().testo.contains("già aperto"));
            QCOMPARE(QDir(recupero).entryList(QDir::Files).size(), 2);
            righe = p.Motore().Lst_valori().Righe();
            // Gone without a stop: no save, no close.
        }
        QCOMPARE(File_salvati(), QStringList());

        avvisi_.elenco.clear();
        Programma p(Opzioni());
        p.Avvia();
        const QStringList file = File_salvati();
        QCOMPARE(file.size(), 4);
        QCOMPARE(QDir(recupero).entryList(QDir::Files), QStringList());
        QCOMPARE(avvisi_.elenco.size(), 2); // no board, then the set given back
        const QString messaggio = avvisi_.elenco[1].testo;
        QVERIFY2(messaggio.startsWith("Serie del ") && messaggio.contains(" recuperata: ") &&
                     messaggio.contains(file.constLast()),
                 qPrintable(messaggio));
        // Every row the program had shown is in the summary given back.
        const QByteArray sommario = Contenuto(radice_ + "/data/kinetrack/misure_auto/" +
                                              file.filter(" ripetizioni.csv").constFirst());
        QCOMPARE(int(sommario.count("\r\n")) - 2, righe);
    }

    // The journal of a set, given back at a start, is the very set the live program's stop
    // saves from the same records, byte for byte, after an earlier set of the session.
    void giornale_uguale_alla_serie_salvata() {
        const QString recupero = radice_ + "/data/kinetrack/recupero";
        const QDateTime ora(QDate(2026, 12, 4), QTime(9, 5, 0));
        Scheda_virtuale scheda(1);
        QVERIFY(scheda.processo.waitForReadyRead(5000));
        QTemporaryDir altrove;
        QList<QByteArray> salvati;
        {
            Programma p(Opzioni());
            p.Avvia();
            p.Principale().Salvataggi_test->Imposta_orologio([&ora] { return ora; });
            Frm_cmd& c = *p.Principale().Comandi;
            c.Button_Memo->click();
            c.Button_start->click();
            QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 1, 15000);
            c.Button_start->click();
            QDir(radice_ + "/data/kinetrack/misure_auto").removeRecursively();
            c.Button_start->click();
            QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 15000);
            // The board holds still; the journal's writer catches up.
            ::kill(pid_t(scheda.processo.processId()), SIGSTOP);
            QTest::qWait(1000);
            QDir().mkpath(altrove.filePath("recupero"));
            for (const QString& f : QDir(recupero).entryList(QDir::Files))
                QVERIFY(QFile::copy(recupero + "/" + f, altrove.filePath("recupero/" + f)));
            c.Button_start->click();
            ::kill(pid_t(scheda.processo.processId()), SIGCONT);
            const QString cartella = radice_ + "/data/kinetrack/misure_auto/";
            for (const QString& f : File_salvati()) salvati << Contenuto(cartella + f);
            // Given back as the stop's clock said: the time of the journal's last write.
            const QDir copia(altrove.filePath("recupero"));
            QFile record(copia.filePath(copia.entryList({"*.ktr"}).value(0)));
            QVERIFY(record.open(QIODevice::ReadWrite));
            QVERIFY(record.setFileTime(ora, QFileDevice::FileModificationTime));
            record.close();
            QCOMPARE(Recupera_serie(altrove.path(), p.Motore().Locale()).size(), std::size_t(1));
        }
        QList<QByteArray> recuperati;
        const QDir cartella(altrove.filePath("misure_auto"));
        for (const QString& f : cartella.entryList(QDir::Files, QDir::Name))
            recuperati << Contenuto(cartella.filePath(f));
        QCOMPARE(salvati.size(), 4);
        QCOMPARE(recuperati, salvati);
    }

    // What was recorded is kept whatever the operator presses during a set: "RESET DATI"
    // and recording switched off save the part so far as a set of its own; switched on
    // again, the recording starts afresh (no rows of zeros before it).
    void serie_tenuta_a_ogni_azione() {
        Scheda_virtuale scheda(2);
        QVERIFY(scheda.processo.waitForReadyRead(5000));
        Programma p(Opzioni());
        p.Avvia();
        int secondi = 0;
        p.Principale().Salvataggi_test->Imposta_orologio(
            [&secondi] { return QDateTime(QDate(2026, 12, 4), QTime(10, 0, secondi++)); });
        Frm_cmd& c = *p.Principale().Comandi;
        const Lista_valori& lista = p.Motore().Lst_valori();
        c.Button_Memo->click();
        c.Button_start->click();
        QTRY_VERIFY_WITH_TIMEOUT(lista.Righe() >= 2, 15000);
        c.Button_Reset->click();
        QCOMPARE(File_salvati().size(), 4);
        QCOMPARE(lista.Righe(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(lista.Righe() >= 2, 15000);
        c.Button_Memo->click(); // off
        QCOMPARE(File_salvati().size(), 8);
        const std::size_t registrati = p.Stato().Campioni.size();
        Attendi(300);
        QCOMPARE(p.Stato().Campioni.size(), registrati); // not recorded now
        c.Button_Memo->click();                          // on again
        QTRY_VERIFY_WITH_TIMEOUT(p.Stato().Campioni.size() > 100, 5000);
        // The store starts at the first sample after recording came back.
        QVERIFY(p.Stato().Campioni[1].Tempo > 0);
        c.Button_start->click();
        QCOMPARE(File_salvati().size(), 12);
        QVERIFY(avvisi_.elenco.isEmpty());
    }

    // An ending signal during the start-up stops it at its next step, with a board on USB
    // too (whose window the start-up drops when it ends).
    void segnale_durante_avvio() {
        hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
        Programma::Opzioni o = Opzioni();
        o.attesa_hid_ms = 2000;
        Programma p(o);
        QTimer::singleShot(100, [] { ::raise(SIGTERM); });
        QElapsedTimer tempo;
        tempo.start();
        p.Avvia();
        QVERIFY(p.Fine_richiesta());
        QVERIFY2(tempo.elapsed() < 2500, qPrintable(QString::number(tempo.elapsed())));
        QVERIFY(!p.Principale().isVisible());
        QVERIFY(p.Hid() == nullptr);
    }

    // A set keeps the setup it was recorded with: an athlete chosen while it runs applies
    // to the next set, and the set is saved (at the stop and from the menu) as the first
    // athlete's, into that athlete's folder. A set that recorded nothing writes nothing.
    void serie_con_il_suo_atleta() {
        Sessione s;
        s.Scheda.Collegamento = Collegamento::Seriale;
        s.Scheda.Fattore_tempo = Calibrazione_tipo(3).Fattore_tempo;
        Motore_misura motore(s, QLocale::c());
        Salvataggi salva(s, motore.Lst_valori(), avvisi_, QLocale::c());
        salva.Imposta_analisi(motore.Analisi());
        salva.Imposta_orologio([] { return QDateTime(QDate(2026, 12, 8), QTime(16, 59, 41)); });
        const QString squadra = radice_ + "/data/serie/Squadra A/";
        const auto Scegli = [&](const QString& atleta, float carico, const QString& esercizio,
                                float ampiezza_minima) {
            auto& d = s.Dati_esercizio;
            d.Atleta = atleta;
            d.Squadra = "Squadra A";
            d.Carico = carico;
            d.Esercizio = esercizio;
            d.Ampiezza_minima = ampiezza_minima;
            d.Cartella_dati = squadra + atleta;
            QDir().mkpath(d.Cartella_dati);
        };
        int vuote = 0;
        connect(&salva, &Salvataggi::Serie_senza_dati, [&vuote] { ++vuote; });

        Scegli("Rossi", 80, "Squat", 100);
        s.Memo_attivo = true;
        motore.Inizia_acquisizione();
        QVERIFY(salva.Salva_automatico()); // stopped before any record
        QCOMPARE(vuote, 1);
        QCOMPARE(QDir(squadra + "Rossi").entryList(QDir::Files), QStringList());

        // Five lifts of 300 mm: four rows. Bianchi (minimum amplitude 500) is chosen halfway.
        Copione copione;
        copione.Fermo(2);
        for (int i = 0; i < 5; ++i) copione.Salita(300, 0.8).Fermo(1.5).Discesa(300, 1).Fermo(0.5);
        copione.Fermo(3);
        std::vector<Record_scheda> record;
        Flusso_copione(copione, 3, Collegamento::Seriale).Tutti(record);
        const QByteArray flusso = Byte_cattura(record, Collegamento::Seriale);
        const auto Invia = [&motore](QByteArrayView pezzo) {
            motore.Blocco_seriale({reinterpret_cast<const std::uint8_t*>(pezzo.data()),
                                   static_cast<std::size_t>(pezzo.size())});
        };
        motore.Inizia_acquisizione();
        Invia(QByteArrayView(flusso).first(flusso.size() / 2));
        Scegli("Bianchi", 60, "Panca", 500);
        Invia(QByteArrayView(flusso).sliced(flusso.size() / 2));
        s.Acquisizione_in_corso = false;
        QCOMPARE(motore.Lst_valori().Righe(), 4);

        QVERIFY(salva.Salva_automatico());
        QCOMPARE(vuote, 1);
        QCOMPARE(QDir(squadra + "Bianchi").entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(squadra + "Rossi").entryList(QDir::Files).size(), 4);
        const QByteArray riepilogo =
            Contenuto(squadra + "Rossi/2026  Dec 08  16.59.41 ripetizioni.csv");
        QCOMPARE(riepilogo.count("\r\nRossi;Squat;80.0; "), 4);

        // From the menu: the dialog opens in Rossi's folder and proposes Rossi's exercise.
        QStringList richieste;
        salva.Imposta_scelta_file([&](QWidget*, const Richiesta_file& r) {
            richieste << r.cartella + "|" + r.nome_proposto;
            return r.cartella + "/" + r.nome_proposto + ".csv";
        });
        salva.Salva_dati_con_nome(nullptr);
        salva.Salva_file_intero_con_nome(nullptr);
        QCOMPARE(richieste, (QStringList{squadra + "Rossi|Squat_261208_16.59.41",
                                         squadra + "Rossi|2026  Dec 08  16.59.41.csv"}));
        QCOMPARE(Contenuto(squadra + "Rossi/Squat_261208_16.59.41.csv").count("\r\nRossi;Squat;"),
                 4);
        QVERIFY(avvisi_.elenco.isEmpty());

        // The next set is Bianchi's.
        motore.Inizia_acquisizione();
        QCOMPARE(s.Serie.Dati_esercizio.Atleta, QString("Bianchi"));
        QCOMPARE(s.Serie.Dati_esercizio.Ampiezza_minima, 500.0f);
    }

    // A cancelled dialog says nothing; a folder that cannot be written (a path through a
    // regular file, which stops root too) gives the reason, keeps the recording, and the next
    // save to another folder works.
    void salvataggi_falliti_data() {
        QTest::addColumn<QString>("operazione");
        QTest::addColumn<QString>("prefisso"); // of the failure's message
        QTest::newRow("summary as") << "dati"
                                    << "ERR 0182 : ";
        QTest::newRow("samples as") << "intero" << QDir::toNativeSeparators(radice_);
        QTest::newRow("automatic") << "auto" << QDir::toNativeSeparators(radice_);
    }
    void salvataggi_falliti() {
        QFETCH(QString, operazione);
        QFETCH(QString, prefisso);
        Sessione s;
        s.Campioni.resize(5);
        s.Dati_esercizio.Esercizio = "Squat";
        s.Fissa_serie();
        Motore_misura motore(s, QLocale::c());
        Salvataggi salva(s, motore.Lst_valori(), avvisi_, QLocale::c());
        Scrivi(radice_ + "/un_file", {});
        QString risposta; // what the dialog answers
        QStringList richieste;
        salva.Imposta_scelta_file([&](QWidget*, const Richiesta_file& r) {
            richieste << r.titolo + "|" + r.nome_proposto;
            return risposta;
        });
        salva.Imposta_orologio([] { return QDateTime(QDate(2026, 12, 4), QTime(9, 5, 7)); });
        const auto Esegui = [&] {
            if (operazione == "dati") salva.Salva_dati_con_nome(nullptr);
            if (operazione == "intero") salva.Salva_file_intero_con_nome(nullptr);
            if (operazione == "auto") salva.Salva_automatico();
        };
        if (operazione != "auto") {
            Esegui(); // cancelled
            QVERIFY(avvisi_.elenco.isEmpty());
            QCOMPARE(richieste.size(), 1);
            QCOMPARE(richieste[0], operazione == "dati"
                                       ? "Salva dati  con nome|Squat_261204_09.05.07"
                                       : "Salva file intero con nome|2026  Dec 04  9.05.7.csv");
        }
        s.Dati_esercizio.Cartella_dati = radice_ + "/un_file/atleta";
        s.Fissa_serie(); // the set recorded for this athlete
        risposta = s.Dati_esercizio.Cartella_dati + "/x.csv";
        Esegui();
        QCOMPARE(avvisi_.elenco.size(), 1);
        // The automatic save says the set is still there to be saved elsewhere.
        QVERIFY(operazione != "auto" || avvisi_.elenco[0].testo.contains("resta in memoria"));
        for (const auto& a : avvisi_.elenco)
            QVERIFY2(a.testo.startsWith(prefisso) && a.testo.size() > prefisso.size() + 5,
                     qPrintable(a.testo));
        QCOMPARE(s.Campioni.size(), std::size_t(5));

        avvisi_.elenco.clear();
        s.Dati_esercizio.Cartella_dati = radice_ + "/data";
        s.Fissa_serie();
        risposta = radice_ + "/data/y.csv";
        Esegui();
        QVERIFY(avvisi_.elenco.isEmpty());
        QVERIFY(QDir(radice_ + "/data").entryList({"*.csv"}).size() >= 1);
        for (const QString& f : QDir(radice_ + "/data").entryList({"*.csv"}))
            QFile::remove(radice_ + "/data/" + f);
    }

    // The application folder: beside the executable when a portable marker is there, else
    // the per-user data folder, made when missing; one that cannot be made gives a message
    // and the path anyway.
    void cartella_applicazione_data() {
        QTest::addColumn<bool>("portatile");
        QTest::addColumn<QString>("dati"); // XDG_DATA_HOME under the run's folder
        QTest::newRow("per-user data folder") << false << "/data";
        QTest::newRow("portable marker beside the executable") << true << "/data";
        QTest::newRow("per-user folder not creatable") << false << "/file/share";
    }
    void cartella_applicazione() {
        QFETCH(bool, portatile);
        QFETCH(QString, dati);
        Scrivi(radice_ + "/file", {});
        QTemporaryDir eseguibile;
        if (portatile) Scrivi(eseguibile.filePath("kinetrack.portable"), {});
        const QString attesa = portatile ? eseguibile.path() : radice_ + dati + "/kinetrack";
        if (!portatile) QDir(attesa).removeRecursively();
        qputenv("XDG_DATA_HOME", QFile::encodeName(radice_ + dati));
        QString errore;
        const QString cartella = Cartella_applicazione(eseguibile.path(), &errore);
        qputenv("XDG_DATA_HOME", QFile::encodeName(radice_ + "/data"));
        QCOMPARE(cartella, attesa);
        const bool creabile = dati == "/data";
        QCOMPARE(QFileInfo(cartella).isDir(), creabile);
        QVERIFY2(creabile ? errore.isEmpty() : errore.contains(cartella), qPrintable(errore));
    }
};

int main(int argc, char** argv) {
    // The run's own folders: port links, settings, data.
    QTemporaryDir radice;
    for (const char* sotto : {"run", "config", "data", "bin"}) QDir(radice.path()).mkpath(sotto);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(radice.filePath("run")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(radice.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(radice.filePath("data")));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Test_programma test(radice.path());
    return QTest::qExec(&test, argc, argv);
}

#include "test_programma.moc"
