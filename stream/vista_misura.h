// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the measurement engine reports while it works: events, not drawing orders. The
// graph window and the header strip listen; tests listen with a recorder; the replay
// tool keeps the band colours. How an event is shown is the listener's business.

#include "session/sessione.h"
#include "stream/analisi_ripetizione.h"
#include "stream/controllo_flusso.h"

#include <cstdint>
#include <span>

struct Colore {
    std::uint8_t rosso = 0, verde = 0, blu = 0;
    friend bool operator==(const Colore&, const Colore&) = default;
};
inline constexpr Colore Colore_giallo{255, 255, 0};
inline constexpr Colore Colore_verde{0, 255, 0};
inline constexpr Colore Colore_rosso{255, 0, 0};

// One decoded block of the stream: sample i lies |tempi_ms[i]| / 1000 s after the one
// before it.
struct Blocco_campioni {
    std::span<const double> posizioni; // mm
    std::span<const double> velocita;  // mm/s
    std::span<const float> tempi_ms;   // step times, with their sign
};

class Vista_misura {
public:
    virtual ~Vista_misura() = default;

    // The board's displacement after a record, in cm, and the decimals its link gives it
    // (0 on the serial link, 1 on the HID link).
    virtual void Spostamento(double centimetri, int decimali) {
        (void)centimetri;
        (void)decimali;
    }

    // Whether this listener draws samples as they arrive. The engine sends blocks only to
    // a listener that wants them, and none while it is behind the stream.
    virtual bool Vuole_campioni() const { return false; }
    virtual void Campioni_aggiunti(const Blocco_campioni& blocco) { (void)blocco; }

    // The first real lift began: the running time restarted from 0 and what came before
    // it is no longer part of the measurement.
    virtual void Tempo_ripartito() {}

    // A repetition boundary: the new repetition starts at `inizio_nuova`, the one it
    // closes started at `inizio_precedente` (s of running time).
    virtual void Confine_ripetizione(double inizio_nuova, double inizio_precedente) {
        (void)inizio_nuova;
        (void)inizio_precedente;
    }

    // A repetition was completed and counts: `riga` is its row in the value list (from 0),
    // `velocita` the velocity the set is judged by (the table's mean concentric velocity
    // unless the set chose another), `colore` that velocity against the athlete's band.
    virtual void Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                                    Colore colore) {
        (void)riga;
        (void)ripetizione;
        (void)velocita;
        (void)colore;
    }

    // The lift of the repetition just closed (row `riga`) was analysed; told right after
    // Ripetizione_chiusa.
    virtual void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) {
        (void)riga;
        (void)analisi;
    }

    // Measurement reset: no samples, no repetitions, the time restarts from the origin.
    virtual void Misura_azzerata() {}

    // An acquisition started (after its measurement reset) and ended: between the two,
    // every record the board sent is told whole, 6 bytes each (position count, then time
    // count, little-endian; a HID record without its two unused bytes), in order, before
    // it is processed.
    virtual void Acquisizione_iniziata() {}
    virtual void Record_ricevuti(std::span<const std::uint8_t> record) { (void)record; }
    virtual void Acquisizione_finita() {}
    // Repetition `riga` was left out of the set's judgement by the coach, or taken back:
    // the losses and alarms of every row have been worked out again (Analisi()).
    virtual void Esclusione_cambiata(int riga, bool esclusa) {
        (void)riga;
        (void)esclusa;
    }

    // No record has come for a while in a lift beyond the minimum amplitude: the bar has
    // stopped at the top, and the next record (which a still board sends up to a second
    // later) will close it as repetition row `riga`. Told at once, with the velocity and
    // colour the row will have and the loss it will show, when the set is judged by a
    // velocity of the lift itself; not when it is judged by the table's, which counts the
    // wait for that record. Ripetizione_chiusa follows as usual. A grinding lift that
    // stalls that long and goes on is told early.
    virtual void Alzata_ferma(int riga, float velocita, Colore colore,
                              const Analisi_ripetizione& analisi) {
        (void)riga;
        (void)velocita;
        (void)colore;
        (void)analisi;
    }

    // Sets that start and end themselves, the station armed: a set is about to begin (told
    // before its measurement reset and its Acquisizione_iniziata, while the set before it is
    // still in memory), and a set ended with `ripetizioni` rows listed (told after its
    // Acquisizione_finita).
    virtual void Serie_in_arrivo() {}
    virtual void Serie_conclusa(int ripetizioni) { (void)ripetizioni; }

    // Recording was switched on (the sample store starts afresh) or off.
    virtual void Registrazione_cambiata(bool accesa) { (void)accesa; }
    // The stream holds a record the board cannot have sent (bytes garbled or lost, or
    // the stream read as the wrong link's): told once per acquisition, at the first such
    // record, before it is processed. The records are processed all the same.
    virtual void Flusso_disturbato(const Disturbo_flusso& disturbo) { (void)disturbo; }
};
