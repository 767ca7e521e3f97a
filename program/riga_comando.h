// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kinetrack's command line, read before any window exists: --help and --version answer
// without a display (over ssh), and a wrong option is refused the same way. Qt's own
// options (-platform, -style...) are left for the application object to take.

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

struct Opzioni_riga {
    bool diagnostica = false; // the HID window keeps its test buttons
    QString lingua;           // --lang: the interface's language for this run; empty: stored
    QString registro_segnali; // --cue-log: the file every sound cue is added to; empty: none
};

// `argomenti` without the program's name. Nothing: go on. Otherwise the exit code, its
// text written: 0 after --help (the usage on `uscita`) or --version, 2 after a wrong
// option or argument (its message and the usage on `errori`). A valid --lang is applied at
// once, so the usage and the refusals after it read in that language.
std::optional<int> Leggi_riga_comando(const QStringList& argomenti, Opzioni_riga& opzioni,
                                      QTextStream& uscita, QTextStream& errori);
QString Uso_programma();
