// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts under Italian and English regional settings.
#include "session/formato.h"

#include <QTest>

class Test_formato : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Patterns round half away from zero: the English and the Italian text.
    void numeri_nel_testo() {
        const std::tuple<double, const char*, QString> casi[] = {
            {double(523.6f), "0", "524 524"},
            {-2.5, "0", "-3 -3"},
            {1.237, "0.00", "1.24 1,24"},
            {1.005, "0.00", "1.01 1,01"},
            {-0.0002, "0.00000", "-0.00020 -0,00020"},
            {9.996, "0.00", "10.00 10,00"},
            {-0.3, "0", "0 0"}}; // never "-0"
        for (const auto& [valore, modello, attese] : casi)
            QCOMPARE(Formatta(valore, modello, QLocale(QLocale::English)) + ' ' +
                         Formatta(valore, modello, QLocale(QLocale::Italian)),
                     attese);
        // Plain numbers: the fewest digits, the regional separator.
        const QLocale it(QLocale::Italian), en(QLocale::English);
        QCOMPARE(
            (QStringList{Testo_numero(80.0f, it), Testo_numero(82.5f, it), Testo_numero(82.5f, en),
                         Testo_numero(-3.0f, en), Testo_numero(0.1f, en), Testo_numero(1e20f, en)}),
            (QStringList{"80", "82,5", "82.5", "-3", "0.1", "1E+20"}));
    }
};

QTEST_GUILESS_MAIN(Test_formato)
#include "test_formato.moc"
