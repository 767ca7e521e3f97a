// The header strip: texts under Italian and English settings, the displacement label,
// and the layout after resizes.
#include "setup/frm_intestazione.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class Test_frm_intestazione : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void header_lines_data() {
        QTest::addColumn<Dati_esercizio_t>("dati");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("righe");
        const Dati_esercizio_t rossi{.Atleta = "<b>Rossi</b>",
                                     .Carico = 82.5f,
                                     .Esercizio = "Squat",
                                     .Vmax = 1000,
                                     .Limite_sup = 110,
                                     .Limite_inf = 90,
                                     .Cartella_dati = {},
                                     .Squadra = {}};
        const QString banda = "\nVelocit\u00e0 Max (mm/s): 1000    Limite Sup. (%): 110    "
                              "Limite Inf. (%): 90";
        QTest::newRow("before any setup")
            << Dati_esercizio_t() << QLocale(QLocale::Italian)
            << "Atleta:     Carico (Kg): 0    Esercizio: \n"
               "Velocit\u00e0 Max (mm/s): 0    Limite Sup. (%): 0    Limite Inf. (%): 0";
        QTest::newRow("Italian")
            << rossi << QLocale(QLocale::Italian)
            << "Atleta: <b>Rossi</b>    Carico (Kg): 82,5    Esercizio: Squat" + banda;
        QTest::newRow("English")
            << rossi << QLocale(QLocale::English)
            << "Atleta: <b>Rossi</b>    Carico (Kg): 82.5    Esercizio: Squat" + banda;
    }
    void header_lines() {
        QFETCH(Dati_esercizio_t, dati);
        QFETCH(QLocale, locale);
        QFETCH(QString, righe);
        Frm_intestazione strip;
        QCOMPARE(strip.Lbl_spostamento->text(), QString("Spost.= 0"));
        strip.Aggiorna_intestazione(dati, locale);
        QCOMPARE(strip.Lbl_intestazione->text() + "\n" + strip.Lbl_intestazione1->text(), righe);
        QCOMPARE(strip.Lbl_intestazione->textFormat(), Qt::PlainText); // names are not markup
    }

    // Each step "value decimals locale text": the label always shows the last value,
    // however little it changed, also across a change of decimals or settings.
    void displacement_follows_every_change() {
        Frm_intestazione strip;
        for (const char* passo : {"33.4 0 it 33", "33.6 0 it 34", "-0.6 0 it -1", "-0.04 1 it 0,0",
                                  "12.5 0 it 13", "12.5 1 it 12,5", "12.5 1 en 12.5"}) {
            const QStringList p = QString(passo).split(' ');
            strip.Aggiorna_intestazione(
                {}, QLocale(p[2] == "en" ? QLocale::English : QLocale::Italian));
            strip.Spostamento(p[0].toDouble(), p[1].toInt());
            QCOMPARE(strip.Lbl_spostamento->text(), "Spost(cm)=  " + p[3]);
        }
    }

    void layout_follows_the_main_window() {
        QWidget principale;
        auto* strip = new Frm_intestazione(&principale);
        for (const QSize misura : {QSize(900, 500), QSize(300, 90), QSize(1200, 800)})
            strip->riposiziona(misura.width(), misura.height());
        QCOMPARE(
            (QList<QRect>{strip->geometry(), strip->Button_Configura->geometry(),
                          strip->Lbl_intestazione->geometry(), strip->Lbl_intestazione1->geometry(),
                          strip->Lbl_spostamento->geometry()}),
            (QList<QRect>{{0, 0, 1200, 96},
                          {0, 0, 133, 96},
                          {153, 3, 1067, 48},
                          {153, 51, 711, 48},
                          {864, 51, 150, 48}}));
    }
};

QTEST_MAIN(Test_frm_intestazione)
#include "test_frm_intestazione.moc"
