// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The opening window: the product name, the version and the logo. After one second it
// hands over to the main window and the setup dialog; a key or a click hands over at
// once, to the main window only.

#include <QIcon>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

class frm_apertura : public QWidget {
    Q_OBJECT
public:
    explicit frm_apertura(QWidget* parent = nullptr);

    QFrame* Frame1;
    QLabel* Label1;
    QLabel* lblProductName;
    QLabel* lblCompanyProduct;
    QLabel* lblVersion;
    QWidget* imgLogo;
    QTimer* Timer1;

    // The timer's handler: one second after the window opened.
    void Timer1_Timer();

Q_SIGNALS:
    // The window closed; the main window comes next, and with `configura` the setup
    // dialog after it.
    void Passaggio(bool configura);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Chiudi(bool configura);

    float trascorso_ = 0; // seconds since the window opened
    bool chiusa_ = false;
};

// The program's icon: the logo.
QIcon Icona_programma();
