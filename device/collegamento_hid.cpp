// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/collegamento_hid.h"

#include "session/attendi.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <algorithm>

namespace {
constexpr float Attesa_tipo_ms = 100;
}

Collegamento_hid::Collegamento_hid(Sessione& sessione, Libreria_hid& libreria,
                                   Motore_misura& motore)
    : s_(sessione), libreria_(libreria), motore_(motore), sorveglianza_(libreria) {
    connect(&sorveglianza_, &Sorveglianza_hid::Collegato, this, &Collegamento_hid::OnPlugged);
    connect(&sorveglianza_, &Sorveglianza_hid::Scollegato, this, &Collegamento_hid::OnUnplugged);
    connect(&sorveglianza_, &Sorveglianza_hid::Cambiato, this, &Collegamento_hid::OnChanged);
    connect(&lettore_, &Lettore_hid::Report_letto, this, &Collegamento_hid::OnRead);
    connect(&lettore_, &Lettore_hid::Lettura_fallita, this, &Collegamento_hid::Chiudi_scheda);
    sorveglianza_.Avvia();
}

Collegamento_hid::~Collegamento_hid() {
    sorveglianza_.Ferma();
    Chiudi_scheda();
}

std::optional<QString> Collegamento_hid::Invia(const QByteArray& comando) {
    try {
        HID_invia_stringa(QString::fromLatin1(comando));
    } catch (const Errore_piattaforma& e) {
        return e.testo();
    }
    return std::nullopt;
}

std::optional<int> Collegamento_hid::Tipo_scheda(int attesa_ms) {
    (void)attesa_ms; // the board's answer comes with the next input report
    if (!connessione_) return std::nullopt;
    Attendi(Attesa_tipo_ms);
    return Buffer_in[2];
}

void Collegamento_hid::HID_invia_stringa(const QString& testo) {
    Buffer_out.fill(0);
    const QByteArray byte = testo.toLatin1().left(static_cast<qsizetype>(Buffer_out.size()) - 1);
    std::copy(byte.begin(), byte.end(), Buffer_out.begin() + 1);
    WriteSomeData();
}

void Collegamento_hid::WriteSomeData() {
    if (!connessione_) throw Errore_piattaforma(tr("Dispositivo HID non collegato"));
    connessione_->Scrivi(Buffer_out.data(), Buffer_out.size());
}

void Collegamento_hid::OnPlugged(const Dispositivo_hid& dispositivo) {
    if (!E_la_scheda(dispositivo)) return;
    // A board that cannot be opened (no permission on its device node) is no transport:
    // nothing is shown and the program goes on as without it.
    Apri_scheda(dispositivo);
    if (!connessione_) return;
    s_.Scheda.Collegamento = Collegamento::Hid;
    s_.Scheda.Stato_connessione = Scheda_trovata();
    Q_EMIT Stato_cambiato();
}

void Collegamento_hid::OnUnplugged(const Dispositivo_hid& dispositivo) {
    if (!E_la_scheda(dispositivo)) return;
    if (dispositivo.percorso == percorso_scheda_) Chiudi_scheda();
    if (s_.Scheda.Collegamento == Collegamento::Hid) s_.Scheda.Collegamento = Collegamento::Nessuno;
    s_.Scheda.Stato_connessione = tr(" Disconnesso");
    Q_EMIT Stato_cambiato();
    // Unplugged while recording: lost as a serial port's device is (stopped and saved).
    if (s_.Acquisizione_in_corso)
        Q_EMIT Perso(tr("Collegamento perso con la scheda USB: è stata scollegata."));
}

void Collegamento_hid::OnChanged() {
    // Reports of the board are read from now on; a board whose link failed is reopened.
    if (connessione_) {
        if (!lettore_.Attivo()) lettore_.Avvia(*connessione_);
        return;
    }
    if (s_.Scheda.Collegamento != Collegamento::Hid) return;
    for (const auto& d : libreria_.Elenca())
        if (E_la_scheda(d)) {
            Apri_scheda(d);
            break;
        }
}

void Collegamento_hid::OnRead(const QByteArray& report) {
    const auto copiati =
        std::min<std::size_t>(static_cast<std::size_t>(report.size()), Buffer_in.size());
    const auto* byte = reinterpret_cast<const std::uint8_t*>(report.constData());
    std::copy_n(byte, copiati, Buffer_in.begin());
    std::fill(Buffer_in.begin() + static_cast<std::ptrdiff_t>(copiati), Buffer_in.end(),
              std::uint8_t{0});
    if (s_.Acquisizione_in_corso) motore_.Report_hid({Buffer_in.data(), copiati});
}

void Collegamento_hid::Apri_scheda(const Dispositivo_hid& dispositivo) {
    if (connessione_) return;
    try {
        connessione_ = libreria_.Apri(dispositivo.percorso);
    } catch (const Errore_piattaforma&) {
        return; // no permission or gone again: as if no board were there
    }
    percorso_scheda_ = dispositivo.percorso;
    lettore_.Avvia(*connessione_);
}

void Collegamento_hid::Chiudi_scheda() {
    lettore_.Ferma();
    connessione_.reset();
    percorso_scheda_.clear();
}
