// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound the athlete hears at the rack: every repetition that counts gives a short cue
// as soon as it is listed, a tone telling its velocity against the band (high above it,
// middle inside it, low below it) or, with the voice on, the velocity spoken in the
// interface's language. The first repetition of a set whose loss reaches the threshold
// gives a cue of its own instead. Each cue given goes to the cue log, whether a speaker
// played it or not: a machine without an audio device, or without a voice for the
// language, is told once and carries on silently (or with tones). Cues sound during an
// acquisition only: a test opened from its file lists its repetitions in silence.

#include "platform/suono.h"
#include "session/sessione.h"
#include "stream/vista_misura.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A velocity in mm/s as said aloud to the hundredth of m/s, in the language `lingua` ("it",
// "en"): 720 → "zero settantadue", "point seven two"; 1050 → "uno zero cinque", "one point
// zero five"; a whole value says its units alone ("uno", "one").
QString Velocita_a_parole(float millimetri_al_secondo, const QString& lingua);

// The band's three tones, the loss threshold reached, the target rest over.
enum class Tipo_segnale { Alto, Medio, Basso, Perdita, Recupero };
// The cue's name in the cue log: "alto", "medio", "basso", "perdita", "recupero".
QString Nome_segnale(Tipo_segnale tipo);

// One cue given: when (ms since the log began), which, for which repetition (as listed,
// from 1; 0 for the rest), the words spoken for it (none for a tone), and how long after
// the repetition's lift ended in the stream it was given: after the board's last record of
// the bar still rising, on the wall clock (none without board records, or without the
// board's calibration to read them with).
struct Segnale_dato {
    qint64 tempo_ms = 0;
    Tipo_segnale tipo = Tipo_segnale::Medio;
    int ripetizione = 0;
    QString parole;
    std::optional<double> ritardo_ms;
};

class Segnali_acustici : public Vista_misura {
public:
    // `serie` gives the loss threshold as it is when each repetition is listed; `scheda`,
    // when given, the link and calibration the board's records are read with, for the delay.
    Segnali_acustici(const Impostazione_esercizio& serie, Uscita_suono& uscita,
                     const Stato_scheda* scheda = nullptr);

    // Cues on or off, and the velocity spoken instead of the band's tone.
    void Imposta(bool attivi, bool voce) {
        attivi_ = attivi;
        voce_ = voce;
    }
    // Where the messages about a missing device or voice go (each told once).
    void Imposta_avviso(std::function<void(const QString&)> avviso) { avviso_ = std::move(avviso); }
    // Told of every cue as it goes to the log.
    void Imposta_ascolto(std::function<void(const Segnale_dato&)> ascolto) {
        ascolto_ = std::move(ascolto);
    }
    const std::vector<Segnale_dato>& Registro() const { return registro_; }
    // With the cues on, tells now (once each) what the machine lacks for them.
    void Verifica_uscita();
    // The target rest between sets is over: a cue of its own, whether or not a set runs.
    void Recupero_concluso();

    void Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                            Colore colore) override;
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    // A lift told as ended before its row: its cue now, none when the row follows.
    void Alzata_ferma(int riga, float velocita, Colore colore,
                      const Analisi_ripetizione& analisi) override;
    void Misura_azzerata() override {
        perdita_segnalata_ = false;
        riga_anticipata_ = -1;
    }
    void Acquisizione_iniziata() override;
    void Acquisizione_finita() override { in_acquisizione_ = false; }
    void Record_ricevuti(std::span<const std::uint8_t> record) override;

private:
    // `fine_alzata_ms`: the lift's end on the stream's clock.
    void Segnala(Tipo_segnale tipo, int riga, float velocita,
                 std::optional<double> fine_alzata_ms = std::nullopt);
    double Adesso_ms() const { return static_cast<double>(orologio_.nsecsElapsed()) / 1e6; }
    void Avvisa(bool& detto, const QString& testo);

    const Impostazione_esercizio& serie_;
    Uscita_suono& uscita_;
    const Stato_scheda* scheda_;
    std::function<void(const QString&)> avviso_;
    std::function<void(const Segnale_dato&)> ascolto_;
    bool attivi_ = true, voce_ = false, in_acquisizione_ = false;
    // The repetition listed and not yet analysed: its cue waits for its loss.
    int riga_attesa_ = -1;
    int riga_anticipata_ = -1; // the row whose cue its lift's end gave
    float velocita_attesa_ = 0;
    std::optional<double> fine_attesa_ms_;
    Tipo_segnale fascia_attesa_ = Tipo_segnale::Medio;
    bool perdita_segnalata_ = false;
    bool detto_senza_audio_ = false, detto_senza_voce_ = false;
    QElapsedTimer orologio_;
    // The stream's clock: the board's step times summed since the acquisition began (ms),
    // its time at the last record of the bar rising, and the least lag of the wall clock
    // behind it (ms), taken over the last two spans of Campata_ms so that the board's
    // clock drifting against the wall's over hours is followed.
    double flusso_ms_ = 0;
    std::optional<double> fine_salita_ms_;
    std::optional<double> scarto_ms_, scarto_precedente_ms_;
    double inizio_campata_ms_ = 0;
    static constexpr double Campata_ms = 5000;
    std::vector<Segnale_dato> registro_;
};
