// SPDX-License-Identifier: GPL-3.0-or-later
// A window's place on the screen it opens on: never larger than the free area, centred
// in it, also on a second screen beside the first.

#include "platform/moduli.h"

#include <QtTest>

class Test_moduli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void place_on_screen_data() {
        QTest::addColumn<QSize>("voluta");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("posto");
        QTest::newRow("1280x1024 under a panel")
            << QSize(1600, 1000) << QRect(0, 0, 1280, 994) << QRect(64, 50, 1152, 894);
        QTest::newRow("large screen: as asked")
            << QSize(1600, 1000) << QRect(0, 0, 2560, 1440) << QRect(480, 220, 1600, 1000);
        QTest::newRow("second screen on the right")
            << QSize(800, 600) << QRect(1920, 0, 1024, 600) << QRect(2032, 30, 800, 540);
    }
    void place_on_screen() {
        QFETCH(QSize, voluta);
        QFETCH(QRect, area);
        QFETCH(QRect, posto);
        const QRect dato = Posto_nello_schermo(voluta, area);
        QCOMPARE(dato, posto);
        QVERIFY(area.contains(dato));
    }
};

QTEST_MAIN(Test_moduli)
#include "test_moduli.moc"
