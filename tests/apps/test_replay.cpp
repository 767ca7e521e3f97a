// The replay tool as built (its files are checked byte for byte by the reference test):
// damaged captures and bad options give a message and a non-zero exit, never a crash.
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
Esito Replay(const QStringList& argomenti) {
    QProcess p;
    p.start(KT_REPLAY, argomenti);
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
    const auto byte = l == Collegamento::Hid ? Byte_hid(record) : Byte_seriali(record);
    return QByteArray(reinterpret_cast<const char*>(byte.data()), qsizetype(byte.size()));
}
} // namespace

class Test_replay : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void bad_inputs_and_options_give_a_message_data() {
        QTest::addColumn<QByteArray>("contenuto"); // "-": no file
        QTest::addColumn<QString>("opzioni");
        const QByteArray seriale(6 * 10, '\x02');
        const QString ser = "--link serial --board-type 1";
        QTest::newRow("empty") << QByteArray() << ser;
        QTest::newRow("no whole report") << QByteArray(64, '\x01') << "--link hid --board-type 2";
        QTest::newRow("missing file") << QByteArray("-") << ser;
        QTest::newRow("amplitude") << seriale << ser + " --min-amplitude 1,5";
        QTest::newRow("type over a byte") << seriale << "--link serial --board-type 256";
        QTest::newRow("load out of range") << seriale << ser + " --load 1001";
        QTest::newRow("time") << seriale << ser + " --time 2026-02-30T10:00:00";
        QTest::newRow("missing folder") << seriale << ser + " --summary /nonexistent/dir/s.csv";
    }
    void bad_inputs_and_options_give_a_message() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, opzioni);
        const QString ingresso = dir.filePath(contenuto == "-" ? "non_esiste.bin" : "ingresso.bin");
        if (contenuto != "-") QVERIFY(Scrivi(ingresso, contenuto));
        const Esito e = Replay(opzioni.split(' ') << ingresso);
        QVERIFY(e.codice > 0);
        QVERIFY(e.errori.startsWith("kinetrack-replay: "));
        QVERIFY(e.errori.trimmed().size() > 25);
        if (opzioni.contains("256") || opzioni.contains("1001"))
            QVERIFY2(e.errori.contains(QRegularExpression(R"(\(da 0 a \d+\))")),
                     qPrintable(e.errori));
    }

    // The usage on standard output, wherever the option stands.
    void help_is_the_usage_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("-h after options") << QStringList{"--link", "serial", "-h"};
    }
    void help_is_the_usage() {
        QFETCH(QStringList, argomenti);
        const Esito e = Replay(argomenti);
        QCOMPARE(e.codice, 0);
        QVERIFY(!e.righe.isEmpty() && e.righe[0].startsWith("uso: kinetrack-replay "));
        QCOMPARE(e.errori, QString());
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
        const Esito e = Replay(opzioni + QStringList{nome_tagliata});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.errori.contains(avviso), qPrintable(e.errori));
        QCOMPARE(e.righe.size(), 1 + 5);
        QCOMPARE(e.righe[1].split('\t').size(), 15);
        if (avanzo > 0) QCOMPARE(e.righe, Replay(opzioni + QStringList{nome_intera}).righe);
    }

    // Garbage of a valid size decodes to nonsense, but the tool survives it.
    void garbled_stream_is_survived() {
        QByteArray rumore(65 * 6 * 200, '\0');
        quint32 x = 12345;
        for (auto& b : rumore) b = static_cast<char>((x = x * 1664525u + 1013904223u) >> 24);
        QVERIFY(Scrivi(dir.filePath("rumore.bin"), rumore));
        for (const char* link : {"serial", "hid"}) {
            const Esito e = Replay({"--link", link, "--board-type", "3", "--samples",
                                    dir.filePath("rumore.txt"), dir.filePath("rumore.bin")});
            QVERIFY2(e.codice == 0, qPrintable(e.errori));
            QVERIFY(!e.righe.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(Test_replay)
#include "test_replay.moc"
