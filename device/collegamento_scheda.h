// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link to the board as the command dialogue sees it: send a command, wait for its
// reply while events run, and hand the sample stream to the engine. Implementations:
// the serial port, USB HID, and an in-memory link for tests. What differs between the
// transports (replies or none, where the board type comes from, how the stream is set
// up) is decided here, behind this interface.
//
// Failures come back as the text shown to the operator (std::optional<QString>, empty =
// success); a missing reply is no failure, only a shorter answer.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class Collegamento_scheda : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether commands can be sent now (the port or the device is open).
    virtual bool Aperto() const = 0;
    // Whether the board answers each command over this link (serial) or not (USB HID).
    virtual bool Con_risposte() const = 0;
    // Where the link leads now, for the operator ("com3", "USB"): a board found here
    // may not be the one found before at another place.
    virtual QString Luogo() const = 0;

    // Writes one command as its bytes.
    [[nodiscard]] virtual std::optional<QString> Invia(const QByteArray& comando) = 0;
    // Waits until `quanti` reply bytes have arrived or `attesa_ms` have passed, and
    // returns what arrived in time (nothing, or fewer bytes, after a time-out). Events
    // run meanwhile, except the operator's input, which waits for the end of the wait;
    // a wait asked for inside a running one (from a timer) returns nothing at once.
    virtual QByteArray Attendi_risposta(int quanti, int attesa_ms) = 0;
    // Discards whatever arrived and was not read. Never fails.
    virtual void Svuota() = 0;

    // Before the board probe: opens the link where it is closed. A failure worth telling
    // the operator comes back as its text; the caller checks Aperto() afterwards.
    [[nodiscard]] virtual std::optional<QString> Prepara_verifica() { return std::nullopt; }
    // Closes what Prepara_verifica opened, when nothing answered there. Never fails.
    virtual void Chiudi() {}
    // The board answered the probe: remembers where it is and returns the connection
    // part of the caption.
    virtual QString Scheda_trovata() = 0;
    // After "$D": the board type, or nothing when the board did not say it in time.
    virtual std::optional<int> Tipo_scheda(int attesa_ms) = 0;
    // The stream is about to start: from now on its bytes go to the engine.
    virtual void Prepara_flusso() {}
    // Stream bytes not yet processed (drives the drawing hysteresis).
    virtual int Byte_in_attesa() const { return 0; }

Q_SIGNALS:
    // The device went away under the link; `testo` explains it to the operator.
    void Perso(const QString& testo);
};
