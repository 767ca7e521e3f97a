// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the analysis of one repetition's lift gives, beside the value list's row: the
// velocity of the true lift (the pause at the top left out), its propulsive part, the
// power produced with the load, and how much velocity the set has lost (measured on the
// velocity the set is judged by, against the best of the repetitions that count).

struct Analisi_ripetizione {
    float Vmedia = 0;            // mm/s, mean velocity of the true lift
    float Vpropulsiva = 0;       // mm/s, mean velocity of the propulsive part
    float Durata_propulsiva = 0; // s
    float Potenza_media = 0;     // W, mean over the propulsive part
    float Potenza_max = 0;       // W, highest during the lift
    float Perdita = 0;           // %, the set's velocity below the best of the set so far
    bool Oltre_soglia = false;   // Perdita above the exercise's loss threshold
    bool Esclusa = false;        // left out by the coach: it raises no best and no alarm
};
