// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folders the program keeps for itself in the application folder, beside the teams'
// folders: "ini" (the list file brax.ini), "misure_auto" (recordings made before any
// athlete was chosen) and "recupero" (the journals of the sets being recorded). They are never a
// team or an athlete. A new folder of the program's own goes into this list.

#include <QString>
#include <QStringList>

const QStringList& Cartelle_programma();

// True for one of them, whatever the case of its letters: a data folder on a FAT stick or
// a Windows share does not tell "INI" from "ini".
bool Cartella_programma(const QString& nome);
