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
        bool senza_attesa = false;
    };
    void Mostra(const QString& testo, Icona icona, const QString& titolo) override {
        elenco.push_back({testo, icona, titolo});
    }
    void Mostra_senza_attesa(const QString& testo, Icona icona, const QString& titolo) override {
        elenco.push_back({testo, icona, titolo, true});
    }
    QList<Avviso> elenco;
};

class Avvisi_testi : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override { elenco << testo; }
    QStringList elenco;
};
