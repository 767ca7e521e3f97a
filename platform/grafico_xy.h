// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain X-Y graph over QCustomPlot: a few named series of points, each drawn as
// markers, as a line or as a dashed line, with a legend in the lower left corner (where
// a falling line leaves room). For graphs drawn whole from a handful of values rather
// than fed by the board.

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

class QCustomPlot;
class QCPCurve;

class Grafico_xy : public QWidget {
    Q_OBJECT
public:
    enum class Tratto { Punti, Linea, Tratteggio, Segno }; // Segno: one large marker

    Grafico_xy(const QString& didascalia, const QString& asse_x, const QString& asse_y,
               QWidget* parent = nullptr);

    // Series, 1-based in the order they were added.
    int Aggiungi_serie(const QString& nome, const QColor& colore, Tratto tratto);
    void Imposta_serie(int serie, const std::vector<QPointF>& punti); // drawn in this order
    int Punti(int serie) const;
    QPointF Punto(int serie, int indice) const;
    QString Nome_serie(int serie) const;

    void Imposta_intervallo(double x_min, double x_max, double y_min, double y_max);
    double Minimo_x() const;
    double Massimo_x() const;
    double Massimo_y() const;

    void Ridisegna();
    QCustomPlot* Piano() const { return piano_; }

private:
    QCPCurve* serie_(int serie) const;

    QCustomPlot* piano_;
    std::vector<QCPCurve*> serie_elenco_;
};
