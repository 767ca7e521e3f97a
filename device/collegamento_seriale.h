// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link over the serial port: commands are written to the port, every command is
// answered by a reply of fixed length, and during an acquisition the port's
// data-received event hands the stream to the engine, two records per read.

#include "device/collegamento_scheda.h"

class Motore_misura;
class Porta_seriale;
struct Sessione;

class Collegamento_seriale : public Collegamento_scheda {
    Q_OBJECT
public:
    Collegamento_seriale(Sessione& sessione, Porta_seriale& porta, Motore_misura& motore,
                         QObject* parent = nullptr);

    Porta_seriale& Porta() { return porta_; }

    // Opens the port. A port that is open already is fine, and a number with no device
    // behind it fails without a word (a first start without a board: the search
    // follows); any other failure comes back as its text.
    [[nodiscard]] std::optional<QString> Apri();
    // The board search's step: closes the port, switches it to `numero` and opens it.
    // False when nothing opened there.
    bool Prova_numero(int numero);

    bool Aperto() const override;
    bool Con_risposte() const override { return true; }
    // "com" + the port number.
    QString Luogo() const override;
    [[nodiscard]] std::optional<QString> Invia(const QByteArray& comando) override;
    QByteArray Attendi_risposta(int quanti, int attesa_ms) override;
    void Svuota() override;
    // Opens the port and turns the DTR and RTS lines on.
    [[nodiscard]] std::optional<QString> Prepara_verifica() override;
    void Chiudi() override;
    // Stores the port number under "Properties"/"CommPort"; " connesso su com" + number.
    QString Scheda_trovata() override;
    // The third byte of the 3-byte reply; nothing from a closed port.
    std::optional<int> Tipo_scheda(int attesa_ms) override;
    // Binary input, receive threshold and read length 12 (two records), reception on.
    void Prepara_flusso() override;
    int Byte_in_attesa() const override;

    // The data-received event: while reception is on and an acquisition runs, reads
    // blocks of the read length for as long as strictly more than one is waiting (so 1
    // to 12 bytes always stay for a later event) and hands each to the engine.
    void Ricezione();
    // Reply waits turn it off for their length, so reply bytes are not taken for samples.
    bool Ricezione_attiva = false;

private:
    Sessione& s_;
    Porta_seriale& porta_;
    Motore_misura& motore_;
    bool in_attesa_ = false;
};
