// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How ready the athlete is today, and which load gives today's target velocity.

#include "log/indice_sedute.h"
#include "log/profilo_velocita.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

// The load an exercise's sessions start with most often (a session: the tests of one day;
// its start: the first of them). Ties go to the one used last. Nothing without tests.
std::optional<double> Carico_inizio_abituale(const std::vector<Riga_test>& test,
                                             const QString& esercizio);
// The reference load of the readiness: the coach's choice for the athlete and exercise
// when there is one, else Carico_inizio_abituale.
std::optional<double> Carico_riferimento(const std::vector<Riga_test>& test,
                                         const QString& cartella_atleta, const QString& esercizio);

// The baseline is the mean of the day's first sets at the reference load in the last
// Sedute_riferimento sessions before; with fewer than Sedute_minime_prontezza there is none.
constexpr int Sedute_riferimento = 5;
constexpr int Sedute_minime_prontezza = 3;
// The smallest worthwhile change: this share of the athlete's between-day SD at the load
// (a small effect).
constexpr double Fattore_cambiamento_minimo = 0.2;
// m/s, the typical error of a mean velocity at a fixed load between days, from published
// test-retest studies (their lower end; the athlete's own sessions mix it with the true
// day-to-day change readiness is looking for, so they cannot stand for it).
constexpr double Errore_tipico_velocita = 0.03;
// m/s, the minimum detectable change at 95 %: 1.96 × √2 × the typical error (0.083 m/s).
double Variazione_minima_rilevabile();

enum class Esito_prontezza {
    Nella_norma, // the change is within the threshold
    Sopra,
    Sotto,
    Insufficiente // no first set at the load that day, or too few sessions before
};
// "nella norma", "sopra", "sotto", "n.d.".
QString Testo_esito(Esito_prontezza esito);

struct Prontezza {
    QString esercizio;
    QDate giorno;
    double carico = 0;              // kg, the reference load
    std::optional<double> velocita; // m/s, the day's first set at that load (log velocity)
    std::vector<double> precedenti; // the same of the last sessions before, oldest first
    // m/s: the baseline (mean of `precedenti`), their sample SD, the day's velocity less
    // the baseline, the smallest worthwhile change and the threshold beyond which the change
    // is flagged, the larger of it and Variazione_minima_rilevabile.
    double media = 0, deviazione = 0, variazione = 0, cambiamento_minimo = 0, soglia = 0;
    Esito_prontezza esito = Esito_prontezza::Insufficiente;
};

// The day's first set at `carico` against the baseline of the sessions before `giorno`.
Prontezza Prontezza_giorno(const std::vector<Riga_test>& test, const QString& esercizio,
                           double carico, const QDate& giorno);
// The same for every day with a first set at `carico`, oldest first.
std::vector<Prontezza> Prontezze_esercizio(const std::vector<Riga_test>& test,
                                           const QString& esercizio, double carico);

// Named target velocity ranges ("Forza" 0.50 to 0.75 m/s), kept in the data folder's
// "ini/zone_velocita.ini"; the usual ones when there is none.
struct Zona_velocita {
    QString nome;
    double minima = 0, massima = 0; // m/s
};
QList<Zona_velocita> Leggi_zone_velocita(const QString& cartella_dati);
std::optional<QString> Salva_zone_velocita(const QString& cartella_dati,
                                           const QList<Zona_velocita>& zone);

struct Carico_oggi {
    QString esercizio;
    double velocita_minima = 0, velocita_massima = 0; // m/s, the target
    // kg, rounded to the nearest 2.5 kg: the load at the range's upper velocity, and at
    // its lower one.
    double carico_minimo = 0, carico_massimo = 0;
    std::optional<double> e1rm;        // kg, at the athlete's V1rm
    std::optional<double> errore_e1rm; // kg, its standard error
    double r2 = 0, ampiezza = 0;       // the line's, and the loads' span (kg), for the warnings
    double v1rm = 0;                   // m/s
    bool mvt = false;                  // the V1rm is the athlete's own minimum velocity threshold
    std::optional<double> percento_minimo, percento_massimo; // of the e1RM
    // The range asked for loads beyond the e1RM (velocities below V1rm): they were capped
    // at it, since no set can be heavier than the athlete's one-repetition maximum.
    bool limitato_e1rm = false;
    int carichi = 0; // distinct loads in the profile
    QString rifiuto; // why there is no load range; empty when there is
};

// The athlete's current profile of the exercise: its tests of the last 28 days up to its
// newest test that have a velocity in the log, Velocita_migliore (`test` is one athlete's).
std::vector<Riga_test> Test_profilo_corrente(const std::vector<Riga_test>& test,
                                             const QString& esercizio);

// The load range that gives `minima`..`massima` m/s on the current profile, its e1RM at the
// athlete's V1rm (the profile window's, Stima_e1rm_scelta).
Carico_oggi Calcola_carico_oggi(const std::vector<Riga_test>& test, const V1rm_atleta& v1rm,
                                const QString& esercizio, double minima, double massima);

// To the nearest 2.5 kg.
double Arrotonda_carico(double kg);
