#pragma once
// The program's title, "KINETRACK " + major.minor.revision of the version.

#include <QString>

QString Titolo_programma(int maggiore, int minore, int revisione);
// The same for this build's version (the project version in CMakeLists.txt).
QString Titolo_programma();
// This build's version alone, "major.minor.revision".
QString Versione_programma();
