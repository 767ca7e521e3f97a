// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numerico.h"

#include "session/formato.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

Numerico_misura::Numerico_misura(QWidget* parent) : QWidget(parent) {
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSize(120);
    setFont(f);
}

void Numerico_misura::Imposta_valore(double valore) {
    if (!std::isfinite(valore)) return;
    valore_ = valore;
    update();
}

void Numerico_misura::Imposta_colore(const QColor& colore) {
    colore_ = colore;
    update();
}

void Numerico_misura::Imposta_locale(const QLocale& locale) {
    locale_ = locale;
    update();
}

QString Numerico_misura::Testo() const {
    return Formatta(valore_, "0", locale_);
}

void Numerico_misura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(20, 20, 20));
    const QString testo = Testo();
    QFont f = font();
    // Shrink until the text fits with a margin (a 4-digit number, a minus sign).
    const QString campione = testo.size() < 4 ? QStringLiteral("0000") : testo;
    while (f.pointSize() > 8) {
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(campione) <= width() * 9 / 10 && fm.height() <= height() * 9 / 10)
            break;
        f.setPointSize(f.pointSize() * 9 / 10);
    }
    p.setFont(f);
    p.setPen(colore_);
    p.drawText(rect(), Qt::AlignCenter, testo);
}
