// SPDX-License-Identifier: GPL-3.0-or-later
// Live processing: movement state, repetition boundaries, the repetition table, the
// value list rows and their rounding, the velocity band. The measurement reset is checked
// at the end of the set in test_analisi.
#include "banco_prova.h"
#include "stream/lista_valori.h"

#include <QTest>
#include <bit>

using Serie = std::vector<std::pair<double, float>>; // (position, velocity) samples

namespace {
// The sixteen fields in their stored order.
QList<float> Campi(const Ripetizione& r) {
    const auto a = std::bit_cast<std::array<float, 16>>(r);
    return {a.begin(), a.end()};
}
QStringList Riga(const Lista_valori::Riga& riga) {
    return {riga.begin(), riga.end()};
}
} // namespace

class Test_ripetizioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Samples 10, 20, 30... mm apart after so many still ones. The first sample (still,
    // state 0 -> 1 within the first second) is a concentric start at position 0.
    void stato_del_moto_e_confini() {
        struct Moto {
            int fermi;
            std::vector<float> velocita;
            int confini;
            float inizio_concentrica, inizio_ripetizione;
        };
        const Moto casi[] = {{20, {10, 18, 20, 18, 15, 10}, 0, 0, 0}, // 18 never starts
                             {20, {25, 10}, 1, 10, 20},               // ends at the 10
                             {20, {21, 15, 18, 14.9f}, 1, 10, 40},    // 15 keeps lifting
                             {4, {25, 10}, 0, 20, 0}, // a drop in the first second is a start
                             {20, {-300, -10, 0}, 0, 0, 0}}; // negative velocities stay
        for (const Moto& m : casi) {
            Banco_prova b;
            b.Avvia();
            b.Fermo(0, m.fermi);
            for (std::size_t i = 0; i < m.velocita.size(); ++i)
                b.Dato(10.0 * double(i + 1), m.velocita[i]);
            QCOMPARE((QList<float>{float(b.vista.cursori.size()), float(b.m().Indice_ripetizione),
                                   b.m().Pos_inizio_concentrica, b.m().Pos_inizio_ripetizione}),
                     (QList<float>{float(m.confini), float(m.confini), m.inizio_concentrica,
                                   m.inizio_ripetizione}));
            QCOMPARE(b.m().Stato_fase[1], b.m().Stato_fase[0]);
        }
    }

    // One repetition computed by hand: lowering 200 -> 10 with its peak of -300 mm/s at
    // 150 mm, pause, lift 10 -> 210 with its peak of 500 mm/s at 140 mm.
    void ripetizione_riga_e_grafici() {
        Banco_prova b;
        b.Avvia();
        b.Primo_sollevamento(200);
        QCOMPARE(b.motore.Lst_valori().Righe(), 0); // repetition 0 gets no row
        for (auto [p, v] : Serie{{190, -100}, {150, -300}, {60, -200}, {10, -50}}) b.Dato(p, v);
        b.Fermo(10, 12);
        for (auto [p, v] : Serie{{10, 100}, {60, 300}, {140, 500}, {200, 200}, {210, 0}})
            b.Dato(p, v); // concentric start at 1.0625 s, the top at 1.3125 s
        CONFRONTA_NUMERI(Campi(b.Rip(1)),
                         (QList<float>{1.3125f, 0, 200, 10, 500, -300, 130, 50, 0.125f, 0.125f, 800,
                                       -190 / 1.0625f, 0.25f, 1.0625f, 200, -190}));
        QCOMPARE(b.m().Indice_ripetizione, 2);
        QCOMPARE(Riga(b.motore.Lst_valori().Riga_n(0)),
                 (QStringList{"1", "0.00", "0.25", "200", "800", "500", "0.13", "130", "1.06",
                              "-190", "-179", "-300", "0.13", "50"}));
        QCOMPARE(b.vista.righe_aggiunte, std::vector<int>{0});
        QCOMPARE(b.vista.cursori.back(), std::pair(1.3125, 0.0));
    }

    // Minimum amplitude 100 mm: after an accepted first lift, a lift of 100 is absorbed, one
    // of 120 accepted; the cursors move in both cases.
    void ampiezza_minima_assorbe_le_piccole_alzate() {
        for (const double ampiezza : {120.0, 100.0}) {
            const bool accettata = ampiezza > 100;
            Banco_prova b;
            b.Avvia();
            b.s.Serie.Dati_esercizio.Ampiezza_minima = 100;
            b.Primo_sollevamento(150);
            b.Discesa(150, 0);
            b.Salita(0, ampiezza);
            QCOMPARE(b.m().Indice_ripetizione, accettata ? 2 : 1);
            QCOMPARE(b.motore.Lst_valori().Righe(), accettata ? 1 : 0);
            QCOMPARE(b.vista.cursori.size(), std::size_t(2));
            QCOMPARE(b.vista.cursori.back(), std::pair(1.3125, 0.0));
            CONFRONTA_NUMERI((QList{b.m().Vmax_corrente, b.m().Vmin_corrente}),
                             (QList{0.0f, 0.0f}));
            if (accettata) continue;
            // The absorbed movement belongs to repetition 1, which the next real lift ends.
            b.Discesa(ampiezza, 0);
            b.Salita(0, 150);
            QCOMPARE(b.m().Indice_ripetizione, 2);
            const auto& l = b.motore.Lst_valori();
            QCOMPARE((QStringList{l.Cella(0, 0), l.Cella(0, 1), l.Cella(0, 3), l.Cella(0, 9)}),
                     (QStringList{"1", "0.00", "150", "-100"}));
            QCOMPARE(b.Rip(1).Durata_totale, 2.625f);
        }
    }

    // The first lift larger than the minimum amplitude restarts the clock, the recording
    // and the time graph; smaller ones before it and later boundaries do not.
    void inizio_del_movimento_riparte() {
        Banco_prova b;
        b.Avvia(true);
        b.s.Serie.Dati_esercizio.Ampiezza_minima = 100;
        // Serial, factor 1: 1000 ms is still (6 mm/s), 15 ms is 400 mm/s.
        const double pos[] = {0, 0, 80, 80, 150, 230, 230};
        const float t[] = {1000, 15, 1000, 15, 15, 1000, 1000};
        b.motore.Elabora_blocco(2, pos, t); // a lift of 80: absorbed
        QCOMPARE(b.vista.cursori.size(), std::size_t(1));
        QCOMPARE(b.m().Indice_ripetizione, 0);
        QCOMPARE(b.s.Numero_campioni, 3);
        b.motore.Elabora_blocco(3, pos + 3, t + 3); // a lift of 150, top at sample 2
        QCOMPARE(b.m().Indice_ripetizione, 1);
        QCOMPARE(b.vista.cancellazioni_tempo, 1);
        // The top was recorded, then cut away; the sample after it starts the recording.
        QCOMPARE(b.s.Numero_campioni, 1);
        QCOMPARE(b.s.Campioni.size(), std::size_t(1));
        CONFRONTA_NUMERI(
            (QList{b.m().Tempo_corrente, b.s.Campioni[0].Tempo, b.s.Campioni[0].Posizione}),
            (QList{1.0f, 1.0f, 230.0f}));
        // The second accepted boundary leaves clock and recording alone.
        b.Discesa(230, 0);
        b.Salita(0, 200);
        QCOMPARE(b.m().Indice_ripetizione, 2);
        QCOMPARE(b.vista.cancellazioni_tempo, 1);
        QVERIFY(b.m().Tempo_corrente > 1.0f);

        // Cut to element 0, whose time is zeroed, when the top is the block's last sample.
        Banco_prova c;
        c.Avvia(true);
        const double pos2[] = {0, 0, 150, 150};
        const float t2[] = {1000, 15, 15, 1000};
        c.motore.Elabora_blocco(3, pos2, t2);
        QCOMPARE(c.s.Numero_campioni, 0);
        QCOMPARE(c.s.Campioni.size(), std::size_t(1));
        CONFRONTA_NUMERI(
            (QList{c.m().Tempo_corrente, c.s.Campioni[0].Tempo, c.s.Campioni[0].Posizione}),
            (QList{0.0f, 0.0f, 0.0f}));
    }

    // Band 900..1100 mm/s (1000 -10% +10%) on the table's velocity, over a lift of exactly 1 s.
    void colori_della_fascia() {
        Banco_prova b;
        b.s.Riferimento = Velocita_riferimento::Vmedia_tabella;
        b.Avvia();
        b.s.Serie.Dati_esercizio.Vmax = 1000;
        b.s.Serie.Dati_esercizio.Limite_sup = 110;
        b.s.Serie.Dati_esercizio.Limite_inf = 90;
        b.Primo_sollevamento(200);
        const QList<float> spostamenti{1150, 1100, 900, 899.5f};
        QList<float> velocita;
        QList<Colore> colori;
        for (qsizetype i = 0; i < spostamenti.size(); ++i) {
            b.Discesa(i ? spostamenti[i - 1] : 200, 0);
            b.Movimento(0, spostamenti[i], 400, 16);
            b.Dato(spostamenti[i], 0);
            velocita << b.vista.velocita_mostrate.back().vmedia_conc;
            colori << b.vista.velocita_mostrate.back().colore;
        }
        CONFRONTA_NUMERI(velocita, spostamenti);
        QCOMPARE(colori, (QList{Colore_giallo, Colore_verde, Colore_verde, Colore_rosso}));
    }

    // Rounded halves, no thousands separator, no "-0"; the total duration is not shown.
    void arrotondamenti_della_riga() {
        const Ripetizione r{99,     12.345f, 0,      0,     1234.4f, -1500.5f, 80.49f, 49.5f,
                            0.125f, 2.0f,    523.6f, -0.4f, 1.237f,  0.8f,     199.5f, -190.2f};
        QCOMPARE(Riga(Lista_valori::Formatta_riga(r, 12, QLocale(QLocale::Italian))).join(' '),
                 "12 12,35 1,24 200 524 1234 0,13 80 0,80 -190 0 -1501 2,00 50");
    }
};

QTEST_GUILESS_MAIN(Test_ripetizioni)
#include "test_ripetizioni.moc"
