// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/scrittura_numeri.h"

#include "datafiles/codifica_1252.h"
#include "session/formato.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t Potenze[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
constexpr int Decimali_massimi = 6;
// Above this the scaled value no longer has room for the half used to round.
constexpr double Limite_rapido = 1e15;

} // namespace

Scrittura_numeri::Scrittura_numeri(const QLocale& locale)
    : locale_(locale), separatore_(Testo_in_1252(locale.decimalPoint())) {}

char* Scrittura_numeri::Scrivi(char* dest, float valore, int decimali) const {
    if (decimali < 0) decimali = 0;
    const double assoluto = std::isfinite(valore) ? std::fabs(static_cast<double>(valore)) : 0.0;
    // A single has 24 significant bits and 10^d (d <= 6) at most 20, so the product is
    // exact in a double: adding one half and truncating rounds the true value half away
    // from zero, which is what the 15-digit rounding of Formatta gives for singles.
    const double scalato =
        assoluto * static_cast<double>(Potenze[std::min(decimali, Decimali_massimi)]);
    if (decimali > Decimali_massimi || scalato >= Limite_rapido) {
        const QByteArray testo = Testo_in_1252(Formatta(valore, decimali, locale_));
        const auto n = std::min<qsizetype>(testo.size(), Lunghezza_massima);
        std::memcpy(dest, testo.constData(), static_cast<size_t>(n));
        return dest + n;
    }
    const auto intero = static_cast<std::uint64_t>(scalato + 0.5);
    if (valore < 0 && intero != 0) *dest++ = '-';
    const std::uint64_t potenza = Potenze[decimali];
    dest = std::to_chars(dest, dest + 24, intero / potenza).ptr;
    if (decimali > 0) {
        std::memcpy(dest, separatore_.constData(), static_cast<size_t>(separatore_.size()));
        dest += separatore_.size();
        std::uint64_t resto = intero % potenza;
        for (int i = decimali; i-- > 0;) {
            dest[i] = static_cast<char>('0' + resto % 10);
            resto /= 10;
        }
        dest += decimali;
    }
    return dest;
}
