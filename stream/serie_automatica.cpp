// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/serie_automatica.h"

#include <algorithm>
#include <cmath>

Serie_automatica::Serie_automatica(float ampiezza_minima_mm, double fine_s) {
    Imposta(ampiezza_minima_mm, fine_s);
}

void Serie_automatica::Imposta(float ampiezza_minima_mm, double fine_s) {
    ampiezza_ = std::max(ampiezza_minima_mm, 0.0f);
    fine_s_ = std::clamp(std::isfinite(fine_s) ? fine_s : Fine_predefinita_s, Fine_minima_s,
                         Fine_massima_s);
}

void Serie_automatica::Arma(double posizione_mm) {
    in_serie_ = false;
    riposo_mm_ = posizione_mm;
    riposo_s_ = tempo_;
    fermo_s_ = tempo_;
    recenti_.clear();
}

Serie_automatica::Evento Serie_automatica::Campione(double posizione_mm, double passo_s) {
    tempo_ += std::fabs(passo_s);
    const std::int64_t indice = campioni_++;
    if (!iniziato_) {
        iniziato_ = true;
        precedente_mm_ = posizione_mm;
        Arma(posizione_mm);
    }
    // The engine's rule for a lift that counts: strictly beyond the minimum amplitude.
    const bool mosso = std::fabs(posizione_mm - riposo_mm_) > double(ampiezza_);
    if (mosso) {
        riposo_mm_ = posizione_mm;
        riposo_s_ = tempo_;
    }
    // A sample where the one before it was is the board's record of a still second.
    const bool fermo = posizione_mm == precedente_mm_;
    precedente_mm_ = posizione_mm;
    if (attesa_quiete_) {
        if (tempo_ - riposo_s_ < fine_s_) return Evento::Nessuno;
        attesa_quiete_ = false;
        Arma(posizione_mm);
        return Evento::Nessuno;
    }
    if (!in_serie_) {
        if (fermo) fermo_s_ = tempo_;
        recenti_.push_back({indice, tempo_});
        // The movement began after the bar's last still second: a second before that is kept.
        // The first sample kept is the last one at least that second before.
        while (recenti_.size() > 1 && recenti_[1].tempo_s <= fermo_s_ - Secondi_prima)
            recenti_.pop_front();
        if (!mosso) return Evento::Nessuno;
        in_serie_ = true;
        primo_campione_ = recenti_.front().indice;
        recenti_.clear();
        ultima_ripetizione_s_ = tempo_;
        ripetizioni_ = 0;
        return Evento::Inizio;
    }
    if (tempo_ - std::max(riposo_s_, ultima_ripetizione_s_) < fine_s_) return Evento::Nessuno;
    Arma(posizione_mm);
    return Evento::Fine;
}

void Serie_automatica::Ripetizione() {
    if (!in_serie_) return;
    ++ripetizioni_;
    ultima_ripetizione_s_ = tempo_;
}

void Serie_automatica::Primo_sollevamento() {
    if (in_serie_) ultima_ripetizione_s_ = tempo_;
}

bool Serie_automatica::Silenzio(double secondi) {
    if (!in_serie_ || tempo_ + secondi - std::max(riposo_s_, ultima_ripetizione_s_) < fine_s_)
        return false;
    Arma(precedente_mm_);
    return true;
}

void Serie_automatica::Interrompi() {
    if (!in_serie_) return;
    in_serie_ = false;
    attesa_quiete_ = true;
    recenti_.clear();
}
