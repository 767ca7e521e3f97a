// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A large numeric display: one whole number in a settable colour on a dark ground,
// in a large bold face that shrinks only when the rectangle is too small for it.

#include <QColor>
#include <QLocale>
#include <QWidget>

class Numerico_misura : public QWidget {
    Q_OBJECT
public:
    explicit Numerico_misura(QWidget* parent = nullptr);

    double Valore() const { return valore_; }
    void Imposta_valore(double valore);
    QColor Colore() const { return colore_; }
    void Imposta_colore(const QColor& colore);
    void Imposta_locale(const QLocale& locale);
    // The text shown: the value rounded to a whole number.
    QString Testo() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    double valore_ = 0;
    QColor colore_ = Qt::green;
    QLocale locale_;
};
