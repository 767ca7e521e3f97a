// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sfoltimento.h"

#include <algorithm>
#include <cmath>

std::int64_t Sfoltimento::Secchio(double x) const {
    return static_cast<std::int64_t>(std::floor(x / larghezza_));
}

void Sfoltimento::Aggiungi(Punto_xy punto, std::vector<Punto_xy>& chiusi) {
    const std::int64_t secchio = Secchio(punto.x);
    if (aperto_ && secchio != secchio_) {
        std::array<Punto_xy, 4> punti;
        const int n = Aperti(punti);
        chiusi.insert(chiusi.end(), punti.begin(), punti.begin() + n);
        aperto_ = false;
    }
    if (!aperto_) {
        aperto_ = true;
        secchio_ = secchio;
        contati_ = 0;
        primo_ = minimo_ = massimo_ = ultimo_ = {punto, 0};
    }
    const Scelto nuovo{punto, contati_++};
    // The first point of a value keeps the role: a flat stretch stays two points.
    if (punto.y < minimo_.punto.y) minimo_ = nuovo;
    if (punto.y > massimo_.punto.y) massimo_ = nuovo;
    ultimo_ = nuovo;
}

int Sfoltimento::Aperti(std::array<Punto_xy, 4>& punti) const {
    if (!aperto_) return 0;
    std::array<Scelto, 4> scelti{primo_, minimo_, massimo_, ultimo_};
    std::sort(scelti.begin(), scelti.end(),
              [](const Scelto& a, const Scelto& b) { return a.ordine < b.ordine; });
    int n = 0;
    for (std::size_t i = 0; i < scelti.size(); ++i)
        if (i == 0 || scelti[i].ordine != scelti[i - 1].ordine)
            punti[static_cast<std::size_t>(n++)] = scelti[i].punto;
    return n;
}
