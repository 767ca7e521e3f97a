// SPDX-License-Identifier: GPL-3.0-or-later
// The graph layer: the X axis follows new data; a thinned plot keeps every stretch's
// extremes; damaged settings files change nothing.
#include "platform/grafico.h"
#include "platform/grafico_qcp.h"
#include "tests/support/file_prova.h"

#include <QtTest>
#include <algorithm>
#include <random>
#include <set>

namespace {
Progetto_grafico Progetto_prova() {
    Progetto_grafico g;
    g.didascalia = QStringLiteral("Prova");
    g.assi = {{QStringLiteral("X"), QStringLiteral("Sec"), 0, 10, Lato_asse::Basso},
              {QStringLiteral("Y_a"), QStringLiteral("A"), -5, 5, Lato_asse::Sinistra},
              {QStringLiteral("Y_velocita"), QStringLiteral("V"), -240, 240, Lato_asse::Destra}};
    g.plot = {{QStringLiteral("p1"), 3, Qt::blue, false, true},
              {QStringLiteral("p2"), 2, Qt::red, false, true}};
    g.cursori = {QStringLiteral("Cursor_1"), QStringLiteral("Cursor_2")};
    g.plot_cursori = 1;
    g.annotazioni = 2;
    return g;
}

} // namespace

class Test_grafico : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void asse_x_segue_i_dati_finche_l_operatore_non_lo_sposta() {
        Grafico_misura g(Progetto_prova());
        g.resize(400, 300);
        g.show();
        g.Accoda(1, 1.0, 0.0);
        g.Accoda(1, 1.0, 12.5); // beyond 0..10
        QTRY_COMPARE(g.Massimo(1), 12.5);
        QCOMPARE(g.Minimo(1), 2.5);   // span kept
        g.Mostra_intervallo_x(0, 10); // the operator looks back
        QVERIFY(!g.Segue_ultimo());
        g.Accoda(1, 1.0, 5.0);
        QTest::qWait(3 * Grafico_misura::Intervallo_ridisegno_ms);
        QCOMPARE(g.Massimo(1), 10.0);
        // A reset brings back the set range and the following.
        g.Cancella_dati();
        QVERIFY(g.Segue_ultimo());
        QCOMPARE(g.Minimo(1), 0.0);
        QCOMPARE(g.Massimo(1), 10.0);
    }

    // Plot 1 thinned to 5 ms, fed blocks of samples 0 to 1 ms apart (some at the same X)
    // that wander and spike: every 5 ms stretch keeps its first, lowest, highest and last
    // sample and nothing else, in time order; after every block the newest sample is the
    // plot's last point, and a level stretch keeps only its ends. Plot 2, not thinned, keeps
    // every sample.
    void plot_sfoltito_tiene_gli_estremi_di_ogni_tratto() {
        Grafico_misura g(Progetto_prova());
        constexpr double larghezza = 0.005;
        g.Imposta_sfoltimento(1, larghezza);
        std::mt19937 caso(3);
        std::uniform_int_distribution<int> quanti(1, 16), decimi_ms(0, 10), salto(0, 40);
        std::normal_distribution<double> passo_y(0, 1);
        std::vector<std::pair<double, double>> campioni;
        double x = 0, y = 0;
        const auto punti = [&g](int plot) {
            std::vector<std::pair<double, double>> v;
            auto dati = g.Piano()->graph(plot - 1)->data();
            for (auto it = dati->constBegin(); it != dati->constEnd(); ++it)
                v.emplace_back(it->key, it->value);
            return v;
        };
        for (int blocco = 0; blocco < 400; ++blocco) {
            std::vector<double> valori;
            std::vector<float> passi_ms;
            for (int i = quanti(caso); i > 0; --i) {
                const float passo = static_cast<float>(decimi_ms(caso)) / 10.0f;
                x = campioni.empty() ? 0.0 : x + static_cast<double>(passo) / 1000.0;
                y += passo_y(caso) + (salto(caso) == 0 ? 50 * passo_y(caso) : 0);
                valori.push_back(y);
                passi_ms.push_back(blocco % 2 ? -passo : passo); // the sign is the direction
                campioni.emplace_back(x, y);
            }
            g.Accoda_passi(1, valori, passi_ms);
            g.Accoda_passi(2, valori, passi_ms);
            QCOMPARE(punti(1).back(), campioni.back());
        }
        QCOMPARE(g.Punti(2), int(campioni.size()));
        QCOMPARE(punti(2), campioni);

        std::vector<std::pair<double, double>> attesi; // the samples each stretch keeps
        const auto tratto = [&](std::size_t i) {
            return std::floor(campioni[i].first / larghezza);
        };
        for (std::size_t i = 0, fine = 0; i < campioni.size(); i = fine) {
            while (fine < campioni.size() && tratto(fine) == tratto(i)) ++fine;
            const auto [minimo, massimo] = std::minmax_element(
                campioni.begin() + long(i), campioni.begin() + long(fine),
                [](const auto& a, const auto& b) { return a.second < b.second; });
            for (const long k : std::set<long>{long(i), minimo - campioni.begin(),
                                               massimo - campioni.begin(), long(fine) - 1})
                attesi.push_back(campioni[std::size_t(k)]);
        }
        QCOMPARE(punti(1), attesi);
        QVERIFY(attesi.size() * 3 < campioni.size());

        // A level stretch of 100 ms is kept by its ends, not by 20 stretches' points.
        const int prima = g.Punti(1);
        g.Accoda_passi(1, std::vector<double>(200, y), std::vector<float>(200, 0.5f));
        g.Accoda_passi(1, std::vector<double>{y + 1}, std::vector<float>{20.0f});
        QVERIFY2(g.Punti(1) <= prima + 6, qPrintable(QString::number(g.Punti(1) - prima)));
        QCOMPARE(punti(1).back().second, y + 1);

        // A reset empties both; the thinned plot starts again from the origin.
        g.Cancella_dati();
        QCOMPARE(g.Punti(1), 0);
        QCOMPARE(g.Punti(2), 0);
        g.Accoda(1, 7.0, 0.0);
        QCOMPARE(punti(1), (std::vector<std::pair<double, double>>{{0.0, 7.0}}));
    }

    // A damaged settings file changes nothing; a sound one sets the ranges and the mode, never
    // the captions, which come from the design in the interface's language.
    void file_danneggiato_non_cambia_nulla() {
        const QByteArray sano = Contenuto(KT_RIFERIMENTI "/grafico_0.cwx");
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("grafico_0.cwx"));
        for (const auto& [contenuto, valido] :
             {std::pair(sano, true),
              {QByteArray(), false},
              {QByteArray(sano).replace("\"modo\":3", "\"modo\":7"), false}, // unknown mode
              {QByteArray(sano).replace("\"minimo\":0,\"massimo\":900",
                                        "\"minimo\":950,\"massimo\":900"),
               false}}) {
            Scrivi(file, contenuto);
            Grafico_misura g(Progetto_prova());
            QCOMPARE(g.Carica_impostazioni(file), valido);
            QCOMPARE(g.Massimo(3), valido ? 900.0 : 240.0);
            QCOMPARE(g.Modo(), valido ? Modo_grafico::Pan : Modo_grafico::Cursori);
            QCOMPARE(g.Didascalia() + g.Didascalia_asse(1), QStringLiteral("ProvaSec"));
        }
    }
};

QTEST_MAIN(Test_grafico)
#include "test_grafico.moc"
