// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fast fixed-decimal number texts for large files, written straight into a byte buffer.
// For single-precision values the text is the same as Formatta's (session/formato.h):
// rounded half away from zero, "-" only when a non-zero digit remains.

#include <QByteArray>
#include <QLocale>

class Scrittura_numeri {
public:
    // Longest text Scrivi can produce, separator included.
    static constexpr int Lunghezza_massima = 64;

    explicit Scrittura_numeri(const QLocale& locale);

    // Writes `valore` with `decimali` (0..6) decimals at `dest` and returns the end.
    // `dest` must have room for Lunghezza_massima bytes.
    char* Scrivi(char* dest, float valore, int decimali) const;

private:
    QLocale locale_;
    QByteArray separatore_; // the locale's decimal separator in the code page
};
