// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/frm_hid.h"

#include "device/collegamento_hid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

frm_hid::frm_hid(Collegamento_hid& collegamento, QWidget* parent)
    : QWidget(parent), collegamento_(collegamento) {
    setObjectName(QStringLiteral("frm_hid"));
    setWindowTitle(QStringLiteral("HID"));
    Command1 = new QPushButton(QStringLiteral("$F"), this);
    Command2 = new QPushButton(QStringLiteral("$T"), this);
    Command3 = new QPushButton(QStringLiteral("Command3"), this);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("Esito dell'ultimo comando"));
    Lbl_ricerca = new QLabel(tr("Ricerca della scheda USB..."), this);
    Lbl_ricerca->setMinimumWidth(
        Lbl_ricerca->fontMetrics().horizontalAdvance(QStringLiteral("Testing..HID")) * 3);
    Lbl_ricerca->setAlignment(Qt::AlignCenter);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(24, 18, 24, 18);
    colonna->addWidget(Lbl_ricerca);
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Text1)})
        colonna->addWidget(w);
    connect(Command1, &QPushButton::clicked, this, [this] { Invia_prova("$F"); });
    connect(Command2, &QPushButton::clicked, this, [this] { Invia_prova("$T"); });
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    Mostra_prove(false);
}

void frm_hid::Mostra_prove(bool mostra) {
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Text1)})
        w->setVisible(mostra);
    adjustSize();
}

void frm_hid::Invia_prova(const char* comando) {
    const auto errore = collegamento_.Invia(QByteArray(comando));
    Text1->setText(errore ? *errore : QString::fromLatin1(comando));
}
