// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets that start and end themselves. Fed every sample of the stream while the station
// is armed, it tells when a set begins (and from which sample the engine should take it,
// so that the set keeps the second before the movement) and when it ends: the bar has
// stayed still for the end time after the last repetition. It finds no repetitions of
// its own: the engine tells it the lifts it counts.
// A movement is what the engine counts as one: a displacement beyond the exercise's
// minimum amplitude.

#include <cstdint>
#include <deque>

class Serie_automatica {
public:
    // "Fine serie dopo (s)": its default and its range.
    static constexpr double Fine_predefinita_s = 4;
    static constexpr double Fine_minima_s = 2;
    static constexpr double Fine_massima_s = 30;
    // What a set keeps of the stillness before its first movement.
    static constexpr double Secondi_prima = 1;

    // `fine_s` is brought within its range.
    explicit Serie_automatica(float ampiezza_minima_mm, double fine_s = Fine_predefinita_s);

    enum class Evento { Nessuno, Inizio, Fine };
    // One sample: the bar's position and the time since the sample before (the step the
    // record carries, its sign ignored). Armed, a movement beyond the minimum amplitude
    // begins a set; in a set, the end time of stillness after the last repetition ends it
    // and the detector is armed again, waiting from where the bar stands.
    Evento Campione(double posizione_mm, double passo_s);
    // The engine listed a repetition of the set in progress, at the last sample
    // (Vista_misura::Ripetizione_chiusa); or its first real lift ended, which gets no row
    // (Vista_misura::Tempo_ripartito). The stillness that ends a set counts from either.
    void Ripetizione();
    void Primo_sollevamento();
    // No sample has come for `secondi` since the last (a HID board's idle records come eight
    // at a time): true when that ends the set in progress, the detector armed again.
    bool Silenzio(double secondi);
    // The set in progress ends now, not by its stillness (the loss threshold reached): the
    // next set begins only once the bar has stayed still for the end time.
    void Interrompi();
    // The setup changed between sets: the next set uses it.
    void Imposta(float ampiezza_minima_mm, double fine_s);
    // Armed, the earliest sample a set beginning now could keep: the samples before it are
    // no longer needed.
    std::int64_t Primo_possibile() const {
        return in_serie_ || recenti_.empty() ? campioni_ : recenti_.front().indice;
    }

    bool In_serie() const { return in_serie_; }
    // Of the set that began (or ended) last: its first sample, counted from 0 over every
    // sample fed, and the repetitions the engine listed in it. A set that ended with none
    // (the bar lifted from the rack and put back) has nothing to save.
    std::int64_t Primo_campione() const { return primo_campione_; }
    int Ripetizioni() const { return ripetizioni_; }
    bool Da_salvare() const { return ripetizioni_ > 0; }
    double Fine_s() const { return fine_s_; }

private:
    void Arma(double posizione_mm);

    float ampiezza_ = 0;
    double fine_s_ = Fine_predefinita_s;
    double tempo_ = 0; // s, since the first sample, in double so that hours stay exact
    std::int64_t campioni_ = 0;
    bool iniziato_ = false; // a first sample has set where the bar rests
    bool in_serie_ = false;
    bool attesa_quiete_ = false; // interrupted: waiting for the bar to stay still
    // Where the bar last came to rest (within the minimum amplitude) and since when.
    double riposo_mm_ = 0;
    double riposo_s_ = 0;
    double precedente_mm_ = 0;
    // Armed: the last still sample, and the samples since the second before it.
    double fermo_s_ = 0;
    struct Momento {
        std::int64_t indice;
        double tempo_s;
    };
    std::deque<Momento> recenti_;
    // In a set: its first sample, the end of its last lift that counted (or the movement
    // that began it) and its repetitions.
    std::int64_t primo_campione_ = 0;
    double ultima_ripetizione_s_ = 0;
    int ripetizioni_ = 0;
};
