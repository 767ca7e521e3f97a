// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/attese.h"

#include <algorithm>
#include <cmath>

double Velocita_record(const Record_scheda& record, int tipo_scheda, Collegamento collegamento) {
    if (record.tempo == 0) return 0;
    const Calibrazione_scheda t = Calibrazione_tipo(tipo_scheda);
    const double ms = static_cast<double>(record.tempo) / static_cast<double>(t.Conteggi_per_ms);
    const double v = Passi_per_record(collegamento) * t.Mm_per_conteggio * 1000.0 / ms;
    if (std::abs(v) < 12.0) return 0;
    return std::clamp(v, -5000.0, 5000.0);
}

std::vector<Ripetizione_attesa> Ripetizioni_attese(const std::vector<Record_scheda>& record,
                                                   int tipo_scheda, Collegamento collegamento,
                                                   double ampiezza_minima_mm) {
    const Calibrazione_scheda taratura = Calibrazione_tipo(tipo_scheda);
    std::vector<Ripetizione_attesa> righe;
    int stato = 1, precedente = 0;
    int indice = 0;
    double tempo = 0;                // running time, s
    double pos_conc = 0, t_conc = 0; // where and when the current lift started
    for (const auto& r : record) {
        const double v = Velocita_record(r, tipo_scheda, collegamento);
        const double p = r.posizione * taratura.Mm_per_conteggio;
        tempo += std::abs(static_cast<double>(r.tempo)) /
                 static_cast<double>(taratura.Conteggi_per_ms) / 1000.0;
        if (v > 20)
            stato = 0;
        else if (v < 15)
            stato = 1;
        if (stato != precedente) {
            if (stato == 0 || tempo <= 1.0) {
                pos_conc = p;
                t_conc = tempo;
            } else {
                // A top: the lift since pos_conc ends here.
                const double spostamento = p - pos_conc;
                ++indice;
                double inizio_nuova = tempo;
                if (spostamento > ampiezza_minima_mm && indice == 1) {
                    tempo = 0; // the first real lift starts the clock
                    inizio_nuova = 0;
                }
                if (spostamento <= ampiezza_minima_mm) {
                    --indice; // absorbed into the running repetition
                } else if (indice >= 2) {
                    const double durata = inizio_nuova - t_conc;
                    righe.push_back({spostamento, durata, durata > 0 ? spostamento / durata : 0});
                }
            }
        }
        precedente = stato;
    }
    return righe;
}

double Tolleranza_spostamento_mm(int tipo_scheda, Collegamento collegamento) {
    return (3 * Passi_per_record(collegamento) + 1) *
           Calibrazione_tipo(tipo_scheda).Mm_per_conteggio;
}

std::size_t Record_letti(std::size_t record, Collegamento collegamento) {
    if (collegamento == Collegamento::Hid) return record - record % 8;
    if (record == 0) return 0;
    return (record * 6 - 1) / 12 * 2; // whole reads of 12 bytes while more than 12 wait
}
