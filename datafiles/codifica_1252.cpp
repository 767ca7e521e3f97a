// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/codifica_1252.h"

#include <QList>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; 0 where the code page assigns nothing.
constexpr std::array<char16_t, 32> Tabella_80_9f{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of `c`, or nothing when the code page cannot hold it.
std::optional<char> Byte_di(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Tabella_80_9f.size(); ++i) {
        const char32_t nella_tabella =
            Tabella_80_9f[i] != 0 ? Tabella_80_9f[i] : static_cast<char32_t>(0x80 + i);
        if (c == nella_tabella) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString Testo_da_1252(QByteArrayView byte) {
    // Latin-1 but for 0x80-0x9F: converted whole, then those few characters mended.
    QString testo = QString::fromLatin1(byte);
    for (QChar& c : testo) {
        const char16_t u = c.unicode();
        if (u >= 0x80 && u <= 0x9F && Tabella_80_9f[u - 0x80] != 0)
            c = QChar(Tabella_80_9f[u - 0x80]);
    }
    return testo;
}

QByteArray Testo_in_1252(const QString& testo) {
    QByteArray byte;
    byte.reserve(testo.size());
    for (const char32_t c : testo.toUcs4()) byte += Byte_di(c).value_or('?');
    return byte;
}

std::optional<char32_t> Primo_fuori_1252(const QString& testo) {
    for (const char32_t c : testo.toUcs4())
        if (!Byte_di(c)) return c;
    return std::nullopt;
}
