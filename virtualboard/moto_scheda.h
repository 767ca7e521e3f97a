// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The motion the virtual board reports: a generated lift script, an endless chain of
// generated sets, or a steady stream for stress tests.

#include "virtualboard/opzioni_scheda.h"
#include "wire/flusso_scheda.h"

#include <memory>
#include <optional>

// Endless sets: one generated script after another (seed, seed + 1, ...), each joined
// to the last by a lowering from where the bar stopped, with the time running on and an
// idle record at least every second across the seams, as within a set.
class Flusso_continuo : public Sorgente_record {
public:
    Flusso_continuo(const Parametri_copione& parametri, std::uint32_t seme, int tipo_scheda);
    bool Prossimo(Record_scheda& record) override;

    static constexpr int Ripetizioni_per_serie = 5;

private:
    void Nuova_serie();

    Parametri_copione parametri_;
    std::uint32_t seme_;
    int tipo_;
    std::optional<Flusso_copione> serie_;
    double fine_posizione_mm_;  // where the last set left the bar
    double inizio_serie_s_ = 0; // start of the current set on the running clock
    double durata_serie_s_ = 0;
    std::int64_t conteggi_per_s_;
    bool primo_della_serie_ = true;
    // The next record of the sets, held while idle records fill a pause at a seam.
    Record_scheda prossimo_{};
    bool prossimo_pronto_ = false;
    bool prossimo_primo_ = false; // it opens a set
    Record_scheda precedente_{};  // the last record handed out
    bool c_e_precedente_ = false;
};

Parametri_copione Parametri_da_opzioni(const Opzioni_scheda& opzioni);

// Several sets (opzioni.serie) as one script: each a generated set of its repetitions
// (seed, seed + 1, ...) and its own holds, then the bar lowered back to where a set
// begins and the rest there; the last rest (at least the hold a set on its own ends on)
// ends the script.
Copione Copione_serie(const Opzioni_scheda& opzioni);

// The source the options ask for.
std::unique_ptr<Sorgente_record> Crea_sorgente(const Opzioni_scheda& opzioni);
