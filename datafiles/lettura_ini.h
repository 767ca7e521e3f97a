// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One group of a small INI text read without QSettings: thousands of test records are read
// when the training log is indexed, and QSettings costs more than the files themselves.
//
// Reads what QSettings writes (quoted values with backslash escapes, "@@" for a leading
// "@", UTF-8) and what a hand edit in a Windows editor leaves: comment lines starting with
// ";" or "#", blank lines, CR LF, spaces around "=", keys in any case, a UTF-8 byte-order
// mark, text in windows-1252 or UTF-16. As in Windows' own INI files, a value runs to the
// end of its line: an unquoted ";" or "," is text (a note "gambe; poi meglio" stays whole).

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <optional>
#include <variant>

// Keys in lower case; a key given twice keeps its last value.
using Valori_ini = QHash<QString, QString>;

struct Gruppo_assente {};
struct Ini_danneggiato {
    int riga = 0; // from 1
};

// The values of `gruppo` (any case) in `testo`.
std::variant<Valori_ini, Gruppo_assente, Ini_danneggiato> Leggi_gruppo_ini(QByteArrayView testo,
                                                                           QStringView gruppo);
