// kinetrack-replay: a captured board stream through the measurement engine, headless.

#include "board/replay.h"
#include "board/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, QStringLiteral("kinetrack-replay"), Esegui_replay);
}
