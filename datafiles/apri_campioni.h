// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a sample recording file back ("Kine01;", the column titles, then one row of
// numbers per sample; see colonne_file.h). An hour at the board's highest
// rate is about 1 GB, so the file is read in large blocks and parsed in place, without a
// text object per field. The decimal separator is taken from the file's first row: a file
// reads the same whatever the regional settings it was written or is read under. The
// values come as written; Ricostruzione_campioni gives back what the rounding lost.
// Also recognises the older "brax01" files and reads them as they always were read.

#include "datafiles/colonne_file.h"
#include "session/sessione.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class Tipo_file { Campioni, Brax };

class Lettore_campioni {
public:
    // Opens `nome` and reads its first line. Returns the system's description when the
    // file cannot be opened or read, " File non compatibile!" when it is neither a sample
    // file nor a "brax01" file (an empty file included); the file is then closed.
    std::optional<QString> Apri(const QString& nome);
    Tipo_file Tipo() const { return tipo_; }

    // Sample file: the next rows (about Byte_blocco bytes of the file) in `uscita`, which
    // is replaced. False, with `uscita` empty, once there is nothing more: at the end of
    // the file or at the first damaged row (a row that is not a number a column, or the last
    // row cut before its line end); Errore() then tells which. Rows before a damaged one
    // are all handed out.
    bool Leggi_blocco(std::vector<Campione>& uscita);
    // "brax01" file: one integer (the sampling time, stored in `tempo_campionamento`), then
    // numbers separated by commas or line ends until the end of the file, kept nowhere.
    // False at the first thing that is not a number.
    bool Leggi_brax(std::int32_t& tempo_campionamento);

    // After the last block: nothing for a clean end, otherwise the operator's text.
    const std::optional<QString>& Errore() const { return errore_; }
    // The rows of the last block as written, before they became singles.
    const std::vector<Riga_scritta>& Scritte() const { return scritte_; }
    qint64 Byte_letti() const { return letti_; }
    qint64 Byte_totali() const { return totali_; }
    void Chiudi() { file_.close(); }

    static constexpr qint64 Byte_blocco = 4 * 1024 * 1024;

private:
    // Reads the next piece of the file after what is left in buffer_; false at the end.
    bool Riempi();
    // The next line without its line end; `intera` false for a last line cut before its
    // line end (or a stretch too long to be a row). False at the end or on a read failure.
    bool Prossima_riga(const char*& inizio, const char*& fine, bool& intera);
    bool Riga(const char* inizio, const char* fine, Campione& campione, Riga_scritta& scritta);
    // The numbers of a row from `p`, which is moved past them.
    bool Campi(const char*& p, const char* fine, Campione& campione, Riga_scritta& scritta) const;
    // The next row read straight from the buffer, when it is a whole good one.
    bool Riga_intera(Campione& campione, Riga_scritta& scritta);
    void Guasto(qint64 riga);

    QFile file_;
    Tipo_file tipo_ = Tipo_file::Campioni;
    std::vector<char> buffer_;
    std::size_t inizio_ = 0, fine_ = 0; // unread bytes of buffer_
    bool finito_ = false;
    char separatore_ = 0; // decimal separator, from the first row
    qint64 riga_ = 0;     // last line read, from 1
    qint64 letti_ = 0, totali_ = 0;
    std::vector<Riga_scritta> scritte_;
    std::optional<QString> errore_;
    QByteArray resto_brax_; // the first line of a "brax01" file after its first field
};
