// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the platform layers report a failure: they throw Errore_piattaforma (the serial
// port its subclass Errore_porta) carrying the text shown to the operator. The layers
// above catch it at their own boundary. Only a device that vanishes on its own is
// announced by a signal instead (the port's Porta_persa, the HID reader's
// Lettura_fallita), since no caller is there to catch it.

#include <QString>
#include <stdexcept>

class Errore_piattaforma : public std::runtime_error {
public:
    explicit Errore_piattaforma(const QString& testo)
        : std::runtime_error(testo.toStdString()), testo_(testo) {}
    const QString& testo() const { return testo_; }

private:
    QString testo_;
};
