// The replay and capture tools as built: real captures give a table and both files;
// damaged captures and bad options give a message and a non-zero exit, never a crash.

#include "board/attese.h"
#include "board/copione.h"
#include "board/flusso_scheda.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Esito {
    int codice = -1;
    bool normale = false;
    QStringList righe;
    QString errori;
};

Esito Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    Esito e;
    if (!p.waitForFinished(60000)) return e;
    e.normale = p.exitStatus() == QProcess::NormalExit;
    e.codice = p.exitCode();
    e.righe = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    e.errori = QString::fromUtf8(p.readAllStandardError());
    return e;
}

Esito Replay(const QStringList& argomenti) {
    return Esegui(QStringLiteral(KT_REPLAY), argomenti);
}

void Scrivi(const QString& nome, const QByteArray& dati) {
    QFile f(nome);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

QByteArray Leggi(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class Test_replay : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString Percorso(const QString& nome) const { return dir_.filePath(nome); }

private Q_SLOTS:
    void catture_generate_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimale");
        for (int tipo = 1; tipo <= 3; ++tipo) {
            QTest::addRow("seriale-tipo%d", tipo) << "serial" << tipo << "it_IT"
                                                  << ",";
            QTest::addRow("hid-tipo%d", tipo) << "hid" << tipo << "C"
                                              << ".";
        }
    }
    void catture_generate() {
        QFETCH(QString, link);
        QFETCH(int, tipo);
        QFETCH(QString, locale);
        QFETCH(QString, decimale);
        const Collegamento l = link == "hid" ? Collegamento::Hid : Collegamento::Seriale;
        Parametri_copione p;
        p.ripetizioni = 5;
        std::vector<Record_scheda> record;
        Flusso_copione(Genera_copione(p, 40u + std::uint32_t(tipo)), tipo, l).Tutti(record);
        const auto byte = l == Collegamento::Hid ? Byte_hid(record) : Byte_seriali(record);
        const QString cattura = Percorso(QStringLiteral("cattura_%1_%2.bin").arg(link).arg(tipo));
        Scrivi(cattura,
               QByteArray(reinterpret_cast<const char*>(byte.data()), qsizetype(byte.size())));
        const QString campioni = Percorso("campioni.txt"), sommario = Percorso("sommario.csv");
        QFile::remove(campioni);
        QFile::remove(sommario);

        const Esito e = Replay({"--link",
                                link,
                                "--board-type",
                                QString::number(tipo),
                                "--min-amplitude",
                                "100",
                                "--vmax",
                                "400",
                                "--upper",
                                "110",
                                "--lower",
                                "90",
                                "--athlete",
                                "Anna Bianchi",
                                "--exercise",
                                "Panca",
                                "--load",
                                "62.5",
                                "--locale",
                                locale,
                                "--samples",
                                campioni,
                                "--summary",
                                sommario,
                                cattura});
        QVERIFY2(e.normale && e.codice == 0, qPrintable(e.errori));
        QCOMPARE(e.righe.size(), 1 + p.ripetizioni);
        QVERIFY(e.righe[0].startsWith(QStringLiteral("N°Rip\t")));
        for (int r = 1; r < e.righe.size(); ++r) {
            const QStringList campi = e.righe[r].split('\t');
            QCOMPARE(campi.size(), 15);
            QCOMPARE(campi[0], QString::number(r));
            QVERIFY(campi[2].contains(decimale)); // concentric duration, "0.00"
            QVERIFY(QStringList({"giallo", "verde", "rosso"}).contains(campi[14]));
        }
        const QByteArray c = Leggi(campioni);
        QVERIFY(c.startsWith("Kine01;"));
        QVERIFY(c.count('\n') > 100);
        const QByteArray s = Leggi(sommario);
        QCOMPARE(s.count('\n'), 2 + p.ripetizioni);
        QVERIFY(s.contains("Anna Bianchi;Panca;62" + decimale.toLatin1() + "5"));
    }

    void cattura_e_replay() {
        // The capture tool's expected repetitions are what the replay lists.
        const QString cattura = Percorso("cattura_strumento.bin");
        const Esito c = Esegui(QStringLiteral(KT_CAPTURE),
                               {"--link", "serial", "--board-type", "1", "--seed", "9", "--reps",
                                "4", "--min-amplitude", "100", cattura});
        QVERIFY2(c.normale && c.codice == 0, qPrintable(c.errori));
        const Esito r = Replay({"--link", "serial", "--board-type", "1", "--min-amplitude", "100",
                                "--locale", "C", cattura});
        QVERIFY2(r.normale && r.codice == 0, qPrintable(r.errori));
        QCOMPARE(c.righe.size(), 2 + 4);
        QCOMPARE(r.righe.size(), 1 + 4);
        for (int i = 1; i <= 4; ++i) {
            const QStringList attesa = c.righe[i + 1].split('\t');
            const QStringList letta = r.righe[i].split('\t');
            // Mean concentric velocity, whole mm/s in the list.
            QVERIFY(std::abs(attesa[3].toDouble() - letta[4].toDouble()) <= 0.51);
        }
    }

    void ingressi_e_opzioni_errati_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QStringList>("opzioni");
        const QByteArray report(65 * 3, '\x01');
        const QByteArray seriale(6 * 10, '\x02');
        const QStringList hid{"--link", "hid", "--board-type", "2"};
        const QStringList ser{"--link", "serial", "--board-type", "1"};
        QTest::newRow("vuoto") << QByteArray() << ser;
        QTest::newRow("hid troncato") << report.left(64 + 65) << hid;
        QTest::newRow("seriale troncato") << seriale.left(59) << ser;
        QTest::newRow("file mancante") << QByteArray("-") << ser;
        QTest::newRow("tipo 9") << seriale << QStringList{"--link", "serial", "--board-type", "9"};
        QTest::newRow("link usb") << seriale << QStringList{"--link", "usb", "--board-type", "1"};
        QTest::newRow("senza link") << seriale << QStringList{"--board-type", "1"};
        QTest::newRow("ampiezza") << seriale << (ser + QStringList{"--min-amplitude", "1,5"});
        QTest::newRow("ampiezza negativa")
            << seriale << (ser + QStringList{"--min-amplitude", "-3"});
        QTest::newRow("vmax da solo") << seriale << (ser + QStringList{"--vmax", "900"});
        QTest::newRow("carico nan") << seriale << (ser + QStringList{"--load", "nan"});
        QTest::newRow("locale") << seriale << (ser + QStringList{"--locale", "xx_QQ"});
        QTest::newRow("opzione") << seriale << (ser + QStringList{"--fast", "1"});
        QTest::newRow("valore mancante") << seriale << (ser + QStringList{"--samples"});
        QTest::newRow("cartella inesistente")
            << seriale << (ser + QStringList{"--summary", "/nonexistent/dir/s.csv"});
    }
    void ingressi_e_opzioni_errati() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, opzioni);
        QString ingresso = Percorso("ingresso.bin");
        if (contenuto == "-")
            ingresso = Percorso("non_esiste.bin");
        else
            Scrivi(ingresso, contenuto);
        const Esito e = Replay(opzioni + QStringList{ingresso});
        QVERIFY(e.normale);
        QVERIFY(e.codice != 0);
        QVERIFY(e.errori.startsWith(QStringLiteral("kinetrack-replay: ")));
        QVERIFY(e.errori.trimmed().size() > 25);
    }

    void flusso_danneggiato_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("seriale") << "serial";
        QTest::newRow("hid") << "hid";
    }
    void flusso_danneggiato() {
        // Garbage of a valid size decodes to nonsense, but the tool survives it.
        QFETCH(QString, link);
        QByteArray rumore(65 * 6 * 200, '\0');
        quint32 x = 12345;
        for (auto& b : rumore) {
            x = x * 1664525u + 1013904223u;
            b = static_cast<char>(x >> 24);
        }
        const QString ingresso = Percorso("rumore.bin");
        Scrivi(ingresso, rumore);
        const Esito e = Replay(
            {"--link", link, "--board-type", "3", "--samples", Percorso("rumore.txt"), ingresso});
        QVERIFY2(e.normale && e.codice == 0, qPrintable(e.errori));
        QVERIFY(!e.righe.isEmpty());
    }
};

QTEST_GUILESS_MAIN(Test_replay)
#include "test_replay.moc"
