// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/frm_storico.h"

#include "log/frm_confronta.h"
#include "log/frm_squadra.h"
#include "log/grafico_andamento.h"
#include "log/indice_sedute.h"
#include "log/profilo_velocita.h"
#include "log/rapporto_pdf.h"
#include "log/testi_storico.h"
#include "platform/moduli.h"
#include "session/avvisi.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int Ruolo_indice = Qt::UserRole; // a row's place in Righe()

QString Scegli_pdf(QWidget* padre, const QString& proposto) {
    QFileDialog dialogo(padre, Frm_storico::tr("Esporta PDF"), proposto,
                        Frm_storico::tr("Documenti PDF (*.pdf)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

} // namespace

Frm_storico::~Frm_storico() = default;

Frm_storico::Frm_storico(const QString& cartella_dati, const QString& squadra,
                         const QString& atleta, Avvisi& avvisi, const QLocale& locale,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), indice_(std::make_unique<Indice_test>(cartella_dati)),
      avvisi_(avvisi), locale_(locale), scelta_pdf_(Scegli_pdf), oggi_(QDate::currentDate()) {
    setObjectName(QStringLiteral("Frm_storico"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Storico atleta"));
    if (!indice_->Avviso_apertura().isEmpty())
        avvisi_.Mostra(indice_->Avviso_apertura(), Avvisi::Icona::Avviso);

    cbo_squadra = new QComboBox(this);
    cbo_squadra->setAccessibleName(tr("Squadra"));
    cbo_atleta = new QComboBox(this);
    cbo_atleta->setAccessibleName(tr("Atleta"));
    cbo_atleta->setMinimumWidth(180);
    cbo_esercizio = new QComboBox(this);
    cbo_esercizio->setAccessibleName(tr("Esercizio"));
    cbo_esercizio->setMinimumWidth(160);
    Chk_date = new QCheckBox(tr("Solo &dal"), this);
    Chk_date->setAccessibleName(tr("Solo i test tra due date"));
    Txt_dal = new QDateEdit(this);
    Txt_dal->setAccessibleName(tr("Dal giorno"));
    Txt_al = new QDateEdit(this);
    Txt_al->setAccessibleName(tr("Al giorno"));
    for (QDateEdit* d : {Txt_dal, Txt_al}) {
        d->setCalendarPopup(true);
        d->setLocale(locale_);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setDate(oggi_);
        d->setEnabled(false);
    }
    Txt_dal->setDate(oggi_.addDays(-27));
    auto* lbl_al = new QLabel(tr("a&l"), this);
    lbl_al->setBuddy(Txt_al);

    auto* scelte = new QGridLayout;
    Riga_modulo(scelte, 0, tr("S&quadra:"), cbo_squadra);
    auto* lbl_atleta = new QLabel(tr("A&tleta:"), this);
    lbl_atleta->setBuddy(cbo_atleta);
    scelte->addWidget(lbl_atleta, 0, 2);
    scelte->addWidget(cbo_atleta, 0, 3);
    Riga_modulo(scelte, 1, tr("&Esercizio:"), cbo_esercizio);
    auto* date = new QHBoxLayout;
    date->addWidget(Chk_date);
    date->addWidget(Txt_dal);
    date->addWidget(lbl_al);
    date->addWidget(Txt_al);
    date->addStretch();
    scelte->addLayout(date, 1, 2, 1, 2);
    scelte->setColumnStretch(4, 1);

    Lbl_prontezza = new QLabel(this);
    Lbl_prontezza->setObjectName(QStringLiteral("Lbl_prontezza"));
    Lbl_prontezza->setAccessibleName(tr("Prontezza"));
    Lbl_prontezza->setWordWrap(true);
    Lbl_prontezza->setTextFormat(Qt::RichText);
    Lbl_prontezza->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Lbl_scartati = new QLabel(this);
    Lbl_scartati->setObjectName(QStringLiteral("Lbl_scartati"));
    Lbl_scartati->setAccessibleName(tr("File non usati"));
    Lbl_scartati->setWordWrap(true);
    Lbl_scartati->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Lbl_scartati->hide();

    Lst_test = new QTreeWidget(this);
    Lst_test->setObjectName(QStringLiteral("Lst_test"));
    Lst_test->setAccessibleName(tr("Test dell'atleta"));
    Lst_test->setAccessibleDescription(tr("Doppio clic o Invio su un test: lo apre come Apri"));
    Lst_test->setRootIsDecorated(false);
    Lst_test->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Lst_test->setHeaderLabels({tr("Data"), tr("Ora"), tr("Esercizio"), tr("Carico (kg)"),
                               tr("Rip."),
                               Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true),
                               tr("Perdita %"), tr("RPE"), tr("Nota"), tr("Stazione")});
    Lst_test->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Lst_test->header()->setStretchLastSection(true);

    Grafico_trend = new Grafico_andamento(locale_, this);
    Grafico_trend->setMinimumHeight(200);
    auto* divisione = new QSplitter(Qt::Vertical, this);
    divisione->addWidget(Lst_test);
    divisione->addWidget(Grafico_trend);
    divisione->setStretchFactor(0, 3);
    divisione->setStretchFactor(1, 2);

    Cmd_confronta = new QPushButton(tr("C&onfronta"), this);
    Cmd_confronta->setToolTip(tr("Le ripetizioni di due test scelti, affiancate"));
    Cmd_confronta->setEnabled(false);
    Cmd_squadra = new QPushButton(tr("&Squadra..."), this);
    Cmd_squadra->setToolTip(tr("Gli atleti della squadra in sintesi"));
    Cmd_pdf = new QPushButton(tr("Esporta &PDF..."), this);
    Cmd_pdf->setToolTip(tr("Il rapporto del giorno del test scelto, o dei giorni "
                           "filtrati per data"));
    Cmd_aggiorna = new QPushButton(tr("&Aggiorna"), this);
    Cmd_aggiorna->setToolTip(tr("Rilegge i test salvati"));
    Cmd_chiudi = new QPushButton(tr("&Chiudi"), this);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* b : {Cmd_confronta, Cmd_squadra, Cmd_pdf}) pulsanti->addWidget(b);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_aggiorna);
    pulsanti->addWidget(Cmd_chiudi);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(scelte);
    colonna->addWidget(Lbl_prontezza);
    colonna->addWidget(Lbl_scartati);
    colonna->addWidget(divisione, 1);
    colonna->addLayout(pulsanti);

    // Tab goes as the eye reads: choices, list, graph, buttons.
    QWidget* ordine[] = {cbo_squadra, cbo_atleta, cbo_esercizio, Chk_date,
                         Txt_dal,     Txt_al,     Lst_test,      Cmd_confronta,
                         Cmd_squadra, Cmd_pdf,    Cmd_aggiorna,  Cmd_chiudi};
    for (std::size_t i = 1; i < std::size(ordine); ++i) setTabOrder(ordine[i - 1], ordine[i]);

    connect(cbo_squadra, &QComboBox::currentIndexChanged, this, [this] {
        if (!carica_) Elenca_atleti(QString());
    });
    connect(cbo_atleta, &QComboBox::currentIndexChanged, this, [this] {
        if (!carica_) Atleta_scelto();
    });
    connect(cbo_esercizio, &QComboBox::currentIndexChanged, this, [this] {
        if (!carica_) Mostra_righe();
    });
    connect(Chk_date, &QCheckBox::toggled, this, [this](bool attivo) {
        Txt_dal->setEnabled(attivo);
        Txt_al->setEnabled(attivo);
        Mostra_righe();
    });
    for (QDateEdit* d : {Txt_dal, Txt_al})
        connect(d, &QDateEdit::dateChanged, this, [this] {
            if (Chk_date->isChecked()) Mostra_righe();
        });
    connect(Lst_test, &QTreeWidget::itemActivated, this, &Frm_storico::Riga_attivata);
    connect(Lst_test, &QTreeWidget::itemSelectionChanged, this, &Frm_storico::Selezione_cambiata);
    connect(Cmd_confronta, &QPushButton::clicked, this, &Frm_storico::Confronta);
    connect(Cmd_squadra, &QPushButton::clicked, this, &Frm_storico::Mostra_squadra);
    connect(Cmd_pdf, &QPushButton::clicked, this, &Frm_storico::Esporta_pdf);
    connect(Cmd_aggiorna, &QPushButton::clicked, this, &Frm_storico::Aggiorna);
    connect(Cmd_chiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    Adatta_allo_schermo(*this, QSize(980, 700));
    Mostra_esito(indice_->Aggiorna());
    Elenca_squadre(squadra, atleta);
}

QString Frm_storico::Squadra() const {
    return cbo_squadra->currentText();
}

QString Frm_storico::Atleta() const {
    return cbo_atleta->currentText();
}

void Frm_storico::Imposta_atleta(const QString& squadra, const QString& atleta) {
    Mostra_esito(indice_->Aggiorna_atleta(squadra, atleta));
    Elenca_squadre(squadra, atleta);
}

QString Frm_storico::Cartella_atleta() const {
    return indice_->Cartella_dati() + QLatin1Char('/') + Squadra() + QLatin1Char('/') + Atleta();
}

void Frm_storico::Ricarica() {
    const auto Id = [this](const QTreeWidgetItem* riga) {
        const Riga_diario* r = Riga_di(riga);
        return r ? r->test.id : QString();
    };
    const QString corrente = Id(Lst_test->currentItem());
    QStringList scelti;
    for (const QTreeWidgetItem* riga : Lst_test->selectedItems()) scelti << Id(riga);
    Elenca_squadre(Squadra(), Atleta());
    const QSignalBlocker fermo(Lst_test);
    for (int i = 0; i < Lst_test->topLevelItemCount(); ++i) {
        QTreeWidgetItem* riga = Lst_test->topLevelItem(i);
        if (Id(riga) == corrente) Lst_test->setCurrentItem(riga, 0, QItemSelectionModel::NoUpdate);
        riga->setSelected(scelti.contains(Id(riga)));
    }
    Selezione_cambiata();
    if (squadra_) squadra_->Ricarica();
}

void Frm_storico::Aggiorna() {
    Mostra_esito(indice_->Aggiorna());
    Elenca_squadre(Squadra(), Atleta());
}

void Frm_storico::Mostra_esito(const Esito_indice& esito) {
    // The first few in the window, every one in the tooltip.
    constexpr qsizetype Mostrati = 3;
    QStringList righe;
    if (!esito.avviso.isEmpty()) righe << esito.avviso;
    if (!esito.scartati.isEmpty()) {
        QString elenco = esito.scartati.mid(0, Mostrati).join(QStringLiteral("; "));
        if (esito.scartati.size() > Mostrati) elenco += QStringLiteral("; …");
        righe << tr("File non usati (%1): %2").arg(esito.scartati.size()).arg(elenco);
    }
    Lbl_scartati->setText(righe.join(QLatin1Char('\n')));
    Lbl_scartati->setAccessibleDescription(Lbl_scartati->text());
    QStringList tutti = esito.scartati;
    if (!esito.avviso.isEmpty()) tutti.prepend(esito.avviso);
    Lbl_scartati->setToolTip(tutti.join(QLatin1Char('\n')));
    Lbl_scartati->setVisible(!righe.isEmpty());
}

void Frm_storico::Elenca_squadre(const QString& squadra, const QString& atleta) {
    carica_ = true;
    QStringList squadre = indice_->Squadre();
    if (!squadra.isEmpty() && !squadre.contains(squadra)) squadre.prepend(squadra);
    cbo_squadra->clear();
    cbo_squadra->addItems(squadre);
    cbo_squadra->setCurrentIndex(squadra.isEmpty() ? 0
                                                   : static_cast<int>(squadre.indexOf(squadra)));
    carica_ = false;
    Elenca_atleti(atleta);
}

void Frm_storico::Elenca_atleti(const QString& atleta) {
    carica_ = true;
    QStringList atleti = indice_->Atleti(Squadra());
    if (!atleta.isEmpty() && !atleti.contains(atleta)) atleti.prepend(atleta);
    cbo_atleta->clear();
    cbo_atleta->addItems(atleti);
    cbo_atleta->setCurrentIndex(atleta.isEmpty() ? 0 : static_cast<int>(atleti.indexOf(atleta)));
    carica_ = false;
    Atleta_scelto();
}

void Frm_storico::Atleta_scelto() {
    test_ =
        Atleta().isEmpty() ? std::vector<Riga_test>{} : indice_->Test_atleta(Squadra(), Atleta());
    setWindowTitle(Atleta().isEmpty() ? tr("Storico atleta")
                                      : tr("Storico atleta: %1").arg(Atleta()));
    // The exercises of the athlete's tests, each once, by name.
    QStringList esercizi;
    for (const Riga_test& t : test_) {
        bool gia = false;
        for (const QString& e : std::as_const(esercizi))
            gia = gia || Stesso_esercizio(e, t.esercizio);
        if (!gia) esercizi << t.esercizio;
    }
    esercizi.sort(Qt::CaseInsensitive);
    const QString scelto = cbo_esercizio->currentData().toString();
    carica_ = true;
    cbo_esercizio->clear();
    cbo_esercizio->addItem(tr("Tutti gli esercizi"), QString());
    int indice = 0;
    for (const QString& e : std::as_const(esercizi)) {
        cbo_esercizio->addItem(e, e);
        if (!scelto.isEmpty() && Stesso_esercizio(e, scelto)) indice = cbo_esercizio->count() - 1;
    }
    cbo_esercizio->setCurrentIndex(indice);
    carica_ = false;
    Mostra_prontezza();
    Mostra_righe();
}

Filtro_diario Frm_storico::Filtro() const {
    Filtro_diario f;
    f.esercizio = cbo_esercizio->currentData().toString();
    if (Chk_date->isChecked()) {
        f.dal = Txt_dal->date();
        f.al = Txt_al->date();
    }
    return f;
}

void Frm_storico::Mostra_righe() {
    // The list is rebuilt silently: while it empties, its current row would otherwise be
    // looked up among rows it no longer shows.
    const QSignalBlocker fermo(Lst_test);
    Lst_test->clear();
    righe_ = Righe_diario(test_, Filtro());
    bool altre_stazioni = false;
    for (std::size_t i = 0; i < righe_.size(); ++i) {
        const Riga_diario& r = righe_[i];
        auto* riga = new QTreeWidgetItem(Lst_test);
        riga->setData(Data, Ruolo_indice, static_cast<int>(i));
        riga->setText(Data, locale_.toString(r.quando.date(), QStringLiteral("dd/MM/yyyy")));
        riga->setText(Ora, r.quando.toString(QStringLiteral("HH:mm")));
        riga->setText(Esercizio, r.esercizio);
        riga->setText(Carico, Formatta(r.carico, "0.0", locale_));
        riga->setText(Ripetizioni, QString::number(r.ripetizioni));
        if (r.velocita) riga->setText(Velocita, Formatta(*r.velocita, "0.00", locale_));
        if (r.perdita) riga->setText(Perdita, Formatta(*r.perdita, "0.0", locale_));
        if (r.rpe > 0) riga->setText(Rpe, Formatta(r.rpe, "0.0", locale_));
        riga->setText(Nota, r.nota);
        riga->setToolTip(Nota, r.nota);
        riga->setText(Stazione, r.test.stazione);
        altre_stazioni = altre_stazioni || !r.test.stazione.isEmpty();
        for (int c : {Carico, Ripetizioni, Velocita, Perdita, Rpe})
            riga->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    Lst_test->setColumnHidden(Stazione, !altre_stazioni);
    if (Lst_test->topLevelItemCount() > 0) Lst_test->setCurrentItem(Lst_test->topLevelItem(0));
    Selezione_cambiata();
    Mostra_andamento();
}

QString Frm_storico::Esercizio_andamento() const {
    const QString filtrato = cbo_esercizio->currentData().toString();
    if (!filtrato.isEmpty()) return filtrato;
    if (const Riga_diario* r = Riga_di(Lst_test->currentItem())) return r->esercizio;
    return righe_.empty() ? QString() : righe_.front().esercizio;
}

const Riga_diario* Frm_storico::Riga_di(const QTreeWidgetItem* riga) const {
    if (riga == nullptr) return nullptr;
    bool ok = false;
    const int i = riga->data(Data, Ruolo_indice).toInt(&ok);
    if (!ok || i < 0 || static_cast<std::size_t>(i) >= righe_.size()) return nullptr;
    return &righe_[static_cast<std::size_t>(i)];
}

void Frm_storico::Mostra_andamento() {
    // The trend over the dates chosen: the tests the date filter lets through.
    Filtro_diario f = Filtro();
    f.esercizio.clear();
    std::vector<Riga_test> nel_periodo;
    for (const Riga_diario& r : Righe_diario(test_, f)) nel_periodo.push_back(r.test);
    const QString esercizio = Esercizio_andamento();
    Andamento a;
    if (!esercizio.isEmpty()) a = Andamento_esercizio(nel_periodo, esercizio);
    a.esercizio = esercizio;
    Grafico_trend->Mostra(a);
}

void Frm_storico::Mostra_prontezza() {
    // The verdict, its day included, is the readout's value to a screen reader too.
    const auto Mostra = [this](const QString& testo) {
        Lbl_prontezza->setText(testo);
        Lbl_prontezza->setAccessibleDescription(
            QTextDocumentFragment::fromHtml(testo).toPlainText());
    };
    if (test_.empty()) {
        Mostra(Atleta().isEmpty() ? tr("Nessun atleta con test salvati.")
                                  : tr("Nessun test salvato."));
        return;
    }
    const QDate giorno = test_.front().quando.date();
    QStringList righe;
    for (const Prontezza& p : Prontezze_giorno(test_, Cartella_atleta(), giorno))
        righe << Testo_prontezza(p, locale_).toHtmlEscaped();
    if (righe.isEmpty()) righe << tr("Prontezza: nessun carico di riferimento");
    // The day named in the interface's language, whatever the regional settings say of
    // numbers.
    QString testo_giorno = QLocale(tr("it_IT", "the locale the day of the test is named in"))
                               .toString(giorno, QStringLiteral("dddd d MMMM yyyy"));
    if (!testo_giorno.isEmpty()) testo_giorno[0] = testo_giorno[0].toUpper();
    Mostra(tr("<b>Ultimo giorno di test: %1</b><br>%2")
               .arg(testo_giorno.toHtmlEscaped(), righe.join(QStringLiteral("<br>"))));
}

void Frm_storico::Selezione_cambiata() {
    Cmd_confronta->setEnabled(Lst_test->selectedItems().size() == 2);
    if (cbo_esercizio->currentData().toString().isEmpty()) Mostra_andamento();
}

void Frm_storico::Riga_attivata(QTreeWidgetItem* riga) {
    const Riga_diario* r = Riga_di(riga);
    if (r == nullptr) return;
    const Riga_test& t = r->test;
    const QString file = t.file_campioni.isEmpty() ? t.file_sommario : t.file_campioni;
    if (!file.isEmpty())
        Q_EMIT Apri_test(file);
    else if (!Testo_file_altrove(t).isEmpty())
        avvisi_.Mostra(Testo_file_altrove(t));
}

QWidget* Frm_storico::Confronta() {
    const QList<QTreeWidgetItem*> scelte = Lst_test->selectedItems();
    if (scelte.size() != 2 || Riga_di(scelte[0]) == nullptr || Riga_di(scelte[1]) == nullptr)
        return nullptr;
    auto test = [&](int i) -> const Riga_test& { return Riga_di(scelte[i])->test; };
    // The older one first.
    const bool in_ordine = test(0).quando <= test(1).quando;
    auto* f = new Frm_confronta(in_ordine ? test(0) : test(1), in_ordine ? test(1) : test(0),
                                locale_, this);
    f->show();
    return f;
}

Frm_squadra* Frm_storico::Mostra_squadra() {
    if (squadra_) {
        squadra_->raise();
        squadra_->activateWindow();
        return squadra_;
    }
    squadra_ = new Frm_squadra(*indice_, Squadra(), oggi_, locale_, this);
    connect(squadra_, &Frm_squadra::Atleta_scelto, this, &Frm_storico::Imposta_atleta);
    squadra_->show();
    return squadra_;
}

void Frm_storico::Esporta_pdf() {
    Richiesta_rapporto richiesta;
    richiesta.squadra = Squadra();
    richiesta.atleta = Atleta();
    richiesta.storia = test_;
    QString giorni;
    if (Chk_date->isChecked()) {
        for (const Riga_diario& r : righe_) richiesta.test.push_back(r.test);
        giorni = Txt_dal->date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_') +
                 Txt_al->date().toString(QStringLiteral("yyyy-MM-dd"));
    } else {
        QDate giorno;
        if (const Riga_diario* r = Riga_di(Lst_test->currentItem()))
            giorno = r->quando.date();
        else if (!test_.empty())
            giorno = test_.front().quando.date();
        for (const Riga_test& t : test_)
            if (t.quando.date() == giorno) richiesta.test.push_back(t);
        giorni = giorno.toString(QStringLiteral("yyyy-MM-dd"));
    }
    if (richiesta.test.empty()) {
        avvisi_.Mostra(tr("Nessun test da mettere nel rapporto."), Avvisi::Icona::Avviso);
        return;
    }
    const QString proposto =
        QDir(Cartella_atleta()).filePath(tr("Rapporto %1 %2.pdf").arg(richiesta.atleta, giorni));
    const QString file = scelta_pdf_(this, proposto);
    if (file.isEmpty()) return;
    Esito_rapporto esito;
    if (auto errore = Scrivi_rapporto_pdf(file, richiesta, locale_, &esito)) {
        avvisi_.Mostra(tr("Il rapporto non è stato scritto: %1.").arg(*errore),
                       Avvisi::Icona::Critico);
        return;
    }
    avvisi_.Mostra(tr("Rapporto scritto in %1 (%2 test, %3 pagine).")
                       .arg(QDir::toNativeSeparators(file), QString::number(esito.test),
                            QString::number(esito.pagine)));
}

Frm_storico* Mostra_frm_storico(QPointer<Frm_storico>& finestra, const QString& cartella_dati,
                                const QString& squadra, const QString& atleta, Avvisi& avvisi,
                                const QLocale& locale, QWidget* parent) {
    if (!finestra) {
        finestra = new Frm_storico(cartella_dati, squadra, atleta, avvisi, locale, parent);
        Centra_su(finestra, parent);
    } else {
        finestra->Imposta_atleta(squadra, atleta);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}
