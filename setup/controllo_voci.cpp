// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/controllo_voci.h"

#include "datafiles/cartelle_programma.h"
#include "datafiles/codifica_1252.h"
#include "setup/file_config.h"

#include <QCoreApplication>
#include <QList>

namespace {

// The context of this file's messages.
struct Controllo_voci {
    Q_DECLARE_TR_FUNCTIONS(Controllo_voci)
};

QString Nome_carattere(char32_t c) {
    const QString codice =
        QStringLiteral("U+%1").arg(static_cast<qulonglong>(c), 4, 16, QLatin1Char('0')).toUpper();
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return codice; // nothing to show
    return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&c, 1), codice);
}

bool Spazio(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

bool Riga_numerica(int riga) {
    using namespace Riga_utente;
    return riga == Carico || riga == Vmax || riga == Limite_sup || riga == Limite_inf ||
           riga == Ampiezza_minima;
}

std::optional<QString> Voce_rifiutata(const QString& voce, int riga) {
    const bool cartella = riga == Riga_utente::Squadra || riga == Riga_utente::Atleta;
    for (const char32_t c : voce.toUcs4()) {
        if (c == U';')
            return Controllo_voci::tr("Il carattere \";\" non è ammesso: separa le colonne del "
                                      "file riassuntivo.");
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return Controllo_voci::tr("Il carattere %1 non è ammesso.").arg(Nome_carattere(c));
        if (cartella && (c == U'/' || c == U'\\')) return Nome_cartella_rifiutato(voce);
    }
    if (const std::optional<char32_t> c = Primo_fuori_1252(voce))
        return Controllo_voci::tr("Il carattere %1 non può essere scritto nei file dei dati.")
            .arg(Nome_carattere(*c));
    if (cartella) return Nome_cartella_rifiutato(voce);
    return std::nullopt;
}

std::optional<QString> Nome_cartella_rifiutato(const QString& nome) {
    for (const char32_t c : nome.toUcs4()) {
        if (c < 0x20 || c == 0x7F)
            return Controllo_voci::tr("Il carattere %1 non è ammesso.").arg(Nome_carattere(c));
        if (c == U'/' || c == U'\\')
            return Controllo_voci::tr(
                       "Il carattere %1 non è ammesso nel nome di una squadra o di un "
                       "atleta: separa le cartelle.")
                .arg(Nome_carattere(c));
    }
    if (nome == QStringLiteral(".") || nome == QStringLiteral(".."))
        return Controllo_voci::tr("Il nome \"%1\" non è ammesso per una cartella.").arg(nome);
    if (Cartella_programma(nome))
        return Controllo_voci::tr("Il nome \"%1\" è quello di una cartella del programma: "
                                  "non può essere una squadra o un atleta.")
            .arg(nome);
    return std::nullopt;
}

std::optional<QString> Numero_rifiutato(const QString& voce) {
    const std::optional<float> numero = Numero_in_voce(voce);
    if (!numero) return Controllo_voci::tr("\"%1\" non è un numero.").arg(voce.trimmed());
    if (*numero < 0)
        return Controllo_voci::tr("\"%1\" è negativo: il valore non può essere minore di 0.")
            .arg(voce.trimmed());
    return std::nullopt;
}

QString Voce_con_punto(const QString& voce) {
    // Past the spaces, the sign and the leading digits a comma is the decimal separator.
    qsizetype i = 0;
    while (i < voce.size() && Spazio(voce[i])) ++i;
    if (i < voce.size() && (voce[i] == QLatin1Char('-') || voce[i] == QLatin1Char('+'))) ++i;
    while (i < voce.size() &&
           (Spazio(voce[i]) || (voce[i] >= QLatin1Char('0') && voce[i] <= QLatin1Char('9'))))
        ++i;
    if (i + 1 < voce.size() && voce[i] == QLatin1Char(',') && voce[i + 1] >= QLatin1Char('0') &&
        voce[i + 1] <= QLatin1Char('9')) {
        QString con_punto = voce;
        con_punto[i] = QLatin1Char('.');
        return con_punto;
    }
    return voce;
}
