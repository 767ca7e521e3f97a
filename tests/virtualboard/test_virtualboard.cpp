// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual board: its command replies and command line, and kinetrack-board as a
// separate process on a pseudo-terminal, talked to with plain POSIX I/O: the stream byte
// for byte against the motion model and the link's life.

#include "tests/support/ambiente_prova.h"
#include "tests/support/processo_prova.h"
#include "virtualboard/comandi_scheda.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"
#include "wire/flusso_scheda.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {
// One running board and our end of its line, raw.
struct Scheda_in_prova : Processo_scheda {
    explicit Scheda_in_prova(int porta, const QStringList& opzioni = {})
        : Processo_scheda(porta, opzioni) {
        fd = ::open(QFile::encodeName(dispositivo).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios modo{};
        if (fd >= 0 && ::tcgetattr(fd, &modo) == 0) {
            ::cfmakeraw(&modo);
            ::tcsetattr(fd, TCSANOW, &modo);
        }
    }
    ~Scheda_in_prova() {
        if (fd >= 0) ::close(fd);
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

    int fd = -1;
};

QByteArray Byte(const std::vector<Record_scheda>& record) {
    const auto b = Byte_seriali(record);
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}
} // namespace

class Test_virtualboard : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente; // the boards' runtime folder
    QString Collegamento(int n) const {
        return ambiente.Runtime() + "/kinetrack/com" + QString::number(n);
    }

private Q_SLOTS:
    // The board's replies and what it does, to commands split across reads or back to back,
    // after noise; silent, or spoiling the first reply byte of a start. Each case: the fault
    // (0 none, 1 silent, 2 bad first reply byte), what it receives one read after another
    // (split at spaces), its replies and the actions taken.
    void risposte_ai_comandi() {
        for (const char* caso : {"0|$ T $ F|$T$F|2 1", "0|$T$Z$F|$T$Z$F|2 3 1", "0|xx$qT ?|$?YES|",
                                 "1|$ ? $D $F||", "2|$T ?|#T?YES|2"}) {
            const QStringList c = QString(caso).split('|');
            Interprete_comandi::Profilo profilo;
            profilo.tipo_scheda = 2;
            profilo.muta = c[0] == "1";
            profilo.avvio_errato = c[0] == "2";
            Interprete_comandi interprete(profilo);
            QByteArray tutte;
            QStringList eseguite;
            for (const auto& pezzo : c[1].split(' '))
                for (const auto& r : interprete.Ricevi(pezzo.toLatin1())) {
                    tutte += r.byte;
                    if (r.azione != Azione_scheda::Nessuna)
                        eseguite << QString::number(int(r.azione));
                }
            QCOMPARE(tutte + '|' + eseguite.join(' ').toLatin1(), (c[2] + '|' + c[3]).toLatin1());
        }
    }

    // The stream is the motion model's, paced in real time, and stops on "$T".
    void flusso_del_modello() {
        const QStringList argomenti{"--board-type", "2", "--seed",  "3",
                                    "--reps",       "2", "--pause", "0"};
        Scheda_in_prova scheda(6, argomenti);
        QVERIFY(scheda.Pronta());
        QCOMPARE(scheda.Scambia("$F", 2), QByteArray("$F"));
        QByteArray flusso = scheda.Leggi(2200); // into the first lift
        const qsizetype entro_2_2_s = flusso.size() / 6;
        flusso += scheda.Scambia("$T", 0, 500); // waits the 500 ms out
        QVERIFY(flusso.endsWith("$T"));
        flusso.chop(2);
        QCOMPARE(scheda.Leggi(200), QByteArray()); // quiet after "$T"

        Opzioni_scheda o;
        QVERIFY(!Leggi_opzioni(QStringList{"--port", "6"} + argomenti, o));
        std::vector<Record_scheda> entro, attesi;
        Crea_sorgente(o)->Fino_a(2.2, entro);
        QVERIFY(entro_2_2_s <= qsizetype(entro.size()) + 1); // not sent ahead of time
        Crea_sorgente(o)->Fino_a(10.0, attesi);
        QVERIFY2(flusso.size() >= 60 && flusso.size() % 6 == 0,
                 qPrintable(QString::number(flusso.size())));
        QCOMPARE(flusso, Byte(attesi).left(flusso.size()));
    }

    // Numbers take "," or "." as the program's do.
    void opzioni_con_virgola() {
        Opzioni_scheda o;
        QVERIFY(!Leggi_opzioni({"--port", "3", "--pause", "0,5:1.5", "--garble", "0,25"}, o));
        QCOMPARE((QList{o.pausa_s.minimo, o.pausa_s.massimo, o.disturbi.probabilita_byte_alterato}),
                 (QList{0.5, 1.5, 0.25}));
        QVERIFY(Leggi_opzioni({"--port", "3", "--config", "5,1,0,5"}, o));
    }

    // An endless board rests as asked between repetitions, also where one generated set
    // gives way to the next: the longest time without a moving record, over a minute and a
    // half of many seeds, is the asked pause plus the slow ends of the movements around it
    // (a twitch splits its rest in two stills of 1.2 s and half the pause each): under 1.5 s
    // without twitches, 2.5 s with.
    void pausa_tra_le_ripetizioni() {
        for (const auto& [sussulti, massimo] : {std::pair{"0", 1.5}, {"0.3", 2.5}}) {
            double piu_lunga = 0;
            for (int seme = 1; seme <= 30; ++seme) {
                Opzioni_scheda o;
                QVERIFY(!Leggi_opzioni({"--port", "3", "--board-type", "1", "--seed",
                                        QString::number(seme), "--pause", "1", "--twitch",
                                        QString(sussulti)},
                                       o));
                std::vector<Record_scheda> record;
                Crea_sorgente(o)->Fino_a(90.0, record);
                double ultimo = -1;
                for (const Record_scheda& r : record) {
                    if (r.fermo) continue;
                    // From the first movement on: the set's opening rest is no pause.
                    if (ultimo >= 0) piu_lunga = std::max(piu_lunga, r.istante_s - ultimo);
                    ultimo = r.istante_s;
                }
                QVERIFY(ultimo > 60); // moving all along
            }
            QVERIFY2(piu_lunga > 1 && piu_lunga < massimo, qPrintable(QString::number(piu_lunga)));
        }
    }

    // A running board keeps its port and its link from a second one (the link's folder is
    // private, or no test could reach a board). A board killed outright leaves its link
    // behind, which the next board on the port replaces; on a signal the link goes with it.
    void collegamento_alla_linea() {
        Scheda_in_prova prima(20);
        QVERIFY(prima.Pronta());
        {
            Scheda_in_prova seconda(20);
            seconda.processo.waitForFinished(3000); // false if it has already ended
            QCOMPARE(seconda.processo.state(), QProcess::NotRunning);
            QCOMPARE(seconda.processo.exitCode(), 1);
            QVERIFY(seconda.processo.readAllStandardError().contains("com20"));
            QCOMPARE(QFileInfo(Collegamento(20)).symLinkTarget(), prima.dispositivo);
        }
        prima.processo.kill();
        QVERIFY(prima.processo.waitForFinished(3000));
        QCOMPARE(QFileInfo(Collegamento(20)).symLinkTarget(), prima.dispositivo);
        Scheda_in_prova terza(20);
        QVERIFY2(terza.Pronta(), terza.processo.readAllStandardError().constData());
        QCOMPARE(QFileInfo(Collegamento(20)).symLinkTarget(), terza.dispositivo);
        ::kill(static_cast<pid_t>(terza.processo.processId()), SIGTERM);
        QVERIFY(terza.processo.waitForFinished(3000));
        QCOMPARE(terza.processo.exitCode(), 0);
        QVERIFY(!QFileInfo(Collegamento(20)).isSymLink());
        QVERIFY(!QFileInfo::exists(Collegamento(20) + ".pid"));
    }
    // A program killed while it held the line exclusive (as serial ports are opened) does
    // not leave it busy for the next start: a real adapter forgets that with its last
    // holder, and the board does within a second; a line still held stays exclusive.
    void esclusiva_abbandonata() {
        Scheda_in_prova scheda(21);
        QVERIFY(scheda.Pronta());
        ::close(scheda.fd);
        scheda.fd = -1;
        const QByteArray percorso = QFile::encodeName(scheda.dispositivo);
        const auto Esclusiva = [&percorso] {
            const int fd = ::open(percorso.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            if (fd < 0) return errno == EBUSY; // root opens it all the same, and asks
            int esclusiva = 0;
            ::ioctl(fd, TIOCGEXCL, &esclusiva);
            ::close(fd);
            return esclusiva != 0;
        };
        const auto Uccidi = [](pid_t figlio) {
            ::kill(figlio, SIGKILL);
            ::waitpid(figlio, nullptr, 0);
        };
        for (const bool viva : {false, true}) {
            int tubo[2];
            QCOMPARE(::pipe(tubo), 0);
            const pid_t figlio = ::fork();
            if (figlio == 0) { // the program: opens the line as its own, then waits
                const int fd = ::open(percorso.constData(), O_RDWR | O_NOCTTY);
                const char fatto = fd >= 0 && ::ioctl(fd, TIOCEXCL) == 0 ? 'y' : 'n';
                if (::write(tubo[1], &fatto, 1) != 1) ::_exit(1);
                ::pause();
                ::_exit(0);
            }
            char fatto = 0;
            const bool letto = ::read(tubo[0], &fatto, 1) == 1;
            ::close(tubo[0]), ::close(tubo[1]);
            QVERIFY(letto && fatto == 'y');
            if (!viva) Uccidi(figlio);
            QTest::qWait(1500);
            const bool esclusiva = Esclusiva();
            if (viva) Uccidi(figlio);
            QCOMPARE(esclusiva, viva);
        }
    }
};

QTEST_GUILESS_MAIN(Test_virtualboard)
#include "test_virtualboard.moc"
