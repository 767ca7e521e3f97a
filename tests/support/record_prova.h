// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's records as bytes, for the tests that feed the engine by hand.
#include <QByteArray>
#include <cstdint>
#include <span>

// One record as the serial link carries it: the position's 2 bytes, then the time's 4, low
// byte first.
inline QByteArray Record_seriale(int posizione, std::int32_t tempo) {
    QByteArray r;
    const auto t = static_cast<std::uint32_t>(tempo);
    for (int i = 0; i < 2; ++i) r.append(static_cast<char>((posizione >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i) r.append(static_cast<char>((t >> (8 * i)) & 0xFF));
    return r;
}

// Bytes as the engine takes them.
inline std::span<const std::uint8_t> Byte_di(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}
