// The command-line tools as built (the replay's files are checked byte for byte by the
// reference test): bad options and damaged captures give a message and a non-zero exit,
// never a crash; a cut capture and an unknown board type are replayed with a warning.
#include "board/copione.h"
#include "board/flusso_scheda.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Esito {
    int codice = -1; // -1 also for a crash or a hang
    QStringList righe;
    QString errori;
};
Esito Esegui(const QString& strumento, const QStringList& argomenti) {
    QProcess p;
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
// is in the refusal, or "uso: " for the usage.
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
        QTest::newRow("replay --help") << Riga{r, "--help", "uso: "};
        QTest::newRow("capture -h after options") << Riga{c, "--link hid -h", "uso: "};
        QTest::newRow("empty") << Riga{r, ser, "", QByteArray()};
        QTest::newRow("no whole report")
            << Riga{r, "--link hid --board-type 2", "", QByteArray(64, '\x01')};
        QTest::newRow("missing file") << Riga{r, ser, "", "-"};
        QTest::newRow("amplitude") << Riga{r, ser + " --min-amplitude 1,5", "1,5"};
        QTest::newRow("replay type over a byte")
            << Riga{r, "--link serial --board-type 256", "\"256\" (da 0 a 255)"};
        QTest::newRow("time") << Riga{r, ser + " --time 2026-02-30T10:00:00", "2026"};
        QTest::newRow("missing folder")
            << Riga{r, ser + " --summary /nonexistent/dir/s.csv", "/nonexistent"};
        QTest::newRow("analysis in a missing folder")
            << Riga{r, ser + " --analysis /nonexistent/dir/a.csv", "/nonexistent/dir/a.csv: "};
        QTest::newRow("capture reps")
            << Riga{c, "--link hid --reps 2.5", "\"2.5\" (da 0 a 100000)"};
        // Its argument is the seconds, not a file.
        QTest::newRow("graph demo unknown option")
            << Riga{KT_DEMO, "--bogus", "sconosciuta: \"--bogus\""};
    }
    void options_and_inputs() {
        QFETCH(Riga, r);
        const QString nome = QFileInfo(r.strumento).fileName();
        const QString file = dir.filePath(r.contenuto == "-" ? "non_esiste.bin" : "ingresso.bin");
        if (r.contenuto != "-" && r.strumento == KT_REPLAY) QVERIFY(Scrivi(file, r.contenuto));
        const Esito e = Esegui(r.strumento, r.opzioni.split(' ') << file);
        if (r.testo == "uso: ") {
            QCOMPARE(e.codice, 0);
            QVERIFY(!e.righe.isEmpty() && e.righe[0].startsWith("uso: " + nome + " "));
            QCOMPARE(e.errori, QString());
            return;
        }
        QVERIFY(e.codice > 0);
        QVERIFY2(e.errori.startsWith(nome + ": ") && e.errori.trimmed().size() > 25,
                 qPrintable(e.errori));
        QVERIFY2(e.errori.contains(r.testo), qPrintable(e.errori));
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
