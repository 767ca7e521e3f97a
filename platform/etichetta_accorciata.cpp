// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/etichetta_accorciata.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

Etichetta_accorciata::Etichetta_accorciata(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString Etichetta_accorciata::Testo_mostrato() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize Etichetta_accorciata::minimumSizeHint() const {
    const QSize intera = QLabel::minimumSizeHint();
    const QMargins m = contentsMargins();
    return {std::min(intera.width(), fontMetrics().horizontalAdvance(QStringLiteral("M...M")) +
                                         m.left() + m.right()),
            intera.height()};
}

void Etichetta_accorciata::paintEvent(QPaintEvent* evento) {
    const QString mostrato = Testo_mostrato();
    // Whole, the label draws itself (and keeps its text selectable).
    if (mostrato == text()) return QLabel::paintEvent(evento);
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), mostrato, foregroundRole());
}
