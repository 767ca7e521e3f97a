// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/riga_valutazione.h"

#include "acquisition/salvataggi.h"
#include "session/sessione.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>

Riga_valutazione::Riga_valutazione(Sessione& sessione, Salvataggi& salvataggi,
                                   const QLocale& locale, QWidget* parent)
    : QWidget(parent), s_(sessione), salvataggi_(salvataggi) {
    setObjectName(QStringLiteral("Riga_valutazione"));
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(8, 0, 0, 0);

    cbo_rpe = new QComboBox(this);
    cbo_rpe->setObjectName(QStringLiteral("cbo_rpe"));
    cbo_rpe->addItem(QString());
    for (int i = 1; i <= 19; ++i)
        cbo_rpe->addItem(locale.toString(static_cast<double>(Rpe_di(i)), 'g', 3));
    cbo_rpe->setAccessibleName(tr("RPE"));
    cbo_rpe->setToolTip(tr("Fatica percepita dall'atleta nella serie (RPE), da 1 a "
                           "10; vuoto: non indicata"));
    Lbl_rpe = new QLabel(tr("&RPE"), this);
    Lbl_rpe->setBuddy(cbo_rpe);

    Txt_nota = new QLineEdit(this);
    Txt_nota->setObjectName(QStringLiteral("Txt_nota_serie"));
    Txt_nota->setPlaceholderText(tr("nota"));
    Txt_nota->setAccessibleName(tr("Nota della serie"));
    Txt_nota->setToolTip(tr("Nota sulla serie appena salvata"));
    Txt_nota->setMinimumWidth(220);
    Lbl_nota = new QLabel(tr("&Nota"), this);
    Lbl_nota->setBuddy(Txt_nota);

    riga->addWidget(Lbl_rpe);
    riga->addWidget(cbo_rpe);
    riga->addSpacing(8);
    riga->addWidget(Lbl_nota);
    riga->addWidget(Txt_nota, 1);

    pausa_nota_ = new QTimer(this);
    pausa_nota_->setSingleShot(true);
    pausa_nota_->setInterval(Pausa_nota_ms);
    connect(pausa_nota_, &QTimer::timeout, this, &Riga_valutazione::Scrivi_in_sospeso);
    connect(cbo_rpe, &QComboBox::currentIndexChanged, this, &Riga_valutazione::Rpe_scelto);
    connect(Txt_nota, &QLineEdit::textEdited, this, &Riga_valutazione::Nota_digitata);
    connect(Txt_nota, &QLineEdit::editingFinished, this, &Riga_valutazione::Scrivi_in_sospeso);
    connect(&salvataggi_, &Salvataggi::Serie_registrata, this, [this] {
        // A part saved while its acquisition goes on is no set that stopped.
        if (!s_.Serie_in_corso) Mostra();
    });
    hide();
}

void Riga_valutazione::Mostra() {
    {
        const QSignalBlocker blocco(cbo_rpe);
        const float rpe = s_.Serie.Rpe;
        cbo_rpe->setCurrentIndex(rpe >= 1 && rpe <= 10 ? static_cast<int>(std::lround(rpe * 2)) - 1
                                                       : 0);
    }
    Txt_nota->setText(s_.Serie.Nota);
    nota_in_sospeso_ = false;
    show();
}

void Riga_valutazione::Rpe_scelto(int indice) {
    s_.Serie.Rpe = Rpe_di(indice);
    Scrivi();
}

void Riga_valutazione::Nota_digitata(const QString& testo) {
    s_.Serie.Nota = testo.trimmed();
    nota_in_sospeso_ = true;
    pausa_nota_->start();
}

void Riga_valutazione::Scrivi_in_sospeso() {
    pausa_nota_->stop();
    if (!nota_in_sospeso_) return;
    Scrivi();
}

void Riga_valutazione::Scrivi() {
    // The note goes with any change: one writing carries all the set's record.
    nota_in_sospeso_ = false;
    salvataggi_.Aggiorna_file_serie();
}

void Riga_valutazione::Misura_azzerata() {
    pausa_nota_->stop();
    nota_in_sospeso_ = false;
    hide();
}
