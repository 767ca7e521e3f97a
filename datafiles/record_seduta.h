// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of a test: the one place that says what a test was. Written beside every
// sample file of a recorded set as "<sample file without .csv> test.ini" (INI, UTF-8,
// one group "test", keys in English): the format's version; team, athlete, exercise,
// load; the band (Vmax and limits), the minimum amplitude and the loss threshold; the
// board type and link; when the set started (local time with its offset) and how long
// it lasted; how many samples and repetitions it holds; the coach's note and the RPE;
// the repetitions left out; the velocity the set is judged by. A test without one (saved
// before records existed, or by another program) still opens, with less.

#include "session/sessione.h"

#include <QString>
#include <optional>

class Lista_valori;

inline const QString Suffisso_record = QStringLiteral(" test.ini");
// The version this program writes; a record of a later one is not read.
inline constexpr int Versione_record = 1;

// The reference velocity as files keep it: "table", "lift", "propulsive". Reading, an
// empty text is the table's; an unknown one nothing.
QString Testo_riferimento(Velocita_riferimento riferimento);
std::optional<Velocita_riferimento> Riferimento_da_testo(const QString& testo);

// "<dir>/2026  dic 07  4.32.20 test.ini" beside "<dir>/2026  dic 07  4.32.20.csv".
QString Nome_file_record(const QString& file_campioni);

struct Record_test {
    Serie_t serie; // the setup, the note, the RPE, the exclusions, board, link and start
    double durata_s = 0;
    qint64 campioni = 0;
    int ripetizioni = 0;
};

// The record of the set in memory.
Record_test Record_della_serie(const Sessione& sessione, const Lista_valori& lista);

// The record as it is written (the text of the INI file).
QByteArray Testo_record(const Record_test& record);
// Reads a record's text; the reason when it is damaged, or of a version this program
// does not know.
std::optional<QString> Leggi_testo_record(const QByteArray& testo, Record_test& record);

// Writes `nome` whole or not at all. The reason on failure.
std::optional<QString> Scrivi_record(const QString& nome, const Record_test& record);
// Reads `nome`; the reason when it cannot be read or used (the test then opens as one
// without a record).
std::optional<QString> Leggi_record(const QString& nome, Record_test& record);
