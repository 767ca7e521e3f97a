// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files of a recorded set as the stop of a recording writes them: the sample file
// with the test's record, the summary beside it and the analysis beside that, in the set's athlete
// folder (or "misure_auto"), named from the date and time. The live stop, the set given back from
// its journal and the replay tool all save through here.

#include "stream/analisi_ripetizione.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Avanzamento;
class Lista_valori;
struct Sessione;

// Nothing recorded: a sample file would hold no rows and the value list has none.
bool Serie_vuota(const Sessione& sessione, const Lista_valori& lista);

struct Esito_serie {
    QStringList scritti;                            // the files written whole, in the order written
    QString campioni, record, ripetizioni, analisi; // each one's name, when it was written
    QString fallito;                                // the first file that could not be written
    std::optional<QString> errore;
    bool Riuscito() const { return !errore; }
};

// Writes the files of the set in memory (sessione.Serie tells whose it is): the sample
// file, the test's record beside it, the summary and the analysis. Names come from
// `adesso`; where a file of one of the names is there already, the set gets " (2)",
// " (3)", ... so that nothing is overwritten. `analisi` may be null (no
// analysis file). Every file is written even when an earlier one failed.
Esito_serie Salva_serie(const Sessione& sessione, const Lista_valori& lista,
                        const std::vector<Analisi_ripetizione>* analisi, const QLocale& locale,
                        const QDateTime& adesso, Avanzamento* progresso = nullptr);

// A save interrupted after the sample file `campioni` of the set in memory was written
// whole: the set's other files that are not beside it yet are written (as Salva_serie at
// `adesso` would have), those there already are kept. The result lists all of them.
Esito_serie Completa_serie(const QString& campioni, const Sessione& sessione,
                           const Lista_valori& lista,
                           const std::vector<Analisi_ripetizione>* analisi, const QLocale& locale,
                           const QDateTime& adesso);
