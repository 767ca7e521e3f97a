// SPDX-License-Identifier: GPL-3.0-or-later
// With a catalogue installed after start-up, the tools' usage and refusals, the engine's
// messages and the log's words come out translated; what is written or printed as data
// (the replay's table, the log's rows) stays as it is.
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

    // The value list's headers are shown translated and printed as they are.
    void headers_shown_and_printed() {
        const Traduttore_prova traduttore;
        QCOMPARE(Lista_valori::Intestazione_mostrata(0), QStringLiteral("«N°Rip»"));
        QVERIFY(Lista_valori::Didascalia_gruppi().contains("«FASE CONCENTRICA»"));
        Opzioni_replay opzioni;
        Riproduzione riproduzione(opzioni);
        QString tabella;
        QTextStream uscita(&tabella);
        riproduzione.Stampa_tabella(uscita);
        QVERIFY2(tabella.startsWith("N°Rip\tTempo\tDurata\t") && !tabella.contains("«"),
                 qPrintable(tabella));
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
