// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sample recording file: "Kine01;", the column titles, then one row per recorded
// sample (Tempo;Posizione;Velocita;dt), CR LF line ends, windows-1252.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

struct Sessione;

// Writes the samples of `sessione.Campioni` from index 1 up to, but not including, the
// last one. An empty `nome_file` is replaced by the default name (date and time, in the
// athlete's folder or in the "misure_auto" fallback) and the caller sees it.
// Returns nothing on success, or the reason of the failure in Italian; on a failure
// writing stops and nothing of it stays: a file that had the name before is left whole.
// Shows nothing.
std::optional<QString> Salva_campioni(QString& nome_file, const Sessione& sessione,
                                      const QLocale& locale, const QDateTime& adesso);
