// What every command-line tool does around its work: the arguments without the program's
// name, the usage on --help, and the first line of a failure prefixed by the tool's name.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

using Esegui_strumento = int (*)(const QStringList& argomenti, QTextStream& uscita,
                                 QTextStream& errori);

// The body of a tool's main: `esegui` over the command line, standard output and errors.
int Avvia_strumento(int argc, char** argv, Esegui_strumento esegui);

// After reading the options: an error gives "nome: errore" and the usage on `errori` (exit
// 2), --help the usage on `uscita` (exit 0); nothing means go on.
std::optional<int> Esito_opzioni(const QString& nome, const std::optional<QString>& errore,
                                 bool aiuto, const QString& uso, QTextStream& uscita,
                                 QTextStream& errori);

// "nome: testo" on `errori`; returns `codice`.
int Fallisci(const QString& nome, const QString& testo, QTextStream& errori, int codice = 1);
