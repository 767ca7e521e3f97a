// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tools as built (the replay's files are checked byte for byte by the
// reference test): bad options and damaged captures give a message and a non-zero exit,
// never a crash; a cut capture and an unknown board type are replayed with a warning.
#include "board/copione.h"
#include "board/flusso_scheda.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Esito {
    int codice = -1; // -1 also for a crash or a hang
    QStringList righe;
    QString errori;
};
// `ambiente` empty: the test's own environment.
Esito Esegui(const QString& strumento, const QStringList& argomenti,
             const QProcessEnvironment& ambiente = {}) {
    QProcess p;
    if (!ambiente.isEmpty()) p.setProcessEnvironment(ambiente);
    p.start(strumento, argomenti);
    Esito e;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return e;
    e.codice = p.exitCode();
    e.righe = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    e.errori = QString::fromUtf8(p.readAllStandardError());
    return e;
}
bool Scrivi(const QString& nome, const QByteArray& dati) {
    QFile f(nome);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}
// A generated set of `ripetizioni` as the link carries it.
QByteArray Cattura(Collegamento l, int tipo, std::uint32_t seme, int ripetizioni = 5) {
    Parametri_copione p;
    p.ripetizioni = ripetizioni;
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(p, seme), tipo, l).Tutti(record);
    return Byte_cattura(record, l);
}
// A tool's run on the file `contenuto` (replay only; "-": no file) with `opzioni`; `testo`
// is in the refusal, or "Uso: " for the usage.
struct Riga {
    QString strumento, opzioni, testo;
    QByteArray contenuto = QByteArray(6 * 10, '\x02');
};
// A capture cut `avanzo` bytes after its last whole record; type 0 is one the program
// does not know.
struct Taglio {
    QString link;
    int tipo, avanzo;
    QString avviso;
};
} // namespace
Q_DECLARE_METATYPE(Riga)
Q_DECLARE_METATYPE(Taglio)

class Test_strumenti : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    // The usage on standard output wherever the option stands; a refusal on standard
    // error after the tool's name, with the allowed range when there is one.
    void options_and_inputs_data() {
        QTest::addColumn<Riga>("r");
        const QString r = KT_REPLAY, c = KT_CATTURA, ser = "--link serial --board-type 1";
        QTest::newRow("replay --help") << Riga{r, "--help", "Uso: "};
        QTest::newRow("capture -h after options") << Riga{c, "--link hid -h", "Uso: "};
        QTest::newRow("empty") << Riga{r, ser, "", QByteArray()};
        QTest::newRow("no whole report")
            << Riga{r, "--link hid --board-type 2", "", QByteArray(64, '\x01')};
        QTest::newRow("missing file") << Riga{r, ser, "", "-"};
        QTest::newRow("amplitude") << Riga{r, ser + " --min-amplitude 1,5,0", "1,5,0"};
        QTest::newRow("replay type over a byte")
            << Riga{r, "--link serial --board-type 256", "\"256\" (da 0 a 255)"};
        QTest::newRow("time") << Riga{r, ser + " --time 2026-02-30T10:00:00", "2026"};
        QTest::newRow("missing folder")
            << Riga{r, ser + " --summary /nonexistent/dir/s.csv", "/nonexistent"};
        QTest::newRow("analysis in a missing folder")
            << Riga{r, ser + " --analysis /nonexistent/dir/a.csv", "/nonexistent/dir/a.csv: "};
        QTest::newRow("record with settings of its own")
            << Riga{r, "--record t.ini --link serial", "--link non va con --record"};
        QTest::newRow("record missing")
            << Riga{r, "--record /nonexistent/t.ini", "/nonexistent/t.ini: "};
        QTest::newRow("capture reps")
            << Riga{c, "--link hid --reps 2.5", "\"2.5\" (da 0 a 100000)"};
        // Its argument is the seconds, not a file.
        QTest::newRow("graph demo unknown option")
            << Riga{KT_DEMO, "--bogus", "sconosciuta: \"--bogus\""};
        QTest::newRow("board interval upside down")
            << Riga{KT_SCHEDA, "--port 3 --amplitude 500:100",
                    "\"500:100\" (il primo valore non può superare il secondo)"};
        QTest::newRow("board interval out of range")
            << Riga{KT_SCHEDA, "--port 3 --amplitude 100:2500", "(da 1 a 2000)"};
    }
    void options_and_inputs() {
        QFETCH(Riga, r);
        const QString nome = QFileInfo(r.strumento).fileName();
        const QString file = dir.filePath(r.contenuto == "-" ? "non_esiste.bin" : "ingresso.bin");
        if (r.contenuto != "-" && r.strumento == KT_REPLAY) QVERIFY(Scrivi(file, r.contenuto));
        const Esito e = Esegui(r.strumento, r.opzioni.split(' ') << file);
        if (r.testo == "Uso: ") {
            QCOMPARE(e.codice, 0);
            QVERIFY(!e.righe.isEmpty() && e.righe[0].startsWith("Uso: " + nome + " "));
            QCOMPARE(e.errori, QString());
            return;
        }
        QVERIFY(e.codice > 0);
        QVERIFY2(e.errori.startsWith(nome + ": ") && e.errori.trimmed().size() > 25,
                 qPrintable(e.errori));
        QVERIFY2(e.errori.contains(r.testo), qPrintable(e.errori));
    }

    // Every tool answers --help in Italian, on standard output, also with no display at
    // all (kinetrack over ssh); kinetrack's version and a wrong option likewise.
    void help_without_display_data() {
        QTest::addColumn<QString>("strumento");
        QTest::addColumn<QString>("opzioni");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo"); // the start of standard output, or of errors
        const QString uso = "Uso: ";
        for (const QString& s :
             {QString(KT_KINETRACK), QString(KT_SCHEDA), QString(KT_REPLAY), QString(KT_CATTURA),
              QString(KT_PROFILO), QString(KT_STORICO), QString(KT_DEMO)})
            QTest::newRow(qPrintable(QFileInfo(s).fileName()))
                << s << "--help" << 0 << uso + QFileInfo(s).fileName() + " ";
        QTest::newRow("kinetrack -h after a Qt option")
            << QString(KT_KINETRACK) << "-style fusion -h" << 0 << "Uso: kinetrack ";
        // The version and the licence, which the manual pages are made from.
        for (const QString& s : {QString(KT_KINETRACK), QString(KT_SCHEDA), QString(KT_REPLAY),
                                 QString(KT_CATTURA), QString(KT_PROFILO), QString(KT_STORICO)})
            QTest::newRow(qPrintable(QFileInfo(s).fileName() + " --version"))
                << s << "--version" << 0
                << QFileInfo(s).fileName() + " " KT_VERSIONE_ATTESA "\nCopyright (C) 2026 ";
        // The log's --pdf starts the graphical side of Qt first: the version still wins.
        QTest::newRow("storico --version beside --pdf")
            << QString(KT_STORICO) << "--pdf x.pdf --version" << 0
            << "kinetrack-storico " KT_VERSIONE_ATTESA "\n";
        QTest::newRow("replay --version beside a wrong option")
            << QString(KT_REPLAY) << "--bogus --version" << 0
            << "kinetrack-replay " KT_VERSIONE_ATTESA "\n";
        QTest::newRow("kinetrack wrong option")
            << QString(KT_KINETRACK) << "--bogus" << 2
            << "kinetrack: opzione sconosciuta: \"--bogus\"\nUso: kinetrack ";
    }
    void help_without_display() {
        QFETCH(QString, strumento);
        QFETCH(QString, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ambiente.remove(v);
        ambiente.insert("XDG_RUNTIME_DIR", dir.path());
        const Esito e = Esegui(strumento, opzioni.split(' '), ambiente);
        QCOMPARE(e.codice, codice);
        const QString scritto = codice == 0 ? e.righe.join('\n') : e.errori;
        QVERIFY2(scritto.startsWith(testo), qPrintable(scritto + e.errori));
        for (const char* inglese : {"Usage", "Options", "Displays", "Unknown"})
            QVERIFY2(!scritto.contains(inglese), qPrintable(scritto));
    }

    // The tools speak the language chosen in the program, or the one --lang asks for this
    // run; an unknown one is refused in the chosen language.
    void tools_speak_the_chosen_language_data() {
        QTest::addColumn<QString>("strumento");
        QTest::addColumn<QString>("salvata"); // the stored choice; empty: none
        QTest::addColumn<QString>("opzioni");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo"); // the start of standard output, or of errors
        QTest::newRow("replay --lang en") << QString(KT_REPLAY) << ""
                                          << "--lang en --help" << 0 << "Usage: kinetrack-replay ";
        QTest::newRow("board --lang=en") << QString(KT_SCHEDA) << ""
                                         << "--help --lang=en" << 0 << "Usage: kinetrack-board ";
        QTest::newRow("capture --version --lang en")
            << QString(KT_CATTURA) << ""
            << "--version --lang en" << 0
            << "kinetrack-capture " KT_VERSIONE_ATTESA
               "\nCopyright (C) 2026 the kinetrack developers.";
        QTest::newRow("profile, English chosen") << QString(KT_PROFILO) << "en"
                                                 << "--help" << 0 << "Usage: kinetrack-profilo ";
        QTest::newRow("log, English chosen, Italian asked")
            << QString(KT_STORICO) << "en"
            << "--lang it --help" << 0 << "Uso: kinetrack-storico ";
        QTest::newRow("unknown language")
            << QString(KT_CATTURA) << "en"
            << "--lang fr --help" << 2 << "kinetrack-capture: unknown language: \"fr\"";
        QTest::newRow("no language")
            << QString(KT_REPLAY) << ""
            << "--help --lang" << 2 << "kinetrack-replay: manca il valore di --lang";
    }
    void tools_speak_the_chosen_language() {
        QFETCH(QString, strumento);
        QFETCH(QString, salvata);
        QFETCH(QString, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        const QString config = dir.filePath("config-" + QString(QTest::currentDataTag()));
        if (!salvata.isEmpty()) {
            QVERIFY(QDir().mkpath(config + "/kinetrack"));
            QVERIFY(Scrivi(config + "/kinetrack/kinetrack.ini",
                           "[Interfaccia]\nLingua=" + salvata.toUtf8() + "\n"));
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("XDG_CONFIG_HOME", config);
        const Esito e = Esegui(strumento, opzioni.split(' '), ambiente);
        QCOMPARE(e.codice, codice);
        const QString scritto = codice == 0 ? e.righe.join('\n') : e.errori;
        QVERIFY2(scritto.startsWith(testo), qPrintable(scritto + e.errori));
    }

    // A capture replayed as the other link's decodes to jumps no bar makes: told once,
    // with the other link to try; the table and the files come out as always.
    void wrong_link_is_told_data() {
        QTest::addColumn<QString>("cattura");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("avviso"); // empty: none
        QTest::newRow("hid capture as serial") << "hid"
                                               << "serial"
                                               << "provare --link hid";
        QTest::newRow("serial capture as hid") << "serial"
                                               << "hid"
                                               << "provare --link serial";
        QTest::newRow("hid capture as hid") << "hid"
                                            << "hid"
                                            << "";
        QTest::newRow("serial capture as serial") << "serial"
                                                  << "serial"
                                                  << "";
    }
    void wrong_link_is_told() {
        QFETCH(QString, cattura);
        QFETCH(QString, link);
        QFETCH(QString, avviso);
        const Collegamento l = cattura == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        const QString ingresso = dir.filePath("link.bin"), sommario = dir.filePath("link.csv");
        QVERIFY(Scrivi(ingresso, Cattura(l, 1, 4)));
        QFile::remove(sommario);
        const Esito e = Esegui(
            KT_REPLAY, {"--link", link, "--board-type", "1", "--summary", sommario, ingresso});
        QCOMPARE(e.codice, 0);
        QVERIFY(QFileInfo::exists(sommario));
        if (avviso.isEmpty()) {
            QCOMPARE(e.errori, QString());
            return;
        }
        // Told once (the other warning, if any, is of a capture cut inside a record).
        const QStringList righe =
            e.errori.split('\n', Qt::SkipEmptyParts)
                .filter(": posizioni impossibili per la scheda (un salto di ");
        QCOMPARE(righe.size(), 1);
        QVERIFY2(righe[0].startsWith("kinetrack-replay: " + ingresso) && righe[0].endsWith(avviso),
                 qPrintable(e.errori));
    }

    // A capture cut inside a record is replayed up to its last whole one, as if it ended
    // there; a type byte the program does not know is taken as type 3. Both are told.
    void cut_capture_and_unknown_type_warn_data() {
        QTest::addColumn<Taglio>("t");
        QTest::newRow("serial cut")
            << Taglio{"serial", 1, 5,
                      ": la cattura finisce dentro un record, 5 byte in fondo non sono usati"};
        QTest::newRow("hid cut") << Taglio{"hid", 2, 64, "report, 64 byte in fondo"};
        QTest::newRow("unknown type")
            << Taglio{"serial", 0, 0, "dispositivo non riconosciuto: DEFAULT TIPO 3!!"};
    }
    void cut_capture_and_unknown_type_warn() {
        QFETCH(Taglio, t);
        const Collegamento l = t.link == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        const QByteArray intera = Cattura(l, t.tipo == 0 ? 3 : t.tipo, 9);
        const QString nome_intera = dir.filePath("intera.bin"),
                      nome_tagliata = dir.filePath("t.bin");
        QVERIFY(Scrivi(nome_intera, intera));
        QVERIFY(Scrivi(nome_tagliata, intera + QByteArray(t.avanzo, '\x05')));
        const QStringList opzioni{
            "--link", t.link, "--board-type", QString::number(t.tipo), "--min-amplitude", "100"};
        const Esito e = Esegui(KT_REPLAY, opzioni + QStringList{nome_tagliata});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.errori.contains(t.avviso), qPrintable(e.errori));
        QCOMPARE(e.righe.size(), 1 + 5);
        QCOMPARE(e.righe[1].split('\t').size(), 15);
        if (t.avanzo > 0)
            QCOMPARE(e.righe, Esegui(KT_REPLAY, opzioni + QStringList{nome_intera}).righe);
    }

    // Garbage of a valid size decodes to nonsense, but the tool survives it.
    void garbled_stream_is_survived() {
        QByteArray rumore(65 * 6 * 200, '\0');
        quint32 x = 12345;
        for (auto& b : rumore) b = static_cast<char>((x = x * 1664525u + 1013904223u) >> 24);
        QVERIFY(Scrivi(dir.filePath("rumore.bin"), rumore));
        for (const char* link : {"serial", "hid"}) {
            const Esito e =
                Esegui(KT_REPLAY, {"--link", link, "--board-type", "3", "--samples",
                                   dir.filePath("rumore.txt"), dir.filePath("rumore.bin")});
            QVERIFY2(e.codice == 0, qPrintable(e.errori));
            QVERIFY(!e.righe.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(Test_strumenti)
#include "test_strumenti.moc"
