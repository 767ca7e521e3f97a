#include "virtualboard/avvio_scheda.h"

#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"
#include "virtualboard/scheda_virtuale.h"
#include "virtualboard/terminale_virtuale.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int fd_segnale[2] = {-1, -1};

extern "C" void Su_segnale(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(fd_segnale[0], &c, 1);
}

// SIGINT/SIGTERM end the event loop through a socket pair, so the link is removed on
// the normal path.
bool Intercetta_segnali() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fd_segnale) != 0) return false;
    struct sigaction azione {};
    azione.sa_handler = Su_segnale;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &azione, nullptr);
    ::sigaction(SIGTERM, &azione, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    return true;
}

void Errore(const QString& testo) {
    std::fprintf(stderr, "kinetrack-board: %s\n", testo.toLocal8Bit().constData());
}
} // namespace

int Esegui_scheda_virtuale(const QStringList& argomenti) {
    if (argomenti.contains(QLatin1String("--help")) || argomenti.contains(QLatin1String("-h"))) {
        std::fputs(Uso_scheda().toLocal8Bit().constData(), stdout);
        return 0;
    }
    Opzioni_scheda opzioni;
    if (auto errore = Leggi_opzioni(argomenti, opzioni)) {
        Errore(*errore);
        std::fputs(Uso_scheda().toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (!Intercetta_segnali()) {
        Errore(QStringLiteral("impossibile intercettare i segnali"));
        return 1;
    }
    Terminale_virtuale terminale;
    if (auto errore = terminale.Apri()) {
        Errore(*errore);
        return 1;
    }
    const QString slave = terminale.Percorso_slave();
    if (auto errore = Crea_collegamento_porta(opzioni.porta, slave)) {
        Errore(*errore);
        return 1;
    }
    std::printf("%s\n", slave.toLocal8Bit().constData());
    std::fflush(stdout);

    Scheda_virtuale scheda(terminale.Master(), opzioni.profilo, opzioni.disturbi,
                           Crea_sorgente(opzioni));
    QSocketNotifier segnale(fd_segnale[1], QSocketNotifier::Read);
    QObject::connect(&segnale, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    QObject::connect(&scheda, &Scheda_virtuale::Scollegata, qApp, [&terminale] {
        terminale.Chiudi(); // the adapter is pulled: the program's port loses its line
        QCoreApplication::quit();
    });
    QCoreApplication::exec();

    Rimuovi_collegamento_porta(opzioni.porta, slave);
    terminale.Chiudi();
    return 0;
}
