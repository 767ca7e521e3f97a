// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/comandi_scheda.h"

namespace {
constexpr char Dollaro = '$';
constexpr char Byte_errato = '#'; // what a faulty board sends instead of "$"
} // namespace

std::vector<Risposta_scheda> Interprete_comandi::Ricevi(const QByteArray& dati) {
    std::vector<Risposta_scheda> risposte;
    if (profilo_.muta) return risposte;
    for (const char c : dati) {
        if (dopo_dollaro_) {
            dopo_dollaro_ = false;
            Risposta_scheda r = Dopo_dollaro(c);
            if (!r.byte.isEmpty() || r.azione != Azione_scheda::Nessuna) {
                risposte.push_back(r);
                continue;
            }
            // Not a command letter: the "$" stood alone; this byte starts afresh.
        }
        if (c == Dollaro) {
            dopo_dollaro_ = true;
            risposte.push_back({QByteArray(1, profilo_.avvio_errato ? Byte_errato : Dollaro)});
        } else if (c == '?') {
            risposte.push_back({QByteArrayLiteral("?YES")});
        }
        // Anything else is line noise and is ignored.
    }
    return risposte;
}

Risposta_scheda Interprete_comandi::Dopo_dollaro(char lettera) const {
    switch (lettera) {
    case 'T':
        return {QByteArrayLiteral("T"), Azione_scheda::Ferma_flusso};
    case 'F':
        return {QByteArrayLiteral("F"), Azione_scheda::Avvia_flusso};
    case 'Z':
        return {QByteArrayLiteral("Z"), Azione_scheda::Azzera_posizione};
    case 'D': {
        QByteArray r("D");
        r.append(static_cast<char>(profilo_.tipo_scheda));
        return {r};
    }
    case 'i': {
        QByteArray r("i");
        r.append(char{2});
        for (const auto b : profilo_.configurazione) r.append(static_cast<char>(b));
        return {r};
    }
    default:
        return {};
    }
}
