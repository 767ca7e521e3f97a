// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: string values by section and key, in the INI file
// ~/.config/kinetrack/kinetrack.ini (organisation and application "kinetrack").
// Sections in use: "Properties" (serial port) and "funz" (last athlete and team).

#include <QString>

// The stored value, or `predefinito` when the key is missing.
QString Leggi_impostazione(const QString& sezione, const QString& chiave,
                           const QString& predefinito = QString());
// Stores the value at once; false when the file could not be written.
bool Salva_impostazione(const QString& sezione, const QString& chiave, const QString& valore);
// The file the values live in, for messages.
QString File_impostazioni();
