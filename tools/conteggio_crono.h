// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stopwatch's arithmetic, without a window: the milliseconds since Start turned into the
// minutes, seconds and tenths shown, and the rule that sounds the warning every few seconds.

#include <QString>
#include <optional>

// What one tick of the stopwatch shows.
struct Tempo_crono {
    QString minuti;       // whole minutes, at least two digits
    QString secondi;      // whole seconds of the minute, truncated, "00".."59"
    QString decimi;       // tenths of a second, one digit
    float secondi_minuto; // seconds within the current minute, with their fraction
};

// Milliseconds from `inizio` to `ora` on a 32-bit tick counter that may have wrapped.
qint32 Trascorsi_ms(qint32 ora, qint32 inizio);

// The display for `trascorsi_ms` milliseconds since Start.
Tempo_crono Conta_tempo(qint32 trascorsi_ms);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 Arrotonda_pari(float valore);

// The warning period typed by the operator ("," or "." as decimal separator); nothing when
// the text is not a number or the period does not round to at least one whole second.
std::optional<float> Leggi_periodo(const QString& risposta);

// The periodic warning: armed while the seconds of the minute are off a multiple of the
// period, it sounds once when they reach one.
class Avviso_periodico {
public:
    // One tick: true when the beep must sound now.
    bool Passo(float secondi_minuto, float periodo);
    // Back to the state after loading: the next multiple reached does not sound.
    void Disarma() { Beep_armato = false; }

private:
    bool Beep_armato = false;
};
