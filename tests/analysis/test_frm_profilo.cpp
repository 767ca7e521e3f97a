// SPDX-License-Identifier: GPL-3.0-or-later
// The profile window on an athlete with four tests: the exercise chosen, the points, the
// line and the estimate drawn and written; a V1rm typed in is stored with the athlete's
// choices; an exercise that cannot be estimated shows why.
#include "analysis/frm_profilo.h"
#include "datafiles/scelte_analisi.h"
#include "platform/casella_decimale.h"
#include "platform/grafico_xy.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/profilo_prova.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class Test_frm_profilo : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80, 100}, 1.5, -0.01, QLocale::c(), 0,
                          &nomi);
        QVERIFY(QFile::copy(nomi[0], dir.filePath("Z copia.csv"))); // counted once
        // Two tests at one load: 50.04 kg is written 50,0.
        Scrivi_test_retta(dir.path(), "Panca", {50, 50.04}, 0.9, -0.01, QLocale::c(), 10);
        Scelte_esercizio scelte;
        scelte.Perdita_max = 15;
        scelte.V1rm = 0.30f;
        QVERIFY(!Salva_scelte_analisi(dir.path(), "Squat", scelte));
    }

    void shows_the_estimate_and_stores_v1rm() {
        Avvisi_testi avvisi;
        QPointer<Frm_profilo> finestra;
        Frm_profilo* f = Mostra_frm_profilo(finestra, dir.path(), "squat", avvisi, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->cbo_esercizio->count(), 2);
        QCOMPARE(f->cbo_esercizio->currentText(), QString("Squat"));
        QCOMPARE(f->Lst_punti->topLevelItemCount(), 4);
        QCOMPARE(f->Lst_punti->topLevelItem(0)->text(0), QString("40,0"));
        const Grafico_xy& g = *f->Grafico_profilo;
        QCOMPARE(g.Punti(Frm_profilo::Serie_test), 4);
        QCOMPARE(g.Punti(Frm_profilo::Serie_retta), 2);
        QCOMPARE(g.Punti(Frm_profilo::Serie_stima), 1);
        QVERIFY(std::abs(g.Punto(Frm_profilo::Serie_stima, 0).x() - 120) < 1.2);
        QVERIFY(g.Massimo_x() > 120);
        QVERIFY2(f->Lbl_risultato->text().contains("e1RM: 120,0 kg"),
                 qPrintable(f->Lbl_risultato->text()));
        QVERIFY2(f->Lbl_risultato->text().contains("Z copia.csv: copia di Squat_"),
                 qPrintable(f->Lbl_risultato->text()));

        // Typed as an operator would, with either separator; stored once, when done.
        QLineEdit* campo = f->Txt_v1rm->findChild<QLineEdit*>();
        campo->selectAll();
        QTest::keyClicks(campo, "0.5");
        QVERIFY(!f->Lbl_risultato->text().contains("100,0"));
        QTest::keyClick(campo, Qt::Key_Return);
        QVERIFY2(f->Lbl_risultato->text().contains("e1RM: 100,0 kg"),
                 qPrintable(f->Lbl_risultato->text()));
        const Scelte_esercizio salvate = Leggi_scelte_analisi(dir.path(), "Squat");
        QCOMPARE(salvate.V1rm, 0.5f);
        QCOMPARE(salvate.Perdita_max, 15.0f);

        // Two tests at one load: the reason, no estimate, the exercise's own V1rm.
        f->cbo_esercizio->setCurrentText("Panca");
        QCOMPARE(f->Txt_v1rm->value(), 0.17);
        QVERIFY(f->Lbl_risultato->text().contains("almeno due carichi diversi"));
        QVERIFY(!f->Lbl_risultato->text().contains("e1RM"));
        QCOMPARE(g.Punti(Frm_profilo::Serie_stima), 0);
        QCOMPARE(g.Punti(Frm_profilo::Serie_retta), 0);

        // Opened again from the menu: the same window, back on the current exercise.
        QCOMPARE(Mostra_frm_profilo(finestra, dir.path(), "Squat", avvisi, nullptr), f);
        QCOMPARE(f->cbo_esercizio->currentText(), QString("Squat"));
        QCOMPARE(f->Txt_v1rm->value(), 0.5);
        QCOMPARE(avvisi.elenco, QStringList());
        f->close();
        QTRY_VERIFY(!finestra);
    }

    // On a 1024 x 600 laptop screen (see main) it opens whole, with room above for its title
    // bar, and its smallest size fits what such a screen leaves inside a window frame.
    void fits_a_small_screen() {
        Avvisi_testi avvisi;
        QPointer<Frm_profilo> finestra;
        Frm_profilo* f = Mostra_frm_profilo(finestra, dir.path(), "Squat", avvisi, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QRect schermo = f->screen()->availableGeometry();
        QCOMPARE(schermo.size(), QSize(1024, 600));
        QVERIFY2(schermo.contains(f->geometry()) && f->height() <= 540,
                 qPrintable(QString("%1x%2").arg(f->width()).arg(f->height())));
        const QSize minima = f->minimumSizeHint();
        QVERIFY2(minima.width() <= 960 && minima.height() <= 480,
                 qPrintable(QString("%1x%2").arg(minima.width()).arg(minima.height())));
        delete f;
    }

    void folder_without_tests() {
        Avvisi_testi avvisi;
        QPointer<Frm_profilo> finestra;
        Frm_profilo* f =
            Mostra_frm_profilo(finestra, dir.filePath("nessuno"), "Squat", avvisi, nullptr);
        QVERIFY(f->Lbl_risultato->text().contains("non esiste"));
        QCOMPARE(f->Grafico_profilo->Punti(Frm_profilo::Serie_test), 0);
        delete f;
    }
};

int main(int argc, char** argv) {
    // One offscreen screen the size of a small laptop's.
    QTemporaryDir cartella;
    const QString schermo = cartella.filePath("schermo.json");
    Scrivi(schermo, R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1024,
                    "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo));
    QApplication app(argc, argv);
    Test_frm_profilo test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_frm_profilo.moc"
