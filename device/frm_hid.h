#pragma once
// The HID link window "Testing..HID" that the start-up shows while it looks for a board
// over USB. Its test buttons send "$F" and "$T" over the link and show the outcome.

#include <QWidget>

class Collegamento_hid;
class QLineEdit;
class QPushButton;

class frm_hid : public QWidget {
    Q_OBJECT
public:
    explicit frm_hid(Collegamento_hid& collegamento, QWidget* parent = nullptr);

    // Test buttons: start ("$F") and stop ("$T") the stream; Command3 does nothing.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLineEdit* Text1;

private:
    void Invia_prova(const char* comando);

    Collegamento_hid& collegamento_;
};
