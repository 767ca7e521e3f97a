// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/motore_misura.h"

#include "platform/memoria.h"
#include "stream/decodifica.h"
#include "stream/fascia.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <stdexcept>
#include <string>

namespace {

// Movement state: 0 lifting, 1 not lifting. Between the two thresholds it is kept.
constexpr std::int16_t Stato_salita = 0;
constexpr std::int16_t Stato_fermo = 1;
constexpr float Primo_secondo = 1.0f; // s: changes before this are concentric starts

// Live drawing stops at this backlog of the serial port and resumes below the second.
constexpr int Ritardo_massimo_disegno = 400; // bytes
constexpr int Ritardo_ripresa_disegno = 50;  // bytes

// A start gives back to the system the memory of an earlier measurement only past this
// many samples (16 MB of them, a couple of minutes of the fastest stream): the set it
// begins would take a smaller one's memory back page by page at once, and those page
// faults cost more than the processing of its samples.
constexpr std::size_t Campioni_riusati = std::size_t{1} << 20;

// The last index of a block of `conteggio` records (1 to Record_massimi_blocco).
std::int16_t Ultimo_indice(std::size_t conteggio) {
    if (conteggio == 0 || conteggio > Record_massimi_blocco)
        throw std::length_error("Elabora_blocco: block of " + std::to_string(conteggio) +
                                " records");
    return static_cast<std::int16_t>(conteggio - 1);
}

} // namespace

Motore_misura::Motore_misura(Sessione& sessione, const QLocale& locale)
    : s_(sessione), scheda_(sessione.Scheda), locale_(locale) {}

void Motore_misura::Inizia_acquisizione() {
    trama_.Azzera();
    controllo_.Azzera();
    s_.Acquisizione_in_corso = true;
    coda_.clear();
    if (automatiche_) {
        // Armed: the set in memory stays on screen until the first movement.
        rilevatore_.emplace(s_.Dati_esercizio.Ampiezza_minima, s_.Fine_serie_s);
        prima_.clear();
        primo_prima_ = indice_armata_ = 0;
        return;
    }
    rilevatore_.reset();
    Inizia_serie();
}

void Motore_misura::Inizia_serie() {
    s_.Serie_in_corso = true;
    s_.Fissa_serie();
    s_.Nota.clear(); // the setup's note goes with this set only
    Azzera(s_.Campioni.size() > Campioni_riusati);
    m_.Disegno_abilitato = true;
    m_.Tempo_corrente = 0;
    m_.Tempo_analisi = 0;
    m_.Stato_fase = {Stato_fermo, Stato_salita};
    // Nothing of an earlier acquisition's running extremes or lift: a set computes the
    // same whatever ran before it, and its journal gives it back equal.
    m_.Vmax_corrente = 0;
    m_.Vmin_corrente = 0;
    posizione_precedente_ = 0;
    t_prima_alzata_ = 0;
    for (Vista_misura* v : viste_) v->Acquisizione_iniziata();
}

void Motore_misura::Fine_acquisizione() {
    const bool armata = Armata();
    Concludi_serie();
    rilevatore_.reset();
    coda_.clear();
    const bool in_corso = s_.Acquisizione_in_corso;
    s_.Acquisizione_in_corso = false;
    s_.Serie_in_corso = false;
    if (in_corso && !armata)
        for (Vista_misura* v : viste_) v->Acquisizione_finita();
}

void Motore_misura::Imposta_registrazione(bool accesa) {
    s_.Memo_attivo = accesa;
    if (accesa) {
        // A fresh store: the next sample goes to index 0, not after the ones of a
        // recording switched off earlier (which would leave a run of empty rows).
        s_.Campioni = std::deque<Campione>(1);
        s_.Numero_campioni = 0;
    }
    for (Vista_misura* v : viste_) v->Registrazione_cambiata(accesa);
}

void Motore_misura::Spostamento(double posizione, int decimali) {
    for (Vista_misura* v : viste_) v->Spostamento(posizione / 10.0, decimali);
}

void Motore_misura::Blocco_seriale(std::span<const std::uint8_t> byte) {
    const std::span<const std::uint8_t> record = trama_.Aggiungi(byte);
    ++letture_;
    if (rilevatore_)
        Smista_armata(record, 0);
    else
        Elabora_record(record, 0, true);
}

void Motore_misura::Elabora_record(std::span<const std::uint8_t> record, int decimali,
                                   bool controlla) {
    const std::size_t conteggio = record.size() / Byte_record_seriale;
    if (conteggio == 0) return;
    for (Vista_misura* v : viste_) v->Record_ricevuti(record);
    const std::size_t per_blocco = std::min(conteggio, Record_massimi_blocco);
    if (posizioni_.size() < per_blocco) {
        posizioni_.resize(per_blocco);
        tempi_.resize(per_blocco);
    }
    for (std::size_t inizio = 0; inizio < conteggio; inizio += per_blocco) {
        const std::size_t quanti = std::min(per_blocco, conteggio - inizio);
        for (std::size_t j = 0; j < quanti; ++j) {
            const Conteggi c = *Leggi_record_seriale(record, inizio + j); // whole records only
            if (controlla) Controlla_record(c);
            posizioni_[j] = Posizione_mm(c.posizione, scheda_.Fattore_posizione);
            Spostamento(posizioni_[j], decimali);
            tempi_[j] = Tempo_ms(c.tempo, scheda_.Fattore_tempo);
        }
        Elabora_blocco(Ultimo_indice(quanti), posizioni_.data(), tempi_.data());
    }
}

void Motore_misura::Report_hid(std::span<const std::uint8_t> report) {
    ++letture_;
    if (rilevatore_) {
        std::size_t letti = 0;
        for (; letti < Record_per_report && Leggi_record_hid(report, letti); ++letti) {
            const std::size_t inizio = letti * Byte_record_hid + Scostamento_posizione_hid;
            std::copy_n(report.begin() + static_cast<std::ptrdiff_t>(inizio), Byte_record_seriale,
                        record_hid_.begin() +
                            static_cast<std::ptrdiff_t>(letti * Byte_record_seriale));
        }
        Smista_armata({record_hid_.data(), letti * Byte_record_seriale}, 1);
        return;
    }
    double posizioni[Record_per_report];
    float tempi[Record_per_report];
    std::size_t letti = 0;
    for (; letti < Record_per_report; ++letti) {
        const auto conteggi = Leggi_record_hid(report, letti);
        if (!conteggi) break; // a short report: only its whole records count
        Controlla_record(*conteggi);
        posizioni[letti] = Posizione_mm(conteggi->posizione, scheda_.Fattore_posizione);
        tempi[letti] = Tempo_ms(conteggi->tempo, scheda_.Fattore_tempo);
        // The record as the serial link carries it: position count, then time count.
        const std::size_t inizio = letti * Byte_record_hid + Scostamento_posizione_hid;
        std::copy_n(report.begin() + static_cast<std::ptrdiff_t>(inizio), Byte_record_seriale,
                    record_hid_.begin() + static_cast<std::ptrdiff_t>(letti * Byte_record_seriale));
    }
    if (letti == 0) return;
    const std::span<const std::uint8_t> record(record_hid_.data(), letti * Byte_record_seriale);
    for (Vista_misura* v : viste_) v->Record_ricevuti(record);
    for (std::size_t k = 0; k < letti; ++k) Spostamento(posizioni[k], 1);
    Elabora_blocco(Ultimo_indice(letti), posizioni, tempi);
}

void Motore_misura::Record_hid(std::span<const std::uint8_t> record) {
    std::array<std::uint8_t, Byte_report_hid> report{};
    const std::size_t interi = record.size() / Byte_record_seriale;
    for (std::size_t inizio = 0; inizio < interi; inizio += Record_per_report) {
        const std::size_t quanti = std::min(Record_per_report, interi - inizio);
        report.fill(0);
        for (std::size_t k = 0; k < quanti; ++k)
            std::copy_n(
                record.begin() + static_cast<std::ptrdiff_t>((inizio + k) * Byte_record_seriale),
                Byte_record_seriale,
                report.begin() +
                    static_cast<std::ptrdiff_t>(k * Byte_record_hid + Scostamento_posizione_hid));
        // A last group of fewer than eight: a report cut after its whole records.
        const std::size_t lunghezza =
            quanti == Record_per_report ? Byte_report_hid : quanti * Byte_record_hid;
        Report_hid({report.data(), lunghezza});
    }
}

void Motore_misura::Elabora_blocco(std::int16_t n, const double* posizioni, const float* tempi_ms) {
    if (n < 0) return;
    const auto conteggio = static_cast<std::size_t>(n) + 1;
    if (velocita_.size() < conteggio) velocita_.resize(conteggio);
    double* const velocita = velocita_.data();

    const float fattore = scheda_.Fattore_posizione;
    for (std::size_t i = 0; i < conteggio; ++i)
        velocita[i] = Velocita_campione(tempi_ms[i], fattore, scheda_.Collegamento);

    for (std::size_t i = 0; i < conteggio; ++i) {
        const float dt = tempi_ms[i] / 1000.0f; // s, with its sign
        m_.Tempo_corrente += std::fabs(dt);
        m_.Tempo_analisi += static_cast<double>(std::fabs(dt));
        if (s_.Memo_attivo && s_.Numero_campioni >= 0)
            Registra({static_cast<float>(posizioni[i]), dt, m_.Tempo_corrente,
                      static_cast<float>(velocita[i])});
        Elabora_dati(posizioni[i], static_cast<float>(velocita[i]));
    }

    // Live drawing is shed first when the program falls behind the stream.
    if (Byte_in_attesa() < Ritardo_massimo_disegno && m_.Disegno_abilitato && Disegno_richiesto()) {
        const Blocco_campioni blocco{
            {posizioni, conteggio}, {velocita, conteggio}, {tempi_ms, conteggio}};
        for (Vista_misura* v : viste_)
            if (v->Vuole_campioni()) v->Campioni_aggiunti(blocco);
    } else {
        m_.Disegno_abilitato = false;
    }
    if (Byte_in_attesa() < Ritardo_ripresa_disegno) m_.Disegno_abilitato = true;
}

void Motore_misura::Inizia_rielaborazione(double posizione_inizio) {
    s_.Fissa_serie();
    Azzera(s_.Campioni.size() > Campioni_riusati);
    trama_.Azzera();
    s_.Ripetizioni.assign(2, Ripetizione{});
    m_ = Stato_misura{};
    m_.Disegno_abilitato = true;
    m_.Stato_fase = {Stato_fermo, Stato_fermo};
    m_.Indice_ripetizione = 1;
    m_.Pos_inizio_ripetizione = static_cast<float>(posizione_inizio);
    m_.Pos_inizio_concentrica = static_cast<float>(posizione_inizio);
    s_.Ripetizioni[1].Pos_inizio = static_cast<float>(posizione_inizio);
    if (s_.Memo_attivo) Registra({static_cast<float>(posizione_inizio), 0, 0, 0});
}

void Motore_misura::Fine_rielaborazione() {
    m_.Disegno_abilitato = false;
    if (s_.Memo_attivo && s_.Numero_campioni > 1)
        Registra(s_.Campioni[static_cast<std::size_t>(s_.Numero_campioni - 1)]);
}

void Motore_misura::Rielabora_blocco(std::span<const Campione> campioni) {
    const std::size_t conteggio = campioni.size();
    if (conteggio == 0) return;
    if (posizioni_.size() < conteggio) {
        posizioni_.resize(conteggio);
        tempi_.resize(conteggio);
    }
    if (velocita_.size() < conteggio) velocita_.resize(conteggio);
    for (std::size_t i = 0; i < conteggio; ++i) {
        const Campione& c = campioni[i];
        tempi_[i] = c.dt * 1000.0f;
        m_.Tempo_corrente = c.Tempo;
        m_.Tempo_analisi = static_cast<double>(c.Tempo); // a file's time is all there is
        posizioni_[i] = static_cast<double>(c.Posizione);
        velocita_[i] = static_cast<double>(c.Velocita);
        if (s_.Memo_attivo && s_.Numero_campioni >= 0) Registra(c);
        Elabora_dati(posizioni_[i], c.Velocita);
    }
    const Blocco_campioni blocco{
        {posizioni_.data(), conteggio}, {velocita_.data(), conteggio}, {tempi_.data(), conteggio}};
    for (Vista_misura* v : viste_)
        if (v->Vuole_campioni()) v->Campioni_aggiunti(blocco);
}

void Motore_misura::Controlla_record(const Conteggi& c) {
    if (controllo_.Controlla(c.posizione, c.tempo, scheda_.Fattore_posizione,
                             scheda_.Fattore_tempo))
        for (Vista_misura* v : viste_) v->Flusso_disturbato(controllo_.Disturbi());
}

bool Motore_misura::Disegno_richiesto() const {
    return std::any_of(viste_.begin(), viste_.end(),
                       [](const Vista_misura* v) { return v->Vuole_campioni(); });
}

void Motore_misura::Elabora_dati(double posizione, float velocita) {
    auto& ripetizioni = s_.Ripetizioni;
    if (m_.Indice_ripetizione < 0) m_.Indice_ripetizione = 0;
    const auto indice = static_cast<std::size_t>(m_.Indice_ripetizione);
    if (ripetizioni.size() <= indice) ripetizioni.resize(indice + 1);
    Ripetizione& r = ripetizioni[indice];
    const float t = m_.Tempo_corrente;

    if (velocita < m_.Vmin_corrente) {
        m_.Vmin_corrente = velocita;
        r.TdiVmax_ecc = t - r.Tempo_inizio;
        r.Vmax_ecc = velocita;
        r.SdiVmax_ecc = static_cast<float>(static_cast<double>(r.Pos_inizio) - posizione);
    }
    if (velocita > m_.Vmax_corrente) {
        m_.Vmax_corrente = velocita;
        r.TdiVmax_conc = t - (r.Durata_ecc + r.Tempo_inizio);
        r.Vmax_conc = velocita;
        r.SdiVmax_conc = static_cast<float>(posizione - static_cast<double>(r.Pos_inizio_conc));
    }

    auto& stato = m_.Stato_fase;
    if (velocita > Soglia_salita)
        stato[0] = Stato_salita;
    else if (velocita < Soglia_discesa)
        stato[0] = Stato_fermo;
    if (stato[0] != stato[1]) {
        if (stato[0] == Stato_salita || t <= Primo_secondo) {
            Inizia_concentrica(posizione);
        } else {
            Chiudi_ripetizione(posizione);
        }
    } else if (analisi_attiva_) {
        // During a lift every record; before one, those of a rise not yet fast enough to
        // start it, which become its first records.
        if (in_alzata_ || posizione > posizione_precedente_) {
            alzata_.push_back({m_.Tempo_analisi, posizione});
        } else {
            alzata_.clear();
            t_prima_alzata_ = m_.Tempo_analisi;
        }
    }
    stato[1] = stato[0];
    posizione_precedente_ = posizione;
}

void Motore_misura::Inizia_concentrica(double posizione) {
    Ripetizione& r = s_.Ripetizioni[static_cast<std::size_t>(m_.Indice_ripetizione)];
    m_.Pos_inizio_concentrica = static_cast<float>(posizione);
    r.Pos_inizio_conc = static_cast<float>(posizione);
    r.Durata_ecc = m_.Tempo_corrente - r.Tempo_inizio;
    r.Spost_ecc = m_.Pos_inizio_concentrica - m_.Pos_inizio_ripetizione;
    if (r.Durata_ecc > 0) r.Vmedia_ecc = r.Spost_ecc / r.Durata_ecc;
    // The lift, as the analysis sees it, starts here too.
    in_alzata_ = analisi_attiva_ && m_.Stato_fase[0] == Stato_salita;
    alzata_anticipata_ = false;
    if (in_alzata_)
        alzata_.push_back({m_.Tempo_analisi, posizione});
    else
        alzata_.clear();
}

void Motore_misura::Chiudi_ripetizione(double posizione) {
    Chiudi_ripetizione_tabella(posizione);
    // The lift's records were analysed if it counted; the next lift starts afresh.
    in_alzata_ = false;
    alzata_.clear();
}

void Motore_misura::Chiudi_ripetizione_tabella(double posizione) {
    m_.Pos_inizio_ripetizione = static_cast<float>(posizione);
    ++m_.Indice_ripetizione;
    const auto indice = static_cast<std::size_t>(m_.Indice_ripetizione);
    // The table only grows: an element left by an earlier measurement or by an absorbed
    // movement is overwritten field by field, not cleared.
    if (s_.Ripetizioni.size() < indice + 1) s_.Ripetizioni.resize(indice + 1);
    Ripetizione& nuova = s_.Ripetizioni[indice];
    Ripetizione& finita = s_.Ripetizioni[indice - 1];
    nuova.Tempo_inizio = m_.Tempo_corrente;
    nuova.Pos_inizio = static_cast<float>(posizione);
    finita.Spost_conc = static_cast<float>(posizione - static_cast<double>(finita.Pos_inizio_conc));

    const float ampiezza_minima = s_.Serie.Dati_esercizio.Ampiezza_minima;
    if (finita.Spost_conc > ampiezza_minima && m_.Indice_ripetizione == 1) {
        // The first real lift: the clock, the recording and the time graph restart.
        m_.Tempo_corrente = 0;
        m_.Tempo_analisi = 0;
        nuova.Tempo_inizio = 0;
        s_.Numero_campioni = 0;
        s_.Campioni.resize(1);
        s_.Campioni[0].Tempo = 0;
        for (Vista_misura* v : viste_) v->Tempo_ripartito();
        if (rilevatore_) rilevatore_->Primo_sollevamento();
    }
    finita.Durata_totale = nuova.Tempo_inizio - finita.Tempo_inizio;
    finita.Durata_conc = nuova.Tempo_inizio - (finita.Durata_ecc + finita.Tempo_inizio);
    if (finita.Durata_conc > 0) finita.Vmedia_conc = finita.Spost_conc / finita.Durata_conc;
    for (Vista_misura* v : viste_) v->Confine_ripetizione(nuova.Tempo_inizio, finita.Tempo_inizio);
    m_.Vmax_corrente = 0;
    m_.Vmin_corrente = 0;

    if (finita.Spost_conc <= ampiezza_minima) {
        // Too small to count: absorbed into the repetition that was running.
        if (m_.Indice_ripetizione >= 1) --m_.Indice_ripetizione;
        return;
    }
    // Repetition 0 is the stretch before the first real lift and gets no row.
    if (m_.Indice_ripetizione < 2) return;
    Mostra_ripetizione(m_.Indice_ripetizione - 1);
}

void Motore_misura::Mostra_ripetizione(int indice) {
    const Ripetizione& r = s_.Ripetizioni[static_cast<std::size_t>(indice)];
    const int riga = indice - 1;
    lista_.Aggiungi(Lista_valori::Formatta_riga(r, indice, locale_));
    if (analisi_attiva_)
        analisi_.push_back(Analizza_alzata(alzata_, t_prima_alzata_, m_.Tempo_analisi,
                                           s_.Serie.Dati_esercizio.Carico));
    riferimenti_.push_back(
        Velocita_scelta(r, analisi_attiva_ ? &analisi_.back() : nullptr, s_.Serie.Riferimento));
    Calcola_perdita(riferimenti_.size() - 1);
    if (rilevatore_ && rilevatore_->In_serie()) {
        rilevatore_->Ripetizione();
        // At or beyond the threshold, to the hundredth as the files write the loss.
        if (s_.Serie.Fine_alla_perdita && analisi_.size() == riferimenti_.size() &&
            !Esclusa(riferimenti_.size() - 1) &&
            std::round(analisi_.back().Perdita * 100.0f) >=
                std::round(s_.Serie.Soglia_perdita * 100.0f))
            perdita_raggiunta_ = true;
    }

    const float velocita = riferimenti_.back();
    for (Vista_misura* v : viste_)
        v->Ripetizione_chiusa(riga, r, velocita, Colore_fascia(velocita, s_.Serie.Dati_esercizio));
    if (analisi_attiva_)
        for (Vista_misura* v : viste_) v->Ripetizione_analizzata(riga, analisi_.back());
}

void Motore_misura::Anticipa_alzata(double secondi) {
    // A lift whose row will show a velocity of the lift, of a set being measured, past the
    // first real lift (which gets no row).
    if (!s_.Serie_in_corso || !in_alzata_ || alzata_anticipata_ || alzata_.size() < 2 ||
        m_.Indice_ripetizione < 1 || s_.Serie.Riferimento == Velocita_riferimento::Vmedia_tabella)
        return;
    const auto indice = static_cast<std::size_t>(m_.Indice_ripetizione);
    if (indice >= s_.Ripetizioni.size()) return;
    const Ripetizione& r = s_.Ripetizioni[indice];
    // Its row will be: beyond the minimum amplitude. A bar still for this long has stopped at
    // the top (a board sends nothing until it moves or a second has passed), or has stalled
    // in a grinding lift, which then goes on with its cue given.
    if (secondi < Silenzio_fine_alzata_s || alzata_.back().x - double(r.Pos_inizio_conc) <=
                                                double(s_.Serie.Dati_esercizio.Ampiezza_minima))
        return;
    alzata_anticipata_ = true;
    Analisi_ripetizione a = Analizza_alzata(alzata_, t_prima_alzata_, alzata_.back().t + secondi,
                                            s_.Serie.Dati_esercizio.Carico);
    const float velocita = Velocita_scelta(r, &a, s_.Serie.Riferimento);
    const float migliore = std::max(migliore_, velocita);
    a.Perdita = migliore > 0 ? std::max(0.0f, (migliore - velocita) / migliore * 100.0f) : 0;
    a.Oltre_soglia = std::round(a.Perdita * 100.0f) > std::round(s_.Serie.Soglia_perdita * 100.0f);
    const Colore colore = Colore_fascia(velocita, s_.Serie.Dati_esercizio);
    for (Vista_misura* v : viste_)
        v->Alzata_ferma(static_cast<int>(indice) - 1, velocita, colore, a);
}

float Motore_misura::Velocita_di_riferimento(int riga) const {
    return riga >= 0 && std::size_t(riga) < riferimenti_.size() ? riferimenti_[std::size_t(riga)]
                                                                : 0.0f;
}

bool Motore_misura::Esclusa(std::size_t riga) const {
    return s_.Serie.Escluse.count(static_cast<int>(riga) + 1) > 0;
}

void Motore_misura::Calcola_perdita(std::size_t i) {
    // A row left out is judged against the best of the rows that count but does not
    // raise it.
    const bool esclusa = Esclusa(i);
    if (!esclusa) migliore_ = std::max(migliore_, riferimenti_[i]);
    if (i >= analisi_.size()) return; // listed while the analysis was off
    Analisi_ripetizione& a = analisi_[i];
    a.Perdita =
        migliore_ > 0 ? std::max(0.0f, (migliore_ - riferimenti_[i]) / migliore_ * 100.0f) : 0;
    // Compared as the files write them, to the hundredth: a loss shown as the threshold
    // itself has not passed it.
    a.Oltre_soglia =
        !esclusa && std::round(a.Perdita * 100.0f) > std::round(s_.Serie.Soglia_perdita * 100.0f);
    a.Esclusa = esclusa;
}

void Motore_misura::Imposta_esclusa(int numero, bool esclusa) {
    if (numero < 1 || numero > lista_.Righe()) return;
    const bool era = s_.Serie.Escluse.count(numero) > 0;
    if (era == esclusa) return;
    if (esclusa)
        s_.Serie.Escluse.insert(numero);
    else
        s_.Serie.Escluse.erase(numero);
    // Every loss again, from the first row: the best up to each row may have changed.
    migliore_ = 0;
    for (std::size_t i = 0; i < riferimenti_.size(); ++i) Calcola_perdita(i);
    for (Vista_misura* v : viste_) v->Esclusione_cambiata(numero - 1, esclusa);
}

void Motore_misura::Azzera(bool restituisci) {
    s_.Campioni = std::deque<Campione>(1);
    m_.Pos_inizio_ripetizione = 0;
    m_.Pos_inizio_concentrica = 1024.0f;
    m_.Indice_ripetizione = 0;
    s_.Numero_campioni = 0;
    lista_.Svuota();
    analisi_.clear();
    riferimenti_.clear();
    migliore_ = 0;
    // No rows, none left out, and no files of them to keep up to date.
    s_.Serie.Escluse.clear();
    s_.Serie.File_record.clear();
    s_.Serie.File_analisi.clear();
    alzata_.clear();
    in_alzata_ = false;
    for (Vista_misura* v : viste_) v->Misura_azzerata();
    // The listeners have let go of their samples too: what a long set took goes back to
    // the system, not only to the allocator.
    if (restituisci) Restituisci_memoria_libera();
}
