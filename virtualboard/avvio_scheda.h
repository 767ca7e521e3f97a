// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole life of kinetrack-board: options, line, port link, board, clean end.

#include <QStringList>

// Runs the virtual board inside an existing QCoreApplication until SIGINT/SIGTERM (or
// the vanish fault). Returns the process exit code: 0 after a clean stop, 2 for bad
// options, 1 when the line or the link cannot be set up.
int Esegui_scheda_virtuale(const QStringList& argomenti);
