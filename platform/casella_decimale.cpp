#include "platform/casella_decimale.h"

#include <charconv>
#include <string>

namespace {

bool Cifra(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<double> Numero_digitato(QStringView testo) {
    testo = testo.trimmed();
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
        if (Cifra(c)) {
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

QString Casella_decimale::Senza_prefisso(const QString& testo) const {
    QStringView resto(testo);
    if (!prefix().isEmpty() && resto.startsWith(prefix())) resto = resto.sliced(prefix().size());
    if (!suffix().isEmpty() && resto.endsWith(suffix())) resto.chop(suffix().size());
    return resto.trimmed().toString();
}

QValidator::State Casella_decimale::validate(QString& testo, int& posizione) const {
    Q_UNUSED(posizione);
    // The separator typed, whichever key, is shown as the regional one at once, so the box
    // never shows "20.0" under settings that write "20,0" (the keypad's key gives ".").
    const QString regionale = locale().decimalPoint();
    if (regionale == QStringLiteral(",") || regionale == QStringLiteral("."))
        testo.replace(regionale == QStringLiteral(",") ? QLatin1Char('.') : QLatin1Char(','),
                      regionale.front());
    const QString numero = Senza_prefisso(testo);
    // Texts on the way to a number: "", "-", ",", "-.".
    QString inizio = numero;
    if (inizio.startsWith(QLatin1Char('-')) || inizio.startsWith(QLatin1Char('+')))
        inizio.remove(0, 1);
    if (inizio.isEmpty() || inizio == QStringLiteral(",") || inizio == QStringLiteral("."))
        return QValidator::Intermediate;
    const std::optional<double> valore = Numero_digitato(numero);
    if (!valore) return QValidator::Invalid;
    qsizetype separatore = numero.indexOf(QLatin1Char(','));
    if (separatore < 0) separatore = numero.indexOf(QLatin1Char('.'));
    if (separatore >= 0 && numero.size() - separatore - 1 > decimals()) return QValidator::Invalid;
    if (*valore < minimum() || *valore > maximum()) return QValidator::Intermediate;
    return QValidator::Acceptable;
}

double Casella_decimale::valueFromText(const QString& testo) const {
    return Numero_digitato(Senza_prefisso(testo)).value_or(0.0);
}
