// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// After the serial board was lost ("Disconnesso"), looks for it again on the same port
// once a second: a board that comes back there (the adapter plugged in again, the board
// switched on, the virtual board started again) is set up as at start-up — streaming
// stopped, type and configuration read — and the caption says so. No restart needed.

#include <QObject>
#include <QTimer>
#include <functional>

class Collegamento_seriale;
class Protocollo;

class Ritorno_seriale : public QObject {
    Q_OBJECT
public:
    // `occupato` true skips a round (the operator is in the port window, which has its
    // own search).
    Ritorno_seriale(Collegamento_seriale& collegamento, Protocollo& protocollo,
                    std::function<bool()> occupato, QObject* parent = nullptr);

    static constexpr int Intervallo_ms = 1000;
    // A port that opens but whose board stays silent is probed this many times; then
    // the port must go away and come back before the next probe.
    static constexpr int Prove_per_comparsa = 3;

    void Sorveglia();
    void Smetti();
    bool Attivo() const { return timer_.isActive(); }

private:
    void Prova();

    Collegamento_seriale& collegamento_;
    Protocollo& protocollo_;
    std::function<bool()> occupato_;
    QTimer timer_;
    bool in_prova_ = false;
    int prove_rimaste_ = 0;
};
