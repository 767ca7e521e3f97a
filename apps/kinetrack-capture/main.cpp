// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-capture: writes a generated lift script as the board's stream, for demos and
// for feeding kinetrack-replay.

#include "cli/cattura.h"
#include "cli/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-capture"), Esegui_cattura);
}
