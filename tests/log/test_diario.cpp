// SPDX-License-Identifier: GPL-3.0-or-later
// What the log's views are built from: the rows and their filters and text, the trend with
// the e1RM of the days of two loads, the velocities of two tests side by side, readiness
// against the last five sessions at the reference load, the load range for a target
// velocity, and one row per athlete of a team.
#include "datafiles/scelte_analisi.h"
#include "log/diario.h"
#include "log/prontezza.h"
#include "log/squadra.h"
#include "tests/log/storico_prova.h"

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

} // namespace

class Test_diario : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Newest first, by exercise (case and spaces aside) and by a date range that counts
    // both ends; repetitions without the left-out ones; the text with "." and one header; a
    // test with no analysis has no velocity.
    void rows_filters_and_text() {
        std::vector<Riga_test> test{Test("Squat", 80, Lunedi, 0.8123, 5, 1),
                                    Test("Panca", 60, Lunedi.addDays(1), 0.6),
                                    Test("squat", 82.5, Lunedi.addDays(2), 0.7),
                                    Test("Squat", 85, Lunedi.addDays(3), 0.65)};
        test[0].perdita_ultima = 12.345;
        test[0].rpe = 7.5;
        test[0].nota = QStringLiteral("presa larga; ok");
        test[2].vmedia_alzata = test[2].mpv_migliore = std::nullopt;
        auto righe = Righe_diario(test, {});
        QCOMPARE(righe.size(), std::size_t(4));
        QCOMPARE(righe.front().carico, 85.0);
        QCOMPARE(righe.back().ripetizioni, 4);
        righe = Righe_diario(test,
                             {QStringLiteral("  SQUAT "), Lunedi.date(), Lunedi.date().addDays(2)});
        QCOMPARE(righe.size(), std::size_t(2));
        QCOMPARE(righe[0].carico, 82.5);
        QCOMPARE(righe[1].carico, 80.0);
        QCOMPARE(*righe[1].velocita, 0.8123);
        const QStringList linee = Testo_diario(righe, false).split('\n');
        QCOMPARE(linee[0],
                 QStringLiteral("Data;Ora;Esercizio;Carico;Ripetizioni;Velocita;Perdita;RPE;Nota"));
        QCOMPARE(linee[2], QStringLiteral("2026-11-02;17:00;Squat;80.0;4;0.81;12.3;7.5;presa "
                                          "larga, ok"));
        QCOMPARE(linee[1], QStringLiteral("2026-11-04;17:00;squat;82.5;5;;;;"));
    }

    // The trend has every test; the e1RM only days with two loads, on the day's line.
    void trend_and_daily_e1rm() {
        const std::vector<Riga_test> test{Test("Squat", 60, Lunedi, Retta(60)),
                                          Test("Squat", 100, Lunedi.addSecs(600), Retta(100)),
                                          Test("Squat", 80, Lunedi.addDays(2), 0.7),
                                          Test("Squat", 80, Lunedi.addDays(2).addSecs(60), 0.72),
                                          Test("Panca", 40, Lunedi.addDays(2), 0.9),
                                          Test("Panca", 60, Lunedi.addDays(2), 0.5)};
        const Andamento a = Andamento_esercizio(test, "squat");
        QCOMPARE(a.punti.size(), std::size_t(4));
        QCOMPARE(a.punti[0].carico, 60.0);
        QCOMPARE(a.punti[3].velocita, 0.72);
        QCOMPARE(a.e1rm.size(), std::size_t(1));
        QCOMPARE(a.e1rm[0].giorno, Lunedi.date());
        QCOMPARE(a.e1rm[0].carichi, 2);
        QVERIFY(std::abs(a.e1rm[0].e1rm - 120.0) < 1e-4);
    }

    // Two tests side by side: the analysis file's propulsive velocities, a left-out
    // repetition as a gap; without an analysis, the reason.
    void velocities_per_repetition() {
        QTemporaryDir dati;
        Test_esempio t = Test_di("Squat", 100, Lunedi, {700, 760, 900});
        t.vpropulsive = {600, 650, 800};
        t.escluse = {3};
        Scrivi_test(dati.path(), "A", "B", t);
        Indice_test indice(dati.path());
        indice.Aggiorna();
        Riga_test r = indice.Test_atleta("A", "B").at(0);
        Velocita_test v = Velocita_ripetizioni(r);
        QVERIFY(v.errore.isEmpty());
        QCOMPARE(v.ripetizioni.size(), std::size_t(3));
        QCOMPARE(*v.ripetizioni[1], 0.65);
        QVERIFY(!v.ripetizioni[2]);
        r.file_analisi.clear();
        QCOMPARE(Velocita_ripetizioni(r).errore, "Il test non ha il file di analisi.");
    }

    // The day's first set at the reference load against the first sets of the last five
    // sessions before it (the sixth back is left out): mean, sample deviation, per cent.
    void readiness_data() {
        QTest::addColumn<double>("oggi");
        QTest::addColumn<int>("esito");
        QTest::newRow("above") << 0.90 << int(Esito_prontezza::Sopra);
        QTest::newRow("within, at the edge") << 0.81 + 0.0223 << int(Esito_prontezza::Nella_norma);
        QTest::newRow("below") << 0.70 << int(Esito_prontezza::Sotto);
    }
    void readiness() {
        QFETCH(double, oggi);
        QFETCH(int, esito);
        const auto test = Sessioni({0.20, 0.80, 0.82, 0.78, 0.84, 0.81, oggi});
        QCOMPARE(*Carico_inizio_abituale(test, "Squat"), 80.0);
        const Prontezza p = Prontezza_giorno(test, "Squat", 80, Lunedi.date().addDays(6));
        QCOMPARE(p.precedenti, (std::vector<double>{0.80, 0.82, 0.78, 0.84, 0.81}));
        QVERIFY(std::abs(p.media - 0.81) < 1e-9);
        QVERIFY(std::abs(p.deviazione - std::sqrt(0.002 / 4)) < 1e-9);
        QVERIFY(std::abs(p.differenza - (oggi - 0.81) / 0.81 * 100) < 1e-9);
        QCOMPARE(int(p.esito), esito);
    }

    // Without a first set at the load that day, or with one session before, no verdict; the
    // usual start load is the most frequent one, a tie going to the later; the coach's
    // choice goes first.
    void readiness_reference_load() {
        auto test = Sessioni({0.8, 0.8});
        QCOMPARE(Prontezza_giorno(test, "Squat", 80, Lunedi.date().addDays(1)).esito,
                 Esito_prontezza::Insufficiente);
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
        QCOMPARE(Leggi_scelte_analisi(atleta.path(), "Squat").V1rm, scelte.V1rm);
    }

    // The example's athletes: every session starts at the usual load, so readiness has a
    // verdict on every session with two before it; two names give two athletes, one name
    // the same tests again.
    void example_athletes() {
        const QDateTime adesso = Lunedi.addSecs(3600);
        QTemporaryDir dati, altri;
        for (const char* nome : {"Anna", "Bea"})
            QVERIFY(!Scrivi_storico_esempio(dati.path(), "Esempio", nome, adesso));
        QVERIFY(!Scrivi_storico_esempio(altri.path(), "Esempio", "Anna", adesso));
        Indice_test indice(dati.path()), indice_altri(altri.path());
        indice.Aggiorna();
        indice_altri.Aggiorna();
        const auto Velocita = [](const std::vector<Riga_test>& test) {
            std::vector<double> v;
            for (const Riga_test& t : test) v.push_back(t.vmedia_tabella.value_or(0));
            return v;
        };
        const auto anna = indice.Test_atleta("Esempio", "Anna");
        QVERIFY(anna.size() > 60);
        QCOMPARE(Velocita(indice_altri.Test_atleta("Esempio", "Anna")), Velocita(anna));
        QVERIFY(Velocita(indice.Test_atleta("Esempio", "Bea")) != Velocita(anna));

        for (const char* esercizio : {"Squat", "Panca piana", "Stacco"}) {
            const double carico = *Carico_inizio_abituale(anna, esercizio);
            std::set<QDate> giorni;
            for (const Riga_test& t : anna)
                if (t.esercizio == esercizio) giorni.insert(t.quando.date());
            QVERIFY(giorni.size() >= 6);
            for (const QDate& giorno :
                 std::vector<QDate>(std::next(giorni.begin(), 2), giorni.end()))
                QVERIFY2(Prontezza_giorno(anna, esercizio, carico, giorno).esito !=
                             Esito_prontezza::Insufficiente,
                         qPrintable(QStringLiteral("%1 %2 kg, %3")
                                        .arg(esercizio)
                                        .arg(carico)
                                        .arg(giorno.toString(Qt::ISODate))));
        }
    }

    // The load range of a target velocity on the current profile (the last 28 days),
    // rounded to 2.5 kg, with its share of the e1RM; with one load, a refusal.
    void load_for_today() {
        std::vector<Riga_test> test{Test("Squat", 60, Lunedi, Retta(60)),
                                    Test("Squat", 80, Lunedi.addDays(7), Retta(80)),
                                    Test("Squat", 100, Lunedi.addDays(20), Retta(100)),
                                    Test("Squat", 50, Lunedi.addDays(-10), 0.2)};
        const Carico_oggi c = Calcola_carico_oggi(test, QString(), "Squat", 0.77, 0.52);
        QVERIFY2(c.rifiuto.isEmpty(), qPrintable(c.rifiuto));
        QCOMPARE(c.carichi, 3);
        QCOMPARE(c.carico_minimo, 72.5);  // 73 kg at 0.77 m/s
        QCOMPARE(c.carico_massimo, 97.5); // 98 kg at 0.52 m/s
        QVERIFY(std::abs(*c.e1rm - 120) < 1e-4);
        QVERIFY(std::abs(*c.percento_minimo - 72.5 / 1.2) < 1e-6);
        QVERIFY(std::abs(*c.percento_massimo - 97.5 / 1.2) < 1e-6);
        QVERIFY(!c.limitato_e1rm);
        // Below V1rm the line would ask more than the e1RM: capped at it, and told so.
        const Carico_oggi massima = Calcola_carico_oggi(test, QString(), "Squat", 0.15, 0.50);
        QCOMPARE(massima.carico_minimo, 100.0);
        QVERIFY(std::abs(massima.carico_massimo - *massima.e1rm) < 1e-9);
        QVERIFY(std::abs(*massima.percento_massimo - 100) < 1e-9);
        QVERIFY(massima.limitato_e1rm);
        const Carico_oggi oltre = Calcola_carico_oggi(test, QString(), "Squat", 0.10, 0.20);
        QCOMPARE(oltre.carico_minimo, oltre.carico_massimo);
        QVERIFY(std::abs(*oltre.percento_minimo - 100) < 1e-9);
        QCOMPARE(Arrotonda_carico(73.74), 72.5);
        QCOMPARE(Arrotonda_carico(73.76), 75.0);

        const Carico_oggi uno =
            Calcola_carico_oggi({Test("Squat", 80, Lunedi, 0.8), Test("Squat", 80, Lunedi, 0.7)},
                                QString(), "Squat", 0.5, 0.75);
        QVERIFY(uno.rifiuto.contains("meno di due carichi"));
        QCOMPARE(uno.carichi, 1);
    }

    // Named ranges: the usual ones until the data folder keeps its own.
    void velocity_ranges() {
        QTemporaryDir dati;
        QList<Zona_velocita> zone = Leggi_zone_velocita(dati.path());
        const auto forza = std::find_if(zone.begin(), zone.end(),
                                        [](const Zona_velocita& z) { return z.nome == "Forza"; });
        QVERIFY(forza != zone.end());
        QCOMPARE(forza->minima, 0.50);
        QCOMPARE(forza->massima, 0.75);
        QDir(dati.path()).mkpath("ini");
        QVERIFY(!Salva_zone_velocita(dati.path(), {{QStringLiteral("Potenza"), 0.8, 1.1}}));
        zone = Leggi_zone_velocita(dati.path());
        QCOMPARE(zone.size(), 1);
        QCOMPARE(zone[0].nome, QStringLiteral("Potenza"));
        QCOMPARE(zone[0].massima, 1.1);
    }

    // One row per athlete's folder, with or without tests: last test, last e1RM per
    // exercise, the latest session's readiness, tests of the last 7 and 28 days.
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
        const auto righe = Righe_squadra(indice, "Blu", oggi);
        QCOMPARE(righe.size(), std::size_t(2));
        const Riga_squadra& c = righe[0];
        QCOMPARE(c.atleta, QStringLiteral("Carla"));
        QCOMPARE(*c.ultimo_test, QDateTime(oggi, QTime(9, 5)));
        QCOMPARE(c.test_7_giorni, 2);
        QCOMPARE(c.test_28_giorni, 6);
        QCOMPARE(c.e1rm.size(), std::size_t(1));
        QCOMPARE(c.e1rm[0].esercizio, QStringLiteral("Squat"));
        QCOMPARE(c.e1rm[0].giorno, oggi);
        QVERIFY(c.prontezza);
        QCOMPARE(c.prontezza->carico, 80.0);
        QCOMPARE(c.prontezza->precedenti.size(), std::size_t(2));
        QCOMPARE(righe[1].atleta, QStringLiteral("Dario"));
        QVERIFY(!righe[1].ultimo_test);
        QCOMPARE(righe[1].test_28_giorni, 0);
    }
};

QTEST_GUILESS_MAIN(Test_diario)
#include "test_diario.moc"
