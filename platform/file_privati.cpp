// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_privati.h"

#include "platform/errori_sistema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t Permessi_altrui = S_IRWXG | S_IRWXO;
// Deeper than any team/athlete tree: a loop of bind mounts ends here.
constexpr int Profondita_massima = 64;

// The entries of the folder open as `fd` (which this takes over), the folder itself
// already done.
void Visita(int fd, int profondita, Esito_riservatezza& esito, const std::atomic<bool>* fine) {
    DIR* cartella = ::fdopendir(fd);
    if (cartella == nullptr) {
        ::close(fd);
        ++esito.fallite;
        return;
    }
    while (const dirent* voce = ::readdir(cartella)) {
        if (fine != nullptr && fine->load(std::memory_order_relaxed)) break;
        const char* nome = voce->d_name;
        if (nome[0] == '.' && (nome[1] == 0 || (nome[1] == '.' && nome[2] == 0))) continue;
        struct stat stato {};
        if (::fstatat(fd, nome, &stato, AT_SYMLINK_NOFOLLOW) != 0) continue; // gone meanwhile
        ++esito.voci;
        const bool sottocartella = S_ISDIR(stato.st_mode);
        if ((!sottocartella && !S_ISREG(stato.st_mode)) || stato.st_uid != ::getuid()) continue;
        if (!sottocartella) {
            // The folder is already closed to others: nobody else can swap the entry for a
            // link between the two calls.
            if ((stato.st_mode & Permessi_altrui) == 0) continue;
            if (::fchmodat(fd, nome, stato.st_mode & 07777 & ~Permessi_altrui, 0) == 0)
                ++esito.corrette;
            else
                ++esito.fallite;
            continue;
        }
        const int figlia = ::openat(fd, nome, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (figlia < 0) {
            ++esito.fallite;
            continue;
        }
        if ((stato.st_mode & Permessi_altrui) != 0) {
            if (::fchmod(figlia, stato.st_mode & 07777 & ~Permessi_altrui) == 0)
                ++esito.corrette;
            else
                ++esito.fallite;
        }
        if (profondita < Profondita_massima)
            Visita(figlia, profondita + 1, esito, fine);
        else
            ::close(figlia);
    }
    ::closedir(cartella);
}

} // namespace

std::optional<QString> Cartella_non_propria(const QString& cartella) {
    struct stat stato {};
    if (::lstat(QFile::encodeName(cartella).constData(), &stato) != 0)
        return errno == ENOENT
                   ? std::nullopt
                   : std::optional(QCoreApplication::translate("File_privati",
                                                               "la cartella %1 non è leggibile: %2")
                                       .arg(cartella, Testo_errore_sistema(errno)));
    if (!S_ISDIR(stato.st_mode))
        return QCoreApplication::translate(
                   "File_privati", "%1 non è una cartella (forse un collegamento messo da altri)")
            .arg(cartella);
    if (stato.st_uid != ::getuid())
        return QCoreApplication::translate("File_privati",
                                           "la cartella %1 appartiene a un altro utente")
            .arg(cartella);
    if ((stato.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QCoreApplication::translate("File_privati",
                                           "la cartella %1 è scrivibile da altri utenti")
            .arg(cartella);
    return std::nullopt;
}

bool Voce_presente(const QString& nome) {
    struct stat stato {};
    return ::lstat(QFile::encodeName(nome).constData(), &stato) == 0;
}

std::optional<QString> Collegamento_rifiutato(const QString& nome) {
    struct stat stato {};
    if (::lstat(QFile::encodeName(nome).constData(), &stato) != 0 || !S_ISLNK(stato.st_mode))
        return std::nullopt;
    return QCoreApplication::translate("File_privati",
                                       "il file è un collegamento simbolico: il programma non "
                                       "scrive attraverso i collegamenti (sostituirlo con un "
                                       "file vero)");
}

std::optional<QString> Crea_cartella_privata(const QString& cartella) {
    const QString pulita = QDir::cleanPath(QDir(cartella).absolutePath());
    // The folders missing on the way, the deepest first.
    QStringList mancanti;
    struct stat stato {};
    for (QString c = pulita; ::stat(QFile::encodeName(c).constData(), &stato) != 0;) {
        if (errno != ENOENT) return Testo_errore_sistema(errno);
        mancanti.prepend(c);
        const qsizetype barra = c.lastIndexOf(QLatin1Char('/'));
        if (barra <= 0) break;
        c.truncate(barra);
    }
    if (mancanti.isEmpty() && !S_ISDIR(stato.st_mode)) return Testo_errore_sistema(ENOTDIR);
    for (const QString& c : mancanti)
        if (::mkdir(QFile::encodeName(c).constData(), 0700) != 0 && errno != EEXIST)
            return Testo_errore_sistema(errno);
    if (!mancanti.isEmpty() && ::stat(QFile::encodeName(pulita).constData(), &stato) == 0 &&
        !S_ISDIR(stato.st_mode))
        return Testo_errore_sistema(ENOTDIR);
    return std::nullopt;
}

Esito_riservatezza Rendi_privata(const QString& cartella, const std::atomic<bool>* fine) {
    Esito_riservatezza esito;
    // The data folder itself may be a link the user made (a folder on another disk): that
    // one is followed; nothing below it is.
    const int fd =
        ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return esito;
    struct stat stato {};
    if (::fstat(fd, &stato) != 0 || stato.st_uid != ::getuid()) {
        ::close(fd);
        return esito;
    }
    ++esito.voci;
    if ((stato.st_mode & Permessi_altrui) != 0) {
        if (::fchmod(fd, stato.st_mode & 07777 & ~Permessi_altrui) != 0) {
            // A disk that keeps no permissions (FAT, some network shares): nothing to do.
            ++esito.fallite;
            ::close(fd);
            return esito;
        }
        ++esito.corrette;
    }
    Visita(fd, 0, esito, fine);
    return esito;
}

Riservatezza_in_fondo::Riservatezza_in_fondo(const QString& cartella)
    : thread_([this, cartella] { Rendi_privata(cartella, &fine_); }) {}

Riservatezza_in_fondo::~Riservatezza_in_fondo() {
    fine_ = true;
    thread_.join();
}
