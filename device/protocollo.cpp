// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocollo.h"

#include "device/collegamento_scheda.h"
#include "session/attendi.h"
#include "session/tipi_scheda.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>

namespace {
// The board type's part of the connection state, translated at use (" Scheda tipo 2").
QString Parte_tipo(const QString& tipo = QString()) {
    return QCoreApplication::translate("Protocollo", " Scheda tipo %1").arg(tipo);
}
constexpr float Attesa_assestamento_ms = 500; // after the lines go on, before the probe
} // namespace

QString Parte_connessione(const QString& stato) {
    const qsizetype inizio = stato.indexOf(Parte_tipo());
    return inizio < 0 ? stato : stato.left(inizio);
}

Protocollo::Protocollo(Sessione& sessione, Motore_misura& motore, Avvisi& avvisi, QObject* parent)
    : QObject(parent), s_(sessione), motore_(motore), avvisi_(avvisi) {}

void Protocollo::Imposta_collegamento(Collegamento_scheda* collegamento) {
    if (collegamento != c_) Dimentica_tipo();
    c_ = collegamento;
}

bool Protocollo::Tipo_confermato() const {
    return c_ != nullptr && c_ == tipo_su_ && c_->Aperto() && c_->Luogo() == tipo_luogo_;
}

void Protocollo::Dimentica_tipo() {
    tipo_su_ = nullptr;
    tipo_luogo_.clear();
}

bool Protocollo::Con_risposte() const {
    return c_ != nullptr && c_->Con_risposte();
}

std::optional<QString> Protocollo::Invia_comando(const QString& comando) {
    if (c_ == nullptr) return std::nullopt;
    return c_->Invia(comando.toLatin1());
}

void Protocollo::Svuota_ricezione() {
    if (c_ != nullptr) c_->Svuota();
}

std::uint8_t Protocollo::Leggi_byte() {
    const QByteArray risposta = Leggi_bytes(1);
    return static_cast<std::uint8_t>(risposta.at(0));
}

QByteArray Protocollo::Leggi_bytes(std::int16_t quanti) {
    const int attesi = std::max<int>(1, quanti);
    const QByteArray risposta =
        c_ != nullptr ? c_->Attendi_risposta(attesi, Timeout_ms) : QByteArray();
    if (risposta.size() < attesi) return QByteArray(1, '\0');
    return risposta;
}

bool Protocollo::Scambia(const QString& comando, std::int16_t attesi) {
    if (auto errore = Invia_comando(comando)) {
        avvisi_.Mostra(*errore);
        return false;
    }
    if (Con_risposte()) Leggi_bytes(attesi);
    return true;
}

bool Protocollo::Verifica_scheda() {
    // From the first probe on, replies are awaited 500 ms, whether or not the port opens.
    Timeout_ms = 500;
    Dimentica_tipo();
    if (c_ == nullptr) return false;
    if (auto errore = c_->Prepara_verifica()) avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
    if (!c_->Aperto()) return false;
    Attendi(Attesa_assestamento_ms);
    Svuota_ricezione();
    if (!Scambia(QStringLiteral("$"), 1)) return false;
    if (auto errore = Invia_comando(QStringLiteral("?"))) {
        avvisi_.Mostra(*errore);
        return false;
    }
    if (QString::fromLatin1(Leggi_bytes(4)) != QLatin1String("?YES")) return false;
    s_.Scheda.Stato_connessione = c_->Scheda_trovata();
    Q_EMIT Stato_cambiato();
    return true;
}

std::optional<int> Protocollo::Leggi_tipo_scheda() {
    return Chiedi_tipo(true);
}

std::optional<int> Protocollo::Chiedi_tipo(bool avvisa) {
    Dimentica_tipo();
    Svuota_ricezione();
    if (c_ == nullptr) {
        if (avvisa) avvisi_.Mostra(tr("Nessuna scheda collegata."));
        return std::nullopt;
    }
    bool aperto_qui = false;
    if (!c_->Aperto()) {
        if (auto errore = c_->Prepara_verifica(); errore && avvisa)
            avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
        if (!c_->Aperto()) {
            if (avvisa)
                avvisi_.Mostra(tr("Nessuna scheda su %1: controllare che la scheda sia "
                                  "collegata e accesa e che la porta sia quella giusta.")
                                   .arg(c_->Luogo()));
            return std::nullopt;
        }
        aperto_qui = true;
        Attendi(Attesa_assestamento_ms);
        Svuota_ricezione();
    }
    std::optional<int> tipo;
    if (auto errore = Invia_comando(QStringLiteral("$D"))) {
        if (avvisa) avvisi_.Mostra(*errore);
    } else {
        tipo = c_->Tipo_scheda(Timeout_ms);
        if (!tipo && avvisa)
            avvisi_.Mostra(tr("La scheda non ha indicato il suo tipo: nessuna "
                              "risposta entro %1 ms su %2.\nControllare che la "
                              "scheda sia collegata e accesa.")
                               .arg(Timeout_ms)
                               .arg(c_->Luogo()));
    }
    if (!tipo) {
        // Left closed as it was found, so the search for a lost board goes on.
        if (aperto_qui) c_->Chiudi();
        return std::nullopt;
    }
    Applica_tipo(*tipo);
    return tipo;
}

void Protocollo::Applica_tipo(int tipo) {
    // An answer over a link with replies shows where the board is, whatever was found
    // before.
    const QString connessione =
        c_->Con_risposte() ? c_->Scheda_trovata() : Parte_connessione(s_.Scheda.Stato_connessione);
    s_.Scheda.Stato_connessione = connessione + Parte_tipo(QString::number(tipo));
    const Calibrazione_scheda calibrazione = Calibrazione_tipo(tipo);
    s_.Scheda.Fattore_posizione = calibrazione.Fattore_posizione;
    s_.Scheda.Fattore_tempo = calibrazione.Fattore_tempo;
    s_.Scheda.Tipo_scheda = tipo;
    tipo_su_ = c_;
    tipo_luogo_ = c_->Luogo();
    Q_EMIT Stato_cambiato();
    if (!calibrazione.Riconosciuta) avvisi_.Mostra(Messaggio_tipo_sconosciuto());
}

void Protocollo::Inizializza_scheda() {
    Svuota_ricezione();
    // A link without replies has no configuration to give, and a closed port none either:
    // the query ends silently with nothing changed.
    if (Con_risposte() && c_->Aperto() && !c_->Invia(QByteArrayLiteral("$i"))) {
        const QByteArray conferma = Leggi_bytes(3);
        if (conferma.size() == 3 && conferma.at(2) == 2) {
            const QByteArray configurazione = Leggi_bytes(3);
            if (configurazione.size() == 3) {
                const auto byte = [&](int i) {
                    return static_cast<std::int32_t>(
                        static_cast<std::uint8_t>(configurazione.at(i)));
                };
                s_.Scheda.Canali_abilitati = byte(0);
                s_.Scheda.Tempo_campionamento = byte(1) + 256 * byte(2);
            }
        }
    }
    Svuota_ricezione();
}

void Protocollo::Prepara_scheda() {
    Ferma_acquisizione();
    Leggi_tipo_scheda();
    Inizializza_scheda();
}

void Protocollo::Avvia_acquisizione() {
    // A board not asked yet (plugged in after start-up, or on a port chosen since) says
    // its type first; its silence is the start's own failure, told once below.
    bool presente = Tipo_confermato() || Chiedi_tipo(false).has_value();
    if (presente) {
        Svuota_ricezione();
        // A closed or vanished port fails the write: no board to talk to either.
        presente = !Invia_comando(QStringLiteral("$T"));
        if (presente && Con_risposte()) presente = Leggi_bytes(2).at(0) == '$';
    }
    if (!presente) {
        avvisi_.Mostra(tr("Apparato non collegato o spento!"), Avvisi::Icona::Critico,
                       QStringLiteral("Kinetrack"));
        Q_EMIT Avvio_spento();
        return;
    }
    if (c_ != nullptr) c_->Prepara_flusso();
    motore_.Inizia_acquisizione();
    Svuota_ricezione();
    if (auto errore = Invia_comando(QStringLiteral("$F"))) {
        motore_.Fine_acquisizione();
        avvisi_.Mostra(*errore);
        Q_EMIT Avvio_spento();
        return;
    }
    // The "$F" reply is read by the wait, not taken for samples.
    if (Con_risposte()) Leggi_bytes(2);
}

void Protocollo::Ferma_acquisizione() {
    motore_.Fine_acquisizione();
    Ferma_flusso();
    // Only now the panel goes off and saves: "$T" has reached the board first, whatever
    // the save then shows.
    Q_EMIT Avvio_spento();
}

void Protocollo::Ferma_flusso() {
    // Nothing streams into a closed link (unplugged, or no board was found).
    if (c_ == nullptr || !c_->Aperto()) return;
    if (auto errore = Invia_comando(QStringLiteral("$T"))) {
        avvisi_.Mostra(*errore);
        return;
    }
    if (!Con_risposte()) return;
    // Records already on the line arrive before the reply, which is the last thing the
    // board sends: reading up to it leaves nothing behind for the next command's answer.
    QByteArray letti;
    QElapsedTimer trascorso;
    trascorso.start();
    while (!letti.endsWith("$T") && trascorso.elapsed() < qint64{Timeout_ms}) {
        const QByteArray r =
            c_->Attendi_risposta(1, static_cast<int>(Timeout_ms - trascorso.elapsed()));
        if (r.isEmpty()) break;
        letti += r;
    }
}

void Protocollo::Invia_segnale() {
    Ferma_acquisizione();
    Svuota_ricezione();
    if (c_ == nullptr || !c_->Aperto()) return;
    Scambia(QStringLiteral("$Z"), 2);
}

void Protocollo::Collegamento_perso(const QString& testo) {
    const bool in_corso = s_.Acquisizione_in_corso;
    motore_.Fine_acquisizione();
    Dimentica_tipo();
    s_.Scheda.Stato_connessione = tr(" Disconnesso");
    Q_EMIT Stato_cambiato();
    if (in_corso) Q_EMIT Avvio_spento();
    QString messaggio = testo;
    if (in_corso)
        messaggio += QLatin1Char('\n') +
                     tr("L'acquisizione è stata fermata; i dati registrati sono conservati.");
    // The program looks for it again on the same port (Ritorno_seriale).
    messaggio += QLatin1Char('\n') + tr("Quando la scheda torna, il programma la ritrova da solo: "
                                        "il titolo della finestra lo indica.");
    avvisi_.Mostra(messaggio, Avvisi::Icona::Avviso);
}
