// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/cartelle_programma.h"

#include "datafiles/giornale_serie.h"

const QStringList& Cartelle_programma() {
    static const QStringList cartelle{QStringLiteral("ini"), QStringLiteral("misure_auto"),
                                      Cartella_giornali};
    return cartelle;
}

bool Cartella_programma(const QString& nome) {
    return Cartelle_programma().contains(nome, Qt::CaseInsensitive);
}
