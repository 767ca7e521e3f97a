// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The athlete's training log built on the index: the rows of the log, the trend of one
// exercise over the dates, and two tests side by side repetition by repetition.

#include "log/indice_sedute.h"
#include "log/profilo_velocita.h"
#include "session/sessione.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The velocity the log, its trend, Compare, the readiness, the team view and the report judge
// every test by, whatever each athlete's sets are judged by on screen: the lift's mean
// propulsive velocity, from the test's analysis file. A test without one has none (the
// table's phase mean is no stand-in: it holds the pause at the top) and shows an empty
// velocity, out of the trend and the readiness.
// The best of `test` (m/s); nothing when it has no analysis.
std::optional<double> Velocita_migliore(const Riga_test& test);

// Empty exercise: every exercise (else the same exercise, case and spaces aside); invalid
// dates: no bound. Both bounds count.
struct Filtro_diario {
    QString esercizio;
    QDate dal, al;
};

struct Riga_diario {
    QDateTime quando;
    QString esercizio;
    double carico = 0;
    int ripetizioni = 0;            // without the excluded ones
    std::optional<double> velocita; // m/s, Velocita_migliore
    std::optional<double> perdita;  // %, the last repetition's
    float rpe = 0;                  // 0: not given
    QString nota;
    Riga_test test; // the whole test, for the views that open it
};

// The log's rows: `test` (one athlete's) that pass `filtro`, newest first.
std::vector<Riga_diario> Righe_diario(const std::vector<Riga_test>& test,
                                      const Filtro_diario& filtro);

// The log's rows as text: one header line, then one line per row, ";" between the fields,
// "." as decimal separator: date (yyyy-MM-dd), time (hh:mm), exercise, load (0.0), reps,
// best velocity (0.00), loss (0.0), RPE (0.0), note. With `squadra_atleta` the lines start
// with the team and the athlete. With `stazione_propria` (this station's name in a club), or
// when another station's tests are among the rows, the lines end with the station that
// recorded the test (this station's own: `stazione_propria`, else empty).
QString Testo_diario(const std::vector<Riga_diario>& righe, bool squadra_atleta,
                     const QString& stazione_propria = QString());

struct Punto_andamento {
    QDateTime quando;
    double velocita = 0; // m/s, as in the log
    double carico = 0;
};
struct E1rm_giorno {
    QDate giorno;
    double e1rm = 0;              // kg
    int carichi = 0;              // distinct loads of the day
    std::optional<double> errore; // kg, standard error (Profilo_velocita's errore_e1rm)
    double r2 = 0;
    double ampiezza = 0; // kg, the day's heaviest load less its lightest
    QStringList Avvisi(const QLocale& locale) const {
        return Avvisi_stima(carichi, r2, ampiezza, e1rm, locale);
    }
};
struct Andamento {
    QString esercizio;
    std::vector<Punto_andamento> punti; // oldest first
    std::vector<E1rm_giorno> e1rm;      // oldest first; only days with an estimate
};

// One exercise over the dates: every test's best velocity with its load, and the e1RM of
// each day with at least two loads of it (the day's load-velocity line at the athlete's
// V1rm for the exercise, as kinetrack-profilo estimates it).
Andamento Andamento_esercizio(const std::vector<Riga_test>& test, const QString& esercizio);

// The velocities of a test's repetitions, in order (m/s), as Velocita_migliore's. Left out
// repetitions are nothing. The reason when the files cannot be read or there is no analysis.
// Another station's test has its files there: the calm sentence saying so, for the views
// that would read them. Empty for a test of this station.
QString Testo_file_altrove(const Riga_test& test);

struct Velocita_test {
    std::vector<std::optional<double>> ripetizioni;
    QString errore;
};
Velocita_test Velocita_ripetizioni(const Riga_test& test);
