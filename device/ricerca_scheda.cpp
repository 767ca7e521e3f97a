// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ricerca_scheda.h"

#include "device/collegamento_seriale.h"
#include "device/protocollo.h"
#include "platform/mappa_porte.h"

#include <QCoreApplication>

int Cerca_scheda(Collegamento_seriale& collegamento, Protocollo& protocollo,
                 const std::function<void(const QString&)>& mostra_stato,
                 const std::function<bool()>& interrotta) {
    for (int i = 1; i <= Numero_porte_max; ++i) {
        if (interrotta && interrotta()) return 0;
        if (mostra_stato)
            mostra_stato(
                QCoreApplication::translate("Ricerca_scheda", "Connessione a com%1").arg(i));
        if (collegamento.Prova_numero(i) && protocollo.Verifica_scheda()) return i;
    }
    return 0;
}
