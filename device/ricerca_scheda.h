#pragma once
// The board search over serial ports 1..30, without widgets: the port dialog's
// "Auto set" button and the start-up sequence run it.

#include <QString>
#include <functional>

class Collegamento_seriale;
class Protocollo;

// Tries each port number in turn: reports "Connessione a com" + i, closes the port,
// switches it to i and opens it (a number with no device fails at once and is skipped
// silently), then runs the board probe. Returns the number where a board answered,
// with the port left open there, or 0 when none did (the port is left as the last
// attempt left it, and the protocol knows that no board was found).
int Cerca_scheda(Collegamento_seriale& collegamento, Protocollo& protocollo,
                 const std::function<void(const QString&)>& mostra_stato);
