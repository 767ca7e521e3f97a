// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/decodifica.h"

#include <cmath>

double Posizione_mm(std::int16_t conteggio, float fattore_posizione) {
    return static_cast<double>(static_cast<float>(conteggio) * fattore_posizione);
}

float Tempo_ms(std::int32_t conteggio, float fattore_tempo) {
    return static_cast<float>(static_cast<double>(conteggio) * static_cast<double>(fattore_tempo));
}

float Velocita_campione(float tempo_ms, float fattore_posizione, Collegamento collegamento) {
    if (tempo_ms == 0.0f) return 0.0f;
    const auto passi = static_cast<float>(Passi_per_record(collegamento));
    float velocita = fattore_posizione * passi * 1000.0f / tempo_ms;
    if (std::fabs(velocita) < Velocita_minima) velocita = 0.0f;
    if (velocita > Velocita_limite) velocita = Velocita_limite;
    if (velocita < -Velocita_limite) velocita = -Velocita_limite;
    return velocita;
}
