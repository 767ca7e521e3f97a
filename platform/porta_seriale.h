// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port as the program uses it: the operations of the old communications
// control, nothing more. Implementations: the real port (over QSerialPort) and an
// in-memory port for tests and the replay tool.
//
// Failures are raised as Errore_porta carrying the text shown to the operator; a device
// that vanishes while open is announced by Porta_persa instead.

#include "platform/errore_piattaforma.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class Errore_porta : public Errore_piattaforma {
public:
    // Porta_inesistente: no device behind the port number (nothing plugged in).
    enum class Codice {
        Generico,
        Porta_gia_aperta,
        Porta_chiusa,
        Impostazione_non_valida,
        Porta_inesistente
    };
    Errore_porta(Codice codice, const QString& testo)
        : Errore_piattaforma(testo), codice_(codice) {}
    Codice codice() const { return codice_; }

private:
    Codice codice_;
};

class Porta_seriale : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Porta_seriale() override = default;

    // Port number, counting from 1.
    virtual int Numero_porta() const = 0;
    virtual void Imposta_numero_porta(int numero) = 0;
    // Settings string "speed,parity letter,data bits,stop bits", e.g. "9600,N,8,1".
    virtual QString Impostazioni() const = 0;
    virtual void Imposta_impostazioni(const QString& testo) = 0;
    // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both.
    virtual int Handshaking() const = 0;
    virtual void Imposta_handshaking(int codice) = 0;

    virtual void Apri() = 0; // Porta_gia_aperta when open already
    virtual void Chiudi() = 0;
    virtual bool Aperta() const = 0;

    // Lines a device may not have (a pseudo-terminal) are silently left alone.
    virtual void Imposta_DTR(bool acceso) = 0;
    virtual void Imposta_RTS(bool acceso) = 0;
    virtual void Imposta_scarta_nulli(bool scarta) = 0;
    virtual void Imposta_modo_binario(bool binario) = 0;
    virtual bool Modo_binario() const = 0;

    // Waiting bytes that raise Dati_ricevuti; 0 = no event.
    virtual void Imposta_soglia_ricezione(int byte) = 0;
    virtual int Soglia_ricezione() const = 0;
    // Bytes one read returns at most; 0 = everything waiting.
    virtual void Imposta_lunghezza_lettura(int byte) = 0;
    virtual int Lunghezza_lettura() const = 0;

    // A closed port has nothing waiting.
    virtual int Byte_in_attesa() const = 0;
    virtual QByteArray Leggi() = 0;
    virtual void Scrivi(const QByteArray& dati) = 0; // Porta_chiusa when closed

Q_SIGNALS:
    // The data-received event: raised on the user-interface thread whenever bytes have
    // arrived and at least the receive threshold is waiting.
    void Dati_ricevuti();
    // Raised whenever any bytes have arrived, whatever the threshold: reply waits
    // sleep on it instead of polling.
    void Byte_arrivati();
    // The device went away while open (adapter unplugged, virtual board ended): the
    // port has been closed; `testo` explains it to the operator.
    void Porta_persa(const QString& testo);
};
