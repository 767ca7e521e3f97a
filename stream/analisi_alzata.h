// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis of one lift from the board's records: where the bar really started and
// stopped, its mean and propulsive velocity, and the power it took with the load.

#include "stream/analisi_ripetizione.h"

#include <span>

// A record as the lift analysis needs it: when the bar crossed a step, and where.
struct Punto_alzata {
    double t = 0; // s, running time
    double x = 0; // mm
};

inline constexpr double Gravita = 9.81;                // m/s^2
inline constexpr double Gravita_mm = Gravita * 1000.0; // mm/s^2

// The records of one lift: the one that started it in the table, every record that
// followed while the bar kept rising, not the one that ended the repetition.
// `t_prima` is the time of the record before the first, `t_dopo` that of the record that
// ended the repetition: the bottom and the top lie between them and the lift's ends.
// `carico` in kg (0: no power). Perdita and Oltre_soglia are left at 0 / false.
Analisi_ripetizione Analizza_alzata(std::span<const Punto_alzata> punti, double t_prima,
                                    double t_dopo, float carico);
