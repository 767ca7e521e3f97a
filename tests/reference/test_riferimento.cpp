// SPDX-License-Identifier: GPL-3.0-or-later
// A stored capture (serial link, board type 1, five repetitions) through kinetrack-replay
// under Italian and English settings: the sample, summary and lift analysis files must be
// the stored ones byte for byte (CR LF, Latin-1, the locale's decimal separator).
//
// To rebuild the stored files after a deliberate change of the file formats:
//   kinetrack-capture --link serial --board-type 1 --seed 7 --reps 5 serie_tipo1.bin
//   kinetrack-replay <Opzioni() below> --locale L --samples serie_tipo1_L.txt
//                    --summary serie_tipo1_L.csv --analysis serie_tipo1_L.analisi.csv
//                    serie_tipo1.bin      (L = it_IT, en_US)
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Cartella = QStringLiteral(KT_RIFERIMENTI);

QStringList Opzioni() {
    return {"--link",          "serial",        "--board-type", "1",
            "--min-amplitude", "100",           "--vmax",       "300",
            "--upper",         "110",           "--lower",      "90",
            "--athlete",       "Niccolò Rossi", "--exercise",   "Panca piana",
            "--load",          "62.5",          "--time",       "2026-03-14T09:30:00"};
}

} // namespace

class Test_riferimento : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void file_uguali_ai_riferimenti_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("estensione"); // txt: samples, csv: summary
        for (const char* locale : {"it_IT", "en_US"})
            for (const char* estensione : {"txt", "csv", "analisi.csv"})
                QTest::addRow("%s %s", locale, estensione) << locale << estensione;
    }
    void file_uguali_ai_riferimenti() {
        QFETCH(QString, locale);
        QFETCH(QString, estensione);
        const QString prodotto = dir.filePath(locale + "." + estensione);
        const Esito_programma e =
            Esegui_programma(KT_REPLAY, Opzioni() << "--locale" << locale << "--samples"
                                                  << dir.filePath(locale + ".txt") << "--summary"
                                                  << dir.filePath(locale + ".csv") << "--analysis"
                                                  << dir.filePath(locale + ".analisi.csv")
                                                  << Cartella + "/serie_tipo1.bin");
        QVERIFY2(e.codice == 0, qPrintable(e.errori));
        const QByteArray atteso = Contenuto(Cartella + "/serie_tipo1_" + locale + "." + estensione);
        QVERIFY(atteso.size() > 200);
        // Line by line: a difference shows its first line.
        QCOMPARE(Contenuto(prodotto).split('\n'), atteso.split('\n'));
    }
};

QTEST_GUILESS_MAIN(Test_riferimento)
#include "test_riferimento.moc"
