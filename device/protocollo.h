#pragma once
// The command dialogue with the board: routing of commands to the serial port or the
// HID link, reply waits with a time-out, and the operations built on them (probe,
// board type and configuration queries, start and stop of the stream). Headless: the
// windows get messages through Avvisi and state changes through the signals below.

#include "platform/porta_seriale.h"
#include "session/avvisi.h"
#include "session/sessione.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <cstdint>

class Motore_misura;
class Uscita_hid;

// Calibration of one board type; unknown types fall back to type 3 and are flagged.
struct Calibrazione_scheda {
    float Fattore_posizione;
    float Fattore_tempo;
    bool Riconosciuta;
};
Calibrazione_scheda Calibrazione_tipo(int tipo);

// Stato_connessione without any " Scheda tipo N" part.
QString Parte_connessione(const QString& stato);

class Protocollo : public QObject {
    Q_OBJECT
public:
    Protocollo(Sessione& sessione, Porta_seriale& porta, Avvisi& avvisi, QObject* parent = nullptr);

    // The HID output used while Usa_hid is true (none: HID commands are dropped).
    void Imposta_uscita_hid(Uscita_hid* uscita) { hid_ = uscita; }
    // The engine whose measurement reset the start of an acquisition runs.
    void Imposta_motore(Motore_misura* motore) { motore_ = motore; }

    Porta_seriale& Porta() { return porta_; }

    // Opens the port; a port that is open already is fine and a number with no device
    // fails silently; any other failure is shown with a warning icon. Callers check
    // Aperta() when they need to know.
    void Open_comm();

    // Sends a command to the HID link when Usa_hid, to the serial port when
    // Usa_seriale, nowhere otherwise. Port and HID errors propagate.
    void Invia_comando(const QString& comando);
    // Discards whatever the serial port holds; never fails.
    void Svuota_ricezione();
    // Reply waits: the awaited bytes, or 0 / {0} when Timeout_ms passes first.
    std::uint8_t Leggi_byte();
    QByteArray Leggi_bytes(std::int16_t quanti);

    // Board probe on the current port: true when it answers "?YES".
    bool Verifica_scheda();
    // Board type query: factors and the " Scheda tipo N" part of Stato_connessione.
    void Leggi_tipo_scheda();
    // Configuration query (serial only): Canali_abilitati and Tempo_campionamento.
    void Inizializza_scheda();
    void Avvia_acquisizione();
    void Ferma_acquisizione();
    // The signal button's exchange: stop, then "$Z".
    void Invia_segnale();

    // The serial port vanished (device unplugged): stops the acquisition, keeping
    // everything recorded, and tells the operator.
    void Porta_persa(const QString& testo);

    // The reply timer (interval Timeout_ms): its tick sets Timeout_scaduto and ends
    // the current reply wait.
    QTimer Timer_Seriale;

Q_SIGNALS:
    // The command panel's start button must go off.
    void Avvio_spento();
    // Stato_connessione changed: the main caption shows Titolo + Stato_connessione.
    void Stato_cambiato();

private:
    QByteArray Attendi_risposta(int quanti);

    Sessione& s_;
    Porta_seriale& porta_;
    Avvisi& avvisi_;
    Uscita_hid* hid_ = nullptr;
    Motore_misura* motore_ = nullptr;
};
