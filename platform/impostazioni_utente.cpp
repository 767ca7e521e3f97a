// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/impostazioni_utente.h"

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
    QSettings archivio = Apri_archivio();
    archivio.setValue(Chiave_completa(sezione, chiave), valore);
    archivio.sync();
    return archivio.status() == QSettings::NoError;
}

QString File_impostazioni() {
    return Apri_archivio().fileName();
}
