// kinetrack-board as a user runs it: a separate process on a pseudo-terminal, talked
// to with plain POSIX I/O.

#include "board/flusso_scheda.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
// One running board and our end of its line.
class Scheda_in_prova {
public:
    Scheda_in_prova(const QString& runtime, const QStringList& argomenti) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime);
        processo.setProcessEnvironment(env);
        processo.start(QStringLiteral(KT_SCHEDA_VIRTUALE), argomenti);
        if (!processo.waitForReadyRead(5000)) return;
        while (!processo.canReadLine() && processo.waitForReadyRead(2000)) {
        }
        percorso = QString::fromLocal8Bit(processo.readLine()).trimmed();
        fd = ::open(QFile::encodeName(percorso).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0) {
            termios modo{};
            ::tcgetattr(fd, &modo);
            ::cfmakeraw(&modo);
            ::tcsetattr(fd, TCSANOW, &modo);
        }
    }
    ~Scheda_in_prova() {
        if (fd >= 0) ::close(fd);
        if (processo.state() != QProcess::NotRunning) {
            processo.terminate();
            if (!processo.waitForFinished(3000)) processo.kill();
        }
    }
    bool Pronta() const { return fd >= 0; }

    void Scrivi(const QByteArray& dati) const {
        QCOMPARE(::write(fd, dati.constData(), static_cast<std::size_t>(dati.size())),
                 static_cast<ssize_t>(dati.size()));
    }
    // What arrives within `ms`; stops early once `almeno` bytes came (0 = wait it out).
    QByteArray Leggi(int ms, qsizetype almeno = 0) const {
        QByteArray ricevuti;
        QElapsedTimer orologio;
        orologio.start();
        while (orologio.elapsed() < ms && (almeno == 0 || ricevuti.size() < almeno)) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(ms - orologio.elapsed())) <= 0) continue;
            if (p.revents & (POLLHUP | POLLERR)) break;
            char buffer[4096];
            const auto n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            ricevuti.append(buffer, n);
        }
        return ricevuti;
    }
    QByteArray Scambia(const QByteArray& comando, qsizetype attesi, int ms = 1000) const {
        Scrivi(comando);
        return Leggi(ms, attesi);
    }

    QProcess processo;
    QString percorso;
    int fd = -1;
};

struct Record_letto {
    std::int16_t posizione;
    std::int32_t tempo;
};

std::vector<Record_letto> Decodifica(const QByteArray& byte) {
    std::vector<Record_letto> r;
    for (qsizetype i = 0; i + 6 <= byte.size(); i += 6) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(byte.constData() + i);
        r.push_back({static_cast<std::int16_t>(b[0] | (b[1] << 8)),
                     static_cast<std::int32_t>(static_cast<std::uint32_t>(b[2]) |
                                               (static_cast<std::uint32_t>(b[3]) << 8) |
                                               (static_cast<std::uint32_t>(b[4]) << 16) |
                                               (static_cast<std::uint32_t>(b[5]) << 24))});
    }
    return r;
}
} // namespace

class Test_virtualboard_processo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(runtime.isValid()); }
    void dialogo();
    void flusso_uguale_al_modello();
    void azzeramento();
    void collegamento_creato_e_rimosso_data();
    void collegamento_creato_e_rimosso();
    void porta_gia_occupata();
    void opzioni_errate();
    void troncamento_e_alterazione();
    void scomparsa();

private:
    QString Collegamento(int n) const {
        return runtime.path() + "/kinetrack/com" + QString::number(n);
    }
    QTemporaryDir runtime;
};

// Every command's reply, the board type from the command line.
void Test_virtualboard_processo::dialogo() {
    Scheda_in_prova scheda(runtime.path(), {"--port", "4", "--board-type", "7"});
    QVERIFY(scheda.Pronta());
    QCOMPARE(scheda.Scambia("$", 1), QByteArray("$"));
    QCOMPARE(scheda.Scambia("?", 4), QByteArray("?YES"));
    QCOMPARE(scheda.Scambia("$D", 3), QByteArray("$D\x07", 3));
    QCOMPARE(scheda.Scambia("$i", 6), QByteArray("$i\x02\x05\x01\x00", 6));
    QCOMPARE(scheda.Scambia("$T$Z", 4), QByteArray("$T$Z"));
    QCOMPARE(scheda.Leggi(100), QByteArray()); // nothing more follows
}

// Records streamed after "$F" are the motion model's records, paced in real time.
void Test_virtualboard_processo::flusso_uguale_al_modello() {
    const QStringList argomenti{"--port", "5", "--board-type", "1",  "--seed", "11",
                                "--reps", "3", "--pause",      "0.2"};
    Scheda_in_prova scheda(runtime.path(), argomenti);
    QVERIFY(scheda.Pronta());
    QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
    const QByteArray primo = scheda.Leggi(1300);
    const QByteArray resto = scheda.Leggi(1500);
    const QByteArray fine = scheda.Scambia("$T", 2, 500);
    QVERIFY(fine.endsWith("$T"));
    const QByteArray flusso = primo + resto + fine.chopped(2);
    QCOMPARE(flusso.size() % 6, 0);

    Opzioni_scheda o;
    QString errore;
    QVERIFY(Leggi_opzioni(argomenti, o, errore));
    auto modello = Crea_sorgente(o);
    std::vector<Record_scheda> attesi;
    modello->Fino_a(10.0, attesi);
    const auto letti = Decodifica(flusso);
    QVERIFY2(letti.size() > 50, qPrintable(QString::number(letti.size())));
    QVERIFY(letti.size() <= attesi.size());
    for (std::size_t i = 0; i < letti.size(); ++i) {
        QCOMPARE(letti[i].posizione, attesi[i].posizione);
        QCOMPARE(letti[i].tempo, attesi[i].tempo);
    }
    // Real-time pacing: in the first 1.3 s only the records due by then arrived (the
    // rest before the first lift sends one idle record a second).
    std::vector<Record_scheda> entro;
    Crea_sorgente(o)->Fino_a(1.3, entro);
    QVERIFY(static_cast<std::size_t>(primo.size() / 6) <= entro.size() + 1);
    // After "$T" the line is quiet.
    QCOMPARE(scheda.Leggi(200), QByteArray());
}

// "$Z" makes the current position the new zero.
void Test_virtualboard_processo::azzeramento() {
    Scheda_in_prova scheda(runtime.path(), {"--port", "6", "--board-type", "2", "--seed", "3",
                                            "--reps", "2", "--pause", "0"});
    QVERIFY(scheda.Pronta());
    QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
    const QByteArray prima = scheda.Leggi(2200); // into the first lift
    const QByteArray risposta = scheda.Scambia("$T$Z$F", 6, 500);
    const auto segno = risposta.indexOf("$T$Z$F");
    QVERIFY(segno >= 0);
    const QByteArray dopo = risposta.mid(segno + 6) + scheda.Leggi(400);
    const auto r_prima = Decodifica(prima + risposta.left(segno));
    const auto r_dopo = Decodifica(dopo);
    QVERIFY(!r_prima.empty() && !r_dopo.empty());
    QVERIFY2(r_prima.back().posizione >= 100, "the bar starts 100 mm up");
    QVERIFY2(std::abs(r_dopo.front().posizione) <= 6,
             qPrintable(QString::number(r_dopo.front().posizione)));

    // Zeroed before the bar has sent anything: the first record reads 0.
    Scheda_in_prova ferma(runtime.path(), {"--port", "7", "--reps", "1"});
    QVERIFY(ferma.Pronta());
    QCOMPARE(ferma.Scambia("$Z$F", 4), QByteArray("$Z$F"));
    const auto primi = Decodifica(ferma.Leggi(1500, 6));
    QVERIFY(!primi.empty());
    QCOMPARE(primi.front().posizione, std::int16_t{0});
}

void Test_virtualboard_processo::collegamento_creato_e_rimosso_data() {
    QTest::addColumn<int>("segnale");
    QTest::newRow("SIGTERM") << int{SIGTERM};
    QTest::newRow("SIGINT") << int{SIGINT};
}

void Test_virtualboard_processo::collegamento_creato_e_rimosso() {
    QFETCH(int, segnale);
    Scheda_in_prova scheda(runtime.path(), {"--port", "12"});
    QVERIFY(scheda.Pronta());
    QFileInfo link(Collegamento(12));
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), scheda.percorso);
    QCOMPARE(QFileInfo(runtime.path() + "/kinetrack").permissions() & 0x0077, 0);
    ::kill(static_cast<pid_t>(scheda.processo.processId()), segnale);
    QVERIFY(scheda.processo.waitForFinished(3000));
    QCOMPARE(scheda.processo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(scheda.processo.exitCode(), 0);
    QVERIFY(!QFileInfo(Collegamento(12)).isSymLink());
}

// A second board cannot take a number in use; a link left by a board that died is
// taken over.
void Test_virtualboard_processo::porta_gia_occupata() {
    Scheda_in_prova prima(runtime.path(), {"--port", "9"});
    QVERIFY(prima.Pronta());
    Scheda_in_prova seconda(runtime.path(), {"--port", "9"});
    QVERIFY(!seconda.Pronta());
    QVERIFY(seconda.processo.state() == QProcess::NotRunning ||
            seconda.processo.waitForFinished(3000));
    QCOMPARE(seconda.processo.exitCode(), 1);
    QVERIFY(seconda.processo.readAllStandardError().contains("com9"));
    QCOMPARE(QFileInfo(Collegamento(9)).symLinkTarget(), prima.percorso);

    QVERIFY(QFile::link("/dev/pts/does-not-exist", Collegamento(10)));
    Scheda_in_prova terza(runtime.path(), {"--port", "10"});
    QVERIFY(terza.Pronta());
    QCOMPARE(QFileInfo(Collegamento(10)).symLinkTarget(), terza.percorso);
}

void Test_virtualboard_processo::opzioni_errate() {
    QProcess p;
    p.start(QStringLiteral(KT_SCHEDA_VIRTUALE), {"--port", "3", "--rate", "abc"});
    QVERIFY(p.waitForFinished(3000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("--rate"));
    QVERIFY(p.readAllStandardOutput().isEmpty());
}

void Test_virtualboard_processo::troncamento_e_alterazione() {
    // Stops for good in the middle of the eighth record, still answering commands.
    Scheda_in_prova tronca(runtime.path(),
                           {"--port", "15", "--rate", "1000", "--truncate-after", "45"});
    QVERIFY(tronca.Pronta());
    QCOMPARE(tronca.Scambia("$F", 2), QByteArray("$F"));
    QCOMPARE(tronca.Leggi(400).size(), 45);
    QCOMPARE(tronca.Scambia("$T", 2), QByteArray("$T"));

    // Every stream byte flipped; the replies left alone.
    Scheda_in_prova altera(runtime.path(),
                           {"--port", "16", "--board-type", "2", "--rate", "500", "--garble", "1"});
    QVERIFY(altera.Pronta());
    QCOMPARE(altera.Scambia("$F", 2), QByteArray("$F"));
    const QByteArray alterato = altera.Leggi(300);
    QVERIFY(alterato.size() >= 60);
    std::vector<Record_scheda> puliti;
    Flusso_ritmo(2, Collegamento::Seriale, 500).Fino_a(10, puliti);
    const auto byte_puliti = Byte_seriali(puliti);
    for (qsizetype i = 0; i < alterato.size(); ++i)
        QVERIFY(static_cast<std::uint8_t>(alterato[i]) != byte_puliti[static_cast<std::size_t>(i)]);
}

// The adapter pulled: the line drops, the process ends and frees its number.
void Test_virtualboard_processo::scomparsa() {
    Scheda_in_prova scheda(runtime.path(),
                           {"--port", "17", "--rate", "200", "--vanish-after", "0.3"});
    QVERIFY(scheda.Pronta());
    QElapsedTimer orologio;
    orologio.start();
    QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
    QVERIFY(scheda.processo.waitForFinished(3000));
    QVERIFY(orologio.elapsed() >= 250);
    QCOMPARE(scheda.processo.exitCode(), 0);
    QVERIFY(!QFileInfo(Collegamento(17)).isSymLink());
    char c;
    QVERIFY(::read(scheda.fd, &c, 1) <= 0); // hung up (EIO) once the master is gone
}

QTEST_GUILESS_MAIN(Test_virtualboard_processo)
#include "test_virtualboard_processo.moc"
