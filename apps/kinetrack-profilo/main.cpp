// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-profilo: the load-velocity profile and estimated 1RM of an athlete's tests.

#include "cli/profilo.h"
#include "cli/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-profilo"), Esegui_profilo);
}
