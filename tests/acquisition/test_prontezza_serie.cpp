// SPDX-License-Identifier: GPL-3.0-or-later
// A saved set is in the index of tests before the save returns, whichever save wrote it;
// the main window's status bar shows the day's readiness once the first set at the
// reference load is saved; "Storico atleta" (F9) opens the current athlete's log, and a
// test double-clicked there is opened as "Apri..." opens it.
#include "acquisition/frm_cmd.h"
#include "acquisition/salvataggi.h"
#include "analysis/frm_profilo.h"
#include "analysis/frm_storico.h"
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "session/sessione.h"
#include "storico/indice_test.h"
#include "stream/lista_valori.h"
#include "stream/motore_misura.h"
#include "tests/device/test_protocollo_finti.h"
#include "tests/support/diario_prova.h"

#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The training log's folder, Rossi's setup on squat at `carico` and the main window over it.
struct Banco {
    QTemporaryDir dir;
    const Diario_prova d = Scrivi_diario_prova(dir.filePath("dati"));
    Sessione s;
    Motore_misura motore{s, QLocale::c()};
    Avvisi_registrati avvisi;
    Protocollo protocollo{s, motore, avvisi};
    Frm_main m;
    explicit Banco(double carico) {
        s.Cartella_applicazione = d.dati;
        s.Scheda.Collegamento = Collegamento::Seriale;
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Squadra = "Squadra A";
        s.Dati_esercizio.Esercizio = "Squat";
        s.Dati_esercizio.Carico = static_cast<float>(carico);
        s.Dati_esercizio.Cartella_dati = d.cartella_rossi;
        m.Apri_finestre(s, QLocale(QLocale::Italian), protocollo, motore, avvisi);
        m.show();
    }
    ~Banco() { motore.Togli_viste(); }
};

} // namespace

class Test_prontezza_serie : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian)); }

    void every_save_indexes_its_test() {
        Banco b(100);
        const Diario_prova& d = b.d;
        Sessione& s = b.s;
        s.Campioni.resize(4);
        s.Fissa_serie();
        Ripetizione r;
        r.Vmedia_conc = 900;
        Lista_valori lista;
        lista.Aggiungi(Lista_valori::Formatta_riga(r, 1, QLocale::c()));
        Salvataggi salva(s, lista, b.avvisi, QLocale::c());
        salva.Imposta_orologio([] { return Giorni_fa(0, 1); });
        QSignalSpy indicizzati(&salva, &Salvataggi::Test_indicizzato);
        QVERIFY(salva.Salva_automatico());
        QCOMPARE(indicizzati.size(), 1);
        // Read as the index holds it, without bringing it up to date from the files.
        auto test = Indice_test(d.dati).Test_atleta("Squadra A", "Rossi");
        QCOMPARE(int(test.size()), 9);
        QCOMPARE(*test.front().vmedia_tabella, 0.9);

        // The summary saved under a chosen name, in a folder of its own.
        QDir(d.dati).mkpath("Squadra A/Verdi");
        s.Dati_esercizio.Atleta = "Verdi";
        s.Dati_esercizio.Cartella_dati = d.dati + "/Squadra A/Verdi";
        s.Fissa_serie();
        salva.Imposta_scelta_file([](QWidget*, const Richiesta_file& richiesta) {
            return richiesta.cartella + "/scelto.csv";
        });
        salva.Salva_dati_con_nome(nullptr);
        QCOMPARE(indicizzati.size(), 2);
        QCOMPARE(indicizzati[1][0].toString(), d.dati + "/Squadra A/Verdi/scelto.csv");
        test = Indice_test(d.dati).Test_atleta("Squadra A", "Verdi");
        QCOMPARE(int(test.size()), 1);
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    void status_bar_readiness_after_the_first_set() {
        Banco b(120);
        const Diario_prova& d = b.d;
        Frm_main& m = b.m;
        QVERIFY(m.Lbl_prontezza->isHidden());
        // A heavier set first: not the reference load, nothing to show.
        const QString pesante = Scrivi_test(d.dati, "Squadra A", "Rossi",
                                            Test_di("Squat", 120, Giorni_fa(0, 1), {650}));
        QVERIFY(!Indicizza_test(d.dati, pesante));
        Q_EMIT m.Salvataggi_test->Test_indicizzato(pesante);
        QVERIFY(m.Lbl_prontezza->isHidden());
        // The first set at 100 kg.
        const QString prima = Scrivi_test(d.dati, "Squadra A", "Rossi",
                                          Test_di("Squat", 100, Giorni_fa(0, 2), {900}));
        QVERIFY(!Indicizza_test(d.dati, prima));
        Q_EMIT m.Salvataggi_test->Test_indicizzato(prima);
        QVERIFY(m.Lbl_prontezza->isVisible());
        QVERIFY2(m.Lbl_prontezza->text().startsWith("Prontezza Squat 100,0 kg: sopra (0,90 m/s, +"),
                 qPrintable(m.Lbl_prontezza->text()));
        // The whole sentence in its tooltip, measured against the sessions before.
        const QString frase = m.Lbl_prontezza->toolTip();
        QVERIFY2(frase.startsWith("Prontezza Squat (100,0 kg): 0,90 m/s, +") &&
                     frase.endsWith("sulla media delle 4 sedute prima (0,81 m/s): sopra"),
                 qPrintable(frase));
        QVERIFY(b.avvisi.elenco.isEmpty()); // nothing modal
        // A test opened: the status bar no longer speaks of the set before.
        m.Comandi->Apri(d.file_rossi[0]);
        QVERIFY(m.Lbl_prontezza->isHidden());
        QVERIFY(m.Lbl_salvato->text().startsWith("Aperto: "));
    }

    void f9_opens_the_log_and_a_test_from_it() {
        Banco b(100);
        Frm_main& m = b.m;
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QCOMPARE(m.mnuVisualizzaStorico->shortcut(), QKeySequence(Qt::Key_F9));
        QVERIFY(m.mnuVisualizzaProfilo->associatedObjects().size() > 0);
        QTest::keyClick(&m, Qt::Key_F9);
        QVERIFY(m.Storico);
        QCOMPARE(m.Storico->Atleta(), QString("Rossi"));
        QVERIFY(!m.Storico->isModal());
        QCOMPARE(m.Storico->Lst_test->topLevelItemCount(), 8);
        // F8 from the log too: the profile names its athlete, and another can be chosen.
        QVERIFY(QTest::qWaitForWindowActive(m.Storico));
        QTest::keyClick(m.Storico, Qt::Key_F8);
        QVERIFY(m.Profilo);
        QVERIFY2(m.Profilo->windowTitle().contains("Rossi, Squat"),
                 qPrintable(m.Profilo->windowTitle()));
        m.Profilo->cbo_atleta->setCurrentText("Bianchi");
        QCOMPARE(m.Profilo->Cartella(), b.d.dati + "/Squadra A/Bianchi");
        QCOMPARE(m.Profilo->Lst_punti->topLevelItemCount(), 1);
        // Opened as "Apri..." opens it: the set in memory is that test's, named above.
        Q_EMIT m.Storico->Apri_test(b.d.file_rossi[4]);
        QVERIFY2(b.avvisi.elenco.isEmpty(), qPrintable(b.avvisi.elenco.value(0).testo));
        QVERIFY(!b.s.Campioni.empty());
        QCOMPARE(b.s.Serie.Dati_esercizio.Carico, 100.0f);
        QVERIFY2(m.windowTitle().contains("Rossi, Squat, "), qPrintable(m.windowTitle()));
        m.close();
        QTRY_VERIFY(!m.Storico); // closed with the main window
    }
};

QTEST_MAIN(Test_prontezza_serie)
#include "test_prontezza_serie.moc"
