// kinetrack-board as a separate process on a pseudo-terminal, talked to with plain POSIX
// I/O: what the program's own serial layer does not reach (the stream byte for byte,
// zeroing, fault options, the link's life, refused starts).

#include "board/flusso_scheda.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
// One running board and our end of its line.
struct Scheda_in_prova {
    Scheda_in_prova(const QString& runtime, const QStringList& argomenti) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime);
        processo.setProcessEnvironment(env);
        processo.start(QStringLiteral(KT_SCHEDA_VIRTUALE), argomenti);
        for (int i = 0; i < 50 && !processo.canReadLine(); ++i) processo.waitForReadyRead(100);
        percorso = QString::fromLocal8Bit(processo.readLine()).trimmed();
        fd = ::open(QFile::encodeName(percorso).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios modo{};
        if (fd >= 0 && ::tcgetattr(fd, &modo) == 0) {
            ::cfmakeraw(&modo);
            ::tcsetattr(fd, TCSANOW, &modo);
        }
    }
    ~Scheda_in_prova() {
        if (fd >= 0) ::close(fd);
        processo.terminate();
        if (!processo.waitForFinished(3000)) processo.kill();
    }
    bool Pronta() const { return fd >= 0; }
    // What arrives within `ms`; stops early once `almeno` bytes came (0 = wait it out).
    QByteArray Leggi(int ms, qsizetype almeno = 0) const {
        QByteArray ricevuti;
        QElapsedTimer orologio;
        orologio.start();
        while (orologio.elapsed() < ms && (almeno == 0 || ricevuti.size() < almeno)) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(ms - orologio.elapsed())) <= 0) continue;
            char buffer[4096];
            const auto n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            ricevuti.append(buffer, n);
        }
        return ricevuti;
    }
    QByteArray Scambia(const QByteArray& comando, qsizetype attesi, int ms = 1000) const {
        if (::write(fd, comando.constData(), std::size_t(comando.size())) != comando.size())
            return {};
        return Leggi(ms, attesi);
    }

    QProcess processo;
    QString percorso;
    int fd = -1;
};

QByteArray Byte(const std::vector<Record_scheda>& record) {
    const auto b = Byte_seriali(record);
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}
std::int16_t Posizione(const QByteArray& flusso, qsizetype record) {
    return qFromLittleEndian<std::int16_t>(flusso.constData() + 6 * record);
}
} // namespace

class Test_virtualboard_processo : public QObject {
    Q_OBJECT
    QTemporaryDir runtime;
    QString Collegamento(int n) const {
        return runtime.path() + "/kinetrack/com" + QString::number(n);
    }

private Q_SLOTS:
    // The stream is the motion model's, paced in real time; "$Z" zeroes the position.
    void flusso_e_azzeramento() {
        const QStringList argomenti{"--port", "6", "--board-type", "2", "--seed", "3",
                                    "--reps", "2", "--pause",      "0"};
        Scheda_in_prova scheda(runtime.path(), argomenti);
        QVERIFY(scheda.Pronta());
        QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
        QByteArray prima = scheda.Leggi(2200); // into the first lift
        const QByteArray risposta = scheda.Scambia("$T$Z$F", 6, 500);
        const auto segno = risposta.indexOf("$T$Z$F");
        QVERIFY(segno >= 0);
        const QByteArray dopo = risposta.mid(segno + 6) + scheda.Leggi(400);
        QVERIFY(scheda.Scambia("$T", 2, 500).endsWith("$T"));
        QCOMPARE(scheda.Leggi(200), QByteArray()); // quiet after "$T"

        Opzioni_scheda o;
        QString errore;
        QVERIFY(Leggi_opzioni(argomenti, o, errore));
        std::vector<Record_scheda> entro, attesi;
        Crea_sorgente(o)->Fino_a(2.2, entro);
        QVERIFY(prima.size() / 6 <= qsizetype(entro.size()) + 1); // not sent ahead of time
        prima += risposta.left(segno);
        Crea_sorgente(o)->Fino_a(10.0, attesi);
        QVERIFY2(prima.size() >= 60 && prima.size() % 6 == 0,
                 qPrintable(QString::number(prima.size())));
        QCOMPARE(prima, Byte(attesi).left(prima.size()));
        QVERIFY2(Posizione(prima, prima.size() / 6 - 1) >= 100, "the bar starts 100 mm up");
        QVERIFY(dopo.size() >= 6);
        QVERIFY2(std::abs(Posizione(dopo, 0)) <= 6,
                 qPrintable(QString::number(Posizione(dopo, 0))));
    }

    void troncamento_e_alterazione() {
        // Stops for good in the middle of the eighth record, still answering commands.
        Scheda_in_prova tronca(runtime.path(),
                               {"--port", "15", "--rate", "1000", "--truncate-after", "45"});
        QVERIFY(tronca.Pronta());
        QCOMPARE(tronca.Scambia("$F", 2), QByteArray("$F"));
        QCOMPARE(tronca.Leggi(400).size(), 45);
        QCOMPARE(tronca.Scambia("$T", 2), QByteArray("$T"));

        // Every stream byte flipped; the replies left alone.
        Scheda_in_prova altera(runtime.path(), {"--port", "16", "--board-type", "2", "--rate",
                                                "500", "--garble", "1"});
        QVERIFY(altera.Pronta());
        QCOMPARE(altera.Scambia("$F", 2), QByteArray("$F"));
        const QByteArray alterato = altera.Leggi(300);
        QVERIFY(alterato.size() >= 60);
        std::vector<Record_scheda> puliti;
        Flusso_ritmo(2, Collegamento::Seriale, 500).Fino_a(10, puliti);
        const QByteArray byte_puliti = Byte(puliti);
        for (qsizetype i = 0; i < alterato.size(); ++i) QVERIFY(alterato[i] != byte_puliti[i]);
    }

    // The link to the line exists while the board runs, in a private folder, and goes
    // with it: on a signal, or when the adapter is pulled (the line hangs up).
    void fine_del_processo_data() {
        QTest::addColumn<int>("segnale"); // 0 = vanishes 0.3 s into the stream
        QTest::newRow("SIGTERM") << int{SIGTERM};
        QTest::newRow("SIGINT") << int{SIGINT};
        QTest::newRow("adapter pulled") << 0;
    }
    void fine_del_processo() {
        QFETCH(int, segnale);
        Scheda_in_prova scheda(runtime.path(), {"--port", "12", "--rate", "200", "--vanish-after",
                                                segnale ? "100" : "0.3"});
        QVERIFY(scheda.Pronta());
        QCOMPARE(QFileInfo(Collegamento(12)).symLinkTarget(), scheda.percorso);
        QCOMPARE(QFileInfo(runtime.path() + "/kinetrack").permissions() & 0x0077, 0);
        QElapsedTimer orologio;
        orologio.start();
        if (segnale)
            ::kill(static_cast<pid_t>(scheda.processo.processId()), segnale);
        else
            QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
        QVERIFY(scheda.processo.waitForFinished(3000));
        QCOMPARE(scheda.processo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(scheda.processo.exitCode(), 0);
        QVERIFY(!QFileInfo(Collegamento(12)).isSymLink());
        if (segnale) return;
        QVERIFY(orologio.elapsed() >= 250);
        char c;
        QVERIFY(::read(scheda.fd, &c, 1) <= 0); // hung up (EIO) once the master is gone
    }

    // A number in use or a bad option refuse to start; a dead board's link is taken over.
    void avvio_data() {
        QTest::addColumn<int>("prima"); // on the same number: 0 none, 1 a board, 2 a dead link
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<int>("codice"); // -1 = runs
        QTest::addColumn<QByteArray>("errore");
        QTest::newRow("number in use") << 1 << QStringList{} << 1 << QByteArray("com9");
        QTest::newRow("dead link") << 2 << QStringList{} << -1 << QByteArray();
        QTest::newRow("bad option")
            << 0 << QStringList{"--rate", "abc"} << 2 << QByteArray("--rate");
    }
    void avvio() {
        QFETCH(int, prima);
        QFETCH(QStringList, opzioni);
        QFETCH(int, codice);
        QFETCH(QByteArray, errore);
        std::optional<Scheda_in_prova> altra;
        if (prima == 1) QVERIFY(altra.emplace(runtime.path(), QStringList{"--port", "9"}).Pronta());
        if (prima == 2) QVERIFY(QFile::link("/dev/pts/does-not-exist", Collegamento(9)));
        Scheda_in_prova scheda(runtime.path(), QStringList{"--port", "9"} + opzioni);
        QCOMPARE(scheda.Pronta(), codice < 0);
        QCOMPARE(QFileInfo(Collegamento(9)).symLinkTarget(),
                 altra ? altra->percorso : scheda.percorso);
        if (codice < 0) return;
        QVERIFY(scheda.processo.state() == QProcess::NotRunning ||
                scheda.processo.waitForFinished(3000));
        QCOMPARE(scheda.processo.exitCode(), codice);
        QVERIFY(scheda.processo.readAllStandardError().contains(errore));
    }
};

QTEST_GUILESS_MAIN(Test_virtualboard_processo)
#include "test_virtualboard_processo.moc"
