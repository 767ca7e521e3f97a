// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/lista_valori.h"

#include "session/formato.h"

namespace {

// Decimals of each column: "0" or "0.00".
constexpr std::array<int, Lista_valori::Numero_colonne> Decimali{0, 2, 2, 0, 0, 0, 2,
                                                                 0, 2, 0, 0, 0, 2, 0};

} // namespace

Lista_valori::Riga Lista_valori::Formatta_riga(const Ripetizione& r, int indice,
                                               const QLocale& locale) {
    const std::array<double, Numero_colonne> valori{static_cast<double>(indice),
                                                    r.Tempo_inizio,
                                                    r.Durata_conc,
                                                    r.Spost_conc,
                                                    r.Vmedia_conc,
                                                    r.Vmax_conc,
                                                    r.TdiVmax_conc,
                                                    r.SdiVmax_conc,
                                                    r.Durata_ecc,
                                                    r.Spost_ecc,
                                                    r.Vmedia_ecc,
                                                    r.Vmax_ecc,
                                                    r.TdiVmax_ecc,
                                                    r.SdiVmax_ecc};
    Riga riga;
    for (std::size_t c = 0; c < valori.size(); ++c)
        riga[c] = Formatta(valori[c], Decimali[c], locale);
    return riga;
}

const std::array<QString, Lista_valori::Numero_colonne>& Lista_valori::Intestazioni() {
    static const std::array<QString, Numero_colonne> testi{
        QStringLiteral("N°Rip"),   QStringLiteral("Tempo"),   QStringLiteral("Durata"),
        QStringLiteral("Spost."),  QStringLiteral("Vmedia"),  QStringLiteral("Vmax"),
        QStringLiteral("TdiVmax"), QStringLiteral("SdiVmax"), QStringLiteral("Durata"),
        QStringLiteral("Spost."),  QStringLiteral("Vmedia"),  QStringLiteral("Vmax"),
        QStringLiteral("TdiVmax"), QStringLiteral("SdiVmax")};
    return testi;
}

QString Lista_valori::Didascalia_gruppi() {
    return QString(5, QLatin1Char(' ')) + QStringLiteral("VALORI ASSOLUTI") +
           QString(41, QLatin1Char(' ')) + QStringLiteral("FASE CONCENTRICA") +
           QString(64, QLatin1Char(' ')) + QStringLiteral("FASE ECCENTRICA");
}
