// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/terminale_virtuale.h"

#include "platform/errori_sistema.h"
#include "platform/file_intero.h"
#include "platform/mappa_porte.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString Testo_errno(const char* operazione) {
    return QStringLiteral("%1: %2").arg(QLatin1String(operazione), Testo_errore_sistema(errno));
}

QByteArray Percorso_collegamento(int numero) {
    return QFile::encodeName(Cartella_collegamenti() + QStringLiteral("/com") +
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
std::optional<QString> Scrivi_pid(const QByteArray& file_pid) {
    const QString nome = QFile::decodeName(file_pid);
    if (auto motivo = Scrivi_file_intero(nome, QByteArray::number(::getpid()) + '\n'))
        return QStringLiteral("%1: %2").arg(nome, *motivo);
    return std::nullopt;
}

} // namespace

std::optional<QString> Terminale_virtuale::Apri() {
    Chiudi();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        const QString errore = Testo_errno("posix_openpt");
        Chiudi();
        return errore;
    }
    const char* nome = ::ptsname(master_);
    if (!nome) {
        const QString errore = Testo_errno("ptsname");
        Chiudi();
        return errore;
    }
    percorso_ = QString::fromLocal8Bit(nome);
    slave_ = ::open(nome, O_RDWR | O_NOCTTY);
    termios modo{};
    if (slave_ < 0 || ::tcgetattr(slave_, &modo) != 0) {
        const QString errore = Testo_errno("open slave");
        Chiudi();
        return errore;
    }
    ::cfmakeraw(&modo);
    ::cfsetispeed(&modo, B115200);
    ::cfsetospeed(&modo, B115200);
    if (::tcsetattr(slave_, TCSANOW, &modo) != 0) {
        const QString errore = Testo_errno("tcsetattr");
        Chiudi();
        return errore;
    }
    const int flag = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flag | O_NONBLOCK);
    return std::nullopt;
}

namespace {

// Whether a process other than this one has `percorso` open (its descriptors as the
// system lists them; processes of other users are not readable, and cannot hold a line
// of this user's anyway).
bool Aperto_da_altri(const std::filesystem::path& percorso) {
    namespace fs = std::filesystem;
    const std::string proprio = std::to_string(::getpid());
    std::error_code e;
    for (const fs::directory_entry& processo : fs::directory_iterator("/proc", e)) {
        const std::string pid = processo.path().filename().string();
        if (pid == proprio || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code e_fd;
        for (const fs::directory_entry& fd : fs::directory_iterator(processo.path() / "fd", e_fd)) {
            std::error_code e_link;
            if (fs::read_symlink(fd.path(), e_link) == percorso) return true;
        }
    }
    return false;
}

} // namespace

void Terminale_virtuale::Libera_esclusiva_abbandonata() {
    int esclusiva = 0;
    if (slave_ < 0 || ::ioctl(slave_, TIOCGEXCL, &esclusiva) != 0 || !esclusiva) return;
    if (!Aperto_da_altri(QFile::encodeName(percorso_).toStdString())) ::ioctl(slave_, TIOCNXCL);
}

void Terminale_virtuale::Chiudi() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

QString Cartella_collegamenti() {
    return Cartella_porte();
}

std::optional<QString> Crea_cartella_collegamenti() {
    return Prepara_cartella_porte();
}

std::optional<QString> Crea_collegamento_porta(int numero, const QString& destinazione) {
    if (auto errore = Crea_cartella_collegamenti()) return errore;
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
            const QString da = QFile::decodeName(collegamento);
            const QString a = QFile::decodeName(precedente);
            if (pid.isEmpty())
                return QCoreApplication::translate("Scheda_virtuale",
                                                   "la porta com%1 è già occupata: %2 -> %3 "
                                                   "(rimuovere il collegamento se non serve più)")
                    .arg(numero)
                    .arg(da, a);
            return QCoreApplication::translate("Scheda_virtuale",
                                               "la porta com%1 è già occupata: %2 -> %3 "
                                               "(scheda virtuale, processo %4)")
                .arg(numero)
                .arg(da, a, QString::number(processo));
        }
        ::unlink(collegamento.constData()); // its board is gone
    }
    ::unlink(file_pid.constData());
    if (::symlink(QFile::encodeName(destinazione).constData(), collegamento.constData()) != 0)
        return Testo_errno("symlink " + collegamento);
    if (auto errore = Scrivi_pid(file_pid)) {
        ::unlink(collegamento.constData());
        return errore;
    }
    return std::nullopt;
}

void Rimuovi_collegamento_porta(int numero, const QString& destinazione) {
    const QByteArray collegamento = Percorso_collegamento(numero);
    if (Destinazione_di(collegamento) != QFile::encodeName(destinazione)) return;
    ::unlink(collegamento.constData());
    const QByteArray file_pid = Percorso_pid(numero);
    if (Leggi_file(file_pid).trimmed() == QByteArray::number(::getpid()))
        ::unlink(file_pid.constData());
}
