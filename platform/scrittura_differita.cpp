// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrittura_differita.h"

#include "platform/errori_sistema.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// write() until everything is out, counting what went; false with errno set on failure.
bool Scrivi_tutto(int fd, const char* dati, std::size_t quanti, std::atomic<std::uint64_t>& fatti) {
    while (quanti > 0) {
        const ssize_t scritti = ::write(fd, dati, quanti);
        if (scritti < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        fatti += static_cast<std::uint64_t>(scritti);
        dati += scritti;
        quanti -= static_cast<std::size_t>(scritti);
    }
    return true;
}

// The file is no longer in any folder (deleted, or its folder removed): writing on goes
// nowhere anyone can find.
bool Rimosso(int fd) {
    struct stat stato {};
    return ::fstat(fd, &stato) == 0 && stato.st_nlink == 0;
}

// The folder's entry of a new file reaches the disk with the folder's own sync.
void Sincronizza_cartella(const QString& nome) {
    const int fd = ::open(QFile::encodeName(QFileInfo(nome).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

Scrittura_differita::~Scrittura_differita() {
    Chiudi();
}

std::optional<QString> Scrittura_differita::Apri(const QString& nome, const QByteArray& inizio) {
    Chiudi();
    errore_.reset();
    scritti_ = 0;
    fine_ = false;
    scartati_ = false;
    // O_EXCL never goes through a link either; this only tells why.
    if (auto motivo = Collegamento_rifiutato(nome)) return motivo;
    const int fd = ::open(QFile::encodeName(nome).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return Testo_errore_sistema(errno);
    if (!Scrivi_tutto(fd, inizio.constData(), std::size_t(inizio.size()), scritti_) ||
        ::fdatasync(fd) != 0) {
        const int numero = errno;
        ::close(fd);
        QFile::remove(nome);
        scritti_ = 0;
        return Testo_errore_sistema(numero);
    }
    Sincronizza_cartella(nome);
    nome_ = nome;
    fd_ = fd;
    thread_ = std::thread(&Scrittura_differita::Ciclo, this);
    return std::nullopt;
}

void Scrittura_differita::Accoda(const char* dati, std::size_t quanti) {
    if (fd_ < 0 || quanti == 0) return;
    const std::lock_guard blocco(mutex_);
    if (scartati_) return;
    if (in_coda_.size() + quanti > Coda_massima) {
        scartati_ = true;
        if (!errore_)
            errore_ = QCoreApplication::translate(
                "Scrittura_differita", "il disco non accetta più dati da troppo tempo: il "
                                       "giornale si ferma qui");
        return;
    }
    in_coda_.insert(in_coda_.end(), dati, dati + quanti);
}

std::optional<QString> Scrittura_differita::Chiudi() {
    if (fd_ < 0) return std::nullopt;
    {
        const std::lock_guard blocco(mutex_);
        fine_ = true;
    }
    sveglia_.notify_one();
    thread_.join();
    ::close(fd_);
    fd_ = -1;
    return Errore();
}

std::optional<QString> Scrittura_differita::Errore() const {
    const std::lock_guard blocco(mutex_);
    return errore_;
}

void Scrittura_differita::Segna_errore(int numero) {
    const std::lock_guard blocco(mutex_);
    if (!errore_) errore_ = Testo_errore_sistema(numero);
}

bool Scrittura_differita::Scrivi(const std::vector<char>& dati) {
    if (dati.empty()) return true;
    if (Scrivi_tutto(fd_, dati.data(), dati.size(), scritti_)) {
        if (!Rimosso(fd_)) return true;
        scritti_ = 0;
        const std::lock_guard blocco(mutex_);
        if (!errore_)
            errore_ = QCoreApplication::translate("Scrittura_differita",
                                                  "il file è stato rimosso dal disco");
        return false;
    }
    Segna_errore(errno);
    return false;
}

void Scrittura_differita::Ciclo() {
    using Orologio = std::chrono::steady_clock;
    std::vector<char> da_scrivere;
    auto ultima_sincronia = Orologio::now();
    bool da_sincronizzare = false;
    bool guasto = false; // after a failure the rest is dropped: a hole would shift the data
    for (;;) {
        bool fine = false;
        {
            std::unique_lock blocco(mutex_);
            sveglia_.wait_for(blocco, Intervallo_scrittura, [this] { return fine_; });
            fine = fine_;
            da_scrivere.swap(in_coda_);
        }
        if (!guasto && !da_scrivere.empty()) {
            guasto = !Scrivi(da_scrivere);
            da_sincronizzare = true;
        }
        da_scrivere.clear();
        const auto adesso = Orologio::now();
        if (!guasto && da_sincronizzare &&
            (fine || adesso - ultima_sincronia >= Intervallo_sincronia)) {
            if (::fdatasync(fd_) != 0) {
                Segna_errore(errno);
                guasto = true;
            }
            ultima_sincronia = adesso;
            da_sincronizzare = false;
        }
        if (fine) return;
    }
}
