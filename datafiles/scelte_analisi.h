// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The athlete's analysis choices, per exercise: the velocity loss that stops a set, the
// mean velocity at the one-repetition maximum, the velocity the sets are judged by, the
// readiness's reference load, and how a hands-free set ends and the rest after it. Kept in
// "analisi.ini" in the athlete's folder, beside the athlete file, one group per exercise.

#include "session/sessione.h"

#include <QString>
#include <optional>

struct Scelte_esercizio {
    float Perdita_max = 20; // %, velocity loss within a set that raises the alarm
    float V1rm = 0.30f;     // m/s, mean propulsive velocity at the one-repetition maximum
    Velocita_riferimento Riferimento = Velocita_riferimento::Vpropulsiva;
    // kg, the load the readiness compares the sessions' first sets at; 0: the load the
    // athlete's sessions start with most often.
    float Carico_riferimento = 0;
    // Sets that start and end themselves: as Impostazione_esercizio's.
    float Fine_serie_s = 4; // s, 2 to 30
    float Recupero_s = 0;   // whole s, up to 3600; 0: none
    bool Fine_alla_perdita = false;
    // The stored V1rm is not the exercise's default: chosen for the athlete, it goes before
    // the athlete's own minimum velocity threshold found in the tests.
    bool V1rm_propria = false;
};

// Published mean velocities at 1RM, found from the exercise's name (Italian or English):
// squat 0.30, bench press ("panca") 0.17, hex-bar deadlift ("esagonale", "hex", "trap")
// 0.25, deadlift ("stacco") 0.15, overhead press ("lento") 0.19, rows and pulls
// ("rematore", "trazioni") 0.50 m/s; others 0.30 m/s. The sources are in docs/profilo.md.
float V1rm_predefinita(const QString& esercizio);

QString File_scelte_analisi(const QString& cartella_atleta);

// The stored choices of `esercizio`; what is missing or unreadable gets its default
// (20 %, V1rm_predefinita, the mean propulsive velocity, no reference load, a set ended
// after 4 s, no target rest, no end at the loss threshold), and so does all
// of a file too large to be read.
Scelte_esercizio Leggi_scelte_analisi(const QString& cartella_atleta, const QString& esercizio);

// Why the athlete's file cannot stand for what it holds (too large to be read, damaged,
// unreadable), naming it; nothing when it is sound or missing.
std::optional<QString> Difetto_scelte_analisi(const QString& cartella_atleta);

// Stores the choices of `esercizio`, keeping the other exercises'; a file refused or damaged
// is kept as "analisi.ini.bak" first. Returns the failure's description, or nothing.
std::optional<QString> Salva_scelte_analisi(const QString& cartella_atleta,
                                            const QString& esercizio,
                                            const Scelte_esercizio& scelte);
