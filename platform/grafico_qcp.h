// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// QCustomPlot's header uses Qt's lower-case keywords, which this project switches off:
// include it only through this file.

#define signals Q_SIGNALS
#define slots Q_SLOTS
#define emit Q_EMIT
#define foreach Q_FOREACH
#include <qcustomplot.h>
#undef signals
#undef slots
#undef emit
#undef foreach

// The face of every graph's texts: DejaVu Sans at `punti` points.
inline QFont Carattere(int punti, bool grassetto) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(punti);
    f.setBold(grassetto);
    return f;
}
