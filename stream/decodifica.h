// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's sample stream as bytes: the 6-byte serial record, the 8-byte records of
// a 65-byte HID input report, and the conversion of the raw counts into millimetres,
// milliseconds and a velocity. Pure functions, no state.

#include "session/tipi_scheda.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Serial stream: records back to back, no header, no separator, no checksum.
inline constexpr std::size_t Byte_record_seriale = 6;
// HID input report: byte 0 the report number, bytes 1..64 data.
inline constexpr std::size_t Byte_report_hid = 65;
inline constexpr std::size_t Byte_record_hid = 8;
inline constexpr std::size_t Record_per_report = 8;
// Inside HID record k the position count starts at byte 8k+2, the time count at 8k+4.
inline constexpr std::size_t Scostamento_posizione_hid = 2;

// Velocities below this magnitude (mm/s) count as still; above the limit they are cut.
inline constexpr float Velocita_minima = 12.0f;
inline constexpr float Velocita_limite = 5000.0f;

// The raw counts of one record.
struct Conteggi {
    std::int16_t posizione = 0; // position count; mm = count * Fattore_posizione
    std::int32_t tempo = 0;     // step-time count, signed; ms = count * Fattore_tempo
};

// Little-endian reads; nothing when the bytes do not fit in `dati`.
inline std::optional<std::int16_t> Leggi_int16_le(std::span<const std::uint8_t> dati,
                                                  std::size_t inizio) {
    if (inizio > dati.size() || dati.size() - inizio < 2) return std::nullopt;
    const auto valore = static_cast<std::uint16_t>(dati[inizio] | (dati[inizio + 1] << 8));
    return static_cast<std::int16_t>(valore);
}

inline std::optional<std::int32_t> Leggi_int32_le(std::span<const std::uint8_t> dati,
                                                  std::size_t inizio) {
    if (inizio > dati.size() || dati.size() - inizio < 4) return std::nullopt;
    const std::uint32_t valore =
        std::uint32_t{dati[inizio]} | (std::uint32_t{dati[inizio + 1]} << 8) |
        (std::uint32_t{dati[inizio + 2]} << 16) | (std::uint32_t{dati[inizio + 3]} << 24);
    return static_cast<std::int32_t>(valore);
}

// Serial record j of a block: position count at 6j (2 bytes), time count at 6j+2 (4 bytes).
inline std::optional<Conteggi> Leggi_record_seriale(std::span<const std::uint8_t> blocco,
                                                    std::size_t j) {
    const std::size_t inizio = j * Byte_record_seriale;
    const auto posizione = Leggi_int16_le(blocco, inizio);
    const auto tempo = Leggi_int32_le(blocco, inizio + 2);
    if (!posizione || !tempo) return std::nullopt;
    return Conteggi{*posizione, *tempo};
}

// HID record k (0..7) of a report: position count at 8k+2, time count at 8k+4. Bytes 8k
// and 8k+1 (byte 0 is the report number) and byte 64 carry nothing used here.
inline std::optional<Conteggi> Leggi_record_hid(std::span<const std::uint8_t> report,
                                                std::size_t k) {
    if (k >= Record_per_report) return std::nullopt;
    const std::size_t inizio = k * Byte_record_hid + Scostamento_posizione_hid;
    const auto posizione = Leggi_int16_le(report, inizio);
    const auto tempo = Leggi_int32_le(report, inizio + 2);
    if (!posizione || !tempo) return std::nullopt;
    return Conteggi{*posizione, *tempo};
}

// Position in mm: the product is taken in single precision, then kept as a double.
double Posizione_mm(std::int16_t conteggio, float fattore_posizione);

// Step time in ms: the product is taken in double precision, then kept as a single.
float Tempo_ms(std::int32_t conteggio, float fattore_tempo);

// Velocity in mm/s of a sample of step time `tempo_ms`, in single precision: the board
// moves Passi_per_record position steps per time step; no link or a zero time gives 0.
// Magnitudes under 12 give 0, and the result is cut to +-5000.
float Velocita_campione(float tempo_ms, float fattore_posizione, Collegamento collegamento);
