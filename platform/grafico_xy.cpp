// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/grafico_xy.h"

#include "platform/grafico_qcp.h"

#include <QVBoxLayout>

Grafico_xy::Grafico_xy(const QString& didascalia, const QString& asse_x, const QString& asse_y,
                       QWidget* parent)
    : QWidget(parent), piano_(new QCustomPlot(this)) {
    auto* disposizione = new QVBoxLayout(this);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->addWidget(piano_);
    piano_->setAccessibleName(didascalia);
    piano_->plotLayout()->insertRow(0);
    piano_->plotLayout()->addElement(0, 0,
                                     new QCPTextElement(piano_, didascalia, Carattere(13, true)));
    for (auto [asse, testo] :
         {std::pair{piano_->xAxis, asse_x}, std::pair{piano_->yAxis, asse_y}}) {
        asse->setLabel(testo);
        asse->setLabelFont(Carattere(11, true));
        asse->setTickLabelFont(Carattere(10, false));
    }
    piano_->legend->setVisible(true);
    piano_->legend->setFont(Carattere(10, false));
    piano_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignLeft);
    piano_->legend->setBrush(QColor(255, 255, 255, 200));
    piano_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
}

QCPCurve* Grafico_xy::serie_(int serie) const {
    return serie >= 1 && serie <= static_cast<int>(serie_elenco_.size())
               ? serie_elenco_[static_cast<std::size_t>(serie - 1)]
               : nullptr;
}

int Grafico_xy::Aggiungi_serie(const QString& nome, const QColor& colore, Tratto tratto) {
    auto* curva = new QCPCurve(piano_->xAxis, piano_->yAxis);
    curva->setName(nome);
    switch (tratto) {
    case Tratto::Punti:
        curva->setLineStyle(QCPCurve::lsNone);
        curva->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colore, 9));
        break;
    case Tratto::Linea:
        curva->setPen(QPen(colore, 2));
        break;
    case Tratto::Tratteggio:
        curva->setPen(QPen(colore, 1, Qt::DashLine));
        break;
    case Tratto::Segno:
        curva->setLineStyle(QCPCurve::lsNone);
        curva->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, QPen(colore, 2),
                                               QBrush(colore.lighter(150)), 14));
        break;
    }
    if (tratto == Tratto::Punti || tratto == Tratto::Segno) curva->setPen(QPen(colore, 1));
    serie_elenco_.push_back(curva);
    return static_cast<int>(serie_elenco_.size());
}

void Grafico_xy::Imposta_serie(int serie, const std::vector<QPointF>& punti) {
    QCPCurve* curva = serie_(serie);
    if (!curva) return;
    QVector<double> x, y;
    for (const QPointF& p : punti) {
        x << p.x();
        y << p.y();
    }
    curva->setData(x, y);
    // An empty series has no place in the legend.
    if (punti.empty())
        curva->removeFromLegend();
    else
        curva->addToLegend();
}

int Grafico_xy::Punti(int serie) const {
    const QCPCurve* curva = serie_(serie);
    return curva ? curva->dataCount() : 0;
}

QPointF Grafico_xy::Punto(int serie, int indice) const {
    const QCPCurve* curva = serie_(serie);
    if (!curva || indice < 0 || indice >= curva->dataCount()) return {};
    const auto dato = curva->data()->at(indice);
    return {dato->key, dato->value};
}

QString Grafico_xy::Nome_serie(int serie) const {
    const QCPCurve* curva = serie_(serie);
    return curva ? curva->name() : QString();
}

void Grafico_xy::Imposta_intervallo(double x_min, double x_max, double y_min, double y_max) {
    piano_->xAxis->setRange(x_min, x_max);
    piano_->yAxis->setRange(y_min, y_max);
}

double Grafico_xy::Minimo_x() const {
    return piano_->xAxis->range().lower;
}
double Grafico_xy::Massimo_x() const {
    return piano_->xAxis->range().upper;
}
double Grafico_xy::Massimo_y() const {
    return piano_->yAxis->range().upper;
}

void Grafico_xy::Ridisegna() {
    piano_->replot(QCustomPlot::rpQueuedReplot);
}
