// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The USB HID access the program needs, and nothing more: list the devices, open one,
// write an output report, read an input report with a time-out. Implementations: hidapi
// (hidraw) and a fake for tests.

#include "platform/errore_piattaforma.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

struct Dispositivo_hid {
    std::uint16_t vendor = 0;
    std::uint16_t prodotto = 0;
    QByteArray percorso; // the library's path of the device (e.g. /dev/hidraw3)
    friend bool operator==(const Dispositivo_hid&, const Dispositivo_hid&) = default;
};

// The measuring board's identity on the USB bus.
inline constexpr std::uint16_t Vendor_scheda = 0x0461;
inline constexpr std::uint16_t Prodotto_scheda = 0x0020;
inline bool E_la_scheda(const Dispositivo_hid& d) {
    return d.vendor == Vendor_scheda && d.prodotto == Prodotto_scheda;
}

// One open device. Scrivi is called from the user-interface thread and Leggi from the
// reader thread; implementations allow both at once.
class Connessione_hid {
public:
    virtual ~Connessione_hid() = default;
    // `report` starts with the report number (0 for a board without numbered reports).
    // Raises Errore_piattaforma on failure.
    virtual void Scrivi(const std::uint8_t* report, std::size_t lunghezza) = 0;
    // Waits up to `attesa_ms` for one input report and puts its data bytes (without a
    // report number) into `dati`. Returns the bytes read, 0 on time-out, -1 when the
    // device is gone or failed: the reader thread's loop ends on it, nothing is raised
    // across threads.
    virtual int Leggi(std::uint8_t* dati, std::size_t capienza, int attesa_ms) = 0;
};

class Libreria_hid {
public:
    virtual ~Libreria_hid() = default;
    // The devices present now. An error (no permission, no subsystem) gives none.
    virtual std::vector<Dispositivo_hid> Elenca() = 0;
    // Opens a device by path; raises Errore_piattaforma on failure.
    virtual std::unique_ptr<Connessione_hid> Apri(const QByteArray& percorso) = 0;
};
