// The header strip: texts under Italian and English settings, the displacement label,
// and the layout after resizes.
#include "setup/frm_intestazione.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
Dati_esercizio_t Dati(const QString& atleta, float carico, float vmax, float sup, float inf) {
    Dati_esercizio_t dati;
    dati.Atleta = atleta;
    dati.Carico = carico;
    dati.Esercizio = "Squat";
    dati.Vmax = vmax;
    dati.Limite_sup = sup;
    dati.Limite_inf = inf;
    return dati;
}
} // namespace

class Test_frm_intestazione : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void header_lines_data() {
        QTest::addColumn<Dati_esercizio_t>("dati");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("seconda");
        const QLocale it(QLocale::Italian), en(QLocale::English);
        const QString banda = "Velocit\u00e0 Max (mm/s): 1000    Limite Sup. (%): 110    "
                              "Limite Inf. (%): 90";
        QTest::newRow("before any setup")
            << Dati_esercizio_t() << it << "Atleta:     Carico (Kg): 0    Esercizio: "
            << "Velocit\u00e0 Max (mm/s): 0    Limite Sup. (%): 0    Limite Inf. (%): 0";
        QTest::newRow("Italian") << Dati("Rossi", 82.5f, 1000, 110, 90) << it
                                 << "Atleta: Rossi    Carico (Kg): 82,5    Esercizio: Squat"
                                 << banda;
        QTest::newRow("English") << Dati("Rossi", 82.5f, 1000, 110, 90) << en
                                 << "Atleta: Rossi    Carico (Kg): 82.5    Esercizio: Squat"
                                 << banda;
        QTest::newRow("markup and odd numbers")
            << Dati("<b>Bianchi</b>", 1234567.0f, -3, 0.1f, 1e20f) << it
            << "Atleta: <b>Bianchi</b>    Carico (Kg): 1234567    Esercizio: Squat"
            << "Velocit\u00e0 Max (mm/s): -3    Limite Sup. (%): 0,1    Limite Inf. (%): 1E+20";
    }
    void header_lines() {
        QFETCH(Dati_esercizio_t, dati);
        QFETCH(QLocale, locale);
        QFETCH(QString, prima);
        QFETCH(QString, seconda);
        Frm_intestazione strip;
        QCOMPARE(strip.Lbl_spostamento->text(), QString("Spost.= 0"));
        strip.Aggiorna_intestazione(dati, locale);
        QCOMPARE(strip.Lbl_intestazione->text(), prima);
        QCOMPARE(strip.Lbl_intestazione1->text(), seconda);
        QCOMPARE(strip.Lbl_intestazione->textFormat(), Qt::PlainText); // names are not markup
    }

    // Each step "value decimals locale text": the label always shows the last value,
    // however little it changed, also across a change of settings.
    void displacement_follows_every_change_data() {
        QTest::addColumn<QStringList>("passi");
        QTest::newRow("whole centimetres") << QStringList{
            "32.9728 0 it 33", "33.4 0 it 33", "33.6 0 it 34", "-0.4 0 it 0", "-0.6 0 it -1"};
        QTest::newRow("tenths") << QStringList{"100 1 it 100,0", "-0.04 1 it 0,0",
                                               "-0.06 1 it -0,1"};
        QTest::newRow("same value, other decimals or settings")
            << QStringList{"12.5 0 it 13", "12.5 1 it 12,5", "12.5 1 en 12.5"};
        QTest::newRow("ties") << QStringList{"0.25 1 en 0.3", "-0.25 1 en -0.3", "1.005 2 en 1.01",
                                             "1.0049 2 en 1.00"};
    }
    void displacement_follows_every_change() {
        QFETCH(QStringList, passi);
        Frm_intestazione strip;
        for (const QString& passo : passi) {
            const QStringList p = passo.split(' ');
            const QLocale locale(p[2] == "en" ? QLocale::English : QLocale::Italian);
            strip.Aggiorna_intestazione(Dati_esercizio_t(), locale);
            strip.Mostra_spostamento(p[0].toDouble(), p[1].toInt());
            QCOMPARE(strip.Lbl_spostamento->text(), "Spost(cm)=  " + p[3]);
        }
    }

    void layout_follows_the_main_window_data() {
        QTest::addColumn<QList<QSize>>("misure");
        QTest::addColumn<QList<QRect>>("attese"); // strip, button, line 1, line 2, displacement
        const QList<QRect> grande = {{0, 0, 1200, 96},
                                     {0, 0, 133, 96},
                                     {153, 3, 1067, 48},
                                     {153, 51, 711, 48},
                                     {864, 51, 150, 48}};
        QTest::newRow("large") << QList<QSize>{{1200, 800}} << grande;
        QTest::newRow("resized several times")
            << QList<QSize>{{900, 500}, {300, 90}, {1200, 800}} << grande;
        QTest::newRow("small") << QList<QSize>{{301, 101}}
                               << QList<QRect>{{0, 0, 301, 12},
                                               {0, 0, 33, 12},
                                               {53, 3, 268, 6},
                                               {53, 9, 178, 6},
                                               {231, 9, 37, 6}};
    }
    void layout_follows_the_main_window() {
        QFETCH(QList<QSize>, misure);
        QFETCH(QList<QRect>, attese);
        QWidget principale;
        auto* strip = new Frm_intestazione(&principale);
        for (const QSize& misura : misure) strip->riposiziona(misura.width(), misura.height());
        const QList<QRect> ottenute = {strip->geometry(), strip->Button_Configura->geometry(),
                                       strip->Lbl_intestazione->geometry(),
                                       strip->Lbl_intestazione1->geometry(),
                                       strip->Lbl_spostamento->geometry()};
        QCOMPARE(ottenute, attese);
    }
};

QTEST_MAIN(Test_frm_intestazione)
#include "test_frm_intestazione.moc"
