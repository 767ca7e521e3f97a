// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/frm_squadra.h"

#include "log/squadra.h"
#include "log/testi_storico.h"
#include "platform/moduli.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

Frm_squadra::Frm_squadra(Indice_test& indice, const QString& squadra, const QDate& oggi,
                         const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), indice_(indice), oggi_(oggi), locale_(locale) {
    setObjectName(QStringLiteral("Frm_squadra"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Squadra"));

    cbo_squadra = new QComboBox(this);
    cbo_squadra->setObjectName(QStringLiteral("cbo_squadra"));
    cbo_squadra->setAccessibleName(tr("Squadra"));
    cbo_squadra->setMinimumWidth(200);
    indice_.Aggiorna();
    cbo_squadra->addItems(indice_.Squadre());
    auto* scelte = new QGridLayout;
    Riga_modulo(scelte, 0, tr("&Squadra:"), cbo_squadra);
    scelte->setColumnStretch(2, 1);

    Lst_squadra = new QTreeWidget(this);
    Lst_squadra->setObjectName(QStringLiteral("Lst_squadra"));
    Lst_squadra->setAccessibleName(tr("Atleti della squadra"));
    Lst_squadra->setAccessibleDescription(tr("Doppio clic o Invio su un atleta: il suo storico"));
    Lst_squadra->setRootIsDecorated(false);
    Lst_squadra->setHeaderLabels({tr("Atleta"), tr("Ultimo test"), tr("Ultimo e1RM"),
                                  tr("Prontezza"), tr("Test 7 gg"), tr("Test 28 gg")});
    Lst_squadra->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(scelte);
    colonna->addWidget(Lst_squadra, 1);
    connect(cbo_squadra, &QComboBox::currentTextChanged, this, &Frm_squadra::Mostra_squadra);
    connect(Lst_squadra, &QTreeWidget::itemActivated, this, &Frm_squadra::Riga_attivata);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    setTabOrder(cbo_squadra, Lst_squadra);
    Adatta_allo_schermo(*this, QSize(1060, 420));
    {
        const QSignalBlocker blocco(cbo_squadra);
        cbo_squadra->setCurrentText(squadra);
    }
    Mostra_squadra(cbo_squadra->currentText());
}

void Frm_squadra::Mostra_squadra(const QString& squadra) {
    Lst_squadra->clear();
    if (squadra.isEmpty()) return;
    indice_.Aggiorna_squadra(squadra);
    for (const Riga_squadra& r : Righe_squadra(indice_, squadra, oggi_)) {
        auto* riga = new QTreeWidgetItem(Lst_squadra);
        riga->setText(Atleta, r.atleta);
        if (r.ultimo_test) {
            QString ultimo = r.ultimo_test->date().toString(QStringLiteral("dd/MM/yyyy"));
            if (!r.stazione_ultimo.isEmpty())
                ultimo += QStringLiteral(" (%1)").arg(r.stazione_ultimo);
            riga->setText(Ultimo_test, ultimo);
        }
        QStringList e1rm;
        for (const E1rm_esercizio& e : r.e1rm)
            e1rm << QStringLiteral("%1 %2").arg(e.esercizio, Testo_e1rm(e.e1rm, e.errore, locale_));
        riga->setText(E1rm, e1rm.join(QStringLiteral("; ")));
        if (r.prontezza) {
            const ::Prontezza& p = *r.prontezza;
            riga->setText(Prontezza,
                          QStringLiteral("%1 %2: %3")
                              .arg(p.esercizio, locale_.toString(p.giorno, QStringLiteral("dd/MM")),
                                   Testo_esito(p.esito)));
            riga->setToolTip(Prontezza, Testo_prontezza(p, locale_));
        }
        riga->setText(Test_7, QString::number(r.test_7_giorni));
        riga->setText(Test_28, QString::number(r.test_28_giorni));
        riga->setTextAlignment(Test_7, Qt::AlignRight);
        riga->setTextAlignment(Test_28, Qt::AlignRight);
    }
    if (Lst_squadra->topLevelItemCount() > 0)
        Lst_squadra->setCurrentItem(Lst_squadra->topLevelItem(0));
}

void Frm_squadra::Ricarica() {
    const QString squadra = cbo_squadra->currentText();
    const QString atleta =
        Lst_squadra->currentItem() ? Lst_squadra->currentItem()->text(Atleta) : QString();
    {
        const QSignalBlocker blocco(cbo_squadra);
        cbo_squadra->clear();
        cbo_squadra->addItems(indice_.Squadre());
        cbo_squadra->setCurrentText(squadra);
    }
    Mostra_squadra(cbo_squadra->currentText());
    for (int i = 0; i < Lst_squadra->topLevelItemCount(); ++i)
        if (Lst_squadra->topLevelItem(i)->text(Atleta) == atleta)
            Lst_squadra->setCurrentItem(Lst_squadra->topLevelItem(i));
}

void Frm_squadra::Riga_attivata(QTreeWidgetItem* riga) {
    if (riga == nullptr) return;
    Q_EMIT Atleta_scelto(cbo_squadra->currentText(), riga->text(Atleta));
}
