// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tools as built (the replay's files are checked byte for byte by the
// reference test): usage, version, language and refusals, with no display at all; damaged,
// cut or mislabelled captures replayed with a warning, never a crash; the profile's
// estimate, the log's rows and the examples both tools write; and, with a catalogue
// installed, which of the tools' texts go through the translation.
#include "cli/cattura.h"
#include "cli/profilo.h"
#include "cli/replay.h"
#include "cli/storico.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/scelte_analisi.h"
#include "log/prontezza.h"
#include "log/testi_storico.h"
#include "stream/lista_valori.h"
#include "tests/log/storico_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"
#include "tests/support/profilo_prova.h"
#include "tests/support/traduttore_prova.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A generated set of five repetitions as the link carries it.
QByteArray Cattura(Collegamento l, int tipo, std::uint32_t seme) {
    Parametri_copione p;
    p.ripetizioni = 5;
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(p, seme), tipo, l).Tutti(record);
    return Byte_cattura(record, l);
}
QString Strumento(const QString& lettera) {
    static const QHash<QString, QString> strumenti{
        {"r", KT_REPLAY},  {"c", KT_CATTURA}, {"k", KT_KINETRACK}, {"b", KT_SCHEDA},
        {"p", KT_PROFILO}, {"s", KT_STORICO}, {"d", KT_DEMO}};
    return strumenti.value(lettera);
}
// The rows of a table kept in tests/reference/, less blank lines and comments.
QStringList Righe_dati(const QString& nome) {
    return QString::fromUtf8(Contenuto(KT_RIFERIMENTI "/" + nome))
        .split('\n', Qt::SkipEmptyParts)
        .filter(QRegularExpression("^[^#]"));
}
} // namespace

class Test_strumenti : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString atleta = dir.filePath("atleta");

private Q_SLOTS:
    void initTestCase() {
        QStringList nomi;
        Scrivi_test_retta(atleta, "Squat", {40, 60, 80, 100}, 1.5, -0.01, QLocale(QLocale::Italian),
                          0, &nomi);
        QVERIFY(QFile::copy(nomi[2], atleta + "/Z copia.csv")); // a copy of a test: one point
        Scrivi_test_retta(atleta, "Panca", {50}, 0.9, -0.01, QLocale::c(), 10);
        Scrivi_test_retta(atleta, "Stacco", {100, 105}, 1.5, -0.01, QLocale::c(), 20);
        Scelte_esercizio scelte;
        scelte.V1rm = 0.40f;
        QVERIFY(!Salva_scelte_analisi(atleta, "Squat", scelte));
    }

    // The runs in tests/reference/strumenti_risposte.txt, first each tool's usage and
    // version. The usage and the version on standard output wherever the option
    // stands, in Italian with no display (kinetrack over ssh), or in the language chosen in the
    // program or asked by --lang; a refusal on standard error after the tool's name, with the
    // allowed range when there is one, and no estimate.
    void risposte_alle_opzioni_data() {
        QTest::addColumn<QStringList>("r");
        for (const QString& riga : Righe_dati("strumenti_risposte.txt"))
            QTest::newRow(qPrintable(riga)) << riga.split('|');
    }
    void risposte_alle_opzioni() {
        QFETCH(QStringList, r);
        const QString nome = QFileInfo(Strumento(r[0])).fileName();
        const QString file = dir.filePath("ingresso.bin");
        QFile::remove(file);
        if (r[5] != "-")
            Scrivi(file, r[5] == "0"    ? QByteArray()
                         : r[5] == "64" ? QByteArray(64, '\x01')
                                        : QByteArray(6 * 10, '\x02'));
        QStringList opzioni = r[2].split(' ');
        for (QString& o : opzioni) o.replace("CARTELLA", atleta).replace("FILE", file);
        const QString config = dir.filePath("config-" + r[1]);
        if (r[1] != "-")
            Scrivi(config + "/kinetrack/kinetrack.ini",
                   "[Interfaccia]\nLingua=" + r[1].toUtf8() + "\n"); // folders made
        const Esito_programma e = Esegui_programma(Strumento(r[0]), opzioni,
                                                   {{"DISPLAY", {}},
                                                    {"WAYLAND_DISPLAY", {}},
                                                    {"QT_QPA_PLATFORM", {}},
                                                    {"XDG_RUNTIME_DIR", dir.path()},
                                                    {"XDG_CONFIG_HOME", config}});
        const QString testo = QString(r[4])
                                  .replace("FILE", file)
                                  .replace("VERSIONE", KT_VERSIONE_ATTESA)
                                  .replace("\\n", "\n")
                                  .replace("\\t", "\t");
        QCOMPARE(e.codice, r[3].toInt());
        if (e.codice == 0) {
            QVERIFY2(testo.startsWith("...") ? e.uscita.contains(testo.mid(3))
                                             : e.uscita.startsWith(testo),
                     qPrintable(e.uscita));
            if (!testo.startsWith("...")) QCOMPARE(e.errori, QString()); // a copy is told
        } else {
            QVERIFY2(e.errori.startsWith(nome + ": ") && e.errori.contains(testo) &&
                         e.errori.trimmed().size() > 25,
                     qPrintable(e.errori));
            QVERIFY(!e.uscita.contains("e1RM") && !QFileInfo::exists(file + ".pdf"));
        }
        if (r[1] == "-" && !r[2].contains("--lang"))
            for (const char* inglese : {"Usage", "Options", "Displays", "Unknown"})
                QVERIFY2(!(e.uscita + e.errori).contains(inglese), qPrintable(e.uscita + e.errori));
    }

    // A capture cut inside a record is replayed up to its last whole one, as if it ended
    // there; a type byte the program does not know is taken as type 3; a capture replayed as
    // the other link's decodes to jumps no bar makes, with the other link to try. Each is told
    // once; the table and the files come out as always. The cases are in
    // tests/reference/strumenti_catture.txt.
    void catture_da_avvisare_data() {
        QTest::addColumn<QStringList>("r");
        for (const QString& riga : Righe_dati("strumenti_catture.txt"))
            QTest::newRow(qPrintable(riga)) << riga.split('|');
    }
    void catture_da_avvisare() {
        QFETCH(QStringList, r);
        const int tipo = r[2].toInt();
        const Collegamento l = r[0] == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        const QByteArray intera = Cattura(l, tipo == 0 ? 3 : tipo, 9);
        const QString nome_intera = dir.filePath("intera.bin"), nome = dir.filePath("t.bin"),
                      sommario = dir.filePath("t.csv");
        Scrivi(nome_intera, intera);
        Scrivi(nome, intera + QByteArray(r[3].toInt(), '\x05'));
        QFile::remove(sommario);
        const QStringList opzioni{"--link",          r[1],  "--board-type", r[2],
                                  "--min-amplitude", "100", "--summary",    sommario};
        const Esito_programma e = Esegui_programma(KT_REPLAY, opzioni + QStringList{nome});
        QCOMPARE(e.codice, 0);
        QVERIFY(QFileInfo::exists(sommario));
        QStringList righe = e.errori.split('\n', Qt::SkipEmptyParts);
        for (const QString& pezzo : QString(r[4]).replace("FILE", nome).split("…"))
            righe = righe.filter(pezzo);
        if (r[4].isEmpty())
            QCOMPARE(e.errori, QString());
        else
            QVERIFY2(righe.size() == 1 && righe[0].startsWith("kinetrack-replay: "),
                     qPrintable(e.errori));
        if (r[0] != r[1]) return;
        const QStringList tabella = e.uscita.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(tabella.size(), 1 + 5);
        QCOMPARE(tabella[1].split('\t').size(), 15);
        if (r[3] != "0")
            QCOMPARE(e.uscita,
                     Esegui_programma(KT_REPLAY, opzioni + QStringList{nome_intera}).uscita);
    }

    // The log's rows newest first, with their filters, and Carla's squat readiness, oldest
    // first, a drop flagged once three sessions make a baseline (each run's rows after a "--").
    void righe_del_diario() {
        QTemporaryDir dati;
        Test_esempio t = Test_di("Squat", 82.5, Lunedi, {812, 790, 700});
        t.rpe = 8;
        t.nota = QStringLiteral("ok");
        Scrivi_test(dati.path(), "Blu", "Carla", t);
        for (int giorno : {1, 2, 3})
            Scrivi_test(dati.path(), "Blu", "Carla",
                        Test_di("Squat", 82.5, Lunedi.addDays(-giorno), {900.0 + 10 * giorno}));
        Scrivi_test(dati.path(), "Blu", "Carla", Test_di("Panca", 50, Lunedi.addDays(1), {600}));
        Scrivi_test(dati.path(), "Rossi", "Dario", Test_di("Squat", 100, Lunedi.addDays(3), {500}));
        QString righe;
        for (const QStringList& filtri :
             {QStringList{},
              {"--team", "Blu", "--exercise", "squat", "--to", "2026-11-02"},
              {"--athlete", "Carla", "--from", "2026-11-03"},
              {"--athlete", "Carla", "--exercise", "squat", "--readiness"}}) {
            Esito_programma e =
                Esegui_in_processo(&Esegui_storico, QStringList{"--data", dati.path()} + filtri);
            righe += QString("--%1\n").arg(e.codice) +
                     e.uscita.remove("Squadra;Atleta;Data;Ora;Esercizio;Carico;Ripetizioni;"
                                     "Velocita;Perdita;RPE;Nota\n");
        }
        QCOMPARE(righe, QString::fromUtf8(Contenuto(KT_RIFERIMENTI "/strumenti_diario.txt")));
    }

    // The log's example written and listed (what it holds: the log's test); the profile's
    // example tests give the profile they were made for.
    void esempi_scritti() {
        const Esito_programma e = Esegui_in_processo(
            &Esegui_storico, {"--data", dir.filePath("esempio"), "--write-example", "Ugo"});
        QVERIFY2(e.codice == 0 && e.uscita.count("\nEsempio;Ugo;") > 60 &&
                     e.errori.contains("test d'esempio di Ugo"),
                 qPrintable(e.errori));

        const Esito_programma p =
            Esegui_programma(KT_PROFILO, {"--folder", dir.filePath("profilo"), "--exercise",
                                          "Back Squat", "--write-example", "Mario"});
        const auto e1rm = p.uscita.section("e1RM: ", 1).section(' ', 0, 0).toDouble();
        QVERIFY2(p.codice == 0 && p.uscita.contains("Punti: 4 ") && std::abs(e1rm - 140) < 7,
                 qPrintable(p.uscita));
    }

    // With a catalogue installed after start-up: each tool's usage and refusal (the cases in
    // tests/reference/strumenti_tradotti.txt).
    void testi_tradotti() {
        const Traduttore_prova traduttore;
        const QHash<QString, Corpo_programma> corpi{{"replay", &Esegui_replay},
                                                    {"capture", &Esegui_cattura},
                                                    {"profilo", &Esegui_profilo},
                                                    {"storico", &Esegui_storico}};
        for (const QString& riga : Righe_dati("strumenti_tradotti.txt")) {
            const QStringList c = riga.split('|'); // the tool, its options, its refusal
            const Corpo_programma funzione = corpi.value(c[0]);
            const QString nome = "kinetrack-" + c[0];
            Esito_programma e = Esegui_in_processo(funzione, {"--help"});
            QVERIFY2(e.codice == 0 && e.uscita.startsWith("«Uso: " + nome + " "),
                     qPrintable(e.uscita));
            e = Esegui_in_processo(funzione, c[1].split(' '));
            QCOMPARE(e.codice, 2);
            QVERIFY2(e.errori.startsWith(nome + ": " + c[2] + "\n«Uso: "), qPrintable(e.errori));
        }
    }

    // Translated too: the engine's messages, the printed tables' words and the log's words;
    // what is written or printed as data (the numbers, the log's rows) stays as it is.
    void dati_non_tradotti() {
        const Traduttore_prova traduttore;
        QVERIFY(Lista_valori::Didascalia_gruppi().contains("«FASE CONCENTRICA»"));
        const QString cattura = dir.filePath("tradotta.bin");
        Esito_programma e =
            Esegui_in_processo(&Esegui_cattura, {"--link", "serial", "--board-type", "1", "--seed",
                                                 "7", "--reps", "3", cattura});
        QStringList righe = e.uscita.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(e.codice == 0 && righe.size() > 2 && righe[0].startsWith("# «") &&
                     righe[1].startsWith("«Rip\t") && !righe[2].contains("«"),
                 qPrintable(e.uscita));
        e = Esegui_in_processo(&Esegui_replay,
                               {"--link", "serial", "--board-type", "1", "--min-amplitude", "100",
                                "--vmax", "1000", "--upper", "110", "--lower", "90", cattura});
        righe = e.uscita.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(e.codice == 0 && righe.size() > 1 &&
                     righe[0].startsWith("«N°Rip»\t«Tempo»\t«Durata»\t") &&
                     righe[0].endsWith("\t«Fascia»") && righe[1].endsWith("»") &&
                     !righe[1].startsWith("«"),
                 qPrintable(e.uscita));

        QCOMPARE(Testo_esito(Esito_prontezza::Sotto), QStringLiteral("«sotto»"));
        QTemporaryDir dati;
        QCOMPARE(Leggi_zone_velocita(dati.path()).constFirst().nome,
                 QStringLiteral("«Forza massima»"));
        Scrivi(dati.filePath("vuoto.csv"), {});
        QString difetto;
        QVERIFY(!Leggi_vpropulsiva_analisi(dati.filePath("vuoto.csv"), difetto));
        QVERIFY2(difetto.startsWith("«"), qPrintable(difetto));
        e = Esegui_in_processo(&Esegui_storico, {"--data", dati.path()});
        QVERIFY2(e.codice == 0 && e.uscita.startsWith("Squadra;Atleta;Data;"),
                 qPrintable(e.uscita));
        QVERIFY(Esegui_in_processo(&Esegui_storico, {"--data", dati.filePath("manca")})
                    .errori.contains("«la cartella dei dati"));
    }
};

QTEST_GUILESS_MAIN(Test_strumenti)
#include "test_strumenti.moc"
