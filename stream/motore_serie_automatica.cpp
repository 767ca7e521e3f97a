// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's sets that start and end themselves: the armed station's records go through
// the set detector, and each set it finds is processed as an acquisition of its own.
#include "stream/motore_misura.h"

#include <algorithm>

namespace {

// The set's records are processed at least this often, so that the detector hears of its
// repetitions while it still counts the stillness after them.
constexpr std::size_t Record_per_passo = 64;

} // namespace

void Motore_misura::Silenzio(double secondi) {
    if (in_smistamento_) return;
    if (In_serie() && rilevatore_->Silenzio(secondi)) {
        Chiudi_serie_armata();
        return;
    }
    Anticipa_alzata(secondi);
}

void Motore_misura::Concludi_serie() {
    if (!In_serie()) return;
    Prosegui_serie();
    rilevatore_->Interrompi();
    Chiudi_serie_armata();
}

void Motore_misura::Smista_armata(std::span<const std::uint8_t> record, int decimali) {
    const std::size_t interi = record.size() / Byte_record_seriale * Byte_record_seriale;
    coda_.insert(coda_.end(), record.begin(), record.begin() + std::ptrdiff_t(interi));
    decimali_armata_ = decimali;
    if (in_smistamento_) return;
    in_smistamento_ = true;
    std::size_t letto = 0;
    std::array<std::uint8_t, Byte_record_seriale> uno{};
    while (rilevatore_ && letto + Byte_record_seriale <= coda_.size()) {
        // A copy: a listener's event loop may add to the queue meanwhile.
        std::copy_n(coda_.begin() + std::ptrdiff_t(letto), Byte_record_seriale, uno.begin());
        letto += Byte_record_seriale;
        const Conteggi c = *Leggi_record_seriale(uno, 0);
        Controlla_record(c);
        const double posizione = Posizione_mm(c.posizione, scheda_.Fattore_posizione);
        const double passo = double(Tempo_ms(c.tempo, scheda_.Fattore_tempo)) / 1000.0;
        const bool era_in_serie = rilevatore_->In_serie();
        const auto evento = rilevatore_->Campione(posizione, passo);
        ++indice_armata_;
        if (evento == Serie_automatica::Evento::Fine) {
            Prosegui_serie();
            Chiudi_serie_armata();
        }
        if (!rilevatore_) break; // a listener stopped the acquisition
        if (era_in_serie && rilevatore_->In_serie()) {
            serie_.insert(serie_.end(), uno.begin(), uno.end());
            if (serie_.size() >= Record_per_passo * Byte_record_seriale) Prosegui_serie();
        } else if (evento == Serie_automatica::Evento::Inizio) {
            // The set keeps the records from the detector's first sample on, this one too.
            const auto salta = std::size_t(
                std::max<std::int64_t>(0, rilevatore_->Primo_campione() - primo_prima_));
            serie_.assign(prima_.begin() +
                              std::ptrdiff_t(std::min(prima_.size(), salta * Byte_record_seriale)),
                          prima_.end());
            serie_.insert(serie_.end(), uno.begin(), uno.end());
            prima_.clear();
            for (Vista_misura* v : viste_) v->Serie_in_arrivo();
            if (!rilevatore_) break;
            Inizia_serie();
            Riarma(); // the set's own setup: its end time too
            Prosegui_serie();
        } else {
            Spostamento(posizione, decimali);
            prima_.insert(prima_.end(), uno.begin(), uno.end());
            primo_prima_ = indice_armata_ - std::int64_t(prima_.size() / Byte_record_seriale);
            const std::int64_t inutili = rilevatore_->Primo_possibile() - primo_prima_;
            if (inutili > 0) {
                prima_.erase(prima_.begin(), prima_.begin() + std::ptrdiff_t(std::size_t(inutili) *
                                                                             Byte_record_seriale));
                primo_prima_ += inutili;
            }
        }
        if (perdita_raggiunta_ && In_serie()) {
            Prosegui_serie();
            rilevatore_->Interrompi();
            Chiudi_serie_armata();
        }
    }
    if (rilevatore_) Prosegui_serie();
    coda_.erase(coda_.begin(), coda_.begin() + std::ptrdiff_t(std::min(letto, coda_.size())));
    in_smistamento_ = false;
    // Records queued by the listeners' event loops after the loop ended.
    if (rilevatore_ && coda_.size() >= Byte_record_seriale) {
        std::vector<std::uint8_t> resto;
        resto.swap(coda_);
        Smista_armata(resto, decimali);
    }
}

void Motore_misura::Prosegui_serie() {
    if (serie_.empty()) return;
    std::vector<std::uint8_t> blocco;
    blocco.swap(serie_);
    Elabora_record(blocco, decimali_armata_, false);
    blocco.clear();
    serie_.swap(blocco); // its capacity kept for the next records
}

void Motore_misura::Chiudi_serie_armata() {
    perdita_raggiunta_ = false;
    s_.Serie_in_corso = false;
    serie_.clear();
    prima_.clear();
    primo_prima_ = indice_armata_;
    m_.Disegno_abilitato = false;
    for (Vista_misura* v : viste_) v->Acquisizione_finita();
    const int righe = lista_.Righe();
    for (Vista_misura* v : viste_) v->Serie_conclusa(righe);
    Riarma();
}

void Motore_misura::Riarma() {
    if (rilevatore_)
        rilevatore_->Imposta(s_.Dati_esercizio.Ampiezza_minima, double(s_.Fine_serie_s));
}
