// kinetrack-capture's listing: one row per repetition the program lists, each with the
// script's lift it measures.
#include "board/cattura.h"

#include <QTemporaryDir>
#include <QtTest>

class Test_cattura : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    // Scripts with a twitch in every top hold: with the default minimum the rows are the
    // five lifts; with 10 mm some twitches are rows too, and the lifts keep their rows.
    void rows_are_the_lifts_data() {
        QTest::addColumn<QString>("opzioni");
        for (const char* link : {"serial", "hid"}) {
            const QString base = QString("--link %1 --board-type 1 --reps 5 --twitch 1").arg(link);
            QTest::addRow("%s default minimum", link) << base;
            QTest::addRow("%s twitches listed", link) << base + " --min-amplitude 10";
        }
    }
    void rows_are_the_lifts() {
        QFETCH(QString, opzioni);
        qsizetype tutte = 0;
        for (const char* seme : {"3", "7", "11"}) {
            QString testo, errori;
            QTextStream uscita(&testo), err(&errori);
            const QStringList argomenti = opzioni.split(' ')
                                          << "--seed" << seme << dir.filePath("c.bin");
            QCOMPARE(Esegui_cattura(argomenti, uscita, err), 0);
            QStringList righe = testo.split('\n', Qt::SkipEmptyParts);
            QVERIFY(righe.size() > 2 && righe[1].startsWith("Rip\t"));
            righe.remove(0, 2);
            tutte += righe.size();
            int alzate = 0;
            for (const QString& riga : righe) {
                const QStringList campi = riga.split('\t');
                QCOMPARE(campi.size(), 6);
                const double spostamento = campi[1].toDouble();
                if (spostamento < 100) { // a twitch: no lift of the script
                    QCOMPARE(campi[4], QString("-"));
                    continue;
                }
                ++alzate;
                QVERIFY2(std::abs(campi[4].toDouble() - spostamento) < 25, qPrintable(riga));
            }
            QCOMPARE(alzate, 5);
        }
        if (opzioni.contains("--min-amplitude"))
            QVERIFY(tutte > 15);
        else
            QCOMPARE(tutte, 15);
    }

    void options_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo"); // on standard output for 0, else on errors
        QTest::newRow("help") << "--help" << 0 << "uso: kinetrack-capture ";
        QTest::newRow("-h") << "--link hid -h" << 0 << "uso: kinetrack-capture ";
        const QString base = "--link hid --board-type 1 --seed 1 ";
        QTest::newRow("type") << base + "--board-type 256" << 2 << "\"256\" (da 0 a 255)";
        QTest::newRow("reps") << base + "--reps 2.5" << 2 << "\"2.5\" (da 0 a 100000)";
        QTest::newRow("twitch") << base + "--twitch 1.5" << 2 << "\"1.5\" (da 0 a 1)";
    }
    void options() {
        QFETCH(QString, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QString uscita, errori;
        QTextStream u(&uscita), e(&errori);
        QCOMPARE(Esegui_cattura(argomenti.split(' ') << dir.filePath("o.bin"), u, e), codice);
        QVERIFY2((codice == 0 ? uscita : errori).contains(testo), qPrintable(uscita + errori));
    }
};

QTEST_GUILESS_MAIN(Test_cattura)
#include "test_cattura.moc"
