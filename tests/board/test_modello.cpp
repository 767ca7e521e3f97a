// The board's stream model: what goes on the wire must look like the board's stream.

#include "board/copione.h"
#include "board/flusso_scheda.h"

#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(Collegamento)

namespace {

std::vector<Record_scheda> Registra(const Copione& c, int tipo, Collegamento l) {
    Flusso_copione flusso(c, tipo, l);
    std::vector<Record_scheda> r;
    flusso.Tutti(r);
    return r;
}

void Tabella_tipi() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<Collegamento>("collegamento");
    for (int tipo = 1; tipo <= 3; ++tipo) {
        QTest::addRow("tipo%d-seriale", tipo) << tipo << Collegamento::Seriale;
        QTest::addRow("tipo%d-hid", tipo) << tipo << Collegamento::Hid;
    }
}

} // namespace

class Test_modello : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void spaziatura_segni_e_pause_data() { Tabella_tipi(); }
    void spaziatura_segni_e_pause() {
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
        QVERIFY(r.size() > 20);
        std::int64_t conteggio = static_cast<std::int64_t>(std::floor(200 / t.mm_per_conteggio));
        std::int64_t istante = 0;
        int segno = 1, fermi = 0, salite = 0, discese = 0;
        for (const auto& x : r) {
            const std::int64_t mosso = x.conteggio - conteggio;
            const std::int64_t passato = x.istante - istante;
            if (x.fermo) {
                // An idle record a second after the previous one, signed as the last step.
                QVERIFY(std::abs(passato - secondo) <= 1);
                QVERIFY(std::abs(mosso) < passi);
                QCOMPARE(x.tempo > 0 ? 1 : -1, segno);
                ++fermi;
            } else {
                QCOMPARE(std::abs(mosso), std::int64_t{passi});
                segno = mosso > 0 ? 1 : -1;
                QCOMPARE(x.tempo > 0 ? 1 : -1, segno);
                QVERIFY(passato <= secondo + 1);
                (segno > 0 ? salite : discese)++;
                // The count is the floor of the scripted position at the record's time.
                const double u = c.Posizione_mm(x.istante_s) / t.mm_per_conteggio;
                QVERIFY2(std::abs(u - static_cast<double>(segno > 0 ? x.conteggio
                                                                    : x.conteggio + 1)) < 1e-6,
                         qPrintable(QString::number(u) + " " + QString::number(x.conteggio)));
            }
            QCOMPARE(std::abs(static_cast<std::int64_t>(x.tempo)), passato);
            QCOMPARE(static_cast<int>(x.posizione),
                     static_cast<int>(static_cast<std::int16_t>(x.conteggio)));
            conteggio = x.conteggio;
            istante = x.istante;
        }
        // Lifts of 400 + 30 mm and a lowering of 400 mm, one record per `passi` counts.
        const double passo_mm = passi * t.mm_per_conteggio;
        QVERIFY(std::abs(salite - 430 / passo_mm) <= 2);
        QVERIFY(std::abs(discese - 400 / passo_mm) <= 2);
        // Holds of 2.5 s, 3.2 s and 1 s: at least 2 + 2 idle records, and the last one.
        QVERIFY(fermi >= 5);
        // The time counts add up to the elapsed time within one count.
        const double fine_ms = r.back().istante_s * 1000.0;
        QVERIFY(std::abs(static_cast<double>(r.back().istante) -
                         fine_ms * static_cast<double>(t.conteggi_per_ms)) <= 0.5);
        QVERIFY(r.back().istante_s <= c.Durata_s() && r.back().istante_s > c.Durata_s() - 1.0);
    }

    void contatore_a_16_bit() {
        // Past +32767 the board's counter wraps to -32768; the step stays 6 counts.
        Copione c;
        c.posizione_iniziale_mm = 32700;
        c.Salita(200, 1.0).Fermo(0.5).Discesa(200, 1.0);
        const auto r = Registra(c, 2, Collegamento::Seriale);
        bool avvolto = false;
        for (std::size_t i = 1; i < r.size(); ++i) {
            if (r[i].fermo) continue;
            const auto passo = static_cast<std::int16_t>(
                static_cast<std::uint16_t>(r[i].posizione - r[i - 1].posizione));
            QCOMPARE(std::abs(static_cast<int>(passo)), 6);
            if (r[i].posizione < 0 && r[i - 1].posizione > 0) avvolto = true;
        }
        QVERIFY(avvolto);
        QCOMPARE(r.back().conteggio, std::int64_t{32700});
    }

    void formati_sul_filo() {
        std::vector<Record_scheda> r(17);
        for (int i = 0; i < 17; ++i) {
            r[static_cast<std::size_t>(i)].posizione = static_cast<std::int16_t>(-300 + i);
            r[static_cast<std::size_t>(i)].tempo = (i % 2 ? -1 : 1) * (0x01020304 + i);
        }
        const auto seriale = Byte_seriali(r);
        QCOMPARE(seriale.size(), std::size_t{17 * 6});
        // -300 = 0xFED4; 0x01020305 negated = 0xFEFDFCFB.
        const std::vector<std::uint8_t> secondo{0xD5, 0xFE, 0xFB, 0xFC, 0xFD, 0xFE};
        QVERIFY(std::equal(secondo.begin(), secondo.end(), seriale.begin() + 6));

        const auto hid = Byte_hid(r);
        QCOMPARE(hid.size(), std::size_t{2 * 65}); // the 17th record waits for 7 more
        for (int report = 0; report < 2; ++report) {
            const std::uint8_t* b = hid.data() + 65 * report;
            QCOMPARE(b[0], std::uint8_t{0});
            QCOMPARE(b[64], std::uint8_t{0});
            for (int k = 0; k < 8; ++k) {
                const auto& x = r[static_cast<std::size_t>(8 * report + k)];
                QCOMPARE(b[8 * k + 1], std::uint8_t{0});
                if (k > 0) QCOMPARE(b[8 * k], std::uint8_t{0});
                QCOMPARE(static_cast<std::int16_t>(b[8 * k + 2] | b[8 * k + 3] << 8), x.posizione);
                const std::uint32_t tempo = b[8 * k + 4] | b[8 * k + 5] << 8 | b[8 * k + 6] << 16 |
                                            std::uint32_t{b[8 * k + 7]} << 24;
                QCOMPARE(static_cast<std::int32_t>(tempo), x.tempo);
            }
        }
        Accumulatore_hid acc;
        Report_hid_t report{};
        int pronti = 0;
        for (const auto& x : r) {
            if (acc.Aggiungi(x, report)) {
                QVERIFY(std::equal(report.begin(), report.end(), hid.begin() + 65 * pronti));
                ++pronti;
            }
        }
        QCOMPARE(pronti, 2);
        QCOMPARE(acc.In_attesa(), 1);
    }

    void copioni_generati() {
        Parametri_copione p;
        p.ripetizioni = 8;
        p.probabilita_sussulto = 0.5;
        int sussulti = 0;
        for (std::uint32_t seme = 1; seme <= 40; ++seme) {
            const Copione a = Genera_copione(p, seme);
            const Copione b = Genera_copione(p, seme);
            QCOMPARE(a.segmenti.size(), b.segmenti.size());
            for (std::size_t i = 0; i < a.segmenti.size(); ++i) {
                QCOMPARE(a.segmenti[i].spostamento_mm, b.segmenti[i].spostamento_mm);
                QCOMPARE(a.segmenti[i].durata_s, b.segmenti[i].durata_s);
            }
            const auto alzate = Alzate(a);
            QCOMPARE(int(alzate.size()), p.ripetizioni + 1);
            for (const auto& al : alzate) {
                QVERIFY(al.spostamento_mm >= p.ampiezza_min_mm);
                QVERIFY(al.spostamento_mm <= p.ampiezza_max_mm);
                QVERIFY(al.durata_s >= p.salita_min_s && al.durata_s <= p.salita_max_s);
            }
            for (const auto& s : a.segmenti) {
                QVERIFY(s.durata_s > 0);
                if (!s.sussulto) continue;
                QVERIFY(std::abs(s.spostamento_mm) < p.ampiezza_min_mm);
                QVERIFY(std::abs(s.spostamento_mm) <= p.sussulto_max_mm);
                if (s.tipo == Segmento::Tipo::Salita) ++sussulti;
            }
            // The bar ends where the motion says, above the start.
            QVERIFY(a.Posizione_mm(a.Durata_s()) > p.posizione_iniziale_mm);
        }
        QVERIFY(sussulti > 40 && sussulti < 280); // about half of 320 top holds
        QVERIFY(Genera_copione(p, 1).segmenti[1].spostamento_mm !=
                Genera_copione(p, 2).segmenti[1].spostamento_mm);
    }

    void fino_a_un_istante_data() { Tabella_tipi(); }
    void fino_a_un_istante() {
        // A pacer asking in small steps gets exactly the stream, each record when due.
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
        for (std::size_t i = 0; i < tutti.size(); ++i) {
            QCOMPARE(a_passi[i].istante, tutti[i].istante);
            QCOMPARE(a_passi[i].tempo, tutti[i].tempo);
        }
    }

    void ritmo_costante() {
        Flusso_ritmo ritmo(3, Collegamento::Hid, 4000, 2.0, 50);
        std::vector<Record_scheda> r;
        ritmo.Tutti(r);
        QCOMPARE(int(r.size()), 8000);
        for (std::size_t i = 0; i < r.size(); ++i) {
            QCOMPARE(std::abs(r[i].tempo), 3000); // 0.25 ms at 12000 counts per ms
            QCOMPARE(r[i].tempo > 0, (i / 50) % 2 == 0);
        }
        QCOMPARE(r.back().conteggio, std::int64_t{0});
        QCOMPARE(r.back().istante, std::int64_t{24000000});
    }
};

QTEST_GUILESS_MAIN(Test_modello)
#include "test_modello.moc"
