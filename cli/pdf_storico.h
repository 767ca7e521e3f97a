// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training log printed to a PDF file: the report of one athlete's tests.

#include "log/diario.h"

#include <QString>
#include <QTextStream>
#include <vector>

// The tool's name, as its messages begin.
inline const QString Nome_storico = QStringLiteral("kinetrack-storico");

// Writes the report of `righe` (one athlete's: every day they fall on, with the tests
// among them) to `file`; the tool's exit code, with its message on `errori`.
int Scrivi_pdf_storico(const QString& file, const std::vector<Riga_diario>& righe,
                       QTextStream& errori);

// kinetrack-storico's main: with --pdf the graphs need the graphical side of Qt, offscreen
// when there is no display to use.
int Avvia_storico(int argc, char** argv);
