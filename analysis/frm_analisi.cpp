// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/frm_analisi.h"

#include "platform/moduli.h"

#include "analysis/colore_allarme.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

namespace {

struct Intestazione {
    const char* testo; // nothing: the velocity's name
    int decimali;
    double scala; // what the value is multiplied by
};
// Velocities in m/s, powers in W as whole numbers.
constexpr std::array<Intestazione, Frm_analisi::Colonne> Intestazioni{{
    {QT_TRANSLATE_NOOP("Frm_analisi", "N°Rip"), 0, 1},
    {nullptr, 2, 0.001},
    {nullptr, 2, 0.001},
    {QT_TRANSLATE_NOOP("Frm_analisi", "Durata propulsiva (s)"), 2, 1},
    {QT_TRANSLATE_NOOP("Frm_analisi", "Potenza media (W)"), 0, 1},
    {QT_TRANSLATE_NOOP("Frm_analisi", "Potenza max (W)"), 0, 1},
    {QT_TRANSLATE_NOOP("Frm_analisi", "Perdita %"), 1, 1},
}};

} // namespace

Frm_analisi::Frm_analisi(const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Tool), locale_(locale) {
    setObjectName(QStringLiteral("Frm_analisi"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Analisi serie"));

    Lst_analisi = new QTableWidget(0, Colonne, this);
    Lst_analisi->setObjectName(QStringLiteral("Lst_analisi"));
    Lst_analisi->setAccessibleName(tr("Ripetizioni della serie"));
    QStringList testi;
    for (const Intestazione& i : Intestazioni) testi << (i.testo ? tr(i.testo) : QString());
    testi[1] = Nome_grandezza_velocita(Grandezza_velocita::Media_alzata, true);
    testi[2] = Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true);
    Lst_analisi->setHorizontalHeaderLabels(testi);
    Lst_analisi->verticalHeader()->hide();
    Lst_analisi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst_analisi->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lst_analisi->setSelectionMode(QAbstractItemView::SingleSelection);
    Lst_analisi->setTabKeyNavigation(false); // Tab leaves the table, the arrows move in it
    Lst_analisi->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Lst_analisi);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    // Every column readable without scrolling, room for about ten rows.
    QHeaderView* testata = Lst_analisi->horizontalHeader();
    int colonne = 0;
    for (int c = 0; c < Colonne; ++c) colonne += testata->sectionSizeHint(c);
    const int largo = colonne + Lst_analisi->verticalScrollBar()->sizeHint().width() +
                      2 * Lst_analisi->frameWidth() + colonna->contentsMargins().left() +
                      colonna->contentsMargins().right();
    const int alto = Lst_analisi->horizontalHeader()->sizeHint().height() +
                     10 * Lst_analisi->verticalHeader()->defaultSectionSize() +
                     2 * Lst_analisi->frameWidth() + colonna->contentsMargins().top() +
                     colonna->contentsMargins().bottom();
    resize(largo, alto);
}

void Frm_analisi::Mostra_serie(const std::vector<Analisi_ripetizione>& serie) {
    Lst_analisi->setRowCount(0);
    for (std::size_t i = 0; i < serie.size(); ++i)
        Ripetizione_analizzata(static_cast<int>(i), serie[i]);
}

void Frm_analisi::Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) {
    if (riga < 0) return;
    if (riga >= Lst_analisi->rowCount()) Lst_analisi->setRowCount(riga + 1);
    const std::array<double, Colonne> valori{static_cast<double>(riga) + 1,
                                             analisi.Vmedia,
                                             analisi.Vpropulsiva,
                                             analisi.Durata_propulsiva,
                                             analisi.Potenza_media,
                                             analisi.Potenza_max,
                                             analisi.Perdita};
    const QString esclusa = tr("Ripetizione esclusa");
    const QString allarme = tr("Oltre la soglia di perdita");
    for (int c = 0; c < Colonne; ++c) {
        const auto u = static_cast<std::size_t>(c);
        auto* cella = new QTableWidgetItem(
            Formatta(valori[u] * Intestazioni[u].scala, Intestazioni[u].decimali, locale_));
        cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (analisi.Esclusa) {
            cella->setForeground(Colore_qt(Grigio_esclusa));
            cella->setToolTip(esclusa);
            cella->setData(Qt::AccessibleDescriptionRole, esclusa);
        } else if (analisi.Oltre_soglia) {
            cella->setBackground(Colore_qt(Colore_allarme));
            cella->setForeground(Colore_qt(Colore_testo_allarme));
            // Not by colour alone: the tooltip and a screen reader say it too.
            cella->setToolTip(allarme);
            cella->setData(Qt::AccessibleDescriptionRole, allarme);
        }
        Lst_analisi->setItem(riga, c, cella);
    }
    Lst_analisi->scrollToItem(Lst_analisi->item(riga, 0));
}

void Frm_analisi::Misura_azzerata() {
    Lst_analisi->setRowCount(0);
}

void Inoltro_frm_analisi::Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) {
    if (finestra_) finestra_->Ripetizione_analizzata(riga, analisi);
}

void Inoltro_frm_analisi::Misura_azzerata() {
    if (finestra_) finestra_->Misura_azzerata();
}

void Inoltro_frm_analisi::Esclusione_cambiata(int, bool) {
    if (finestra_) finestra_->Mostra_serie(serie_);
}

Frm_analisi* Mostra_frm_analisi(QPointer<Frm_analisi>& finestra,
                                const std::vector<Analisi_ripetizione>& serie,
                                const QLocale& locale, QWidget* parent) {
    if (!finestra) {
        finestra = new Frm_analisi(locale, parent);
        finestra->Mostra_serie(serie);
        Centra_su(finestra, parent);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}
