// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages to the operator. The windows show them in message boxes; tests collect them.

#include <QString>

class Avvisi {
public:
    enum class Icona { Nessuna, Avviso, Critico };
    virtual ~Avvisi() = default;
    // A modal message with an OK button. `titolo` empty = the application title.
    virtual void Mostra(const QString& testo, Icona icona = Icona::Nessuna,
                        const QString& titolo = QString()) = 0;
    // A message that does not wait for its OK: the program goes on (a set is running).
    virtual void Mostra_senza_attesa(const QString& testo, Icona icona = Icona::Nessuna,
                                     const QString& titolo = QString()) {
        Mostra(testo, icona, titolo);
    }
};
