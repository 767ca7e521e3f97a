// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a long save needs from the progress window: show it without blocking, set the
// bar's maximum and value, close it. The default does nothing, for tools and tests.

class Avanzamento {
public:
    virtual ~Avanzamento() = default;
    virtual void Mostra() {}
    virtual void Imposta_massimo(int massimo) { (void)massimo; }
    virtual void Imposta_valore(int valore) { (void)valore; }
    virtual void Chiudi() {}
};
