// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value list as data: one row of fourteen formatted texts per completed
// repetition. The windows show it; the summary file is written from it.

#include "session/sessione.h"

#include <QLocale>
#include <QString>
#include <array>
#include <vector>

class Lista_valori {
public:
    static constexpr int Numero_colonne = 14;
    using Riga = std::array<QString, Numero_colonne>;

    // The row of repetition record `indice` (the repetition number, column 0).
    static Riga Formatta_riga(const Ripetizione& record, int indice, const QLocale& locale);

    void Aggiungi(const Riga& riga) { righe_.push_back(riga); }
    void Svuota() { righe_.clear(); }
    int Righe() const { return static_cast<int>(righe_.size()); }
    const QString& Cella(int riga, int colonna) const { return righe_.at(riga).at(colonna); }
    const Riga& Riga_n(int riga) const { return righe_.at(riga); }

    // Header texts, one per column, and the group caption above them.
    static const std::array<QString, Numero_colonne>& Intestazioni();
    // A column's header in the operator's language.
    static QString Intestazione_mostrata(int colonna);
    static QString Didascalia_gruppi();

private:
    std::vector<Riga> righe_;
};
