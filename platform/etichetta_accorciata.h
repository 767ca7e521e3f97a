// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label that shows a text too long for its width shortened in the middle
// ("/home/.../Rossi/test.csv"), so that it never runs into the widget beside it. Its size
// hint is still the whole text's; it can be narrowed down to a few letters.

#include <QLabel>

class Etichetta_accorciata : public QLabel {
    Q_OBJECT
public:
    explicit Etichetta_accorciata(QWidget* parent = nullptr);

    // The text as it is drawn at the current width.
    QString Testo_mostrato() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;
};
