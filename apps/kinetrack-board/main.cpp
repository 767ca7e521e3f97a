// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-board: a virtual measuring board on a pseudo-terminal. Prints the device
// path on the first line of standard output, claims its port number with a link the
// serial layer honours, and behaves as the board until SIGINT or SIGTERM.

#include "platform/lingua.h"
#include "virtualboard/avvio_scheda.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList argomenti = app.arguments();
    argomenti.removeFirst();
    if (const auto errore = Applica_lingua_riga(argomenti)) {
        std::fprintf(stderr, "kinetrack-board: %s\n", qPrintable(*errore));
        return 2;
    }
    return Esegui_scheda_virtuale(argomenti);
}
