// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trend of one exercise over the dates: each test's best velocity against its date,
// the points coloured by load (one legend entry per load, light to dark as the load grows),
// and on the right axis the e1RM of every day with at least two loads, joined by a line.
// Resting the mouse on a point names its test.

#include "log/diario.h"

#include <QLocale>
#include <QPointF>
#include <QWidget>
#include <vector>

class QCustomPlot;
class QCPGraph;

class Grafico_andamento : public QWidget {
    Q_OBJECT
public:
    explicit Grafico_andamento(const QLocale& locale, QWidget* parent = nullptr);

    // What is drawn goes; an empty trend leaves the graph empty with its caption.
    void Mostra(const Andamento& andamento);

    // As drawn: X in seconds since 1970 (local time), Y in m/s or kg.
    std::vector<QPointF> Punti_velocita() const;
    std::vector<QPointF> Punti_e1rm() const;
    int Serie_carichi() const { return static_cast<int>(carichi_.size()); }
    // The tooltip of the point nearest `pixel` within a few pixels; empty when none.
    QString Testo_punto(const QPoint& pixel) const;
    // Where a velocity point lies on the widget, for the tooltip.
    QPoint Pixel_di(const QPointF& punto) const;

    QCustomPlot* Piano() const { return piano_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Punto {
        QPointF xy;
        QString testo;
    };
    QCustomPlot* piano_;
    QCPGraph* e1rm_ = nullptr;
    std::vector<QCPGraph*> carichi_;
    std::vector<Punto> punti_;
    QLocale locale_;
};
