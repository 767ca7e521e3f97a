#include "session/avvio.h"

#include "analysis/frm_grafici.h"
#include "device/frm_hid.h"
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/vista_principale.h"
#include "platform/hid_hidapi.h"
#include "platform/porta_qt.h"
#include "session/attendi.h"
#include "stream/frm_seriale.h"
#include "stream/motore_misura.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString Titolo_programma(int maggiore, int minore, int revisione) {
    return QStringLiteral("KINETRACK %1.%2.%3").arg(maggiore).arg(minore).arg(revisione);
}

QString Titolo_programma() {
    return Titolo_programma(KT_VERSIONE_MAGGIORE, KT_VERSIONE_MINORE, KT_VERSIONE_REVISIONE);
}

QString Cartella_applicazione(const QString& cartella_eseguibile, QString* errore) {
    const QDir eseguibile(cartella_eseguibile);
    const QString cartella =
        QFileInfo::exists(eseguibile.filePath(QLatin1String(Marcatore_portatile)))
            ? eseguibile.absolutePath()
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/kinetrack");
    if (!QDir().mkpath(cartella) && errore)
        *errore = QStringLiteral("Impossibile creare la cartella dei dati %1")
                      .arg(QDir::toNativeSeparators(cartella));
    return QDir::cleanPath(cartella);
}

void Imposta_percorsi(Sessione& s, const QString& cartella_applicazione) {
    s.Cartella_applicazione = cartella_applicazione;
    s.Cartella_ini = cartella_applicazione + QStringLiteral("/ini");
    s.File_ini = s.Cartella_ini + QStringLiteral("/brax.ini");
}

Programma::Programma(const Opzioni& opzioni) : opzioni_(opzioni) {
    if (!opzioni_.hid) {
        hid_proprio_ = std::make_unique<Libreria_hidapi>();
        opzioni_.hid = hid_proprio_.get();
    }
    if (!opzioni_.porta) porta_propria_ = std::make_unique<Porta_qt>();
    porta_ = opzioni_.porta ? opzioni_.porta : porta_propria_.get();
    principale_ = std::make_unique<Frm_main>();
    avvisi_ = opzioni_.avvisi ? opzioni_.avvisi : principale_.get();
    protocollo_ = std::make_unique<Protocollo>(s_, *porta_, *avvisi_);
    vista_ = std::make_unique<Vista_principale>();
    motore_ = std::make_unique<Motore_misura>(s_, *vista_, QLocale());
    motore_->Imposta_porta(porta_);
    protocollo_->Imposta_motore(motore_.get());
    connect(porta_, &Porta_seriale::Dati_ricevuti, this,
            [this] { motore_->Ricezione_seriale(*porta_); });
    if (auto* qt = qobject_cast<Porta_qt*>(porta_))
        connect(qt, &Porta_qt::Porta_persa, protocollo_.get(), &Protocollo::Porta_persa);
    connect(protocollo_.get(), &Protocollo::Stato_cambiato, this, &Programma::Aggiorna_didascalia);
    connect(principale_.get(), &Frm_main::Chiusura, this, &Programma::Chiudi_finestre);
}

Programma::~Programma() {
    // The HID reader and the windows go before the engine and the port they use.
    hid_.reset();
    seriale_.reset();
    principale_.reset();
}

void Programma::Aggiorna_didascalia() {
    principale_->Aggiorna_didascalia(s_);
}

void Programma::Avvia() {
    // 1-6: paths, status, title, reply time-out, repetition table, no transport.
    QString errore;
    Imposta_percorsi(s_, Cartella_applicazione(opzioni_.cartella_eseguibile, &errore));
    principale_->Mostra_cartella_dati(s_.Cartella_applicazione);
    s_.Stato_connessione = QStringLiteral(" non connesso");
    s_.Titolo = Titolo_programma();
    s_.Timeout_ms = 1000;
    s_.Ripetizioni.assign(2, Ripetizione{});
    s_.Usa_hid = false;
    s_.Usa_seriale = false;
    if (!errore.isEmpty()) avvisi_->Mostra(errore, Avvisi::Icona::Avviso);

    // 7: the HID test. A board already plugged in is announced during the wait.
    hid_ = std::make_unique<frm_hid>(s_, *opzioni_.hid);
    hid_->Imposta_motore(motore_.get());
    hid_->Aggiorna_titolo = [this] { Aggiorna_didascalia(); };
    protocollo_->Imposta_uscita_hid(hid_.get());
    hid_->show();
    hid_->setWindowTitle(QStringLiteral("Testing..HID"));
    QCoreApplication::processEvents();
    Attendi(static_cast<float>(opzioni_.attesa_hid_ms));

    // The serial window stays loaded for the whole run (it owns the reply timer).
    seriale_ = std::make_unique<frm_seriale>(s_, *porta_, *protocollo_, *avvisi_);
    connect(seriale_.get(), &frm_seriale::Didascalia_cambiata, this,
            &Programma::Aggiorna_didascalia);
    if (!s_.Usa_hid) {
        // 8: no HID board: the serial port.
        protocollo_->Imposta_uscita_hid(nullptr);
        hid_.reset();
        s_.Usa_seriale = true;
        seriale_->setWindowTitle(QStringLiteral("Testing..."));
        seriale_->Leggi_impostazioni();
        if (!protocollo_->Verifica_scheda()) {
            seriale_->show();
            seriale_->Cmd_Auto_Click();
        }
        seriale_->hide();
    } else {
        hid_->hide();
        QApplication::beep();
    }
    // 9-12: make sure the board is not streaming, then ask its type and configuration.
    QCoreApplication::processEvents();
    seriale_->hide();
    protocollo_->Ferma_acquisizione();
    protocollo_->Leggi_tipo_scheda();
    protocollo_->Inizializza_scheda();

    // 14: the main window with its child windows; the engine shows its work in them.
    principale_->Apri_finestre(s_, QLocale());
    principale_->Grafici->Imposta_lista(&motore_->Lst_valori());
    vista_->Collega(principale_->Intestazione, principale_->Grafici);
    Aggiorna_didascalia();
    principale_->showMaximized();
}

void Programma::Chiudi_finestre() {
    if (seriale_) seriale_->close();
    protocollo_->Imposta_uscita_hid(nullptr);
    hid_.reset(); // detaches the HID link
}
