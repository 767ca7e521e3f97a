#include "datafiles/ricostruzione_campioni.h"

#include "session/tipi_scheda.h"
#include "stream/decodifica.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Half a unit of the last written decimal: running times, step times.
constexpr double Mezzo_tempo = 0.00005;
constexpr float Mezzo_passo = 0.000005f;
// Rows used to fit the start of the running time.
constexpr std::size_t Righe_inizio = 200000;

// The position of a type 1 board whose whole-mm text reads `mm`, if there is one: the
// product the decoding takes (count x 1.288 in single precision). Counts 1.288 mm apart
// round to different whole mm, so there is at most one.
std::optional<float> Posizione_tipo1(float mm) {
    if (mm != std::round(mm)) return std::nullopt;
    const double stima = std::round(static_cast<double>(mm) / Fattore_posizione_tipo1);
    for (double conteggio = stima - 1; conteggio <= stima + 1; ++conteggio) {
        if (conteggio < INT16_MIN || conteggio > INT16_MAX) continue;
        const float posizione = static_cast<float>(conteggio) * Fattore_posizione_tipo1;
        if (std::round(posizione) == mm) return posizione;
    }
    return std::nullopt;
}

bool Velocita_piena(float v) {
    const float a = std::fabs(v);
    return a >= Velocita_minima && a < Velocita_limite;
}

} // namespace

void Ricostruzione_campioni::Applica(std::span<Campione> campioni, std::span<const double> tempi) {
    if (campioni.empty() || tempi.size() != campioni.size()) return;
    Decidi(campioni);
    if (tipo1_ == Scelta::Si)
        for (Campione& c : campioni)
            if (const auto esatta = Posizione_tipo1(c.Posizione)) c.Posizione = *esatta;
    Passi(campioni);
    if (primo_) {
        posizione_iniziale_ = campioni.front().Posizione;
        tempo_ = Inizio_tempo(campioni, tempi);
        primo_ = false;
    }
    Tempi(campioni, tempi);
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
    // Velocity x step = the distance of one record: 6 counts on the serial link, 1 on HID.
    const float fattore = tipo1_ == Scelta::Si ? Fattore_posizione_tipo1 : Fattore_posizione_tipo23;
    int seriale = 0, hid = 0;
    for (const Campione& c : campioni) {
        if (!Velocita_piena(c.Velocita) || c.dt == 0) continue;
        const double conteggi = std::fabs(static_cast<double>(c.Velocita) * c.dt) / fattore;
        if (std::fabs(std::log(conteggi / 6.0)) < std::fabs(std::log(conteggi)))
            ++seriale;
        else
            ++hid;
    }
    if (seriale + hid == 0) return;
    seriale_ = seriale >= hid;
    fattore_ = fattore;
    distanza_ = seriale_ ? fattore * 6.0f * 1000.0f : fattore * 1000.0f;
}

void Ricostruzione_campioni::Passi(std::span<Campione> campioni) const {
    if (distanza_ == 0) return;
    for (Campione& c : campioni) {
        if (!Velocita_piena(c.Velocita)) continue;
        const float tempo_ms = std::copysign(distanza_ / std::fabs(c.Velocita), c.Velocita);
        const float dt = tempo_ms / 1000.0f;
        if (std::fabs(std::fabs(dt) - std::fabs(c.dt)) > Mezzo_passo * 1.2f) continue;
        c.dt = dt;
        c.Velocita = Velocita_campione(tempo_ms, fattore_, seriale_, !seriale_);
    }
}

float Ricostruzione_campioni::Inizio_tempo(std::span<const Campione> campioni,
                                           std::span<const double> tempi) const {
    // Every written time bounds the start: summing from a start off by d ends off by d.
    const float stima = static_cast<float>(
        std::max(0.0, tempi[0] - std::fabs(static_cast<double>(campioni[0].dt))));
    double basso = -std::numeric_limits<double>::infinity();
    double alto = std::numeric_limits<double>::infinity();
    float somma = stima;
    const std::size_t righe = std::min(campioni.size(), Righe_inizio);
    for (std::size_t k = 0; k < righe; ++k) {
        somma += std::fabs(campioni[k].dt);
        const double scarto = tempi[k] - static_cast<double>(somma);
        const double b = std::max(basso, scarto - Mezzo_tempo);
        const double a = std::min(alto, scarto + Mezzo_tempo);
        if (b > a) break; // the rows no longer agree: keep what the earlier ones gave
        basso = b;
        alto = a;
    }
    if (!std::isfinite(basso) || !std::isfinite(alto)) return stima;
    return static_cast<float>(std::max(0.0, static_cast<double>(stima) + (basso + alto) / 2));
}

void Ricostruzione_campioni::Tempi(std::span<Campione> campioni, std::span<const double> tempi) {
    for (std::size_t k = 0; k < campioni.size(); ++k) {
        tempo_ += std::fabs(campioni[k].dt);
        const double t =
            std::clamp(static_cast<double>(tempo_), tempi[k] - Mezzo_tempo, tempi[k] + Mezzo_tempo);
        tempo_ = static_cast<float>(t);
        campioni[k].Tempo = tempo_;
    }
}
