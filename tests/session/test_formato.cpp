// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts under Italian and English regional settings.
#include "session/formato.h"

#include <QTest>

class Test_formato : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Pattern, then the English and the Italian text.
    void modelli_arrotondano_lontano_da_zero_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("attese");
        QTest::newRow("single") << double(523.6f) << "0 524 524";
        QTest::newRow("negative tie") << -2.5 << "0 -3 -3";
        QTest::newRow("two decimals") << 1.237 << "0.00 1.24 1,24";
        QTest::newRow("decimal tie") << 1.005 << "0.00 1.01 1,01";
        QTest::newRow("negative five") << -0.0002 << "0.00000 -0.00020 -0,00020";
        QTest::newRow("carry") << 9.996 << "0.00 10.00 10,00";
        QTest::newRow("negative to zero") << -0.3 << "0 0 0";
    }
    void modelli_arrotondano_lontano_da_zero() {
        QFETCH(double, valore);
        QFETCH(QString, attese);
        const QStringList a = attese.split(' ');
        const QByteArray modello = a[0].toLatin1();
        QCOMPARE(Formatta(valore, modello.constData(), QLocale(QLocale::English)), a[1]);
        QCOMPARE(Formatta(valore, modello.constData(), QLocale(QLocale::Italian)), a[2]);
    }

    void conversione_semplice() {
        const QLocale it(QLocale::Italian), en(QLocale::English);
        QCOMPARE(
            (QStringList{Testo_numero(80.0f, it), Testo_numero(82.5f, it), Testo_numero(82.5f, en),
                         Testo_numero(-3.0f, en), Testo_numero(0.1f, en), Testo_numero(1e20f, en)}),
            (QStringList{"80", "82,5", "82.5", "-3", "0.1", "1E+20"}));
    }
};

QTEST_GUILESS_MAIN(Test_formato)
#include "test_formato.moc"
