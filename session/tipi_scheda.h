// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's links and types, and each type's calibration: one row per type. The board
// type query, the board's model, the replay tool and the tests all read this table.

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>

// How the board's stream reaches the program: no link until one finds the board (and
// again once an HID board is unplugged), the serial port or USB HID.
enum class Collegamento { Nessuno, Seriale, Hid };

// Position steps the board's count moves between two records of a moving bar: 6 on the
// serial link, 1 on HID; no link, none.
constexpr int Passi_per_record(Collegamento collegamento) {
    switch (collegamento) {
    case Collegamento::Seriale:
        return 6;
    case Collegamento::Hid:
        return 1;
    case Collegamento::Nessuno:
        break;
    }
    return 0;
}

struct Calibrazione_scheda {
    float Fattore_posizione; // mm per position count, as a stream is decoded
    float Fattore_tempo;     // ms per time count, as a stream is decoded
    bool Riconosciuta;       // false: an unknown type, given the type-3 factors
    // The board's own units: the encoder's step and its clock.
    double Mm_per_conteggio;
    std::int64_t Conteggi_per_ms;
};

namespace tipi_scheda_dettaglio {

struct Riga_tipo {
    int tipo;
    double Mm_per_conteggio;
    std::int64_t Conteggi_per_ms;
    float Fattore_tempo; // type 3's is 0x38AEC33A, near but not 1/12000
};

inline constexpr std::array<Riga_tipo, 3> Tipi{{
    {1, 1.288, 5000, 0.0002f},
    {2, 1.0, 5000, 0.0002f},
    {3, 1.0, 12000, 8.33333e-05f},
}};

constexpr Calibrazione_scheda Calibrazione(const Riga_tipo& r, bool riconosciuta) {
    return {static_cast<float>(r.Mm_per_conteggio), r.Fattore_tempo, riconosciuta,
            r.Mm_per_conteggio, r.Conteggi_per_ms};
}

} // namespace tipi_scheda_dettaglio

// The row of a board type byte (0..255); any type not in the table gets type 3's factors.
constexpr Calibrazione_scheda Calibrazione_tipo(int tipo) {
    using namespace tipi_scheda_dettaglio;
    const auto riga = std::find_if(Tipi.begin(), Tipi.end(),
                                   [tipo](const Riga_tipo& r) { return r.tipo == tipo; });
    return riga == Tipi.end() ? Calibrazione(Tipi.back(), false) : Calibrazione(*riga, true);
}
static_assert(Calibrazione_tipo(1).Fattore_posizione == 1.288f);

// What the operator is told about an unknown type, in the interface's language.
QString Messaggio_tipo_sconosciuto();
