// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design of the graph window's two graphs and slider: what they hold until the
// operator's settings files replace the ranges.

#include "platform/grafico_progetto.h"

Progetto_grafico Progetto_grafico_tempo();       // Grafico(0)
Progetto_grafico Progetto_grafico_ripetizioni(); // Grafico(1)

// Indexes the window uses (from 1).
namespace Tempo {
inline constexpr int Asse_x = 1, Asse_spostamento = 2, Asse_velocita = 3;
inline constexpr int Plot_velocita = 1, Plot_posizione = 6;
inline constexpr int Annotazione_punto = 1, Annotazione_distanza = 2;
// The two plots keep, of every 10 ms, the first, lowest, highest and last sample: a 10 s
// view still has 1000 such stretches, more than the graph's pixels, and an hour's set
// fits in a few bytes a sample even from the serial link's 1920 records a second.
inline constexpr double Sfoltimento_s = 0.01;
} // namespace Tempo
namespace Ripetizioni {
inline constexpr int Asse_x = 1, Asse_velocita = 2, Asse_durata = 3;
inline constexpr int Plot_durata = 1, Plot_vmedia = 2;
} // namespace Ripetizioni

inline constexpr double Slide_minimo_progetto = 0, Slide_massimo_progetto = 3000;
inline constexpr double Slide_segno_min_progetto = 200, Slide_segno_max_progetto = 2000;
