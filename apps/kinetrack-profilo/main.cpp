// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-profilo: the load-velocity profile and estimated 1RM of an athlete's tests.

#include "comandi/profilo.h"
#include "comandi/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-profilo"), Esegui_profilo);
}
