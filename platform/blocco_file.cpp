// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/blocco_file.h"

#include "platform/errori_sistema.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// An open-file-description lock: tied to this open file, not to the process as a plain
// fcntl lock is, so a second lock of this process on the same file fails as another
// process's would. Kernels without it get flock, which behaves the same way locally.
int Blocca(int fd, bool scrittura) {
#ifdef F_OFD_SETLK
    struct flock blocco {};
    blocco.l_type = static_cast<short>(scrittura ? F_WRLCK : F_RDLCK);
    blocco.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &blocco) == 0) return 0;
    if (errno != EINVAL) return -1;
#endif
    return ::flock(fd, (scrittura ? LOCK_EX : LOCK_SH) | LOCK_NB);
}

} // namespace

Blocco_file::Esito Blocco_file::Prendi(const QString& file, bool crea) {
    Rilascia();
    errore_.clear();
    const QByteArray nome = QFile::encodeName(file);
    // Read and write when allowed: the lock then excludes every other holder; a file only
    // readable still gets a shared lock, which a writer's lock excludes.
    bool scrittura = true;
    int fd = ::open(nome.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (crea ? O_CREAT : 0), 0600);
    if (fd < 0 && errno == EACCES && !crea) {
        scrittura = false;
        fd = ::open(nome.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    if (fd < 0) {
        errore_ = Testo_errore_sistema(errno);
        return Esito::Errore;
    }
    if (Blocca(fd, scrittura) != 0) {
        const int codice = errno;
        ::close(fd);
        if (codice == EAGAIN || codice == EACCES || codice == EWOULDBLOCK) return Esito::Occupato;
        errore_ = Testo_errore_sistema(codice);
        return Esito::Errore;
    }
    fd_ = fd;
    return Esito::Preso;
}

void Blocco_file::Rilascia() {
    if (fd_ < 0) return;
    ::close(fd_); // the lock goes with the last descriptor of its open file
    fd_ = -1;
}
