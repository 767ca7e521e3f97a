// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's sample stream, modelled: an incremental encoder on the bar sends a record
// each time its count has moved Passi_per_record steps from the last record, carrying
// the new absolute count and the time since the previous record, signed by the
// direction of that step. Without movement it sends
// an idle record every second. Records carry their absolute time so a pacer can send
// them when due.

#include "session/tipi_scheda.h"
#include "wire/copione.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

struct Record_scheda {
    std::int16_t posizione = 0; // absolute count, wrapped as the board's 16-bit counter
    std::int32_t tempo = 0;     // time counts since the previous record, signed
    std::int64_t conteggio = 0; // the absolute count, unwrapped
    std::int64_t istante = 0;   // absolute time of the record, in time counts
    double istante_s = 0;       // the same in seconds
    bool fermo = false;         // an idle record (no movement for a second)
};

// Anything that yields records in time order.
class Sorgente_record {
public:
    virtual ~Sorgente_record() = default;
    // The next record; false when the source has ended.
    virtual bool Prossimo(Record_scheda& record) = 0;

    // Appends every record whose time is <= t_s (seconds from the start) to `uscita`;
    // returns how many. Records later than t_s are kept for the next call.
    int Fino_a(double t_s, std::vector<Record_scheda>& uscita);
    // Appends every remaining record.
    int Tutti(std::vector<Record_scheda>& uscita);

private:
    Record_scheda sospeso_;
    bool ha_sospeso_ = false;
    bool finito_ = false;
};

// The records of a lift script, generated lazily: the crossing time of each count
// threshold comes from inverting the half-cosine of its segment.
class Flusso_copione : public Sorgente_record {
public:
    Flusso_copione(Copione copione, int tipo_scheda, Collegamento collegamento);
    bool Prossimo(Record_scheda& record) override;

private:
    // The next count change within the script: its time (s) and the new count.
    bool Prossimo_passo(double& istante_s, std::int64_t& conteggio);
    Record_scheda Emetti(double istante_s, bool fermo, int segno);

    Copione copione_;
    Calibrazione_scheda taratura_;
    int passi_;
    // Walk through the segments.
    std::size_t segmento_ = 0;
    double inizio_segmento_s_ = 0;
    double u_inizio_ = 0; // segment start and end positions, in counts
    double u_fine_ = 0;
    std::int64_t conteggio_ = 0; // current count: floor of the position in counts
    // The last record.
    std::int64_t conteggio_record_ = 0;
    std::int64_t istante_record_ = 0;
    double istante_record_s_ = 0;
    int segno_ = 1;
    // A count change found but not yet reached (an idle record came first).
    bool passo_pronto_ = false;
    double passo_s_ = 0;
    std::int64_t passo_conteggio_ = 0;
    bool finito_ = false;
};

// A steady stream for stress tests: `record_al_secondo` records a second, the bar going
// up and down by `escursione_passi` records, for `durata_s` seconds (0 = endless). Rates
// under one record a second count as one.
class Flusso_ritmo : public Sorgente_record {
public:
    Flusso_ritmo(int tipo_scheda, Collegamento collegamento, double record_al_secondo,
                 double durata_s = 0, int escursione_passi = 200);
    bool Prossimo(Record_scheda& record) override;

private:
    Calibrazione_scheda taratura_;
    int passi_;
    double periodo_s_;
    double durata_s_;
    int escursione_;
    std::int64_t n_ = 0;
    std::int64_t conteggio_ = 0;
    std::int64_t istante_ = 0;
};

// Wire formats.
using Report_hid_t = std::array<std::uint8_t, 65>;
// 6 bytes per record: position int16 LE, time int32 LE.
void Accoda_seriale(const Record_scheda& record, std::vector<std::uint8_t>& uscita);
std::vector<std::uint8_t> Byte_seriali(const std::vector<Record_scheda>& record);
// Report id 0, then 8 records of 8 bytes (2 unused, position LE, time LE), byte 64 unused.
Report_hid_t Componi_report(const Record_scheda* otto);
// All full reports of the records, back to back; a trailing partial group is not sent.
std::vector<std::uint8_t> Byte_hid(const std::vector<Record_scheda>& record);
// A capture of the link: the bytes it carries for the records.
QByteArray Byte_cattura(const std::vector<Record_scheda>& record, Collegamento collegamento);

// Collects records and hands out a report whenever eight are ready.
class Accumulatore_hid {
public:
    // True when a report is ready in `report`.
    bool Aggiungi(const Record_scheda& record, Report_hid_t& report);
    int In_attesa() const { return quanti_; }

private:
    std::array<Record_scheda, 8> gruppo_{};
    int quanti_ = 0;
};
