// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests made up for trying the training log: every file of a recorded set (samples, record,
// summary, analysis) written by the program's own save of a set, with the velocities the
// caller chooses.

#include <QDateTime>
#include <QString>
#include <optional>
#include <set>
#include <vector>

struct Test_esempio {
    QString esercizio;
    double carico = 0; // kg
    QDateTime quando;  // the set's start, also the files' names and stamps
    // Per repetition, mm/s: the true lift's mean velocity, as the samples go (the summary's
    // table holds the phase mean, over the pause at the top too, well below it) and, for the
    // analysis file, the lift's mean and the propulsive one. The last two may be left empty
    // (then the first, and the propulsive velocity of the samples' lift, the same below
    // about 0.95 m/s).
    std::vector<double> vmedie, valzata, vpropulsive;
    std::set<int> escluse; // repetition numbers, from 1
    float rpe = 0;
    QString nota;
    bool analisi = true; // write the analysis file
};

// Writes the set into "<cartella_dati>/<squadra>/<atleta>/", as the stop of a recording
// saves it. The sample file's full name goes to `file_campioni` when given. The reason
// of a failure.
std::optional<QString> Scrivi_test_storico(const QString& cartella_dati, const QString& squadra,
                                           const QString& atleta, const Test_esempio& test,
                                           QString* file_campioni = nullptr);

// Four weeks of training up to `adesso`: three sessions a week on different days, squat,
// bench press and deadlift at several loads, each session starting with its usual load;
// RPE and notes on some sets, a left-out repetition now and then. The same `seme` and
// athlete give the same tests; athletes of other names, other ones (another strength,
// other days' form). How many tests were written goes to `scritti`.
std::optional<QString> Scrivi_storico_esempio(const QString& cartella_dati, const QString& squadra,
                                              const QString& atleta, const QDateTime& adesso,
                                              unsigned seme = 1, int* scritti = nullptr);
