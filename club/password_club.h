// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The club's password lives where PostgreSQL's own client looks for it, never in kinetrack's
// settings: libpq's password file, PGPASSFILE or else ~/.pgpass, one line
// "host:port:database:user:password" per server, ':' and '\' escaped with '\'. libpq takes the
// first line that matches, and ignores the file unless only its owner may read it.

#include "club/parametri_club.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The password file libpq reads for this user.
QString File_password_club();

// `attuale` (a password file's text) with `password` for the server of `p`: every line for
// exactly that host, port, database and user goes, the new one comes first so that no wildcard
// line above it wins; the other lines and comments stay as they were.
QByteArray Testo_con_password(const QByteArray& attuale, const Parametri_club& p,
                              const QString& password);

// Writes the password of `p` into File_password_club(), replacing the file as a whole (mode
// 0600). The reason in the user's language when it could not: the file as it was stays.
std::optional<QString> Salva_password_club(const Parametri_club& p, const QString& password);
