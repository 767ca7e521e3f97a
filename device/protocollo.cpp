#include "device/protocollo.h"

#include "device/uscita_hid.h"
#include "platform/impostazioni_utente.h"
#include "session/attendi.h"
#include "stream/motore_misura.h"

#include <QEventLoop>
#include <algorithm>
#include <exception>

namespace {

const QString Parte_tipo = QStringLiteral(" Scheda tipo ");

QString Testo_errore(const std::exception& e) {
    if (const auto* porta = dynamic_cast<const Errore_porta*>(&e)) return porta->testo();
    return QString::fromUtf8(e.what());
}

// Restores what a reply wait changed, also when a read throws.
struct Ripristino_attesa {
    Sessione& s;
    Porta_seriale& porta;
    bool binario = porta.Modo_binario();
    int lunghezza = porta.Lunghezza_lettura();
    bool ricezione = s.Ricezione_attiva;
    ~Ripristino_attesa() {
        s.Ricezione_attiva = ricezione;
        porta.Imposta_modo_binario(binario);
        porta.Imposta_lunghezza_lettura(lunghezza);
    }
};

} // namespace

Calibrazione_scheda Calibrazione_tipo(int tipo) {
    switch (tipo) {
    case 1:
        return {Fattore_posizione_tipo1, Fattore_tempo_tipo12, true};
    case 2:
        return {Fattore_posizione_tipo23, Fattore_tempo_tipo12, true};
    case 3:
        return {Fattore_posizione_tipo23, Fattore_tempo_tipo3, true};
    default:
        return {Fattore_posizione_tipo23, Fattore_tempo_tipo3, false};
    }
}

QString Parte_connessione(const QString& stato) {
    const qsizetype inizio = stato.indexOf(Parte_tipo);
    return inizio < 0 ? stato : stato.left(inizio);
}

Protocollo::Protocollo(Sessione& sessione, Porta_seriale& porta, Avvisi& avvisi, QObject* parent)
    : QObject(parent), s_(sessione), porta_(porta), avvisi_(avvisi) {
    Timer_Seriale.setSingleShot(true);
    connect(&Timer_Seriale, &QTimer::timeout, this, [this] { s_.Timeout_scaduto = true; });
}

void Protocollo::Open_comm() {
    try {
        porta_.Apri();
    } catch (const Errore_porta& e) {
        // An open port is fine; a number with nothing plugged in is not worth a message
        // (a first start without a board): the probe fails and the search follows.
        if (e.codice() != Errore_porta::Codice::Porta_gia_aperta &&
            e.codice() != Errore_porta::Codice::Porta_inesistente)
            avvisi_.Mostra(e.testo(), Avvisi::Icona::Avviso);
    }
}

void Protocollo::Invia_comando(const QString& comando) {
    if (s_.Usa_hid && hid_ != nullptr) hid_->HID_invia_stringa(comando);
    if (s_.Usa_seriale) porta_.Scrivi(comando.toLatin1());
}

void Protocollo::Svuota_ricezione() {
    try {
        const int lunghezza = porta_.Lunghezza_lettura();
        porta_.Imposta_lunghezza_lettura(0);
        porta_.Leggi();
        porta_.Imposta_lunghezza_lettura(lunghezza);
    } catch (...) {
    }
}

QByteArray Protocollo::Attendi_risposta(int quanti) {
    Ripristino_attesa ripristino{s_, porta_};
    s_.Ricezione_attiva = false;
    // A wait started by a handler inside this one (a click during a reply wait) gets a
    // timer of its own, so it cannot cancel this wait's time-out.
    QTimer proprio;
    QTimer& timer = Timer_Seriale.isActive() ? proprio : Timer_Seriale;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    porta_.Imposta_modo_binario(true);
    porta_.Imposta_lunghezza_lettura(quanti);

    QByteArray risposta;
    bool finita = false;
    s_.Timeout_scaduto = false;
    // Sleeps until bytes arrive or the timer ticks; other events run meanwhile.
    QEventLoop ciclo;
    connect(&porta_, &Porta_seriale::Byte_arrivati, &ciclo, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &ciclo, [&] {
        finita = true;
        ciclo.quit();
    });
    timer.start(std::max<int>(0, s_.Timeout_ms));
    while (!finita) {
        if (porta_.Byte_in_attesa() >= quanti) {
            risposta = porta_.Leggi();
            break;
        }
        ciclo.exec();
    }
    timer.stop();
    s_.Timeout_scaduto = true;
    return risposta;
}

std::uint8_t Protocollo::Leggi_byte() {
    const QByteArray risposta = Attendi_risposta(1);
    return risposta.isEmpty() ? 0 : static_cast<std::uint8_t>(risposta.at(0));
}

QByteArray Protocollo::Leggi_bytes(std::int16_t quanti) {
    const QByteArray risposta = Attendi_risposta(std::max<int>(1, quanti));
    if (risposta.size() < quanti) return QByteArray(1, '\0');
    return risposta;
}

bool Protocollo::Verifica_scheda() {
    bool risultato = false;
    try {
        Open_comm();
        // Open_comm has told the operator why the port did not open, if it matters.
        if (s_.Usa_seriale && !porta_.Aperta()) return false;
        porta_.Imposta_DTR(true);
        porta_.Imposta_RTS(true);
        Attendi(500);
        Svuota_ricezione();
        s_.Timeout_ms = 500;
        Invia_comando(QStringLiteral("$"));
        Leggi_byte();
        Invia_comando(QStringLiteral("?"));
        const QString risposta = QString::fromLatin1(Leggi_bytes(4));
        if (risposta == QLatin1String("?YES")) {
            risultato = true;
            const QString numero = QString::number(porta_.Numero_porta());
            s_.Stato_connessione = QStringLiteral(" connesso su com") + numero;
            Q_EMIT Stato_cambiato();
            Salva_impostazione(QStringLiteral("Properties"), QStringLiteral("CommPort"), numero);
        }
    } catch (const std::exception& e) {
        avvisi_.Mostra(Testo_errore(e));
    }
    return risultato;
}

void Protocollo::Leggi_tipo_scheda() {
    Svuota_ricezione();
    try {
        // A closed port (no board was found) gets the same answer as a silent board.
        const bool chiusa = s_.Usa_seriale && !porta_.Aperta();
        if (!chiusa) Invia_comando(QStringLiteral("$D"));
        int tipo = 0;
        if (s_.Usa_seriale) {
            const QByteArray risposta = chiusa ? QByteArray() : Leggi_bytes(3);
            if (risposta.size() < 3) {
                avvisi_.Mostra(QStringLiteral("La scheda non ha indicato il suo tipo: nessuna "
                                              "risposta entro %1 ms.\nControllare che la "
                                              "scheda sia collegata e accesa.")
                                   .arg(s_.Timeout_ms));
                return;
            }
            tipo = static_cast<std::uint8_t>(risposta.at(2));
        }
        if (s_.Usa_hid) {
            Attendi(100);
            tipo = s_.Buffer_in[2];
        }
        s_.Stato_connessione =
            Parte_connessione(s_.Stato_connessione) + Parte_tipo + QString::number(tipo);
        const Calibrazione_scheda calibrazione = Calibrazione_tipo(tipo);
        s_.Fattore_posizione = calibrazione.Fattore_posizione;
        s_.Fattore_tempo = calibrazione.Fattore_tempo;
        Q_EMIT Stato_cambiato();
        if (!calibrazione.Riconosciuta)
            avvisi_.Mostra(QStringLiteral("dispositivo non riconosciuto: DEFAULT TIPO 3!!"));
    } catch (const std::exception& e) {
        avvisi_.Mostra(Testo_errore(e));
    }
}

void Protocollo::Inizializza_scheda() {
    Svuota_ricezione();
    try {
        // Straight to the port: over HID the port is closed and the query ends here.
        porta_.Scrivi(QByteArrayLiteral("$i"));
        const QByteArray conferma = Leggi_bytes(3);
        if (conferma.size() == 3 && conferma.at(2) == 2) {
            const QByteArray configurazione = Leggi_bytes(3);
            if (configurazione.size() == 3) {
                const auto byte = [&](int i) {
                    return static_cast<std::int32_t>(
                        static_cast<std::uint8_t>(configurazione.at(i)));
                };
                s_.Canali_abilitati = byte(0);
                s_.Tempo_campionamento = byte(1) + 256 * byte(2);
            }
        }
    } catch (...) {
    }
    Svuota_ricezione();
}

void Protocollo::Avvia_acquisizione() {
    Svuota_ricezione();
    bool presente = true;
    try {
        Invia_comando(QStringLiteral("$T"));
        if (s_.Usa_seriale) presente = Leggi_bytes(2).at(0) == '$';
    } catch (const std::exception&) {
        presente = false; // a closed or vanished port: no board to talk to
    }
    if (!presente) {
        avvisi_.Mostra(QStringLiteral("Apparato non collegato o spento!"), Avvisi::Icona::Critico,
                       QStringLiteral("Kinetrack"));
        Q_EMIT Avvio_spento();
        return;
    }
    if (s_.Usa_seriale) {
        porta_.Imposta_modo_binario(true);
        porta_.Imposta_soglia_ricezione(12); // two 6-byte records
        porta_.Imposta_lunghezza_lettura(porta_.Soglia_ricezione());
        s_.Ricezione_attiva = true;
    }
    if (motore_ != nullptr) motore_->Azzera_misura();
    s_.Acquisizione_in_corso = true;
    s_.Disegno_abilitato = true;
    try {
        if (s_.Usa_seriale) Svuota_ricezione();
        Invia_comando(QStringLiteral("$F"));
        if (s_.Usa_seriale) Leggi_bytes(2);
    } catch (const std::exception& e) {
        s_.Acquisizione_in_corso = false;
        avvisi_.Mostra(Testo_errore(e));
        Q_EMIT Avvio_spento();
        return;
    }
    s_.Tempo_corrente = 0;
    s_.Stato_fase = {1, 0};
}

void Protocollo::Ferma_acquisizione() {
    s_.Acquisizione_in_corso = false;
    Q_EMIT Avvio_spento();
    // Nothing streams into a closed port (unplugged, or no board was found).
    if (s_.Usa_seriale && !porta_.Aperta()) return;
    try {
        Invia_comando(QStringLiteral("$T"));
        if (s_.Usa_seriale) Leggi_bytes(2);
    } catch (const std::exception& e) {
        avvisi_.Mostra(Testo_errore(e));
    }
}

void Protocollo::Invia_segnale() {
    Ferma_acquisizione();
    Svuota_ricezione();
    if (s_.Usa_seriale && !porta_.Aperta()) return;
    try {
        Invia_comando(QStringLiteral("$Z"));
        if (s_.Usa_seriale) Leggi_bytes(2);
    } catch (const std::exception& e) {
        avvisi_.Mostra(Testo_errore(e));
    }
}

void Protocollo::Porta_persa(const QString& testo) {
    const bool in_corso = s_.Acquisizione_in_corso;
    s_.Acquisizione_in_corso = false;
    s_.Stato_connessione = QStringLiteral(" Disconnesso");
    Q_EMIT Stato_cambiato();
    if (in_corso) Q_EMIT Avvio_spento();
    QString messaggio = testo;
    if (in_corso)
        messaggio += QStringLiteral("\nL'acquisizione è stata fermata; i dati registrati sono "
                                    "conservati.");
    avvisi_.Mostra(messaggio, Avvisi::Icona::Avviso);
}
