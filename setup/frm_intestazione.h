// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header strip across the top of the main window: who lifts what, the velocity
// band in force, the board's current displacement, and the button that opens the setup.

#include "session/sessione.h"
#include "stream/vista_misura.h"

#include <QLocale>
#include <QWidget>

class QLabel;
class QPushButton;

class Frm_intestazione : public QWidget, public Vista_misura {
    Q_OBJECT
public:
    explicit Frm_intestazione(QWidget* parent = nullptr);

    // Rewrites both text lines from the record; numbers as plain single texts of `locale`,
    // which the displacement uses from now on too.
    void Aggiorna_intestazione(const Dati_esercizio_t& dati, const QLocale& locale);

    // Lays the strip out against the main window's work area of W x H pixels.
    void riposiziona(int W, int H);

    // "Spost(cm)=  " + the displacement with `decimali` decimals. Told for every record
    // of the stream, so the text is rebuilt only when what it shows changes.
    void Spostamento(double centimetri, int decimali) override;
    // Back to "Spost(cm)=  0" until the board's next record: after a test is opened the
    // value shown was the board's at the end of an earlier set.
    void Azzera_spostamento();

    QPushButton* Button_Configura;
    QLabel* Lbl_intestazione;
    QLabel* Lbl_intestazione1;
    QLabel* Lbl_spostamento;

Q_SIGNALS:
    // The operator asks for the setup dialog.
    void Configura_richiesta();

private:
    // The button and the labels within the strip's present size.
    void Disponi_etichette();
    static QString Testo_spostamento(const QString& centimetri);

    QLocale locale_;
    // What Lbl_spostamento shows: the rounded value in units of its last decimal.
    long long spostamento_mostrato_ = 0;
    int decimali_mostrati_ = -1;
};
