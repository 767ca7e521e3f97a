// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program should list for a stream of the board's model: the rows of the
// repetition table, derived from the model's own records with the program's rules (a
// lift starts when the record velocity exceeds 20 mm/s and ends at the first record under
// 15 mm/s; the first real lift only starts the clock; lifts not above the minimum
// amplitude are absorbed). Computed in double precision from the exact counts, so the
// program's single-precision results must agree within rounding.

#include "wire/flusso_scheda.h"

#include <vector>

struct Ripetizione_attesa {
    double spostamento_mm = 0; // concentric displacement
    double durata_s = 0;       // concentric duration
    double velocita_media = 0; // mean concentric velocity, mm/s
};

std::vector<Ripetizione_attesa> Ripetizioni_attese(const std::vector<Record_scheda>& record,
                                                   int tipo_scheda, Collegamento collegamento,
                                                   double ampiezza_minima_mm);

// The velocity the program gives a record, mm/s: the distance of one record's steps over
// its step time, 0 under 12 in magnitude, cut to +-5000.
double Velocita_record(const Record_scheda& record, int tipo_scheda, Collegamento collegamento);

// How far a listed displacement may lie from the motion's lift when the top is held for
// more than a second: after the turn at the bottom the first record comes up to a record
// of steps late (the reversal's slack), the first one may still be too slow to count as
// lifting, and the top is seen within one count.
double Tolleranza_spostamento_mm(int tipo_scheda, Collegamento collegamento);

// How many of `record` records the program gets to decode when the whole stream arrives
// at once: the serial handler leaves the last 1 to 12 bytes unread, and HID sends whole
// reports of eight records only.
std::size_t Record_letti(std::size_t record, Collegamento collegamento);
