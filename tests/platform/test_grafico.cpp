// SPDX-License-Identifier: GPL-3.0-or-later
// The graph layer: the X axis follows new data; a thinned plot keeps every stretch's
// extremes; damaged settings files change nothing; the slider's two mark labels never
// print over each other. A window's place on its screen.
#include "platform/grafico.h"
#include "platform/grafico_qcp.h"
#include "platform/moduli.h"
#include "platform/slider.h"
#include "tests/support/file_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

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

        const auto tenuti = punti(1);
        QVERIFY(std::is_sorted(tenuti.begin(), tenuti.end(),
                               [](const auto& a, const auto& b) { return a.first < b.first; }));
        QVERIFY2(tenuti.size() * 3 < campioni.size(),
                 qPrintable(QString("%1 of %2").arg(tenuti.size()).arg(campioni.size())));
        std::map<long, std::vector<std::pair<double, double>>> per_tratto_campioni, per_tratto;
        for (const auto& c : campioni)
            per_tratto_campioni[std::lround(std::floor(c.first / larghezza))].push_back(c);
        for (const auto& p : tenuti)
            per_tratto[std::lround(std::floor(p.first / larghezza))].push_back(p);
        QCOMPARE(per_tratto.size(), per_tratto_campioni.size());
        for (const auto& [tratto, tutti] : per_tratto_campioni) {
            const auto& scelti = per_tratto[tratto];
            QVERIFY(!scelti.empty() && scelti.size() <= 4);
            QCOMPARE(scelti.front(), tutti.front());
            QCOMPARE(scelti.back(), tutti.back());
            const auto [minimo, massimo] =
                std::minmax_element(tutti.begin(), tutti.end(), [](const auto& a, const auto& b) {
                    return a.second < b.second;
                });
            QVERIFY(std::find(scelti.begin(), scelti.end(), *minimo) != scelti.end());
            QVERIFY(std::find(scelti.begin(), scelti.end(), *massimo) != scelti.end());
            for (const auto& p : scelti) // each one a sample of the stretch, in its order
                QVERIFY(std::find(tutti.begin(), tutti.end(), p) != tutti.end());
        }

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

    void file_danneggiato_non_cambia_nulla_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("valido");
        QTest::newRow("vuoto") << QByteArray() << false;
        const QByteArray base =
            R"({"formato":"kinetrack-grafico","versione":1,"didascalia":"Salvata",
            "modo":%MODO%,"plot":["p1","p2"],"cursori":["Cursor_1","Cursor_2"],
            "assi":[{"nome":"X","didascalia":"Secondi","minimo":0,"massimo":10},
                    {"nome":"Y_a","didascalia":"A","minimo":-5,"massimo":5},
                    {"nome":"%NOME%","didascalia":"V","minimo":%MIN%,"massimo":900}]})";
        auto variante = [&](const char* modo, const char* nome, const char* minimo) {
            QByteArray b = base;
            return b.replace("%MODO%", modo).replace("%NOME%", nome).replace("%MIN%", minimo);
        };
        QTest::newRow("sano") << variante("3", "Y_velocita", "0") << true;
        QTest::newRow("modo sconosciuto") << variante("7", "Y_velocita", "0") << false;
        QTest::newRow("minimo oltre il massimo") << variante("2", "Y_velocita", "950") << false;
    }
    void file_danneggiato_non_cambia_nulla() {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, valido);
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("grafico_0.cwx"));
        Scrivi(file, contenuto);
        Grafico_misura g(Progetto_prova());
        g.Imposta_intervallo(3, -240, 240);
        QCOMPARE(g.Carica_impostazioni(file), valido);
        QCOMPARE(g.Massimo(3), valido ? 900.0 : 240.0);
        QCOMPARE(g.Modo(), valido ? Modo_grafico::Pan : Modo_grafico::Cursori);
        // Captions come from the design, in the interface's language, never from the file.
        QCOMPARE(g.Didascalia(), QStringLiteral("Prova"));
        QCOMPARE(g.Didascalia_asse(1), QStringLiteral("Sec"));
    }

    // Labels 14 px high, centres between 7 and 293: far apart at their marks, close ones
    // around their middle (the same value: the first on top), kept inside at both ends.
    void etichette_dei_segni() {
        const std::array<int, 4> casi[] = {{100, 200, 100, 200}, {100, 86, 100, 86},
                                           {150, 146, 155, 141}, {150, 150, 143, 157},
                                           {292, 290, 293, 279}, {8, 9, 7, 21}};
        for (const auto& [y0, y1, c0, c1] : casi)
            QCOMPARE(Centri_etichette({y0, y1}, 14, 7, 293), (std::array<int, 2>{c0, c1}));
    }

    // A window's place on the screen it opens on: never larger than the free area, centred
    // in it, also on a second screen beside the first.
    void posto_nello_schermo() {
        const std::array<QRect, 3> casi[] = {
            // asked, free area, place
            {QRect(0, 0, 1600, 1000), {0, 0, 1280, 994}, {64, 50, 1152, 894}},
            {QRect(0, 0, 1600, 1000), {0, 0, 2560, 1440}, {480, 220, 1600, 1000}},
            {QRect(0, 0, 800, 600), {1920, 0, 1024, 600}, {2032, 30, 800, 540}}};
        for (const auto& [voluta, area, posto] : casi)
            QCOMPARE(Posto_nello_schermo(voluta.size(), area), posto);
    }
};

QTEST_MAIN(Test_grafico)
#include "test_grafico.moc"
