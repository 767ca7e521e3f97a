// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement engine: turns the board's sample stream into recorded samples and
// repetitions. It runs on the user-interface thread, fed by the link that carries the
// stream, and reports what happens to its listeners (Vista_misura). It has no widgets.

#include "session/sessione.h"
#include "stream/analisi_alzata.h"
#include "stream/controllo_flusso.h"
#include "stream/decodifica.h"
#include "stream/lista_valori.h"
#include "stream/serie_automatica.h"
#include "stream/trama_seriale.h"
#include "stream/vista_misura.h"

#include <QLocale>
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <vector>

// The most records one call of Elabora_blocco takes: its last index is a 16-bit count.
// Longer runs of records are split into blocks of this size or fewer.
inline constexpr std::size_t Record_massimi_blocco =
    std::size_t(std::numeric_limits<std::int16_t>::max()) + 1;
// The bytes one read of the serial port hands over while streaming: two records.
inline constexpr std::size_t Byte_lettura_seriale = 2 * Byte_record_seriale;
static_assert(Record_per_report <= Record_massimi_blocco);
static_assert(Byte_lettura_seriale / Byte_record_seriale <= Record_massimi_blocco);

// Movement state: a record faster than the first lifts the bar, one slower than the second
// does not; between the two the state is kept. mm/s.
inline constexpr float Soglia_salita = 20.0f;
inline constexpr float Soglia_discesa = 15.0f;
// A lift with no record for this long (s) is told as ended before the record that closes
// it (Vista_misura::Alzata_ferma).
inline constexpr double Silenzio_fine_alzata_s = 0.15;

// The engine's running state of one acquisition.
struct Stato_misura {
    bool Disegno_abilitato = false;           // new samples go to the listeners that draw them
    float Tempo_corrente = 0;                 // s, sum of the step times since the start
    std::array<std::int16_t, 2> Stato_fase{}; // movement state, 0 = current, 1 = previous
    std::int32_t Indice_ripetizione = 0;      // current repetition in Ripetizioni
    float Pos_inizio_ripetizione = 0;         // mm
    float Pos_inizio_concentrica = 0;         // mm
    float Vmax_corrente = 0;                  // mm/s, extremes of the current repetition
    float Vmin_corrente = 0;
    // s, Tempo_corrente in double precision: the lift analysis's clock. The single sum
    // moves in steps of 0.49 ms after 4 096 s, which a station armed for hours would feel.
    double Tempo_analisi = 0;
};

class Motore_misura {
public:
    Motore_misura(Sessione& sessione, const QLocale& locale);

    // Listeners, told in the order they were added. They must outlive the engine or be
    // taken away first.
    void Aggiungi_vista(Vista_misura& vista) { viste_.push_back(&vista); }
    void Togli_viste() { viste_.clear(); }
    void Togli_vista(Vista_misura& vista) { std::erase(viste_, &vista); }
    // How far the program is behind the stream, in bytes waiting on the link; drives the
    // drawing hysteresis. None set: 0.
    void Imposta_ritardo(std::function<int()> byte_in_attesa) {
        ritardo_ = std::move(byte_in_attesa);
    }

    // Start of an acquisition: the measurement reset, a fresh running state and
    // Acquisizione_in_corso set. Every start goes through here.
    void Inizia_acquisizione();
    // The measurement reset: the memory its samples took goes back to the system.
    void Azzera_misura() { Azzera(true); }
    // The end of an acquisition (stopped, refused or its link lost): Acquisizione_in_corso
    // off. Nothing of the measurement changes.
    void Fine_acquisizione();
    // Recording on (the sample store starts afresh, from index 0) or off.
    void Imposta_registrazione(bool accesa);

    // Sets that start and end themselves (SERIE AUTO), chosen before a start. Then the start
    // arms the station: the stream goes to a Serie_automatica first, the records between sets
    // are only watched (position shown, records checked), and each set is an acquisition of
    // its own for the listeners (Serie_in_arrivo, Acquisizione_iniziata, its records,
    // Acquisizione_finita, Serie_conclusa) that keeps the second before its first movement.
    // Each set takes the setup as it stands when it begins; with Fine_alla_perdita it also
    // ends at its first repetition at or beyond the loss threshold.
    void Imposta_serie_automatiche(bool attive) { automatiche_ = attive; }
    bool Armata() const { return rilevatore_.has_value(); }
    bool In_serie() const { return rilevatore_ && rilevatore_->In_serie(); }
    // The set in progress ends now, as after its stillness (the station stopped, the board
    // lost); nothing when none is.
    void Concludi_serie();
    // The reads (serial) and reports (HID) handed over so far: the caller's clock tells from
    // it how long the link has been silent. No record for `secondi`: armed, a set whose
    // stillness has lasted its end time by now ends (a HID board's idle records come eight at
    // a time); in a lift, the listeners may hear of the lift's end before the record that
    // closes it (Alzata_ferma).
    std::uint64_t Letture() const { return letture_; }
    void Silenzio(double secondi);

    // Serial stream: the bytes of one read. Its whole records make one block (split into
    // blocks of Record_massimi_blocco when there are more); the bytes of a record cut by
    // the read wait for the next one.
    void Blocco_seriale(std::span<const std::uint8_t> byte);
    // HID stream: one input report (65 bytes; of a shorter one only the whole records).
    void Report_hid(std::span<const std::uint8_t> report);
    // HID stream as its records, 6 bytes each (as listeners are told them): the reports
    // they came in, eight records each.
    void Record_hid(std::span<const std::uint8_t> record);

    // Velocities, recording, live processing and drawing of one block (samples 0..n, at
    // most Record_massimi_blocco).
    void Elabora_blocco(std::int16_t n, const double* posizioni, const float* tempi_ms);
    // Live processing of one sample: repetition detection and the table.
    void Elabora_dati(double posizione, float velocita);

    // A recorded measurement processed again (a sample file reopened). The file starts
    // right after the first real lift, so the engine starts as it was then: repetition 1
    // begins at time 0 at `posizione_inizio`, the table as in a fresh session. With
    // recording on, the store starts with the record a sample file leaves out first.
    void Inizia_rielaborazione(double posizione_inizio);
    // Recorded samples, in order: each one's Tempo becomes the running time, the sample is
    // recorded again when recording is on and goes through Elabora_dati; then the block
    // goes to the listeners that draw, with its steps.
    void Rielabora_blocco(std::span<const Campione> campioni);
    // After the last block: drawing off; with recording on, the store ends with the
    // record a sample file leaves out last, so that saving it again gives the same rows.
    void Fine_rielaborazione();

    // The analysis of each repetition's lift, one per row of the value list. It can be
    // switched off (benchmarks compare the engine with and without it).
    const std::vector<Analisi_ripetizione>& Analisi() const { return analisi_; }
    void Imposta_analisi(bool attiva) { analisi_attiva_ = attiva; }
    // The velocity row `riga` (from 0) is judged by (Serie.Riferimento), 0 for no row.
    float Velocita_di_riferimento(int riga) const;
    // Leaves repetition `numero` (as listed, from 1) out of the set's judgement or takes
    // it back: it no longer sets the set's best nor raises the alarm; every loss is worked
    // out again and the listeners are told. The row stays in the list.
    void Imposta_esclusa(int numero, bool esclusa);

    // What the current acquisition's stream held that the board cannot send.
    const Disturbo_flusso& Disturbi() const { return controllo_.Disturbi(); }

    const Stato_misura& Stato() const { return m_; }
    // Tests set up a state directly.
    Stato_misura& Stato() { return m_; }
    const Lista_valori& Lst_valori() const { return lista_; }
    const QLocale& Locale() const { return locale_; }

private:
    // The measurement reset; `restituisci`: the freed memory goes back to the system.
    void Azzera(bool restituisci);
    // A set's start: the setup fixed, the measurement reset, the running state afresh.
    void Inizia_serie();
    // Whole records in the serial link's form: told to the listeners, then processed in
    // blocks; `controlla`: checked against what the board can send.
    void Elabora_record(std::span<const std::uint8_t> record, int decimali, bool controlla);
    // Armed: records (serial form) through the set detector. Calls made while a listener
    // holds the stream (a message's event loop during a save) only queue their records.
    void Smista_armata(std::span<const std::uint8_t> record, int decimali);
    void Prosegui_serie(); // the records of the set in progress gathered so far, processed
    void Chiudi_serie_armata();
    void Riarma();
    // The lift in progress told as ended, after `secondi` without a record (once per lift).
    void Anticipa_alzata(double secondi);
    int Byte_in_attesa() const { return ritardo_ ? ritardo_() : 0; }
    bool Disegno_richiesto() const;
    // Checks a record against what the board can send; the first impossible one of an
    // acquisition is told to the listeners.
    void Controlla_record(const Conteggi& conteggi);
    void Spostamento(double posizione, int decimali);
    // Stores a sample at Numero_campioni and counts it; the live loop runs it for every
    // sample, so it stays in the header.
    void Registra(const Campione& campione) {
        auto& campioni = s_.Campioni;
        const auto indice = static_cast<std::size_t>(s_.Numero_campioni);
        if (campioni.size() == indice) {
            campioni.push_back(campione);
        } else {
            campioni.resize(indice + 1);
            campioni[indice] = campione;
        }
        ++s_.Numero_campioni;
    }
    // Steps of Elabora_dati: a lift begins; a top ends the current repetition.
    void Inizia_concentrica(double posizione);
    void Chiudi_ripetizione(double posizione);
    void Chiudi_ripetizione_tabella(double posizione);
    void Mostra_ripetizione(int indice);
    bool Esclusa(std::size_t riga) const;
    // Loss and alarm of row `i`, the rows before it done: raises migliore_ when the row
    // counts.
    void Calcola_perdita(std::size_t i);

    Sessione& s_;
    const Stato_scheda& scheda_; // the link and calibration a stream is decoded with
    Stato_misura m_;
    QLocale locale_;
    std::vector<Vista_misura*> viste_;
    std::function<int()> ritardo_;
    Lista_valori lista_;
    Trama_seriale trama_;
    Controllo_flusso controllo_;
    // The records of the lift in progress (or of the slow rise that may start one), and
    // the time of the last record that did not move the bar up.
    std::vector<Punto_alzata> alzata_;
    bool in_alzata_ = false;
    bool alzata_anticipata_ = false; // its end already told (Alzata_ferma)
    double t_prima_alzata_ = 0;
    double posizione_precedente_ = 0;
    bool analisi_attiva_ = true;
    std::vector<Analisi_ripetizione> analisi_;
    std::vector<float> riferimenti_; // per row, the velocity the set is judged by
    float migliore_ = 0;             // the best of riferimenti_ of the rows that count
    // The records of one HID report as listeners get them.
    std::array<std::uint8_t, Record_per_report * Byte_record_seriale> record_hid_{};
    // Work arrays of one block, kept to avoid allocating per block.
    std::vector<double> posizioni_;
    std::vector<float> tempi_;
    std::vector<double> velocita_;
    // Sets that start and end themselves.
    bool automatiche_ = false;
    std::optional<Serie_automatica> rilevatore_;
    std::vector<std::uint8_t> coda_; // records waiting for the detector
    bool in_smistamento_ = false;
    std::vector<std::uint8_t> prima_; // armed: the records a set beginning now could keep
    std::int64_t primo_prima_ = 0;    // the detector's index of the first of them
    std::int64_t indice_armata_ = 0;  // records fed to the detector
    std::vector<std::uint8_t> serie_; // the set's records not yet processed
    int decimali_armata_ = 0;
    bool perdita_raggiunta_ = false;
    std::uint64_t letture_ = 0;
};
