// kinetrack: velocity-based strength training with a measuring board on the bar.

#include "program/avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kinetrack"));
    Programma::Opzioni opzioni;
    opzioni.cartella_eseguibile = QCoreApplication::applicationDirPath();
    Programma programma(opzioni);
    programma.Avvia();
    return QApplication::exec();
}
