// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/scelte_analisi.h"

#include "datafiles/record_seduta.h"
#include "platform/errori_sistema.h"
#include "platform/file_intero.h"
#include "platform/file_limitato.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

#include <array>
#include <cmath>
#include <utility>

namespace {

const QString Chiave_perdita = QStringLiteral("perdita_max");
const QString Chiave_v1rm = QStringLiteral("v1rm");
const QString Chiave_riferimento = QStringLiteral("reference_velocity");
const QString Chiave_carico = QStringLiteral("carico_riferimento");
const QString Chiave_fine_serie = QStringLiteral("fine_serie");
const QString Chiave_recupero = QStringLiteral("recupero");
const QString Chiave_fine_alla_perdita = QStringLiteral("fine_alla_perdita");

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
    static const std::array<std::pair<const char*, float>, 14> Tabella{{{"panca", 0.17f},
                                                                        {"bench", 0.17f},
                                                                        {"esagonal", 0.25f},
                                                                        {"hex", 0.25f},
                                                                        {"trap", 0.25f},
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

std::optional<QString> Difetto_scelte_analisi(const QString& cartella_atleta) {
    const QString file = File_scelte_analisi(cartella_atleta);
    if (cartella_atleta.isEmpty() || !QFileInfo::exists(file)) return std::nullopt;
    const QString nome = QDir::toNativeSeparators(file);
    QByteArray testo;
    if (auto motivo = Leggi_file_limitato(file, testo))
        return QCoreApplication::translate("Scelte_analisi", "Impossibile leggere %1: %2")
            .arg(nome, *motivo);
    if (!Testo_ini_danneggiato(testo)) return std::nullopt;
    return QCoreApplication::translate("Scelte_analisi",
                                       "Il file %1 è danneggiato: se ne legge solo una parte.")
        .arg(nome);
}

Scelte_esercizio Leggi_scelte_analisi(const QString& cartella_atleta, const QString& esercizio) {
    Scelte_esercizio scelte;
    scelte.V1rm = V1rm_predefinita(esercizio);
    // A file too large to be one of these is not read.
    if (cartella_atleta.isEmpty() || !QFileInfo::exists(File_scelte_analisi(cartella_atleta)) ||
        Dimensione_rifiutata(File_scelte_analisi(cartella_atleta)))
        return scelte;
    QSettings file(File_scelte_analisi(cartella_atleta), QSettings::IniFormat);
    file.beginGroup(Gruppo(esercizio));
    scelte.Perdita_max = Numero(file, Chiave_perdita, scelte.Perdita_max, 0.0f, 100.0f);
    const float predefinita = scelte.V1rm;
    scelte.V1rm = Numero(file, Chiave_v1rm, scelte.V1rm, 0.01f, 5.0f);
    // Stored with 6 digits, the default reads back as itself.
    scelte.V1rm_propria = scelte.V1rm != predefinita;
    // No reference stored for the exercise: a new athlete's.
    if (file.contains(Chiave_riferimento))
        scelte.Riferimento = Riferimento_da_testo(file.value(Chiave_riferimento).toString())
                                 .value_or(scelte.Riferimento);
    scelte.Carico_riferimento =
        Numero(file, Chiave_carico, scelte.Carico_riferimento, 0.0f, 1000.0f);
    scelte.Fine_serie_s = Numero(file, Chiave_fine_serie, scelte.Fine_serie_s, 2.0f, 30.0f);
    scelte.Recupero_s = std::floor(Numero(file, Chiave_recupero, scelte.Recupero_s, 0.0f, 3600.0f));
    const QString fine = file.value(Chiave_fine_alla_perdita).toString();
    scelte.Fine_alla_perdita = fine == QLatin1String("1") || fine == QLatin1String("true");
    return scelte;
}

std::optional<QString> Salva_scelte_analisi(const QString& cartella_atleta,
                                            const QString& esercizio,
                                            const Scelte_esercizio& scelte) {
    const QString file = File_scelte_analisi(cartella_atleta);
    const QString nome = QDir::toNativeSeparators(file);
    if (const std::optional<QString> motivo = Crea_cartella_privata(cartella_atleta))
        return QCoreApplication::translate("Scelte_analisi",
                                           "Impossibile creare la cartella %1: %2")
            .arg(QDir::toNativeSeparators(cartella_atleta), *motivo);
    // QSettings makes the text, in its own format, on a copy of the file kept aside; the
    // file itself is then replaced whole, as every file of the program, so that a failure
    // has its reason and leaves the previous choices as they were.
    const QTemporaryDir appoggio;
    if (!appoggio.isValid())
        return QCoreApplication::translate("Scelte_analisi", "Impossibile scrivere %1: %2")
            .arg(nome, appoggio.errorString());
    const QString copia = appoggio.filePath(QStringLiteral("analisi.ini"));
    QByteArray contenuto;
    // One refused as too large, or damaged, is kept as "analisi.ini.bak" first: a refused one
    // gives nothing to the new file, a damaged one what QSettings reads of it.
    const bool rifiutato = Dimensione_rifiutata(file).has_value();
    if (QFileInfo::exists(file) && !rifiutato)
        if (const std::optional<QString> motivo = Leggi_file_limitato(file, contenuto))
            return QCoreApplication::translate("Scelte_analisi", "Impossibile leggere %1: %2")
                .arg(nome, *motivo);
    if (rifiutato || Testo_ini_danneggiato(contenuto))
        if (const std::optional<QString> motivo = Conserva_copia(file))
            return QCoreApplication::translate("Scelte_analisi",
                                               "Impossibile conservare la copia %1, e %2 non è "
                                               "stato riscritto: %3")
                .arg(QDir::toNativeSeparators(Nome_copia(file)), nome, *motivo);
    if (!contenuto.isEmpty())
        if (const std::optional<QString> motivo = Scrivi_file_intero(copia, contenuto))
            return QCoreApplication::translate("Scelte_analisi", "Impossibile scrivere %1: %2")
                .arg(nome, *motivo);
    {
        QSettings testo(copia, QSettings::IniFormat);
        testo.beginGroup(Gruppo(esercizio));
        testo.setValue(Chiave_perdita, QString::number(static_cast<double>(scelte.Perdita_max)));
        testo.setValue(Chiave_v1rm, QString::number(static_cast<double>(scelte.V1rm)));
        testo.setValue(Chiave_riferimento, Testo_riferimento(scelte.Riferimento));
        // A value that may be none (0) is stored only when there is one.
        const auto Facoltativo = [&testo](const QString& chiave, float valore) {
            if (valore > 0)
                testo.setValue(chiave, QString::number(static_cast<double>(valore)));
            else
                testo.remove(chiave);
        };
        Facoltativo(Chiave_carico, scelte.Carico_riferimento);
        testo.setValue(Chiave_fine_serie,
                       QString::number(static_cast<double>(scelte.Fine_serie_s)));
        Facoltativo(Chiave_recupero, scelte.Recupero_s);
        testo.setValue(Chiave_fine_alla_perdita,
                       QString::number(static_cast<int>(scelte.Fine_alla_perdita)));
        testo.endGroup();
        testo.sync();
        // A FormatError is a file read in part: what it held that could be read is kept.
        if (testo.status() == QSettings::AccessError)
            return QCoreApplication::translate(
                       "Scelte_analisi", "Impossibile scrivere %1: la copia di lavoro in %2 non "
                                         "può essere scritta")
                .arg(nome, QDir::toNativeSeparators(appoggio.path()));
    }
    if (const std::optional<QString> motivo = Leggi_file(copia, contenuto))
        return QCoreApplication::translate("Scelte_analisi", "Impossibile scrivere %1: %2")
            .arg(nome, *motivo);
    if (const std::optional<QString> motivo = Scrivi_file_intero(file, contenuto))
        return QCoreApplication::translate("Scelte_analisi", "Impossibile scrivere %1: %2")
            .arg(nome, *motivo);
    return std::nullopt;
}
