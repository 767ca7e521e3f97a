// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command dialogue with the board over the link in use: reply waits with a
// time-out, and the operations built on them (probe, board type and configuration
// queries, start and stop of the stream). Headless: the windows get messages through
// Avvisi and state changes through the signals below.

#include "session/avvisi.h"
#include "session/sessione.h"

#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <optional>

class Collegamento_scheda;
class Motore_misura;

// Stato_connessione without any " Scheda tipo N" part.
QString Parte_connessione(const QString& stato);

class Protocollo : public QObject {
    Q_OBJECT
public:
    Protocollo(Sessione& sessione, Motore_misura& motore, Avvisi& avvisi,
               QObject* parent = nullptr);

    // The link commands go to; none: nothing is sent and no reply is awaited. Another
    // link means another board, whose type is not known yet.
    void Imposta_collegamento(Collegamento_scheda* collegamento);
    Collegamento_scheda* Collegamento() const { return c_; }

    // Sends one command over the link; its failure as the operator's text.
    [[nodiscard]] std::optional<QString> Invia_comando(const QString& comando);
    // Discards whatever the link holds; never fails.
    void Svuota_ricezione();
    // Reply waits of Timeout_ms: the awaited bytes, or 0 / {0} when the time runs out.
    std::uint8_t Leggi_byte();
    QByteArray Leggi_bytes(std::int16_t quanti);

    // Board probe on the link: true when it answers "?YES". The board's type is to be
    // asked again afterwards.
    bool Verifica_scheda();
    // Board type query on the link in use: factors and the " Scheda tipo N" part of
    // Stato_connessione; on a link with replies the answer also names the port the board
    // is on (" connesso su com" + number). A closed port (a search that found nothing,
    // another number chosen since) is opened first, as the probe opens it, and closed
    // again when nothing answers there. The type the board said; nothing when it did not
    // answer, and the operator is told why.
    std::optional<int> Leggi_tipo_scheda();
    // Whether a type query has succeeded on the link in use, with the link still open at
    // the place it led to then. Until it has, a start asks the type first.
    bool Tipo_confermato() const;
    // The board behind the link may have changed (another port number was chosen).
    void Dimentica_tipo();
    // Configuration query (links with replies only): Canali_abilitati and
    // Tempo_campionamento.
    void Inizializza_scheda();
    // A board just found: makes sure it is not streaming, then asks its type and its
    // configuration (start-up, and a board come back after a loss).
    void Prepara_scheda();
    // Start of acquisition. A board whose type is not confirmed is asked for it first;
    // when it does not answer, the start is refused as for a board that does not answer
    // "$T": no set runs on factors no board reported.
    void Avvia_acquisizione();
    void Ferma_acquisizione();
    // The signal button's exchange: stop, then "$Z".
    void Invia_segnale();

    // The link's device vanished: stops the acquisition, keeping everything recorded,
    // and tells the operator. The board that comes back must say its type again.
    void Collegamento_perso(const QString& testo);

    // Length of every reply wait: 1000 ms until the first probe, 500 ms from then on.
    std::int16_t Timeout_ms = 1000;

Q_SIGNALS:
    // The command panel's start button must go off.
    void Avvio_spento();
    // Stato_connessione changed: the main caption shows Titolo + Stato_connessione.
    void Stato_cambiato();

private:
    bool Con_risposte() const;
    // "$T", and on a link with replies everything up to its reply.
    void Ferma_flusso();
    // Sends and, on a link with replies, waits for the reply of `attesi` bytes; a failed
    // send is shown to the operator. False when the send failed.
    bool Scambia(const QString& comando, std::int16_t attesi);
    // The type query; `avvisa` false: failures are left to the caller to tell.
    std::optional<int> Chiedi_tipo(bool avvisa);
    void Applica_tipo(int tipo);

    Sessione& s_;
    Motore_misura& motore_;
    Avvisi& avvisi_;
    Collegamento_scheda* c_ = nullptr;
    // Where the last successful type query was answered: the link and its place then.
    const Collegamento_scheda* tipo_su_ = nullptr;
    QString tipo_luogo_;
};
