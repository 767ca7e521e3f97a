// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plug and unplug notices by polling the device list: the first look comes right away,
// so a device already plugged in is announced like a new one.

#include "platform/hid_libreria.h"

#include <QObject>
#include <QTimer>
#include <vector>

class Sorveglianza_hid : public QObject {
    Q_OBJECT
public:
    explicit Sorveglianza_hid(Libreria_hid& libreria, QObject* parent = nullptr);

    static constexpr int Intervallo_ms = 500;

    // Looks as soon as the event loop runs, then every Intervallo_ms.
    void Avvia();
    // Stops looking and forgets the devices seen (a later Avvia announces them again).
    void Ferma();
    // One look: emits the differences from the last one.
    void Controlla();

Q_SIGNALS:
    void Collegato(const Dispositivo_hid& dispositivo);
    void Scollegato(const Dispositivo_hid& dispositivo);
    // After any plug or unplug of a look.
    void Cambiato();

private:
    Libreria_hid& libreria_;
    QTimer timer_;
    std::vector<Dispositivo_hid> presenti_;
};
