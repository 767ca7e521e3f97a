// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/progetti_grafici.h"

Progetto_grafico Progetto_grafico_tempo() {
    Progetto_grafico g;
    g.didascalia = QStringLiteral("Tempo");
    g.assi = {{QStringLiteral("X_tempo"), QStringLiteral("Sec"), 0, 10, Lato_asse::Basso},
              {QStringLiteral("Y_spostamento"), QStringLiteral("Spostamento (mm)"), -149.3, 370.7,
               Lato_asse::Sinistra},
              {QStringLiteral("Y_velocita"), QStringLiteral("Vel (mm/sec)"), -240, 240,
               Lato_asse::Destra}};
    // Plot 1 carries the velocity whatever its design name says; plot 6 the position.
    g.plot = {{QStringLiteral("spostamento"), Tempo::Asse_velocita, QColor(0, 70, 200), false},
              {QStringLiteral("Plot-2"), Tempo::Asse_spostamento, Qt::darkGray, false, false},
              {QStringLiteral("Plot-3"), Tempo::Asse_spostamento, Qt::darkGray, false, false},
              {QStringLiteral("velocita"), Tempo::Asse_velocita, Qt::darkGray, false, false},
              {QStringLiteral("accelerazione"), Tempo::Asse_velocita, Qt::darkGray, false, false},
              {QStringLiteral("Plot-1"), Tempo::Asse_spostamento, QColor(200, 30, 30), false}};
    g.cursori = {QStringLiteral("Cursor_1"), QStringLiteral("Cursor_2")};
    g.plot_cursori = Tempo::Plot_velocita;
    g.annotazioni = 2;
    g.margine_segui = 0;
    return g;
}

Progetto_grafico Progetto_grafico_ripetizioni() {
    Progetto_grafico g;
    g.didascalia = QStringLiteral("Ripetizioni");
    g.assi = {
        {QStringLiteral("XAxis"), QStringLiteral("N° Ripetizioni"), 0, 10, Lato_asse::Basso},
        {QStringLiteral("Y_velocita"), QStringLiteral("V media (mm/s)"), 0, 2000,
         Lato_asse::Sinistra},
        {QStringLiteral("Y_durata"), QStringLiteral("Tempo (Sec)"), 0, 10, Lato_asse::Destra}};
    g.plot = {{QStringLiteral("Plot-1"), Ripetizioni::Asse_durata, QColor(200, 30, 30), true},
              {QStringLiteral("Plot-2"), Ripetizioni::Asse_velocita, QColor(0, 70, 200), true},
              {QStringLiteral("Plot-3"), Ripetizioni::Asse_velocita, Qt::darkGray, false, false}};
    g.cursori = {QStringLiteral("Cursore_ampiezze")};
    g.plot_cursori = Ripetizioni::Plot_vmedia;
    g.annotazioni = 0;
    g.margine_segui = 1;
    return g;
}
