// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings and list files read within a bound. Every settings file the program keeps
// (brax.ini, the athletes' ".cfg", "analisi.ini", the per-user store, a test's record) and
// every summary the log reads is a few kilobytes: one of more than a megabyte is no file the
// program wrote, and reading it whole would cost memory without end. Such a file is refused
// before it is read, and kept as "<name>.bak" before anything replaces it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The largest settings, list or summary file that is read: 1 MB.
inline constexpr qint64 Dimensione_massima_impostazioni = 1024 * 1024;

// Why `nome` is too large to be read ("è più grande di 1 MB (… byte)"), or nothing (also
// when it does not exist).
std::optional<QString> Dimensione_rifiutata(const QString& nome);

// The whole contents of `nome`, or the reason it was not read: the system's, or its size.
[[nodiscard]] std::optional<QString> Leggi_file_limitato(const QString& nome,
                                                         QByteArray& contenuto);

// A settings text QSettings would read only in part, dropping the rest at the next save: a
// control character (a file zeroed by a crash, or no text at all), or a line that is no
// comment, no "[group]" and no "key=value".
bool Testo_ini_danneggiato(QByteArrayView testo);

// "<nome>.bak", where a file about to be replaced is kept.
QString Nome_copia(const QString& nome);

// Copies `nome`, whatever its size, to Nome_copia(nome), replacing that one whole; the
// reason on failure. Nothing to do when `nome` does not exist.
[[nodiscard]] std::optional<QString> Conserva_copia(const QString& nome);
