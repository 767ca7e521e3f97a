// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How close the engine's velocities are to the bar's: lifts whose motion is known exactly
// (half-cosine lifts of the board's model) go through the board's records and the replay,
// and each repetition's velocities are compared with the motion's. The accuracy benchmark
// prints the figures; a test holds them.

#include "session/tipi_scheda.h"

#include <vector>

// A half-cosine lift of `ampiezza_mm` in `durata_s` with `kg` on the bar, worked out from
// the motion itself: its mean velocity, its propulsive part (up to where, after the peak,
// the bar slows down faster than gravity; the whole lift when it never does) and the mean
// power over it, and its peak velocity. Velocities in mm/s, durations in s, power in W.
struct Moto_alzata {
    double vmedia = 0, vpropulsiva = 0, durata_propulsiva = 0, potenza_media = 0, vpicco = 0;
    bool Frena() const { return vpropulsiva != vmedia; }
};
Moto_alzata Moto_vero(double ampiezza_mm, double durata_s, double kg);

// The errors of one velocity over many repetitions, mm/s (measured - true).
struct Errore_velocita {
    double somma = 0, massimo = 0; // `massimo` is the largest in magnitude, with its sign
    int n = 0;
    void Aggiungi(double errore);
    void Aggiungi(const Errore_velocita& altro);
    double Bias() const { return n > 0 ? somma / n : 0; }
};

// One known-truth set: `ripetizioni` lifts of `ampiezza_mm` at the mean velocity
// `velocita_mm_s`, each starting at a different fraction of the encoder's step and of the
// board's time, on one board type and link.
struct Prova_accuratezza {
    double velocita_mm_s = 500;
    double ampiezza_mm = 400;
    int tipo_scheda = 1;
    Collegamento collegamento = Collegamento::Seriale;
    int ripetizioni = 6;
};

struct Esito_accuratezza {
    bool frenata = false;           // the true lift ends braking harder than gravity
    int righe = 0;                  // repetitions the engine listed (all of them, when right)
    Errore_velocita vmedia;         // the true lift's mean velocity (the lift analysis)
    Errore_velocita vpropulsiva;    // the mean propulsive velocity
    Errore_velocita vpicco;         // the table's peak velocity
    Errore_velocita vmedia_tabella; // the table's mean concentric velocity
};
Esito_accuratezza Misura_accuratezza(const Prova_accuratezza& prova);
