// The board's stream model: what goes on the wire must look like the board's stream.
#include "board/copione.h"
#include "board/flusso_scheda.h"

#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(Collegamento)

namespace {
std::vector<Record_scheda> Registra(const Copione& c, int tipo, Collegamento l) {
    std::vector<Record_scheda> r;
    Flusso_copione(c, tipo, l).Tutti(r);
    return r;
}
void Tabella_tipi() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<Collegamento>("collegamento");
    for (int tipo = 1; tipo <= 3; ++tipo) {
        QTest::addRow("type %d serial", tipo) << tipo << Collegamento::Seriale;
        QTest::addRow("type %d hid", tipo) << tipo << Collegamento::Hid;
    }
}
} // namespace

class Test_modello : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A record every `passi` counts at the floor of the scripted position, signed as the
    // movement; while still, an idle record each second signed as the last step.
    void records_follow_the_motion_data() { Tabella_tipi(); }
    void records_follow_the_motion() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        Copione c;
        c.posizione_iniziale_mm = 200;
        c.Fermo(2.5).Salita(400, 0.8).Fermo(3.2).Discesa(400, 1.5).Fermo(0.4).Salita(30, 0.3);
        c.Fermo(1.0);
        const auto r = Registra(c, tipo, collegamento);
        const Taratura t = Taratura_tipo(tipo);
        const int passi = Passi_per_record(collegamento);
        const std::int64_t secondo = 1000 * t.conteggi_per_ms;
        std::int64_t conteggio = static_cast<std::int64_t>(std::floor(200 / t.mm_per_conteggio));
        std::int64_t istante = 0;
        int segno = 1, fermi = 0, salite = 0, discese = 0;
        for (const auto& x : r) {
            const std::int64_t mosso = x.conteggio - conteggio, passato = x.istante - istante;
            if (x.fermo) {
                QVERIFY(std::abs(passato - secondo) <= 1 && std::abs(mosso) < passi);
                ++fermi;
            } else {
                QCOMPARE(std::abs(mosso), std::int64_t{passi});
                segno = mosso > 0 ? 1 : -1;
                QVERIFY(passato <= secondo + 1);
                (segno > 0 ? salite : discese)++;
                const double u = c.Posizione_mm(x.istante_s) / t.mm_per_conteggio;
                QVERIFY(std::abs(u - double(segno > 0 ? x.conteggio : x.conteggio + 1)) < 1e-6);
            }
            QCOMPARE(x.tempo > 0 ? 1 : -1, segno);
            QCOMPARE(std::abs(std::int64_t{x.tempo}), passato);
            QCOMPARE(int(x.posizione), int(static_cast<std::int16_t>(x.conteggio)));
            conteggio = x.conteggio;
            istante = x.istante;
        }
        const double passo_mm = passi * t.mm_per_conteggio;
        QVERIFY(std::abs(salite - 430 / passo_mm) <= 2);
        QVERIFY(std::abs(discese - 400 / passo_mm) <= 2);
        QVERIFY(fermi >= 5); // holds of 2.5 s, 3.2 s and 1 s
        // The time counts add up to the elapsed time within one count.
        QVERIFY(std::abs(double(r.back().istante) -
                         r.back().istante_s * 1000.0 * double(t.conteggi_per_ms)) <= 0.5);
        QVERIFY(r.back().istante_s <= c.Durata_s() && r.back().istante_s > c.Durata_s() - 1.0);
    }

    // Positions pass the int16 limit and go on from the negative end.
    void counter_wraps_at_16_bits() {
        Copione c;
        c.posizione_iniziale_mm = 32700;
        c.Salita(200, 1.0);
        const auto r = Registra(c, 2, Collegamento::Seriale);
        QVERIFY(r.back().conteggio > 32767 && r.back().posizione < 0);
    }
};

QTEST_GUILESS_MAIN(Test_modello)
#include "test_modello.moc"
