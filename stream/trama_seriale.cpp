// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/trama_seriale.h"

#include "stream/decodifica.h"

#include <algorithm>

std::span<const std::uint8_t> Trama_seriale::Aggiungi(std::span<const std::uint8_t> byte) {
    // The remainder of the last call moves to the front, the new bytes follow it.
    if (resto_ > 0)
        std::copy(dati_.end() - static_cast<std::ptrdiff_t>(resto_), dati_.end(), dati_.begin());
    dati_.resize(resto_ + byte.size());
    std::copy(byte.begin(), byte.end(), dati_.begin() + static_cast<std::ptrdiff_t>(resto_));
    const std::size_t interi = dati_.size() / Byte_record_seriale * Byte_record_seriale;
    resto_ = dati_.size() - interi;
    return std::span<const std::uint8_t>(dati_.data(), interi);
}

void Trama_seriale::Azzera() {
    dati_.clear();
    resto_ = 0;
}
