// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's side of the command dialogue: command bytes in, reply bytes and actions
// out. No I/O, so it is tested byte by byte.
//
// Every command begins with "$" except the identification "?". The board answers the
// "$" at once with one byte (the probe's first step waits for exactly that byte) and
// the letter that follows with the rest of the reply, so a command split across reads,
// or commands sent back to back, are answered the same way:
//   "$"  -> "$"                      "?"  -> "?YES"
//   "$T" -> "$T", stops the stream   "$F" -> "$F", starts the stream
//   "$Z" -> "$Z", zero position      "$D" -> "$D" + board type
//   "$i" -> "$i" 0x02 + 3 configuration bytes (channel mask, period low, period high)

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

enum class Azione_scheda { Nessuna, Avvia_flusso, Ferma_flusso, Azzera_posizione };

struct Risposta_scheda {
    QByteArray byte;                               // what the board writes back
    Azione_scheda azione = Azione_scheda::Nessuna; // what it does afterwards
};

class Interprete_comandi {
public:
    struct Profilo {
        std::uint8_t tipo_scheda = 3;
        std::array<std::uint8_t, 3> configurazione{0x05, 0x01, 0x00};
        bool muta = false;         // never answers, ignores every command
        bool avvio_errato = false; // the first reply byte of "$" commands is not "$"
    };

    explicit Interprete_comandi(const Profilo& profilo) : profilo_(profilo) {}

    // Takes the bytes received so far (any split) and returns the replies in order.
    std::vector<Risposta_scheda> Ricevi(const QByteArray& dati);

private:
    Risposta_scheda Dopo_dollaro(char lettera) const;

    Profilo profilo_;
    bool dopo_dollaro_ = false; // a "$" was answered and its letter may follow
};
