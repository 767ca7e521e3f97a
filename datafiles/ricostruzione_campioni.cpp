// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/ricostruzione_campioni.h"

#include "session/tipi_scheda.h"
#include "stream/decodifica.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Half a unit of the last written decimal: running times, step times.
constexpr double Margine = 1 + 1e-9;
constexpr double Mezzo_tempo = 0.00005 * Margine;
constexpr double Mezzo_passo = 0.000005 * Margine;
constexpr double Mezza_velocita = 0.00005 * Margine;
// Units of the last place tried on either side of a step computed back.
constexpr int Tentativi = 4;
// Rows used to fit the start of the running time.
constexpr std::size_t Righe_inizio = 200000;
// mm per count of a type 1 board, and of the others.
constexpr float Fattore_tipo1 = Calibrazione_tipo(1).Fattore_posizione;
constexpr float Fattore_tipo23 = Calibrazione_tipo(2).Fattore_posizione;

// The position of a type 1 board whose whole-mm text reads `mm`, if there is one: the
// product the decoding takes (count x 1.288 in single precision). Counts 1.288 mm apart
// round to different whole mm, so there is at most one.
std::optional<float> Posizione_tipo1(float mm) {
    if (mm != std::round(mm)) return std::nullopt;
    const double stima = std::round(static_cast<double>(mm) / Fattore_tipo1);
    for (double conteggio = stima - 1; conteggio <= stima + 1; ++conteggio) {
        if (conteggio < INT16_MIN || conteggio > INT16_MAX) continue;
        const float posizione = static_cast<float>(conteggio) * Fattore_tipo1;
        if (std::round(posizione) == mm) return posizione;
    }
    return std::nullopt;
}

// The board sends an idle record after a second without a step; it keeps the sign of
// the last step.
bool Record_fermo(float dt, float velocita) {
    return velocita == 0 && std::fabs(std::fabs(dt) - 1.0f) < 0.001f;
}

// The nearest single to `t` whose text of four decimals is `scritto`'s: from half a
// unit below to just under half a unit above (a half rounds away from zero).
float Entro_scritto(float t, double scritto) {
    const double basso = scritto - 0.00005, alto = scritto + 0.00005;
    const double meno = scritto < 0 ? alto : basso; // the bound the text can reach
    const auto Dentro = [&](float x) {
        const double d = static_cast<double>(x);
        return d >= basso && d <= alto && (d != (scritto < 0 ? basso : alto) || d == meno);
    };
    if (Dentro(t)) return t;
    const float verso = static_cast<double>(t) < scritto ? std::numeric_limits<float>::infinity()
                                                         : -std::numeric_limits<float>::infinity();
    float x = static_cast<float>(static_cast<double>(t) < scritto ? basso : alto);
    for (int i = 0; i < 4 && !Dentro(x); ++i) x = std::nextafter(x, verso);
    return Dentro(x) ? x : static_cast<float>(scritto);
}

// The single next to `x` towards +infinity (`su`) or -infinity, as std::nextafter gives
// it, without its call for the ordinary numbers tried on every row.
float Accanto(float x, bool su) {
    if (x == 0 || !std::isfinite(x))
        return std::nextafter(x, su ? std::numeric_limits<float>::infinity()
                                    : -std::numeric_limits<float>::infinity());
    const auto bit = std::bit_cast<std::uint32_t>(x);
    return std::bit_cast<float>((x > 0) == su ? bit + 1 : bit - 1);
}

bool Velocita_piena(float v) {
    const float a = std::fabs(v);
    return a >= Velocita_minima && a < Velocita_limite;
}

} // namespace

void Ricostruzione_campioni::Applica(std::span<Campione> campioni,
                                     std::span<const Riga_scritta> scritte) {
    if (campioni.empty() || scritte.size() != campioni.size()) return;
    Decidi(campioni);
    if (tipo1_ == Scelta::Si)
        for (Campione& c : campioni)
            if (const auto esatta = Posizione_tipo1(c.Posizione)) c.Posizione = *esatta;
    Passi(campioni, scritte);
    if (primo_) {
        posizione_iniziale_ = Posizione_al_confine(campioni.front(), scritte[0].tempo);
        // The time before the first row (the record left out) is known only through
        // the written times.
        tempo_ = static_cast<float>(
            std::max(0.0, scritte[0].tempo - std::fabs(static_cast<double>(campioni[0].dt))));
    }
    Tempi(campioni, scritte);
    primo_ = false;
}

void Ricostruzione_campioni::Decidi(std::span<const Campione> campioni) {
    // A type 2 or 3 board moves 1 mm a count and soon shows a whole mm that no type 1
    // count rounds to.
    if (tipo1_ == Scelta::Da_decidere) {
        tipo1_ = Scelta::Si;
        for (const Campione& c : campioni)
            if (!Posizione_tipo1(c.Posizione)) {
                tipo1_ = Scelta::No;
                break;
            }
    }
    if (distanza_ != 0) return;
    // Velocity x step = the distance of one record, Passi_per_record counts.
    const float fattore = tipo1_ == Scelta::Si ? Fattore_tipo1 : Fattore_tipo23;
    const double passi_seriale = Passi_per_record(Collegamento::Seriale);
    int seriale = 0, hid = 0;
    for (const Campione& c : campioni) {
        if (!Velocita_piena(c.Velocita) || c.dt == 0) continue;
        const double conteggi = std::fabs(static_cast<double>(c.Velocita) * c.dt) / fattore;
        if (std::fabs(std::log(conteggi / passi_seriale)) < std::fabs(std::log(conteggi)))
            ++seriale;
        else
            ++hid;
    }
    if (seriale + hid == 0) return;
    collegamento_ = seriale >= hid ? Collegamento::Seriale : Collegamento::Hid;
    fattore_ = fattore;
    distanza_ = fattore * static_cast<float>(Passi_per_record(collegamento_)) * 1000.0f;
}

void Ricostruzione_campioni::Passi(std::span<Campione> campioni,
                                   std::span<const Riga_scritta> scritte) {
    incerti_.assign(campioni.size(), 1);
    if (distanza_ == 0) return;
    // A step whose velocity and step time both round to the written texts; the division
    // lands within a few units of the last place of the step the board gave.
    const auto Adatto = [&](float tempo_ms, const Riga_scritta& scritta) {
        const float v = Velocita_campione(tempo_ms, fattore_, collegamento_);
        const float dt = tempo_ms / 1000.0f;
        return std::fabs(static_cast<double>(v) - scritta.velocita) <= Mezza_velocita &&
               std::fabs(static_cast<double>(dt) - scritta.dt) <= Mezzo_passo;
    };
    for (std::size_t i = 0; i < campioni.size(); ++i) {
        Campione& c = campioni[i];
        if (!Velocita_piena(c.Velocita)) continue;
        const float stima = std::copysign(distanza_ / std::fabs(c.Velocita), c.Velocita);
        std::optional<float> trovato;
        if (Adatto(stima, scritte[i])) trovato = stima;
        float sotto = stima, sopra = stima;
        for (int passo = 1; passo <= Tentativi && !trovato; ++passo) {
            sopra = Accanto(sopra, true);
            sotto = Accanto(sotto, false);
            if (Adatto(sopra, scritte[i]))
                trovato = sopra;
            else if (Adatto(sotto, scritte[i]))
                trovato = sotto;
        }
        if (!trovato) continue;
        incerti_[i] = 0;
        c.dt = *trovato / 1000.0f;
        c.Velocita = Velocita_campione(*trovato, fattore_, collegamento_);
    }
}

float Ricostruzione_campioni::Posizione_al_confine(const Campione& primo, double tempo) const {
    // The file leaves out the top where the first real lift ended and the record after
    // it; each of the two was a step of the board, or an idle record (a second after the
    // last record, no step). Steps near the top are the smallest the board sends, in the
    // direction the first row's sign gives.
    if (distanza_ == 0) return primo.Posizione;
    const double passi = Passi_per_record(collegamento_);
    const double verso = primo.dt < 0 ? -1 : 1;
    double conteggi = std::round(static_cast<double>(primo.Posizione) / fattore_);
    if (!Record_fermo(primo.dt, primo.Velocita)) conteggi -= verso * passi;
    const double prima = tempo - std::fabs(static_cast<double>(primo.dt));
    if (std::fabs(prima - 1.0) >= 0.001) conteggi -= verso * passi;
    return static_cast<float>(conteggi) * fattore_;
}

void Ricostruzione_campioni::Tempi(std::span<Campione> campioni,
                                   std::span<const Riga_scritta> scritte) {
    // A step not given back is known to its written decimals only: from it on, the sum
    // may be off by up to that much. Every written time after it, up to the next such
    // step, bounds the error (a sum started off by d stays off by d); the middle of the
    // bounds is taken.
    const std::size_t n = campioni.size();
    std::size_t k = 0;
    while (k < n) {
        std::size_t fine = k + 1;
        while (fine < n && !incerti_[fine]) ++fine;
        const bool incerto = incerti_[k] || (primo_ && k == 0);
        double basso = primo_ && k == 0 ? -std::numeric_limits<double>::infinity() : -Mezzo_passo;
        double alto = -basso;
        if (incerto) {
            float somma = tempo_;
            for (std::size_t j = k; j < fine; ++j) {
                somma += std::fabs(campioni[j].dt);
                const double scarto = scritte[j].tempo - static_cast<double>(somma);
                const double b = std::max(basso, scarto - Mezzo_tempo);
                const double a = std::min(alto, scarto + Mezzo_tempo);
                if (b > a) break; // the rows no longer agree: keep what the earlier ones gave
                basso = b;
                alto = a;
            }
        }
        for (std::size_t j = k; j < fine; ++j) {
            tempo_ += std::fabs(campioni[j].dt);
            if (j == k && incerto && std::isfinite(basso) && std::isfinite(alto))
                tempo_ = static_cast<float>(static_cast<double>(tempo_) + (basso + alto) / 2);
            tempo_ = Entro_scritto(tempo_, scritte[j].tempo);
            campioni[j].Tempo = tempo_;
        }
        k = fine;
    }
}
