#include "stream/ricerca_scheda.h"

#include "device/protocollo.h"
#include "platform/mappa_porte.h"

int Cerca_scheda(Porta_seriale& porta, Protocollo& protocollo,
                 const std::function<void(const QString&)>& mostra_stato) {
    for (int i = 1; i <= Numero_porte_max; ++i) {
        if (mostra_stato) mostra_stato(QStringLiteral("Connessione a com%1").arg(i));
        try {
            porta.Chiudi();
            porta.Imposta_numero_porta(i);
            porta.Apri();
        } catch (...) {
            continue;
        }
        try {
            if (porta.Aperta() && protocollo.Verifica_scheda()) return i;
        } catch (...) {
        }
    }
    return 0;
}
