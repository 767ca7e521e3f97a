// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small form helpers shared by the dialogs.

#include <QRect>
#include <QString>

class QGridLayout;
class QWidget;

// Row `riga` of a two-column form: the caption (its "&" marks the access key that moves to
// the field) and the field.
void Riga_modulo(QGridLayout* griglia, int riga, const QString& etichetta, QWidget* campo);

// Places a window that is about to show centred over the window of `sopra` (the screen
// when there is none), kept inside the screen's free area with room for its title bar,
// and widens it, where it may, so that its whole caption shows.
void Centra_su(QWidget* finestra, const QWidget* sopra);
// Where a window that would like `voluta` goes in a screen's free area `area`: at most 90 %
// of it each way, centred in it.
QRect Posto_nello_schermo(QSize voluta, const QRect& area);
// Gives `finestra` that place on the screen it opens on (the one under the pointer).
void Adatta_allo_schermo(QWidget& finestra, QSize voluta);
