// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/frm_confronta.h"

#include "platform/grafico_qcp.h"
#include "platform/grafico_xy.h"
#include "platform/moduli.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

QString Frm_confronta::Nome_test(const Riga_test& t, const QLocale& locale) {
    return QStringLiteral("%1 %2 %3 %4 kg")
        .arg(t.quando.toString(QStringLiteral("dd/MM")), t.quando.toString(QStringLiteral("HH:mm")),
             t.esercizio, Formatta(t.carico, "0.0", locale));
}

Frm_confronta::Frm_confronta(const Riga_test& primo, const Riga_test& secondo,
                             const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Frm_confronta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Confronta test"));

    const Riga_test* test[2] = {&primo, &secondo};
    Velocita_test velocita[2];
    for (int i = 0; i < 2; ++i) velocita[i] = Velocita_ripetizioni(*test[i]);

    Grafico_confronto =
        new Grafico_xy(tr("Velocità per ripetizione"), tr("Ripetizione"),
                       Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true), this);
    Grafico_confronto->setObjectName(QStringLiteral("Grafico_confronto"));
    Grafico_confronto->setAccessibleName(tr("Velocità per ripetizione dei due test"));
    Grafico_confronto->setMinimumSize(420, 220);
    const QColor colori[2] = {QColor(0, 0, 0), QColor(0, 110, 220)};
    const Grafico_xy::Tratto tratti[2] = {Grafico_xy::Tratto::Linea,
                                          Grafico_xy::Tratto::Tratteggio};
    double y_max = 0;
    std::size_t quante = 0;
    for (int i = 0; i < 2; ++i) {
        const int serie =
            Grafico_confronto->Aggiungi_serie(Nome_test(*test[i], locale), colori[i], tratti[i]);
        std::vector<QPointF> punti;
        const auto& v = velocita[i].ripetizioni;
        quante = std::max(quante, v.size());
        for (std::size_t r = 0; r < v.size(); ++r)
            if (v[r]) {
                punti.emplace_back(static_cast<double>(r) + 1, *v[r]);
                y_max = std::max(y_max, *v[r]);
            }
        Grafico_confronto->Imposta_serie(serie, punti);
    }
    Grafico_confronto->Imposta_intervallo(0.5, static_cast<double>(quante) + 0.5, 0,
                                          y_max > 0 ? 1.15 * y_max : 1.0);
    // Repetitions are counted: whole numbers on the axis.
    auto passo = QSharedPointer<QCPAxisTickerFixed>::create();
    passo->setTickStep(1);
    passo->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    Grafico_confronto->Piano()->xAxis->setTicker(passo);
    Grafico_confronto->Ridisegna();

    Lst_confronto = new QTreeWidget(this);
    Lst_confronto->setObjectName(QStringLiteral("Lst_confronto"));
    Lst_confronto->setAccessibleName(tr("Ripetizioni dei due test"));
    Lst_confronto->setRootIsDecorated(false);
    Lst_confronto->setHeaderLabels({tr("Rip."), Nome_test(primo, locale) + QStringLiteral(" (m/s)"),
                                    Nome_test(secondo, locale) + QStringLiteral(" (m/s)")});
    Lst_confronto->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (std::size_t r = 0; r < quante; ++r) {
        auto* riga = new QTreeWidgetItem(Lst_confronto);
        riga->setText(0, QString::number(r + 1));
        for (int i = 0; i < 2; ++i) {
            const auto& v = velocita[i].ripetizioni;
            riga->setText(i + 1, r >= v.size() ? QString()
                                 : v[r]        ? Formatta(*v[r], "0.00", locale)
                                               : tr("esclusa"));
            riga->setTextAlignment(i + 1, Qt::AlignRight);
        }
        riga->setTextAlignment(0, Qt::AlignRight);
    }

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Grafico_confronto, 1);
    for (int i = 0; i < 2; ++i)
        if (!velocita[i].errore.isEmpty()) {
            auto* errore = new QLabel(
                Nome_test(*test[i], locale) + QStringLiteral(": ") + velocita[i].errore, this);
            errore->setWordWrap(true);
            colonna->addWidget(errore);
        }
    colonna->addWidget(Lst_confronto);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    // Within the screen of the log it is opened from (where the pointer is may be another).
    const QScreen* schermo = parent != nullptr ? parent->screen() : nullptr;
    if (schermo != nullptr)
        resize(Posto_nello_schermo(QSize(640, 560), schermo->availableGeometry()).size());
    else
        Adatta_allo_schermo(*this, QSize(640, 560));
}
