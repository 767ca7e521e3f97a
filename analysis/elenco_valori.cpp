// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/elenco_valori.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>

namespace {
// Columns 2..7 (the concentric phase) stand on yellow.
bool Colonna_concentrica(int c) {
    return c >= 2 && c <= 7;
}
// A left-out row: grey on either ground, and said, not only shown.
const QColor Grigio_esclusa(140, 140, 140);
constexpr int Ruolo_esclusa = Qt::UserRole + 1;

QString Tradotto(const QString& testo) {
    return Elenco_valori::tr(testo.toUtf8().constData());
}

} // namespace

Elenco_valori::Elenco_valori(QWidget* finestra) : QObject(finestra) {
    didascalia_ = new QLabel(finestra);
    didascalia_->setObjectName(QStringLiteral("Lbl_valori"));
    didascalia_->setText(Lista_valori::Didascalia_gruppi());
    didascalia_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    QFont carattere_testata = finestra->font();
    carattere_testata.setBold(true);
    carattere_testata.setPointSize(11);
    QFont carattere_valori = finestra->font();
    carattere_valori.setPointSize(13);
    for (int c = 0; c < Colonne; ++c) {
        auto* testata = new QLabel(finestra);
        testata->setObjectName(QStringLiteral("Txt_dettaglio_%1").arg(c));
        testata->setFrameStyle(QFrame::Box | QFrame::Plain);
        testata->setAlignment(Qt::AlignCenter);
        testata->setFont(carattere_testata);
        testata->setText(Lista_valori::Intestazione_mostrata(c));
        intestazioni_[static_cast<std::size_t>(c)] = testata;

        auto* lista = new QListWidget(finestra);
        lista->setObjectName(QStringLiteral("Lst_valori_%1").arg(c));
        lista->setSelectionMode(QAbstractItemView::SingleSelection);
        lista->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        lista->setUniformItemSizes(true);
        lista->setFont(carattere_valori);
        lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (c != Colonne - 1) lista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (Colonna_concentrica(c)) {
            QPalette tavolozza = lista->palette();
            tavolozza.setColor(QPalette::Base, QColor(255, 255, 0));
            tavolozza.setColor(QPalette::Text, Qt::black);
            lista->setPalette(tavolozza);
        }
        lista->viewport()->installEventFilter(this);
        lista->installEventFilter(this);
        colonne_[static_cast<std::size_t>(c)] = lista;
    }
    // The last column carries the only scroll bar; the columns scroll together, so a
    // row stays one row across the list.
    for (QListWidget* lista : colonne_)
        connect(lista->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int valore) {
            for (QListWidget* l : colonne_) l->verticalScrollBar()->setValue(valore);
        });
}

QLabel* Elenco_valori::Txt_dettaglio(int colonna) const {
    return colonna >= 0 && colonna < Colonne ? intestazioni_[static_cast<std::size_t>(colonna)]
                                             : nullptr;
}

QListWidget* Elenco_valori::Lst_valori(int colonna) const {
    return colonna >= 0 && colonna < Colonne ? colonne_[static_cast<std::size_t>(colonna)]
                                             : nullptr;
}

void Elenco_valori::Disponi(int larghezza, int altezza) {
    const int alto = static_cast<int>(0.7 * altezza);
    const int riga = std::max(1, altezza / 26);
    const int colonna = larghezza / Colonne;
    didascalia_->setGeometry(0, alto, larghezza, riga);
    // The caption is one fixed line of 156 characters: a fixed-pitch face sized to fill W.
    QFont f = didascalia_->font();
    f.setBold(true);
    f.setPixelSize(std::clamp(larghezza * 10 / (156 * 6), 6, riga));
    didascalia_->setFont(f);
    // Texts grow with the window, to be read from a distance.
    QFont testata = intestazioni_.front()->font();
    testata.setPixelSize(std::clamp(riga * 55 / 100, 9, 22));
    QFont valori = colonne_.front()->font();
    valori.setPixelSize(std::clamp(altezza / 40, 11, 26));
    for (int c = 0; c < Colonne; ++c) {
        intestazioni_[static_cast<std::size_t>(c)]->setFont(testata);
        colonne_[static_cast<std::size_t>(c)]->setFont(valori);
        intestazioni_[static_cast<std::size_t>(c)]->setGeometry(c * colonna, alto + riga, colonna,
                                                                riga);
        intestazioni_[static_cast<std::size_t>(c)]->setVisible(true);
        const int top = alto + 2 * riga;
        colonne_[static_cast<std::size_t>(c)]->setGeometry(c * colonna, top, colonna,
                                                           std::max(0, altezza - top));
        colonne_[static_cast<std::size_t>(c)]->setVisible(true);
    }
}

void Elenco_valori::Aggiungi_riga(const Lista_valori::Riga& riga) {
    for (int c = 0; c < Colonne; ++c) {
        QListWidget* l = colonne_[static_cast<std::size_t>(c)];
        l->addItem(riga[static_cast<std::size_t>(c)]);
        l->setCurrentRow(l->count() - 1);
        l->scrollToBottom();
    }
}

void Elenco_valori::Svuota() {
    for (QListWidget* l : colonne_) l->clear();
}

int Elenco_valori::Righe() const {
    return colonne_.front()->count();
}

int Elenco_valori::Riga_selezionata(int colonna) const {
    const QListWidget* l = Lst_valori(colonna);
    return l ? l->currentRow() : -1;
}

void Elenco_valori::Seleziona(int colonna, int riga) {
    QListWidget* l = Lst_valori(colonna);
    if (!l || riga < -1 || riga >= l->count()) return;
    l->setCurrentRow(riga);
}

int Elenco_valori::Prima_visibile(int colonna) const {
    const QListWidget* l = Lst_valori(colonna);
    return l ? l->verticalScrollBar()->value() : 0;
}

void Elenco_valori::Imposta_prima_visibile(int colonna, int riga) {
    if (QListWidget* l = Lst_valori(colonna)) l->verticalScrollBar()->setValue(riga);
}

void Elenco_valori::Imposta_esclusa(int riga, bool esclusa) {
    if (riga < 0 || riga >= Righe()) return;
    for (QListWidget* l : colonne_) {
        QListWidgetItem* cella = l->item(riga);
        cella->setData(Ruolo_esclusa, esclusa);
        cella->setData(Qt::ForegroundRole, esclusa ? QVariant(Grigio_esclusa) : QVariant());
        cella->setToolTip(esclusa ? tr("Ripetizione esclusa") : QString());
        cella->setData(Qt::AccessibleDescriptionRole,
                       esclusa ? QVariant(tr("Ripetizione esclusa")) : QVariant());
    }
}

bool Elenco_valori::Esclusa(int riga) const {
    const QListWidgetItem* cella = colonne_.front()->item(riga);
    return cella != nullptr && cella->data(Ruolo_esclusa).toBool();
}

QMenu* Elenco_valori::Menu_riga(int riga, QWidget* padre) {
    auto* menu = new QMenu(padre);
    if (riga < 0 || riga >= Righe()) return menu;
    const bool esclusa = Esclusa(riga);
    menu->addAction(Tradotto(esclusa ? Testo_ripristina : Testo_escludi), this,
                    [this, riga, esclusa] { Q_EMIT Esclusione_richiesta(riga, !esclusa); });
    return menu;
}

void Elenco_valori::Menu_contestuale(QListWidget* lista, const QPoint& punto) {
    const QListWidgetItem* cella = lista->itemAt(punto);
    if (cella == nullptr) return;
    // The row under the pointer becomes the selected one everywhere, as a click makes it.
    const int riga = lista->row(cella);
    Seleziona(0, riga);
    Q_EMIT Azione_operatore(0);
    QMenu* menu = Menu_riga(riga, lista);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(lista->viewport()->mapToGlobal(punto));
}

bool Elenco_valori::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::ContextMenu || evento->type() == QEvent::KeyPress) {
        for (QListWidget* l : colonne_) {
            if (oggetto != l && oggetto != l->viewport()) continue;
            if (evento->type() == QEvent::ContextMenu) {
                // From the keyboard: the selected row, at its place in the list.
                const auto* menu = static_cast<QContextMenuEvent*>(evento);
                QPoint punto = menu->pos();
                if (menu->reason() == QContextMenuEvent::Keyboard) {
                    const QListWidgetItem* scelta = l->item(Riga_selezionata(0));
                    if (scelta == nullptr) return true;
                    punto = l->visualItemRect(scelta).center();
                } else if (oggetto == l) {
                    punto = l->viewport()->mapFrom(l, punto);
                }
                Menu_contestuale(l, punto);
                return true;
            }
            if (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
                const int riga = Riga_selezionata(0);
                if (riga >= 0) Q_EMIT Esclusione_richiesta(riga, !Esclusa(riga));
                return true;
            }
            break;
        }
    }
    const bool pressione = evento->type() == QEvent::MouseButtonPress;
    const bool tasto = evento->type() == QEvent::KeyRelease;
    if (pressione || tasto) {
        for (int c = 0; c < Colonne; ++c) {
            QListWidget* l = colonne_[static_cast<std::size_t>(c)];
            if ((pressione && oggetto == l->viewport()) || (tasto && oggetto == l)) {
                // After the list has moved its selection.
                QMetaObject::invokeMethod(
                    this, [this, c] { Q_EMIT Azione_operatore(c); }, Qt::QueuedConnection);
                break;
            }
        }
    }
    return QObject::eventFilter(oggetto, evento);
}
