// SPDX-License-Identifier: GPL-3.0-or-later
// What every command-line tool does around its work: the arguments without the program's
// name, the usage on --help, and the first line of a failure prefixed by the tool's name.
#pragma once

#include "wire/flusso_scheda.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <utility>

using Esegui_strumento = int (*)(const QStringList& argomenti, QTextStream& uscita,
                                 QTextStream& errori);

// The body of a tool's main: `esegui` over the command line, standard output and errors,
// unless the line asks for the version.
int Avvia_strumento(int argc, char** argv, const QString& nome, Esegui_strumento esegui);

// "--version" anywhere on the line: the tool's version text on `uscita` and exit 0, before
// any option is read (a wrong option beside it does not matter). Nothing means go on.
std::optional<int> Esito_versione(const QString& nome, const QStringList& argomenti,
                                  QTextStream& uscita);

// After reading the options: an error gives "nome: errore" and the usage on `errori` (exit
// 2), --help the usage on `uscita` (exit 0); nothing means go on.
std::optional<int> Esito_opzioni(const QString& nome, const std::optional<QString>& errore,
                                 bool aiuto, const QString& uso, QTextStream& uscita,
                                 QTextStream& errori);

// "nome: testo" on `errori`; returns `codice`.
int Fallisci(const QString& nome, const QString& testo, QTextStream& errori, int codice = 1);

// The command line as "--name value" pairs, in order, and the one file it names.
struct Riga_comando {
    QList<std::pair<QString, QString>> opzioni;
    QString file;
    bool aiuto = false;
};

// Reads one option's value into the tool's options: nothing when taken, else the refusal.
using Leggi_valore = std::function<std::optional<QString>(const QString& valore)>;
struct Opzione_strumento {
    QString nome; // "--name"
    Leggi_valore leggi;
};

// How a tool's command line is read. `file` names the file in the refusals ("ingresso",
// "uscita"); `senza_file`: the tool takes none. `prima` (may be empty) sees the whole line
// before any value is read, for refusals about options together. `interruttori`: the
// options that take no value (their reader gets an empty one).
struct Regole_riga {
    QString file;
    bool senza_file = false;
    QList<Opzione_strumento> opzioni;
    QStringList interruttori;
    std::function<std::optional<QString>(const Riga_comando&)> prima;
};

// Reads a tool's command line into `riga`: "--help" or "-h" anywhere before a refusal sets
// `aiuto` and ends the reading; then each pair goes in order to its option's reader, the
// first refusal ending the reading; an option the tool does not list is refused.
std::optional<QString> Leggi_riga_strumento(const QStringList& argomenti, const Regole_riga& regole,
                                            Riga_comando& riga);

// A number option's value, read as the program reads typed numbers: "0,3" and "0.3" alike.
// False unless it is a number within minimo..massimo, and whole when `intero`.
bool Numero_opzione(const QString& testo, double minimo, double massimo, double& valore,
                    bool intero = false);

// A text option's reader: the value as given goes to `campo`.
Leggi_valore Valore_testo(QString& campo);

// --write-example's reader: the example athlete's name, without blanks around it; refused
// when empty.
Opzione_strumento Opzione_esempio(QString& atleta);

// The value of --link: "serial" or "hid".
std::optional<QString> Leggi_collegamento(const QString& valore, Collegamento& collegamento);
