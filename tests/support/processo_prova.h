// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programs of ours run by the tests: a separate process with its arguments, environment,
// standard input and a time limit, or a tool's body called in this process; and the
// virtual board on a pseudo-terminal.
#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextStream>

struct Esito_programma {
    int codice = -1; // -1: crashed, or still running at the time limit (then killed)
    QString uscita, errori;
};

// Variables set for the child over the test's own environment; a null value removes one.
using Variabili = QHash<QString, QString>;

Esito_programma Esegui_programma(const QString& programma, const QStringList& argomenti,
                                 const Variabili& variabili = {}, const QByteArray& ingresso = {},
                                 int limite_ms = 60000);

// A tool's body, as its main calls it, with standard output and errors caught.
using Corpo_programma = int (*)(const QStringList& argomenti, QTextStream& uscita,
                                QTextStream& errori);
Esito_programma Esegui_in_processo(Corpo_programma corpo, const QStringList& argomenti);

// kinetrack-board on port com`porta` with `opzioni`: ready once it printed the device it
// serves (`dispositivo`), within 10 s. With `runtime` its runtime folder (where the ports'
// links are) is that one, else the test's. Stopped when it goes.
class Processo_scheda {
public:
    explicit Processo_scheda(int porta, const QStringList& opzioni = {},
                             const QString& runtime = {});
    ~Processo_scheda();
    Processo_scheda(const Processo_scheda&) = delete;
    Processo_scheda& operator=(const Processo_scheda&) = delete;

    bool Pronta() const { return dispositivo.startsWith(QLatin1String("/dev/")); }
    // Asked to end: true when it did within 3 s (else it is killed).
    bool Ferma();

    QProcess processo;
    QString dispositivo;
};
