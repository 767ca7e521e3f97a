// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/titolo.h"

#include <QCoreApplication>

QString Titolo_programma(int maggiore, int minore, int revisione) {
    return QStringLiteral("KINETRACK %1.%2.%3").arg(maggiore).arg(minore).arg(revisione);
}

QString Titolo_programma() {
    return Titolo_programma(KT_VERSIONE_MAGGIORE, KT_VERSIONE_MINORE, KT_VERSIONE_REVISIONE);
}

QString Versione_programma() {
    return QStringLiteral("%1.%2.%3")
        .arg(KT_VERSIONE_MAGGIORE)
        .arg(KT_VERSIONE_MINORE)
        .arg(KT_VERSIONE_REVISIONE);
}

QString Testo_versione(const QString& programma) {
    return QCoreApplication::translate(
               "Titolo", "%1 %2\n"
                         "Copyright (C) 2026 gli sviluppatori di kinetrack.\n"
                         "Licenza GPL-3.0 o successiva <https://www.gnu.org/licenses/gpl.html>.\n"
                         "Questo è software libero: lo si può modificare e ridistribuire.\n"
                         "Non c'è ALCUNA GARANZIA, nei limiti permessi dalla legge.\n")
        .arg(programma, Versione_programma());
}
