#pragma once
// A Vista_misura that records every call, for tests: what the engine showed, in what
// order. The time graph is modelled as far as tests need it: drawn points carry their
// x (seconds from the last clear).

#include "stream/vista_misura.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <utility>
#include <vector>

class Vista_registratore : public Vista_misura {
public:
    struct Punto_tempo {
        double x = 0; // s from the last clear of the time graph
        double posizione = 0;
        double velocita = 0;
    };
    struct Spostamento {
        double centimetri = 0;
        int decimali = 0;
    };
    struct Punto_ripetizione {
        float durata_conc = 0;
        float vmedia_conc = 0;
    };
    struct Velocita_mostrata {
        float vmedia_conc = 0;
        Colore colore;
    };

    // Whether the time graph answers visible.
    bool visibile = true;

    // Every call by name, in order ("Mostra_spostamento", "Accoda_tempo", ...).
    QStringList chiamate;
    std::vector<Spostamento> spostamenti;
    std::vector<Punto_tempo> punti_tempo; // since the last clear of the time graph
    int punti_disegnati = 0;              // all drawn samples, clears included
    int blocchi_disegnati = 0;
    int cancellazioni_tempo = 0;
    int origini_tempo = 0;
    std::vector<std::pair<double, double>> cursori; // (Cursor_1, Cursor_2)
    std::vector<int> righe_aggiunte;
    int svuotamenti_lista = 0;
    std::vector<Punto_ripetizione> punti_ripetizioni;
    int cancellazioni_ripetizioni = 0;
    std::vector<Velocita_mostrata> velocita_mostrate;
    int azzeramenti_slider = 0;

    // Forgets everything recorded (the visibility stays).
    void Dimentica() {
        const bool v = visibile;
        *this = Vista_registratore();
        visibile = v;
    }
    int Conta(const QString& nome) const { return static_cast<int>(chiamate.count(nome)); }

    void Mostra_spostamento(double centimetri, int decimali) override {
        chiamate << QStringLiteral("Mostra_spostamento");
        spostamenti.push_back({centimetri, decimali});
    }
    bool Grafico_tempo_visibile() const override { return visibile; }
    void Accoda_tempo(int conteggio, const double* posizioni, const double* velocita,
                      const float* tempi_ms) override {
        chiamate << QStringLiteral("Accoda_tempo");
        ++blocchi_disegnati;
        for (int i = 0; i < conteggio; ++i) {
            x_ += std::fabs(static_cast<double>(tempi_ms[i])) / 1000.0;
            punti_tempo.push_back({x_, posizioni[i], velocita[i]});
            ++punti_disegnati;
        }
    }
    void Cancella_grafico_tempo() override {
        chiamate << QStringLiteral("Cancella_grafico_tempo");
        ++cancellazioni_tempo;
        punti_tempo.clear();
        x_ = 0;
    }
    void Origine_grafico_tempo() override {
        chiamate << QStringLiteral("Origine_grafico_tempo");
        ++origini_tempo;
        punti_tempo.push_back({x_, 0, 0});
    }
    void Sposta_cursori(double x_cursore_1, double x_cursore_2) override {
        chiamate << QStringLiteral("Sposta_cursori");
        cursori.emplace_back(x_cursore_1, x_cursore_2);
    }
    void Riga_aggiunta(int riga) override {
        chiamate << QStringLiteral("Riga_aggiunta");
        righe_aggiunte.push_back(riga);
    }
    void Lista_svuotata() override {
        chiamate << QStringLiteral("Lista_svuotata");
        ++svuotamenti_lista;
    }
    void Accoda_ripetizione(float durata_conc, float vmedia_conc) override {
        chiamate << QStringLiteral("Accoda_ripetizione");
        punti_ripetizioni.push_back({durata_conc, vmedia_conc});
    }
    void Cancella_grafico_ripetizioni() override {
        chiamate << QStringLiteral("Cancella_grafico_ripetizioni");
        ++cancellazioni_ripetizioni;
        punti_ripetizioni.clear();
    }
    void Mostra_velocita(float vmedia_conc, Colore colore) override {
        chiamate << QStringLiteral("Mostra_velocita");
        velocita_mostrate.push_back({vmedia_conc, colore});
    }
    void Azzera_slider() override {
        chiamate << QStringLiteral("Azzera_slider");
        ++azzeramenti_slider;
    }

private:
    double x_ = 0;
};
