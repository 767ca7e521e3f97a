// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A world of the test's own, in a temporary folder, for as long as it lives: an empty
// per-user settings store (XDG_CONFIG_HOME and QSettings' user path), a data folder
// (XDG_DATA_HOME), a private runtime folder where the ports' links live (XDG_RUNTIME_DIR)
// and a folder for the executable ("bin"). What was set before comes back when it goes.
// Make it before the application object when the program under test reads them at start.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <utility>

class Ambiente_prova {
public:
    Ambiente_prova();
    ~Ambiente_prova();
    Ambiente_prova(const Ambiente_prova&) = delete;
    Ambiente_prova& operator=(const Ambiente_prova&) = delete;

    QString Radice() const { return radice_.path(); }
    QString Config() const { return radice_.filePath(QStringLiteral("config")); }
    QString Dati() const { return radice_.filePath(QStringLiteral("data")); }
    QString Runtime() const { return radice_.filePath(QStringLiteral("run")); }
    QString Eseguibile() const { return radice_.filePath(QStringLiteral("bin")); }

    // The settings store empty again.
    void Svuota_impostazioni() const;
    // Every port number from 1 to 30 but `tranne` leads to no device, so that a search for
    // the board does not depend on the machine's serial ports.
    void Porte_senza_dispositivo(const QList<int>& tranne = {}) const;

private:
    QTemporaryDir radice_;
    QList<std::pair<QByteArray, std::optional<QByteArray>>> prima_;
};
