// The lift analysis against lifts whose true motion is known, and the set's velocity
// loss on a hand-made set.
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "board/replay.h"
#include "datafiles/salva_analisi.h"
#include "session/formato.h"
#include "tests/stream/banco_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>

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

} // namespace

class Test_analisi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void propulsive_phase_of_generated_lifts_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("collegamento");
        QTest::addColumn<double>("ampiezza");
        QTest::addColumn<double>("durata");
        for (int tipo : {1, 2})
            for (Collegamento l : {Collegamento::Seriale, Collegamento::Hid}) {
                const char* nome = l == Collegamento::Seriale ? "serial" : "hid";
                // Fast lifts end braking harder than gravity; slow ones never do.
                QTest::addRow("type %d %s, 500 mm in 0.4 s (braking)", tipo, nome)
                    << tipo << l << 500.0 << 0.4;
                QTest::addRow("type %d %s, 300 mm in 0.35 s (braking)", tipo, nome)
                    << tipo << l << 300.0 << 0.35;
                QTest::addRow("type %d %s, 500 mm in 1.0 s (none)", tipo, nome)
                    << tipo << l << 500.0 << 1.0;
                QTest::addRow("type %d %s, 400 mm in 1.6 s (none)", tipo, nome)
                    << tipo << l << 400.0 << 1.6;
            }
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
        std::vector<Record_scheda> record;
        Flusso_copione(c, tipo, collegamento).Tutti(record);
        Opzioni_replay o;
        o.collegamento = collegamento;
        o.tipo_scheda = tipo;
        o.ampiezza_minima = 100;
        o.carico = 80;
        o.locale = QLocale::c();
        Riproduzione r(o);
        r.Esegui(Byte_cattura(record, collegamento));
        QCOMPARE(int(r.Analisi().size()), 3);
        const Atteso atteso = Dal_moto(ampiezza, durata, 80);
        for (const Analisi_ripetizione& a : r.Analisi()) {
            const auto entro = [](double valore, double riferimento, double tolleranza) {
                return std::abs(valore / riferimento - 1) < tolleranza;
            };
            const QString dati = QString("Vmedia %1 (%2) Vprop %3 (%4) durata %5 (%6) P %7 (%8)")
                                     .arg(a.Vmedia)
                                     .arg(atteso.vmedia)
                                     .arg(a.Vpropulsiva)
                                     .arg(atteso.vpropulsiva)
                                     .arg(a.Durata_propulsiva)
                                     .arg(atteso.durata_propulsiva)
                                     .arg(a.Potenza_media)
                                     .arg(atteso.potenza_media);
            QVERIFY2(entro(a.Vpropulsiva, atteso.vpropulsiva, 0.02), qPrintable(dati));
            QVERIFY2(entro(a.Vmedia, atteso.vmedia, 0.02), qPrintable(dati));
            QVERIFY2(entro(a.Durata_propulsiva, atteso.durata_propulsiva, 0.05), qPrintable(dati));
            QVERIFY2(entro(a.Potenza_media, atteso.potenza_media, 0.03), qPrintable(dati));
            QVERIFY2(a.Potenza_max > a.Potenza_media, qPrintable(dati));
            // Without braking the propulsive part is the whole lift.
            if (atteso.durata_propulsiva == durata) QCOMPARE(a.Vpropulsiva, a.Vmedia);
        }
    }

    void analysis_file_beside_the_summary() {
        // The replay writes what the program writes at each summary save.
        QTemporaryDir cartella;
        Opzioni_replay o;
        o.tipo_scheda = 2;
        o.ampiezza_minima = 100;
        o.carico = 60;
        o.locale = QLocale(QLocale::Italian, QLocale::Italy);
        o.file_sommario = cartella.filePath("Squat_261207_10.00.00.csv");
        o.file_analisi = Nome_file_analisi(o.file_sommario);
        QCOMPARE(o.file_analisi, cartella.filePath("Squat_261207_10.00.00 analisi.csv"));
        Parametri_copione p;
        p.ripetizioni = 4;
        std::vector<Record_scheda> record;
        Flusso_copione(Genera_copione(p, 5), 2, Collegamento::Seriale).Tutti(record);
        Riproduzione r(o);
        r.Esegui(Byte_cattura(record, Collegamento::Seriale));
        QVERIFY(!r.Salva_file());
        QFile f(o.file_analisi);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = f.readAll().split('\n');
        QCOMPARE(righe.size(), 2 + r.Lista().Righe()); // title, rows, nothing after the last
        QCOMPARE(righe[0], QByteArray("N\xB0Rip;Vmedia;Vpropulsiva;Durata propulsiva;"
                                      "Potenza media;Potenza max;Perdita %;\r"));
        const Analisi_ripetizione& a = r.Analisi()[1];
        const QString attesa = QString(" 2 ;%1;%2;%3;%4;%5;%6;\r")
                                   .arg(Formatta(a.Vmedia, "0.00", o.locale),
                                        Formatta(a.Vpropulsiva, "0.00", o.locale),
                                        Formatta(a.Durata_propulsiva, "0.00", o.locale),
                                        Formatta(a.Potenza_media, "0.00", o.locale),
                                        Formatta(a.Potenza_max, "0.00", o.locale),
                                        Formatta(a.Perdita, "0.00", o.locale));
        QCOMPARE(QString::fromLatin1(righe[2]), attesa);
        QVERIFY(attesa.contains(',') && !attesa.contains('.'));
        QVERIFY(righe.last().isEmpty());
    }

    void loss_and_threshold_over_a_set() {
        // Steady lifts of 1/16 s steps: the true mean velocity is the amplitude over the
        // seven steps of the lift; the best so far sets the loss, and a loss equal to the
        // threshold has not passed it.
        Banco_prova b;
        b.Avvia();
        b.s.Dati_esercizio.Ampiezza_minima = 100;
        b.s.Dati_esercizio.Carico = 100;
        b.s.Soglia_perdita = 20;
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
        // A new set starts from no best.
        b.Avvia();
        QVERIFY(b.motore.Analisi().empty());
    }
};

QTEST_GUILESS_MAIN(Test_analisi)
#include "test_analisi.moc"
