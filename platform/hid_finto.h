// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A HID library in memory for tests: devices are plugged and unplugged by the test,
// input reports are queued by it, and output reports are collected.

#include "platform/hid_libreria.h"

#include <QList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

class Libreria_hid_finta : public Libreria_hid {
public:
    void Collega(const Dispositivo_hid& d);
    void Scollega(const Dispositivo_hid& d); // an open connection then fails its reads
    // The next Apri fails (as without permission on the device node).
    void Rifiuta_apertura(bool rifiuta) { rifiuta_ = rifiuta; }

    // Queues an input report's data bytes (without report number) for the open device.
    void Invia_report(const QByteArray& percorso, const QByteArray& dati);
    // Every output report written to the device so far, and forgets them.
    QList<QByteArray> Prendi_scritti(const QByteArray& percorso);
    int Aperture() const { return aperture_; }
    // A board that answers: called for every output report written (on the writer's
    // thread); a non-empty result is queued as the next input report's data bytes.
    std::function<QByteArray(const QByteArray& scritto)> Risponditore;

    std::vector<Dispositivo_hid> Elenca() override;
    std::unique_ptr<Connessione_hid> Apri(const QByteArray& percorso) override;

    // One device's state, shared with its open connection.
    struct Stato {
        std::mutex mutex;
        std::condition_variable arrivato;
        std::deque<QByteArray> in_arrivo;
        QList<QByteArray> scritti;
        bool presente = true;
        std::function<QByteArray(const QByteArray&)> risponditore;
    };

private:
    std::vector<Dispositivo_hid> dispositivi_;
    std::map<QByteArray, std::shared_ptr<Stato>> stati_;
    bool rifiuta_ = false;
    int aperture_ = 0;
};
