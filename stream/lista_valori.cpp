// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/lista_valori.h"

#include "session/formato.h"

#include <QCoreApplication>

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

// The headers untranslated; the windows and the replay's table show them in the
// operator's language through Intestazione_mostrata.
const std::array<QString, Lista_valori::Numero_colonne>& Lista_valori::Intestazioni() {
    static const std::array<QString, Numero_colonne> testi{
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "N°Rip")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "Tempo")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "Durata")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "Spost.")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "Vmedia")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "Vmax")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "TdiVmax")),
        QStringLiteral(QT_TRANSLATE_NOOP("Lista_valori", "SdiVmax")),
        QStringLiteral("Durata"),
        QStringLiteral("Spost."),
        QStringLiteral("Vmedia"),
        QStringLiteral("Vmax"),
        QStringLiteral("TdiVmax"),
        QStringLiteral("SdiVmax")};
    return testi;
}

QString Lista_valori::Intestazione_mostrata(int colonna) {
    return QCoreApplication::translate(
        "Lista_valori", Intestazioni().at(static_cast<std::size_t>(colonna)).toUtf8().constData());
}

QString Lista_valori::Didascalia_gruppi() {
    return QString(5, QLatin1Char(' ')) +
           QCoreApplication::translate("Lista_valori", "VALORI ASSOLUTI") +
           QString(41, QLatin1Char(' ')) +
           QCoreApplication::translate("Lista_valori", "FASE CONCENTRICA") +
           QString(64, QLatin1Char(' ')) +
           QCoreApplication::translate("Lista_valori", "FASE ECCENTRICA");
}
