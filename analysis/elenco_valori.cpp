// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/elenco_valori.h"

#include "analysis/colore_allarme.h"

#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <algorithm>

namespace {
// Columns 2..7 (the concentric phase) stand on yellow.
bool Colonna_concentrica(int c) {
    return c >= 2 && c <= 7;
}
const QColor Giallo_concentrica(255, 255, 0);

QString Tradotto(const QString& testo) {
    return Elenco_valori::tr(testo.toUtf8().constData());
}

} // namespace

// The engine's rows as a table: the first `righe_` of them, read in place.
class Modello_valori : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Imposta_lista(const Lista_valori* lista) {
        beginResetModel();
        lista_ = lista;
        righe_ = 0;
        escluse_.clear();
        allarmi_.clear();
        endResetModel();
    }
    // Grows to `righe` rows, as far as the list has them.
    void Mostra(int righe) {
        if (lista_ == nullptr) return;
        righe = std::min(righe, lista_->Righe());
        if (righe <= righe_) return;
        beginInsertRows({}, righe_, righe - 1);
        righe_ = righe;
        escluse_.resize(static_cast<std::size_t>(righe), false);
        allarmi_.resize(static_cast<std::size_t>(righe), false);
        endInsertRows();
    }
    void Svuota() {
        if (righe_ == 0) return;
        beginResetModel();
        righe_ = 0;
        escluse_.clear();
        allarmi_.clear();
        endResetModel();
    }
    void Imposta_allarme(int riga, bool allarme) {
        allarmi_[static_cast<std::size_t>(riga)] = allarme;
        Q_EMIT dataChanged(index(riga, 0), index(riga, Elenco_valori::Colonne - 1));
    }
    bool Allarme(int riga) const {
        return riga >= 0 && riga < righe_ && allarmi_[static_cast<std::size_t>(riga)];
    }
    void Imposta_esclusa(int riga, bool esclusa) {
        escluse_[static_cast<std::size_t>(riga)] = esclusa;
        Q_EMIT dataChanged(index(riga, 0), index(riga, Elenco_valori::Colonne - 1));
    }
    bool Esclusa(int riga) const {
        return riga >= 0 && riga < righe_ && escluse_[static_cast<std::size_t>(riga)];
    }
    QString Testo(int riga, int colonna) const {
        // The engine empties its list before the table hears of it.
        if (lista_ == nullptr || riga < 0 || riga >= std::min(righe_, lista_->Righe()) ||
            colonna < 0 || colonna >= Elenco_valori::Colonne)
            return {};
        return lista_->Cella(riga, colonna);
    }

    int rowCount(const QModelIndex& padre) const override { return padre.isValid() ? 0 : righe_; }
    int columnCount(const QModelIndex& padre) const override {
        return padre.isValid() ? 0 : Elenco_valori::Colonne;
    }
    QVariant data(const QModelIndex& indice, int ruolo) const override {
        const int r = indice.row(), c = indice.column();
        switch (ruolo) {
        case Qt::DisplayRole:
            return Testo(r, c);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (Allarme(r) && !Esclusa(r)) return Colore_qt(Colore_allarme);
            return Colonna_concentrica(c) ? QVariant(Giallo_concentrica) : QVariant();
        case Qt::ForegroundRole:
            if (Esclusa(r)) return Colore_qt(Grigio_esclusa);
            if (Allarme(r)) return Colore_qt(Colore_testo_allarme);
            return Colonna_concentrica(c) ? QVariant(QColor(Qt::black)) : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (Esclusa(r)) return Elenco_valori::tr("Ripetizione esclusa");
            return Allarme(r) ? QVariant(Elenco_valori::tr("Perdita oltre la soglia")) : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override {
        if (ruolo != Qt::DisplayRole) return {};
        if (verso == Qt::Horizontal) return Lista_valori::Intestazione_mostrata(sezione);
        return Testo(sezione, 0); // the repetition's number
    }

private:
    const Lista_valori* lista_ = nullptr;
    int righe_ = 0;
    std::vector<bool> escluse_;
    std::vector<bool> allarmi_; // lost more velocity than the exercise allows
};

Elenco_valori::Elenco_valori(QWidget* finestra) : QObject(finestra) {
    didascalia_ = new QLabel(finestra);
    didascalia_->setObjectName(QStringLiteral("Lbl_valori"));
    didascalia_->setText(Lista_valori::Didascalia_gruppi());
    didascalia_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    modello_ = new Modello_valori(this);
    tabella_ = new QTableView(finestra);
    tabella_->setObjectName(QStringLiteral("Lst_valori"));
    tabella_->setAccessibleName(tr("Valori delle ripetizioni"));
    tabella_->setModel(modello_);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setTabKeyNavigation(false); // one stop on the way through the window
    tabella_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    tabella_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella_->setWordWrap(false);
    tabella_->verticalHeader()->hide();
    tabella_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabella_->horizontalHeader()->setSectionsClickable(false);
    tabella_->horizontalHeader()->setMinimumSectionSize(1);
    tabella_->viewport()->installEventFilter(this);
    tabella_->installEventFilter(this);
}

QString Elenco_valori::Intestazione(int colonna) const {
    return modello_->headerData(colonna, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString Elenco_valori::Cella(int riga, int colonna) const {
    return modello_->Testo(riga, colonna);
}

void Elenco_valori::Disponi(int larghezza, int altezza) {
    const int alto = static_cast<int>(0.7 * altezza);
    const int riga = std::max(1, altezza / 26);
    didascalia_->setGeometry(0, alto, larghezza, riga);
    // The caption is one fixed line of 156 characters: a fixed-pitch face sized to fill W.
    QFont f = didascalia_->font();
    f.setBold(true);
    f.setPixelSize(std::clamp(larghezza * 10 / (156 * 6), 6, riga));
    didascalia_->setFont(f);
    // Texts grow with the window, to be read from a distance.
    QHeaderView* testata = tabella_->horizontalHeader();
    QFont f_testata = testata->font();
    f_testata.setBold(true);
    f_testata.setPixelSize(std::clamp(riga * 55 / 100, 9, 22));
    testata->setFont(f_testata);
    testata->setFixedHeight(riga);
    QFont valori = tabella_->font();
    valori.setPixelSize(std::clamp(altezza / 40, 11, 26));
    tabella_->setFont(valori);
    tabella_->verticalHeader()->setMinimumSectionSize(1);
    tabella_->verticalHeader()->setDefaultSectionSize(QFontMetrics(valori).height() + 4);
    const int top = alto + riga;
    tabella_->setGeometry(0, top, larghezza, std::max(0, altezza - top));
    tabella_->setVisible(true);
}

void Elenco_valori::Imposta_lista(const Lista_valori* lista) {
    modello_->Imposta_lista(lista);
}

void Elenco_valori::Mostra_fino_a(int riga) {
    modello_->Mostra(riga + 1);
    Seleziona(riga);
    tabella_->scrollToBottom();
}

void Elenco_valori::Svuota() {
    modello_->Svuota();
}

int Elenco_valori::Righe() const {
    return modello_->rowCount({});
}

int Elenco_valori::Riga_selezionata() const {
    return tabella_->currentIndex().row();
}

void Elenco_valori::Seleziona(int riga) {
    if (riga < -1 || riga >= Righe()) return;
    QItemSelectionModel* selezione = tabella_->selectionModel();
    if (riga < 0) {
        selezione->clear();
        return;
    }
    const int colonna = std::max(0, tabella_->currentIndex().column());
    selezione->setCurrentIndex(modello_->index(riga, colonna),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Elenco_valori::Imposta_esclusa(int riga, bool esclusa) {
    if (riga < 0 || riga >= Righe()) return;
    modello_->Imposta_esclusa(riga, esclusa);
}

void Elenco_valori::Imposta_allarme(int riga, bool allarme) {
    if (riga < 0 || riga >= Righe()) return;
    modello_->Imposta_allarme(riga, allarme);
}

bool Elenco_valori::Allarme(int riga) const {
    return modello_->Allarme(riga);
}

bool Elenco_valori::Esclusa(int riga) const {
    return modello_->Esclusa(riga);
}

QMenu* Elenco_valori::Menu_riga(int riga, QWidget* padre) {
    auto* menu = new QMenu(padre);
    if (riga < 0 || riga >= Righe()) return menu;
    const bool esclusa = Esclusa(riga);
    menu->addAction(Tradotto(esclusa ? Testo_ripristina : Testo_escludi), this,
                    [this, riga, esclusa] { Q_EMIT Esclusione_richiesta(riga, !esclusa); });
    return menu;
}

void Elenco_valori::Menu_contestuale(const QPoint& punto) {
    const int riga = tabella_->indexAt(punto).row();
    if (riga < 0) return;
    // The row under the pointer becomes the selected one, as a click makes it.
    Seleziona(riga);
    Q_EMIT Azione_operatore();
    QMenu* menu = Menu_riga(riga, tabella_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(tabella_->viewport()->mapToGlobal(punto));
}

bool Elenco_valori::eventFilter(QObject* oggetto, QEvent* evento) {
    const bool tabella = oggetto == tabella_;
    if (evento->type() == QEvent::ContextMenu && (tabella || oggetto == tabella_->viewport())) {
        // From the keyboard: the selected row, at its place in the table.
        const auto* menu = static_cast<QContextMenuEvent*>(evento);
        QPoint punto = menu->pos();
        if (menu->reason() == QContextMenuEvent::Keyboard) {
            const QModelIndex scelta = tabella_->currentIndex();
            if (!scelta.isValid()) return true;
            punto = tabella_->visualRect(scelta).center();
        } else if (tabella) {
            punto = tabella_->viewport()->mapFrom(tabella_, punto);
        }
        Menu_contestuale(punto);
        return true;
    }
    if (tabella && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
        const int riga = Riga_selezionata();
        if (riga >= 0) Q_EMIT Esclusione_richiesta(riga, !Esclusa(riga));
        return true;
    }
    const bool pressione =
        evento->type() == QEvent::MouseButtonPress && oggetto == tabella_->viewport();
    const bool tasto = evento->type() == QEvent::KeyRelease && tabella;
    if (pressione || tasto)
        // After the table has moved its selection.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT Azione_operatore(); }, Qt::QueuedConnection);
    return QObject::eventFilter(oggetto, evento);
}
