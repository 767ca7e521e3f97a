// kinetrack-capture: writes a generated lift script as the board's stream, for demos and
// for feeding kinetrack-replay.

#include "board/cattura.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.removeFirst();
    return Esegui_cattura(argomenti, uscita, errori);
}
