// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/collegamento_seriale.h"

#include "device/attesa_risposta.h"
#include "platform/impostazioni_utente.h"
#include "platform/porta_seriale.h"
#include "session/sessione.h"
#include "stream/decodifica.h"
#include "stream/motore_misura.h"

namespace {

// Restores what a reply wait changed, also when the port fails under it.
struct Ripristino_attesa {
    Porta_seriale& porta;
    bool& ricezione;
    bool& in_attesa;
    bool binario = porta.Modo_binario();
    int lunghezza = porta.Lunghezza_lettura();
    bool ricezione_prima = ricezione;
    ~Ripristino_attesa() {
        ricezione = ricezione_prima;
        in_attesa = false;
        porta.Imposta_modo_binario(binario);
        porta.Imposta_lunghezza_lettura(lunghezza);
    }
};

std::span<const std::uint8_t> Byte_di(const QByteArray& dati) {
    return {reinterpret_cast<const std::uint8_t*>(dati.constData()),
            static_cast<std::size_t>(dati.size())};
}

constexpr int Byte_blocco_flusso = int(Byte_lettura_seriale); // two records per read

} // namespace

Collegamento_seriale::Collegamento_seriale(Sessione& sessione, Porta_seriale& porta,
                                           Motore_misura& motore, QObject* parent)
    : Collegamento_scheda(parent), s_(sessione), porta_(porta), motore_(motore) {
    connect(&porta_, &Porta_seriale::Dati_ricevuti, this, &Collegamento_seriale::Ricezione);
    connect(&porta_, &Porta_seriale::Porta_persa, this, &Collegamento_scheda::Perso);
}

std::optional<QString> Collegamento_seriale::Apri() {
    try {
        porta_.Apri();
    } catch (const Errore_porta& e) {
        if (e.codice() == Errore_porta::Codice::Porta_gia_aperta ||
            e.codice() == Errore_porta::Codice::Porta_inesistente)
            return std::nullopt;
        return e.testo();
    }
    return std::nullopt;
}

bool Collegamento_seriale::Prova_numero(int numero) {
    try {
        porta_.Chiudi();
        porta_.Imposta_numero_porta(numero);
        porta_.Apri();
    } catch (const Errore_porta&) {
        return false; // nothing usable behind this number: the search goes on to the next
    }
    return porta_.Aperta();
}

bool Collegamento_seriale::Aperto() const {
    return porta_.Aperta();
}

QString Collegamento_seriale::Luogo() const {
    return QStringLiteral("com%1").arg(porta_.Numero_porta());
}

std::optional<QString> Collegamento_seriale::Invia(const QByteArray& comando) {
    try {
        porta_.Scrivi(comando);
    } catch (const Errore_porta& e) {
        return e.testo();
    }
    return std::nullopt;
}

QByteArray Collegamento_seriale::Attendi_risposta(int quanti, int attesa_ms) {
    if (in_attesa_) return {};
    in_attesa_ = true;
    Ripristino_attesa ripristino{porta_, Ricezione_attiva, in_attesa_};
    Ricezione_attiva = false;
    try {
        porta_.Imposta_modo_binario(true);
        porta_.Imposta_lunghezza_lettura(quanti);
        const bool arrivata =
            Attendi_finche([&] { return porta_.Byte_in_attesa() >= quanti; }, attesa_ms);
        if (arrivata) return porta_.Leggi();
    } catch (const Errore_porta&) {
        // The port failed during the wait: no reply, like a silent board. A vanished
        // device is reported by Porta_persa.
    }
    return {};
}

void Collegamento_seriale::Svuota() {
    try {
        const int lunghezza = porta_.Lunghezza_lettura();
        porta_.Imposta_lunghezza_lettura(0);
        porta_.Leggi();
        porta_.Imposta_lunghezza_lettura(lunghezza);
    } catch (const Errore_porta&) {
        // Nothing to discard from a port that is closed or gone.
    }
}

std::optional<QString> Collegamento_seriale::Prepara_verifica() {
    if (auto errore = Apri()) return errore;
    if (!porta_.Aperta()) return std::nullopt;
    try {
        porta_.Imposta_DTR(true);
        porta_.Imposta_RTS(true);
    } catch (const Errore_porta& e) {
        return e.testo();
    }
    return std::nullopt;
}

void Collegamento_seriale::Chiudi() {
    try {
        porta_.Chiudi();
    } catch (const Errore_porta&) {
        // Closed already, or gone.
    }
}

QString Collegamento_seriale::Scheda_trovata() {
    const QString numero = QString::number(porta_.Numero_porta());
    Salva_impostazione(QStringLiteral("Properties"), QStringLiteral("CommPort"), numero);
    return tr(" connesso su com%1").arg(numero);
}

std::optional<int> Collegamento_seriale::Tipo_scheda(int attesa_ms) {
    if (!porta_.Aperta()) return std::nullopt;
    const QByteArray risposta = Attendi_risposta(3, attesa_ms);
    if (risposta.size() < 3) return std::nullopt;
    return static_cast<std::uint8_t>(risposta.at(2));
}

void Collegamento_seriale::Prepara_flusso() {
    try {
        porta_.Imposta_modo_binario(true);
        porta_.Imposta_soglia_ricezione(Byte_blocco_flusso);
        porta_.Imposta_lunghezza_lettura(porta_.Soglia_ricezione());
    } catch (const Errore_porta&) {
        // A port that failed here fails the "$F" write next, which is reported.
    }
    Ricezione_attiva = true;
}

int Collegamento_seriale::Byte_in_attesa() const {
    return porta_.Aperta() ? porta_.Byte_in_attesa() : 0;
}

void Collegamento_seriale::Ricezione() {
    if (!Ricezione_attiva || !s_.Acquisizione_in_corso) return;
    const int lunghezza = porta_.Lunghezza_lettura();
    // "Everything waiting" or less than a record per read cannot keep the records whole.
    if (lunghezza < static_cast<int>(Byte_record_seriale)) return;
    try {
        while (porta_.Byte_in_attesa() > lunghezza) {
            const QByteArray blocco = porta_.Leggi();
            if (blocco.isEmpty()) break; // the port gave less than it announced
            motore_.Blocco_seriale(Byte_di(blocco));
        }
    } catch (const Errore_porta&) {
        // The port went away under the read: what was processed is kept, and Porta_persa
        // tells the operator.
    }
}
