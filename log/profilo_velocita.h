// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The athlete's load-velocity profile of one exercise and the one-repetition maximum it
// predicts. Every saved test with an analysis file gives one point: its load and its best
// mean propulsive velocity, the velocity of the log, the trend and the readiness (the
// summary's "Vmedia" includes the pause at the top and is not used). A least-squares line
// v = a + b * load through the points reaches the exercise's mean propulsive velocity at
// 1RM (V1rm) at the estimated maximum, with its standard error and warnings when the line
// stands on too little: fewer than 3 distinct loads, R² below 0.90, loads spanning less
// than 20 % of the estimate. The athlete's own minimum velocity threshold, their slowest
// repetition at 90 % of the estimate or more, takes the place of the exercise's default V1rm.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One saved test of the folder. A test saved twice (a copy under another name, or saved at
// the stop and again under a chosen name) is one test: its first file by name that has a
// usable analysis counts.
struct Test_salvato {
    QString file;               // the summary file, with its folder
    QString esercizio;          // as the file writes it
    double carico = 0;          // kg
    double velocita = 0;        // m/s, the best mean propulsive velocity
    double velocita_minima = 0; // m/s, the slowest repetition kept; 0: not read
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
    int punti = 0;
    double carico_medio = 0; // kg
    double sxx = 0;          // kg², the loads' sum of squared deviations from their mean
    // m/s, the residuals' standard deviation (n - 2 degrees of freedom); nothing with two
    // points, where the line passes through both.
    std::optional<double> scarto_residui;
};

// The athlete's own velocity at 1RM: the slowest repetition kept of a test at 90 % of the
// e1RM or more.
struct Mvt_atleta {
    double velocita = 0; // m/s
    double carico = 0;   // kg
    QString file;        // the test's summary file
};

struct Profilo_velocita {
    QString esercizio;
    std::vector<Test_salvato> punti;    // the exercise's tests, by load, then by file name
    QStringList scartati;               // as in Test_atleta
    QString errore_cartella;            // as Test_atleta's errore
    std::optional<Retta_profilo> retta; // with at least two distinct loads
    double v1rm = 0;                    // m/s the estimate is made with
    std::optional<double> e1rm;         // kg
    // kg, the e1RM's standard error: the line's uncertainty carried to the load at V1rm,
    // taken as exact. Nothing without an estimate or with only two points.
    std::optional<double> errore_e1rm;
    int carichi_distinti = 0;
    double ampiezza_carichi = 0;   // kg, the heaviest load less the lightest
    QStringList avvisi;            // with an estimate: why it is to be taken with care
    std::optional<Mvt_atleta> mvt; // the V1rm is the athlete's own (Stima_e1rm_atleta)
    QString rifiuto;               // why there is no estimate; empty when there is
};

// Below these the estimate is flagged.
constexpr int Carichi_distinti_minimi = 3;
constexpr double R2_minimo = 0.90;
constexpr double Ampiezza_minima = 0.20; // of the e1RM
constexpr double Quota_mvt = 0.90;       // of the e1RM, the tests the athlete's MVT comes from

// Least squares through the points; nothing with fewer than two distinct loads.
std::optional<Retta_profilo> Retta_minimi_quadrati(const std::vector<Test_salvato>& punti);

// The profile of `esercizio` among `test`, estimated at `v1rm` (m/s). The numbers of the
// refusals are written with `locale`'s decimal separator.
Profilo_velocita Profilo_esercizio(const Test_atleta& test, const QString& esercizio, double v1rm,
                                   const QLocale& locale);

// The estimate again at another V1rm; the points and the line stay.
void Stima_e1rm(Profilo_velocita& profilo, double v1rm, const QLocale& locale);

// The estimate at the exercise's default V1rm; then, when the athlete has tests at
// Quota_mvt of that e1RM or more, again at the slowest repetition kept among them, noted
// in `mvt`. One pass: the tests are chosen by the first estimate.
void Stima_e1rm_atleta(Profilo_velocita& profilo, double v1rm_predefinita, const QLocale& locale);

// The athlete's V1rm for an exercise, the one every estimate of theirs uses: the V1rm chosen
// for it in the setup; else their own minimum velocity threshold among all their tests when
// there is one (Stima_e1rm_atleta); else the exercise's default.
struct V1rm_atleta {
    double v1rm = 0;               // m/s
    std::optional<Mvt_atleta> mvt; // the V1rm is the athlete's own
};
// The estimate at the athlete's V1rm, from the tests of `profilo` and their setup's choice.
void Stima_e1rm_scelta(Profilo_velocita& profilo, double v1rm, bool v1rm_scelta,
                       const QLocale& locale);

// The warnings of an estimate: fewer than Carichi_distinti_minimi distinct loads, R² below
// R2_minimo, loads spanning less than Ampiezza_minima of the e1RM (kg).
QStringList Avvisi_stima(int carichi_distinti, double r2, double ampiezza, double e1rm,
                         const QLocale& locale);

// "120,0 ± 3,5 kg", or "120,0 ± n.d. kg" without a standard error.
QString Testo_e1rm(double e1rm, const std::optional<double>& errore, const QLocale& locale);
