// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fewer points for a long plot that looks the same: time is cut into buckets of a fixed
// width, and of each bucket only its first, lowest, highest and last point are kept, in
// their order (one point standing for several roles is kept once). With buckets no wider
// than a pixel the line drawn through them is the line through every point.

#include <array>
#include <cstdint>
#include <vector>

struct Punto_xy {
    double x = 0, y = 0;
};

class Sfoltimento {
public:
    explicit Sfoltimento(double larghezza) : larghezza_(larghezza) {}
    double Larghezza() const { return larghezza_; }

    // A new point, x not below the last one's. The points of the bucket it closes, if
    // any, are appended to `chiusi`.
    void Aggiungi(Punto_xy punto, std::vector<Punto_xy>& chiusi);
    // The points kept so far of the bucket still open (none before the first point), in
    // their order; the last of them is always the last point added.
    int Aperti(std::array<Punto_xy, 4>& punti) const;
    void Azzera() { aperto_ = false; }

private:
    struct Scelto {
        Punto_xy punto;
        std::int64_t ordine = 0; // position in the bucket, to keep time order
    };
    std::int64_t Secchio(double x) const;

    double larghezza_;
    bool aperto_ = false;
    std::int64_t secchio_ = 0; // index of the open bucket
    std::int64_t contati_ = 0; // points in it
    Scelto primo_, minimo_, massimo_, ultimo_;
};
