// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value list of the graph window: the group caption Lbl_valori, fourteen header
// cells Txt_dettaglio(0..13) and fourteen single-column lists Lst_valori(0..13), side by
// side so that row k of every column belongs to the same repetition.

#include "stream/lista_valori.h"

#include <QObject>
#include <QString>
#include <array>

class QLabel;
class QListWidget;
class QMenu;
class QWidget;

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
    // 0.7 H, the caption takes H/26, the header cells as much, the columns the rest.
    void Disponi(int larghezza, int altezza);

    QLabel* Lbl_valori() const { return didascalia_; }
    QLabel* Txt_dettaglio(int colonna) const;
    QListWidget* Lst_valori(int colonna) const;

    // Appends one row (one text per column) and selects it in every column.
    void Aggiungi_riga(const Lista_valori::Riga& riga);
    void Svuota();
    int Righe() const;
    // Selected row of a column, -1 when none.
    int Riga_selezionata(int colonna) const;
    // The program's own selection: it does not count as the operator's.
    void Seleziona(int colonna, int riga);
    int Prima_visibile(int colonna) const;
    void Imposta_prima_visibile(int colonna, int riga);

    // Row `riga` (from 0) drawn greyed (left out) or as the others.
    void Imposta_esclusa(int riga, bool esclusa);
    bool Esclusa(int riga) const;
    // The row's menu: one action, excluding or restoring it. The caller owns it.
    QMenu* Menu_riga(int riga, QWidget* padre);

Q_SIGNALS:
    // The operator pressed a mouse button on, or released a key in, a column; emitted
    // once the list has handled the event.
    void Azione_operatore(int colonna);
    // The operator asked to leave row `riga` out of the set's judgement, or to take it back.
    void Esclusione_richiesta(int riga, bool esclusa);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Menu_contestuale(QListWidget* lista, const QPoint& punto);

    QLabel* didascalia_;
    std::array<QLabel*, Colonne> intestazioni_{};
    std::array<QListWidget*, Colonne> colonne_{};
};
