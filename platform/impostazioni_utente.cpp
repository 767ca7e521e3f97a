// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/impostazioni_utente.h"

#include "platform/file_intero.h"
#include "platform/file_limitato.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

QSettings Apri_archivio() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kinetrack"),
                     QStringLiteral("kinetrack"));
}

QString Chiave_completa(const QString& sezione, const QString& chiave) {
    return sezione + QLatin1Char('/') + chiave;
}

} // namespace

QString Leggi_impostazione(const QString& sezione, const QString& chiave,
                           const QString& predefinito) {
    // A store too large to be one of ours is not read: every value has its default.
    if (Dimensione_rifiutata(File_impostazioni())) return predefinito;
    const QSettings archivio = Apri_archivio();
    const QVariant valore = archivio.value(Chiave_completa(sezione, chiave));
    if (!valore.isValid()) return predefinito;
    // A value edited by hand without quotes, such as 9600,N,8,1, is read back as a
    // list of its comma-separated parts.
    if (valore.typeId() == QMetaType::QStringList)
        return valore.toStringList().join(QLatin1Char(','));
    return valore.toString();
}

bool Salva_impostazione(const QString& sezione, const QString& chiave, const QString& valore) {
    // A store refused or damaged is kept aside before it is written: QSettings would drop
    // what it could not read. A refused one is not read at all, so it starts anew.
    const QString file = File_impostazioni();
    if (Difetto_impostazioni()) {
        if (Conserva_copia(file)) return false;
        if (Dimensione_rifiutata(file) && Scrivi_file_intero(file, QByteArray())) return false;
    }
    QSettings archivio = Apri_archivio();
    archivio.setValue(Chiave_completa(sezione, chiave), valore);
    archivio.sync();
    return archivio.status() == QSettings::NoError;
}

QString File_impostazioni() {
    return Apri_archivio().fileName();
}

std::optional<QString> Difetto_impostazioni() {
    const QString file = File_impostazioni();
    QByteArray testo;
    if (!QFileInfo::exists(file)) return std::nullopt;
    if (auto rifiuto = Dimensione_rifiutata(file)) return rifiuto;
    // One that cannot be read at all is left to QSettings, which tells its failure.
    if (Leggi_file_limitato(file, testo) || !Testo_ini_danneggiato(testo)) return std::nullopt;
    return QCoreApplication::translate("Impostazioni_utente", "è danneggiato");
}
