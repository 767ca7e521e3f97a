// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number texts as the operator sees them: fixed patterns ("0", "0.0", "0.00", ...) and
// the plain conversion of a single to text, always with the given locale's decimal
// separator. Formatting never goes through the C library's process-wide locale.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

// Rounds to `decimali` decimals, half away from zero, on the value's 15-digit decimal
// form; at least one digit before the separator, no thousands separator, "-" for a
// negative value whose text is not all zeros. Non-finite values give "0".
QString Formatta(double valore, int decimali, const QLocale& locale);

// The same with a pattern: "0" (0 decimals), "0.0", "0.00", "0.0000", "0.00000".
QString Formatta(double valore, const char* modello, const QLocale& locale);

// A single converted to text: the shortest form with at most 7 significant digits,
// no trailing zeros, no leading space, exponent form for very large or small values
// ("1E+20", "1E-05").
QString Testo_numero(float valore, const QLocale& locale);

// Locale-independent "C" conversion used for the program's own files and options.
double Numero_da_testo_c(const QString& testo, bool* ok = nullptr);

// A number as an operator types it: an optional sign, digits, at most one "," or "." with
// the decimals, spaces around; no group separators, no exponent. Nothing when it is not
// one. The windows' number entry and the tools' options read numbers this way.
std::optional<double> Numero_digitato(QStringView testo);
