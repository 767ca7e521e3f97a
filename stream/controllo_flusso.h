// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a board's stream cannot hold. The board sends a record each time its count has
// moved a few steps (6 on the serial link, 1 on HID) and, with the bar still, one every
// second; so a record whose position is far from the one before it, or whose step time
// is none at all or longer than the idle interval by far, was not sent that way: bytes
// were garbled or lost on the way, or the stream is read as the wrong link's. The numbers
// are processed all the same; this only tells that the stream looks disturbed.

#include <cstdint>

// Farther than this between two records (in counts) no board moves: 64 counts are more
// than ten serial records' worth.
inline constexpr int Salto_massimo_conteggi = 64;
// A step longer than this (ms) is not the board's: idle, it sends a record every second.
inline constexpr float Passo_massimo_ms = 2000.0f;

// What was found impossible since the start of the acquisition.
struct Disturbo_flusso {
    long record = 0; // records checked
    long salti = 0;  // positions too far from the previous record's
    long tempi = 0;  // step times of zero, or longer than Passo_massimo_ms
    double salto_massimo_mm = 0;
    double passo_massimo_ms = 0; // the longest step time seen (of any record)
    bool Disturbato() const { return salti > 0 || tempi > 0; }
};

class Controllo_flusso {
public:
    // A new acquisition: the first record has nothing before it to compare with.
    void Azzera() {
        d_ = {};
        primo_ = true;
    }
    // One record's raw counts. True for the first impossible record since Azzera().
    bool Controlla(std::int16_t posizione, std::int32_t tempo, float fattore_posizione,
                   float fattore_tempo);
    const Disturbo_flusso& Disturbi() const { return d_; }

private:
    Disturbo_flusso d_;
    bool primo_ = true;
    std::int16_t posizione_precedente_ = 0;
};
