// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 8-bit Windows code page (windows-1252) of every text file the program writes and
// reads (setup files, summaries, analyses, sample files): Latin-1 with printable characters
// in 0x80-0x9F (euro sign, quotes, dashes, Š, Ž, Œ, ...). Files written by older copies of
// the program on Windows use it, and this program writes it too.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The text of `byte`. The five bytes that the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, as on Windows.
QString Testo_da_1252(QByteArrayView byte);

// The bytes of `testo`; a character that the code page cannot hold becomes "?".
QByteArray Testo_in_1252(const QString& testo);

// The first character of `testo` that the code page cannot hold, if any.
std::optional<char32_t> Primo_fuori_1252(const QString& testo);
