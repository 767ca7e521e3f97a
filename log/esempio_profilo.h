// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saved tests made up for trying the load-velocity profile: summary files written exactly
// as a real save writes them, with the lifting mean velocities chosen by the caller.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

// One test of `esercizio` at `carico` kg: one repetition per entry of `vmedie` (mm/s), in
// the summary file "<esercizio>_yymmdd_hh.mm.ss.csv" of `cartella`, stamped `adesso`.
// The file's full name goes to `nome` when given. Returns the failure, or nothing.
std::optional<QString> Scrivi_test_esempio(const QString& cartella, const QString& atleta,
                                           const QString& esercizio, float carico,
                                           const std::vector<float>& vmedie, const QLocale& locale,
                                           const QDateTime& adesso, QString* nome = nullptr);

// The same test with its analysis file: per repetition the mean propulsive velocity of
// `vpropulsive` (mm/s), the true lift's mean a little below it, and in the summary the
// table's phase mean, which also holds a second's pause at the top, well below both.
std::optional<QString> Scrivi_test_analizzato(const QString& cartella, const QString& atleta,
                                              const QString& esercizio, float carico,
                                              const std::vector<float>& vpropulsive,
                                              const QLocale& locale, const QDateTime& adesso,
                                              QString* nome = nullptr);

// Four analysed tests of five repetitions at 60, 80, 100 and 120 kg, one day apart up to
// `adesso`, whose best propulsive velocities lie close to a line that reaches the
// exercise's usual velocity at 1RM at 140 kg.
std::optional<QString> Scrivi_profilo_esempio(const QString& cartella, const QString& atleta,
                                              const QString& esercizio, const QLocale& locale,
                                              const QDateTime& adesso);
