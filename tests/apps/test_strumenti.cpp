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
} // namespace

class Test_strumenti : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    // The usage on standard output wherever the option stands; a refusal on standard
    // error after the tool's name, with the allowed range when there is one.
    void options_and_inputs_data() {
        QTest::addColumn<QString>("strumento");
        QTest::addColumn<QByteArray>("contenuto"); // of the capture; "-": no file
        QTest::addColumn<QString>("opzioni");
        QTest::addColumn<QString>("testo"); // "uso: ": the usage
        const QByteArray seriale(6 * 10, '\x02');
        const QString r = KT_REPLAY, c = KT_CATTURA, ser = "--link serial --board-type 1";
        QTest::newRow("replay --help") << r << seriale << "--help"
                                       << "uso: ";
        QTest::newRow("capture -h after options") << c << seriale << "--link hid -h"
                                                  << "uso: ";
        QTest::newRow("empty") << r << QByteArray() << ser << "";
        QTest::newRow("no whole report")
            << r << QByteArray(64, '\x01') << "--link hid --board-type 2"
            << "";
        QTest::newRow("missing file") << r << QByteArray("-") << ser << "";
        QTest::newRow("amplitude") << r << seriale << ser + " --min-amplitude 1,5"
                                   << "1,5";
        QTest::newRow("replay type over a byte") << r << seriale << "--link serial --board-type 256"
                                                 << "\"256\" (da 0 a 255)";
        QTest::newRow("load out of range") << r << seriale << ser + " --load 1001"
                                           << "(da 0 a";
        QTest::newRow("time") << r << seriale << ser + " --time 2026-02-30T10:00:00"
                              << "2026";
        QTest::newRow("missing folder") << r << seriale << ser + " --summary /nonexistent/dir/s.csv"
                                        << "/nonexistent";
        QTest::newRow("analysis in a missing folder")
            << r << seriale << ser + " --analysis /nonexistent/dir/a.csv"
            << "/nonexistent/dir/a.csv: ";
        QTest::newRow("capture reps") << c << seriale << "--link hid --reps 2.5"
                                      << "\"2.5\" (da 0 a 100000)";
        QTest::newRow("capture twitch") << c << seriale << "--link hid --twitch 1.5"
                                        << "\"1.5\" (da 0 a 1)";
        const QString d = KT_DEMO; // its argument is the seconds, not a file
        QTest::newRow("graph demo --help") << d << seriale << "--help"
                                           << "uso: ";
        QTest::newRow("graph demo unknown option") << d << seriale << "--bogus"
                                                   << "sconosciuta: \"--bogus\"";
        QTest::newRow("graph demo seconds") << d << seriale << "--numero"
                                            << "(da 0 a 86400)";
    }
    void options_and_inputs() {
        QFETCH(QString, strumento);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, opzioni);
        QFETCH(QString, testo);
        const QString nome = QFileInfo(strumento).fileName();
        const QString file = dir.filePath(contenuto == "-" ? "non_esiste.bin" : "ingresso.bin");
        if (contenuto != "-" && strumento == KT_REPLAY) QVERIFY(Scrivi(file, contenuto));
        const Esito e = Esegui(strumento, opzioni.split(' ') << file);
        if (testo == "uso: ") {
            QCOMPARE(e.codice, 0);
            QVERIFY(!e.righe.isEmpty() && e.righe[0].startsWith("uso: " + nome + " "));
            QCOMPARE(e.errori, QString());
            return;
        }
        QVERIFY(e.codice > 0);
        QVERIFY2(e.errori.startsWith(nome + ": ") && e.errori.trimmed().size() > 25,
                 qPrintable(e.errori));
        QVERIFY2(e.errori.contains(testo), qPrintable(e.errori));
    }

    // A capture cut inside a record is replayed up to its last whole one, as if it ended
    // there; a type byte the program does not know is taken as type 3. Both are told.
    void cut_capture_and_unknown_type_warn_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("avanzo"); // bytes after the last whole record
        QTest::addColumn<QString>("avviso");
        QTest::newRow("serial cut") << "serial" << 1 << 5
                                    << ": la cattura finisce dentro un "
                                       "record, 5 byte in fondo non sono usati";
        QTest::newRow("hid cut") << "hid" << 2 << 64 << "report, 64 byte in fondo";
        QTest::newRow("unknown type")
            << "serial" << 0 << 0 << "dispositivo non riconosciuto: DEFAULT TIPO 3!!";
    }
    void cut_capture_and_unknown_type_warn() {
        QFETCH(QString, link);
        QFETCH(int, tipo);
        QFETCH(int, avanzo);
        QFETCH(QString, avviso);
        const Collegamento l = link == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        const QByteArray intera = Cattura(l, tipo == 0 ? 3 : tipo, 9);
        const QString nome_intera = dir.filePath("intera.bin"),
                      nome_tagliata = dir.filePath("t.bin");
        QVERIFY(Scrivi(nome_intera, intera));
        QVERIFY(Scrivi(nome_tagliata, intera + QByteArray(avanzo, '\x05')));
        const QStringList opzioni{"--link",          link, "--board-type", QString::number(tipo),
                                  "--min-amplitude", "100"};
        const Esito e = Esegui(KT_REPLAY, opzioni + QStringList{nome_tagliata});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.errori.contains(avviso), qPrintable(e.errori));
        QCOMPARE(e.righe.size(), 1 + 5);
        QCOMPARE(e.righe[1].split('\t').size(), 15);
        if (avanzo > 0)
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
