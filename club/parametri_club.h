// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a station finds its club's server, in libpq's key=value form ("host=club.lan
// port=5432 dbname=kinetrack user=rossi sslmode=require"), and the name the station's tests
// carry there. Kept in the settings store's section "club". Never a password: libpq reads
// its own password file (~/.pgpass, or the one PGPASSFILE names) when none is given.

#include <QString>
#include <optional>

struct Parametri_club {
    QString host; // a name, an address or a socket folder; empty: libpq's default
    int porta = 5432;
    QString database, utente;
    QString sslmode; // empty: libpq's default ("prefer")
    QString stazione;

    bool operator==(const Parametri_club&) const = default;
};

// The parameters of a key=value text (host, port, dbname, user, sslmode; values quoted
// with '...' where they hold spaces). Nothing, with the reason in `errore`, when a key is
// unknown, a value is not valid, the database is missing, or a password is given.
std::optional<Parametri_club> Parametri_da_testo(const QString& testo, QString* errore = nullptr);
// The text Parametri_da_testo reads back (without the station).
QString Testo_parametri(const Parametri_club& parametri);

// The club the settings name; nothing when none is configured. A station left unnamed
// gets Stazione_predefinita().
std::optional<Parametri_club> Parametri_salvati();
// Stores the club (nothing: no club); false when the settings could not be written.
bool Salva_parametri(const std::optional<Parametri_club>& parametri);
// The machine's host name.
QString Stazione_predefinita();
