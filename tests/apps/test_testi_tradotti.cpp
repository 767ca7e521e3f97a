// SPDX-License-Identifier: GPL-3.0-or-later
// With a catalogue installed after start-up, the tools' usage and refusals, the engine's
// messages, the printed tables' words and the log's words come out translated; what is
// written or printed as data (the numbers, the log's rows) stays as it is.
#include "comandi/cattura.h"
#include "comandi/profilo.h"
#include "comandi/replay.h"
#include "comandi/storico.h"
#include "datafiles/lettura_sommario.h"
#include "rapporto/testi_storico.h"
#include "storico/prontezza.h"
#include "stream/lista_valori.h"
#include "tests/support/traduttore_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
using Esegui = int (*)(const QStringList&, QTextStream&, QTextStream&);
struct Esito {
    int codice;
    QString uscita, errori;
};
Esito Avvia(Esegui esegui, const QStringList& argomenti) {
    QString uscita, errori;
    QTextStream u(&uscita), e(&errori);
    const int codice = esegui(argomenti, u, e);
    u.flush();
    e.flush();
    return {codice, uscita, errori};
}
} // namespace

class Test_testi_tradotti : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usage_and_refusals_data() {
        QTest::addColumn<void*>("esegui");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("sbagliato");
        QTest::addColumn<QString>("rifiuto");
        QTest::newRow("replay") << reinterpret_cast<void*>(&Esegui_replay) << "kinetrack-replay"
                                << QStringList{"--bogus", "1"} << "«opzione sconosciuta: --bogus»";
        QTest::newRow("capture") << reinterpret_cast<void*>(&Esegui_cattura) << "kinetrack-capture"
                                 << QStringList{"--reps", "x"}
                                 << "«valore non valido per --reps: \"x\" (da 0 a 100000)»";
        QTest::newRow("profile") << reinterpret_cast<void*>(&Esegui_profilo) << "kinetrack-profilo"
                                 << QStringList{"--folder", "."} << "«manca --exercise»";
        QTest::newRow("log") << reinterpret_cast<void*>(&Esegui_storico) << "kinetrack-storico"
                             << QStringList{"--data", ".", "a", "b"}
                             << "«un solo file di «ingresso»: \"b\"»";
    }
    void usage_and_refusals() {
        QFETCH(void*, esegui);
        QFETCH(QString, nome);
        QFETCH(QStringList, sbagliato);
        QFETCH(QString, rifiuto);
        const auto funzione = reinterpret_cast<Esegui>(esegui);
        const Traduttore_prova traduttore;
        Esito e = Avvia(funzione, {"--help"});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.uscita.startsWith("«Uso: " + nome + " "), qPrintable(e.uscita));
        e = Avvia(funzione, sbagliato);
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.startsWith(nome + ": " + rifiuto + "\n«Uso: "), qPrintable(e.errori));
    }

    // What the capture and the replay print: the words translated, the numbers as they are.
    void printed_tables() {
        const Traduttore_prova traduttore;
        QVERIFY(Lista_valori::Didascalia_gruppi().contains("«FASE CONCENTRICA»"));
        QTemporaryDir dir;
        const QString cattura = dir.filePath("serie.bin");
        Esito e = Avvia(&Esegui_cattura, {"--link", "serial", "--board-type", "1", "--seed", "7",
                                          "--reps", "3", cattura});
        QCOMPARE(e.codice, 0);
        QStringList righe = e.uscita.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(righe.size() > 2 && righe[0].startsWith("# «") && righe[1].startsWith("«Rip\t") &&
                     !righe[2].contains("«"),
                 qPrintable(e.uscita));
        e = Avvia(&Esegui_replay,
                  {"--link", "serial", "--board-type", "1", "--min-amplitude", "100", "--vmax",
                   "1000", "--upper", "110", "--lower", "90", cattura});
        QCOMPARE(e.codice, 0);
        righe = e.uscita.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(righe.size() > 1 && righe[0].startsWith("«N°Rip»\t«Tempo»\t«Durata»\t") &&
                     righe[0].endsWith("\t«Fascia»") && righe[1].endsWith("»") &&
                     !righe[1].startsWith("«"),
                 qPrintable(e.uscita));
    }

    // The log's words, a refused file and the log's rows.
    void log_words_and_rows() {
        const Traduttore_prova traduttore;
        QCOMPARE(Testo_esito(Esito_prontezza::Sotto), QStringLiteral("«sotto»"));
        QTemporaryDir dati;
        QCOMPARE(Leggi_zone_velocita(dati.path()).constFirst().nome,
                 QStringLiteral("«Forza massima»"));
        QFile vuoto(dati.filePath("vuoto.csv"));
        QVERIFY(vuoto.open(QIODevice::WriteOnly));
        vuoto.close();
        QString difetto;
        QVERIFY(!Leggi_vpropulsiva_analisi(vuoto.fileName(), difetto));
        QVERIFY2(difetto.startsWith("«"), qPrintable(difetto));
        const Esito e = Avvia(&Esegui_storico, {"--data", dati.path()});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.uscita.startsWith("Squadra;Atleta;Data;"), qPrintable(e.uscita));
        QVERIFY(Avvia(&Esegui_storico, {"--data", dati.filePath("manca")})
                    .errori.contains("«la cartella dei dati"));
    }
};

QTEST_GUILESS_MAIN(Test_testi_tradotti)
#include "test_testi_tradotti.moc"
