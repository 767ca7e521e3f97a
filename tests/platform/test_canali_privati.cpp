// SPDX-License-Identifier: GPL-3.0-or-later
// What only this user may reach. One running program per user: a later start finds the
// running one and asks it to come to the front; a socket left by a crashed run is taken
// over. A folder another local user made first, can write in, or listens in (the single
// instance's channel, the port links' folder, whose links would let that user's process pose
// as the board) is not used: the program runs without it, says why, and touches nothing
// there.

#include "platform/istanza_unica.h"
#include "platform/mappa_porte.h"
#include "tests/support/tabella_prova.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A socket file bound at `percorso`, nobody listening yet; -1 on failure.
int Lega(const QString& percorso) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray byte = QFile::encodeName(percorso);
    std::memcpy(indirizzo.sun_path, byte.constData(),
                std::min(sizeof(indirizzo.sun_path) - 1, static_cast<std::size_t>(byte.size())));
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&indirizzo), sizeof(indirizzo)) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// What a run killed while listening leaves: a socket file nobody listens on.
bool Lascia_socket_morto(const QString& percorso) {
    const int fd = Lega(percorso);
    if (fd >= 0) ::close(fd);
    return fd >= 0 && QFileInfo::exists(percorso);
}

// Another user's program listening at `percorso` (root gives the socket away); its pid, or
// 0 when it could not start listening.
pid_t Ascolta_altro_utente(const QString& percorso) {
    int segnale[2];
    const int fd = Lega(percorso);
    if (fd < 0 || ::pipe(segnale) != 0) return 0;
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        if (::setuid(65534) == 0 && ::listen(fd, 1) == 0 && ::write(segnale[1], "s", 1) == 1)
            ::pause();
        ::_exit(1);
    }
    char c = 0;
    ::close(segnale[1]);
    const bool pronto = figlio > 0 && ::read(segnale[0], &c, 1) == 1;
    ::close(segnale[0]);
    ::close(fd);
    return pronto ? figlio : 0;
}

// `cartella` as another local user could leave it: open to all, given away, a link to a
// folder elsewhere, or gone.
void Guasta(const QString& cartella, const QString& guasto) {
    const QByteArray percorso = QFile::encodeName(cartella);
    if (guasto == "0777") QCOMPARE(::chmod(percorso.constData(), 0777), 0);
    if (guasto == "chown") QCOMPARE(::chown(percorso.constData(), 65534, 65534), 0);
    if (guasto == "link")
        QVERIFY(QDir().rename(cartella, cartella + "-altrove") &&
                QFile::link(cartella + "-altrove", cartella));
    if (guasto == "manca") QVERIFY(QDir(cartella).removeRecursively());
}
} // namespace

class Test_canali_privati : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // On a first start and after a crashed run.
    void seconda_partenza() {
        for (const bool socket_morto : {false, true}) {
            QTemporaryDir cartella;
            const QString nome = cartella.filePath("istanza");
            if (socket_morto) QVERIFY(Lascia_socket_morto(nome));

            Istanza_unica prima(nome);
            QSignalSpy mostra(&prima, &Istanza_unica::Mostra_richiesta);
            QVERIFY(!prima.Gia_in_esecuzione());
            QVERIFY(!prima.Gia_in_esecuzione() && mostra.isEmpty()); // asking again changes nothing

            Istanza_unica seconda(nome);
            QVERIFY(seconda.Gia_in_esecuzione());
            QVERIFY(mostra.wait(2000));
            Istanza_unica terza(nome); // the first still holds the name
            QVERIFY(terza.Gia_in_esecuzione());
            QTRY_COMPARE(mostra.size(), 2);

            // Another name is another user: no clash.
            Istanza_unica altro(cartella.filePath("altro"));
            QVERIFY(!altro.Gia_in_esecuzione());
            QTest::qWait(50);
            QCOMPARE(mostra.size(), 2);
        }
    }

    // How the folder was left, what the message says.
    void cartella_altrui_non_usata_data() {
        Righe_prova({"|", "0777|scrivibile da altri", "chown|appartiene a un altro utente",
                     "link|non è una cartella", "manca|non esiste", "ascolta|di un altro utente"});
    }
    void cartella_altrui_non_usata() {
        QFETCH(QStringList, r);
        const QString guasto = r[0], motivo = r[1];
        if ((guasto == "chown" || guasto == "ascolta") && ::getuid() != 0)
            QSKIP("another user's folder or program needs root");
        QTemporaryDir radice;
        const QString run = radice.filePath("run"), tty = radice.filePath("tty");
        QVERIFY(QDir().mkdir(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (guasto != "manca" && guasto != "ascolta") { // the port links' folder
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
            const QString porte = run + "/kinetrack";
            QCOMPARE(Prepara_cartella_porte(), std::nullopt);
            QVERIFY(QFile::link(tty, porte + "/com5"));
            QFile(tty).open(QIODevice::WriteOnly);
            Guasta(porte, guasto);
            const auto errore = Verifica_cartella_porte();
            QCOMPARE(errore.has_value(), !motivo.isEmpty());
            QCOMPARE(Dispositivo_porta(5), motivo.isEmpty() ? tty : QString());
            QVERIFY(errore.value_or(motivo).contains(motivo) &&
                    Descrizione_porta(5).contains(motivo) &&
                    Prepara_cartella_porte().value_or(motivo).contains(motivo));
        }
        if (guasto.isEmpty()) return;
        Guasta(run, guasto); // the single instance's channel
        const QString nome = run + "/istanza";
        const pid_t altro = guasto == "ascolta" ? Ascolta_altro_utente(nome) : 0;
        QCOMPARE(altro > 0, guasto == "ascolta");
        Istanza_unica prima(nome), seconda(nome);
        QVERIFY(!prima.Gia_in_esecuzione() && !seconda.Gia_in_esecuzione());
        QVERIFY(prima.Senza_canale() && prima.Senza_canale()->contains(motivo));
        QCOMPARE(QFileInfo(nome).isSymLink() || QFileInfo::exists(nome), altro > 0);
        if (altro > 0 && ::kill(altro, SIGKILL) == 0) ::waitpid(altro, nullptr, 0);
    }
};

QTEST_MAIN(Test_canali_privati)
#include "test_canali_privati.moc"
