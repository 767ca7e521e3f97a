// SPDX-License-Identifier: GPL-3.0-or-later
// The load-velocity profile from saved tests: the estimate on the analysis files' propulsive
// velocities on a known line (the summaries' table velocities lie well below it), whatever
// their decimal separator and name; the refusals; damaged and foreign files among good
// ones; a test saved twice counted once, a test without analysis left out.
#include "log/profilo_velocita.h"
#include "tests/support/file_prova.h"
#include "tests/support/profilo_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {
const QLocale It(QLocale::Italian), En(QLocale::English);
const QList<double> Carichi{40, 60, 80, 100};
// v = 1.5 - 0.01 * load reaches 0.30 m/s at 120 kg.
constexpr double Intercetta = 1.5, Pendenza = -0.01;

// Files the profile must pass over without a word.
void Scrivi_estranei(const QString& cartella) {
    Scrivi(cartella + "/2026  Dec 07  10.00.0.csv", "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n");
    Scrivi(cartella + "/vuoto.csv", "");
    Scrivi(cartella + "/note.csv", "a;b;c;\r\n1;2;3;\r\n");
    // Another exercise, on a line that would change the estimate.
    Scrivi_test_retta(cartella, "Panca", {30, 50}, 1.0, -0.002, It, 100);
}
struct Stima {
    QLocale pari, dispari; // of the first and third test, of the second and fourth
    double v1rm, atteso;
};
struct Rifiuto {
    QList<double> carichi; // empty: no folder at all
    double intercetta, pendenza;
    QString esercizio;
    bool retta;
    QString rifiuto;
};
} // namespace
Q_DECLARE_METATYPE(Stima)
Q_DECLARE_METATYPE(Rifiuto)

class Test_profilo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Tests saved under both separators, one named as a summary saved at the stop of a
    // recording.
    void estimate_data() {
        QTest::addColumn<Stima>("s");
        QTest::newRow("it_IT and en_US files") << Stima{It, En, 0.5, 100.0};
        QTest::newRow("en_US and it_IT files") << Stima{En, It, 0.30, 120.0};
    }
    void estimate() {
        QFETCH(Stima, s);
        QTemporaryDir dir;
        QStringList nomi;
        for (int i = 0; i < Carichi.size(); ++i)
            Scrivi_test_retta(dir.path(), "Squat", {Carichi[i]}, Intercetta, Pendenza,
                              i % 2 ? s.dispari : s.pari, i, &nomi);
        const QString automatico = dir.filePath("2026  Dec 07  11.52.7 ripetizioni.csv");
        QVERIFY(QFile::rename(nomi[1], automatico));
        QVERIFY(QFile::rename(Nome_file_analisi(nomi[1]), Nome_file_analisi(automatico)));
        nomi[1] = automatico;
        Scrivi_estranei(dir.path());

        const Profilo_velocita p =
            Profilo_esercizio(Leggi_test_atleta(dir.path()), "  sQuat ", s.v1rm, It);
        QVERIFY2(p.e1rm, qPrintable(p.rifiuto));
        QVERIFY2(std::abs(*p.e1rm - s.atteso) < 0.01 * s.atteso,
                 qPrintable(QString::number(*p.e1rm)));
        QCOMPARE(p.scartati, QStringList());
        QCOMPARE(int(p.punti.size()), 4);
        for (int i = 0; i < 4; ++i) {
            const auto& punto = p.punti[std::size_t(i)];
            QCOMPARE(punto.carico, Carichi[i]);
            QVERIFY(nomi.contains(punto.file));
        }
        QVERIFY(p.retta->r2 > 0.999);
    }

    void refusals_data() {
        QTest::addColumn<Rifiuto>("r");
        QTest::newRow("one test") << Rifiuto{{80},
                                             1.5,
                                             -0.01,
                                             "Squat",
                                             false,
                                             "almeno due carichi diversi: i test di \"Squat\" "
                                             "sono tutti a 80,0 kg"};
        // Two tests at one load: 80.04 kg is written 80,0, its velocities differ.
        QTest::newRow("one load twice")
            << Rifiuto{{80, 80.04}, 1.5, -0.01, "Squat", false, "almeno due carichi"};
        QTest::newRow("rising") << Rifiuto{
            Carichi, 0.5,  0.004,
            "Squat", true, "non cala al crescere del carico (pendenza 0,00400"};
        QTest::newRow("flat") << Rifiuto{Carichi, 0.8, 0.0, "Squat", true, "non cala"};
        QTest::newRow("below V1rm at no load")
            << Rifiuto{Carichi, 0.25, -0.001, "Squat", true, "sotto V1rm (0,30 m/s)"};
        QTest::newRow("other exercise")
            << Rifiuto{Carichi, 1.5, -0.01, "Stacco", false, "Nessun test di \"Stacco\""};
        QTest::newRow("no folder") << Rifiuto{{}, 0.0, 0.0, "Squat", false, "non esiste"};
    }
    void refusals() {
        QFETCH(Rifiuto, r);
        QTemporaryDir dir;
        const QString cartella = r.carichi.isEmpty() ? dir.filePath("manca") : dir.path();
        if (!r.carichi.isEmpty())
            Scrivi_test_retta(cartella, "Squat", r.carichi, r.intercetta, r.pendenza, It);
        const Profilo_velocita p =
            Profilo_esercizio(Leggi_test_atleta(cartella), r.esercizio, 0.30, It);
        QVERIFY(!p.e1rm);
        QVERIFY2(p.rifiuto.contains(r.rifiuto), qPrintable(p.rifiuto));
        QCOMPARE(p.retta.has_value(), r.retta);
    }

    // A damaged summary among four good tests is left out and named; so is a test whose
    // analysis file is damaged or missing.
    void damaged_files_are_skipped_data() {
        QTest::addColumn<QString>("nome"); // "analisi": the first test's analysis file
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("difetto");
        const QByteArray testa = "07 12 2026;10:00:0;\r\nNome;Esercizio;Carico;N\xB0Rip;Tempo;"
                                 "Durata;Spost;Vmedia;Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;"
                                 "Vmax;TdiVmax;SdiVmax;\r\n";
        const QByteArray coda = ";1200,00;0,30;150,00;1,20;-500,00;-417,00;-625,00;0,70;"
                                "-250,00;\r\n";
        QTest::newRow("cut row") << "rotto.csv" << testa + "Rossi;Squat;80,0; 1 ;1,00;0,5"
                                 << "rotto.csv: riga 3 incompleta";
        QTest::newRow("load") << "rotto.csv"
                              << testa + "Rossi;Squat;ottanta; 1 ;1,00;0,70;500,00;700,00" + coda
                              << "riga 3: carico non valido \"ottanta\"";
        QTest::newRow("separators mixed")
            << "rotto.csv"
            << testa + "Rossi;Squat;80,0; 1 ;1,00;0,70;500,00;700,00" + coda +
                   "Rossi;Squat;80,0; 2 ;3,00;0,70;500,00;650.00" + coda
            << "riga 4: Vmedia non valida \"650.00\"";
        QTest::newRow("no rows") << "rotto.csv" << testa + "\r\n"
                                 << "nessuna ripetizione";
        QTest::newRow("analysis cut") << "analisi"
                                      << QByteArray("N\xB0Rip;Vmedia;Vpropulsiva;Durata "
                                                    "propulsiva;Potenza media;Potenza max;"
                                                    "Perdita %;\r\n 1 ;0,50;")
                                      << "analisi.csv: riga 2: Vpropulsiva non valida \"\" (test "
                                         "fuori dal profilo)";
        QTest::newRow("no analysis") << "analisi" << QByteArray()
                                     << "10.00.00.csv: senza file di analisi, fuori dal profilo";
        QTest::newRow("garbage") << "rotto.csv" << QByteArray(5000, '\xff') << "";
    }
    void damaged_files_are_skipped() {
        QFETCH(QString, nome);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, difetto);
        QTemporaryDir dir;
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", Carichi, Intercetta, Pendenza, It, 0, &nomi);
        const QString file = nome == "analisi" ? Nome_file_analisi(nomi[0]) : dir.filePath(nome);
        if (contenuto.isEmpty() && nome == "analisi")
            QVERIFY(QFile::remove(file));
        else
            Scrivi(file, contenuto);
        const Profilo_velocita p =
            Profilo_esercizio(Leggi_test_atleta(dir.path()), "Squat", 0.30, It);
        QCOMPARE(int(p.punti.size()), nome == "analisi" ? 3 : 4);
        QVERIFY2(p.e1rm && std::abs(*p.e1rm - 120) < 1.2, qPrintable(p.rifiuto));
        QCOMPARE(p.scartati.size(), difetto.isEmpty() ? 0 : 1);
        if (!difetto.isEmpty())
            QVERIFY2(p.scartati[0].endsWith(difetto), qPrintable(p.scartati[0]));
    }

    // Copies of a test under other names, one also with other line ends: one point, the
    // first file by name with an analysis; the others named as copies. A second test at the
    // same load with other velocities still counts.
    void copies_count_once() {
        QTemporaryDir dir;
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80}, Intercetta, Pendenza, It, 0, &nomi);
        Scrivi_test_retta(dir.path(), "Squat", {100, 100.04}, Intercetta, Pendenza, It, 3, &nomi);
        const QString primo = dir.filePath("0 copia.csv"), secondo = dir.filePath("z copia.csv");
        QVERIFY(QFile::copy(nomi[1], primo));
        QByteArray risalvato = Contenuto(nomi[1]);
        risalvato.replace("\r\n", "\n");
        Scrivi(secondo, risalvato);

        const Profilo_velocita p =
            Profilo_esercizio(Leggi_test_atleta(dir.path()), "Squat", 0.30, It);
        QCOMPARE(int(p.punti.size()), 5);
        QCOMPARE(std::count_if(p.punti.begin(), p.punti.end(),
                               [](const Test_salvato& t) { return t.carico == 60; }),
                 1);
        QCOMPARE(p.punti[1].file, nomi[1]);
        const QString nome_1 = QFileInfo(nomi[1]).fileName();
        QCOMPARE(p.scartati, QStringList({"0 copia.csv: senza file di analisi, fuori dal profilo",
                                          "z copia.csv: copia di " + nome_1}));
    }

    void exercises_of_a_folder() {
        QTemporaryDir dir;
        Scrivi_test_retta(dir.path(), "squat", {60}, 1.5, -0.01, It, 0);
        Scrivi_test_retta(dir.path(), "Squat ", {80}, 1.5, -0.01, En, 1);
        Scrivi_estranei(dir.path());
        QCOMPARE(Esercizi_test(Leggi_test_atleta(dir.path())), QStringList({"Panca", "Squat"}));
    }
};

QTEST_GUILESS_MAIN(Test_profilo)
#include "test_profilo.moc"
