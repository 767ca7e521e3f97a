#include "setup/cartelle_programma.h"

const QStringList& Cartelle_programma() {
    static const QStringList cartelle{QStringLiteral("ini"), QStringLiteral("misure_auto")};
    return cartelle;
}

bool Cartella_programma(const QString& nome) {
    return Cartelle_programma().contains(nome, Qt::CaseInsensitive);
}
