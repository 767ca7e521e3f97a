// The replay tool as built: real captures give a table and both files;
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
QByteArray Leggi(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    void generated_captures_give_table_and_files_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("locale");
        for (int tipo = 1; tipo <= 3; ++tipo) {
            QTest::addRow("serial type %d", tipo) << "serial" << tipo << "it_IT";
            QTest::addRow("hid type %d", tipo) << "hid" << tipo << "C";
        }
    }
    void generated_captures_give_table_and_files() {
        QFETCH(QString, link);
        QFETCH(int, tipo);
        QFETCH(QString, locale);
        const QString decimale = locale == "C" ? "." : ",";
        const Collegamento l = link == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        const QString cattura = dir.filePath("cattura.bin"), campioni = dir.filePath(link + ".txt"),
                      sommario = dir.filePath(link + ".csv");
        QVERIFY(Scrivi(cattura, Cattura(l, tipo, 40u + std::uint32_t(tipo))));
        QFile::remove(campioni);
        QFile::remove(sommario);
        const QStringList opzioni =
            QString("--link %1 --board-type %2 --min-amplitude 100 --vmax 400 --upper 110 "
                    "--lower 90 --exercise Panca --load 62.5 --locale %3")
                .arg(link)
                .arg(tipo)
                .arg(locale)
                .split(' ');
        const Esito e = Replay(opzioni + QStringList{"--athlete", "Anna Bianchi", "--samples",
                                                     campioni, "--summary", sommario, cattura});
        QVERIFY2(e.codice == 0, qPrintable(e.errori));
        QCOMPARE(e.righe.size(), 1 + 5);
        QVERIFY(e.righe[0].startsWith("N°Rip\t"));
        for (int r = 1; r < e.righe.size(); ++r) {
            const QStringList campi = e.righe[r].split('\t');
            QCOMPARE(campi.size(), 15);
            QVERIFY(campi[2].contains(decimale)); // concentric duration, "0.00"
            QVERIFY(QStringList({"giallo", "verde", "rosso"}).contains(campi[14]));
        }
        const QByteArray c = Leggi(campioni), s = Leggi(sommario);
        QVERIFY(c.startsWith("Kine01;") && c.count('\n') > 100);
        QCOMPARE(s.count('\n'), 2 + 5);
        QVERIFY(s.contains("Anna Bianchi;Panca;62" + decimale.toLatin1() + "5"));
    }

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
