// SPDX-License-Identifier: GPL-3.0-or-later
// Cursors of a measurement graph and the operator's dragging of them.
#include "platform/grafico.h"

#include "platform/grafico_qcp.h"
#include <QMouseEvent>
#include <cmath>

int Grafico_misura::Indice_cursore(const QString& nome) const {
    for (int i = 0; i < Numero_cursori(); ++i)
        if (cursori_[static_cast<std::size_t>(i)].nome == nome) return i + 1;
    return 0;
}

double Grafico_misura::Cursore_x(int cursore) const {
    if (cursore < 1 || cursore > Numero_cursori()) return 0.0;
    return cursori_[static_cast<std::size_t>(cursore - 1)].x;
}

double Grafico_misura::Cursore_y(int cursore) const {
    if (cursore < 1 || cursore > Numero_cursori()) return 0.0;
    return cursori_[static_cast<std::size_t>(cursore - 1)].y;
}

void Grafico_misura::Imposta_cursore_x(int cursore, double x) {
    if (cursore < 1 || cursore > Numero_cursori() || !std::isfinite(x)) return;
    Cursore& c = cursori_[static_cast<std::size_t>(cursore - 1)];
    c.x = x;
    if (double y = 0; Valore_vicino(plot_cursori_, x, y)) c.y = y;
    Aggiorna_cursore_(c);
    Ridisegna();
}

void Grafico_misura::Imposta_cursore_y(int cursore, double y) {
    if (cursore < 1 || cursore > Numero_cursori() || !std::isfinite(y)) return;
    Cursore& c = cursori_[static_cast<std::size_t>(cursore - 1)];
    c.y = y;
    Aggiorna_cursore_(c);
    Ridisegna();
}

void Grafico_misura::Aggiorna_cursore_(Cursore& c) {
    c.linea->point1->setCoords(c.x, 0.0);
    c.linea->point2->setCoords(c.x, 1.0);
    c.punto->position->setCoords(c.x, c.y);
}

void Grafico_misura::Pressione_(QMouseEvent* evento) {
    trascinato_ = 0;
    if (evento->button() != Qt::LeftButton ||
        (modo_ != Modo_grafico::Cursori && modo_ != Modo_grafico::Misura_sposta))
        return;
    // The cursor nearest to the pointer, if it is within a few pixels.
    const double px = evento->position().x();
    double migliore = 10.0;
    for (int i = 1; i <= Numero_cursori(); ++i) {
        const double distanza = std::abs(asse_x_()->coordToPixel(Cursore_x(i)) - px);
        if (distanza <= migliore) {
            migliore = distanza;
            trascinato_ = i;
        }
    }
}

void Grafico_misura::Movimento_(QMouseEvent* evento) {
    if (trascinato_ != 0 && (evento->buttons() & Qt::LeftButton))
        Trascina_cursore_(evento->position().x(), true);
}

void Grafico_misura::Rilascio_(QMouseEvent* evento) {
    if (trascinato_ != 0) Trascina_cursore_(evento->position().x(), false);
    trascinato_ = 0;
}

void Grafico_misura::Trascina_cursore_(double pixel_x, bool trascinamento) {
    const int indice = trascinato_;
    Imposta_cursore_x(indice, asse_x_()->pixelToCoord(pixel_x));
    if (modo_ == Modo_grafico::Misura_sposta && !annotazioni_.empty()) {
        QCPItemPosition* p = annotazioni_.front()->position;
        p->setTypeX(QCPItemPosition::ptPlotCoords);
        p->setAxes(asse_x_(), piano_->yAxis);
        p->setCoords(Cursore_x(indice), p->coords().y());
    }
    Q_EMIT Cursore_spostato(indice, Cursore_x(indice), Cursore_y(indice), trascinamento);
}
