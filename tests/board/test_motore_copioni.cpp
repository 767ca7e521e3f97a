// Generated lift scripts through the measurement engine, as the replay feeds it: the
// listed repetitions must be those of the motion, within the encoder's quantisation.

#include "board/attese.h"
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "board/replay.h"

#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(Collegamento)

namespace {

struct Prova {
    std::vector<Record_scheda> record;
    Copione copione;
};

Prova Genera(int tipo, Collegamento l, std::uint32_t seme, const Parametri_copione& p) {
    Prova prova{{}, Genera_copione(p, seme)};
    Flusso_copione(prova.copione, tipo, l).Tutti(prova.record);
    return prova;
}

QByteArray Cattura(const std::vector<Record_scheda>& record, Collegamento l) {
    const auto byte = l == Collegamento::Hid ? Byte_hid(record) : Byte_seriali(record);
    return QByteArray(reinterpret_cast<const char*>(byte.data()),
                      static_cast<qsizetype>(byte.size()));
}

Opzioni_replay Opzioni(int tipo, Collegamento l, float ampiezza_minima) {
    Opzioni_replay o;
    o.collegamento = l;
    o.tipo_scheda = tipo;
    o.ampiezza_minima = ampiezza_minima;
    o.vmax = 400;
    o.limite_sup = 110;
    o.limite_inf = 90;
    o.locale = QLocale::c();
    return o;
}

} // namespace

class Test_motore_copioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ripetizioni_del_moto_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("collegamento");
        QTest::addColumn<float>("ampiezza_minima");
        for (int tipo = 1; tipo <= 3; ++tipo) {
            for (float minima : {100.0f, 0.0f}) {
                QTest::addRow("tipo%d-seriale-min%g", tipo, double(minima))
                    << tipo << Collegamento::Seriale << minima;
                QTest::addRow("tipo%d-hid-min%g", tipo, double(minima))
                    << tipo << Collegamento::Hid << minima;
            }
        }
    }
    void ripetizioni_del_moto() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        QFETCH(float, ampiezza_minima);
        Parametri_copione p;
        p.ripetizioni = 8;
        p.probabilita_sussulto = 0.5;
        p.pausa_bassa_max_s = 1.5; // also holds longer than a second at the bottom
        for (std::uint32_t seme = 100; seme < 104; ++seme) {
            const Prova prova = Genera(tipo, collegamento, seme, p);
            Riproduzione r(Opzioni(tipo, collegamento, ampiezza_minima));
            r.Esegui(Cattura(prova.record, collegamento));

            auto letti = prova.record;
            letti.resize(Record_letti(letti.size(), collegamento));
            const auto attese = Ripetizioni_attese(letti, tipo, collegamento, ampiezza_minima);
            const Sessione& s = r.Stato();
            QCOMPARE(r.Lista().Righe(), int(attese.size()));
            QCOMPARE(int(r.Colori().size()), int(attese.size()));
            // Every record the program read is recorded, less those before the first lift.
            QVERIFY(s.Numero_campioni > 0 && s.Numero_campioni < int(letti.size()));
            QCOMPARE(int(s.Campioni.size()), s.Numero_campioni);
            for (std::size_t i = 0; i < attese.size(); ++i) {
                const Ripetizione& rip = s.Ripetizioni[i + 1];
                const auto& a = attese[i];
                const QString dove = QStringLiteral("seme %1 riga %2: %3/%4 mm, %5/%6 s")
                                         .arg(seme)
                                         .arg(i + 1)
                                         .arg(double(rip.Spost_conc))
                                         .arg(a.spostamento_mm)
                                         .arg(double(rip.Durata_conc))
                                         .arg(a.durata_s);
                QVERIFY2(std::abs(rip.Spost_conc - a.spostamento_mm) < 0.01, qPrintable(dove));
                // The clock is a single-precision sum of step times.
                QVERIFY2(std::abs(rip.Durata_conc - a.durata_s) < 2e-3, qPrintable(dove));
                QVERIFY2(std::abs(rip.Vmedia_conc / a.velocita_media - 1) < 2e-3, qPrintable(dove));
                const float alto = 440, basso = 360;
                const QString colore = rip.Vmedia_conc > alto    ? "giallo"
                                       : rip.Vmedia_conc < basso ? "rosso"
                                                                 : "verde";
                QCOMPARE(Nome_colore(r.Colori()[i]), colore);
            }
            if (ampiezza_minima < 100) continue;
            // With the minimum above every twitch, the rows are the lifts of the motion.
            const auto alzate = Alzate(prova.copione);
            QCOMPARE(int(attese.size()), p.ripetizioni);
            for (std::size_t i = 0; i < attese.size(); ++i)
                QVERIFY(std::abs(s.Ripetizioni[i + 1].Spost_conc - alzate[i + 1].spostamento_mm) <=
                        Tolleranza_spostamento_mm(tipo, collegamento));
        }
    }

    void sussulto_assorbito() {
        // A 40 mm lift-and-settle in the top hold is no repetition with a minimum of 100 mm,
        // and does not shift the next repetition; with a minimum of 10 mm it is one (seen
        // shorter than 40 mm: it starts and ends up to a record of steps late and early).
        for (Collegamento l : {Collegamento::Seriale, Collegamento::Hid}) {
            Copione c;
            c.posizione_iniziale_mm = 100;
            c.Fermo(1.5).Salita(500, 1.0).Fermo(1.5);
            c.Discesa(500, 1.5).Salita(500, 1.0).Fermo(1.5);
            c.Salita(40, 0.3).Fermo(0.1).Discesa(40, 0.4).Fermo(1.5);
            c.Discesa(500, 1.5).Salita(500, 1.0).Fermo(9.5);
            std::vector<Record_scheda> record;
            Flusso_copione(c, 2, l).Tutti(record);
            for (float minima : {100.0f, 10.0f}) {
                Riproduzione r(Opzioni(2, l, minima));
                r.Esegui(Cattura(record, l));
                const int attese = minima > 40 ? 2 : 3;
                QCOMPARE(r.Lista().Righe(), attese);
                const Ripetizione& ultima = r.Stato().Ripetizioni[std::size_t(attese)];
                QVERIFY(std::abs(ultima.Spost_conc - 500) <= Tolleranza_spostamento_mm(2, l));
                if (attese == 2) {
                    // Repetition 2's eccentric phase spans the holds around the twitch and
                    // the lowering (less up to a second to see the top).
                    QVERIFY(ultima.Durata_ecc > 1.5f + 0.8f + 1.5f + 1.5f - 1.0f);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(Test_motore_copioni)
#include "test_motore_copioni.moc"
