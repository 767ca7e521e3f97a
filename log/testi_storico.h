// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training log's texts that the log window, the status bar and the printed report
// share, and the readiness of a day as they show it.

#include "log/indice_sedute.h"
#include "log/prontezza.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

// "Prontezza Squat (100,0 kg): 0,72 m/s, −0,10 m/s sulla media delle 5 sedute prima
// (0,82 m/s), soglia 0,08 m/s: sotto"; with too few data the reason instead of the numbers.
QString Testo_prontezza(const Prontezza& p, const QLocale& locale);

// The same for a status bar: "Prontezza Squat 100,0 kg: sotto (0,72 m/s, −0,10 m/s, soglia
// 0,08 m/s)".
QString Testo_prontezza_breve(const Prontezza& p, const QLocale& locale);

// "Per 0,50–0,75 m/s: 100,0–117,5 kg, dal 71 all'84 % dell'e1RM (140,0 kg)", or the
// reason there is no load range.
QString Testo_carico_oggi(const Carico_oggi& c, const QLocale& locale);

// A load, a velocity, a per cent as the log writes them: "100,0 kg", "0,82 m/s", "12,5 %".
QString Testo_kg(double kg, const QLocale& locale);
QString Testo_ms(double ms, const QLocale& locale);

// The readiness of every exercise of `giorno` (in the order they were first done that day)
// at its reference load. `test` is one athlete's.
std::vector<Prontezza> Prontezze_giorno(const std::vector<Riga_test>& test,
                                        const QString& cartella_atleta, const QDate& giorno);

// After a set is saved: the readiness of its exercise that day, once the day has a first
// set at the reference load; nothing before. `file` is one of the saved test's files.
std::optional<Prontezza> Prontezza_dopo_serie(const QString& cartella_dati, const QString& file);
