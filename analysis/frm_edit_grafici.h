// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph property editor: chooses a graph and one of its axes, applies a new range
// (saving the graph's settings file), reloads the saved settings, and sets how the
// mouse acts on the graph. A tool window that stays in front of the graph window; Esc or
// "Chiudi" closes it without applying anything. The design's English captions stay (an
// Italian interface shows them too), each with a tip that says what it does.

#include <QWidget>

class Frm_grafici;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;

class Frm_edit_grafici : public QWidget {
    Q_OBJECT
public:
    explicit Frm_edit_grafici(Frm_grafici& grafici);

    void Sel_Grafico(int quale);
    // Applies [minimo, massimo] to axis `quale_asse` (from 1) of graph `quale_grafico`,
    // saves the graph's settings file and, for the time graph's velocity axis, rescales
    // the slider and the repetition graph's velocity axis. False (with the reason in the
    // status line) when the range is not valid or the file could not be written.
    bool Update_graph(int quale_grafico, int quale_asse, double minimo, double massimo);

    int Grafico_corrente() const { return grafico_corrente_; }
    QString Stato() const;

    // Controls, for the window's own handlers and for tests.
    QSlider* sldTicks;
    QSlider* sldSelectAxis;
    QLabel* Lbl_asse;
    QDoubleSpinBox* AxisMin;
    QDoubleSpinBox* AxisMax;
    QPushButton* UpdateAxis;
    QPushButton* Cmd_Undo;
    QSlider* GraphMode;
    QPushButton* Cmd_chiudi;

private:
    void Mostra_asse(int asse);
    void Cambia_modo(int posizione);

    Frm_grafici& grafici_;
    int grafico_corrente_ = 0;
    QLabel* stato_;
};
