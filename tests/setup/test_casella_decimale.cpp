// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry takes "," and "." alike as the decimal separator under Italian and English
// settings (the graph editor's axis range is such a field too).
#include "platform/casella_decimale.h"

#include <QtTest>

class Test_casella_decimale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // While typing the field shows the regional separator; the value, from a field that held 7.
    void numeri_scritti() {
        const QLocale it(QLocale::Italian), en(QLocale::English);
        const std::tuple<QLocale, QString, QString, double> casi[] = {
            {it, "12.5", "12,5", 12.5},
            {it, "12,5", "12,5", 12.5},
            {en, "-12,25", "-12.25", -12.25},
            {it, "1.000", "1,00", 1.0},  // thousands are not a group
            {en, "1.2.3", "1.23", 1.23}, // the second separator is dropped
            {it, "1,234", "1,23", 1.23},
            {en, "abc", "", 7.0}};
        for (const auto& [locale, testo, mostrato, valore] : casi) {
            Casella_decimale campo;
            campo.setLocale(locale);
            campo.setRange(-1000, 1000);
            campo.setDecimals(2);
            campo.setValue(7);
            campo.selectAll();
            QTest::keyClick(&campo, Qt::Key_Delete);
            QTest::keyClicks(&campo, testo);
            QCOMPARE(campo.text(), mostrato);
            campo.interpretText();
            QCOMPARE(campo.value(), valore);
        }
    }
};

QTEST_MAIN(Test_casella_decimale)
#include "test_casella_decimale.moc"
