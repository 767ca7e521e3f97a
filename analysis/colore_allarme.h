// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alarm colour: a repetition that lost more velocity within the set than the exercise
// allows. One colour wherever it shows, apart from the band's yellow, green and red.

#include "stream/vista_misura.h"

#include <QColor>

inline constexpr Colore Colore_allarme{255, 0, 255};
// The text written on the alarm colour.
inline constexpr Colore Colore_testo_allarme{0, 0, 0};
// A repetition left out of the set's figures: grey on either ground, wherever it is listed.
inline constexpr Colore Grigio_esclusa{140, 140, 140};

inline QColor Colore_qt(Colore colore) {
    return QColor(colore.rosso, colore.verde, colore.blu);
}
