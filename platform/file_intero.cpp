// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_intero.h"

#include "platform/errori_sistema.h"
#include "platform/file_privati.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reason of a failure inside QSaveFile: Qt keeps the system's text, which leads back
// to the errno; `numero` (errno read at once) when it does not.
QString Motivo(const QSaveFile& file, int numero) {
    if (Numero_errore_da_testo(file.errorString()) != 0 || numero == 0)
        return Testo_errore_file(file);
    return Testo_errore_sistema(numero);
}

} // namespace

File_intero::File_intero(const QString& nome) : nome_(nome), file_(nome) {}

std::optional<QString> File_intero::Apri() {
    // QSaveFile would write to the link's target, wherever it is, and make one that is
    // missing: a link is refused instead (the rename would only replace the link itself).
    if ((errore_ = Collegamento_rifiutato(nome_))) return errore_;
    // QSaveFile refuses these two with texts of its own: tell them as the system would.
    const QFileInfo esistente(nome_);
    if (esistente.isDir()) {
        Segna(EISDIR);
        return errore_;
    }
    if (esistente.exists() && ::access(QFile::encodeName(nome_).constData(), W_OK) != 0) {
        Segna(errno); // no permission, or a read-only disk
        return errore_;
    }
    errno = 0;
    // Unbuffered: every write reaches the system at once, so its failure is seen there.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errore_ = Motivo(file_, errno);
        return errore_;
    }
    // For this user alone, whatever the file it replaces allowed. A disk that keeps no
    // permissions (FAT, some network shares) refuses: the file is written all the same.
    ::fchmod(file_.handle(), S_IRUSR | S_IWUSR);
    return std::nullopt;
}

bool File_intero::Scrivi(const char* dati, qint64 quanti) {
    if (errore_) return false;
    if (!file_.isOpen()) {
        Segna(EBADF);
        return false;
    }
    const int fd = file_.handle();
    while (quanti > 0) {
        const ssize_t scritti = ::write(fd, dati, static_cast<std::size_t>(quanti));
        if (scritti < 0) {
            if (errno == EINTR) continue;
            Segna(errno);
            return false;
        }
        dati += scritti;
        quanti -= scritti;
        scritti_ += scritti;
    }
#ifdef __linux__
    // A large file goes to the disk while the rest is still being made, so that the sync
    // at the end has little left to wait for.
    if (scritti_ - avviati_ >= Avvio_scrittura) {
        ::sync_file_range(fd, avviati_, scritti_ - avviati_, SYNC_FILE_RANGE_WRITE);
        avviati_ = scritti_;
    }
#endif
    return true;
}

std::optional<QString> File_intero::Conferma() {
    if (!errore_ && !file_.isOpen()) Segna(EBADF);
    // A file system that cannot sync (EINVAL) has nothing more to give.
    if (!errore_ && ::fsync(file_.handle()) != 0 && errno != EINVAL) Segna(errno);
    if (errore_) {
        // A cancelled commit removes the temporary file; the final name was never touched.
        file_.cancelWriting();
        file_.commit();
        return errore_;
    }
    errno = 0;
    if (!file_.commit()) {
        errore_ = Motivo(file_, errno);
        return errore_;
    }
    // The new name itself reaches the disk with the folder.
    const int cartella = ::open(QFile::encodeName(QFileInfo(nome_).absolutePath()).constData(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (cartella >= 0) {
        ::fsync(cartella);
        ::close(cartella);
    }
    return std::nullopt;
}

void File_intero::Segna(int numero) {
    if (!errore_) errore_ = Testo_errore_sistema(numero);
}

std::optional<QString> Scrivi_file_intero(const QString& nome, const QByteArray& contenuto) {
    File_intero file(nome);
    if (auto errore = file.Apri()) return errore;
    file.Scrivi(contenuto);
    return file.Conferma();
}

std::optional<QString> Leggi_file(const QString& nome, QByteArray& contenuto) {
    QFile file(nome);
    if (QFileInfo(nome).isDir()) return Testo_errore_sistema(EISDIR);
    if (!file.open(QIODevice::ReadOnly)) return Testo_errore_file(file);
    contenuto = file.readAll();
    if (file.error() != QFileDevice::NoError) return Testo_errore_file(file);
    return std::nullopt;
}
