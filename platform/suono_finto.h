// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound output for tests: it has a device and voices as told, and keeps what it was asked
// to play.

#include "platform/suono.h"

#include <QStringList>
#include <vector>

class Suono_finto : public Uscita_suono {
public:
    bool audio = true;
    QStringList lingue_voce; // the languages a voice speaks
    std::vector<std::vector<Nota>> suonati;
    QStringList pronunciati;

    bool Audio_disponibile() override { return audio; }
    bool Voce_disponibile(const QString& lingua) override {
        return audio && lingue_voce.contains(lingua);
    }
    void Suona(std::span<const Nota> note) override {
        if (audio) suonati.emplace_back(note.begin(), note.end());
    }
    void Pronuncia(const QString& testo, const QString& lingua) override {
        if (Voce_disponibile(lingua)) pronunciati << testo;
    }
};
