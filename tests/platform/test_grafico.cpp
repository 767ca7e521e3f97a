// The graph layer: the X axis follows new data; damaged settings files change nothing;
// the slider's two mark labels never print over each other.
#include "platform/grafico.h"
#include "platform/slider.h"
#include "tests/support/file_prova.h"

#include <QTemporaryDir>
#include <QtTest>

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

    void file_danneggiato_non_cambia_nulla_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("valido");
        QTest::newRow("vuoto") << QByteArray() << false;
        const QByteArray base = R"({"formato":"kinetrack-grafico","versione":1,"didascalia":"Prova",
            "modo":%MODO%,"plot":["p1","p2"],"cursori":["Cursor_1","Cursor_2"],
            "assi":[{"nome":"X","didascalia":"Sec","minimo":0,"massimo":10},
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
    }

    // Labels 14 px high, centres between 7 and 293.
    void etichette_dei_segni_data() {
        QTest::addColumn<int>("y0");
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("c0");
        QTest::addColumn<int>("c1");
        QTest::newRow("far apart: at their marks") << 100 << 200 << 100 << 200;
        QTest::newRow("just one label apart") << 100 << 86 << 100 << 86;
        QTest::newRow("close: around their middle") << 150 << 146 << 155 << 141;
        QTest::newRow("same value: first on top") << 150 << 150 << 143 << 157;
        QTest::newRow("at the bottom: kept inside") << 292 << 290 << 293 << 279;
        QTest::newRow("at the top: kept inside") << 8 << 9 << 7 << 21;
    }
    void etichette_dei_segni() {
        QFETCH(int, y0);
        QFETCH(int, y1);
        QFETCH(int, c0);
        QFETCH(int, c1);
        QCOMPARE(Centri_etichette({y0, y1}, 14, 7, 293), (std::array<int, 2>{c0, c1}));
    }
};

QTEST_MAIN(Test_grafico)
#include "test_grafico.moc"
