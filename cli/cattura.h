// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The capture writer: a generated lift script through the board's model, saved as the
// bytes the board would send (serial) or its input reports back to back (HID), with the
// repetitions the program should list for it.

#include <QStringList>
#include <QTextStream>

// kinetrack-capture --link serial|hid --board-type N --seed S [--reps N]
//                   [--min-amplitude MM] [--twitch P] OUTPUT, or --help.
// Returns the exit code.
int Esegui_cattura(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);
