// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message sinks for the tests: every message kept, whole or by its text alone.
#include "session/avvisi.h"

#include <QList>
#include <QStringList>

class Avvisi_registrati : public Avvisi {
public:
    struct Avviso {
        QString testo;
        Icona icona;
        QString titolo;
    };
    void Mostra(const QString& testo, Icona icona, const QString& titolo) override {
        elenco.push_back({testo, icona, titolo});
    }
    QList<Avviso> elenco;
};

class Avvisi_testi : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override { elenco << testo; }
    QStringList elenco;
};
