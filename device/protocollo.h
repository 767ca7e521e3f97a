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

    // The link commands go to; none: nothing is sent and no reply is awaited.
    void Imposta_collegamento(Collegamento_scheda* collegamento) { c_ = collegamento; }
    Collegamento_scheda* Collegamento() const { return c_; }

    // Sends one command over the link; its failure as the operator's text.
    [[nodiscard]] std::optional<QString> Invia_comando(const QString& comando);
    // Discards whatever the link holds; never fails.
    void Svuota_ricezione();
    // Reply waits of Timeout_ms: the awaited bytes, or 0 / {0} when the time runs out.
    std::uint8_t Leggi_byte();
    QByteArray Leggi_bytes(std::int16_t quanti);

    // Board probe on the link: true when it answers "?YES".
    bool Verifica_scheda();
    // A search over the ports found no board (the probe marks its own failure).
    void Segna_nessuna_scheda() { nessuna_scheda_ = true; }
    // Board type query: factors and the " Scheda tipo N" part of Stato_connessione.
    // After a probe or search that found no board, the board is not asked: the operator
    // is told that no board was found and how to search again.
    void Leggi_tipo_scheda();
    // Configuration query (links with replies only): Canali_abilitati and
    // Tempo_campionamento.
    void Inizializza_scheda();
    // A board just found: makes sure it is not streaming, then asks its type and its
    // configuration (start-up, and a board come back after a loss).
    void Prepara_scheda();
    void Avvia_acquisizione();
    void Ferma_acquisizione();
    // The signal button's exchange: stop, then "$Z".
    void Invia_segnale();

    // The link's device vanished: stops the acquisition, keeping everything recorded,
    // and tells the operator.
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
    // Sends and, on a link with replies, waits for the reply of `attesi` bytes; a failed
    // send is shown to the operator. False when the send failed.
    bool Scambia(const QString& comando, std::int16_t attesi);

    Sessione& s_;
    Motore_misura& motore_;
    Avvisi& avvisi_;
    Collegamento_scheda* c_ = nullptr;
    // The last probe or search over a link with replies found no board.
    bool nessuna_scheda_ = false;
};

// The type query's text when no board was found anywhere.
inline const QString Messaggio_nessuna_scheda = QStringLiteral(
    "Nessuna scheda trovata: collegare la scheda (USB o porta seriale) e accenderla, poi "
    "scegliere Impostazioni > Parametri Porta.... per cercarla di nuovo.");
