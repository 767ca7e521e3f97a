// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Libreria_hid over hidapi's hidraw backend. hidapi 0.13 has no hot-plug notices; the
// device list is polled instead (Sorveglianza_hid).

#include "platform/hid_libreria.h"

class Libreria_hidapi : public Libreria_hid {
public:
    Libreria_hidapi();
    ~Libreria_hidapi() override;
    Libreria_hidapi(const Libreria_hidapi&) = delete;
    Libreria_hidapi& operator=(const Libreria_hidapi&) = delete;

    std::vector<Dispositivo_hid> Elenca() override;
    std::unique_ptr<Connessione_hid> Apri(const QByteArray& percorso) override;

private:
    bool pronta_ = false;
};
