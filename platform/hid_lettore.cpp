// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hid_lettore.h"

void Lettore_hid::Avvia(Connessione_hid& connessione) {
    Ferma();
    fermare_ = false;
    thread_ = std::thread([this, &connessione] {
        while (!fermare_) {
            QByteArray report(Byte_report, '\0'); // index 0: report number 0
            const int letti = connessione.Leggi(reinterpret_cast<std::uint8_t*>(report.data()) + 1,
                                                Byte_report - 1, Attesa_ms);
            if (letti < 0) {
                if (!fermare_) Q_EMIT Lettura_fallita();
                return;
            }
            if (letti > 0 && !fermare_) Q_EMIT Report_letto(report);
        }
    });
}

void Lettore_hid::Ferma() {
    fermare_ = true;
    if (thread_.joinable()) thread_.join();
}
