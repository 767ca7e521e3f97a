// SPDX-License-Identifier: GPL-3.0-or-later
#include "club/password_club.h"

#include "platform/file_intero.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <pwd.h>
#include <unistd.h>

namespace {

QString Escapa_campo(const QString& campo) {
    QString uscita;
    uscita.reserve(campo.size());
    for (const QChar c : campo) {
        if (c == QLatin1Char(':') || c == QLatin1Char('\\')) uscita += QLatin1Char('\\');
        uscita += c;
    }
    return uscita;
}

// The first four fields of a password file's line, unescaped; fewer when it has fewer.
QStringList Campi_chiave(const QString& riga) {
    QStringList campi(1);
    for (qsizetype i = 0; i < riga.size() && campi.size() <= 4; ++i) {
        if (riga[i] == QLatin1Char('\\') && i + 1 < riga.size())
            campi.last() += riga[++i];
        else if (riga[i] == QLatin1Char(':'))
            campi.append(QString());
        else
            campi.last() += riga[i];
    }
    campi.resize(std::min<qsizetype>(campi.size(), 4));
    return campi;
}

// The user libpq connects as when none is given: the system's name for this user.
QString Utente_sistema() {
    if (const passwd* pw = getpwuid(geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

// The four fields as libpq compares them: no host, or the socket folder libpq was built
// with (Debian's), is "localhost", any other socket folder is itself; no user is the
// system's user and no database is the user's name.
QStringList Chiave_server(const Parametri_club& p) {
    const QString host = p.host.isEmpty() || p.host == QLatin1String("/var/run/postgresql")
                             ? QStringLiteral("localhost")
                             : p.host;
    const QString utente = p.utente.isEmpty() ? Utente_sistema() : p.utente;
    const QString database = p.database.isEmpty() ? utente : p.database;
    return {host, QString::number(p.porta > 0 ? p.porta : 5432), database, utente};
}

} // namespace

QString File_password_club() {
    const QString scelto = qEnvironmentVariable("PGPASSFILE");
    if (!scelto.isEmpty()) return scelto;
    return QDir::home().filePath(QStringLiteral(".pgpass"));
}

QByteArray Testo_con_password(const QByteArray& attuale, const Parametri_club& p,
                              const QString& password) {
    const QStringList chiave = Chiave_server(p);
    QStringList righe;
    for (const QString& c : chiave) righe.append(Escapa_campo(c));
    righe = {righe.join(QLatin1Char(':')) + QLatin1Char(':') + Escapa_campo(password)};
    const QString testo = QString::fromUtf8(attuale);
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        if (riga.isEmpty()) continue;
        if (!riga.startsWith(QLatin1Char('#')) && Campi_chiave(riga) == chiave) continue;
        righe.append(riga);
    }
    return (righe.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

std::optional<QString> Salva_password_club(const Parametri_club& p, const QString& password) {
    const QString file = File_password_club();
    if (password.isEmpty())
        return QCoreApplication::translate("Password_club", "la password è vuota");
    if (password.contains(QLatin1Char('\n')) || password.contains(QLatin1Char('\r')))
        return QCoreApplication::translate("Password_club",
                                           "la password non può contenere un a capo");
    QByteArray attuale;
    // A file that is there but cannot be read is never written over: its other lines would
    // be lost.
    if (QFileInfo::exists(file))
        if (auto errore = Leggi_file(file, attuale))
            return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), *errore);
    if (auto errore = Scrivi_file_intero(file, Testo_con_password(attuale, p, password)))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), *errore);
    return std::nullopt;
}
