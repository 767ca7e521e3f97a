// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/controllo_flusso.h"

#include "stream/decodifica.h"

#include <cmath>
#include <cstdlib>

bool Controllo_flusso::Controlla(std::int16_t posizione, std::int32_t tempo,
                                 float fattore_posizione, float fattore_tempo) {
    const bool era_disturbato = d_.Disturbato();
    ++d_.record;
    // The board's counter is 16 bits wide and wraps: the step is the shorter way round.
    const int salto = static_cast<std::int16_t>(static_cast<std::uint16_t>(
        static_cast<std::uint16_t>(posizione) - static_cast<std::uint16_t>(posizione_precedente_)));
    const double passo_ms = std::fabs(static_cast<double>(Tempo_ms(tempo, fattore_tempo)));
    // The first record of an acquisition follows nothing: its step is the board's own.
    if (!primo_) {
        if (std::abs(salto) > Salto_massimo_conteggi) {
            ++d_.salti;
            const double mm = std::abs(salto) * static_cast<double>(fattore_posizione);
            if (mm > d_.salto_massimo_mm) d_.salto_massimo_mm = mm;
        }
        // Without a time factor there is no time to judge.
        if (tempo == 0 || (fattore_tempo > 0 && passo_ms > Passo_massimo_ms)) ++d_.tempi;
        if (passo_ms > d_.passo_massimo_ms) d_.passo_massimo_ms = passo_ms;
    }
    primo_ = false;
    posizione_precedente_ = posizione;
    return !era_disturbato && d_.Disturbato();
}
