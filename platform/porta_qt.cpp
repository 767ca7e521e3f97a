// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/porta_qt.h"

#include "platform/blocco_porta.h"
#include "platform/errori_sistema.h"
#include "platform/mappa_porte.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <iterator>

namespace {

Errore_porta Non_valida(const QString& testo) {
    return Errore_porta(Errore_porta::Codice::Impostazione_non_valida, testo);
}

// The parity letters of the settings string.
struct Lettera_parita {
    char lettera;
    QSerialPort::Parity parita;
};
constexpr Lettera_parita Parita[] = {{'N', QSerialPort::NoParity},
                                     {'E', QSerialPort::EvenParity},
                                     {'O', QSerialPort::OddParity},
                                     {'M', QSerialPort::MarkParity},
                                     {'S', QSerialPort::SpaceParity}};

// Why the port failed, in Italian. Qt's text for a refused lock names neither the lock file
// nor the way out: the lock file is looked at instead.
QString Motivo(const QSerialPort& seriale, const QString& dispositivo) {
    const QString testo = seriale.errorString();
    if (const int numero = Numero_errore_da_testo(testo)) {
        if (numero == EACCES && seriale.error() == QSerialPort::PermissionError)
            return Testo_errore_sistema(numero) +
                   QCoreApplication::translate(
                       "Porta_qt", " (per le porte seriali l'utente deve far parte del gruppo "
                                   "dialout)");
        return Testo_errore_sistema(numero);
    }
    if (seriale.error() == QSerialPort::PermissionError)
        return Spiega_blocco_porta(File_blocco_porta(dispositivo));
    return testo;
}

} // namespace

Parametri_porta Interpreta_impostazioni(const QString& testo) {
    const QStringList parti = testo.split(QLatin1Char(','));
    if (parti.size() != 4)
        throw Non_valida(QCoreApplication::translate(
                             "Porta_qt", "Impostazioni della porta non valide: \"%1\" "
                                         "(atteso velocità,parità,bit di dati,bit di stop)")
                             .arg(testo));
    Parametri_porta p;
    bool ok = false;
    const int velocita = parti[0].trimmed().toInt(&ok);
    if (!ok || velocita <= 0)
        throw Non_valida(QCoreApplication::translate("Porta_qt", "Velocità non valida: \"%1\"")
                             .arg(parti[0].trimmed()));
    p.velocita = velocita;

    const QString parita = parti[1].trimmed().toUpper();
    const auto* riga = std::find_if(std::begin(Parita), std::end(Parita), [&](const auto& r) {
        return parita == QLatin1Char(r.lettera);
    });
    if (riga == std::end(Parita))
        throw Non_valida(QCoreApplication::translate("Porta_qt", "Parità non valida: \"%1\"")
                             .arg(parti[1].trimmed()));
    p.parita = riga->parita;

    const QString dati = parti[2].trimmed();
    const int bit = dati.toInt(&ok);
    if (!ok || bit < 4 || bit > 8)
        throw Non_valida(
            QCoreApplication::translate("Porta_qt", "Bit di dati non validi: \"%1\"").arg(dati));
    if (bit == 4)
        throw Non_valida(QCoreApplication::translate(
            "Porta_qt", "4 bit di dati non sono gestiti da questa porta "
                        "(usare da 5 a 8)"));
    p.bit_dati = static_cast<QSerialPort::DataBits>(bit);

    const QString stop = parti[3].trimmed();
    if (stop == QLatin1String("1"))
        p.bit_stop = QSerialPort::OneStop;
    else if (stop == QLatin1String("2"))
        p.bit_stop = QSerialPort::TwoStop;
    else if (stop == QLatin1String("1.5") || stop == QLatin1String("1,5"))
        throw Non_valida(QCoreApplication::translate(
            "Porta_qt", "1,5 bit di stop non sono gestiti da questa porta "
                        "(usare 1 o 2)"));
    else
        throw Non_valida(
            QCoreApplication::translate("Porta_qt", "Bit di stop non validi: \"%1\"").arg(stop));
    return p;
}

QString Testo_impostazioni(const Parametri_porta& p) {
    QChar lettera = QLatin1Char('N');
    for (const auto& r : Parita)
        if (r.parita == p.parita) lettera = QLatin1Char(r.lettera);
    const QString stop = p.bit_stop == QSerialPort::TwoStop          ? QStringLiteral("2")
                         : p.bit_stop == QSerialPort::OneAndHalfStop ? QStringLiteral("1.5")
                                                                     : QStringLiteral("1");
    return QStringLiteral("%1,%2,%3,%4")
        .arg(QString::number(p.velocita), QString(lettera),
             QString::number(static_cast<int>(p.bit_dati)), stop);
}

Porta_qt::Porta_qt(QObject* parent) : Porta_seriale(parent) {
    connect(&seriale_, &QSerialPort::readyRead, this, &Porta_qt::Dati_pronti);
    connect(&seriale_, &QSerialPort::errorOccurred, this, &Porta_qt::Errore_seriale);
}

Porta_qt::~Porta_qt() {
    // No signals towards a half-destroyed object.
    seriale_.disconnect(this);
    if (seriale_.isOpen()) seriale_.close();
}

void Porta_qt::Imposta_numero_porta(int numero) {
    if (numero == numero_) return;
    if (Aperta())
        throw Errore_porta(Errore_porta::Codice::Porta_gia_aperta,
                           QCoreApplication::translate(
                               "Porta_qt", "Porta già aperta: chiuderla prima di cambiare numero"));
    numero_ = numero;
}

void Porta_qt::Imposta_impostazioni(const QString& testo) {
    const Parametri_porta nuovi = Interpreta_impostazioni(testo);
    if (Aperta()) Applica_parametri(nuovi);
    parametri_ = nuovi;
}

void Porta_qt::Imposta_handshaking(int codice) {
    if (codice < 0 || codice > 3)
        throw Non_valida(
            QCoreApplication::translate("Porta_qt", "Controllo di flusso non valido: %1")
                .arg(codice));
    if (codice == 3)
        throw Non_valida(QCoreApplication::translate(
            "Porta_qt", "Il controllo di flusso Xon/RTS insieme non è gestito "
                        "da questa porta: scegliere Xon/Xoff oppure RTS"));
    if (Aperta()) Applica_handshaking(codice);
    handshaking_ = codice;
}

void Porta_qt::Applica_parametri(const Parametri_porta& p) {
    const bool ok = seriale_.setBaudRate(p.velocita) && seriale_.setParity(p.parita) &&
                    seriale_.setDataBits(p.bit_dati) && seriale_.setStopBits(p.bit_stop);
    if (!ok) {
        const QString motivo = Motivo(seriale_, dispositivo_);
        seriale_.clearError();
        throw Non_valida(QCoreApplication::translate(
                             "Porta_qt", "La porta com%1 non accetta le impostazioni %2: %3")
                             .arg(QString::number(numero_), Testo_impostazioni(p), motivo));
    }
}

void Porta_qt::Applica_handshaking(int codice) {
    const auto flusso = codice == 1   ? QSerialPort::SoftwareControl
                        : codice == 2 ? QSerialPort::HardwareControl
                                      : QSerialPort::NoFlowControl;
    if (!seriale_.setFlowControl(flusso)) {
        const QString motivo = Motivo(seriale_, dispositivo_);
        seriale_.clearError();
        throw Non_valida(QCoreApplication::translate(
                             "Porta_qt", "La porta com%1 non accetta il controllo di flusso: %2")
                             .arg(QString::number(numero_), motivo));
    }
}

void Porta_qt::Applica_linee() {
    // A pseudo-terminal has no modem lines: the port stays usable without them.
    if (!Aperta()) return;
    seriale_.setDataTerminalReady(dtr_);
    if (handshaking_ != 2) seriale_.setRequestToSend(rts_);
    seriale_.clearError();
}

void Porta_qt::Apri() {
    if (Aperta())
        throw Errore_porta(Errore_porta::Codice::Porta_gia_aperta,
                           QCoreApplication::translate("Porta_qt", "Porta già aperta"));
    const QString dispositivo = Dispositivo_porta(numero_);
    if (dispositivo.isEmpty())
        throw Errore_porta(Errore_porta::Codice::Porta_inesistente,
                           QCoreApplication::translate("Porta_qt", "Porta com%1 inesistente (%2)")
                               .arg(QString::number(numero_), Descrizione_porta(numero_)));
    seriale_.setPortName(dispositivo);
    dispositivo_ = dispositivo;
    if (!seriale_.open(QIODevice::ReadWrite)) {
        const QString motivo = Motivo(seriale_, dispositivo);
        // The device node went away between the look-up and the open.
        const auto codice = seriale_.error() == QSerialPort::DeviceNotFoundError
                                ? Errore_porta::Codice::Porta_inesistente
                                : Errore_porta::Codice::Generico;
        seriale_.clearError();
        throw Errore_porta(codice, QCoreApplication::translate(
                                       "Porta_qt", "Impossibile aprire la porta com%1 (%2): %3")
                                       .arg(QString::number(numero_), dispositivo, motivo));
    }
    try {
        Applica_parametri(parametri_);
        Applica_handshaking(handshaking_);
    } catch (const Errore_porta&) { // settings refused: the port stays closed
        seriale_.close();
        throw;
    }
    Applica_linee();
}

void Porta_qt::Chiudi() {
    if (seriale_.isOpen()) seriale_.close();
    seriale_.clearError();
}

void Porta_qt::Imposta_DTR(bool acceso) {
    dtr_ = acceso;
    Applica_linee();
}

void Porta_qt::Imposta_RTS(bool acceso) {
    rts_ = acceso;
    Applica_linee();
}

int Porta_qt::Byte_in_attesa() const {
    return Aperta() ? static_cast<int>(seriale_.bytesAvailable()) : 0;
}

QByteArray Porta_qt::Leggi() {
    if (!Aperta()) return {};
    return lunghezza_ > 0 ? seriale_.read(lunghezza_) : seriale_.readAll();
}

void Porta_qt::Scrivi(const QByteArray& dati) {
    if (!Aperta())
        throw Errore_porta(Errore_porta::Codice::Porta_chiusa,
                           QCoreApplication::translate("Porta_qt", "Porta non aperta"));
    if (seriale_.write(dati) != dati.size()) {
        const QString motivo = Motivo(seriale_, dispositivo_);
        seriale_.clearError();
        throw Errore_porta(
            Errore_porta::Codice::Generico,
            QCoreApplication::translate("Porta_qt", "Scrittura sulla porta com%1 fallita: %2")
                .arg(QString::number(numero_), motivo));
    }
    // Commands are short: hand them to the driver now rather than at the next event.
    seriale_.flush();
}

void Porta_qt::Dati_pronti() {
    Q_EMIT Byte_arrivati();
    if (soglia_ > 0 && Byte_in_attesa() >= soglia_) Q_EMIT Dati_ricevuti();
}

void Porta_qt::Errore_seriale(QSerialPort::SerialPortError errore) {
    // An unplugged adapter reports a resource error; a pseudo-terminal whose other end
    // has gone reports read errors, again and again, as long as it stays open.
    if (errore != QSerialPort::ResourceError && errore != QSerialPort::ReadError) return;
    if (!seriale_.isOpen()) return;
    const QString testo =
        QCoreApplication::translate("Porta_qt", "Collegamento perso con la porta com%1 (%2): il "
                                                "dispositivo è stato scollegato o spento.")
            .arg(QString::number(numero_), dispositivo_);
    seriale_.close();
    seriale_.clearError();
    Q_EMIT Porta_persa(testo);
}
