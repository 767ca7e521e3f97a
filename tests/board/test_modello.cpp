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

    void counter_wraps_at_16_bits() {
        Copione c;
        c.posizione_iniziale_mm = 32700;
        c.Salita(200, 1.0).Fermo(0.5).Discesa(200, 1.0);
        const auto r = Registra(c, 2, Collegamento::Seriale);
        bool avvolto = false;
        for (std::size_t i = 1; i < r.size(); ++i) {
            if (r[i].fermo) continue;
            const auto passo = std::int16_t(std::uint16_t(r[i].posizione - r[i - 1].posizione));
            QCOMPARE(std::abs(int(passo)), 6);
            avvolto = avvolto || (r[i].posizione < 0 && r[i - 1].posizione > 0);
        }
        QVERIFY(avvolto);
        QCOMPARE(r.back().conteggio, std::int64_t{32700});
    }

    // Serial: 6 bytes a record (-300 = 0xFED4; 0x01020305 negated = 0xFEFDFCFB). HID:
    // report id 0, 8 records of 8 bytes (2 unused, then the serial 6), byte 64 unused.
    void wire_formats() {
        std::vector<Record_scheda> r(17);
        for (int i = 0; i < 17; ++i)
            r[std::size_t(i)] = {.posizione = std::int16_t(-300 + i),
                                 .tempo = (i % 2 ? -1 : 1) * (0x01020304 + i)};
        const auto seriale = Byte_seriali(r);
        QCOMPARE(seriale.size(), std::size_t{17 * 6});
        const std::vector<std::uint8_t> secondo{0xD5, 0xFE, 0xFB, 0xFC, 0xFD, 0xFE};
        QVERIFY(std::equal(secondo.begin(), secondo.end(), seriale.begin() + 6));
        const auto hid = Byte_hid(r);
        QCOMPARE(hid.size(), std::size_t{2 * 65});
        for (std::size_t i = 0; i < hid.size(); ++i) {
            const std::size_t k = i % 65, record = i / 65 * 8 + k / 8;
            const bool dato = k < 64 && k % 8 >= 2;
            QCOMPARE(hid[i], dato ? seriale[record * 6 + k % 8 - 2] : std::uint8_t{0});
        }
        Accumulatore_hid acc;
        Report_hid_t report{};
        int pronti = 0;
        for (const auto& x : r)
            if (acc.Aggiungi(x, report))
                QVERIFY(std::equal(report.begin(), report.end(), hid.begin() + 65 * pronti++));
        QCOMPARE(pronti, 2);
        QCOMPARE(acc.In_attesa(), 1);
    }

    // Lifts and twitches keep to the parameters (the same seed giving the same stream is
    // checked against the virtual board's process).
    void generated_scripts_keep_to_their_parameters() {
        Parametri_copione p;
        p.ripetizioni = 8;
        p.probabilita_sussulto = 0.5;
        int sussulti = 0;
        for (std::uint32_t seme = 1; seme <= 40; ++seme) {
            const Copione a = Genera_copione(p, seme);
            const auto alzate = Alzate(a);
            QCOMPARE(int(alzate.size()), p.ripetizioni + 1);
            for (const auto& al : alzate)
                QVERIFY(al.spostamento_mm >= p.ampiezza_min_mm &&
                        al.spostamento_mm <= p.ampiezza_max_mm && al.durata_s >= p.salita_min_s &&
                        al.durata_s <= p.salita_max_s);
            for (const auto& s : a.segmenti) {
                QVERIFY(s.durata_s > 0);
                if (!s.sussulto) continue;
                QVERIFY(std::abs(s.spostamento_mm) < p.ampiezza_min_mm &&
                        std::abs(s.spostamento_mm) <= p.sussulto_max_mm);
                sussulti += s.tipo == Segmento::Tipo::Salita;
            }
            QVERIFY(a.Posizione_mm(a.Durata_s()) > p.posizione_iniziale_mm);
        }
        QVERIFY(sussulti > 40 && sussulti < 280); // about half of 320 top holds
    }

    // A pacer asking in small steps gets exactly the stream, each record when due.
    void paced_reading_gives_the_same_stream_data() { Tabella_tipi(); }
    void paced_reading_gives_the_same_stream() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        Parametri_copione p;
        p.ripetizioni = 2;
        const Copione c = Genera_copione(p, 7);
        const auto tutti = Registra(c, tipo, collegamento);
        Flusso_copione flusso(c, tipo, collegamento);
        std::vector<Record_scheda> a_passi;
        for (double t = 0; t < c.Durata_s() + 1; t += 0.013) {
            const std::size_t prima = a_passi.size();
            flusso.Fino_a(t, a_passi);
            for (std::size_t i = prima; i < a_passi.size(); ++i)
                QVERIFY(a_passi[i].istante_s <= t && a_passi[i].istante_s > t - 0.013);
        }
        QCOMPARE(a_passi.size(), tutti.size());
        for (std::size_t i = 0; i < tutti.size(); ++i)
            QVERIFY(a_passi[i].istante == tutti[i].istante && a_passi[i].tempo == tutti[i].tempo);
    }

    void steady_rhythm() {
        std::vector<Record_scheda> r;
        Flusso_ritmo(3, Collegamento::Hid, 4000, 2.0, 50).Tutti(r);
        QCOMPARE(int(r.size()), 8000);
        for (std::size_t i = 0; i < r.size(); ++i)
            QVERIFY(r[i].tempo == ((i / 50) % 2 ? -3000 : 3000)); // 0.25 ms at 12000 counts/ms
        QCOMPARE(r.back().conteggio, std::int64_t{0});
        QCOMPARE(r.back().istante, std::int64_t{24000000});
    }
};

QTEST_GUILESS_MAIN(Test_modello)
#include "test_modello.moc"
