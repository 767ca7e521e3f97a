// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lift script for the board's model: the bar's motion as a chain of lowering,
// lifting and hold segments, each a smooth half-cosine displacement. Scripts are
// written by hand (tests) or generated from a seed (captures, benchmarks, the virtual
// board).

#include <cstdint>
#include <vector>

// One piece of motion. A lowering has a negative displacement, a lifting a positive
// one, a hold none. Displacement in mm, duration in s (> 0).
struct Segmento {
    enum class Tipo { Discesa, Salita, Fermo };
    Tipo tipo = Tipo::Fermo;
    double spostamento_mm = 0;
    double durata_s = 0;
    bool sussulto = false; // part of a twitch: a small lift-and-settle, not a repetition
};

struct Copione {
    double posizione_iniziale_mm = 0;
    std::vector<Segmento> segmenti;

    double Durata_s() const;
    // Position at time t (s from the start); before 0 the start, after the end the end.
    double Posizione_mm(double t_s) const;

    Copione& Fermo(double durata_s);
    Copione& Salita(double ampiezza_mm, double durata_s);
    Copione& Discesa(double ampiezza_mm, double durata_s);
};

// What a generated script looks like. Amplitudes in mm, durations in s.
struct Parametri_copione {
    int ripetizioni = 5;
    double posizione_iniziale_mm = 100;
    double ampiezza_min_mm = 400, ampiezza_max_mm = 600;
    double discesa_min_s = 1.0, discesa_max_s = 2.0;         // lowering duration
    double salita_min_s = 0.5, salita_max_s = 1.2;           // lifting duration
    double pausa_alta_min_s = 1.2, pausa_alta_max_s = 2.5;   // hold at the top
    double pausa_bassa_min_s = 0.0, pausa_bassa_max_s = 0.5; // hold at the bottom
    // Chance (0..1) of a twitch in a top hold, and its size.
    double probabilita_sussulto = 0.3;
    double sussulto_min_mm = 15, sussulto_max_mm = 40;
    // Fatigue: each lift of the set takes this fraction longer than the one before.
    double rallentamento = 0;
};

// A generated script: a rest, the unracking lift, then per repetition a lowering, a
// bottom hold, a lift and a top hold (sometimes with a twitch in it); it ends on a hold
// of more than eight seconds, so even the last HID report holds the last lift's end.
// The same seed gives the same script everywhere.
Copione Genera_copione(const Parametri_copione& parametri, std::uint32_t seme);

// One lift of a script as the motion has it (not as the board quantises it).
struct Alzata {
    double inizio_s = 0;       // when the lift starts
    double durata_s = 0;       // its duration
    double spostamento_mm = 0; // its displacement
    double Velocita_media() const { return durata_s > 0 ? spostamento_mm / durata_s : 0; }
};

// The lifts of a script (twitches left out), in order.
std::vector<Alzata> Alzate(const Copione& copione);
