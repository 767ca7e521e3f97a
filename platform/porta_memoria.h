// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial port in memory: bytes are put into its receive buffer by the caller, and
// what the program writes is collected. Used by the replay tool and by tests.

#include "platform/porta_seriale.h"

class Porta_memoria : public Porta_seriale {
    Q_OBJECT
public:
    using Porta_seriale::Porta_seriale;

    // Appends bytes to the receive buffer and raises Dati_ricevuti when the threshold
    // is reached (as a real port does when data arrive).
    void Ricevi(const QByteArray& dati);
    // Everything the program wrote, and forgets it.
    QByteArray Prendi_scritti();

    int Numero_porta() const override { return numero_; }
    void Imposta_numero_porta(int numero) override { numero_ = numero; }
    QString Impostazioni() const override { return impostazioni_; }
    void Imposta_impostazioni(const QString& testo) override { impostazioni_ = testo; }
    int Handshaking() const override { return handshaking_; }
    void Imposta_handshaking(int codice) override { handshaking_ = codice; }
    void Apri() override;
    void Chiudi() override { aperta_ = false; }
    bool Aperta() const override { return aperta_; }
    void Imposta_DTR(bool) override {}
    void Imposta_RTS(bool) override {}
    void Imposta_scarta_nulli(bool) override {}
    void Imposta_modo_binario(bool binario) override { binario_ = binario; }
    bool Modo_binario() const override { return binario_; }
    void Imposta_soglia_ricezione(int byte) override { soglia_ = byte; }
    int Soglia_ricezione() const override { return soglia_; }
    void Imposta_lunghezza_lettura(int byte) override { lunghezza_ = byte; }
    int Lunghezza_lettura() const override { return lunghezza_; }
    int Byte_in_attesa() const override;
    QByteArray Leggi() override;
    void Scrivi(const QByteArray& dati) override;

private:
    int numero_ = 1;
    QString impostazioni_ = QStringLiteral("115200,N,8,1");
    int handshaking_ = 0;
    bool aperta_ = true;
    bool binario_ = true;
    int soglia_ = 0;
    int lunghezza_ = 0;
    QByteArray ricevuti_;
    qsizetype letti_ = 0; // bytes of ricevuti_ already read
    QByteArray scritti_;
};
