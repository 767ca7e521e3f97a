// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repetition summary file: a date stamp, the column titles, then one line per row of
// the value list (colonne_file.h); every field followed by ";", CR LF, windows-1252.

#include "session/sessione.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

class Avanzamento;
class Lista_valori;

// Writes the rows of `lista` with the athlete, exercise and load of `dati`. An empty
// `nome_file` (the automatic save at stop) is replaced by Base_file_serie (nomi_file.h) +
// " ripetizioni.csv", and the caller sees it. `progresso` (may be null) is shown,
// advanced row by row and closed, also when the file cannot be created.
// Returns nothing on success, or the reason of the failure in Italian; then nothing of
// the file stays, and a file that had the name before is left whole.
std::optional<QString> Salva_ripetizioni(QString& nome_file, const Lista_valori& lista,
                                         const Dati_esercizio_t& dati, const QLocale& locale,
                                         const QDateTime& adesso, Avanzamento* progresso,
                                         const QString& cartella_applicazione = QString());
