// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station and its club's server: the station's tests go out (each once, with every new
// version of its record) and the other stations' tests come in, into the station's index.
// The files and the index stay the station's record: with the server gone nothing is lost,
// what waits goes out the next time it answers.

#include "club/parametri_club.h"

#include <QString>

class Indice_test;
struct Test_da_inviare;

// The schema of packaging/club.sql this program reads and writes, and the oldest server.
inline constexpr int Versione_schema_club = 1;
inline constexpr int Versione_server_minima = 150000; // PostgreSQL 15

struct Esito_sincronia {
    bool collegato = false;
    int inviati = 0;    // tests (or new versions of their record) the club took this time
    int ricevuti = 0;   // tests of other stations new to this one
    int da_inviare = 0; // still waiting
    QString errore;     // what went wrong (the last thing); empty: nothing
    bool password_rifiutata = false;
};

// One connection to the club, used from one thread. A station left unnamed is
// Stazione_predefinita().
class Club {
public:
    explicit Club(const Parametri_club& parametri);
    ~Club();
    Club(const Club&) = delete;
    Club& operator=(const Club&) = delete;

    // Connects and checks the server's and the schema's versions. Empty when the club can be
    // used; else why not (the server unreachable, the password refused, a version refused,
    // with the versions named).
    QString Apri();
    bool Collegato() const { return collegato_; }
    bool Password_rifiutata() const { return password_rifiutata_; }

    // Connects when it is not, sends the index's queue oldest first (each test in a
    // transaction of its own), then takes what the other stations sent since the last time.
    Esito_sincronia Sincronizza(Indice_test& indice);

private:
    enum class Invio { fatto, rifiutato, caduto };
    Invio Invia(const Test_da_inviare& t, QString& errore);
    bool Ricevi(Indice_test& indice, int& nuovi, QString& errore);
    // After a failed statement: whether the server still answers (else the connection is
    // closed, to be opened again next time).
    bool Ancora_collegato();
    void Chiudi();

    Parametri_club parametri_;
    QString connessione_;
    bool collegato_ = false;
    bool password_rifiutata_ = false;
};
