// Number texts under Italian and English regional settings.
#include "session/formato.h"

#include <QTest>

class Test_formato : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void patterns_round_half_away_from_zero_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("inglese");
        QTest::addColumn<QString>("italiano");
        QTest::newRow("whole") << 123.6 << "0" << "124" << "124";
        QTest::newRow("tie up") << 2.5 << "0" << "3" << "3";
        QTest::newRow("negative tie") << -2.5 << "0" << "-3" << "-3";
        QTest::newRow("two decimals") << 1.237 << "0.00" << "1.24" << "1,24";
        QTest::newRow("decimal tie") << 1.005 << "0.00" << "1.01" << "1,01";
        QTest::newRow("four") << 1.5 << "0.0000" << "1.5000" << "1,5000";
        QTest::newRow("five") << 0.01 << "0.00000" << "0.01000" << "0,01000";
        QTest::newRow("negative five") << -0.0002 << "0.00000" << "-0.00020" << "-0,00020";
        QTest::newRow("carry") << 9.996 << "0.00" << "10.00" << "10,00";
        QTest::newRow("negative to zero") << -0.3 << "0" << "0" << "0";
        QTest::newRow("large") << 1234567.0 << "0.0" << "1234567.0" << "1234567,0";
        QTest::newRow("single") << double(523.6f) << "0" << "524" << "524";
        QTest::newRow("tiny") << 1e-9 << "0.00" << "0.00" << "0,00";
    }
    void patterns_round_half_away_from_zero() {
        QFETCH(double, valore);
        QFETCH(QString, modello);
        QFETCH(QString, inglese);
        QFETCH(QString, italiano);
        const QByteArray m = modello.toLatin1();
        QCOMPARE(Formatta(valore, m.constData(), QLocale(QLocale::English)), inglese);
        QCOMPARE(Formatta(valore, m.constData(), QLocale(QLocale::Italian)), italiano);
    }

    void plain_single_conversion() {
        const QLocale it(QLocale::Italian), en(QLocale::English);
        QCOMPARE(Testo_numero(80.0f, it), QString("80"));
        QCOMPARE(Testo_numero(82.5f, it), QString("82,5"));
        QCOMPARE(Testo_numero(82.5f, en), QString("82.5"));
        QCOMPARE(Testo_numero(-3.0f, en), QString("-3"));
        QCOMPARE(Testo_numero(0.1f, en), QString("0.1"));
        QCOMPARE(Testo_numero(1e20f, en), QString("1E+20"));
        QCOMPARE(Testo_numero(0.0f, it), QString("0"));
    }
};

QTEST_GUILESS_MAIN(Test_formato)
#include "test_formato.moc"
