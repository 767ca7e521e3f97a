#include "virtualboard/terminale_virtuale.h"

#include <QByteArray>
#include <QDir>
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

// Beside the link, the process id of the board that made it.
QByteArray Percorso_pid(int numero) {
    return Percorso_collegamento(numero) + ".pid";
}

QByteArray Leggi_file(const QByteArray& percorso) {
    QFile file(QFile::decodeName(percorso));
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

// Whether process `pid` is a running kinetrack-board that holds `linea` open: not a
// process that got the number later, nor another board. Its executable's name, or
// failing that its first argument's; then its open files.
bool Scheda_in_vita(qint64 pid, const QByteArray& linea) {
    if (pid <= 0) return false;
    const QByteArray proc = "/proc/" + QByteArray::number(pid);
    QByteArray eseguibile = Destinazione_di(proc + "/exe");
    if (!eseguibile.isEmpty()) {
        eseguibile.replace(" (deleted)", ""); // a board still running after a rebuild
    } else {
        eseguibile = Leggi_file(proc + "/cmdline");
        eseguibile.truncate(eseguibile.indexOf('\0'));
    }
    if (eseguibile.mid(eseguibile.lastIndexOf('/') + 1) != "kinetrack-board") return false;
    QDir cartella(QFile::decodeName(proc + "/fd"));
    const auto descrittori = cartella.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& fd : descrittori)
        if (Destinazione_di(QFile::encodeName(cartella.filePath(fd))) == linea) return true;
    return false;
}

// Writes this process's id whole under another name, then renames it: a board checking
// the port never reads it half written.
bool Scrivi_pid(const QByteArray& file_pid, QString* errore) {
    const QByteArray provvisorio = file_pid + ".tmp";
    const QByteArray testo = QByteArray::number(::getpid()) + '\n';
    QFile file(QFile::decodeName(provvisorio));
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(testo) == testo.size() && file.flush();
    file.close();
    if (ok && ::rename(provvisorio.constData(), file_pid.constData()) == 0) return true;
    if (errore)
        *errore = ok ? Testo_errno("rename " + file_pid)
                     : QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    ::unlink(provvisorio.constData());
    return false;
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
    const QByteArray file_pid = Percorso_pid(numero);
    const QByteArray precedente = Destinazione_di(collegamento);
    if (!precedente.isEmpty()) {
        // Live: its line is there and, if a board made it, that board still runs. A
        // board killed outright leaves its link behind, pointing to a line that is gone
        // or has since been given to another terminal. A link without a process id was
        // made by hand and stays.
        struct stat info {};
        const QByteArray pid = Leggi_file(file_pid).trimmed();
        bool numero_ok = false;
        const qint64 processo = pid.toLongLong(&numero_ok);
        const bool linea = ::stat(collegamento.constData(), &info) == 0;
        if (linea && (pid.isEmpty() || (numero_ok && Scheda_in_vita(processo, precedente)))) {
            if (errore)
                *errore =
                    QStringLiteral("la porta com%1 è già occupata: %2 -> %3%4")
                        .arg(numero)
                        .arg(QFile::decodeName(collegamento), QFile::decodeName(precedente),
                             pid.isEmpty()
                                 ? QStringLiteral(" (rimuovere il collegamento se non "
                                                  "serve più)")
                                 : QStringLiteral(" (scheda virtuale, processo %1)").arg(processo));
            return false;
        }
        ::unlink(collegamento.constData()); // its board is gone
    }
    ::unlink(file_pid.constData());
    if (::symlink(QFile::encodeName(destinazione).constData(), collegamento.constData()) != 0) {
        if (errore) *errore = Testo_errno("symlink " + collegamento);
        return false;
    }
    if (!Scrivi_pid(file_pid, errore)) {
        ::unlink(collegamento.constData());
        return false;
    }
    return true;
}

void Rimuovi_collegamento_porta(int numero, const QString& destinazione) {
    const QByteArray collegamento = Percorso_collegamento(numero);
    if (Destinazione_di(collegamento) != QFile::encodeName(destinazione)) return;
    ::unlink(collegamento.constData());
    const QByteArray file_pid = Percorso_pid(numero);
    if (Leggi_file(file_pid).trimmed() == QByteArray::number(::getpid()))
        ::unlink(file_pid.constData());
}
