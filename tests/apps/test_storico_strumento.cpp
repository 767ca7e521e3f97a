// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-storico: the log's rows as text with their filters, the refusals of its
// options, --pdf with nothing to report, and the example it writes read back.
#include "comandi/storico.h"
#include "tests/storico/storico_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Esito {
    int codice;
    QString uscita, errori;
};

Esito Esegui(const QStringList& argomenti) {
    QString uscita, errori;
    QTextStream u(&uscita), e(&errori);
    const int codice = Esegui_storico(argomenti, u, e);
    u.flush();
    e.flush();
    return {codice, uscita, errori};
}
} // namespace

class Test_storico_strumento : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void prints_the_log() {
        QTemporaryDir dati;
        Test_esempio t = Test_di("Squat", 82.5, Lunedi, {812, 790, 700});
        t.rpe = 8;
        t.nota = QStringLiteral("ok");
        Scrivi_test(dati.path(), "Blu", "Carla", t);
        Scrivi_test(dati.path(), "Blu", "Carla", Test_di("Panca", 50, Lunedi.addDays(1), {600}));
        Scrivi_test(dati.path(), "Rossi", "Dario", Test_di("Squat", 100, Lunedi.addDays(3), {500}));

        Esito e = Esegui({"--data", dati.path()});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.uscita,
                 QStringLiteral("Squadra;Atleta;Data;Ora;Esercizio;Carico;Ripetizioni;Velocita;"
                                "Perdita;RPE;Nota\n"
                                "Rossi;Dario;2026-11-05;17:00;Squat;100.0;1;0.50;0.0;;\n"
                                "Blu;Carla;2026-11-03;17:00;Panca;50.0;1;0.60;0.0;;\n"
                                "Blu;Carla;2026-11-02;17:00;Squat;82.5;3;0.81;13.8;8.0;ok\n"));
        e = Esegui(
            {"--data", dati.path(), "--team", "Blu", "--exercise", "squat", "--to", "2026-11-02"});
        QCOMPARE(e.uscita.count('\n'), 2);
        QVERIFY(e.uscita.contains("Blu;Carla;2026-11-02;17:00;Squat;82.5"));
        e = Esegui({"--data", dati.path(), "--athlete", "Carla", "--from", "2026-11-03"});
        QCOMPARE(e.uscita.count('\n'), 2);
        QVERIFY(e.uscita.contains(";Panca;"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no data") << QStringList{} << "manca --data";
        QTest::newRow("bad date") << QStringList{"--data", ".", "--from", "2026-13-01"}
                                  << "data non valida per --from: \"2026-13-01\"";
        QTest::newRow("reversed") << QStringList{"--data",     ".",    "--from",
                                                 "2026-02-01", "--to", "2026-01-01"}
                                  << "--to viene prima di --from";
        QTest::newRow("unknown") << QStringList{"--data", ".", "--tema", "x"}
                                 << "opzione sconosciuta: --tema";
    }
    void refusals() {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, messaggio);
        const Esito e = Esegui(argomenti);
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.startsWith("kinetrack-storico: " + messaggio), qPrintable(e.errori));
        QVERIFY(e.errori.contains("Uso: kinetrack-storico"));
    }

    void help_missing_folder_and_pdf() {
        Esito e = Esegui({"--help"});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.uscita.contains("--write-example ATLETA"));
        QVERIFY(e.uscita.contains("\n      --version           la versione del programma\n"));
        QTemporaryDir dati;
        e = Esegui({"--data", dati.filePath("manca")});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.errori.contains("non esiste"));
        e = Esegui({"--data", dati.path(), "--pdf", dati.filePath("x.pdf")});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.errori.contains("nessun test da mettere nel PDF"));
        QVERIFY(!QFile::exists(dati.filePath("x.pdf")));
    }

    // Four weeks of three sessions a week, each with its files and record, read back.
    void writes_an_example() {
        QTemporaryDir dati;
        const Esito e = Esegui({"--data", dati.path(), "--write-example", "Ugo"});
        QCOMPARE(e.codice, 0);
        const QStringList righe = e.uscita.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(righe.size() > 60, qPrintable(e.uscita));
        QVERIFY(e.errori.contains("test d'esempio di Ugo"));
        QSet<QString> giorni, esercizi;
        for (const QString& r : righe.mid(1)) {
            const QStringList c = r.split(';');
            QCOMPARE(c[0], QStringLiteral("Esempio"));
            giorni.insert(c[2]);
            esercizi.insert(c[4]);
            QVERIFY(c[7].toDouble() > 0.1);
        }
        QVERIFY(giorni.size() >= 10);
        QCOMPARE(esercizi.size(), 3);
        QCOMPARE(QDir(dati.filePath("Esempio/Ugo")).entryList({"* test.ini"}).size(),
                 righe.size() - 1);
    }
};

QTEST_GUILESS_MAIN(Test_storico_strumento)
#include "test_storico_strumento.moc"
