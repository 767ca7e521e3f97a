// kinetrack: velocity-based strength training with a measuring board on the bar.

#include "platform/istanza_unica.h"
#include "platform/traduzioni_qt.h"
#include "program/avvio.h"
#include "session/titolo.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kinetrack"));
    QCoreApplication::setApplicationVersion(Versione_programma());
    QCommandLineParser opzioni_riga;
    opzioni_riga.setApplicationDescription(QStringLiteral(
        "Allenamento basato sulla velocità con la scheda di misura sul bilanciere."));
    opzioni_riga.addHelpOption();
    opzioni_riga.addVersionOption();
    const QCommandLineOption diagnostica(
        QStringLiteral("diagnostica"),
        QStringLiteral("mostra i pulsanti di prova nella finestra della scheda USB"));
    opzioni_riga.addOption(diagnostica);
    opzioni_riga.process(app);

    // A second start only brings the running window to the front: the board's port stays
    // with the running one.
    Istanza_unica istanza;
    if (istanza.Gia_in_esecuzione()) return 0;
    Carica_traduzioni_qt(); // Qt's own dialogs and buttons in Italian, as the rest
    Programma::Opzioni opzioni;
    opzioni.cartella_eseguibile = QCoreApplication::applicationDirPath();
    opzioni.diagnostica = opzioni_riga.isSet(diagnostica);
    Programma programma(opzioni);
    QObject::connect(&istanza, &Istanza_unica::Mostra_richiesta, &programma,
                     &Programma::Porta_in_primo_piano);
    programma.Avvia();
    return QApplication::exec();
}
