// SPDX-License-Identifier: GPL-3.0-or-later
// Command line of kinetrack-board.
#pragma once

#include "virtualboard/comandi_scheda.h"
#include "virtualboard/scheda_virtuale.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct Intervallo {
    double minimo = 0, massimo = 0;
};

// A hold of its own inside one set of several: at the top after the lift of the set's
// middle repetition (the ((N + 1) / 2)-th of N), or at the bottom before it.
struct Pausa_serie {
    int serie = 1; // from 1
    bool in_alto = true;
    double durata_s = 0;
};

struct Opzioni_scheda {
    int porta = 0;
    Interprete_comandi::Profilo profilo;
    Disturbi_scheda disturbi;
    std::uint32_t seme = 1;
    int ripetizioni = 0;               // 0 = an endless set
    Intervallo ampiezza_mm{350, 550};  // lift height
    Intervallo discesa_s{1.2, 2.0};    // lowering
    Intervallo salita_s{0.6, 1.2};     // lifting
    Intervallo pausa_s{1.0, 3.0};      // rest between repetitions
    double probabilita_sussulto = 0.3; // chance of a twitch in a rest
    double rallentamento = 0;          // each lift of a set slower by this fraction
    double record_al_secondo = 0;      // > 0: a steady stream at this rate instead
    std::vector<int> serie;            // repetitions of each of several sets (then it ends)
    double recupero_s = 15;            // rest between sets, the bar back where sets begin
    std::vector<Pausa_serie> pause_serie;
};

// Upper bound of --rate: what 115200 baud carries (10 bits a byte, 6 bytes a record).
inline constexpr double Massimo_record_al_secondo = 115200.0 / 10.0 / 6.0;

// Fills `opzioni` from the arguments (without the program name); the message for a
// missing, unknown or bad option.
std::optional<QString> Leggi_opzioni(const QStringList& argomenti, Opzioni_scheda& opzioni);

QString Uso_scheda();
