// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board search over serial ports 1..30, without widgets: the port dialog's
// "Auto set" button and the start-up sequence run it.

#include <QCoreApplication>
#include <QString>
#include <functional>

class Collegamento_seriale;
class Protocollo;

// Tries each port number in turn: reports "Connessione a com" + i, closes the port,
// switches it to i and opens it (a number with no device fails at once and is skipped
// silently), then runs the board probe. Returns the number where a board answered,
// with the port left open there, or 0 when none did (the port is left as the last
// attempt left it). `interrotta` (may be empty) ends the search early when it holds.
int Cerca_scheda(Collegamento_seriale& collegamento, Protocollo& protocollo,
                 const std::function<void(const QString&)>& mostra_stato,
                 const std::function<bool()>& interrotta = {});

// What the operator is told at start-up when no board was found anywhere.
inline QString Messaggio_nessuna_scheda() {
    return QCoreApplication::translate(
        "Ricerca_scheda",
        "Nessuna scheda trovata: collegare la scheda (USB o porta seriale) e accenderla, poi "
        "scegliere Impostazioni > Parametri Porta.... per cercarla di nuovo.");
}
