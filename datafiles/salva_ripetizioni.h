// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repetition summary file: a date stamp, 17 column titles, then one line per row of
// the value list; every field followed by ";", CR LF line ends, windows-1252.

#include "session/sessione.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

class Avanzamento;
class Lista_valori;

// Writes the rows of `lista` with the athlete, exercise and load of `dati`. An empty
// `nome_file` (the automatic save at stop) is replaced by `Cartella_dati` (or the
// "misure_auto" folder under `cartella_applicazione`) + "/" +
// Nome_file_ripetizioni_automatico, and the caller sees it. `progresso` (may be null) is shown,
// advanced row by row and closed, also when the file cannot be created.
// Returns nothing on success, or the reason of the failure in Italian; then nothing of
// the file stays, and a file that had the name before is left whole.
std::optional<QString> Salva_ripetizioni(QString& nome_file, const Lista_valori& lista,
                                         const Dati_esercizio_t& dati, const QLocale& locale,
                                         const QDateTime& adesso, Avanzamento* progresso,
                                         const QString& cartella_applicazione = QString());
