// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack: velocity-based strength training with a measuring board on the bar.

#include "platform/istanza_unica.h"
#include "platform/lingua.h"
#include "program/avvio.h"
#include "program/riga_comando.h"
#include "session/titolo.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Read before the window system is reached: --help and --version work without a
    // display, and a wrong option is refused before any window. An application object
    // without windows carries the user's language meanwhile.
    Opzioni_riga opzioni_riga;
    {
        QStringList argomenti;
        for (int i = 1; i < argc; ++i) argomenti << QString::fromLocal8Bit(argv[i]);
        const QCoreApplication riga(argc, argv);
        Applica_lingua(Lingua_salvata());
        QTextStream uscita(stdout);
        QTextStream errori(stderr);
        if (auto esito = Leggi_riga_comando(argomenti, opzioni_riga, uscita, errori)) return *esito;
    }
    QApplication app(argc, argv);
    // --lang for this run only; otherwise the user's choice, Italian until one is made. Qt's
    // own dialogs and buttons follow it.
    Applica_lingua(opzioni_riga.lingua.isEmpty() ? Lingua_salvata() : opzioni_riga.lingua);
    QCoreApplication::setApplicationName(QStringLiteral("kinetrack"));
    QCoreApplication::setApplicationVersion(Versione_programma());
    // Desktops that match windows to menu entries by this name (Wayland's app id) find the
    // installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KT_ID_APPLICAZIONE));

    // A second start only brings the running window to the front: the board's port stays
    // with the running one.
    Istanza_unica istanza;
    if (istanza.Gia_in_esecuzione()) return 0;
    if (const auto& motivo = istanza.Senza_canale()) QTextStream(stderr) << *motivo << Qt::endl;
    Programma::Opzioni opzioni;
    opzioni.cartella_eseguibile = QCoreApplication::applicationDirPath();
    opzioni.diagnostica = opzioni_riga.diagnostica;
    opzioni.registro_segnali = opzioni_riga.registro_segnali;
    Programma programma(opzioni);
    QObject::connect(&istanza, &Istanza_unica::Mostra_richiesta, &programma,
                     &Programma::Porta_in_primo_piano);
    programma.Avvia();
    // Ended by a signal while it was starting, or refused (another program has the data
    // folder): nothing was shown, nothing to keep.
    if (programma.Fine_richiesta()) return programma.Codice_uscita();
    return QApplication::exec();
}
