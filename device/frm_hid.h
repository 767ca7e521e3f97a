// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HID link window "Testing..HID" that the start-up shows while it looks for a board
// over USB. The user sees one line saying what is going on; the test buttons, which send
// "$F" and "$T" over the link and show the outcome, appear only with the diagnostic
// start option.

#include <QWidget>

class Collegamento_hid;
class QLabel;
class QLineEdit;
class QPushButton;

class frm_hid : public QWidget {
    Q_OBJECT
public:
    explicit frm_hid(Collegamento_hid& collegamento, QWidget* parent = nullptr);

    // Shows or hides the test buttons and their text box.
    void Mostra_prove(bool mostra);

    // Test buttons: start ("$F") and stop ("$T") the stream; Command3 does nothing.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLineEdit* Text1;
    QLabel* Lbl_ricerca;

private:
    void Invia_prova(const char* comando);

    Collegamento_hid& collegamento_;
};
