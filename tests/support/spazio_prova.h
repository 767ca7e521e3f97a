// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Disks that fail on purpose, for the tests of saving: the test process enters mount and
// user namespaces of its own, where an ordinary user may mount a small tmpfs (a disk that
// fills) and remount it read-only, without touching the machine's mounts. It then gives up
// the capabilities that let root (or the namespace's root) ignore file permissions, so that
// a folder without write permission refuses files as it does for an operator.
//
// Entra_in_spazio_prova() must run first thing in main(), before any thread is started.
// Where namespaces are not allowed (a container without them) the mounts are not
// available: the tests that need them skip, naming the reason.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

struct Spazio_prova {
    bool montaggi = false; // tmpfs mounts possible
    QString motivo;        // why not
};

inline Spazio_prova& Spazio_corrente() {
    static Spazio_prova spazio;
    return spazio;
}

namespace spazio_prova_dettagli {

inline bool Scrivi_proc(const char* file, const QByteArray& testo) {
    const int fd = ::open(file, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::write(fd, testo.constData(), std::size_t(testo.size())) == testo.size();
    ::close(fd);
    return ok;
}

inline QString Errno(const char* cosa) {
    return QStringLiteral("%1: %2").arg(QLatin1String(cosa),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace spazio_prova_dettagli

// Keeps only CAP_SYS_ADMIN (to unmount at the end): from here on file permissions hold for
// this process as for anyone.
inline void Rinuncia_ai_permessi_speciali() {
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct dati[2]{};
    if (::syscall(SYS_capget, &testa, dati) != 0) return;
    // Out of the permitted set too: access() grants root what the permitted set allows.
    for (auto& d : dati) {
        d.effective &= &d == &dati[0] ? (1u << CAP_SYS_ADMIN) : 0u;
        d.permitted = d.effective;
        d.inheritable = 0;
    }
    ::syscall(SYS_capset, &testa, dati);
}

inline Spazio_prova Entra_in_spazio_prova() {
    using namespace spazio_prova_dettagli;
    Spazio_prova& spazio = Spazio_corrente();
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    // Root needs only a mount namespace of its own. An ordinary user (or root in a container
    // that refuses that) needs a user namespace too, where he keeps his own ids, so the
    // files he makes stay his, and may mount.
    const bool utente = uid != 0 || ::unshare(CLONE_NEWNS) != 0;
    if (utente) {
        if (::unshare(CLONE_NEWNS | CLONE_NEWUSER) != 0)
            spazio.motivo = Errno("unshare");
        else if (!Scrivi_proc("/proc/self/setgroups", "deny") ||
                 !Scrivi_proc("/proc/self/uid_map",
                              QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
                 !Scrivi_proc("/proc/self/gid_map",
                              QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1"))
            spazio.motivo = Errno("uid_map");
    }
    // Nothing mounted here is seen outside.
    if (spazio.motivo.isEmpty() && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        spazio.motivo = Errno("mount --make-rprivate /");
    spazio.montaggi = spazio.motivo.isEmpty();
    return spazio;
}

// A tmpfs of `kib` KiB over `cartella` (which must exist).
inline QString Monta_tmpfs(const QString& cartella, int kib) {
    const QByteArray opzioni = "size=" + QByteArray::number(kib) + "k,mode=0700";
    if (::mount("tmpfs", QFile::encodeName(cartella).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                opzioni.constData()) != 0)
        return spazio_prova_dettagli::Errno("mount tmpfs");
    return {};
}

inline QString Rendi_sola_lettura(const QString& cartella) {
    if (::mount(nullptr, QFile::encodeName(cartella).constData(), nullptr,
                MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) != 0)
        return spazio_prova_dettagli::Errno("remount ro");
    return {};
}

inline void Smonta(const QString& cartella) {
    ::umount2(QFile::encodeName(cartella).constData(), MNT_DETACH);
}

// Fills the disk `file` is on until it takes no more.
inline void Riempi(const QString& file) {
    const int fd =
        ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const QByteArray blocco(4096, 'x');
    while (::write(fd, blocco.constData(), std::size_t(blocco.size())) > 0) {
    }
    // The last bytes of a page.
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}
