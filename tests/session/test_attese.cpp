// SPDX-License-Identifier: GPL-3.0-or-later
// The waits end on time whatever the event loop is doing: also once the application was
// told to quit (an ending signal while a message box was open), where a wait built on a
// nested event loop returned at once, again and again, and spun a core for ever.

#include "device/attesa_risposta.h"
#include "session/attendi.h"

#include <QtTest>
#include <ctime>

class Test_attese : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void attese_finiscono_in_tempo_dopo_la_chiusura() {
        qint64 attesa = 0, risposta = 0;
        double cpu = 0;
        const auto cpu_ms = [] { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; };
        bool pronta = false;
        QTimer::singleShot(0, [&] {
            QCoreApplication::quit(); // from here on nested event loops return at once
            const double cpu_prima = cpu_ms();
            QElapsedTimer t;
            t.start();
            Attendi(300);
            attesa = t.restart();
            // A reply that arrives during the wait is seen; one that never comes times out.
            QTimer::singleShot(50, [&pronta] { pronta = true; });
            QVERIFY(Attendi_finche([&pronta] { return pronta; }, 2000));
            QVERIFY(!Attendi_finche([] { return false; }, 300));
            risposta = t.elapsed();
            cpu = cpu_ms() - cpu_prima;
        });
        QCoreApplication::exec();
        QVERIFY2(attesa >= 300 && attesa < 2000, qPrintable(QString::number(attesa)));
        QVERIFY2(risposta >= 340 && risposta < 3000, qPrintable(QString::number(risposta)));
        // Sleeping, not spinning: a spinning wait burns as much CPU as it lasts.
        QVERIFY2(cpu < 0.2 * double(attesa + risposta), qPrintable(QString::number(cpu)));
    }
};

QTEST_GUILESS_MAIN(Test_attese)
#include "test_attese.moc"
