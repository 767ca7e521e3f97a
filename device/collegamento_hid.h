// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link over USB HID. Creating it attaches: the device list is watched, and a board
// already plugged in is announced right after, through the event loop; destroying it
// detaches. It switches the transport flags on plug and unplug, sends each command as
// one output report (the board sends no replies) and passes input reports to the
// engine while an acquisition runs. The board unplugged during an acquisition is Perso.

#include "device/collegamento_scheda.h"
#include "platform/hid_lettore.h"
#include "platform/hid_sorveglianza.h"

#include <array>
#include <cstdint>
#include <memory>

class Motore_misura;
struct Sessione;

class Collegamento_hid : public Collegamento_scheda {
    Q_OBJECT
public:
    Collegamento_hid(Sessione& sessione, Libreria_hid& libreria, Motore_misura& motore);
    ~Collegamento_hid() override;

    bool Aperto() const override { return connessione_ != nullptr; }
    bool Con_risposte() const override { return false; }
    QString Luogo() const override { return QStringLiteral("USB"); }
    [[nodiscard]] std::optional<QString> Invia(const QByteArray& comando) override;
    QByteArray Attendi_risposta(int, int) override { return {}; }
    void Svuota() override {}
    QString Scheda_trovata() override { return tr(" Connesso via HID"); }
    // 100 ms after "$D", byte 2 of the last input report; nothing with no board open.
    std::optional<int> Tipo_scheda(int attesa_ms) override;

    // Output report 0 + the command's characters (at most 8), zero-filled to 9 bytes, in
    // Buffer_out, then written. Raises Errore_piattaforma when the write fails.
    void HID_invia_stringa(const QString& testo);
    void WriteSomeData();

    // Link events.
    void OnPlugged(const Dispositivo_hid& dispositivo);
    void OnUnplugged(const Dispositivo_hid& dispositivo);
    void OnChanged();
    void OnRead(const QByteArray& report);

    // The last input report read (zero-padded), and the output report last written.
    std::array<std::uint8_t, 65> Buffer_in{};
    std::array<std::uint8_t, 9> Buffer_out{};

Q_SIGNALS:
    // Stato_connessione changed (plugged or unplugged): the caption must follow.
    void Stato_cambiato();

private:
    void Apri_scheda(const Dispositivo_hid& dispositivo);
    void Chiudi_scheda();

    Sessione& s_;
    Libreria_hid& libreria_;
    Motore_misura& motore_;
    Sorveglianza_hid sorveglianza_;
    Lettore_hid lettore_;
    std::unique_ptr<Connessione_hid> connessione_;
    QByteArray percorso_scheda_;
};
