// SPDX-License-Identifier: GPL-3.0-or-later
#include "club/frm_club.h"

#include "club/password_club.h"
#include "club/sincronia_club.h"
#include "platform/moduli.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

namespace {

// libpq's sslmode for each plain caption; the first is libpq's own default.
struct Scelta_tls {
    const char* sslmode;
    const char* didascalia;
};
constexpr Scelta_tls Scelte_tls[] = {
    {"prefer", QT_TRANSLATE_NOOP("Frm_club", "Cifrata se il server lo permette")},
    {"require", QT_TRANSLATE_NOOP("Frm_club", "Sempre cifrata")},
    {"verify-full",
     QT_TRANSLATE_NOOP("Frm_club", "Sempre cifrata, con il certificato del server verificato")},
};

} // namespace

Frm_club::Frm_club(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_club"));
    setWindowTitle(tr("Club"));
    auto* colonna = new QVBoxLayout(this);
    auto* spiegazione =
        new QLabel(tr("I test di questa stazione vanno al server PostgreSQL del club, e i test "
                      "delle altre stazioni arrivano nello storico. La password resta nel file "
                      "delle password di PostgreSQL, mai nelle impostazioni di kinetrack."),
                   this);
    spiegazione->setWordWrap(true);
    colonna->addWidget(spiegazione);

    auto* griglia = new QGridLayout;
    Txt_server = new QLineEdit(this);
    Txt_server->setAccessibleName(tr("Server"));
    Txt_porta = new QSpinBox(this);
    Txt_porta->setRange(1, 65535);
    Txt_porta->setValue(5432);
    Txt_porta->setAccessibleName(tr("Porta"));
    Txt_database = new QLineEdit(this);
    Txt_database->setAccessibleName(tr("Database"));
    Txt_utente = new QLineEdit(this);
    Txt_utente->setAccessibleName(tr("Utente"));
    cbo_tls = new QComboBox(this);
    for (const Scelta_tls& s : Scelte_tls)
        cbo_tls->addItem(tr(s.didascalia), QString::fromLatin1(s.sslmode));
    cbo_tls->setAccessibleName(tr("Cifratura"));
    Txt_stazione = new QLineEdit(this);
    Txt_stazione->setAccessibleName(tr("Stazione"));
    Txt_stazione->setToolTip(tr("Il nome con cui i test di questa stazione appaiono alle altre"));
    Txt_password = new QLineEdit(this);
    Txt_password->setEchoMode(QLineEdit::Password);
    Txt_password->setAccessibleName(tr("Password"));
    Txt_password->setPlaceholderText(tr("vuota: resta quella salvata"));
    int riga = 0;
    for (const auto& [etichetta, campo] : {std::pair<QString, QWidget*>{tr("&Server:"), Txt_server},
                                           {tr("Po&rta:"), Txt_porta},
                                           {tr("&Database:"), Txt_database},
                                           {tr("&Utente:"), Txt_utente},
                                           {tr("&Cifratura:"), cbo_tls},
                                           {tr("S&tazione:"), Txt_stazione},
                                           {tr("Pass&word:"), Txt_password}})
        Riga_modulo(griglia, riga++, etichetta, campo);
    colonna->addLayout(griglia);

    Lbl_esito = new QLabel(this);
    Lbl_esito->setObjectName(QStringLiteral("Lbl_esito"));
    Lbl_esito->setAccessibleName(tr("Esito"));
    Lbl_esito->setWordWrap(true);
    Lbl_esito->setTextInteractionFlags(Qt::TextSelectableByMouse);
    colonna->addWidget(Lbl_esito);

    auto* pulsanti = new QHBoxLayout;
    Cmd_prova = new QPushButton(tr("&Prova"), this);
    Cmd_prova->setToolTip(tr("Si collega al server e dice com'è andata"));
    Cmd_nessun_club = new QPushButton(tr("&Nessun club"), this);
    Cmd_nessun_club->setToolTip(
        tr("Questa stazione smette di inviare e dimentica i test delle altre stazioni"));
    Cmd_ok = new QPushButton(tr("&Ok"), this);
    Cmd_annulla = new QPushButton(tr("&Annulla"), this);
    pulsanti->addWidget(Cmd_prova);
    pulsanti->addWidget(Cmd_nessun_club);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_ok);
    pulsanti->addWidget(Cmd_annulla);
    colonna->addLayout(pulsanti);
    Cmd_ok->setDefault(true);
    connect(Cmd_prova, &QPushButton::clicked, this, &Frm_club::Prova);
    connect(Cmd_nessun_club, &QPushButton::clicked, this, &Frm_club::Spegni);
    connect(Cmd_ok, &QPushButton::clicked, this, &Frm_club::Conferma);
    connect(Cmd_annulla, &QPushButton::clicked, this, &QDialog::reject);

    // Top to bottom, then the buttons left to right.
    QWidget* ordine[] = {Txt_server,      Txt_porta,    Txt_database, Txt_utente,
                         cbo_tls,         Txt_stazione, Txt_password, Cmd_prova,
                         Cmd_nessun_club, Cmd_ok,       Cmd_annulla};
    for (std::size_t i = 1; i < std::size(ordine); ++i) setTabOrder(ordine[i - 1], ordine[i]);

    Parametri_club p;
    p.stazione = Stazione_predefinita();
    const std::optional<Parametri_club> salvati = Parametri_salvati();
    Mostra_parametri(salvati ? *salvati : p);
    Cmd_nessun_club->setEnabled(salvati.has_value());
}

void Frm_club::Mostra_parametri(const Parametri_club& p) {
    Txt_server->setText(p.host);
    Txt_porta->setValue(p.porta > 0 ? p.porta : 5432);
    Txt_database->setText(p.database);
    Txt_utente->setText(p.utente);
    int tls = cbo_tls->findData(p.sslmode);
    // A mode typed by hand elsewhere is kept as it is.
    if (tls < 0 && !p.sslmode.isEmpty()) {
        cbo_tls->addItem(p.sslmode, p.sslmode);
        tls = cbo_tls->count() - 1;
    }
    cbo_tls->setCurrentIndex(std::max(tls, 0));
    Txt_stazione->setText(p.stazione.isEmpty() ? Stazione_predefinita() : p.stazione);
}

std::optional<Parametri_club> Frm_club::Parametri(QString* errore) const {
    Parametri_club p;
    p.host = Txt_server->text().trimmed();
    p.porta = Txt_porta->value();
    p.database = Txt_database->text().trimmed();
    p.utente = Txt_utente->text().trimmed();
    p.sslmode = cbo_tls->currentData().toString();
    p.stazione = Txt_stazione->text().trimmed();
    QString mancante;
    if (p.host.isEmpty())
        mancante = tr("Manca il server.");
    else if (p.database.isEmpty())
        mancante = tr("Manca il database.");
    else if (p.utente.isEmpty())
        mancante = tr("Manca l'utente.");
    else if (p.stazione.isEmpty())
        mancante = tr("Manca il nome della stazione.");
    if (mancante.isEmpty()) return p;
    if (errore) *errore = mancante;
    return std::nullopt;
}

void Frm_club::Mostra_esito(const QString& testo, bool errore) {
    QFont f = font();
    f.setBold(errore);
    Lbl_esito->setFont(f);
    Lbl_esito->setText(testo);
}

bool Frm_club::Scrivi_password(const Parametri_club& p) {
    if (Txt_password->text().isEmpty()) return true;
    if (const auto errore = Salva_password_club(p, Txt_password->text())) {
        Mostra_esito(tr("La password non è stata salvata: %1").arg(*errore), true);
        return false;
    }
    Txt_password->clear();
    return true;
}

void Frm_club::Prova() {
    QString errore;
    const std::optional<Parametri_club> p = Parametri(&errore);
    if (!p) return Mostra_esito(errore, true);
    // The server reads the password from its file, so the one typed is written first.
    if (!Scrivi_password(*p)) return;
    // Disabled, the button hands its focus on to "Nessun club": it takes it back at the end,
    // so that a key pressed after the answer never switches the club off.
    const bool fuoco = Cmd_prova->hasFocus();
    Cmd_prova->setEnabled(false);
    Mostra_esito(tr("Collegamento a %1 in corso...").arg(p->host), false);
    // The connection is made and used on the thread alone; the window only hears its end,
    // and a window closed meanwhile hears nothing.
    auto risposta = std::make_shared<QString>();
    QThread* prova = QThread::create([p = *p, risposta] { *risposta = Club(p).Apri(); });
    connect(prova, &QThread::finished, prova, &QObject::deleteLater);
    connect(prova, &QThread::finished, this, [this, risposta, fuoco] {
        Cmd_prova->setEnabled(true);
        if (fuoco) Cmd_prova->setFocus();
        const bool collegato = risposta->isEmpty();
        Mostra_esito(collegato ? tr("Collegato: il server risponde e il suo schema è quello "
                                    "di questa versione.")
                               : *risposta,
                     !collegato);
        Q_EMIT Prova_conclusa(collegato);
    });
    prova->start();
}

void Frm_club::Conferma() {
    QString errore;
    const std::optional<Parametri_club> p = Parametri(&errore);
    if (!p) return Mostra_esito(errore, true);
    if (!Scrivi_password(*p)) return;
    if (!Salva_parametri(p))
        return Mostra_esito(tr("Le impostazioni non sono state salvate."), true);
    accept();
}

void Frm_club::Spegni() {
    if (!Salva_parametri(std::nullopt))
        return Mostra_esito(tr("Le impostazioni non sono state salvate."), true);
    done(Nessun_club);
}

Frm_password_club::Frm_password_club(const Parametri_club& p, QWidget* parent)
    : QDialog(parent), p_(p) {
    setObjectName(QStringLiteral("Frm_password_club"));
    setWindowTitle(tr("Password del club"));
    setMinimumWidth(400);
    auto* colonna = new QVBoxLayout(this);
    auto* domanda = new QLabel(tr("Il server %1 ha rifiutato la password dell'utente %2. I test "
                                  "restano in coda finché non è quella giusta.")
                                   .arg(p.host, p.utente),
                               this);
    domanda->setWordWrap(true);
    colonna->addWidget(domanda);
    auto* griglia = new QGridLayout;
    Txt_password = new QLineEdit(this);
    Txt_password->setEchoMode(QLineEdit::Password);
    Txt_password->setAccessibleName(tr("Password"));
    Riga_modulo(griglia, 0, tr("Pass&word:"), Txt_password);
    colonna->addLayout(griglia);
    Lbl_errore = new QLabel(this);
    Lbl_errore->setAccessibleName(tr("Errore"));
    Lbl_errore->setWordWrap(true);
    Lbl_errore->hide();
    colonna->addWidget(Lbl_errore);
    auto* pulsanti = new QHBoxLayout;
    auto* ok = new QPushButton(tr("&Ok"), this);
    auto* annulla = new QPushButton(tr("&Annulla"), this);
    ok->setDefault(true);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    colonna->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &Frm_password_club::Conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void Frm_password_club::Conferma() {
    if (const auto errore = Salva_password_club(p_, Txt_password->text())) {
        Lbl_errore->setText(tr("La password non è stata salvata: %1").arg(*errore));
        Lbl_errore->show();
        return;
    }
    accept();
}
