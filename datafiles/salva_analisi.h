// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis file written beside each summary file: a title line, then one line per
// repetition with its true mean and propulsive velocity (mm/s), propulsive duration (s),
// mean and highest power (W), velocity loss (%) and whether the coach left it out (1/0,
// "Esclusa"; files of older versions lack that column). The summary's conventions: every
// field followed by ";", the regional decimal separator, CR LF line ends, windows-1252.

#include "stream/analisi_ripetizione.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

// "<summary name> analisi.csv" beside the summary file `file_riepilogo`.
QString Nome_file_analisi(const QString& file_riepilogo);

// Writes (replacing) `nome_file`, whole or not at all. Returns nothing on success, or the
// reason of the failure in Italian.
std::optional<QString> Salva_analisi(const QString& nome_file,
                                     const std::vector<Analisi_ripetizione>& analisi,
                                     const QLocale& locale);
