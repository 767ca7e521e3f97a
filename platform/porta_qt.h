// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real serial port, over QSerialPort. Port numbers become devices through the rule
// of platform/mappa_porte.h. Settings are kept while the port is closed and applied
// when it opens; changed while it is open, they are applied at once.

#include "platform/porta_seriale.h"

#include <QSerialPort>

// Parsed form of a settings string "speed,parity,data bits,stop bits".
struct Parametri_porta {
    qint32 velocita = 115200;
    QSerialPort::Parity parita = QSerialPort::NoParity;
    QSerialPort::DataBits bit_dati = QSerialPort::Data8;
    QSerialPort::StopBits bit_stop = QSerialPort::OneStop;
};

// Parses a settings string; Errore_porta (Impostazione_non_valida) with a text for the
// operator when it is malformed or asks for what the serial driver cannot do.
Parametri_porta Interpreta_impostazioni(const QString& testo);
// The canonical text: parity letter in upper case, stop bits "1", "1.5" or "2".
QString Testo_impostazioni(const Parametri_porta& parametri);

class Porta_qt : public Porta_seriale {
    Q_OBJECT
public:
    explicit Porta_qt(QObject* parent = nullptr);
    ~Porta_qt() override;

    int Numero_porta() const override { return numero_; }
    // Changing the number of an open port raises Porta_gia_aperta.
    void Imposta_numero_porta(int numero) override;
    QString Impostazioni() const override { return Testo_impostazioni(parametri_); }
    void Imposta_impostazioni(const QString& testo) override;
    int Handshaking() const override { return handshaking_; }
    void Imposta_handshaking(int codice) override;

    // Porta_inesistente when the number has no device node, Generico for any other
    // failure (permission denied, busy).
    void Apri() override;
    void Chiudi() override;
    bool Aperta() const override { return seriale_.isOpen(); }

    void Imposta_DTR(bool acceso) override;
    void Imposta_RTS(bool acceso) override;
    void Imposta_scarta_nulli(bool scarta) override { scarta_nulli_ = scarta; }
    void Imposta_modo_binario(bool binario) override { binario_ = binario; }
    bool Modo_binario() const override { return binario_; }
    void Imposta_soglia_ricezione(int byte) override { soglia_ = byte < 0 ? 0 : byte; }
    int Soglia_ricezione() const override { return soglia_; }
    void Imposta_lunghezza_lettura(int byte) override { lunghezza_ = byte < 0 ? 0 : byte; }
    int Lunghezza_lettura() const override { return lunghezza_; }

    int Byte_in_attesa() const override;
    QByteArray Leggi() override;
    void Scrivi(const QByteArray& dati) override;

    // The device the open port uses (empty when closed).
    QString Dispositivo() const { return Aperta() ? dispositivo_ : QString(); }

private:
    void Applica_parametri(const Parametri_porta& parametri);
    void Applica_handshaking(int codice);
    void Applica_linee();
    void Dati_pronti();
    void Errore_seriale(QSerialPort::SerialPortError errore);

    QSerialPort seriale_;
    int numero_ = 1;
    QString dispositivo_;
    Parametri_porta parametri_;
    int handshaking_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    bool scarta_nulli_ = true;
    bool binario_ = false;
    int soglia_ = 0;
    int lunghezza_ = 0;
};
