// Live processing: movement state, repetition boundaries, the repetition table, the
// value list rows, the velocity band and the measurement reset.
#include "banco_prova.h"

#include <QTest>
#include <vector>

Q_DECLARE_METATYPE(Colore)
Q_DECLARE_METATYPE(std::vector<float>)

class Test_ripetizioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Samples 10, 20, 30... mm apart after `fermi` still samples (16 per second).
    void movement_state_data() {
        QTest::addColumn<int>("fermi");
        QTest::addColumn<std::vector<float>>("velocita");
        QTest::addColumn<int>("confini");
        QTest::addColumn<float>("inizio_concentrica");
        QTest::addColumn<float>("inizio_ripetizione");
        // The first sample (still, state 0 -> 1 within the first second) is a concentric
        // start at position 0.
        QTest::newRow("18 never starts")
            << 20 << std::vector<float>{10, 18, 20, 18, 15, 10} << 0 << 0.0f << 0.0f;
        QTest::newRow("25,10 ends at the 10")
            << 20 << std::vector<float>{25, 10} << 1 << 10.0f << 20.0f;
        QTest::newRow("15 keeps lifting")
            << 20 << std::vector<float>{21, 15, 18, 14.9f} << 1 << 10.0f << 40.0f;
        QTest::newRow("first-second drop is a start")
            << 4 << std::vector<float>{25, 10} << 0 << 20.0f << 0.0f;
        QTest::newRow("negative velocities stay")
            << 20 << std::vector<float>{-300, -10, 0} << 0 << 0.0f << 0.0f;
    }
    void movement_state() {
        QFETCH(int, fermi);
        QFETCH(std::vector<float>, velocita);
        QFETCH(int, confini);
        QFETCH(float, inizio_concentrica);
        QFETCH(float, inizio_ripetizione);
        Banco_prova b;
        b.Avvia();
        b.Fermo(0, fermi);
        for (std::size_t i = 0; i < velocita.size(); ++i) b.Dato(10.0 * double(i + 1), velocita[i]);
        QCOMPARE(int(b.vista.cursori.size()), confini);
        QCOMPARE(b.s.Indice_ripetizione, confini);
        QCOMPARE(b.s.Pos_inizio_concentrica, inizio_concentrica);
        QCOMPARE(b.s.Pos_inizio_ripetizione, inizio_ripetizione);
        QCOMPARE(b.s.Stato_fase[1], b.s.Stato_fase[0]);
    }

    // One repetition computed by hand: lowering 200 -> 10 with its peak of -300 mm/s at
    // 150 mm, pause, lift 10 -> 210 with its peak of 500 mm/s at 140 mm.
    void repetition_record_and_row() {
        Banco_prova b;
        b.Avvia();
        b.Primo_sollevamento(200);
        QCOMPARE(b.s.Tempo_corrente, 0.0f);
        QCOMPARE(b.s.Indice_ripetizione, 1);
        QCOMPARE(b.s.Pos_inizio_ripetizione, 200.0f);
        QCOMPARE(b.motore.Lst_valori().Righe(), 0); // repetition 0 gets no row

        b.Dato(190, -100);
        b.Dato(150, -300);
        b.Dato(60, -200);
        b.Dato(10, -50);
        b.Fermo(10, 12);
        b.Dato(10, 100); // concentric start at 1.0625 s
        b.Dato(60, 300);
        b.Dato(140, 500);
        b.Dato(200, 200);
        QCOMPARE(b.motore.Vmax_corrente, 500.0f);
        QCOMPARE(b.motore.Vmin_corrente, -300.0f);
        b.Dato(210, 0); // the top, at 1.3125 s

        const Ripetizione& r = b.Rip(1);
        QCOMPARE(r.Tempo_inizio, 0.0f);
        QCOMPARE(r.Pos_inizio, 200.0f);
        QCOMPARE(r.Pos_inizio_conc, 10.0f);
        QCOMPARE(r.Durata_totale, 1.3125f);
        QCOMPARE(r.Durata_ecc, 1.0625f);
        QCOMPARE(r.Durata_conc, 0.25f);
        QCOMPARE(r.Spost_ecc, -190.0f);
        QCOMPARE(r.Spost_conc, 200.0f);
        QCOMPARE(r.Vmedia_ecc, -190.0f / 1.0625f);
        QCOMPARE(r.Vmedia_conc, 800.0f);
        QCOMPARE(r.Vmax_ecc, -300.0f);
        QCOMPARE(r.Vmax_conc, 500.0f);
        QCOMPARE(r.TdiVmax_ecc, 0.125f);
        QCOMPARE(r.TdiVmax_conc, 0.125f);
        QCOMPARE(r.SdiVmax_ecc, 50.0f);
        QCOMPARE(r.SdiVmax_conc, 130.0f);
        const Ripetizione& nuova = b.Rip(2);
        QCOMPARE(nuova.Tempo_inizio, 1.3125f);
        QCOMPARE(nuova.Pos_inizio, 210.0f);
        QCOMPARE(b.s.Indice_ripetizione, 2);

        const QStringList attesa{"1",   "0.00", "0.25", "200",  "800",  "500",  "0.13",
                                 "130", "1.06", "-190", "-179", "-300", "0.13", "50"};
        const auto& riga = b.motore.Lst_valori().Riga_n(0);
        QCOMPARE(QStringList(riga.begin(), riga.end()), attesa);
        QCOMPARE(b.vista.righe_aggiunte, std::vector<int>{0}); // row 1, line 0 selected
        QCOMPARE(b.vista.cursori.back(), std::make_pair(1.3125, 0.0));
        QCOMPARE(b.vista.punti_ripetizioni.size(), std::size_t(1));
        QCOMPARE(b.vista.punti_ripetizioni[0].durata_conc, 0.25f);
        QCOMPARE(b.vista.punti_ripetizioni[0].vmedia_conc, 800.0f);
        QCOMPARE(b.motore.Vmax_corrente, 0.0f);
        QCOMPARE(b.motore.Vmin_corrente, 0.0f);
    }

    // Minimum amplitude 100 mm: after an accepted first lift, a lift of `ampiezza`.
    void minimum_amplitude_data() {
        QTest::addColumn<double>("ampiezza");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("righe");
        QTest::newRow("80 absorbed") << 80.0 << 1 << 0;
        QTest::newRow("100 absorbed") << 100.0 << 1 << 0;
        QTest::newRow("120 accepted") << 120.0 << 2 << 1;
    }
    void minimum_amplitude() {
        QFETCH(double, ampiezza);
        QFETCH(int, indice);
        QFETCH(int, righe);
        Banco_prova b;
        b.Avvia();
        b.s.Dati_esercizio.Ampiezza_minima = 100;
        b.Primo_sollevamento(150);
        b.Discesa(150, 0);
        b.Movimento(0, ampiezza, 400, 8);
        QVERIFY(b.motore.Vmax_corrente > 0);
        QVERIFY(b.motore.Vmin_corrente < 0);
        b.Dato(ampiezza, 0);
        QCOMPARE(b.s.Indice_ripetizione, indice);
        QCOMPARE(b.motore.Lst_valori().Righe(), righe);
        QCOMPARE(int(b.vista.cursori.size()), 2); // the cursors move in both cases
        QCOMPARE(b.vista.cursori.back(), std::make_pair(1.3125, 0.0));
        QCOMPARE(b.motore.Vmax_corrente, 0.0f);
        QCOMPARE(b.motore.Vmin_corrente, 0.0f);
        if (righe > 0) return;
        // The absorbed movement belongs to repetition 1, which the next real lift ends.
        b.Discesa(ampiezza, 0);
        b.Salita(0, 150);
        QCOMPARE(b.s.Indice_ripetizione, 2);
        const auto& lista = b.motore.Lst_valori();
        QCOMPARE(lista.Righe(), 1);
        QCOMPARE(lista.Cella(0, 0), QString("1"));
        QCOMPARE(lista.Cella(0, 1), QString("0.00"));
        QCOMPARE(lista.Cella(0, 3), QString("150"));
        QCOMPARE(lista.Cella(0, 9), QString("-" + QString::number(ampiezza)));
        QCOMPARE(b.Rip(1).Durata_totale, 2.625f);
    }

    // The first lift larger than the minimum amplitude restarts the clock, the recording
    // and the time graph; smaller ones before it and later boundaries do not.
    void start_of_movement_reset() {
        Banco_prova b;
        b.Avvia();
        b.s.Usa_seriale = true;
        b.s.Memo_attivo = true;
        b.s.Dati_esercizio.Ampiezza_minima = 100;
        // Serial, factor 1: 1000 ms is still (6 mm/s), 15 ms is 400 mm/s.
        const double fermo_pos[3] = {0, 0, 80};
        const float fermo_t[3] = {1000, 15, 1000};
        b.motore.Elabora_blocco(2, fermo_pos, fermo_t); // a lift of 80: absorbed
        QCOMPARE(b.vista.cursori.size(), std::size_t(1));
        QCOMPARE(b.s.Indice_ripetizione, 0);
        QCOMPARE(b.s.Numero_campioni, 3);
        QCOMPARE(b.vista.cancellazioni_tempo, 0);

        const double pos[4] = {80, 150, 230, 230};
        const float t[4] = {15, 15, 1000, 1000};
        b.motore.Elabora_blocco(3, pos, t); // a lift of 150, top at sample 2
        QCOMPARE(b.s.Indice_ripetizione, 1);
        QCOMPARE(b.Rip(1).Tempo_inizio, 0.0f);
        QCOMPARE(b.vista.cancellazioni_tempo, 1);
        // The top was recorded, then cut away; the sample after it starts the recording.
        QCOMPARE(b.s.Tempo_corrente, 1.0f);
        QCOMPARE(b.s.Numero_campioni, 1);
        QCOMPARE(b.s.Campioni.size(), std::size_t(1));
        QCOMPARE(b.s.Campioni[0].Tempo, 1.0f);
        QCOMPARE(b.s.Campioni[0].Posizione, 230.0f);

        // Cut to element 0, whose time is zeroed, when the top is the block's last sample.
        Banco_prova c;
        c.Avvia();
        c.s.Usa_seriale = true;
        c.s.Memo_attivo = true;
        const double pos2[4] = {0, 0, 150, 150};
        const float t2[4] = {1000, 15, 15, 1000};
        c.motore.Elabora_blocco(3, pos2, t2);
        QCOMPARE(c.s.Numero_campioni, 0);
        QCOMPARE(c.s.Campioni.size(), std::size_t(1));
        QCOMPARE(c.s.Campioni[0].Tempo, 0.0f);
        QCOMPARE(c.s.Campioni[0].Posizione, 0.0f);
        QCOMPARE(c.s.Tempo_corrente, 0.0f);

        // The second accepted boundary leaves clock and recording alone.
        b.Discesa(230, 0);
        b.Salita(0, 200);
        QCOMPARE(b.s.Indice_ripetizione, 2);
        QCOMPARE(b.vista.cancellazioni_tempo, 1);
        QVERIFY(b.s.Tempo_corrente > 1.0f);
    }

    void velocity_band_data() {
        QTest::addColumn<double>("spostamento"); // over a lift of exactly 1 s
        QTest::addColumn<Colore>("colore");
        QTest::newRow("1150 yellow") << 1150.0 << Colore_giallo;
        QTest::newRow("1100 green") << 1100.0 << Colore_verde;
        QTest::newRow("1000 green") << 1000.0 << Colore_verde;
        QTest::newRow("900 green") << 900.0 << Colore_verde;
        QTest::newRow("899.5 red") << 899.5 << Colore_rosso;
        QTest::newRow("899 red") << 899.0 << Colore_rosso;
    }
    void velocity_band() {
        QFETCH(double, spostamento);
        QFETCH(Colore, colore);
        Banco_prova b;
        b.Avvia();
        b.s.Dati_esercizio.Vmax = 1000;
        b.s.Dati_esercizio.Limite_sup = 110;
        b.s.Dati_esercizio.Limite_inf = 90;
        b.Primo_sollevamento(200);
        b.Discesa(200, 0);
        b.Movimento(0, spostamento, 400, 16);
        b.Dato(spostamento, 0);
        const auto vmedia = static_cast<float>(spostamento);
        QCOMPARE(b.Rip(1).Vmedia_conc, vmedia);
        QCOMPARE(b.vista.velocita_mostrate.size(), std::size_t(1));
        QCOMPARE(b.vista.velocita_mostrate[0].vmedia_conc, vmedia);
        QCOMPARE(b.vista.velocita_mostrate[0].colore, colore);
    }

    // A lift and its top in the same instant: the mean keeps the value the record
    // already held (records are overwritten, not cleared).
    void zero_concentric_duration_keeps_mean() {
        Banco_prova b;
        b.s.Ripetizioni[1].Vmedia_conc = 777; // left by an earlier measurement
        b.Avvia();
        b.Primo_sollevamento(200);
        b.Discesa(200, 0);
        b.Fermo(0, 8);
        b.Dato(0, 400);
        b.Dato(150, 0, 0.0f);
        QCOMPARE(b.Rip(1).Durata_conc, 0.0f);
        QCOMPARE(b.Rip(1).Vmedia_conc, 777.0f);
        QCOMPARE(b.motore.Lst_valori().Cella(0, 2), QString("0.00"));
        QCOMPARE(b.motore.Lst_valori().Cella(0, 4), QString("777"));
    }

    void measurement_reset() {
        Banco_prova b;
        b.Avvia();
        b.s.Usa_seriale = true;
        b.s.Memo_attivo = true;
        b.Primo_sollevamento(200);
        for (int i = 0; i < 3; ++i) {
            b.Discesa(200, 0);
            b.Salita(0, 200);
        }
        const double pos[2] = {5, 6};
        const float t[2] = {10, 10};
        b.motore.Elabora_blocco(1, pos, t);
        QCOMPARE(b.motore.Lst_valori().Righe(), 3);
        const auto ripetizioni = b.s.Ripetizioni.size();
        const float spost = b.Rip(2).Spost_conc;
        b.vista.Dimentica();

        b.motore.Azzera_misura();
        QCOMPARE(b.s.Campioni.size(), std::size_t(1));
        QCOMPARE(b.s.Campioni[0].Posizione, 0.0f);
        QCOMPARE(b.s.Campioni[0].dt, 0.0f);
        QCOMPARE(b.s.Campioni[0].Tempo, 0.0f);
        QCOMPARE(b.s.Campioni[0].Velocita, 0.0f);
        QCOMPARE(b.s.Numero_campioni, 0);
        QCOMPARE(b.s.Indice_ripetizione, 0);
        QCOMPARE(b.s.Pos_inizio_ripetizione, 0.0f);
        QCOMPARE(b.s.Pos_inizio_concentrica, 1024.0f);
        QCOMPARE(b.motore.Lst_valori().Righe(), 0);
        QCOMPARE(b.vista.chiamate,
                 (QStringList{"Lista_svuotata", "Cancella_grafico_ripetizioni", "Azzera_slider",
                              "Cancella_grafico_tempo", "Origine_grafico_tempo"}));
        QCOMPARE(b.vista.punti_tempo.size(), std::size_t(1)); // only the origin
        // The repetition table keeps its elements for the next measurement to overwrite.
        QCOMPARE(b.s.Ripetizioni.size(), ripetizioni);
        QCOMPARE(b.Rip(2).Spost_conc, spost);

        // The next measurement numbers its rows from 1 again.
        b.Avvia();
        b.Primo_sollevamento(200);
        b.Discesa(200, 0);
        b.Salita(0, 200);
        QCOMPARE(b.motore.Lst_valori().Righe(), 1);
        QCOMPARE(b.motore.Lst_valori().Cella(0, 0), QString("1"));
        QCOMPARE(b.vista.righe_aggiunte, std::vector<int>{0});
    }
};

QTEST_GUILESS_MAIN(Test_ripetizioni)
#include "test_ripetizioni.moc"
