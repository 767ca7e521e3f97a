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

    // Each refusal says why; the line is drawn when there is one. Two tests at one load:
    // 80.04 kg is written 80,0, its velocities differ.
    void refusals() {
        const struct {
            QList<double> carichi; // empty: no folder at all
            double intercetta, pendenza;
            const char* esercizio;
            bool retta;
            const char* rifiuto;
        } casi[] = {{{80},
                     1.5,
                     -0.01,
                     "Squat",
                     false,
                     "almeno due carichi diversi: i test di \"Squat\" sono tutti a 80,0 kg"},
                    {{80, 80.04}, 1.5, -0.01, "Squat", false, "almeno due carichi"},
                    {Carichi, 0.5, 0.004, "Squat", true,
                     "non cala al crescere del carico (pendenza 0,00400"},
                    {Carichi, 0.8, 0.0, "Squat", true, "non cala"},
                    {Carichi, 0.25, -0.001, "Squat", true, "sotto V1rm (0,30 m/s)"},
                    {Carichi, 1.5, -0.01, "Stacco", false, "Nessun test di \"Stacco\""},
                    {{}, 0.0, 0.0, "Squat", false, "non esiste"}};
        for (const auto& r : casi) {
            QTemporaryDir dir;
            const QString cartella = r.carichi.isEmpty() ? dir.filePath("manca") : dir.path();
            if (!r.carichi.isEmpty())
                Scrivi_test_retta(cartella, "Squat", r.carichi, r.intercetta, r.pendenza, It);
            const Profilo_velocita p = Profilo(cartella, r.esercizio);
            QVERIFY2(!p.e1rm && p.rifiuto.contains(QString::fromUtf8(r.rifiuto)),
                     qPrintable(p.rifiuto));
            QVERIFY2(p.retta.has_value() == r.retta, r.rifiuto);
        }
    }

    // A damaged summary among four good tests is left out and named; so is a test whose
    // analysis file ("analisi": the first test's) is damaged or missing.
    void damaged_files_are_skipped() {
        const QByteArray testa = "07 12 2026;10:00:0;\r\nNome;Esercizio;Carico;N\xB0Rip;Tempo;"
                                 "Durata;Spost;Vmedia;Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;"
                                 "Vmax;TdiVmax;SdiVmax;\r\n";
        const QByteArray riga = "Rossi;Squat;80,0; 1 ;1,00;0,70;500,00;700,00;1200,00;0,30;"
                                "150,00;1,20;-500,00;-417,00;-625,00;0,70;-250,00;\r\n";
        const struct {
            QString nome;
            QByteArray contenuto; // none: the file removed
            QString difetto;
        } casi[] = {
            {"rotto.csv", testa + "Rossi;Squat;80,0; 1 ;1,00;0,5", "rotto.csv: riga 3 incompleta"},
            {"rotto.csv", testa + QByteArray(riga).replace("80,0", "ottanta"),
             "riga 3: carico non valido \"ottanta\""},
            {"rotto.csv", testa + riga + QByteArray(riga).replace("700,00", "650.00"),
             "riga 4: Vmedia non valida \"650.00\""},
            {"rotto.csv", testa + "\r\n", "nessuna ripetizione"},
            {"analisi",
             "N\xB0Rip;Vmedia;Vpropulsiva;Durata propulsiva;Potenza media;Potenza max;"
             "Perdita %;\r\n 1 ;0,50;",
             "analisi.csv: riga 2: Vpropulsiva non valida \"\" (test fuori dal profilo)"},
            {"analisi", {}, "10.00.00.csv: senza file di analisi, fuori dal profilo"},
            {"rotto.csv", QByteArray(5000, '\xff'), ""}};
        for (const auto& caso : casi) {
            QTemporaryDir dir;
            QStringList nomi;
            Scrivi_test_retta(dir.path(), "Squat", Carichi, Intercetta, Pendenza, It, 0, &nomi);
            const bool analisi = caso.nome == "analisi";
            const QString file = analisi ? Nome_file_analisi(nomi[0]) : dir.filePath(caso.nome);
            if (caso.contenuto.isEmpty())
                QVERIFY(QFile::remove(file));
            else
                Scrivi(file, caso.contenuto);
            const Profilo_velocita p = Profilo(dir.path(), "Squat");
            QCOMPARE(int(p.punti.size()), analisi ? 3 : 4);
            QVERIFY2(p.e1rm && std::abs(*p.e1rm - 120) < 1.2, qPrintable(p.rifiuto));
            QVERIFY2(caso.difetto.isEmpty()
                         ? p.scartati.isEmpty()
                         : p.scartati.size() == 1 && p.scartati[0].endsWith(caso.difetto),
                     qPrintable(p.scartati.join('\n') + " / " + caso.difetto));
        }
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
