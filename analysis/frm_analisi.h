// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Analisi serie": one row per repetition of the set with its true mean lifting
// velocity, propulsive velocity and duration, power and velocity loss; a repetition past
// the exercise's loss threshold is shown in the alarm colour, one left out of the set's
// judgement greyed. A tool window over the main window; closing it deletes it.

#include "stream/vista_misura.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <vector>

class QTableWidget;

class Frm_analisi : public QWidget, public Vista_misura {
    Q_OBJECT
public:
    enum Colonna : int {
        Numero = 0,
        Vmedia,
        Vpropulsiva,
        Durata_propulsiva,
        Potenza_media,
        Potenza_max,
        Perdita,
        Colonne // columns in all
    };

    explicit Frm_analisi(const QLocale& locale, QWidget* parent = nullptr);

    // The rows of the set so far: row i is repetition i + 1. What was shown before goes.
    void Mostra_serie(const std::vector<Analisi_ripetizione>& serie);

    // Row `riga` (from 0) shows `analisi`; rows missing before it stay empty.
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    void Misura_azzerata() override;

    QTableWidget* Lst_analisi;

private:
    QLocale locale_;
};

// The engine keeps listeners for the whole run, the window comes and goes: this listener
// passes the events on to the window in `finestra` while it is open. A repetition left out
// or taken back changes every loss: the window then shows `serie` (the engine's) again.
class Inoltro_frm_analisi : public Vista_misura {
public:
    Inoltro_frm_analisi(const QPointer<Frm_analisi>& finestra,
                        const std::vector<Analisi_ripetizione>& serie)
        : finestra_(finestra), serie_(serie) {}
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    void Misura_azzerata() override;
    void Esclusione_cambiata(int riga, bool esclusa) override;

private:
    const QPointer<Frm_analisi>& finestra_;
    const std::vector<Analisi_ripetizione>& serie_;
};

// Shows the window: the open one brought to the front, or a new one kept in `finestra`,
// filled with `serie` (the set so far) and centred over `parent`. For the menu item and
// its key.
Frm_analisi* Mostra_frm_analisi(QPointer<Frm_analisi>& finestra,
                                const std::vector<Analisi_ripetizione>& serie,
                                const QLocale& locale, QWidget* parent);
