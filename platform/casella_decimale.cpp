// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/casella_decimale.h"

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
