// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A known set through the real engine, for the window tests.
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <vector>

// The setup the set below is measured with: the serial link, a position factor of 1, a
// minimum amplitude of 100 mm and the velocity band 180 .. 220 mm/s.
inline void Imposta_sollevamenti(Sessione& s) {
    s.Scheda.Collegamento = Collegamento::Seriale;
    s.Scheda.Fattore_posizione = 1.0f;
    s.Dati_esercizio.Vmax = 200;
    s.Dati_esercizio.Limite_sup = 110;
    s.Dati_esercizio.Limite_inf = 90;
    s.Dati_esercizio.Ampiezza_minima = 100;
}

// Serial-link records of 6 mm (velocity 6000 / t mm/s; still: one idle record a second). A
// warm-up lift, then three lifts of 300 mm. The top is seen at the first idle record, one
// second after the lift ended, so the mean velocities are 300 / (300 / v + 1): 200 (in the
// band), 250 (above) and 171 mm/s (below).
inline void Quattro_sollevamenti(Motore_misura& motore) {
    std::vector<double> posizioni;
    std::vector<float> tempi;
    double p = 100;
    auto tratto = [&](int record, double passo, float t) {
        for (int i = 0; i < record; ++i) {
            posizioni.push_back(p += passo);
            tempi.push_back(t);
        }
    };
    tratto(2, 0, 1000);
    for (double v : {500.0, 600.0, 1500.0, 400.0}) {
        tratto(50, 6, float(6000 / v));
        tratto(2, 0, 1000);
        tratto(50, -6, -15);
        tratto(1, 0, 1000);
    }
    tratto(2, 0, 1000);
    for (std::size_t i = 0; i + 1 < posizioni.size(); i += 2)
        motore.Elabora_blocco(1, &posizioni[i], &tempi[i]);
}
