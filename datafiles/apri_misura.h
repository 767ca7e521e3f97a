// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reopening a saved test: the rows of a sample file go through the engine's live
// processing again, so the value list, the repetitions, the graphs and (with recording
// on) the sample store come back as they were when the test was recorded. A "brax01"
// file of the older program resets the measurement and is read through, keeping nothing.
// A summary or analysis file chosen instead is told as such, and the sample file saved
// beside it is what can be opened.

#include <QString>
#include <functional>
#include <optional>

class Avanzamento;
class Motore_misura;
struct Sessione;

// A sample file saved with its test's record (record_test.h) reopens as it was recorded:
// the engine runs with the record's minimum amplitude, band, loss threshold and reference
// velocity, and the measurement gets the record's athlete, load, exercise, note, RPE and
// left-out repetitions; its folder is the sample file's. Without a record, the summary
// saved beside it gives the athlete, the exercise, the load and the time; without either,
// the measurement gets the current setup and the sample file's time. Either way the
// measurement names the file (`File_aperto`). The current setup itself is never changed.
// A record that cannot be used is told in `avviso` (may be null), and the test opens as
// one without a record.
//
// Reads `nome` through `motore`. `progresso` (may be null) shows how far the reading has
// got; `tra_blocchi` (may be empty) runs between blocks of rows, to keep the windows
// alive. Returns the operator's text: the system's reason when the file cannot be read,
// " File non compatibile!" for a file of neither kind, or the line of the first damaged
// row (the rows before it stay loaded). The file is closed on every path.
std::optional<QString> Apri_file_misura(const QString& nome, Sessione& sessione,
                                        Motore_misura& motore, Avanzamento* progresso,
                                        const std::function<void()>& tra_blocchi = {},
                                        QString* avviso = nullptr);

// What a summary or analysis file (known by its title line, whatever its name) is, for
// the operator, and the sample file saved beside it, when there is one.
struct File_non_campioni {
    QString messaggio;
    QString campioni; // the sample file to open instead; empty when there is none
};
// Nothing when `nome` is neither: the sample file's reading has its own word for it.
std::optional<File_non_campioni> Riconosci_file_non_campioni(const QString& nome);
