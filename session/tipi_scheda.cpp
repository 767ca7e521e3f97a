// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/tipi_scheda.h"

#include <QCoreApplication>

QString Messaggio_tipo_sconosciuto() {
    return QCoreApplication::translate("Tipi_scheda",
                                       "dispositivo non riconosciuto: DEFAULT TIPO 3!!");
}
