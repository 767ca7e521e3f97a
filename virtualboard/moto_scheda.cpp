// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/moto_scheda.h"

#include <algorithm>
#include <cmath>

namespace {
// The hold at the top after the lift of repetition `ripetizione` (the unracking lift is
// 0), or at the bottom before it, becomes one hold of `durata_s`.
void Imposta_pausa(Copione& c, int ripetizione, bool in_alto, double durata_s) {
    auto& s = c.segmenti;
    const auto di = [](const Segmento& x, Segmento::Tipo tipo) {
        return x.tipo == tipo && !x.sussulto;
    };
    std::size_t i = 0;
    for (int contate = -1; i < s.size(); ++i)
        if (di(s[i], Segmento::Tipo::Salita) && ++contate == ripetizione) break;
    if (i == s.size()) return;
    std::size_t da = i, a = i; // the segments replaced, [da, a)
    if (in_alto) {
        da = a = i + 1;
        while (a < s.size() && !di(s[a], Segmento::Tipo::Discesa)) ++a;
    } else {
        while (da > 0 && !di(s[da - 1], Segmento::Tipo::Discesa)) --da;
    }
    const auto inizio = s.begin() + static_cast<std::ptrdiff_t>(da);
    s.insert(s.erase(inizio, s.begin() + static_cast<std::ptrdiff_t>(a)),
             {Segmento::Tipo::Fermo, 0.0, durata_s, false});
}
// What a set on its own ends on, so that a HID board has sent its last lift.
constexpr double Fermo_finale_s = 9.5;
} // namespace

Parametri_copione Parametri_da_opzioni(const Opzioni_scheda& o) {
    Parametri_copione p;
    p.ripetizioni = o.ripetizioni > 0 ? o.ripetizioni : Flusso_continuo::Ripetizioni_per_serie;
    p.ampiezza_min_mm = o.ampiezza_mm.minimo;
    p.ampiezza_max_mm = o.ampiezza_mm.massimo;
    p.discesa_min_s = o.discesa_s.minimo;
    p.discesa_max_s = o.discesa_s.massimo;
    p.salita_min_s = o.salita_s.minimo;
    p.salita_max_s = o.salita_s.massimo;
    p.pausa_alta_min_s = o.pausa_s.minimo;
    p.pausa_alta_max_s = o.pausa_s.massimo;
    p.probabilita_sussulto = o.probabilita_sussulto;
    p.rallentamento = o.rallentamento;
    return p;
}

Copione Copione_serie(const Opzioni_scheda& o) {
    Parametri_copione p = Parametri_da_opzioni(o);
    Copione tutto;
    tutto.posizione_iniziale_mm = p.posizione_iniziale_mm;
    for (std::size_t k = 0; k < o.serie.size(); ++k) {
        p.ripetizioni = o.serie[k];
        Copione c = Genera_copione(p, o.seme + static_cast<std::uint32_t>(k));
        c.segmenti.pop_back(); // the long hold of a set on its own
        for (const Pausa_serie& pausa : o.pause_serie)
            if (pausa.serie == static_cast<int>(k) + 1)
                Imposta_pausa(c, (p.ripetizioni + 1) / 2, pausa.in_alto, pausa.durata_s);
        c.Discesa(c.Posizione_mm(c.Durata_s()) - c.posizione_iniziale_mm,
                  0.5 * (p.discesa_min_s + p.discesa_max_s));
        const bool ultima = k + 1 == o.serie.size();
        c.Fermo(ultima ? std::max(o.recupero_s, Fermo_finale_s) : o.recupero_s);
        std::erase_if(c.segmenti, [](const Segmento& x) { return x.durata_s <= 0; });
        tutto.segmenti.insert(tutto.segmenti.end(), c.segmenti.begin(), c.segmenti.end());
    }
    return tutto;
}

std::unique_ptr<Sorgente_record> Crea_sorgente(const Opzioni_scheda& o) {
    const int tipo = o.profilo.tipo_scheda;
    if (o.record_al_secondo > 0)
        return std::make_unique<Flusso_ritmo>(tipo, Collegamento::Seriale, o.record_al_secondo);
    if (!o.serie.empty())
        return std::make_unique<Flusso_copione>(Copione_serie(o), tipo, Collegamento::Seriale);
    const Parametri_copione p = Parametri_da_opzioni(o);
    if (o.ripetizioni > 0)
        return std::make_unique<Flusso_copione>(Genera_copione(p, o.seme), tipo,
                                                Collegamento::Seriale);
    return std::make_unique<Flusso_continuo>(p, o.seme, tipo);
}

Flusso_continuo::Flusso_continuo(const Parametri_copione& parametri, std::uint32_t seme,
                                 int tipo_scheda)
    : parametri_(parametri), seme_(seme), tipo_(tipo_scheda),
      fine_posizione_mm_(parametri.posizione_iniziale_mm),
      conteggi_per_s_(Calibrazione_tipo(tipo_scheda).Conteggi_per_ms * 1000) {
    Nuova_serie();
}

void Flusso_continuo::Nuova_serie() {
    Copione c = Genera_copione(parametri_, seme_++);
    // A set on its own ends on a long hold and starts with a rest before the unracking
    // lift; in an endless chain both would be one long pause between two repetitions.
    // The chain goes on from the last top hold straight into the lowering to where the
    // next set lifts from.
    if (!c.segmenti.empty() && c.segmenti.back().tipo == Segmento::Tipo::Fermo)
        c.segmenti.pop_back();
    const bool prima = !serie_.has_value();
    if (!prima && !c.segmenti.empty() && c.segmenti.front().tipo == Segmento::Tipo::Fermo)
        c.segmenti.erase(c.segmenti.begin());
    const double partenza = c.posizione_iniziale_mm;
    if (std::abs(fine_posizione_mm_ - partenza) > 1e-9) {
        // Back down to where the set begins, at a lowering's pace.
        c.segmenti.insert(c.segmenti.begin(),
                          {Segmento::Tipo::Discesa, partenza - fine_posizione_mm_,
                           0.5 * (parametri_.discesa_min_s + parametri_.discesa_max_s), false});
        c.posizione_iniziale_mm = fine_posizione_mm_;
    }
    fine_posizione_mm_ = c.Posizione_mm(c.Durata_s());
    inizio_serie_s_ += durata_serie_s_;
    durata_serie_s_ = c.Durata_s();
    serie_.emplace(std::move(c), tipo_, Collegamento::Seriale);
    primo_della_serie_ = true;
}

bool Flusso_continuo::Prossimo(Record_scheda& record) {
    if (!prossimo_pronto_) {
        while (!serie_->Prossimo(prossimo_)) Nuova_serie();
        const auto inizio = static_cast<std::int64_t>(
            std::llround(inizio_serie_s_ * static_cast<double>(conteggi_per_s_)));
        prossimo_.istante += inizio;
        prossimo_.istante_s += inizio_serie_s_;
        prossimo_primo_ = primo_della_serie_;
        primo_della_serie_ = false;
        prossimo_pronto_ = true;
    }
    const auto segno = [](std::int32_t tempo) { return tempo < 0 ? -1 : 1; };
    if (c_e_precedente_ && prossimo_.istante - precedente_.istante > conteggi_per_s_) {
        // A second without movement: the idle record, where the bar is.
        record = precedente_;
        record.istante += conteggi_per_s_;
        record.istante_s += 1.0;
        record.tempo = static_cast<std::int32_t>(segno(precedente_.tempo) * conteggi_per_s_);
        record.fermo = true;
    } else {
        record = prossimo_;
        prossimo_pronto_ = false;
        if (prossimo_primo_ && c_e_precedente_) {
            // A set's first step counts from the record before it, not from the set's start.
            const auto passo = record.istante - precedente_.istante;
            record.tempo = static_cast<std::int32_t>(segno(record.tempo) * passo);
        }
    }
    precedente_ = record;
    c_e_precedente_ = true;
    return true;
}
