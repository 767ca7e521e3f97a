// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/slider.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

std::array<int, 2> Centri_etichette(std::array<int, 2> y, int alto, int cima, int fondo) {
    if (std::abs(y[0] - y[1]) >= alto) return y;
    int sopra = (y[0] + y[1]) / 2 - alto / 2;
    sopra = std::max(cima, std::min(sopra, fondo - alto));
    const int sotto = sopra + alto;
    return y[0] <= y[1] ? std::array<int, 2>{sopra, sotto} : std::array<int, 2>{sotto, sopra};
}

namespace {

const QColor Fondo_barra(20, 20, 20);

} // namespace

Slider_misura::Slider_misura(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void Slider_misura::Imposta_valore(double valore) {
    if (!std::isfinite(valore) || valore == valore_) return;
    valore_ = valore;
    update();
}

void Slider_misura::Imposta_intervallo(double minimo, double massimo) {
    if (!std::isfinite(minimo) || !std::isfinite(massimo) || !(minimo < massimo)) return;
    minimo_ = minimo;
    massimo_ = massimo;
    update();
}

void Slider_misura::Imposta_colore(const QColor& colore) {
    colore_ = colore;
    update();
}

void Slider_misura::Imposta_didascalia(const QString& testo) {
    didascalia_ = testo;
    update();
}

void Slider_misura::Imposta_stato(const QString& testo, const QColor& colore) {
    stato_ = testo;
    colore_stato_ = colore;
    update();
}

double Slider_misura::Segno(int indice) const {
    return indice == 1 || indice == 2 ? segni_[static_cast<std::size_t>(indice - 1)] : 0.0;
}

QString Slider_misura::Etichetta_segno(int indice) const {
    return indice == 1 || indice == 2 ? etichette_[static_cast<std::size_t>(indice - 1)]
                                      : QString();
}

void Slider_misura::Imposta_segno(int indice, double valore) {
    if ((indice == 1 || indice == 2) && std::isfinite(valore)) {
        segni_[static_cast<std::size_t>(indice - 1)] = valore;
        update();
    }
}

void Slider_misura::Imposta_etichetta_segno(int indice, const QString& testo) {
    if (indice == 1 || indice == 2) {
        etichette_[static_cast<std::size_t>(indice - 1)] = testo;
        update();
    }
}

void Slider_misura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int w = width(), h = height();

    QFont titolo = font();
    titolo.setBold(true);
    titolo.setPointSize(std::clamp(w / 11, 9, 15));
    p.setFont(titolo);
    const int a_capo = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    // At least two lines, more when the caption needs them.
    const QFontMetrics fm_titolo(titolo);
    const int alto_titolo =
        std::max(fm_titolo.height() * 2,
                 fm_titolo.boundingRect(0, 0, w - 4, h, a_capo, didascalia_).height());
    const QRect area_titolo(2, 2, w - 4, alto_titolo + 4);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(area_titolo, a_capo, didascalia_);

    // The pointer's value, large, under the caption.
    QFont numero = font();
    numero.setBold(true);
    numero.setPointSize(std::clamp(w / 6, 12, 28));
    p.setFont(numero);
    const QRect area_valore(2, area_titolo.bottom() + 2, w - 4, QFontMetrics(numero).height());
    p.drawText(area_valore, Qt::AlignCenter, QString::number(std::lround(valore_)));

    QFont scala = font();
    scala.setPointSize(std::clamp(w / 13, 8, 13));
    // The band and the alarm in words, under the value.
    int sotto_valore = area_valore.bottom();
    if (!stato_.isEmpty()) {
        QFont f_stato = scala;
        f_stato.setBold(true);
        p.setFont(f_stato);
        const QRect area_stato(
            2, sotto_valore + 2, w - 4,
            QFontMetrics(f_stato).boundingRect(0, 0, w - 4, h, a_capo, stato_).height());
        p.setPen(colore_stato_.isValid() ? colore_stato_ : palette().color(QPalette::WindowText));
        p.drawText(area_stato, a_capo, stato_);
        sotto_valore = area_stato.bottom();
    }
    p.setFont(scala);
    const QFontMetrics fm(scala);
    const int alto = sotto_valore + fm.height();
    const int basso = h - fm.height();
    if (basso - alto < 20) return;
    // Track: the middle third of the width; labels to its left, marks to its right.
    const int larghezza_barra = std::max(10, w / 4);
    const int sinistra =
        std::max(fm.horizontalAdvance(QStringLiteral("0000")) + 8, (w - larghezza_barra) / 2 - 6);
    const QRect barra(sinistra, alto, larghezza_barra, basso - alto);
    auto y_di = [&](double v) {
        const double r = (std::clamp(v, minimo_, massimo_) - minimo_) / (massimo_ - minimo_);
        return basso - static_cast<int>(std::lround(r * (basso - alto)));
    };

    // A dark track: each band colour and the alarm's stand out from it by at least 4,6:1.
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Fondo_barra);
    p.drawRect(barra);
    const int y_valore = y_di(valore_);
    p.setBrush(colore_);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRect(barra.left(), y_valore, barra.width(), basso - y_valore));

    // Scale: five divisions.
    p.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i <= 5; ++i) {
        const double v = minimo_ + (massimo_ - minimo_) * i / 5.0;
        const int y = y_di(v);
        p.drawLine(barra.left() - 5, y, barra.left(), y);
        const QString testo = QString::number(std::lround(v));
        p.drawText(QRect(0, y - fm.height() / 2, barra.left() - 7, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, testo);
    }

    // Labelled marks.
    QFont segni = scala;
    segni.setBold(true);
    p.setFont(segni);
    const auto visibile = [&](std::size_t i) {
        return segni_[i] >= minimo_ && segni_[i] <= massimo_;
    };
    std::array<int, 2> y_segni{y_di(segni_[0]), y_di(segni_[1])};
    std::array<int, 2> y_etichette = y_segni;
    if (visibile(0) && visibile(1))
        y_etichette =
            Centri_etichette(y_segni, fm.height(), fm.height() / 2, h - (fm.height() + 1) / 2);
    for (std::size_t i = 0; i < 2; ++i) {
        if (!visibile(i)) continue;
        const int y = y_segni[i];
        // A light edge keeps the mark seen on the dark track.
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(barra.left() - 2, y, barra.right() + 6, y);
        p.setPen(QPen(QColor(0, 0, 160), 2));
        p.drawLine(barra.left() - 2, y, barra.right() + 6, y);
        p.drawText(QRect(barra.right() + 8, y_etichette[i] - fm.height() / 2, w - barra.right() - 8,
                         fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, etichette_[i]);
    }
}
