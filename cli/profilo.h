// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kinetrack-profilo: the load-velocity profile of one exercise from an athlete's saved
// tests and the one-repetition maximum it predicts, headless. The numbers it prints use
// "." as the decimal point; the ones it reads take "," or ".".

#include "log/profilo_velocita.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

struct Opzioni_profilo {
    QString cartella, esercizio;
    std::optional<double> v1rm; // m/s; nothing: the athlete's stored choice
    QString atleta_esempio;     // not empty: four made-up tests are written first
    bool aiuto = false;
};

std::optional<QString> Leggi_opzioni_profilo(const QStringList& argomenti, Opzioni_profilo& o);
QString Uso_profilo();

// The points, the line and the V1rm (told when it is the athlete's own); with an estimate,
// "e1RM: <kg> ± <kg> kg", the distinct loads and their span, and each warning on a line.
void Stampa_profilo(const Profilo_velocita& profilo, QTextStream& uscita);

// The whole tool; returns the exit code: 0 with an estimate, 1 when refused, 2 for a
// wrong command line.
int Esegui_profilo(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);
