// SPDX-License-Identifier: GPL-3.0-or-later
// Generated lift scripts through the measurement engine, as the replay feeds it: the
// listed repetitions must be those of the motion, within the encoder's quantisation.
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "comandi/attese.h"
#include "comandi/replay.h"

#include <QtTest>
#include <cmath>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(Collegamento)

namespace {
// The records replayed as a capture of the link.
std::unique_ptr<Riproduzione> Riproduci(const std::vector<Record_scheda>& record, int tipo,
                                        Collegamento l, float ampiezza_minima) {
    Opzioni_replay o;
    std::tie(o.collegamento, o.tipo_scheda, o.ampiezza_minima, o.locale) =
        std::tuple(l, tipo, ampiezza_minima, QLocale::c());
    // Band 360..440 mm/s.
    std::tie(o.vmax, o.limite_sup, o.limite_inf) = std::tuple(400.0f, 110.0f, 90.0f);
    auto r = std::make_unique<Riproduzione>(o);
    r->Esegui(Byte_cattura(record, l));
    return r;
}
} // namespace

class Test_motore_copioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void repetitions_are_those_of_the_motion_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("collegamento");
        QTest::addColumn<float>("ampiezza_minima");
        for (int tipo = 1; tipo <= 3; ++tipo)
            for (float minima : {100.0f, 0.0f})
                for (Collegamento l : {Collegamento::Seriale, Collegamento::Hid})
                    QTest::addRow("type %d %s min %g", tipo,
                                  l == Collegamento::Seriale ? "serial" : "hid", double(minima))
                        << tipo << l << minima;
    }
    void repetitions_are_those_of_the_motion() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        QFETCH(float, ampiezza_minima);
        Parametri_copione p;
        p.ripetizioni = 8;
        p.probabilita_sussulto = 0.5;
        p.pausa_bassa_max_s = 1.5; // also holds longer than a second at the bottom
        for (std::uint32_t seme = 100; seme < 104; ++seme) {
            const Copione copione = Genera_copione(p, seme);
            std::vector<Record_scheda> record;
            Flusso_copione(copione, tipo, collegamento).Tutti(record);
            const auto r = Riproduci(record, tipo, collegamento, ampiezza_minima);
            record.resize(Record_letti(record.size(), collegamento));
            const auto attese = Ripetizioni_attese(record, tipo, collegamento, ampiezza_minima);
            const Sessione& s = r->Stato();
            QCOMPARE(r->Lista().Righe(), int(attese.size()));
            QCOMPARE(int(r->Colori().size()), int(attese.size()));
            // Every record read is recorded, less those before the first lift.
            QVERIFY(s.Numero_campioni > 0 && s.Numero_campioni < int(record.size()));
            QCOMPARE(int(s.Campioni.size()), s.Numero_campioni);
            for (std::size_t i = 0; i < attese.size(); ++i) {
                const Ripetizione& rip = s.Ripetizioni[i + 1];
                const auto& a = attese[i];
                QVERIFY2(std::abs(rip.Spost_conc - a.spostamento_mm) < 0.01 &&
                             std::abs(rip.Durata_conc - a.durata_s) < 2e-3 && // a float clock
                             std::abs(rip.Vmedia_conc / a.velocita_media - 1) < 2e-3,
                         qPrintable(QString("seed %1 row %2").arg(seme).arg(i + 1)));
                // The band judges a new athlete's repetition by its propulsive velocity.
                const float v = r->Analisi()[i].Vpropulsiva;
                QCOMPARE(Nome_colore(r->Colori()[i]), v > 440   ? "giallo"
                                                      : v < 360 ? "rosso"
                                                                : "verde");
            }
            if (ampiezza_minima < 100) continue;
            // With the minimum above every twitch, the rows are the lifts of the motion.
            const auto alzate = Alzate(copione);
            QCOMPARE(int(attese.size()), p.ripetizioni);
            for (std::size_t i = 0; i < attese.size(); ++i)
                QVERIFY(std::abs(s.Ripetizioni[i + 1].Spost_conc - alzate[i + 1].spostamento_mm) <=
                        Tolleranza_spostamento_mm(tipo, collegamento));
        }
    }
};

QTEST_GUILESS_MAIN(Test_motore_copioni)
#include "test_motore_copioni.moc"
