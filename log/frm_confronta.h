// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Confronta": two tests' repetitions side by side, one row per repetition, and their
// velocity per repetition on one graph. The repetitions the coach left out are shown in the
// table, marked, and left out of the graph.

#include "log/diario.h"

#include <QLocale>
#include <QWidget>

class Grafico_xy;
class QTreeWidget;

class Frm_confronta : public QWidget {
    Q_OBJECT
public:
    Frm_confronta(const Riga_test& primo, const Riga_test& secondo, const QLocale& locale,
                  QWidget* parent = nullptr);

    // "12/05 17:30 Squat 100,0 kg": how the window names a test.
    static QString Nome_test(const Riga_test& t, const QLocale& locale);

    Grafico_xy* Grafico_confronto;
    QTreeWidget* Lst_confronto;
};
