// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the rounding of a sample file lost, given back as far as the file allows, so that
// a reopened test goes through the engine as it went live. The file keeps positions in
// whole mm, step times to 10 us and running times to 0.1 ms; the velocities keep four
// decimals. From them:
// - positions of a type 1 board (1.288 mm a count) are the products of whole counts;
// - a step time is the board's distance divided by the velocity, when the velocity was
//   neither cut nor zeroed and agrees with the written step;
// - the running time is summed again from the steps, in single precision as live, from a
//   start fitted to the written times, and kept within the rounding of each written time.
// A file that does not fit these rules (edited by hand, another program) keeps its
// written values.

#include "datafiles/apri_campioni.h"
#include "session/sessione.h"

#include <optional>
#include <span>
#include <vector>

class Ricostruzione_campioni {
public:
    // `scritte` are the same rows as written (more exact than singles). The first block
    // decides the board and fits the start.
    void Applica(std::span<Campione> campioni, std::span<const Riga_scritta> scritte);

    // The position where the measurement began: the file starts just after the first
    // real lift's top, where the bar holds still.
    std::optional<float> Posizione_iniziale() const { return posizione_iniziale_; }
    bool Posizioni_tipo1() const { return tipo1_ == Scelta::Si; }
    // The board's distance per record in mm x 1000 (0: not found).
    float Distanza() const { return distanza_; }

private:
    enum class Scelta { Da_decidere, Si, No };
    void Decidi(std::span<const Campione> campioni);
    void Passi(std::span<Campione> campioni, std::span<const Riga_scritta> scritte);
    float Posizione_al_confine(const Campione& primo, double tempo) const;
    void Tempi(std::span<Campione> campioni, std::span<const Riga_scritta> scritte);

    Scelta tipo1_ = Scelta::Da_decidere;
    float fattore_ = 0;                                 // mm per position count
    Collegamento collegamento_ = Collegamento::Seriale; // the link the rows came over
    float distanza_ = 0;
    bool primo_ = true;
    float tempo_ = 0; // running time after the last row handed out
    std::optional<float> posizione_iniziale_;
    std::vector<char> incerti_; // rows of the block whose step was not given back
};
