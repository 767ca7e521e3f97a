// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board types and their calibration: one row per type. The board type query, the
// replay tool and the tests all read this table.

#include <QString>

// Factors of the rows below; type 3 is also the fallback for unknown types.
inline constexpr float Fattore_posizione_tipo1 = 1.288f;
inline constexpr float Fattore_posizione_tipo23 = 1.0f;
inline constexpr float Fattore_tempo_tipo12 = 0.0002f;
inline constexpr float Fattore_tempo_tipo3 = 8.33333e-05f; // 0x38AEC33A, about 1/12000

struct Calibrazione_scheda {
    float Fattore_posizione; // mm per position count
    float Fattore_tempo;     // ms per time count
    bool Riconosciuta;       // false: an unknown type, given the type-3 factors
};

// The row of a board type byte (0..255); any type not in the table gets type 3's factors.
Calibrazione_scheda Calibrazione_tipo(int tipo);

// What the operator is told about an unknown type, in the interface's language.
QString Messaggio_tipo_sconosciuto();
