// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's title, "KINETRACK " + major.minor.revision of the version.

#include <QString>

QString Titolo_programma(int maggiore, int minore, int revisione);
// The same for this build's version (the project version in CMakeLists.txt).
QString Titolo_programma();
// This build's version alone, "major.minor.revision".
QString Versione_programma();
// What `programma --version` prints: its name and version on the first line, then the
// copyright and the licence, as GNU programs print them (the manual pages are made from it).
QString Testo_versione(const QString& programma);
