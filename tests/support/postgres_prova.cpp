// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/postgres_prova.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTcpServer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The newest PostgreSQL's programs' folder, as Debian installs them.
QString Cartella_programmi() {
    QStringList versioni =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numerico;
    numerico.setNumericMode(true);
    std::sort(versioni.begin(), versioni.end(), numerico);
    for (auto v = versioni.crbegin(); v != versioni.crend(); ++v) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*v);
        if (QFile::exists(bin + QStringLiteral("/initdb"))) return bin;
    }
    return {};
}

int Porta_libera() {
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost) ? server.serverPort() : 54329;
}

} // namespace

Postgres_prova::Postgres_prova(const QString& schema) : root_(::geteuid() == 0) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        motivo_ = QStringLiteral("Qt's PostgreSQL driver (QPSQL, libqt6sql6-psql) is missing");
        return;
    }
    bin_ = Cartella_programmi();
    if (bin_.isEmpty()) {
        motivo_ = QStringLiteral("PostgreSQL's initdb is missing (/usr/lib/postgresql/*/bin): "
                                 "bash scripts/install-deps.sh installs it");
        return;
    }
    if (!radice_.isValid()) {
        motivo_ = QStringLiteral("no temporary folder for the server");
        return;
    }
    // The server's user makes its cluster and its socket here, the tests' user connects.
    ::chmod(QFile::encodeName(radice_.path()).constData(), 0777);
    dati_ = radice_.filePath(QStringLiteral("cluster"));
    porta_ = Porta_libera();
    QString uscita;
    if (!Esegui(Programma(QStringLiteral("initdb")),
                {QStringLiteral("-D"), dati_, QStringLiteral("-A"), QStringLiteral("trust"),
                 QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-E"),
                 QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync"),
                 QStringLiteral("--no-instructions")},
                &uscita)) {
        motivo_ = QStringLiteral("initdb failed: ") + uscita;
        return;
    }
    if (!Avvia()) {
        motivo_ = QStringLiteral("the server did not start: ");
        QFile log(radice_.filePath(QStringLiteral("server.log")));
        if (log.open(QIODevice::ReadOnly)) motivo_ += QString::fromLocal8Bit(log.readAll());
        return;
    }
    QString errore;
    if (!Sql(QStringLiteral("CREATE DATABASE club"), &errore, QStringLiteral("postgres"))) {
        motivo_ = errore;
        return;
    }
    if (!schema.isEmpty() &&
        !Esegui(Programma(QStringLiteral("psql")),
                {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                 QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), Cartella_socket(),
                 QStringLiteral("-p"), QString::number(porta_), QStringLiteral("-U"),
                 QStringLiteral("postgres"), QStringLiteral("-d"), QStringLiteral("club"),
                 QStringLiteral("-f"), schema},
                &uscita, false))
        motivo_ = QStringLiteral("%1 did not load: %2").arg(schema, uscita);
}

Postgres_prova::~Postgres_prova() {
    if (avviato_)
        Esegui(Programma(QStringLiteral("pg_ctl")),
               {QStringLiteral("-D"), dati_, QStringLiteral("-m"), QStringLiteral("immediate"),
                QStringLiteral("-w"), QStringLiteral("stop")});
}

QString Postgres_prova::Programma(const QString& nome) const {
    return bin_ + QLatin1Char('/') + nome;
}

bool Postgres_prova::Esegui(const QString& programma, const QStringList& argomenti, QString* uscita,
                            bool come_server) const {
    QProcess p;
    p.setWorkingDirectory(radice_.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (come_server && root_)
        p.start(QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"),
                            programma} +
                    argomenti);
    else
        p.start(programma, argomenti);
    const bool finito = p.waitForFinished(60000);
    if (!finito) p.kill();
    if (uscita) *uscita = QString::fromLocal8Bit(p.readAll()).trimmed();
    return finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool Postgres_prova::Avvia() {
    avviato_ = Esegui(Programma(QStringLiteral("pg_ctl")),
                      {QStringLiteral("-D"), dati_, QStringLiteral("-l"),
                       radice_.filePath(QStringLiteral("server.log")), QStringLiteral("-w"),
                       QStringLiteral("-o"),
                       QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off")
                           .arg(Cartella_socket())
                           .arg(porta_),
                       QStringLiteral("start")});
    return avviato_;
}

bool Postgres_prova::Ferma() {
    const bool fermato =
        Esegui(Programma(QStringLiteral("pg_ctl")),
               {QStringLiteral("-D"), dati_, QStringLiteral("-m"), QStringLiteral("fast"),
                QStringLiteral("-w"), QStringLiteral("stop")});
    if (fermato) avviato_ = false;
    return fermato;
}

QString Postgres_prova::Parametri(const QString& utente) const {
    return QStringLiteral("host=%1 port=%2 dbname=club user=%3")
        .arg(Cartella_socket())
        .arg(porta_)
        .arg(utente);
}

std::optional<QString> Postgres_prova::Sql(const QString& sql, QString* errore,
                                           const QString& database) const {
    QString uscita;
    if (Esegui(Programma(QStringLiteral("psql")),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                QStringLiteral("-h"), Cartella_socket(), QStringLiteral("-p"),
                QString::number(porta_), QStringLiteral("-U"), QStringLiteral("postgres"),
                QStringLiteral("-d"), database, QStringLiteral("-c"), sql},
               &uscita, false))
        return uscita;
    if (errore) *errore = uscita;
    return std::nullopt;
}

bool Postgres_prova::Chiedi_password(const QString& ruolo) {
    QFile hba(dati_ + QStringLiteral("/pg_hba.conf"));
    if (!hba.open(QIODevice::ReadOnly)) return false;
    const QByteArray prima = hba.readAll();
    hba.close();
    // The first line that matches decides: this one goes before the trusted ones.
    if (!hba.open(QIODevice::WriteOnly)) return false;
    hba.write("local all " + ruolo.toUtf8() + " scram-sha-256\n" + prima);
    hba.close();
    if (!Sql(QStringLiteral("SELECT pg_reload_conf()"))) return false;
    // The server reads the file again a moment later: until a login without a password fails.
    for (int i = 0; i < 50; ++i) {
        if (!Esegui(Programma(QStringLiteral("psql")),
                    {QStringLiteral("-X"), QStringLiteral("-w"), QStringLiteral("-h"),
                     Cartella_socket(), QStringLiteral("-p"), QString::number(porta_),
                     QStringLiteral("-U"), ruolo, QStringLiteral("-d"), QStringLiteral("club"),
                     QStringLiteral("-c"), QStringLiteral("SELECT 1")},
                    nullptr, false))
            return true;
        ::usleep(100000);
    }
    return false;
}
