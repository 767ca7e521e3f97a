// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number entry that takes "," and "." alike as the decimal separator, whatever the
// regional settings: under Italian settings "12.5" is twelve and a half, not 125. The
// value is shown with the locale's separator, also while it is typed.

#include "session/formato.h" // Numero_digitato

#include <QDoubleSpinBox>

class Casella_decimale : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit Casella_decimale(QWidget* parent = nullptr) : QDoubleSpinBox(parent) {}

    QValidator::State validate(QString& testo, int& posizione) const override;
    double valueFromText(const QString& testo) const override;

private:
    QString Senza_prefisso(const QString& testo) const;
};
