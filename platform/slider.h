// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A vertical measurement slider: a scale from Minimo to Massimo, one pointer drawn as
// a bar filled in a settable colour on a dark track, two labelled marks, a caption on top
// and, under the value, what the colour means in words. It only shows values; the
// operator does not move it.

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

// Vertical centres of the two mark labels for marks at y[0] and y[1]: at their marks, or,
// when closer than one label height `alto`, pushed apart around their middle to exactly
// that height (the upper mark's label above), kept between the centres `cima` and
// `fondo`. The labels never print over each other.
std::array<int, 2> Centri_etichette(std::array<int, 2> y, int alto, int cima, int fondo);

class Slider_misura : public QWidget {
    Q_OBJECT
public:
    explicit Slider_misura(QWidget* parent = nullptr);

    double Valore() const { return valore_; }
    void Imposta_valore(double valore);
    double Minimo() const { return minimo_; }
    double Massimo() const { return massimo_; }
    void Imposta_intervallo(double minimo, double massimo); // needs minimo < massimo
    QColor Colore() const { return colore_; }
    void Imposta_colore(const QColor& colore);
    QString Didascalia() const { return didascalia_; }
    void Imposta_didascalia(const QString& testo);
    // Written under the value, in `colore` (invalid: the text colour); lines apart by '\n'.
    QString Stato() const { return stato_; }
    void Imposta_stato(const QString& testo, const QColor& colore = QColor());

    // Labelled marks, 1 and 2.
    double Segno(int indice) const;
    QString Etichetta_segno(int indice) const;
    void Imposta_segno(int indice, double valore);
    void Imposta_etichetta_segno(int indice, const QString& testo);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    double valore_ = 0, minimo_ = 0, massimo_ = 100;
    QColor colore_ = Qt::yellow;
    QString didascalia_, stato_;
    QColor colore_stato_;
    std::array<double, 2> segni_{0, 0};
    std::array<QString, 2> etichette_;
};
