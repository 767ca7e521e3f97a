// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/formato.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Adds one unit in the last place of a string of decimal digits.
void Incrementa(std::string& cifre) {
    for (auto i = cifre.size(); i-- > 0;) {
        if (cifre[i] != '9') {
            ++cifre[i];
            return;
        }
        cifre[i] = '0';
    }
    cifre.insert(cifre.begin(), '1');
}

QString Con_separatore(const std::string& testo, const QLocale& locale) {
    QString risultato = QString::fromLatin1(testo.data(), static_cast<qsizetype>(testo.size()));
    const auto punto = risultato.indexOf(QLatin1Char('.'));
    if (punto >= 0) risultato.replace(punto, 1, locale.decimalPoint());
    return risultato;
}

} // namespace

QString Formatta(double valore, int decimali, const QLocale& locale) {
    if (!std::isfinite(valore)) valore = 0;
    if (decimali < 0) decimali = 0;
    constexpr int cifre_significative = 15;
    char buf[64] = {}; // zeroed: atoi below reads the exponent up to a terminator
    const auto fine = std::to_chars(buf, buf + sizeof buf, std::fabs(valore),
                                    std::chars_format::scientific, cifre_significative - 1)
                          .ptr;
    // buf holds d.ddddddddddddddde[+-]XX
    std::string mantissa;
    const char* p = buf;
    for (; p < fine && *p != 'e'; ++p)
        if (*p != '.') mantissa.push_back(*p);
    const int esponente = (p < fine) ? std::atoi(p + 1) : 0;
    const int prima = esponente + 1; // digits before the decimal point
    const auto n = static_cast<int>(mantissa.size());

    std::string intera;
    std::string frazione;
    if (prima <= 0) {
        intera = "0";
        frazione = std::string(static_cast<size_t>(-prima), '0') + mantissa;
    } else if (prima >= n) {
        intera = mantissa + std::string(static_cast<size_t>(prima - n), '0');
    } else {
        intera = mantissa.substr(0, static_cast<size_t>(prima));
        frazione = mantissa.substr(static_cast<size_t>(prima));
    }
    const auto d = static_cast<size_t>(decimali);
    if (frazione.size() > d) {
        const bool su = frazione[d] >= '5';
        frazione.resize(d);
        if (su) {
            std::string tutte = intera + frazione;
            Incrementa(tutte);
            intera = tutte.substr(0, tutte.size() - d);
            frazione = tutte.substr(tutte.size() - d);
        }
    } else {
        frazione.append(d - frazione.size(), '0');
    }
    const auto primo = intera.find_first_not_of('0');
    intera = (primo == std::string::npos) ? "0" : intera.substr(primo);

    const bool tutto_zero = intera == "0" && frazione.find_first_not_of('0') == std::string::npos;
    std::string testo = (valore < 0 && !tutto_zero) ? "-" : "";
    testo += intera;
    if (d > 0) testo += "." + frazione;
    return Con_separatore(testo, locale);
}

QString Formatta(double valore, const char* modello, const QLocale& locale) {
    int decimali = 0;
    if (const char* punto = std::strchr(modello, '.'))
        decimali = static_cast<int>(std::strlen(punto + 1));
    return Formatta(valore, decimali, locale);
}

QString Testo_numero(float valore, const QLocale& locale) {
    if (!std::isfinite(valore)) return QStringLiteral("0");
    char buf[64];
    const auto fine =
        std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::general, 7).ptr;
    std::string testo(buf, fine);
    if (const auto e = testo.find('e'); e != std::string::npos) testo[e] = 'E';
    return Con_separatore(testo, locale);
}

double Numero_da_testo_c(const QString& testo, bool* ok) {
    const QByteArray byte = testo.trimmed().toLatin1();
    double valore = 0;
    const auto r = std::from_chars(byte.constData(), byte.constData() + byte.size(), valore);
    const bool buono =
        r.ec == std::errc() && r.ptr == byte.constData() + byte.size() && !byte.isEmpty();
    if (ok) *ok = buono;
    return buono ? valore : 0.0;
}

std::optional<double> Numero_digitato(QStringView testo) {
    testo = testo.trimmed();
    const auto cifra = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    std::string numero;
    qsizetype i = 0;
    if (i < testo.size() && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+'))) {
        if (testo[i] == QLatin1Char('-')) numero += '-';
        ++i;
    }
    bool cifre = false;
    bool separatore = false;
    for (; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (cifra(c)) {
            numero += static_cast<char>(c.unicode());
            cifre = true;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !separatore) {
            numero += '.';
            separatore = true;
        } else {
            return std::nullopt;
        }
    }
    if (!cifre) return std::nullopt;
    double valore = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valore,
                                   std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != numero.data() + numero.size()) return std::nullopt;
    return valore;
}
