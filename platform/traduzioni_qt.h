// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the file dialogs, the input boxes, the message boxes' buttons, the edit
// boxes' context menus) in the program's language, Italian unless the user chose English,
// whatever the system's settings. The translations come with Qt (on Debian the package
// qt6-translations-l10n).

#include <QLocale>

// Installs Qt's translations for `lingua` on the application, replacing the ones a previous
// call installed. False when they are not installed: Qt's texts stay English. English needs
// no file. Needs the application object.
bool Carica_traduzioni_qt(const QLocale& lingua = QLocale(QLocale::Italian, QLocale::Italy));
