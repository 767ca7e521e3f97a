// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value list of the graph window: the group caption Lbl_valori over one table of
// fourteen columns, one row per completed repetition, the columns' captions as its header.
// The table reads the engine's rows in place (Lista_valori) and keeps only which of them
// it shows and which are left out, so a long set costs it next to nothing.

#include "stream/lista_valori.h"

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QMenu;
class QTableView;
class QWidget;
class Modello_valori;

// The row menu's two actions, as written here; the menu shows them translated.
inline const QString Testo_escludi =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Elenco_valori", "Escludi ripetizione"));
inline const QString Testo_ripristina =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Elenco_valori", "Ripristina ripetizione"));

class Elenco_valori : public QObject {
    Q_OBJECT
public:
    static constexpr int Colonne = Lista_valori::Numero_colonne;

    explicit Elenco_valori(QWidget* finestra);

    // Lays the list out in the lower part of a W x H window: the graph area ends at
    // 0.7 H, the caption takes H/26, the table (its header as tall) the rest.
    void Disponi(int larghezza, int altezza);

    QLabel* Lbl_valori() const { return didascalia_; }
    QTableView* Tabella() const { return tabella_; }
    // A column's caption, as the table's header shows it.
    QString Intestazione(int colonna) const;
    // The text of a cell shown, empty outside the rows shown.
    QString Cella(int riga, int colonna) const;

    // The rows' data (the engine's); none: an empty table.
    void Imposta_lista(const Lista_valori* lista);
    // Shows the list's rows up to row `riga` (from 0) and selects it, as the program's own
    // selection.
    void Mostra_fino_a(int riga);
    void Svuota();
    int Righe() const;
    // The selected row, -1 when none.
    int Riga_selezionata() const;
    // The program's own selection: it does not count as the operator's.
    void Seleziona(int riga);

    // Row `riga` (from 0) drawn greyed (left out) or as the others.
    void Imposta_esclusa(int riga, bool esclusa);
    bool Esclusa(int riga) const;
    // Row `riga` drawn in the alarm colour: it lost more velocity than the exercise allows.
    void Imposta_allarme(int riga, bool allarme);
    bool Allarme(int riga) const;
    // The row's menu: one action, excluding or restoring it. The caller owns it.
    QMenu* Menu_riga(int riga, QWidget* padre);

Q_SIGNALS:
    // The operator pressed a mouse button on, or released a key in, the table; emitted once
    // the table has moved its selection.
    void Azione_operatore();
    // The operator asked to leave row `riga` out of the set's judgement, or to take it back.
    void Esclusione_richiesta(int riga, bool esclusa);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Menu_contestuale(const QPoint& punto);

    QLabel* didascalia_;
    Modello_valori* modello_;
    QTableView* tabella_;
};
