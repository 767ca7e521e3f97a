// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-replay: a captured board stream through the measurement engine, headless.

#include "cli/replay.h"
#include "cli/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-replay"), Esegui_replay);
}
