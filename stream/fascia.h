// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The velocity a repetition is judged by, and its colour against the athlete's band.

#include "session/sessione.h"
#include "stream/analisi_ripetizione.h"
#include "stream/vista_misura.h"

#include <QString>

// Yellow above Limite_sup % of Vmax, green from Limite_inf % to Limite_sup % (both ends
// included), red below; the limits are worked out in single precision.
Colore Colore_fascia(float velocita, const Dati_esercizio_t& dati);

// The velocity `scelta` takes of a repetition: the table's mean concentric velocity, or
// its analysis' true-lift or propulsive mean (the table's when there is no analysis).
float Velocita_scelta(const Ripetizione& ripetizione, const Analisi_ripetizione* analisi,
                      Velocita_riferimento scelta);

// The band a repetition's colour tells, in words: "sopra la fascia", "in fascia", "sotto la
// fascia".
QString Testo_fascia(Colore colore);
