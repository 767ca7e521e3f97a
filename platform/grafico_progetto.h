// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed description of one graph: its axes, plots, cursors and annotations, in
// the order the program addresses them (every index counts from 1). A graph is built
// from one of these; the settings files only change what the operator may change.

#include <QColor>
#include <QString>
#include <vector>

enum class Lato_asse { Basso, Sinistra, Destra };

struct Asse_progetto {
    QString nome;       // e.g. "Y_velocita"
    QString didascalia; // shown along the axis
    double minimo = 0;
    double massimo = 10;
    Lato_asse lato = Lato_asse::Basso; // exactly one axis lies at the bottom: the X axis
};

struct Plot_progetto {
    QString nome;
    int asse_y = 2; // index of the Y axis the plot is drawn against
    QColor colore;
    bool punti = false; // draw a marker on every point (sparse plots)
    bool dati = true;   // receives data: its colour marks its Y axis
};

struct Progetto_grafico {
    QString didascalia;
    std::vector<Asse_progetto> assi;
    std::vector<Plot_progetto> plot;
    std::vector<QString> cursori;
    int plot_cursori = 1; // the plot whose value a cursor reads at its X
    int annotazioni = 0;
    // While new points arrive, the X axis follows the newest one keeping its span,
    // leaving `margine_segui` free on the right.
    double margine_segui = 0;
};

// Interaction modes, by the codes the editor uses.
namespace Modo_grafico {
inline constexpr int Cursori = 2;       // drag the cursors
inline constexpr int Pan = 3;           // drag the visible ranges
inline constexpr int Zoom = 6;          // drag a rectangle to zoom into
inline constexpr int Misura_sposta = 9; // drag the cursors, the readout follows them
inline bool Valido(int codice) {
    return codice == Cursori || codice == Pan || codice == Zoom || codice == Misura_sposta;
}
} // namespace Modo_grafico
