// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/moduli.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

void Riga_modulo(QGridLayout* griglia, int riga, const QString& etichetta, QWidget* campo) {
    auto* testo = new QLabel(etichetta, griglia->parentWidget());
    testo->setBuddy(campo);
    griglia->addWidget(testo, riga, 0);
    griglia->addWidget(campo, riga, 1);
}

void Centra_su(QWidget* finestra, const QWidget* sopra) {
    const QWidget* base = sopra != nullptr ? sopra->window() : nullptr;
    const QScreen* schermo = base != nullptr ? base->screen() : QGuiApplication::primaryScreen();
    if (schermo == nullptr) return;
    const QRect libero = schermo->availableGeometry();
    const QRect sotto = base != nullptr && base->isVisible() ? base->frameGeometry() : libero;
    finestra->ensurePolished();
    if (!finestra->testAttribute(Qt::WA_Resized)) finestra->adjustSize();
    // Wide enough for the whole caption beside the frame's buttons.
    QFont grassetto = finestra->font();
    grassetto.setBold(true);
    const int per_titolo = QFontMetrics(grassetto).horizontalAdvance(finestra->windowTitle()) + 120;
    if (finestra->width() < per_titolo && finestra->maximumWidth() >= per_titolo)
        finestra->resize(per_titolo, finestra->height());
    const int titolo = finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QRect r(QPoint(), finestra->size() + QSize(0, titolo));
    r.moveCenter(sotto.center());
    r.moveLeft(
        std::clamp(r.left(), libero.left(), std::max(libero.left(), libero.right() - r.width())));
    r.moveTop(
        std::clamp(r.top(), libero.top(), std::max(libero.top(), libero.bottom() - r.height())));
    finestra->move(r.topLeft());
}

QRect Posto_nello_schermo(QSize voluta, const QRect& area) {
    const QSize massima(area.width() * 9 / 10, area.height() * 9 / 10);
    QRect posto(QPoint(), voluta.boundedTo(massima));
    posto.moveCenter(area.center());
    return posto;
}

void Adatta_allo_schermo(QWidget& finestra, QSize voluta) {
    const QScreen* schermo = QGuiApplication::screenAt(QCursor::pos());
    if (schermo == nullptr) schermo = QGuiApplication::primaryScreen();
    if (schermo == nullptr) {
        finestra.resize(voluta);
        return;
    }
    const QRect posto = Posto_nello_schermo(voluta, schermo->availableGeometry());
    finestra.resize(posto.size());
    finestra.move(posto.topLeft());
}
