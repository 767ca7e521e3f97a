// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared state of one run of the program: the process-wide variables that more than
// one window or routine reads or writes. One instance lives for the whole run; tests
// make their own.

#include "session/tipi_scheda.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

// One recorded sample (element of Campioni), four singles in this order.
struct Campione {
    float Posizione = 0; // mm
    float dt = 0;        // s, step time with its sign
    float Tempo = 0;     // s, Tempo_corrente after this sample
    float Velocita = 0;  // mm/s
};
static_assert(sizeof(Campione) == 16);

// One repetition record (element of Ripetizioni), sixteen singles in this order.
struct Ripetizione {
    float Durata_totale = 0;   // s, from this repetition's start to the next one's
    float Tempo_inizio = 0;    // s
    float Pos_inizio = 0;      // mm
    float Pos_inizio_conc = 0; // mm
    float Vmax_conc = 0;       // mm/s, highest velocity seen
    float Vmax_ecc = 0;        // mm/s, lowest velocity seen (negative)
    float SdiVmax_conc = 0;    // mm
    float SdiVmax_ecc = 0;     // mm
    float TdiVmax_conc = 0;    // s, from the concentric start
    float TdiVmax_ecc = 0;     // s, from Tempo_inizio
    float Vmedia_conc = 0;     // mm/s
    float Vmedia_ecc = 0;      // mm/s
    float Durata_conc = 0;     // s
    float Durata_ecc = 0;      // s
    float Spost_conc = 0;      // mm
    float Spost_ecc = 0;       // mm
};
static_assert(sizeof(Ripetizione) == 64);

// The current athlete and exercise; filled only by the setup dialog.
struct Dati_esercizio_t {
    QString Atleta;
    float Carico = 0; // kg
    QString Esercizio;
    float Vmax = 0;            // mm/s
    float Limite_sup = 0;      // % of Vmax
    float Limite_inf = 0;      // % of Vmax
    float Ampiezza_minima = 0; // mm
    QString Cartella_dati;
    std::array<std::int32_t, 11> Posizioni{};
    QString Squadra;
};

// The velocity a set is judged by: the big number, its band colour, the slider's pointer,
// the repetition graph's velocity points and the velocity loss. The value list's mean
// concentric velocity, the true lift's mean velocity, or the mean propulsive velocity (a
// new athlete's: the table's includes the pause at the top of the lift).
enum class Velocita_riferimento { Vmedia_tabella, Vmedia_alzata, Vpropulsiva };

// The setup as the setup dialog makes it: the athlete and exercise, the velocity loss
// (%) within a set beyond which a repetition raises the alarm, the velocity sets are
// judged by and the note the next set gets.
struct Impostazione_esercizio {
    Dati_esercizio_t Dati_esercizio;
    float Soglia_perdita = 20; // %
    Velocita_riferimento Riferimento = Velocita_riferimento::Vpropulsiva;
    QString Nota; // empty: none
    // Sets that start and end themselves: the stillness after the last repetition that ends
    // a set (s), the rest after which the athlete hears a cue (s; 0: none), and whether the
    // first repetition at or beyond the loss threshold ends the set too.
    float Fine_serie_s = 4;
    float Recupero_s = 0;
    bool Fine_alla_perdita = false;
};

// The board as the program knows it: the link that carries it, the caption's part that
// names it, and its calibration and configuration. Until a board type query succeeds the
// factors are those of type 3, so a stream decodes to plausible values.
struct Stato_scheda {
    ::Collegamento Collegamento = ::Collegamento::Nessuno;
    QString Stato_connessione = QStringLiteral(" non connesso");
    float Fattore_posizione = Calibrazione_tipo(3).Fattore_posizione;
    float Fattore_tempo = Calibrazione_tipo(3).Fattore_tempo;
    std::int32_t Tipo_scheda = 0; // as the board last reported it; 0 until then
    std::int32_t Canali_abilitati = 0;
    std::int32_t Tempo_campionamento = 0;
};

// The measurement in memory: the setup as it stood when its acquisition started (or as
// the reopened test was recorded), and what the coach said of it since (the note among
// it). The engine works with it and the saves write it, so a setup changed meanwhile
// applies to the next set only.
struct Serie_t : Impostazione_esercizio {
    std::int32_t Tipo_scheda = 0;
    ::Collegamento Collegamento = ::Collegamento::Seriale;
    QDateTime Inizio;      // when its acquisition started
    float Rpe = 0;         // the effort the athlete felt, 1 to 10 in halves; 0: not given
    std::set<int> Escluse; // the repetitions left out, by their number in the list (from 1)
    // The test's records and analysis files written so far: kept up to date when the
    // coach changes the note, the RPE or what is left out.
    QStringList File_record, File_analisi;
    // The sample file it was reopened from; empty for a set recorded in this run.
    QString File_aperto;
};

// What several windows and routines share for the whole run: the setup being made, the
// board, and the measurement. The engine, the links and the protocol keep their own
// running state.
struct Sessione : Impostazione_esercizio {
    // Texts and paths
    QString Titolo;
    QString Cartella_applicazione; // where the athletes' data live (no trailing separator)
    QString Cartella_ini;
    QString File_ini;

    Stato_scheda Scheda;

    // Acquisition and recording
    bool Acquisizione_in_corso = false;
    // A set is being measured: the acquisition's own, or, with sets that start and end
    // themselves, one that began by itself (between two of them the acquisition goes on and
    // the set in memory is a saved one, which the coach may still edit).
    bool Serie_in_corso = false;
    bool Memo_attivo = false;
    std::deque<Campione> Campioni; // deque: no doubling, about 16 bytes per sample
    std::int32_t Numero_campioni = 0;
    std::vector<Ripetizione> Ripetizioni = std::vector<Ripetizione>(2);

    Serie_t Serie;
    // The current setup becomes the setup of the measurement that starts now.
    void Fissa_serie() {
        Serie = {};
        static_cast<Impostazione_esercizio&>(Serie) = *this;
        Serie.Tipo_scheda = Scheda.Tipo_scheda;
        Serie.Collegamento = Scheda.Collegamento;
        Serie.Inizio = QDateTime::currentDateTime();
    }
};
