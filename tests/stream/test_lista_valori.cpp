// The value list's texts: row cells under Italian and English regional settings,
// headers and group caption.
#include "analysis/lista_valori.h"

#include <QTest>

class Test_lista_valori : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void row_texts_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("attesa");
        QTest::newRow("english") << QLocale(QLocale::English)
                                 << QStringList{"12",   "12.35", "1.24", "200",  "524",
                                                "1234", "0.13",  "80",   "0.80", "-190",
                                                "0",    "-1501", "2.00", "50"};
        QTest::newRow("italian") << QLocale(QLocale::Italian)
                                 << QStringList{"12",   "12,35", "1,24", "200",  "524",
                                                "1234", "0,13",  "80",   "0,80", "-190",
                                                "0",    "-1501", "2,00", "50"};
    }
    void row_texts() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, attesa);
        Ripetizione r;
        r.Tempo_inizio = 12.345f;
        r.Durata_conc = 1.237f;
        r.Spost_conc = 199.5f;
        r.Vmedia_conc = 523.6f;
        r.Vmax_conc = 1234.4f; // no thousands separator
        r.TdiVmax_conc = 0.125f;
        r.SdiVmax_conc = 80.49f;
        r.Durata_ecc = 0.8f;
        r.Spost_ecc = -190.2f;
        r.Vmedia_ecc = -0.4f; // no "-0"
        r.Vmax_ecc = -1500.5f;
        r.TdiVmax_ecc = 2.0f;
        r.SdiVmax_ecc = 49.5f;
        r.Durata_totale = 99.0f; // not shown
        const auto riga = Lista_valori::Formatta_riga(r, 12, locale);
        QCOMPARE(QStringList(riga.begin(), riga.end()), attesa);
    }

    void headers_and_caption() {
        const auto& intestazioni = Lista_valori::Intestazioni();
        QCOMPARE(
            QStringList(intestazioni.begin(), intestazioni.end()),
            (QStringList{"N°Rip", "Tempo", "Durata", "Spost.", "Vmedia", "Vmax", "TdiVmax",
                         "SdiVmax", "Durata", "Spost.", "Vmedia", "Vmax", "TdiVmax", "SdiVmax"}));
        const QString didascalia = Lista_valori::Didascalia_gruppi();
        QCOMPARE(didascalia.size(), 156);
        QCOMPARE(didascalia.indexOf("VALORI ASSOLUTI"), 5);
        QCOMPARE(didascalia.indexOf("FASE CONCENTRICA"), 5 + 15 + 41);
        QCOMPARE(didascalia.indexOf("FASE ECCENTRICA"), 5 + 15 + 41 + 16 + 64);
    }
};

QTEST_GUILESS_MAIN(Test_lista_valori)
#include "test_lista_valori.moc"
