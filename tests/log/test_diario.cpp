// SPDX-License-Identifier: GPL-3.0-or-later
// What the log's views are built from: the rows and their text, readiness against the last
// five sessions at the reference load, the load range for a target velocity, and one row
// per athlete of a team. (The rows' filters, the whole text, the trend with the e1RM of the
// days of two loads, two tests side by side and the named velocity ranges are seen through
// kinetrack-storico and the log's and profile's windows.)
#include "datafiles/scelte_analisi.h"
#include "log/diario.h"
#include "log/prontezza.h"
#include "log/squadra.h"
#include "log/testi_storico.h"
#include "tests/log/storico_prova.h"
#include "tests/support/riferimento_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

Riga_test Test(const char* esercizio, double carico, const QDateTime& quando, double velocita,
               int ripetizioni = 5, int escluse = 0) {
    Riga_test t;
    t.esercizio = QString::fromUtf8(esercizio);
    t.carico = carico;
    t.quando = quando;
    // Analysed lifts that never brake: the lift's mean and propulsive velocities agree.
    t.vmedia_alzata = t.mpv_migliore = velocita;
    t.vmedia_tabella = velocita / 2;
    t.ripetizioni = ripetizioni;
    t.escluse = escluse;
    return t;
}

// On the line v = 1.5 - 0.01 * load: 0.30 m/s (the squat's V1rm) at 120 kg.
double Retta(double carico) {
    return 1.5 - 0.01 * carico;
}

// Sessions of squat starting at 80 kg, one a day from Lunedi, with these first-set
// velocities; each session then goes on to 100 kg.
std::vector<Riga_test> Sessioni(const std::vector<double>& prime) {
    std::vector<Riga_test> test;
    for (std::size_t i = 0; i < prime.size(); ++i) {
        const QDateTime ora = Lunedi.addDays(qint64(i));
        test.push_back(Test("Squat", 80, ora, prime[i]));
        test.push_back(Test("Squat", 80, ora.addSecs(200), prime[i] + 0.2)); // not the first
        test.push_back(Test("Squat", 100, ora.addSecs(400), 0.5));
    }
    return test;
}

// The load range in one line: loads, kg, per cent of the e1RM, the e1RM, the cap.
QString Testo(const Carico_oggi& c) {
    return QString::asprintf("%d: %.1f-%.1f kg, %.2f-%.2f %% of %.2f%s", c.carichi, c.carico_minimo,
                             c.carico_massimo, c.percento_minimo.value_or(-1),
                             c.percento_massimo.value_or(-1), c.e1rm.value_or(-1),
                             c.limitato_e1rm ? ", capped" : "") +
           c.rifiuto;
}

} // namespace

class Test_diario : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Newest first, by exercise (case and spaces aside) and by a date range that counts
    // both ends; repetitions without the left-out ones; a test with no analysis has no
    // velocity; a note's ";" does not split its field.
    void rows_and_text() {
        std::vector<Riga_test> test{Test("Squat", 80, Lunedi, 0.8123, 5, 1),
                                    Test("Panca", 60, Lunedi.addDays(1), 0.6),
                                    Test("squat", 82.5, Lunedi.addDays(2), 0.7),
                                    Test("Squat", 85, Lunedi.addDays(3), 0.65)};
        test[0].perdita_ultima = 12.345;
        test[0].rpe = 7.5;
        test[0].nota = QStringLiteral("presa larga; ok");
        test[2].vmedia_alzata = test[2].mpv_migliore = std::nullopt;
        const auto righe = Righe_diario(
            test, {QStringLiteral("  SQUAT "), Lunedi.date(), Lunedi.date().addDays(2)});
        QCOMPARE(Testo_diario(righe, false), QString::fromUtf8(Riferimento("diario/righe.txt")));
    }

    // The day's first set at the reference load against the mean of the first sets of the
    // last five sessions before it (the sixth back is left out), flagged beyond the larger of
    // the smallest worthwhile change and the minimum detectable change (0.083 m/s); a wide
    // day-to-day spread (SD 0.5 m/s) widens it. An athlete varying by 0.02 m/s around the
    // baseline is never flagged; a drop of 0.10 m/s is, with its threshold told.
    void readiness() {
        for (const auto& [larga, oggi, esito] :
             {std::tuple(false, 0.90, Esito_prontezza::Sopra),
              {false, 0.81 + 0.083, Esito_prontezza::Nella_norma},
              {false, 0.71, Esito_prontezza::Sotto},
              {true, 0.90, Esito_prontezza::Nella_norma}}) {
            const auto test =
                Sessioni(larga ? std::vector{0.20, 0.31, 1.31, 0.31, 1.31, 0.81, oggi}
                               : std::vector{0.20, 0.80, 0.82, 0.78, 0.84, 0.81, oggi});
            const Prontezza p = Prontezza_giorno(test, "Squat", 80, Lunedi.date().addDays(6));
            QCOMPARE(p.precedenti.front(), larga ? 0.31 : 0.80);
            QCOMPARE(p.esito, esito);
            if (esito == Esito_prontezza::Sotto)
                QCOMPARE(Testo_prontezza(p, QLocale::c()).section(": ", 1),
                         "0.71 m/s, \u22120.10 m/s sulla media delle 5 sedute prima (0.81 m/s), "
                         "soglia 0.08 m/s: sotto");
        }
        for (const Prontezza& p : Prontezze_esercizio(
                 Sessioni({0.80, 0.82, 0.78, 0.80, 0.82, 0.78, 0.81, 0.79, 0.80}), "Squat", 80))
            QVERIFY2(p.esito == (p.precedenti.size() < 3 ? Esito_prontezza::Insufficiente
                                                         : Esito_prontezza::Nella_norma),
                     qPrintable(Testo_prontezza(p, QLocale::c())));
        // With one session before, no verdict;
        // the usual start load is the most frequent one, a tie going to the later; the
        // coach's choice goes first.
        auto test = Sessioni({0.8, 0.8});
        QCOMPARE(Prontezza_giorno(test, "Squat", 80, Lunedi.date().addDays(1)).esito,
                 Esito_prontezza::Insufficiente);
        QCOMPARE(*Carico_inizio_abituale(test, "Squat"), 80.0);
        test.push_back(Test("Squat", 90, Lunedi.addDays(5), 0.7));
        test.push_back(Test("Squat", 90, Lunedi.addDays(6), 0.7));
        QCOMPARE(*Carico_inizio_abituale(test, "Squat"), 90.0);
        QVERIFY(!Carico_inizio_abituale(test, "Panca"));
        QTemporaryDir atleta;
        QCOMPARE(*Carico_riferimento(test, atleta.path(), "Squat"), 90.0);
        Scelte_esercizio scelte = Leggi_scelte_analisi(atleta.path(), "Squat");
        scelte.Carico_riferimento = 80;
        QVERIFY(!Salva_scelte_analisi(atleta.path(), "Squat", scelte));
        QCOMPARE(*Carico_riferimento(test, atleta.path(), "Squat"), 80.0);
    }

    // The example's athlete: every session starts at the usual load, so readiness has a
    // verdict on every session with three before it. (On a disk in memory where there is one:
    // each of the example's many files is synced as it is written.)
    void example_athletes() {
        const QString modello = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/kt-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/kt-XXXXXX");
        const QTemporaryDir dati(modello);
        QVERIFY(!Scrivi_storico_esempio(dati.path(), "Esempio", "Anna", Lunedi.addSecs(3600)));
        Indice_test indice(dati.path());
        indice.Aggiorna();
        const auto anna = indice.Test_atleta("Esempio", "Anna");
        QVERIFY(anna.size() > 60);
        for (const char* esercizio : {"Squat", "Panca piana", "Stacco"}) {
            std::set<QDate> giorni;
            for (const Riga_test& t : anna)
                if (t.esercizio == esercizio) giorni.insert(t.quando.date());
            QVERIFY(giorni.size() >= 6);
            giorni.erase(giorni.begin(), std::next(giorni.begin(), 3));
            for (const QDate& giorno : giorni)
                QVERIFY2(Prontezza_giorno(anna, esercizio, *Carico_inizio_abituale(anna, esercizio),
                                          giorno)
                                 .esito != Esito_prontezza::Insufficiente,
                         qPrintable(esercizio + giorno.toString(Qt::ISODate)));
        }
    }

    // The load range of a target velocity on the current profile (the last 28 days, the
    // older test left out), rounded to 2.5 kg, with its share of the e1RM; below V1rm the
    // line would ask more than the e1RM: capped at it, and told so. With one load, a
    // refusal.
    void load_for_today() {
        std::vector<Riga_test> test{Test("Squat", 60, Lunedi, Retta(60)),
                                    Test("Squat", 80, Lunedi.addDays(7), Retta(80)),
                                    Test("Squat", 100, Lunedi.addDays(20), Retta(100)),
                                    Test("Squat", 50, Lunedi.addDays(-10), 0.2)};
        const auto Carico = [&](double minima, double massima) {
            return Testo(Calcola_carico_oggi(test, V1rm_atleta{V1rm_predefinita("Squat"), {}},
                                             "Squat", minima, massima));
        };
        // 73 kg at 0.77 m/s, 98 kg at 0.52 m/s.
        QCOMPARE(Carico(0.77, 0.52), "3: 72.5-97.5 kg, 60.42-81.25 % of 120.00");
        QCOMPARE(Carico(0.15, 0.50), "3: 100.0-120.0 kg, 83.33-100.00 % of 120.00, capped");
        QCOMPARE(Carico(0.10, 0.20), "3: 120.0-120.0 kg, 100.00-100.00 % of 120.00, capped");
        QCOMPARE(Arrotonda_carico(73.76), 75.0);
        test = {Test("Squat", 80, Lunedi, 0.8), Test("Squat", 80, Lunedi, 0.7)};
        QVERIFY2(Carico(0.5, 0.75).startsWith("1: ") &&
                     Carico(0.5, 0.75).contains("meno di due carichi"),
                 qPrintable(Carico(0.5, 0.75)));
    }

    // One row per athlete's folder, with or without tests: last test, tests of the last 7
    // and 28 days, last e1RM per exercise, the latest session's readiness (load, sessions
    // before).
    void team_rows() {
        QTemporaryDir dati;
        const QDate oggi = Lunedi.date().addDays(30);
        for (int i = 0; i < 3; ++i) {
            const QDateTime ora(oggi.addDays(-10 * i), QTime(9, 0));
            Scrivi_test(dati.path(), "Blu", "Carla",
                        Test_di("Squat", 80, ora, {Retta(80) * 1000 + i}));
            Scrivi_test(dati.path(), "Blu", "Carla",
                        Test_di("Squat", 100, ora.addSecs(300), {Retta(100) * 1000}));
        }
        Scrivi_test(dati.path(), "Blu", "Carla",
                    Test_di("Panca", 50, QDateTime(oggi.addDays(-40), QTime(9, 0)), {600}));
        QDir(dati.path()).mkpath("Blu/Dario");
        Indice_test indice(dati.path());
        indice.Aggiorna_squadra("Blu");
        QStringList righe;
        for (const Riga_squadra& r : Righe_squadra(indice, "Blu", oggi)) {
            QString riga = r.atleta + ";" + (r.ultimo_test ? r.ultimo_test->toString() : "") +
                           QString(";%1;%2;").arg(r.test_7_giorni).arg(r.test_28_giorni);
            for (const E1rm_esercizio& e : r.e1rm) riga += e.esercizio + " " + e.giorno.toString();
            if (r.prontezza)
                riga += QString(";%1 kg, %2")
                            .arg(r.prontezza->carico)
                            .arg(r.prontezza->precedenti.size());
            righe << riga;
        }
        QCOMPARE(righe, QStringList({"Carla;" + QDateTime(oggi, QTime(9, 5)).toString() +
                                         ";2;6;Squat " + oggi.toString() + ";80 kg, 2",
                                     "Dario;;0;0;"}));
    }
};

QTEST_GUILESS_MAIN(Test_diario)
#include "test_diario.moc"
