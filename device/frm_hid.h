#pragma once
// The HID link window: a small hidden window that owns the link to a board plugged in
// over USB HID. Creating it attaches the link (the device list is watched, and a board
// already plugged in is announced right after, through the event loop); destroying it
// detaches. It switches the transport flags on plug and unplug, sends commands as
// output reports and passes input reports to the measurement engine.

#include "device/uscita_hid.h"
#include "platform/hid_lettore.h"
#include "platform/hid_sorveglianza.h"
#include "session/sessione.h"

#include <QWidget>
#include <functional>
#include <memory>

class Motore_misura;
class QLineEdit;
class QPushButton;

class frm_hid : public QWidget, public Uscita_hid {
    Q_OBJECT
public:
    frm_hid(Sessione& sessione, Libreria_hid& libreria, QWidget* parent = nullptr);
    ~frm_hid() override;

    // The engine that takes input reports (none: reports only land in Buffer_in).
    void Imposta_motore(Motore_misura* motore) { motore_ = motore; }
    // Run whenever Stato_connessione changes: the main caption becomes Titolo +
    // Stato_connessione.
    std::function<void()> Aggiorna_titolo;

    // Output report 0 + the command's characters (at most 8), zero-filled to 9 bytes, in
    // Buffer_out, then written. Raises std::runtime_error when the write fails.
    void HID_invia_stringa(const QString& testo) override;
    void WriteSomeData();

    // Link events.
    void OnPlugged(const Dispositivo_hid& dispositivo);
    void OnUnplugged(const Dispositivo_hid& dispositivo);
    void OnChanged();
    void OnRead(const QByteArray& report);

    bool Scheda_aperta() const { return connessione_ != nullptr; }

    // Test buttons: start ("$F") and stop ("$T") the stream; Command3 does nothing.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLineEdit* Text1;

private:
    void Apri_scheda(const Dispositivo_hid& dispositivo);
    void Chiudi_scheda();
    void Invia_prova(const char* comando);

    Sessione& s_;
    Libreria_hid& libreria_;
    Sorveglianza_hid sorveglianza_;
    Lettore_hid lettore_;
    std::unique_ptr<Connessione_hid> connessione_;
    QByteArray percorso_scheda_;
    Motore_misura* motore_ = nullptr;
};
