#include "virtualboard/terminale_virtuale.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString Testo_errno(const char* operazione) {
    return QStringLiteral("%1: %2").arg(QLatin1String(operazione),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool Crea_cartella_privata(const QByteArray& percorso, QString* errore) {
    if (::mkdir(percorso.constData(), 0700) != 0 && errno != EEXIST) {
        if (errore) *errore = Testo_errno("mkdir " + percorso);
        return false;
    }
    return true;
}

QByteArray Percorso_collegamento(int numero) {
    return QFile::encodeName(Cartella_collegamenti(false) + QStringLiteral("/com") +
                             QString::number(numero));
}

QByteArray Destinazione_di(const QByteArray& collegamento) {
    QByteArray destinazione(4096, '\0');
    const auto n = ::readlink(collegamento.constData(), destinazione.data(),
                              static_cast<std::size_t>(destinazione.size()));
    if (n < 0) return {};
    destinazione.truncate(n);
    return destinazione;
}
} // namespace

bool Terminale_virtuale::Apri(QString* errore) {
    Chiudi();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        if (errore) *errore = Testo_errno("posix_openpt");
        Chiudi();
        return false;
    }
    const char* nome = ::ptsname(master_);
    if (!nome) {
        if (errore) *errore = Testo_errno("ptsname");
        Chiudi();
        return false;
    }
    percorso_ = QString::fromLocal8Bit(nome);
    slave_ = ::open(nome, O_RDWR | O_NOCTTY);
    termios modo{};
    if (slave_ < 0 || ::tcgetattr(slave_, &modo) != 0) {
        if (errore) *errore = Testo_errno("open slave");
        Chiudi();
        return false;
    }
    ::cfmakeraw(&modo);
    ::cfsetispeed(&modo, B115200);
    ::cfsetospeed(&modo, B115200);
    if (::tcsetattr(slave_, TCSANOW, &modo) != 0) {
        if (errore) *errore = Testo_errno("tcsetattr");
        Chiudi();
        return false;
    }
    const int flag = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flag | O_NONBLOCK);
    return true;
}

void Terminale_virtuale::Chiudi() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

QString Cartella_collegamenti(bool crea, QString* errore) {
    QByteArray base = qgetenv("XDG_RUNTIME_DIR");
    if (base.isEmpty()) {
        base = "/tmp/kinetrack-" + QByteArray::number(::getuid());
        if (crea && !Crea_cartella_privata(base, errore)) return {};
    }
    const QByteArray cartella = base + "/kinetrack";
    if (crea && !Crea_cartella_privata(cartella, errore)) return {};
    return QFile::decodeName(cartella);
}

bool Crea_collegamento_porta(int numero, const QString& destinazione, QString* errore) {
    if (Cartella_collegamenti(true, errore).isEmpty()) return false;
    const QByteArray collegamento = Percorso_collegamento(numero);
    const QByteArray precedente = Destinazione_di(collegamento);
    if (!precedente.isEmpty()) {
        struct stat info {};
        if (::stat(collegamento.constData(), &info) == 0) {
            if (errore)
                *errore = QStringLiteral("la porta com%1 è già occupata: %2 -> %3 "
                                         "(rimuovere il collegamento se nessuna scheda è attiva)")
                              .arg(numero)
                              .arg(QFile::decodeName(collegamento), QFile::decodeName(precedente));
            return false;
        }
        ::unlink(collegamento.constData()); // dangling: its board is gone
    }
    if (::symlink(QFile::encodeName(destinazione).constData(), collegamento.constData()) != 0) {
        if (errore) *errore = Testo_errno("symlink " + collegamento);
        return false;
    }
    return true;
}

void Rimuovi_collegamento_porta(int numero, const QString& destinazione) {
    const QByteArray collegamento = Percorso_collegamento(numero);
    if (Destinazione_di(collegamento) == QFile::encodeName(destinazione))
        ::unlink(collegamento.constData());
}
