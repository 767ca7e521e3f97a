// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window shown while the summary file is written: a small window with
// the bar `bar`.

#include "datafiles/avanzamento.h"

#include <QWidget>

class QProgressBar;

class Frm_progress : public QWidget, public Avanzamento {
    Q_OBJECT
public:
    explicit Frm_progress(QWidget* parent = nullptr);

    void Mostra() override;
    void Imposta_massimo(int massimo) override;
    void Imposta_valore(int valore) override;
    void Chiudi() override;

    QProgressBar* bar;
};
