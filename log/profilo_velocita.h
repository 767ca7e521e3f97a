// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The athlete's load-velocity profile of one exercise and the one-repetition maximum it
// predicts. Every saved test with an analysis file gives one point: its load and its best
// mean propulsive velocity, the velocity of the log, the trend and the readiness (the
// summary's "Vmedia" includes the pause at the top and is not used). A least-squares line
// v = a + b * load through the points reaches the exercise's mean propulsive velocity at
// 1RM (V1rm) at the estimated maximum.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One saved test of the folder. A test saved twice (a copy under another name, or saved at
// the stop and again under a chosen name) is one test: its first file by name that has a
// usable analysis counts.
struct Test_salvato {
    QString file;        // the summary file, with its folder
    QString esercizio;   // as the file writes it
    double carico = 0;   // kg
    double velocita = 0; // m/s, the best mean propulsive velocity
};

// Every usable test of an athlete's folder.
struct Test_atleta {
    QString cartella;
    std::vector<Test_salvato> test; // by file name
    // One "file: reason" for every summary file left out (damaged, a copy of an earlier
    // one, or without an analysis file), and for every analysis file that could not be used
    // (its test is left out).
    QStringList scartati;
    QString errore; // the folder does not exist or cannot be read; nothing else is set
};

Test_atleta Leggi_test_atleta(const QString& cartella_atleta);

// The exercises of the tests, each spelled as in its first file, in alphabetical order
// (case aside).
QStringList Esercizi_test(const Test_atleta& test);

// Two names of one exercise: case and surrounding or doubled spaces aside.
bool Stesso_esercizio(const QString& a, const QString& b);

struct Retta_profilo {
    double intercetta = 0; // m/s at no load
    double pendenza = 0;   // m/s per kg
    double r2 = 0;         // 0 when the velocities do not vary
};

struct Profilo_velocita {
    QString esercizio;
    std::vector<Test_salvato> punti;    // the exercise's tests, by load, then by file name
    QStringList scartati;               // as in Test_atleta
    QString errore_cartella;            // as Test_atleta's errore
    std::optional<Retta_profilo> retta; // with at least two distinct loads
    double v1rm = 0;                    // m/s the estimate is made with
    std::optional<double> e1rm;         // kg
    QString rifiuto;                    // why there is no estimate; empty when there is
};

// Least squares through the points; nothing with fewer than two distinct loads.
std::optional<Retta_profilo> Retta_minimi_quadrati(const std::vector<Test_salvato>& punti);

// The profile of `esercizio` among `test`, estimated at `v1rm` (m/s). The numbers of the
// refusals are written with `locale`'s decimal separator.
Profilo_velocita Profilo_esercizio(const Test_atleta& test, const QString& esercizio, double v1rm,
                                   const QLocale& locale);

// The estimate again at another V1rm; the points and the line stay.
void Stima_e1rm(Profilo_velocita& profilo, double v1rm, const QLocale& locale);
