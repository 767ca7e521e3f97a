// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ambiente_prova.h"

#include "platform/impostazioni_utente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
void Imposta_percorso_impostazioni(const QString& cartella) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, cartella);
}
} // namespace

Ambiente_prova::Ambiente_prova() {
    const QList<std::pair<const char*, QString>> variabili{
        {"XDG_CONFIG_HOME", Config()}, {"XDG_DATA_HOME", Dati()}, {"XDG_RUNTIME_DIR", Runtime()}};
    for (const auto& [nome, cartella] : variabili) {
        QDir().mkpath(cartella);
        prima_.append({nome, qEnvironmentVariableIsSet(nome)
                                 ? std::optional<QByteArray>(qgetenv(nome))
                                 : std::nullopt});
        qputenv(nome, QFile::encodeName(cartella));
    }
    QDir().mkpath(Eseguibile());
    QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Imposta_percorso_impostazioni(Config());
}

Ambiente_prova::~Ambiente_prova() {
    for (const auto& [nome, valore] : prima_) {
        if (valore)
            qputenv(nome.constData(), *valore);
        else
            qunsetenv(nome.constData());
    }
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    Imposta_percorso_impostazioni(config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config")
                                                   : config);
}

void Ambiente_prova::Svuota_impostazioni() const {
    Imposta_percorso_impostazioni(Config());
    QFile::remove(File_impostazioni());
}

void Ambiente_prova::Porte_senza_dispositivo(const QList<int>& tranne) const {
    const QString cartella = Runtime() + QStringLiteral("/kinetrack");
    QDir().mkpath(cartella);
    QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (int n = 1; n <= 30; ++n) {
        const QString link = cartella + QStringLiteral("/com") + QString::number(n);
        if (!tranne.contains(n) && !QFileInfo(link).isSymLink())
            QFile::link(radice_.filePath(QStringLiteral("nessuno")), link);
    }
}
