// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts the serial byte stream into whole 6-byte records. The stream has no marks: the
// records are aligned by counting from its first byte, so bytes of a record that has not
// yet arrived whole are kept and completed by the next call.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class Trama_seriale {
public:
    // Adds the bytes of one read and returns every whole record now available, back to
    // back (a view valid until the next call).
    std::span<const std::uint8_t> Aggiungi(std::span<const std::uint8_t> byte);
    // Bytes kept for the next call (0 to 5).
    std::size_t Resto() const { return resto_; }
    // Forgets the bytes kept: a new stream starts.
    void Azzera();

private:
    std::vector<std::uint8_t> dati_;
    std::size_t resto_ = 0;
};
