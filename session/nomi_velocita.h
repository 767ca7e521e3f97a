// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One name for each velocity the program shows, the same in every window, report and
// printed table (the repetition table's own column headers aside). Outside that table
// velocities are shown in m/s.

#include "session/sessione.h"

#include <QString>

enum class Grandezza_velocita {
    Media_fase,   // the repetition table's mean over the positive phase (pause at the top too)
    Media_alzata, // the true lift's mean velocity, from the analysis
    Propulsiva,   // the mean propulsive velocity, from the analysis
    Picco,        // the highest velocity of the lift
};

Grandezza_velocita Grandezza_di(Velocita_riferimento riferimento);

// "Vmedia fase (tabella)", "Vmedia alzata", "Vmedia propulsiva (MPV)", "Vpicco"; with
// `unita`, followed by " (m/s)".
QString Nome_grandezza_velocita(Grandezza_velocita grandezza, bool unita = false);
