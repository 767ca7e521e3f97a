// SPDX-License-Identifier: GPL-3.0-or-later
// The lift analysis against lifts whose true motion is known, and the set's velocity
// loss on a hand-made set.
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "comandi/replay.h"
#include "datafiles/salva_analisi.h"
#include "session/formato.h"
#include "stream/fascia.h"
#include "tests/stream/banco_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <tuple>

Q_DECLARE_METATYPE(Collegamento)

namespace {

// A half-cosine lift of `a` mm in `t` s, as the board's model moves the bar: the mean
// propulsive velocity and its duration, worked out from the motion itself.
struct Atteso {
    double vmedia, vpropulsiva, durata_propulsiva, potenza_media;
};
Atteso Dal_moto(double a, double t, double kg) {
    const double pi = std::numbers::pi;
    const double frenata = a * pi * pi / (2 * t * t); // highest deceleration, mm/s^2
    double tp = t;
    if (frenata > 9810) tp = t / pi * std::acos(-9810 / frenata);
    const double xp = a / 2 * (1 - std::cos(pi * tp / t));
    const double vp = a * pi / (2 * t) * std::sin(pi * tp / t);
    const double potenza = kg * (9.81 * xp / 1000 + vp * vp / 2e6) / tp;
    return {a / t, xp / tp, tp, potenza};
}
QByteArray Cattura(const Copione& c, int tipo, Collegamento l) {
    std::vector<Record_scheda> record;
    Flusso_copione(c, tipo, l).Tutti(record);
    return Byte_cattura(record, l);
}

} // namespace

class Test_analisi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Fast lifts end braking harder than gravity; slow ones never do.
    void propulsive_phase_of_generated_lifts_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("collegamento");
        QTest::addColumn<double>("ampiezza");
        QTest::addColumn<double>("durata");
        using std::pair;
        for (const auto& [tipo, l] : {pair(1, Collegamento::Seriale), pair(2, Collegamento::Hid)})
            for (const auto& [ampiezza, durata] :
                 {pair(500.0, 0.4), pair(300.0, 0.35), pair(500.0, 1.0), pair(400.0, 1.6)})
                QTest::addRow("type %d %s, %g mm in %g s", tipo,
                              l == Collegamento::Seriale ? "serial" : "hid", ampiezza, durata)
                    << tipo << l << ampiezza << durata;
    }
    void propulsive_phase_of_generated_lifts() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        QFETCH(double, ampiezza);
        QFETCH(double, durata);
        Copione c;
        c.posizione_iniziale_mm = 100;
        c.Fermo(1.5).Salita(ampiezza, 0.8).Fermo(1.5);
        for (int i = 0; i < 3; ++i)
            c.Discesa(ampiezza, 1.2).Fermo(0.2 * i).Salita(ampiezza, durata).Fermo(1.5);
        c.Fermo(9);
        Opzioni_replay o;
        std::tie(o.collegamento, o.tipo_scheda, o.ampiezza_minima, o.carico, o.locale) =
            std::tuple(collegamento, tipo, 100.0f, 80.0f, QLocale::c());
        Riproduzione r(o);
        r.Esegui(Cattura(c, tipo, collegamento));
        QCOMPARE(int(r.Analisi().size()), 3);
        const Atteso atteso = Dal_moto(ampiezza, durata, 80);
        const auto entro = [](double valore, double riferimento, double tolleranza) {
            return std::abs(valore / riferimento - 1) < tolleranza;
        };
        for (const Analisi_ripetizione& a : r.Analisi()) {
            const QString dati = QString::asprintf(
                "Vmedia %g (%g) Vprop %g (%g) durata %g (%g) P %g (%g)", double(a.Vmedia),
                atteso.vmedia, double(a.Vpropulsiva), atteso.vpropulsiva,
                double(a.Durata_propulsiva), atteso.durata_propulsiva, double(a.Potenza_media),
                atteso.potenza_media);
            QVERIFY2(entro(a.Vpropulsiva, atteso.vpropulsiva, 0.02), qPrintable(dati));
            QVERIFY2(entro(a.Vmedia, atteso.vmedia, 0.02), qPrintable(dati));
            QVERIFY2(entro(a.Durata_propulsiva, atteso.durata_propulsiva, 0.05), qPrintable(dati));
            QVERIFY2(entro(a.Potenza_media, atteso.potenza_media, 0.03), qPrintable(dati));
            QVERIFY2(a.Potenza_max > a.Potenza_media, qPrintable(dati));
            // Without braking the propulsive part is the whole lift.
            if (atteso.durata_propulsiva == durata) QCOMPARE(a.Vpropulsiva, a.Vmedia);
        }
    }

    // The replay writes what the program writes at each summary save: a title, one row
    // per repetition, nothing after the last.
    void analysis_file_beside_the_summary() {
        QTemporaryDir cartella;
        Opzioni_replay o;
        std::tie(o.tipo_scheda, o.ampiezza_minima, o.carico) = std::tuple(2, 100.0f, 60.0f);
        o.locale = QLocale(QLocale::Italian, QLocale::Italy);
        o.file_sommario = cartella.filePath("Squat_261207_10.00.00.csv");
        o.file_analisi = Nome_file_analisi(o.file_sommario);
        QCOMPARE(o.file_analisi, cartella.filePath("Squat_261207_10.00.00 analisi.csv"));
        Parametri_copione p;
        p.ripetizioni = 4;
        Riproduzione r(o);
        r.Esegui(Cattura(Genera_copione(p, 5), 2, Collegamento::Seriale));
        QVERIFY(!r.Salva_file());
        QFile f(o.file_analisi);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = f.readAll().split('\n');
        QCOMPARE(righe.size(), 2 + r.Lista().Righe());
        QCOMPARE(righe[0], QByteArray("N\xB0Rip;Vmedia;Vpropulsiva;Durata propulsiva;"
                                      "Potenza media;Potenza max;Perdita %;Esclusa;\r"));
        const Analisi_ripetizione& a = r.Analisi()[1];
        QString attesa = " 2 ;";
        for (float v : {a.Vmedia, a.Vpropulsiva, a.Durata_propulsiva, a.Potenza_media,
                        a.Potenza_max, a.Perdita})
            attesa += Formatta(v, "0.00", o.locale) + ';';
        QCOMPARE(QString::fromLatin1(righe[2]), attesa + "0;\r");
        QVERIFY(attesa.contains(',') && !attesa.contains('.'));
        QVERIFY(righe.last().isEmpty());
    }

    void loss_and_threshold_over_a_set() {
        // Steady lifts of 1/16 s steps: the true mean velocity is the amplitude over the
        // seven steps of the lift; the best so far sets the loss, and a loss equal to the
        // threshold has not passed it.
        Banco_prova b;
        b.Avvia();
        b.s.Serie.Dati_esercizio.Ampiezza_minima = 100;
        b.s.Serie.Dati_esercizio.Carico = 100;
        b.s.Serie.Soglia_perdita = 20;
        b.Primo_sollevamento(500);
        const QList<double> ampiezze{400, 440, 400, 352, 330};
        double alto = 500;
        for (double ampiezza : ampiezze) {
            b.Discesa(alto, 100);
            alto = 100 + ampiezza;
            b.Salita(100, alto);
        }
        const QList<float> perdite{0, 0, 100 - 400 / 4.4f, 20, 25};
        const QList<bool> allarmi{false, false, false, false, true};
        QCOMPARE(b.vista.analisi.size(), std::size_t(5));
        QCOMPARE(b.motore.Analisi().size(), std::size_t(5));
        QCOMPARE(b.motore.Lst_valori().Righe(), 5);
        for (int i = 0; i < 5; ++i) {
            const auto& [riga, a] = b.vista.analisi[std::size_t(i)];
            QCOMPARE(riga, i);
            QCOMPARE(a.Vmedia, b.motore.Analisi()[std::size_t(i)].Vmedia);
            QCOMPARE(a.Vmedia, float(ampiezze[i] / (7 * Banco_prova::Passo)));
            QVERIFY2(std::abs(a.Perdita - perdite[i]) < 0.01f, qPrintable(QString::number(i)));
            QCOMPARE(a.Oltre_soglia, allarmi[i]);
            // No braking: the whole lift drives the bar, with the power of lifting the load.
            QCOMPARE(a.Vpropulsiva, a.Vmedia);
            QVERIFY(std::abs(a.Potenza_media - 100 * 9.81f * a.Vmedia / 1000) < 0.5f);
        }
        // A new set starts from no best, no repetition, no row and the recording's origin.
        b.Avvia(true);
        QVERIFY(b.motore.Analisi().empty());
        QCOMPARE((QList{b.s.Numero_campioni, b.m().Indice_ripetizione,
                        b.motore.Lst_valori().Righe(), int(b.s.Campioni.size())}),
                 (QList{0, 0, 0, 1}));
    }

    // The set is judged by the chosen velocity: the one shown, its colour and the losses
    // are the table's, the true lift's or the propulsive one's (on generated lifts, where
    // the table's includes the pause at the top and the others do not). A new athlete's is
    // the propulsive one, within 3 % of the lifts' true motion.
    void judged_by_the_chosen_velocity_data() {
        QTest::addColumn<int>("scelta");
        QTest::newRow("table") << int(Velocita_riferimento::Vmedia_tabella);
        QTest::newRow("true lift") << int(Velocita_riferimento::Vmedia_alzata);
        QTest::newRow("propulsive") << int(Velocita_riferimento::Vpropulsiva);
    }
    void judged_by_the_chosen_velocity() {
        QFETCH(int, scelta);
        Sessione s;
        s.Usa_seriale = true;
        s.Fattore_posizione = 1;
        s.Fattore_tempo = Fattore_tempo_tipo3;
        s.Dati_esercizio.Vmax = 900;
        s.Dati_esercizio.Limite_sup = 110;
        s.Dati_esercizio.Limite_inf = 80;
        s.Dati_esercizio.Ampiezza_minima = 100;
        if (scelta != int(Velocita_riferimento::Vpropulsiva))
            s.Riferimento = Velocita_riferimento(scelta);
        Vista_registratore vista;
        Motore_misura motore(s, QLocale::c());
        motore.Aggiungi_vista(vista);
        motore.Inizia_acquisizione();
        Parametri_copione parametri;
        parametri.ripetizioni = 6;
        parametri.rallentamento = 0.08;
        const Copione copione = Genera_copione(parametri, 3);
        const std::vector<Alzata> alzate = Alzate(copione);
        const QByteArray flusso = Cattura(copione, 3, Collegamento::Seriale);
        motore.Blocco_seriale({reinterpret_cast<const std::uint8_t*>(flusso.constData()),
                               std::size_t(flusso.size())});
        const auto& analisi = motore.Analisi();
        QVERIFY(analisi.size() >= 5);
        QCOMPARE(vista.velocita_mostrate.size(), analisi.size());
        float migliore = 0;
        bool diverse = false;
        for (std::size_t i = 0; i < analisi.size(); ++i) {
            const Ripetizione& r = s.Ripetizioni[i + 1];
            const float attesa =
                scelta == int(Velocita_riferimento::Vmedia_alzata) ? analisi[i].Vmedia
                : scelta == int(Velocita_riferimento::Vpropulsiva) ? analisi[i].Vpropulsiva
                                                                   : r.Vmedia_conc;
            diverse = diverse || std::abs(analisi[i].Vmedia - r.Vmedia_conc) > 20;
            QCOMPARE(vista.velocita_mostrate[i].vmedia_conc, attesa);
            if (scelta == int(Velocita_riferimento::Vpropulsiva)) {
                const Alzata& vera = alzate.at(i + 1); // after the unracking lift
                const double mpv = Dal_moto(vera.spostamento_mm, vera.durata_s, 0).vpropulsiva;
                QVERIFY2(std::abs(attesa / mpv - 1) < 0.03, qPrintable(QString::number(mpv)));
            }
            QCOMPARE(vista.velocita_mostrate[i].colore, Colore_fascia(attesa, s.Dati_esercizio));
            QCOMPARE(motore.Velocita_di_riferimento(int(i)), attesa);
            migliore = std::max(migliore, attesa);
            QVERIFY(std::abs(analisi[i].Perdita - (migliore - attesa) / migliore * 100) < 0.01f);
        }
        QVERIFY(diverse);
    }

    // A repetition the coach leaves out (a ghost lift when the bar is unracked) sets no
    // best and raises no alarm: every loss is worked out again at once, and again when it
    // is taken back.
    void excluded_repetition_sets_no_best() {
        Banco_prova b;
        b.s.Dati_esercizio.Ampiezza_minima = 100;
        b.s.Soglia_perdita = 20;
        b.Avvia();
        b.Primo_sollevamento(500);
        const QList<double> ampiezze{800, 400, 440, 400, 330};
        double alto = 500;
        for (double ampiezza : ampiezze) {
            b.Discesa(alto, 100);
            alto = 100 + ampiezza;
            b.Salita(100, alto);
        }
        struct Conta : Vista_misura {
            QList<std::pair<int, bool>> cambi;
            void Esclusione_cambiata(int riga, bool esclusa) override {
                cambi << std::pair{riga, esclusa};
            }
        } conta;
        b.motore.Aggiungi_vista(conta);
        const auto perdite = [&b] {
            QList<int> p;
            for (const auto& a : b.motore.Analisi()) p << qRound(a.Perdita);
            return p;
        };
        const auto allarmi = [&b] {
            QList<bool> p;
            for (const auto& a : b.motore.Analisi()) p << a.Oltre_soglia;
            return p;
        };
        QCOMPARE(perdite(), (QList<int>{0, 50, 45, 50, 59}));
        QCOMPARE(allarmi(), (QList<bool>{false, true, true, true, true}));
        b.motore.Imposta_esclusa(1, true);
        QCOMPARE(perdite(), (QList<int>{0, 0, 0, 9, 25}));
        QCOMPARE(allarmi(), (QList<bool>{false, false, false, false, true}));
        QVERIFY(b.motore.Analisi()[0].Esclusa && !b.motore.Analisi()[1].Esclusa);
        b.motore.Imposta_esclusa(5, true); // the alarm goes with it
        QCOMPARE(allarmi(), (QList<bool>{false, false, false, false, false}));
        b.motore.Imposta_esclusa(1, false);
        b.motore.Imposta_esclusa(9, true); // no such row: nothing
        QCOMPARE(perdite(), (QList<int>{0, 50, 45, 50, 59}));
        QCOMPARE(b.s.Serie.Escluse, (std::set<int>{5}));
        QCOMPARE(conta.cambi, (QList<std::pair<int, bool>>{{0, true}, {4, true}, {0, false}}));
        // A row listed after a change is judged on the best the change left: 440.
        b.motore.Imposta_esclusa(1, true);
        b.Discesa(alto, 100);
        b.Salita(100, 430);
        QCOMPARE(perdite(), (QList<int>{0, 0, 0, 9, 25, 25}));
    }
};

QTEST_GUILESS_MAIN(Test_analisi)
#include "test_analisi.moc"
