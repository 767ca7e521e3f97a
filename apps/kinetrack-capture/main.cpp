// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-capture: writes a generated lift script as the board's stream, for demos and
// for feeding kinetrack-replay.

#include "comandi/cattura.h"
#include "comandi/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-capture"), Esegui_cattura);
}
