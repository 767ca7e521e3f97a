// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PostgreSQL server of the test's own, thrown away with it: a cluster made by initdb in a
// temporary folder (every local user trusted), listening only on a Unix socket in that
// folder, with a database "club" holding the schema file given. Run by the `postgres` user
// when the tests run as root (initdb refuses root), else by the test's own user. It can be
// stopped and started again; it is stopped and removed when it goes.
//
// Where the server or Qt's PostgreSQL driver is missing, Motivo() says so and the tests
// skip, naming it.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

class Postgres_prova {
public:
    // `schema`: the SQL file loaded into "club" (empty: none).
    explicit Postgres_prova(const QString& schema);
    ~Postgres_prova();
    Postgres_prova(const Postgres_prova&) = delete;
    Postgres_prova& operator=(const Postgres_prova&) = delete;

    // Why there is no server; empty when it runs.
    QString Motivo() const { return motivo_; }
    QString Cartella_socket() const { return radice_.path(); }
    int Porta() const { return porta_; }
    // "host=<socket folder> port=<port> dbname=club user=<utente>".
    QString Parametri(const QString& utente = QStringLiteral("postgres")) const;

    bool Avvia();
    bool Ferma();
    // Runs `sql` in `database` as the superuser; its output (unaligned, tuples only), or
    // nothing with the reason in `errore`.
    std::optional<QString> Sql(const QString& sql, QString* errore = nullptr,
                               const QString& database = QStringLiteral("club")) const;
    // `ruolo` logs in with its password only (the others stay trusted).
    bool Chiedi_password(const QString& ruolo);

private:
    QString Programma(const QString& nome) const;
    bool Esegui(const QString& programma, const QStringList& argomenti, QString* uscita = nullptr,
                bool come_server = true) const;

    QTemporaryDir radice_;
    QString bin_, dati_;
    int porta_ = 0;
    bool root_ = false, avviato_ = false;
    QString motivo_;
};
