// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/frm_seriale.h"

#include "device/collegamento_seriale.h"
#include "device/frm_seriale_regole.h"
#include "device/protocollo.h"
#include "device/ricerca_scheda.h"
#include "platform/impostazioni_utente.h"
#include "platform/mappa_porte.h"
#include "platform/moduli.h"
#include "platform/porta_seriale.h"
#include "session/attendi.h"
#include "session/avvisi.h"
#include "session/sessione.h"
#include "session/tipi_scheda.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Sezione = QStringLiteral("Properties");
constexpr float Pausa_per_numero_ms = 20;

QComboBox* Nuova_lista(QWidget* genitore, const char* nome) {
    auto* lista = new QComboBox(genitore);
    lista->setObjectName(QLatin1String(nome));
    return lista;
}

void Riempi(QComboBox* lista, const QStringList& voci) {
    lista->clear();
    lista->addItems(voci);
}

// Each entry shown in the operator's language, kept as it is among the item's data.
void Riempi_tradotte(QComboBox* lista, const QStringList& voci) {
    lista->clear();
    for (const QString& voce : voci)
        lista->addItem(QCoreApplication::translate("frm_seriale", voce.toUtf8().constData()), voce);
}

// What the status line adds after a type the table does not know.
QString Nota_tipo(int tipo) {
    return Calibrazione_tipo(tipo).Riconosciuta
               ? QString()
               : QCoreApplication::translate("frm_seriale",
                                             ": non riconosciuto, valori del tipo 3");
}

} // namespace

frm_seriale::frm_seriale(Sessione& sessione, Collegamento_seriale& collegamento,
                         Protocollo& protocollo, Avvisi& avvisi, QWidget* parent)
    : QDialog(parent), s_(sessione), collegamento_(collegamento), porta_(collegamento.Porta()),
      protocollo_(protocollo), avvisi_(avvisi) {
    setObjectName(QStringLiteral("frm_seriale"));
    setWindowTitle(tr("Proprietà porta di comunicazione"));
    Crea_controlli();
    connect(&protocollo_, &Protocollo::Stato_cambiato, this, &frm_seriale::Didascalia_cambiata);
    Carica();
}

void frm_seriale::Crea_controlli() {
    auto* fre_connessione = new QGroupBox(tr("Impostazioni connessione"), this);
    cboPort = Nuova_lista(fre_connessione, "cboPort");
    cboDataBits = Nuova_lista(fre_connessione, "cboDataBits");
    cboParity = Nuova_lista(fre_connessione, "cboParity");
    cboStopBits = Nuova_lista(fre_connessione, "cboStopBits");
    Lbl_dispositivo = new QLabel(fre_connessione);
    Lbl_dispositivo->setObjectName(QStringLiteral("Lbl_dispositivo"));
    auto* fre_velocita = new QGroupBox(tr("Velocità massima"), fre_connessione);
    cboSpeed = Nuova_lista(fre_velocita, "cboSpeed");
    cboSpeed->setEditable(true); // any speed the port reports can be shown
    cboSpeed->setAccessibleName(fre_velocita->title());
    (new QVBoxLayout(fre_velocita))->addWidget(cboSpeed);

    auto* griglia = new QGridLayout(fre_connessione);
    Riga_modulo(griglia, 0, tr("Porta:"), cboPort);
    griglia->addWidget(Lbl_dispositivo, 1, 0, 1, 2);
    griglia->addWidget(fre_velocita, 2, 0, 1, 2);
    Riga_modulo(griglia, 3, tr("Bit di dati:"), cboDataBits);
    Riga_modulo(griglia, 4, tr("Parità:"), cboParity);
    Riga_modulo(griglia, 5, tr("Bit di stop:"), cboStopBits);

    auto* fre_flusso = new QGroupBox(tr("&Controllo di flusso"), this);
    auto* colonna_flusso = new QVBoxLayout(fre_flusso);
    gruppo_flusso_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(optFlow.size()); ++i) {
        optFlow[i] = new QRadioButton(
            QCoreApplication::translate("frm_seriale", Voci_flusso().at(i).toUtf8().constData()),
            fre_flusso);
        optFlow[i]->setObjectName(QStringLiteral("optFlow%1").arg(i));
        gruppo_flusso_->addButton(optFlow[i], i);
        colonna_flusso->addWidget(optFlow[i]);
    }
    connect(gruppo_flusso_, &QButtonGroup::idClicked, this, [this](int i) { Flusso = i; });

    cmdOK = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Annulla"), this);
    Cmd_Auto = new QPushButton(tr("Auto set"), this);
    Cmd_test = new QPushButton(tr("TEST Scheda"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Cmd_Auto->setObjectName(QStringLiteral("Cmd_Auto"));
    Cmd_test->setObjectName(QStringLiteral("Cmd_test"));
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    Cmd_Auto->setAutoDefault(false);
    Cmd_test->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frm_seriale::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frm_seriale::cmdCancel_Click);
    connect(Cmd_Auto, &QPushButton::clicked, this, &frm_seriale::Cmd_Auto_Click);
    connect(Cmd_test, &QPushButton::clicked, this, &frm_seriale::Cmd_test_Click);

    Lbl_info = new QLabel(this);
    Lbl_info->setObjectName(QStringLiteral("Lbl_info"));
    Lbl_info->setFrameShape(QFrame::Panel);
    Lbl_info->setFrameShadow(QFrame::Sunken);

    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(cmdOK);
    pulsanti->addWidget(cmdCancel);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_Auto);
    pulsanti->addWidget(Cmd_test);
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(fre_connessione);
    sinistra->addWidget(fre_flusso);
    auto* riga = new QHBoxLayout;
    riga->addLayout(sinistra);
    riga->addLayout(pulsanti);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riga);
    tutto->addWidget(Lbl_info);

    connect(cboPort, &QComboBox::currentIndexChanged, this, &frm_seriale::Mostra_dispositivo);
}

void frm_seriale::Carica() {
    setWindowTitle(tr("Proprietà porta di comunicazione"));
    Centra_su(this, nullptr);
    Leggi_impostazioni();
    LoadPropertySettings();
    da_ricaricare_ = false;
}

void frm_seriale::Leggi_impostazioni() {
    const QString impostazioni = Leggi_impostazione(Sezione, QStringLiteral("Settings"));
    try {
        if (!impostazioni.isEmpty()) porta_.Imposta_impostazioni(impostazioni);
    } catch (const Errore_porta& e) {
        avvisi_.Mostra(e.testo(), Avvisi::Icona::Avviso);
        return;
    }
    try {
        bool ok = false;
        const int numero = Leggi_impostazione(Sezione, QStringLiteral("CommPort")).toInt(&ok);
        if (ok && numero != 0 && numero != porta_.Numero_porta())
            porta_.Imposta_numero_porta(numero);
        porta_.Imposta_handshaking(0); // the stored "Handshaking" is not used
    } catch (const Errore_porta& e) {
        avvisi_.Mostra(e.testo(), Avvisi::Icona::Avviso);
        return;
    }
    porta_.Imposta_scarta_nulli(false);
}

void frm_seriale::LoadPropertySettings() {
    QStringList porte;
    for (int i = 1; i <= 16; ++i) porte << QStringLiteral("Com%1").arg(i);
    Riempi(cboPort, porte);
    Riempi(cboSpeed, Voci_velocita());
    Riempi(cboDataBits, Voci_bit_dati());
    Riempi_tradotte(cboParity, Voci_parita());
    Riempi(cboStopBits, Voci_bit_stop());

    const Vista_impostazioni vista = Scomponi_impostazioni(porta_.Impostazioni());
    cboSpeed->setCurrentIndex(cboSpeed->findText(vista.Velocita));
    cboSpeed->setEditText(vista.Velocita);
    if (vista.Indice_parita >= 0) cboParity->setCurrentIndex(vista.Indice_parita);
    cboDataBits->setCurrentIndex(cboDataBits->findText(vista.Bit_dati));
    cboStopBits->setCurrentIndex(cboStopBits->findText(Voce_bit_stop(vista.Bit_stop)));

    const int numero = porta_.Numero_porta();
    cboPort->setCurrentIndex(numero >= 1 && numero <= 16 ? numero - 1 : -1);
    Mostra_dispositivo();

    const int codice = porta_.Handshaking();
    if (codice >= 0 && codice < static_cast<int>(optFlow.size())) {
        optFlow[codice]->setChecked(true);
        Flusso = codice;
    }
}

void frm_seriale::Mostra_dispositivo() {
    const int indice = cboPort->currentIndex();
    const int numero = indice >= 0 ? indice + 1 : porta_.Numero_porta();
    Lbl_dispositivo->setText(Descrizione_porta(numero));
}

void frm_seriale::Open_comm() {
    if (auto errore = collegamento_.Apri()) avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
}

void frm_seriale::cmdOK_Click() {
    const int vecchia = porta_.Numero_porta();
    const int nuova = cboPort->currentIndex() + 1;
    if (nuova != vecchia && nuova >= 1) {
        protocollo_.Dimentica_tipo(); // another port, maybe another board
        const bool era_aperta = porta_.Aperta();
        try {
            if (era_aperta) porta_.Chiudi();
            porta_.Imposta_numero_porta(nuova);
            if (era_aperta) porta_.Apri();
        } catch (const Errore_porta& e) {
            avvisi_.Mostra(e.testo(), Avvisi::Icona::Avviso);
            try {
                if (porta_.Aperta()) porta_.Chiudi();
                porta_.Imposta_numero_porta(vecchia);
                if (era_aperta) porta_.Apri();
            } catch (const Errore_porta&) {
                // Already told why the new number failed; the old one is left as it can be.
            }
            return;
        }
    }
    try {
        porta_.Imposta_impostazioni(
            Componi_impostazioni(cboSpeed->currentText(), cboParity->currentData().toString(),
                                 cboDataBits->currentText(), cboStopBits->currentText()));
        porta_.Imposta_handshaking(Flusso);
    } catch (const Errore_porta& e) {
        avvisi_.Mostra(e.testo(), Avvisi::Icona::Avviso);
        return;
    }
    const bool salvato =
        Salva_impostazione(Sezione, QStringLiteral("Settings"), porta_.Impostazioni()) &&
        Salva_impostazione(Sezione, QStringLiteral("CommPort"),
                           QString::number(porta_.Numero_porta())) &&
        Salva_impostazione(Sezione, QStringLiteral("Handshaking"),
                           QString::number(porta_.Handshaking())) &&
        Salva_impostazione(Sezione, QStringLiteral("Echo"), QStringLiteral("False"));
    if (!salvato)
        avvisi_.Mostra(tr("Impossibile salvare le impostazioni della porta in %1: "
                          "valgono solo fino alla chiusura del programma.")
                           .arg(File_impostazioni()),
                       Avvisi::Icona::Avviso);
    hide();
}

void frm_seriale::cmdCancel_Click() {
    reject();
}

void frm_seriale::reject() {
    // The port is left exactly as it is; the next opening shows the stored state.
    da_ricaricare_ = true;
    QDialog::reject();
}

void frm_seriale::closeEvent(QCloseEvent* evento) {
    da_ricaricare_ = true;
    QDialog::closeEvent(evento);
}

void frm_seriale::showEvent(QShowEvent* evento) {
    if (da_ricaricare_) Carica();
    // A board may have been plugged in or started since the window was last shown.
    Mostra_dispositivo();
    QDialog::showEvent(evento);
}

void frm_seriale::Abilita_pulsanti(bool abilitati) {
    cmdOK->setEnabled(abilitati);
    Cmd_Auto->setEnabled(abilitati);
    Cmd_test->setEnabled(abilitati);
}

bool frm_seriale::Cmd_Auto_Click() {
    // The probe's waits let clicks through: one search at a time.
    if (ricerca_in_corso_) return false;
    ricerca_in_corso_ = true;
    Abilita_pulsanti(false);
    const int trovata = Cerca_scheda(
        collegamento_, protocollo_,
        [this](const QString& testo) {
            Lbl_info->setText(testo);
            Lbl_info->repaint();
            // A number with no device fails at once: a short pause lets the window system
            // show each one (the whole search over empty numbers takes well under a second).
            Attendi(Pausa_per_numero_ms);
        },
        interruzione_);
    if (trovata > 0) {
        QApplication::beep();
        LoadPropertySettings();
        const QString connessa = tr("Scheda connessa su com%1").arg(trovata);
        Lbl_info->setText(connessa);
        const std::optional<int> tipo = protocollo_.Leggi_tipo_scheda();
        Lbl_info->setText(
            tipo ? tr("%1, tipo %2%3").arg(connessa, QString::number(*tipo), Nota_tipo(*tipo))
                 : tr("%1, tipo non indicato").arg(connessa));
        hide();
    } else {
        Lbl_info->setText(tr("Scheda non trovata!"));
    }
    Cmd_Auto->setText(tr("Auto Set"));
    Abilita_pulsanti(true);
    ricerca_in_corso_ = false;
    Q_EMIT Didascalia_cambiata();
    return trovata > 0;
}

void frm_seriale::Cmd_test_Click() {
    if (ricerca_in_corso_) return;
    ricerca_in_corso_ = true;
    Abilita_pulsanti(false);
    const Collegamento_scheda* collegamento = protocollo_.Collegamento();
    const QString luogo = collegamento ? collegamento->Luogo() : QString();
    Lbl_info->setText(luogo.isEmpty() ? tr("TEST Scheda...")
                                      : tr("TEST Scheda su %1...").arg(luogo));
    Lbl_info->repaint();
    const std::optional<int> tipo = protocollo_.Leggi_tipo_scheda();
    if (luogo.isEmpty())
        Lbl_info->setText(tr("Nessuna scheda collegata"));
    else if (tipo)
        Lbl_info->setText(
            tr("Scheda di tipo %1 su %2%3").arg(QString::number(*tipo), luogo, Nota_tipo(*tipo)));
    else
        Lbl_info->setText(tr("Nessuna risposta dalla scheda su %1").arg(luogo));
    Mostra_dispositivo(); // the device may have come or gone meanwhile
    Abilita_pulsanti(true);
    ricerca_in_corso_ = false;
    Q_EMIT Didascalia_cambiata();
}
