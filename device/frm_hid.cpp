#include "device/frm_hid.h"

#include "stream/motore_misura.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

frm_hid::frm_hid(Sessione& sessione, Libreria_hid& libreria, QWidget* parent)
    : QWidget(parent), s_(sessione), libreria_(libreria), sorveglianza_(libreria) {
    setObjectName(QStringLiteral("frm_hid"));
    setWindowTitle(QStringLiteral("HID"));
    Command1 = new QPushButton(QStringLiteral("$F"), this);
    Command2 = new QPushButton(QStringLiteral("$T"), this);
    Command3 = new QPushButton(QStringLiteral("Command3"), this);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    auto* colonna = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Text1)})
        colonna->addWidget(w);
    connect(Command1, &QPushButton::clicked, this, [this] { Invia_prova("$F"); });
    connect(Command2, &QPushButton::clicked, this, [this] { Invia_prova("$T"); });

    // Attach: device events from now on, starting with the devices already present.
    connect(&sorveglianza_, &Sorveglianza_hid::Collegato, this, &frm_hid::OnPlugged);
    connect(&sorveglianza_, &Sorveglianza_hid::Scollegato, this, &frm_hid::OnUnplugged);
    connect(&sorveglianza_, &Sorveglianza_hid::Cambiato, this, &frm_hid::OnChanged);
    connect(&lettore_, &Lettore_hid::Report_letto, this, &frm_hid::OnRead);
    connect(&lettore_, &Lettore_hid::Lettura_fallita, this, &frm_hid::Chiudi_scheda);
    sorveglianza_.Avvia();
}

frm_hid::~frm_hid() {
    // Detach: no more events.
    sorveglianza_.Ferma();
    Chiudi_scheda();
}

void frm_hid::HID_invia_stringa(const QString& testo) {
    s_.Buffer_out.fill(0);
    const QByteArray byte = testo.toLatin1().left(static_cast<qsizetype>(s_.Buffer_out.size()) - 1);
    std::copy(byte.begin(), byte.end(), s_.Buffer_out.begin() + 1);
    WriteSomeData();
}

void frm_hid::WriteSomeData() {
    QString errore = QStringLiteral("Dispositivo HID non collegato");
    if (!connessione_ || !connessione_->Scrivi(s_.Buffer_out.data(), s_.Buffer_out.size(), &errore))
        throw std::runtime_error(errore.toStdString());
}

void frm_hid::OnPlugged(const Dispositivo_hid& dispositivo) {
    if (!E_la_scheda(dispositivo)) return;
    // A board that cannot be opened (no permission on its device node) is no transport:
    // nothing is shown and the program goes on as without it.
    Apri_scheda(dispositivo);
    if (!connessione_) return;
    s_.Usa_hid = true;
    s_.Usa_seriale = false;
    s_.Stato_connessione = QStringLiteral(" Connesso via HID");
    if (Aggiorna_titolo) Aggiorna_titolo();
}

void frm_hid::OnUnplugged(const Dispositivo_hid& dispositivo) {
    if (!E_la_scheda(dispositivo)) return;
    if (dispositivo.percorso == percorso_scheda_) Chiudi_scheda();
    s_.Usa_hid = false;
    s_.Stato_connessione = QStringLiteral(" Disconnesso");
    if (Aggiorna_titolo) Aggiorna_titolo();
}

void frm_hid::OnChanged() {
    // Reports of the board are read from now on; a board whose link failed is reopened.
    if (connessione_) {
        if (!lettore_.Attivo()) lettore_.Avvia(*connessione_);
        return;
    }
    if (!s_.Usa_hid) return;
    for (const auto& d : libreria_.Elenca())
        if (E_la_scheda(d)) {
            Apri_scheda(d);
            break;
        }
}

void frm_hid::OnRead(const QByteArray& report) {
    const auto* byte = reinterpret_cast<const std::uint8_t*>(report.constData());
    if (motore_) {
        motore_->Report_hid(byte, static_cast<int>(report.size()));
        return;
    }
    s_.Buffer_in.fill(0);
    std::copy_n(byte, std::min<std::size_t>(report.size(), s_.Buffer_in.size()),
                s_.Buffer_in.begin());
}

void frm_hid::Apri_scheda(const Dispositivo_hid& dispositivo) {
    if (connessione_) return;
    QString errore;
    connessione_ = libreria_.Apri(dispositivo.percorso, &errore);
    if (!connessione_) return;
    percorso_scheda_ = dispositivo.percorso;
    lettore_.Avvia(*connessione_);
}

void frm_hid::Chiudi_scheda() {
    lettore_.Ferma();
    connessione_.reset();
    percorso_scheda_.clear();
}

void frm_hid::Invia_prova(const char* comando) {
    try {
        HID_invia_stringa(QString::fromLatin1(comando));
        Text1->setText(QString::fromLatin1(comando));
    } catch (const std::exception& e) {
        Text1->setText(QString::fromStdString(e.what()));
    }
}
