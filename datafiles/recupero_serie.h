// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets given back at start: every journal left in the data folder's "recupero" folder by
// an acquisition that did not end with its set saved (a crash, a killed program, a power
// cut, a save that failed) is processed again and saved as the stop would have saved it,
// into the set's own athlete folder. Nothing is asked. A journal that cannot be processed
// is moved to "recupero/danneggiati" with its records and never deleted; one whose set
// could not be saved stays for the next start, and notes each part it saved meanwhile.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Esito_recupero {
    QString giornale;              // the journal's text file
    QDateTime inizio;              // when its acquisition started
    QStringList file;              // the sample file of each part saved (its summary and
                                   // analysis beside it)
    std::optional<QString> errore; // why the set was not given back (whole)
    bool danneggiato = false;      // the journal cannot be processed
    QString spostato;              // where a damaged journal went (empty: it could not move)
};

// Gives back the sets of the journals under `cartella_applicazione`. A journal locked by a
// running program is left alone. A journal that never recorded, and a records file whose
// journal is gone (its set was saved), are removed without a word and give no result; one
// that recorded but whose records are missing or hold no whole record is damaged. A part
// whose files a save interrupted halfway left in place is completed there, and a part an
// earlier start saved is not saved again.
std::vector<Esito_recupero> Recupera_serie(const QString& cartella_applicazione,
                                           const QLocale& locale);

// The operator's text for the results: "Serie del <data ora> recuperata: <file>" for
// each set given back, and what happened to the others; empty when there is nothing.
QString Messaggio_recupero(const std::vector<Esito_recupero>& esiti, const QLocale& locale);
