// kinetrack-replay: a captured board stream through the measurement engine, headless.

#include "board/replay.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.removeFirst();
    return Esegui_replay(argomenti, uscita, errori);
}
