// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/segnali_fine.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int fd_segnale[2] = {-1, -1};

extern "C" void Su_segnale(int) {
    // Only a write is safe here; the notifier reads it on the user-interface thread.
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(fd_segnale[0], &c, 1);
}

constexpr int Segnali[] = {SIGINT, SIGTERM, SIGHUP};
} // namespace

Segnali_fine::Segnali_fine(QObject* parent) : QObject(parent) {
    if (fd_segnale[0] >= 0) return; // taken over already by another instance
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fd_segnale) != 0) return;
    struct sigaction azione {};
    azione.sa_handler = Su_segnale;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    for (const int segnale : Segnali) ::sigaction(segnale, &azione, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    notifica_ = new QSocketNotifier(fd_segnale[1], QSocketNotifier::Read, this);
    connect(notifica_, &QSocketNotifier::activated, this, [this] {
        char letti[16];
        [[maybe_unused]] const auto n = ::read(fd_segnale[1], letti, sizeof letti);
        Q_EMIT Fine_richiesta();
    });
}

Segnali_fine::~Segnali_fine() {
    if (notifica_ == nullptr) return;
    for (const int segnale : Segnali) ::signal(segnale, SIG_DFL);
    delete notifica_;
    notifica_ = nullptr;
    ::close(fd_segnale[0]);
    ::close(fd_segnale[1]);
    fd_segnale[0] = fd_segnale[1] = -1;
}
