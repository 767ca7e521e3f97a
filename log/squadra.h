// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The team at a glance: one row per athlete.

#include "log/indice_sedute.h"
#include "log/prontezza.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct E1rm_esercizio {
    QString esercizio;
    QDate giorno;
    double e1rm = 0;              // kg
    std::optional<double> errore; // kg, its standard error
};

struct Riga_squadra {
    QString atleta;
    std::optional<QDateTime> ultimo_test;
    QString stazione_ultimo; // the club station that recorded the last test; empty: this one
    std::vector<E1rm_esercizio> e1rm;   // the latest estimate of every exercise, by name
    std::optional<Prontezza> prontezza; // of the exercise the latest session started with
    int test_7_giorni = 0;              // tests of the last 7 days up to `oggi`, `oggi` included
    int test_28_giorni = 0;
};

// One row per athlete of `squadra` in the index (bring it up to date first), by name.
std::vector<Riga_squadra> Righe_squadra(const Indice_test& indice, const QString& squadra,
                                        const QDate& oggi);
