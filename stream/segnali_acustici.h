// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound the athlete hears at the rack: every repetition that counts gives a short cue
// as soon as it is listed, a tone telling its velocity against the band (high above it,
// middle inside it, low below it) or, with the voice on, the velocity spoken in the
// interface's language. The first repetition of a set whose loss reaches the threshold
// gives a cue of its own instead. Each cue given goes to the cue log, whether a speaker
// played it or not: a machine without an audio device, or without a voice for the
// language, is told once and carries on silently (or with tones).

#include "platform/suono.h"
#include "session/sessione.h"
#include "stream/vista_misura.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <vector>

// A velocity in mm/s as said aloud to the hundredth of m/s, in the language `lingua` ("it",
// "en"): 720 → "zero settantadue", "point seven two"; 1050 → "uno zero cinque", "one point
// zero five"; a whole value says its units alone ("uno", "one").
QString Velocita_a_parole(float millimetri_al_secondo, const QString& lingua);

enum class Tipo_segnale { Alto, Medio, Basso, Perdita };

// One cue given: when (ms since the log began), which, for which repetition (as listed,
// from 1), and the words spoken for it (none for a tone).
struct Segnale_dato {
    qint64 tempo_ms = 0;
    Tipo_segnale tipo = Tipo_segnale::Medio;
    int ripetizione = 0;
    QString parole;
};

class Segnali_acustici : public Vista_misura {
public:
    // `serie` gives the loss threshold as it is when each repetition is listed.
    Segnali_acustici(const Impostazione_esercizio& serie, Uscita_suono& uscita);

    // Cues on or off, and the velocity spoken instead of the band's tone.
    void Imposta(bool attivi, bool voce) {
        attivi_ = attivi;
        voce_ = voce;
    }
    // Where the messages about a missing device or voice go (each told once).
    void Imposta_avviso(std::function<void(const QString&)> avviso) { avviso_ = std::move(avviso); }
    const std::vector<Segnale_dato>& Registro() const { return registro_; }

    void Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                            Colore colore) override;
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    void Misura_azzerata() override { perdita_segnalata_ = false; }

private:
    void Segnala(Tipo_segnale tipo, int riga, float velocita);
    void Avvisa(bool& detto, const QString& testo);

    const Impostazione_esercizio& serie_;
    Uscita_suono& uscita_;
    std::function<void(const QString&)> avviso_;
    bool attivi_ = true, voce_ = false;
    // The repetition listed and not yet analysed: its cue waits for its loss.
    int riga_attesa_ = -1;
    float velocita_attesa_ = 0;
    Tipo_segnale fascia_attesa_ = Tipo_segnale::Medio;
    bool perdita_segnalata_ = false;
    bool detto_senza_audio_ = false, detto_senza_voce_ = false;
    QElapsedTimer orologio_;
    std::vector<Segnale_dato> registro_;
};
