// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hid_sorveglianza.h"

#include <algorithm>

Sorveglianza_hid::Sorveglianza_hid(Libreria_hid& libreria, QObject* parent)
    : QObject(parent), libreria_(libreria) {
    timer_.setInterval(Intervallo_ms);
    connect(&timer_, &QTimer::timeout, this, &Sorveglianza_hid::Controlla);
}

void Sorveglianza_hid::Avvia() {
    timer_.start();
    // The first look runs from the event loop, like every later notice.
    QTimer::singleShot(0, this, [this] {
        if (timer_.isActive()) Controlla();
    });
}

void Sorveglianza_hid::Ferma() {
    timer_.stop();
    presenti_.clear();
}

void Sorveglianza_hid::Controlla() {
    const std::vector<Dispositivo_hid> adesso = libreria_.Elenca();
    const auto contiene = [](const std::vector<Dispositivo_hid>& v, const Dispositivo_hid& d) {
        return std::find(v.begin(), v.end(), d) != v.end();
    };
    const std::vector<Dispositivo_hid> prima = std::exchange(presenti_, adesso);
    bool cambiato = false;
    for (const auto& d : prima)
        if (!contiene(adesso, d)) {
            cambiato = true;
            Q_EMIT Scollegato(d);
        }
    for (const auto& d : adesso)
        if (!contiene(prima, d)) {
            cambiato = true;
            Q_EMIT Collegato(d);
        }
    if (cambiato) Q_EMIT Cambiato();
}
