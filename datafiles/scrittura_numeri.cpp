// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/scrittura_numeri.h"

#include "datafiles/codifica_1252.h"
#include "session/formato.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t Potenze[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
constexpr int Decimali_massimi = 6;
// Above this the scaled value no longer has room for the half used to round.
constexpr double Limite_rapido = 1e15;

// "00".."99": two digits a step.
constexpr char Coppie[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536"
    "37383940414243444546474849505152535455565758596061626364656667686970717273"
    "7475767778798081828384858687888990919293949596979899";

// The digits of `valore`, at least `minime` of them (leading zeros), ending just before
// `fine`; returns where they begin.
char* Cifre(char* fine, std::uint64_t valore, int minime) {
    char* p = fine;
    while (valore >= 100) {
        const auto coppia = static_cast<std::size_t>(valore % 100) * 2;
        valore /= 100;
        p -= 2;
        std::memcpy(p, Coppie + coppia, 2);
    }
    if (valore >= 10) {
        p -= 2;
        std::memcpy(p, Coppie + static_cast<std::size_t>(valore) * 2, 2);
    } else {
        *--p = static_cast<char>('0' + valore);
    }
    while (fine - p < minime) *--p = '0';
    return p;
}

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
    // All the digits at once, the integer part at least one, then the separator put in.
    char cifre[24];
    char* const fine = cifre + sizeof cifre;
    const char* inizio = Cifre(fine, intero, decimali + 1);
    const auto parte_intera = static_cast<std::size_t>(fine - inizio - decimali);
    std::memcpy(dest, inizio, parte_intera);
    dest += parte_intera;
    if (decimali > 0) {
        const auto n_separatore = static_cast<std::size_t>(separatore_.size());
        if (n_separatore == 1)
            *dest = separatore_[0];
        else
            std::memcpy(dest, separatore_.constData(), n_separatore);
        dest += n_separatore;
        std::memcpy(dest, inizio + parte_intera, static_cast<std::size_t>(decimali));
        dest += decimali;
    }
    return dest;
}
