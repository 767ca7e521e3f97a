// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-profilo as built: the estimate printed from an athlete's folder with the
// stored or the given V1rm; refusals on standard error with a non-zero exit and no
// estimate line; a copy of a test is one point; the example tests it writes give the
// profile they were made for.
#include "datafiles/scelte_analisi.h"
#include "tests/support/profilo_prova.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class Test_profilo_strumento : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() {
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80, 100}, 1.5, -0.01,
                          QLocale(QLocale::Italian), 0, &nomi);
        QVERIFY(QFile::copy(nomi[2], dir.filePath("Z copia.csv")));
        Scrivi_test_retta(dir.path(), "Panca", {50}, 0.9, -0.01, QLocale::c(), 10);
        Scelte_esercizio scelte;
        scelte.V1rm = 0.40f;
        QVERIFY(!Salva_scelte_analisi(dir.path(), "Squat", scelte));
    }

    void runs_data() {
        QTest::addColumn<QString>("opzioni"); // CARTELLA: the athlete's folder
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo"); // on standard output when 0, else on errors
        QTest::newRow("stored V1rm")
            << "--folder CARTELLA --exercise squat" << 0 << "V1rm: 0.40 m/s\ne1RM: 110.0 kg\n";
        QTest::newRow("a copy counted once")
            << "--folder CARTELLA --exercise squat" << 0 << "Punti: 4 ";
        QTest::newRow("given V1rm") << "--exercise Squat --folder CARTELLA --v1rm 0.5" << 0
                                    << "\n  40.0\t1.100\tSquat_261207_10.00.00.csv\n";
        QTest::newRow("one load") << "--folder CARTELLA --exercise Panca" << 1
                                  << "kinetrack-profilo: Servono test con almeno due carichi";
        QTest::newRow("V1rm with a comma") << "--folder CARTELLA --exercise Squat --v1rm 0,5" << 0
                                           << "V1rm: 0.50 m/s\ne1RM: 100.0 kg\n";
        QTest::newRow("V1rm out of range")
            << "--folder CARTELLA --exercise Squat --v1rm 5,5" << 2 << "\"5,5\" (da 0.01 a 5)";
        QTest::newRow("no exercise") << "--folder CARTELLA" << 2 << "manca --exercise";
        QTest::newRow("help") << "--folder CARTELLA --help" << 0 << "Uso: kinetrack-profilo ";
    }
    void runs() {
        QFETCH(QString, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QProcess p;
        p.start(KT_PROFILO, opzioni.replace("CARTELLA", dir.path()).split(' '));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
        const QString errori = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), codice);
        QVERIFY2((codice == 0 ? uscita : errori).contains(testo), qPrintable(uscita + errori));
        if (codice != 0) QVERIFY(!uscita.contains("e1RM"));
    }

    void writes_an_example_profile() {
        QProcess p;
        const QString cartella = dir.filePath("esempio");
        p.start(KT_PROFILO,
                {"--folder", cartella, "--exercise", "Back Squat", "--write-example", "Mario"});
        QVERIFY(p.waitForFinished(60000));
        const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(uscita.contains("Punti: 4 "));
        const auto e1rm = uscita.section("e1RM: ", 1).section(' ', 0, 0).toDouble();
        QVERIFY2(std::abs(e1rm - 140) < 7, qPrintable(uscita));
    }
};

QTEST_GUILESS_MAIN(Test_profilo_strumento)
#include "test_profilo_strumento.moc"
