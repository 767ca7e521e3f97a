#pragma once
// A Vista_misura that records what the engine showed, for tests.
#include "stream/vista_misura.h"

#include <utility>
#include <vector>

class Vista_registratore : public Vista_misura {
public:
    struct Spostamento {
        double centimetri = 0;
        int decimali = 0;
    };
    struct Punto_ripetizione {
        float durata_conc = 0, vmedia_conc = 0;
    };
    struct Velocita_mostrata {
        float vmedia_conc = 0;
        Colore colore;
    };

    std::vector<Spostamento> spostamenti;
    int blocchi_disegnati = 0, cancellazioni_tempo = 0;
    std::vector<std::pair<double, double>> cursori; // (Cursor_1, Cursor_2)
    std::vector<int> righe_aggiunte;
    std::vector<Punto_ripetizione> punti_ripetizioni;
    std::vector<Velocita_mostrata> velocita_mostrate;

    void Mostra_spostamento(double centimetri, int decimali) override {
        spostamenti.push_back({centimetri, decimali});
    }
    bool Grafico_tempo_visibile() const override { return true; }
    void Accoda_tempo(int, const double*, const double*, const float*) override {
        ++blocchi_disegnati;
    }
    void Cancella_grafico_tempo() override { ++cancellazioni_tempo; }
    void Sposta_cursori(double x1, double x2) override { cursori.emplace_back(x1, x2); }
    void Riga_aggiunta(int riga) override { righe_aggiunte.push_back(riga); }
    void Accoda_ripetizione(float durata_conc, float vmedia_conc) override {
        punti_ripetizioni.push_back({durata_conc, vmedia_conc});
    }
    void Mostra_velocita(float vmedia_conc, Colore colore) override {
        velocita_mostrate.push_back({vmedia_conc, colore});
    }
};
