// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/frm_progress.h"

#include <QProgressBar>
#include <QVBoxLayout>

Frm_progress::Frm_progress(QWidget* parent)
    : QWidget(parent, Qt::Tool), bar(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("kinetrack"));
    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(bar);
    bar->setRange(0, 0);
    bar->setValue(0);
    resize(320, 60);
}

void Frm_progress::Mostra() {
    bar->setRange(0, 100);
    bar->setValue(0);
    show();
}

void Frm_progress::Imposta_massimo(int massimo) {
    bar->setMaximum(massimo);
}

void Frm_progress::Imposta_valore(int valore) {
    bar->setValue(valore);
}

void Frm_progress::Chiudi() {
    close();
}
