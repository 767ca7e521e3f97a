// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an operator may type as a new entry of a setup row. Entries end up in brax.ini, in
// folder names (team, athlete) and in the summary file's columns, all written in the 8-bit
// Windows code page with ";" between columns: an entry that would damage one of them is
// refused with a short message naming the character. A team or an athlete cannot take the
// name of a folder of the program's own.

#include <QString>
#include <optional>

// The message refusing `voce` typed in row `riga`, or nothing when it can be stored.
std::optional<QString> Voce_rifiutata(const QString& voce, int riga);

// Why `nome` cannot be the folder of a team or an athlete: it holds a separator or a
// control character, is "." or "..", or is a folder of the program's own. Names read from
// the files and the settings store are checked so, so that none leads outside the data
// folder. An empty name (no team) is accepted.
std::optional<QString> Nome_cartella_rifiutato(const QString& nome);

// True for the rows read as numbers (load, Vmax, limits, amplitude).
bool Riga_numerica(int riga);

// Why `voce` cannot be the value of a number row: it does not begin with a number ("abc"),
// or the number is negative. Nothing when it can. A number followed by its unit ("100 mm")
// counts as that number, as the files read it.
std::optional<QString> Numero_rifiutato(const QString& voce);

// A number typed with a decimal comma ("82,5", "82,5 kg") gets the decimal point the files
// read ("82.5"), so "," and "." mean the same; other texts are returned as they are.
QString Voce_con_punto(const QString& voce);
