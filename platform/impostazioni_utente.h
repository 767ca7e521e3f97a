// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: string values by section and key, in the INI file
// ~/.config/kinetrack/kinetrack.ini (organisation and application "kinetrack").
// Sections in use: "Properties" (serial port) and "funz" (last athlete and team).

#include <QString>
#include <optional>

// The stored value, or `predefinito` when the key is missing or the store is too large to
// be read.
QString Leggi_impostazione(const QString& sezione, const QString& chiave,
                           const QString& predefinito = QString());
// Stores the value at once; false when the file could not be written. A store refused or
// damaged (Difetto_impostazioni) is first kept as "<file>.bak".
bool Salva_impostazione(const QString& sezione, const QString& chiave, const QString& valore);
// The file the values live in, for messages.
QString File_impostazioni();
// Why the store cannot stand for what it holds: too large to be read, or not an INI text
// (what QSettings could not read of it is lost at the next save, so it is kept aside then).
std::optional<QString> Difetto_impostazioni();
