// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound a program plays: short generated tones and, where a voice is installed, words
// spoken by the system's speech engine. No sound files. A machine without an audio device
// or without a voice plays nothing of it and says so through Audio_disponibile and
// Voce_disponibile; nothing fails.

#include <QString>
#include <span>

// One note of a cue: a sine of `frequenza` Hz (0: silence) for `durata_ms`.
struct Nota {
    double frequenza = 0;
    int durata_ms = 0;
};

class Uscita_suono {
public:
    virtual ~Uscita_suono() = default;
    // Whether there is a device to play on now.
    virtual bool Audio_disponibile() = 0;
    // Whether a voice speaks the language `lingua` ("it", "en").
    virtual bool Voce_disponibile(const QString& lingua) = 0;
    // Plays the notes one after the other, cutting short what was still playing. Returns at
    // once.
    virtual void Suona(std::span<const Nota> note) = 0;
    // Speaks `testo` in `lingua`, cutting short what was still being said. Returns at once.
    virtual void Pronuncia(const QString& testo, const QString& lingua) = 0;
};
