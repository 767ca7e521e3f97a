// SPDX-License-Identifier: GPL-3.0-or-later
// The load-velocity profile from saved tests: the estimate on the analysis files' propulsive
// velocities on a known line (the summaries' table velocities lie well below it), whatever
// their decimal separator and name; the refusals; damaged and foreign files among good
// ones; a test saved twice counted once, a test without analysis left out.
#include "log/profilo_velocita.h"
#include "tests/support/profilo_prova.h"
#include "tests/support/riferimento_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {
const QLocale It(QLocale::Italian), En(QLocale::English);
const QList<double> Carichi{40, 60, 80, 100};
// v = 1.5 - 0.01 * load reaches 0.30 m/s at 120 kg.
constexpr double Intercetta = 1.5, Pendenza = -0.01;

Profilo_velocita Profilo(const QString& cartella, const QString& esercizio, double v1rm = 0.30) {
    return Profilo_esercizio(Leggi_test_atleta(cartella), esercizio, v1rm, It);
}
} // namespace

class Test_profilo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Tests saved under both separators (Italian first, then English first), the exercise's
    // name in other cases and spaces, one named as a summary saved at the stop of a
    // recording; files the profile passes over without a word, another exercise on a line
    // that would change the estimate.
    void estimate() {
        for (const auto& [pari, dispari, v1rm, atteso] :
             {std::tuple(It, En, 0.5, 100.0), std::tuple(En, It, 0.30, 120.0)}) {
            QTemporaryDir dir;
            QStringList nomi;
            for (int i = 0; i < Carichi.size(); ++i)
                Scrivi_test_retta(dir.path(),
                                  i == 2   ? "squat"
                                  : i == 3 ? "Squat "
                                           : "Squat",
                                  {Carichi[i]}, Intercetta, Pendenza, i % 2 ? dispari : pari, i,
                                  &nomi);
            const QString automatico = dir.filePath("2026  Dec 07  11.52.7 ripetizioni.csv");
            QVERIFY(QFile::rename(nomi[1], automatico));
            QVERIFY(QFile::rename(Nome_file_analisi(nomi[1]), Nome_file_analisi(automatico)));
            nomi[1] = automatico;
            Scrivi(dir.filePath("2026  Dec 07  10.00.0.csv"),
                   "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n");
            Scrivi(dir.filePath("vuoto.csv"), "");
            Scrivi(dir.filePath("note.csv"), "a;b;c;\r\n1;2;3;\r\n");
            Scrivi_test_retta(dir.path(), "Panca", {30, 50}, 1.0, -0.002, It, 100);

            QCOMPARE(Esercizi_test(Leggi_test_atleta(dir.path())), QStringList({"Panca", "Squat"}));
            const Profilo_velocita p = Profilo(dir.path(), "  sQuat ", v1rm);
            QVERIFY2(p.e1rm && std::abs(*p.e1rm - atteso) < 0.01 * atteso, qPrintable(p.rifiuto));
            QCOMPARE(p.scartati, QStringList());
            QCOMPARE(int(p.punti.size()), 4);
            for (int i = 0; i < 4; ++i)
                QVERIFY(p.punti[std::size_t(i)].carico == Carichi[i] &&
                        nomi.contains(p.punti[std::size_t(i)].file));
            QVERIFY(p.retta->r2 > 0.999);
        }
    }

    // The e1RM's standard error and the warnings of a line that stands on little: two loads
    // 5 kg apart (no error with two points), four loads over half the e1RM with R² 0.998,
    // the same scattered to R² 0.83. Tests at 90 % of the e1RM or more give the athlete's
    // own V1rm, their slowest repetition kept (0.9 of 0.35 m/s at 115 kg).
    void uncertainty_and_warnings() {
        for (const auto& [carichi, scarti, mvt, e1rm, errore, avvisi] :
             {std::tuple(QList<double>{100, 105}, QList<double>{0, 0}, false, 120.0, -1.0,
                         QStringList{"Solo 2 carichi diversi", "coprono 5,0 kg, il 4 %"}),
              std::tuple(Carichi, QList<double>{.01, -.01, -.01, .01}, false, 120.0, 1.732,
                         QStringList{}),
              std::tuple(Carichi, QList<double>{.1, -.1, -.1, .1}, false, 120.0, 17.32,
                         QStringList{"R² 0,833, sotto 0,90"}),
              std::tuple(Carichi + QList<double>{115}, QList<double>(5, 0), true, 118.5, 0.0,
                         QStringList{})}) {
            QTemporaryDir dir;
            for (int i = 0; i < carichi.size(); ++i)
                Scrivi_test_retta(dir.path(), "Squat", {carichi[i]}, Intercetta + scarti[i],
                                  Pendenza, It, i);
            Profilo_velocita p = Profilo(dir.path(), "Squat");
            Stima_e1rm_atleta(p, p.v1rm, It);
            const QString testo = p.avvisi.join('|');
            QVERIFY2(p.e1rm && std::abs(*p.e1rm - e1rm) < 0.05 &&
                         std::abs(p.errore_e1rm.value_or(-1) - errore) < 0.01 &&
                         p.mvt.has_value() == mvt && p.avvisi.size() == avvisi.size() &&
                         std::all_of(avvisi.begin(), avvisi.end(),
                                     [&](const QString& a) { return testo.contains(a); }),
                     qPrintable(QString("%1 ± %2, V1rm %3: %4")
                                    .arg(p.e1rm.value_or(0))
                                    .arg(p.errore_e1rm.value_or(-1))
                                    .arg(p.v1rm)
                                    .arg(testo)));
        }
    }

    // Each refusal says why; the line is drawn when there is one.
    void refusals_data() { Righe_byte_riferimento("profilo/rifiuti.txt"); }
    void refusals() {
        QFETCH(QByteArrayList, r);
        QTemporaryDir dir;
        QList<double> carichi;
        for (const QByteArray& carico : r[1].split(','))
            if (!carico.isEmpty()) carichi << carico.toDouble();
        const QString cartella = carichi.isEmpty() ? dir.filePath("manca") : dir.path();
        if (!carichi.isEmpty())
            Scrivi_test_retta(cartella, "Squat", carichi, r[2].toDouble(), r[3].toDouble(), It);
        const Profilo_velocita p = Profilo(cartella, QString::fromUtf8(r[4]));
        QVERIFY2(!p.e1rm && p.rifiuto.contains(QString::fromUtf8(r[6])), qPrintable(p.rifiuto));
        QCOMPARE(p.retta.has_value(), r[5] == "1");
    }

    // A damaged summary among four good tests is left out and named; so is a test whose
    // analysis file is damaged or missing. A file of no text at all is passed over.
    void damaged_files_are_skipped_data() {
        Righe_byte_riferimento("profilo/file danneggiati.txt");
        QTest::newRow("binary") << QByteArrayList{"", "rotto.csv", QByteArray(5000, '\xff'), ""};
    }
    void damaged_files_are_skipped() {
        QFETCH(QByteArrayList, r);
        QTemporaryDir dir;
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", Carichi, Intercetta, Pendenza, It, 0, &nomi);
        const bool analisi = r[1] == "analisi";
        const QString file = analisi ? Nome_file_analisi(nomi[0]) : dir.filePath(r[1]);
        if (r[2].isEmpty())
            QVERIFY(QFile::remove(file));
        else
            Scrivi(file, r[2]);
        const Profilo_velocita p = Profilo(dir.path(), "Squat");
        QCOMPARE(int(p.punti.size()), analisi ? 3 : 4);
        QVERIFY2(p.e1rm && std::abs(*p.e1rm - 120) < 1.2, qPrintable(p.rifiuto));
        const QString difetto = QString::fromUtf8(r[3]);
        QVERIFY2(difetto.isEmpty() ? p.scartati.isEmpty()
                                   : p.scartati.size() == 1 && p.scartati[0].endsWith(difetto),
                 qPrintable(p.scartati.join('\n') + " / " + difetto));
    }

    // Copies of a test under other names, one also with other line ends: one point, the
    // first file by name with an analysis; the others named as copies. A second test at the
    // same load with other velocities still counts.
    void copies_count_once() {
        QTemporaryDir dir;
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80}, Intercetta, Pendenza, It, 0, &nomi);
        Scrivi_test_retta(dir.path(), "Squat", {100, 100.04}, Intercetta, Pendenza, It, 3, &nomi);
        QVERIFY(QFile::copy(nomi[1], dir.filePath("0 copia.csv")));
        Scrivi(dir.filePath("z copia.csv"), Contenuto(nomi[1]).replace("\r\n", "\n"));

        const Profilo_velocita p = Profilo(dir.path(), "Squat");
        QCOMPARE(int(p.punti.size()), 5);
        QCOMPARE(std::count_if(p.punti.begin(), p.punti.end(),
                               [](const Test_salvato& t) { return t.carico == 60; }),
                 1);
        QCOMPARE(p.punti[1].file, nomi[1]);
        QCOMPARE(p.scartati,
                 QStringList({"0 copia.csv: senza file di analisi, fuori dal profilo",
                              "z copia.csv: copia di " + QFileInfo(nomi[1]).fileName()}));
    }
};

QTEST_GUILESS_MAIN(Test_profilo)
#include "test_profilo.moc"
