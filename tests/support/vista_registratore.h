#pragma once
// A Vista_misura that records every call, for tests: what the engine showed, in what
// order. Drawn points of the time graph carry their x (seconds from the last clear).
#include "stream/vista_misura.h"

#include <QStringList>
#include <cmath>
#include <utility>
#include <vector>

class Vista_registratore : public Vista_misura {
public:
    struct Punto_tempo {
        double x = 0, posizione = 0, velocita = 0;
    };
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

    bool visibile = true; // what the time graph answers
    QStringList chiamate; // every call by name, in order
    std::vector<Spostamento> spostamenti;
    std::vector<Punto_tempo> punti_tempo; // since the last clear of the time graph
    int punti_disegnati = 0;              // all drawn samples, clears included
    int blocchi_disegnati = 0, cancellazioni_tempo = 0, origini_tempo = 0;
    std::vector<std::pair<double, double>> cursori; // (Cursor_1, Cursor_2)
    std::vector<int> righe_aggiunte;
    int svuotamenti_lista = 0, cancellazioni_ripetizioni = 0, azzeramenti_slider = 0;
    std::vector<Punto_ripetizione> punti_ripetizioni;
    std::vector<Velocita_mostrata> velocita_mostrate;

    // Forgets everything recorded (the visibility stays).
    void Dimentica() {
        const bool v = visibile;
        *this = Vista_registratore();
        visibile = v;
    }
    int Conta(const QString& nome) const { return static_cast<int>(chiamate.count(nome)); }

    void Mostra_spostamento(double centimetri, int decimali) override {
        Nota("Mostra_spostamento").spostamenti.push_back({centimetri, decimali});
    }
    bool Grafico_tempo_visibile() const override { return visibile; }
    void Accoda_tempo(int conteggio, const double* posizioni, const double* velocita,
                      const float* tempi_ms) override {
        ++Nota("Accoda_tempo").blocchi_disegnati;
        for (int i = 0; i < conteggio; ++i, ++punti_disegnati) {
            x_ += std::fabs(static_cast<double>(tempi_ms[i])) / 1000.0;
            punti_tempo.push_back({x_, posizioni[i], velocita[i]});
        }
    }
    void Cancella_grafico_tempo() override {
        ++Nota("Cancella_grafico_tempo").cancellazioni_tempo;
        punti_tempo.clear();
        x_ = 0;
    }
    void Origine_grafico_tempo() override {
        ++Nota("Origine_grafico_tempo").origini_tempo;
        punti_tempo.push_back({x_, 0, 0});
    }
    void Sposta_cursori(double x1, double x2) override {
        Nota("Sposta_cursori").cursori.emplace_back(x1, x2);
    }
    void Riga_aggiunta(int riga) override { Nota("Riga_aggiunta").righe_aggiunte.push_back(riga); }
    void Lista_svuotata() override { ++Nota("Lista_svuotata").svuotamenti_lista; }
    void Accoda_ripetizione(float durata_conc, float vmedia_conc) override {
        Nota("Accoda_ripetizione").punti_ripetizioni.push_back({durata_conc, vmedia_conc});
    }
    void Cancella_grafico_ripetizioni() override {
        ++Nota("Cancella_grafico_ripetizioni").cancellazioni_ripetizioni;
        punti_ripetizioni.clear();
    }
    void Mostra_velocita(float vmedia_conc, Colore colore) override {
        Nota("Mostra_velocita").velocita_mostrate.push_back({vmedia_conc, colore});
    }
    void Azzera_slider() override { ++Nota("Azzera_slider").azzeramenti_slider; }

private:
    double x_ = 0;
    Vista_registratore& Nota(const char* nome) {
        chiamate << QString::fromLatin1(nome);
        return *this;
    }
};
