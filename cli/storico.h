// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kinetrack-storico: the training log of the data folder's athletes as text.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

struct Opzioni_storico {
    QString cartella_dati, squadra, atleta, esercizio;
    QDate dal, al;
    QString pdf;            // --pdf FILE
    QString atleta_esempio; // --write-example ATHLETE
    bool prontezza = false; // --readiness: one athlete's readiness in one exercise
    QString club;           // --club "host=H port=P dbname=N user=U": the club's server
    QString stazione;       // --station NAME: this data folder's name at the club
    bool aiuto = false;
};

QString Uso_storico();
// The options, or the reason they cannot be used.
std::optional<QString> Leggi_opzioni_storico(const QStringList& argomenti, Opzioni_storico& o);

// The whole tool. Returns the exit code.
int Esegui_storico(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);
