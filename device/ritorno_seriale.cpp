// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ritorno_seriale.h"

#include "device/collegamento_seriale.h"
#include "device/protocollo.h"
#include "platform/porta_seriale.h"

Ritorno_seriale::Ritorno_seriale(Collegamento_seriale& collegamento, Protocollo& protocollo,
                                 std::function<bool()> occupato, QObject* parent)
    : QObject(parent), collegamento_(collegamento), protocollo_(protocollo),
      occupato_(std::move(occupato)) {
    timer_.setInterval(Intervallo_ms);
    connect(&timer_, &QTimer::timeout, this, &Ritorno_seriale::Prova);
}

void Ritorno_seriale::Sorveglia() {
    prove_rimaste_ = Prove_per_comparsa;
    timer_.start();
}

void Ritorno_seriale::Smetti() {
    timer_.stop();
}

void Ritorno_seriale::Prova() {
    // The probe waits for replies with the events running: one round at a time.
    if (in_prova_ || (occupato_ && occupato_())) return;
    if (collegamento_.Aperto()) {
        Smetti(); // found again another way (the port window's search)
        return;
    }
    in_prova_ = true;
    // A port with nothing behind it does not open, without a word.
    const bool aperta = !collegamento_.Apri() && collegamento_.Aperto();
    bool tornata = false;
    if (!aperta) {
        prove_rimaste_ = Prove_per_comparsa; // gone: the next time it shows is a new chance
    } else if (prove_rimaste_ > 0) {
        --prove_rimaste_;
        tornata = protocollo_.Verifica_scheda();
    }
    if (tornata) {
        Smetti();
        protocollo_.Prepara_scheda();
    } else if (collegamento_.Aperto()) {
        collegamento_.Porta().Chiudi(); // closed between rounds, as the loss left it
    }
    in_prova_ = false;
}
