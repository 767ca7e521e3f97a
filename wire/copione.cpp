// SPDX-License-Identifier: GPL-3.0-or-later
#include "wire/copione.h"

#include <cmath>
#include <numbers>
#include <random>

double Copione::Durata_s() const {
    double totale = 0;
    for (const auto& s : segmenti) totale += s.durata_s;
    return totale;
}

double Copione::Posizione_mm(double t_s) const {
    double posizione = posizione_iniziale_mm;
    double inizio = 0;
    for (const auto& s : segmenti) {
        if (t_s < inizio + s.durata_s) {
            const double frazione = t_s <= inizio ? 0.0 : (t_s - inizio) / s.durata_s;
            return posizione +
                   s.spostamento_mm * (1.0 - std::cos(std::numbers::pi * frazione)) / 2.0;
        }
        posizione += s.spostamento_mm;
        inizio += s.durata_s;
    }
    return posizione;
}

Copione& Copione::Fermo(double durata_s) {
    segmenti.push_back({Segmento::Tipo::Fermo, 0.0, durata_s, false});
    return *this;
}

Copione& Copione::Salita(double ampiezza_mm, double durata_s) {
    segmenti.push_back({Segmento::Tipo::Salita, std::abs(ampiezza_mm), durata_s, false});
    return *this;
}

Copione& Copione::Discesa(double ampiezza_mm, double durata_s) {
    segmenti.push_back({Segmento::Tipo::Discesa, -std::abs(ampiezza_mm), durata_s, false});
    return *this;
}

namespace {

// Uniform numbers from the raw 32-bit generator, so every standard library gives the
// same script for a seed.
class Casuale {
public:
    explicit Casuale(std::uint32_t seme) : motore_(seme) {}
    double Uniforme() { return static_cast<double>(motore_()) / 4294967296.0; } // [0, 1)
    double Tra(double minimo, double massimo) {
        return massimo <= minimo ? minimo : minimo + (massimo - minimo) * Uniforme();
    }

private:
    std::mt19937 motore_;
};

} // namespace

Copione Genera_copione(const Parametri_copione& p, std::uint32_t seme) {
    Casuale caso(seme);
    Copione c;
    c.posizione_iniziale_mm = p.posizione_iniziale_mm;
    c.Fermo(1.5);
    c.Salita(caso.Tra(p.ampiezza_min_mm, p.ampiezza_max_mm),
             caso.Tra(p.salita_min_s, p.salita_max_s));
    c.Fermo(caso.Tra(p.pausa_alta_min_s, p.pausa_alta_max_s));
    double altezza = c.posizione_iniziale_mm + c.segmenti[1].spostamento_mm;
    const double fondo = c.posizione_iniziale_mm;
    for (int r = 0; r < p.ripetizioni; ++r) {
        // Lower to near the starting height, then lift by a fresh amplitude.
        const double ampiezza = caso.Tra(p.ampiezza_min_mm, p.ampiezza_max_mm);
        const double discesa = altezza - (fondo + caso.Tra(0.0, 20.0));
        c.Discesa(discesa, caso.Tra(p.discesa_min_s, p.discesa_max_s));
        altezza -= discesa;
        const double pausa_bassa = caso.Tra(p.pausa_bassa_min_s, p.pausa_bassa_max_s);
        if (pausa_bassa > 0) c.Fermo(pausa_bassa);
        c.Salita(ampiezza,
                 caso.Tra(p.salita_min_s, p.salita_max_s) * std::pow(1 + p.rallentamento, r));
        altezza += ampiezza;
        const double pausa_alta = caso.Tra(p.pausa_alta_min_s, p.pausa_alta_max_s);
        if (caso.Uniforme() < p.probabilita_sussulto) {
            // A small lift and settle in the middle of the hold, well after the lift's
            // end has been seen and well before the next lowering.
            const double sussulto = caso.Tra(p.sussulto_min_mm, p.sussulto_max_mm);
            const double su = caso.Tra(0.25, 0.5), giu = caso.Tra(0.3, 0.6);
            c.Fermo(1.2 + pausa_alta / 2);
            c.segmenti.push_back({Segmento::Tipo::Salita, sussulto, su, true});
            c.Fermo(caso.Tra(0.0, 0.2));
            c.segmenti.push_back({Segmento::Tipo::Discesa, -sussulto, giu, true});
            c.Fermo(1.2 + pausa_alta / 2);
        } else {
            c.Fermo(pausa_alta);
        }
    }
    // Long enough for eight idle records, so an HID board has sent the last lift.
    c.Fermo(9.5);
    return c;
}

std::vector<Alzata> Alzate(const Copione& copione) {
    std::vector<Alzata> alzate;
    double inizio = 0;
    for (const auto& s : copione.segmenti) {
        if (s.tipo == Segmento::Tipo::Salita && !s.sussulto)
            alzate.push_back({inizio, s.durata_s, s.spostamento_mm});
        inizio += s.durata_s;
    }
    return alzate;
}
