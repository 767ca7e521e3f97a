// SPDX-License-Identifier: GPL-3.0-or-later
// A measurement graph's settings file: a JSON text of our own with the caption, the
// interaction mode, and the names and captions of the axes (with their ranges), plots
// and cursors. The names identify the graph: a file written by another graph is refused.
#include "platform/grafico.h"

#include "platform/errore_piattaforma.h"
#include "platform/file_intero.h"
#include "platform/grafico_qcp.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {
const QString Formato = QStringLiteral("kinetrack-grafico");
constexpr qint64 Dimensione_massima = 1 << 20;

QJsonArray Nomi(const QStringList& nomi) {
    QJsonArray a;
    for (const QString& n : nomi) a.append(n);
    return a;
}

bool Nomi_uguali(const QJsonValue& valore, const QStringList& attesi) {
    if (!valore.isArray() || valore.toArray().size() != attesi.size()) return false;
    const QJsonArray a = valore.toArray();
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].toString() != attesi[i]) return false;
    return true;
}
} // namespace

void Grafico_misura::Salva_impostazioni(const QString& file) const {
    QJsonObject radice;
    radice[QStringLiteral("formato")] = Formato;
    radice[QStringLiteral("versione")] = 1;
    radice[QStringLiteral("didascalia")] = Didascalia();
    radice[QStringLiteral("modo")] = modo_;
    QJsonArray assi;
    for (int i = 1; i <= Numero_assi(); ++i) {
        QJsonObject a;
        a[QStringLiteral("nome")] = Nome_asse(i);
        a[QStringLiteral("didascalia")] = Didascalia_asse(i);
        // The X axis keeps the range set for it, not where following has moved it.
        const bool x = i == 1;
        a[QStringLiteral("minimo")] = x ? base_x_min_ : Minimo(i);
        a[QStringLiteral("massimo")] = x ? base_x_max_ : Massimo(i);
        assi.append(a);
    }
    radice[QStringLiteral("assi")] = assi;
    QStringList plot, cursori;
    for (QCPGraph* g : grafici_) plot << g->name();
    for (const Cursore& c : cursori_) cursori << c.nome;
    radice[QStringLiteral("plot")] = Nomi(plot);
    radice[QStringLiteral("cursori")] = Nomi(cursori);

    if (const std::optional<QString> motivo =
            Scrivi_file_intero(file, QJsonDocument(radice).toJson(QJsonDocument::Indented)))
        throw Errore_piattaforma(*motivo);
}

bool Grafico_misura::Carica_impostazioni(const QString& file) {
    QFile ingresso(file);
    if (!ingresso.open(QIODevice::ReadOnly) || ingresso.size() > Dimensione_massima) return false;
    QJsonParseError esito{};
    const QJsonDocument documento = QJsonDocument::fromJson(ingresso.readAll(), &esito);
    if (esito.error != QJsonParseError::NoError || !documento.isObject()) return false;
    const QJsonObject radice = documento.object();
    if (radice[QStringLiteral("formato")].toString() != Formato ||
        !radice[QStringLiteral("didascalia")].isString())
        return false;
    const int modo = radice[QStringLiteral("modo")].toInt(-1);
    if (!Modo_grafico::Valido(modo)) return false;
    QStringList plot, cursori;
    for (QCPGraph* g : grafici_) plot << g->name();
    for (const Cursore& c : cursori_) cursori << c.nome;
    if (!Nomi_uguali(radice[QStringLiteral("plot")], plot) ||
        !Nomi_uguali(radice[QStringLiteral("cursori")], cursori))
        return false;
    const QJsonArray assi = radice[QStringLiteral("assi")].toArray();
    if (assi.size() != Numero_assi()) return false;
    for (int i = 0; i < Numero_assi(); ++i) {
        const QJsonObject a = assi[i].toObject();
        const double minimo = a[QStringLiteral("minimo")].toDouble(NAN);
        const double massimo = a[QStringLiteral("massimo")].toDouble(NAN);
        if (a[QStringLiteral("nome")].toString() != Nome_asse(i + 1) ||
            !a[QStringLiteral("didascalia")].isString() || !std::isfinite(minimo) ||
            !std::isfinite(massimo) || !(minimo < massimo))
            return false;
    }

    // The whole file is sound: apply it. The captions stay the design's, in the language
    // the program speaks now; the file's are those of the language it was saved in.
    Imposta_modo(modo);
    for (int i = 0; i < Numero_assi(); ++i) {
        const QJsonObject a = assi[i].toObject();
        Imposta_intervallo(i + 1, a[QStringLiteral("minimo")].toDouble(),
                           a[QStringLiteral("massimo")].toDouble());
    }
    return true;
}
