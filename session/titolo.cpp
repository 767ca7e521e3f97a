#include "session/titolo.h"

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
