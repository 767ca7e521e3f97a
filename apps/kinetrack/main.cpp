// kinetrack: velocity-based strength training with a measuring board on the bar.

#include "platform/istanza_unica.h"
#include "program/avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kinetrack"));
    // A second start only brings the running window to the front: the board's port stays
    // with the running one.
    Istanza_unica istanza;
    if (istanza.Gia_in_esecuzione()) return 0;
    Programma::Opzioni opzioni;
    opzioni.cartella_eseguibile = QCoreApplication::applicationDirPath();
    Programma programma(opzioni);
    programma.Avvia();
    return QApplication::exec();
}
