// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/progetti_grafici.h"

#include <QCoreApplication>

namespace {
// The captions are shown in the interface's language; the names stay, the program and the
// settings files address the parts by them.
struct Progetti_grafici {
    Q_DECLARE_TR_FUNCTIONS(Progetti_grafici)
};
} // namespace

Progetto_grafico Progetto_grafico_tempo() {
    Progetto_grafico g;
    g.didascalia = Progetti_grafici::tr("Tempo");
    g.assi = {{QStringLiteral("X_tempo"), Progetti_grafici::tr("Sec"), 0, 10, Lato_asse::Basso},
              {QStringLiteral("Y_spostamento"), Progetti_grafici::tr("Spostamento (mm)"), -149.3,
               370.7, Lato_asse::Sinistra},
              {QStringLiteral("Y_velocita"), Progetti_grafici::tr("Vel (mm/sec)"), -240, 240,
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
    g.didascalia = Progetti_grafici::tr("Ripetizioni");
    g.assi = {
        {QStringLiteral("XAxis"), Progetti_grafici::tr("N° Ripetizioni"), 0, 10, Lato_asse::Basso},
        {QStringLiteral("Y_velocita"), Progetti_grafici::tr("V media (mm/s)"), 0, 2000,
         Lato_asse::Sinistra},
        {QStringLiteral("Y_durata"), Progetti_grafici::tr("Tempo (Sec)"), 0, 10,
         Lato_asse::Destra}};
    g.plot = {{QStringLiteral("Plot-1"), Ripetizioni::Asse_durata, QColor(200, 30, 30), true},
              {QStringLiteral("Plot-2"), Ripetizioni::Asse_velocita, QColor(0, 70, 200), true},
              {QStringLiteral("Plot-3"), Ripetizioni::Asse_velocita, Qt::darkGray, false, false}};
    g.cursori = {QStringLiteral("Cursore_ampiezze")};
    g.plot_cursori = Ripetizioni::Plot_vmedia;
    g.annotazioni = 0;
    g.margine_segui = 1;
    return g;
}
