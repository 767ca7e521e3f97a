#include "datafiles/scelte_analisi.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <array>
#include <utility>

namespace {

const QString Chiave_perdita = QStringLiteral("perdita_max");
const QString Chiave_v1rm = QStringLiteral("v1rm");

// A group name QSettings keeps as it stands: "/" would open a subgroup.
QString Gruppo(const QString& esercizio) {
    QString g = esercizio.trimmed();
    g.replace(QLatin1Char('/'), QLatin1Char('_'));
    return g.isEmpty() ? QStringLiteral("_") : g;
}

float Numero(const QSettings& file, const QString& chiave, float predefinito, float minimo,
             float massimo) {
    bool letto = false;
    const float valore = file.value(chiave).toString().toFloat(&letto);
    return letto && valore >= minimo && valore <= massimo ? valore : predefinito;
}

} // namespace

float V1rm_predefinita(const QString& esercizio) {
    // The more specific names first: "bench press" is a bench press, not a press.
    static const std::array<std::pair<const char*, float>, 11> Tabella{{{"panca", 0.17f},
                                                                        {"bench", 0.17f},
                                                                        {"stacco", 0.15f},
                                                                        {"deadlift", 0.15f},
                                                                        {"squat", 0.30f},
                                                                        {"lento", 0.19f},
                                                                        {"military", 0.19f},
                                                                        {"press", 0.19f},
                                                                        {"rematore", 0.50f},
                                                                        {"row", 0.50f},
                                                                        {"trazion", 0.50f}}};
    const QString nome = esercizio.toLower();
    for (const auto& [parola, v1rm] : Tabella)
        if (nome.contains(QLatin1String(parola))) return v1rm;
    return 0.30f;
}

QString File_scelte_analisi(const QString& cartella_atleta) {
    return cartella_atleta + QStringLiteral("/analisi.ini");
}

Scelte_esercizio Leggi_scelte_analisi(const QString& cartella_atleta, const QString& esercizio) {
    Scelte_esercizio scelte;
    scelte.V1rm = V1rm_predefinita(esercizio);
    if (cartella_atleta.isEmpty() || !QFileInfo::exists(File_scelte_analisi(cartella_atleta)))
        return scelte;
    QSettings file(File_scelte_analisi(cartella_atleta), QSettings::IniFormat);
    file.beginGroup(Gruppo(esercizio));
    scelte.Perdita_max = Numero(file, Chiave_perdita, scelte.Perdita_max, 0.0f, 100.0f);
    scelte.V1rm = Numero(file, Chiave_v1rm, scelte.V1rm, 0.01f, 5.0f);
    return scelte;
}

std::optional<QString> Salva_scelte_analisi(const QString& cartella_atleta,
                                            const QString& esercizio,
                                            const Scelte_esercizio& scelte) {
    if (!QDir().mkpath(cartella_atleta))
        return QStringLiteral("Impossibile creare la cartella %1")
            .arg(QDir::toNativeSeparators(cartella_atleta));
    QSettings file(File_scelte_analisi(cartella_atleta), QSettings::IniFormat);
    file.beginGroup(Gruppo(esercizio));
    file.setValue(Chiave_perdita, QString::number(static_cast<double>(scelte.Perdita_max)));
    file.setValue(Chiave_v1rm, QString::number(static_cast<double>(scelte.V1rm)));
    file.endGroup();
    file.sync();
    if (file.status() != QSettings::NoError)
        return QStringLiteral("Impossibile scrivere %1")
            .arg(QDir::toNativeSeparators(File_scelte_analisi(cartella_atleta)));
    return std::nullopt;
}
