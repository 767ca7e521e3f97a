// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's word on the set just saved, in a row of the main window's status bar: the
// effort the athlete felt (RPE, 1 to 10 in halves, empty for none) and the note. It shows
// when a stopped set has been saved with its record and stays until the set leaves memory
// (the next start, "RESET DATI", a test opened). Every change goes into the set (Serie)
// and into its files at once; the note as soon as the typing pauses or the box is left.
// Nothing modal: the coach may as well ignore it.

#include "stream/vista_misura.h"

#include <QLocale>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class Salvataggi;
struct Sessione;

class Riga_valutazione : public QWidget, public Vista_misura {
    Q_OBJECT
public:
    // How long the typing of the note may pause before the note is written.
    static constexpr int Pausa_nota_ms = 800;

    Riga_valutazione(Sessione& sessione, Salvataggi& salvataggi, const QLocale& locale,
                     QWidget* parent = nullptr);

    // Shows the set's RPE and note.
    void Mostra();
    // The note typed and not yet written is written now (the set is about to go).
    void Scrivi_in_sospeso();
    // The RPE of entry `indice` of cbo_rpe: 0 for the empty one.
    static float Rpe_di(int indice) {
        return indice <= 0 ? 0.0f : static_cast<float>(indice + 1) / 2.0f;
    }

    void Misura_azzerata() override;

    QLabel* Lbl_rpe;
    QComboBox* cbo_rpe; // "", 1, 1,5 ... 10
    QLabel* Lbl_nota;
    QLineEdit* Txt_nota;

private:
    void Rpe_scelto(int indice);
    void Nota_digitata(const QString& testo);
    void Scrivi();

    Sessione& s_;
    Salvataggi& salvataggi_;
    QTimer* pausa_nota_;
    bool nota_in_sospeso_ = false;
};
