// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/suono_qt.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QLocale>
#include <QMediaDevices>
#include <QTextToSpeech>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Loud enough over the clatter of plates, short of clipping on small speakers.
constexpr double Volume_toni = 0.6;
// Rise and fall of each note, so that it starts and ends without a click.
constexpr double Rampa_s = 0.005;

// Appends one sample in every channel, in the device's sample format.
void Scrivi_campione(QByteArray& pcm, const QAudioFormat& f, double valore) {
    char byte[4]{};
    int n = 0;
    switch (f.sampleFormat()) {
    case QAudioFormat::UInt8:
        byte[0] = static_cast<char>(static_cast<quint8>(std::lround(127.5 + 127.5 * valore)));
        n = 1;
        break;
    case QAudioFormat::Int16:
        qToLittleEndian(static_cast<qint16>(std::lround(32767 * valore)), byte);
        n = 2;
        break;
    case QAudioFormat::Int32:
        qToLittleEndian(static_cast<qint32>(std::lround(2147483647.0 * valore)), byte);
        n = 4;
        break;
    case QAudioFormat::Float: {
        const float v = static_cast<float>(valore);
        std::memcpy(byte, &v, sizeof v);
        n = 4;
        break;
    }
    default:
        return;
    }
    for (int c = 0; c < f.channelCount(); ++c) pcm.append(byte, n);
}

QByteArray Genera(std::span<const Nota> note, const QAudioFormat& f) {
    QByteArray pcm;
    const double frequenza_campioni = f.sampleRate();
    for (const Nota& nota : note) {
        const auto campioni = static_cast<qsizetype>(nota.durata_ms * frequenza_campioni / 1000);
        const double rampa = std::max(1.0, Rampa_s * frequenza_campioni);
        for (qsizetype i = 0; i < campioni; ++i) {
            const double t = static_cast<double>(i) / frequenza_campioni;
            const double inviluppo = std::min({1.0, static_cast<double>(i) / rampa,
                                               static_cast<double>(campioni - 1 - i) / rampa});
            const double valore =
                nota.frequenza > 0
                    ? Volume_toni * inviluppo * std::sin(2 * std::numbers::pi * nota.frequenza * t)
                    : 0.0;
            Scrivi_campione(pcm, f, valore);
        }
    }
    return pcm;
}

} // namespace

Suono_qt::Suono_qt() = default;

Suono_qt::~Suono_qt() {
    if (uscita_) uscita_->stop();
}

bool Suono_qt::Audio_disponibile() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void Suono_qt::Suona(std::span<const Nota> note) {
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull()) return;
    if (uscita_) uscita_->stop();
    if (!uscita_ || dispositivo != dispositivo_) {
        QAudioFormat formato;
        formato.setSampleRate(44100);
        formato.setChannelCount(1);
        formato.setSampleFormat(QAudioFormat::Int16);
        if (!dispositivo.isFormatSupported(formato)) formato = dispositivo.preferredFormat();
        uscita_ = std::make_unique<QAudioSink>(dispositivo, formato);
        dispositivo_ = dispositivo;
    }
    buffer_.close();
    pcm_ = Genera(note, uscita_->format());
    buffer_.setBuffer(&pcm_);
    buffer_.open(QIODevice::ReadOnly);
    uscita_->start(&buffer_);
}

QTextToSpeech* Suono_qt::Voce(const QString& lingua) {
    if (!voce_provata_) {
        voce_provata_ = true;
        if (!QTextToSpeech::availableEngines().isEmpty()) voce_ = std::make_unique<QTextToSpeech>();
    }
    if (!voce_ || voce_->state() == QTextToSpeech::Error) return nullptr;
    if (voce_->locale().language() == QLocale(lingua).language()) return voce_.get();
    const QLocale::Language cercata = QLocale(lingua).language();
    const QList<QLocale> locali = voce_->availableLocales();
    const auto trovata = std::find_if(locali.begin(), locali.end(), [cercata](const QLocale& l) {
        return l.language() == cercata;
    });
    if (trovata == locali.end()) return nullptr;
    voce_->setLocale(*trovata);
    return voce_->locale().language() == cercata ? voce_.get() : nullptr;
}

bool Suono_qt::Voce_disponibile(const QString& lingua) {
    return Voce(lingua) != nullptr;
}

void Suono_qt::Pronuncia(const QString& testo, const QString& lingua) {
    if (QTextToSpeech* voce = Voce(lingua)) {
        voce->stop();
        voce->say(testo);
    }
}
