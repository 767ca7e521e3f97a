// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/avvio_scheda.h"

#include "platform/segnali_fine.h"
#include "session/titolo.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"
#include "virtualboard/scheda_virtuale.h"
#include "virtualboard/terminale_virtuale.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {
void Errore(const QString& testo) {
    std::fprintf(stderr, "kinetrack-board: %s\n", testo.toLocal8Bit().constData());
}
} // namespace

int Esegui_scheda_virtuale(const QStringList& argomenti) {
    if (argomenti.contains(QLatin1String("--version"))) {
        std::fputs(Testo_versione(QStringLiteral("kinetrack-board")).toLocal8Bit().constData(),
                   stdout);
        return 0;
    }
    if (argomenti.contains(QLatin1String("--help")) || argomenti.contains(QLatin1String("-h"))) {
        std::fputs(Uso_scheda().toLocal8Bit().constData(), stdout);
        return 0;
    }
    Opzioni_scheda opzioni;
    if (auto errore = Leggi_opzioni(argomenti, opzioni)) {
        Errore(*errore);
        std::fputs(Uso_scheda().toLocal8Bit().constData(), stderr);
        return 2;
    }
    // Ctrl+C and `kill` end the event loop, so the link is removed on the normal path.
    Segnali_fine segnali;
    if (!segnali.Attivo()) {
        Errore(
            QCoreApplication::translate("Scheda_virtuale", "impossibile intercettare i segnali"));
        return 1;
    }
    Terminale_virtuale terminale;
    if (auto errore = terminale.Apri()) {
        Errore(*errore);
        return 1;
    }
    const QString slave = terminale.Percorso_slave();
    if (auto errore = Crea_collegamento_porta(opzioni.porta, slave)) {
        Errore(*errore);
        return 1;
    }
    std::printf("%s\n", slave.toLocal8Bit().constData());
    std::fflush(stdout);

    Scheda_virtuale scheda(terminale.Master(), opzioni.profilo, opzioni.disturbi,
                           Crea_sorgente(opzioni));
    QObject::connect(&segnali, &Segnali_fine::Fine_richiesta, qApp, &QCoreApplication::quit);
    // A program killed while holding the port leaves it exclusive: freed within a second.
    QTimer esclusiva;
    QObject::connect(&esclusiva, &QTimer::timeout, &esclusiva,
                     [&terminale] { terminale.Libera_esclusiva_abbandonata(); });
    esclusiva.start(500);
    QObject::connect(&scheda, &Scheda_virtuale::Scollegata, qApp, [&terminale] {
        terminale.Chiudi(); // the adapter is pulled: the program's port loses its line
        QCoreApplication::quit();
    });
    QCoreApplication::exec();

    Rimuovi_collegamento_porta(opzioni.porta, slave);
    terminale.Chiudi();
    return 0;
}
