// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a set's journal back and processing it again through the engine, exactly as
// the live program processed it: the same settings, the same records, the operator's
// actions at the same records. Wherever the live program saved the set, or would have
// saved it had it not been interrupted, the caller's save runs.

#include "datafiles/giornale_serie.h"

#include <functional>
#include <optional>
#include <vector>

class Motore_misura;

struct Evento_letto {
    std::int64_t dopo_record = 0; // records that came before the action
    Evento_giornale evento{};
    int numero = 0; // the repetition left out or taken back
};

struct Giornale_letto {
    QString file;        // the text file
    QString file_record; // the records
    Intestazione_giornale intestazione;
    std::vector<Evento_letto> eventi;
    std::int64_t numero_record = 0; // whole records in the records file
};

// Reads the text file `nome` and measures its records file. The reason when it cannot be
// used (unreadable, not a journal, settings missing or wrong); a records file that ends
// in a cut record is no failure, the cut record is left out.
std::optional<QString> Leggi_giornale(const QString& nome, Giornale_letto& letto);

// The session set up as the journal says the set was recorded: link, board, factors, the
// set's settings, recording, and the repetition table the set started from.
void Imposta_sessione_giornale(const Intestazione_giornale& intestazione, Sessione& sessione);

// Processes the journal through `motore`, whose session `sessione` is set up from the
// journal (link, factors, the set's settings, recording) and fed its records as the live
// links hand them over. `salva` runs with the set in memory wherever it has data no save
// kept: at a reset or at recording switched off, and at the end; it gets the number of
// records processed so far, which tells the part. The reason when the records cannot be
// read.
std::optional<QString> Riproduci_giornale(const Giornale_letto& giornale, Sessione& sessione,
                                          Motore_misura& motore,
                                          const std::function<void(std::int64_t)>& salva);
