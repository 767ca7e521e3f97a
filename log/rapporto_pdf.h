// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report to hand over: one athlete's day, or the days of a date range, on A4 pages in
// Italian. For each day its readiness and, for each exercise, the day's load-velocity
// profile with its e1RM; for each test its load, RPE and note, its repetitions (velocity,
// loss, the ones left out marked) and its velocity per repetition as a graph.
//
// The graphs are widgets drawn offscreen: a QApplication must exist.

#include "log/indice_sedute.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

struct Richiesta_rapporto {
    QString squadra, atleta;
    std::vector<Riga_test> test;   // the tests reported, in any order
    std::vector<Riga_test> storia; // all of the athlete's tests: readiness looks back
};

struct Esito_rapporto {
    int pagine = 0;
    int test = 0; // tests reported
};

// Writes the report into `file` (replaced). The reason when it could not be written, or
// when there is no test to report.
std::optional<QString> Scrivi_rapporto_pdf(const QString& file, const Richiesta_rapporto& richiesta,
                                           const QLocale& locale, Esito_rapporto* esito = nullptr);
