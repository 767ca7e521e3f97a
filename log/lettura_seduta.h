// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test's files read back for the index: its record, its summary and the analysis file
// beside it; and their rows, repetition by repetition.

#include "log/indice_sedute.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <set>
#include <vector>

struct File_test {
    QString campioni, record, sommario, analisi; // full paths; empty: none
};

// The summary's rows as far as the log needs them.
struct Righe_sommario {
    std::vector<double> vmedia; // mm/s, the lifting phase's "Vmedia" of each row
    QDateTime timbro;           // the date stamp of the first line; invalid when unreadable
};
std::optional<QString> Leggi_righe_sommario(const QString& file, Righe_sommario& righe);

struct Riga_analisi {
    double vmedia = 0, vpropulsiva = 0, perdita = 0; // mm/s, mm/s, %
    bool esclusa = false;
};
// The analysis file's rows; the reason when it is not one or cannot be used.
std::optional<QString> Leggi_righe_analisi(const QString& file, std::vector<Riga_analisi>& righe);

// The test of `file` as the index keeps it (`squadra` and `atleta` from its folder), and a
// fingerprint of its summary's rows that tells copies under another name. The reason when
// the test cannot be used; a damaged analysis file leaves the test without its values and
// adds "file: reason" to `avvisi`.
std::optional<QString> Leggi_file_test(const File_test& file, const QString& squadra,
                                       const QString& atleta, Riga_test& riga, QByteArray& impronta,
                                       QStringList& avvisi);
