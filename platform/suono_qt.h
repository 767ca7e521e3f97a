// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output over Qt Multimedia (tones generated into the default audio output) and
// Qt's speech module. The device is looked up at every cue, so that one plugged in later is
// used; the speech engine is started at the first word asked for.

#include "platform/suono.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QByteArray>
#include <memory>

class QAudioSink;
class QTextToSpeech;

class Suono_qt : public Uscita_suono {
public:
    Suono_qt();
    ~Suono_qt() override;
    Suono_qt(const Suono_qt&) = delete;
    Suono_qt& operator=(const Suono_qt&) = delete;

    bool Audio_disponibile() override;
    bool Voce_disponibile(const QString& lingua) override;
    void Suona(std::span<const Nota> note) override;
    void Pronuncia(const QString& testo, const QString& lingua) override;

private:
    // The speech engine set to a voice of `lingua`; null when there is none.
    QTextToSpeech* Voce(const QString& lingua);

    QAudioDevice dispositivo_;
    std::unique_ptr<QAudioSink> uscita_;
    QByteArray pcm_;
    QBuffer buffer_;
    std::unique_ptr<QTextToSpeech> voce_;
    bool voce_provata_ = false;
};
