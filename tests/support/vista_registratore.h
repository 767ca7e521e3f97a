// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Vista_misura that records what the engine reported, for tests.
#include "stream/vista_misura.h"

#include <utility>
#include <vector>

class Vista_registratore : public Vista_misura {
public:
    struct Spostamento {
        double centimetri = 0;
        int decimali = 0;
    };
    struct Velocita_mostrata {
        float vmedia_conc = 0;
        Colore colore;
    };

    std::vector<Spostamento> spostamenti;
    int blocchi_disegnati = 0, cancellazioni_tempo = 0;
    std::vector<std::pair<double, double>> cursori; // (Cursor_1, Cursor_2)
    std::vector<int> righe_aggiunte;
    std::vector<Velocita_mostrata> velocita_mostrate;

    void Spostamento(double centimetri, int decimali) override {
        spostamenti.push_back({centimetri, decimali});
    }
    bool Vuole_campioni() const override { return true; }
    void Campioni_aggiunti(const Blocco_campioni&) override { ++blocchi_disegnati; }
    void Tempo_ripartito() override { ++cancellazioni_tempo; }
    void Confine_ripetizione(double x1, double x2) override { cursori.emplace_back(x1, x2); }
    void Ripetizione_chiusa(int riga, const Ripetizione&, float velocita, Colore colore) override {
        righe_aggiunte.push_back(riga);
        velocita_mostrate.push_back({velocita, colore});
    }
    std::vector<int> serie_concluse;             // the rows of each set that ended by itself
    std::vector<Velocita_mostrata> alzate_ferme; // lifts told ended before their rows
    void Alzata_ferma(int, float velocita, Colore colore, const Analisi_ripetizione&) override {
        alzate_ferme.push_back({velocita, colore});
    }
    void Serie_conclusa(int ripetizioni) override { serie_concluse.push_back(ripetizioni); }
    std::vector<std::pair<int, Analisi_ripetizione>> analisi;
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& a) override {
        analisi.emplace_back(riga, a);
    }
};
