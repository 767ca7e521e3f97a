// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal of an acquisition: what the board sends is written to disk as it arrives,
// so that a recorded set survives a crash, a killed program or a power cut, and a save
// that failed. Two files in the data folder's "recupero" folder, with one name:
//  - "<name>.ktj", text: a first line, the settings the set was recorded with (enough
//    to process it again as it was), then one line per operator action that changes the
//    measurement (recording on or off, reset, saved), each after the number of records
//    that came before it;
//  - "<name>.ktr", the records as the board sent them, 6 bytes each (position count,
//    then time count, little-endian), nothing else: a record cut by a crash is dropped on
//    reading, and the next ones can never be shifted.
// A journal whose recorded data were all saved is deleted when its acquisition ends; one
// with data not saved stays, and the next start of the program gives the set back. The
// text file is locked while it is this program's business (a lock the system frees when
// the program ends): a journal locked by someone is never given back nor removed.

#include "session/sessione.h"
#include "stream/vista_misura.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class Blocco_file;
class Scrittura_differita;

// The folder of the journals under the data folder.
inline const QString Cartella_giornali = QStringLiteral("recupero");
inline const QString Estensione_giornale = QStringLiteral(".ktj");
inline const QString Estensione_record = QStringLiteral(".ktr");

// What a journal says of its set.
struct Intestazione_giornale {
    Collegamento collegamento = Collegamento::Seriale;
    std::int32_t tipo_scheda = 0;
    float fattore_posizione = 0;
    float fattore_tempo = 0;
    Serie_t serie;
    QDateTime inizio;
    bool registrazione = false; // recording on at the start
    // The repetition table as the acquisition found it: its elements are overwritten field
    // by field, not cleared, so a set computes with what earlier sets left there.
    std::vector<Ripetizione> ripetizioni;
};

// Operator actions, as the journal writes them.
enum class Evento_giornale {
    Registrazione_accesa,
    Registrazione_spenta,
    Azzeramento,
    Salvataggio,
    Esclusione, // a repetition left out (its number goes with the event)
    Inclusione, // a repetition taken back
    Recuperata  // the part ending here was saved by a start that gave the set back
};

// The text file's first part: a first line and "key=value" lines, UTF-8, then "---".
QByteArray Componi_intestazione(const Intestazione_giornale& intestazione);
// The settings from those lines (by key); false when one that must be there is missing or
// wrong.
bool Leggi_intestazione(const QHash<QByteArray, QByteArray>& valori,
                        Intestazione_giornale& intestazione);

// Adds the line of `evento` after `dopo_record` records to the text file `file` of a
// journal no acquisition writes any more, and syncs it. The reason when it cannot.
std::optional<QString> Accoda_evento(const QString& file, std::int64_t dopo_record,
                                     Evento_giornale evento);

class Giornale_serie : public Vista_misura {
public:
    explicit Giornale_serie(const Sessione& sessione);
    ~Giornale_serie() override;

    // Where the journals go ("<data folder>/recupero", made when first needed); none:
    // nothing is written.
    void Imposta_cartella(const QString& cartella) { cartella_ = cartella; }
    const QString& Cartella() const { return cartella_; }

    void Acquisizione_iniziata() override;
    void Record_ricevuti(std::span<const std::uint8_t> record) override;
    void Registrazione_cambiata(bool accesa) override;
    void Misura_azzerata() override;
    void Acquisizione_finita() override;
    void Esclusione_cambiata(int riga, bool esclusa) override;

    // The set in memory is saved whole (its files written and synced): the journal no
    // longer needs what came before; once the acquisition has ended it is deleted, unless
    // it still holds data of an earlier part not saved.
    void Serie_salvata();
    // Recorded data of the set in memory that no save has kept yet.
    bool Dati_non_salvati() const { return non_salvati_; }
    // The text file of the current journal (open, or kept after its acquisition because
    // it holds data not saved); empty when there is none.
    const QString& File() const { return file_; }
    // A journal kept after its acquisition with data no save has kept: the set is given
    // back at the next start.
    bool In_sospeso() const { return !aperto_ && !file_.isEmpty(); }
    // The operator was told of the kept journal: it stays on disk for the next start, and
    // is no longer this one's business.
    void Lascia();
    // The journal could not be written (not created, disk full): the reason, once per
    // acquisition; the set itself is still kept in memory.
    std::optional<QString> Prendi_errore();
    // Whole records of the current (or last) acquisition the journal holds on disk, for
    // what a failure leaves of it: none when it could not be opened or was removed.
    std::int64_t Record_nel_giornale() const;

private:
    void Evento(Evento_giornale evento, int numero = 0);
    void Chiudi();
    void Elimina();
    void Segna_errore(const std::optional<QString>& errore);

    const Sessione& s_;
    QString cartella_;
    QString file_;
    std::unique_ptr<Scrittura_differita> testo_;
    std::unique_ptr<Scrittura_differita> record_;
    std::unique_ptr<Blocco_file> blocco_; // on the text file, held while file_ is set
    std::int64_t numero_record_ = 0;
    bool aperto_ = false;
    bool non_salvati_ = false; // the part since the last save or reset holds recorded data
    bool trattenuto_ = false;  // an earlier part was left unsaved: keep the journal
    std::optional<QString> errore_;
    bool errore_detto_ = false;
    std::int64_t record_nel_giornale_ = 0; // once closed
};
