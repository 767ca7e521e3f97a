// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of the CSV files a recorded set leaves, one table per kind of file, which
// its writer and every reader follow: the title, where the value comes from, how it is
// written. A column added to a table is written, and found again by every reader.
// Fields are separated by ";", texts are windows-1252 and lines end in CR LF.

#include "session/sessione.h"
#include "stream/analisi_ripetizione.h"

#include <QStringView>
#include <array>
#include <string_view>

// The sample file: "Kine01;", the titles, then one row per recorded sample.
inline constexpr std::string_view Prima_riga_campioni = "Kine01;";

// The numbers of a row as its texts give them, before they became singles.
struct Riga_scritta {
    double tempo = 0, velocita = 0, dt = 0;
};

struct Colonna_campioni {
    std::string_view titolo;
    float Campione::*valore;
    int decimali;
    double Riga_scritta::*scritto; // kept as written too, for the reconstruction; or null
};
inline constexpr std::array Colonne_campioni{
    Colonna_campioni{"Tempo", &Campione::Tempo, 4, &Riga_scritta::tempo},
    Colonna_campioni{"Posizione", &Campione::Posizione, 0, nullptr},
    Colonna_campioni{"Velocita", &Campione::Velocita, 4, &Riga_scritta::velocita},
    Colonna_campioni{"dt", &Campione::dt, 5, &Riga_scritta::dt},
};

// The repetition summary file: a date stamp, the titles, then one line per row of the
// value list, every field followed by ";".
enum class Campo_sommario { Atleta, Esercizio, Carico, Ripetizione, Lista };
struct Colonna_sommario {
    QStringView titolo;
    Campo_sommario campo;
    int colonna_lista = 0; // the value list's column, for Campo_sommario::Lista
};
inline constexpr std::array Colonne_sommario{
    Colonna_sommario{u"Nome", Campo_sommario::Atleta},
    Colonna_sommario{u"Esercizio", Campo_sommario::Esercizio},
    Colonna_sommario{u"Carico", Campo_sommario::Carico}, // one decimal
    Colonna_sommario{u"N\u00B0Rip", Campo_sommario::Ripetizione},
    // The value list's columns, read back as numbers and written with two decimals: the
    // lifting phase, then the lowering phase.
    Colonna_sommario{u"Tempo", Campo_sommario::Lista, 1},
    Colonna_sommario{u"Durata", Campo_sommario::Lista, 2},
    Colonna_sommario{u"Spost", Campo_sommario::Lista, 3},
    Colonna_sommario{u"Vmedia", Campo_sommario::Lista, 4},
    Colonna_sommario{u"Vmax", Campo_sommario::Lista, 5},
    Colonna_sommario{u"TdiVmax", Campo_sommario::Lista, 6},
    Colonna_sommario{u"SdiVmax", Campo_sommario::Lista, 7},
    Colonna_sommario{u"Durata", Campo_sommario::Lista, 8},
    Colonna_sommario{u"Spost", Campo_sommario::Lista, 9},
    Colonna_sommario{u"Vmedia", Campo_sommario::Lista, 10},
    Colonna_sommario{u"Vmax", Campo_sommario::Lista, 11},
    Colonna_sommario{u"TdiVmax", Campo_sommario::Lista, 12},
    Colonna_sommario{u"SdiVmax", Campo_sommario::Lista, 13},
};
// The field of a column, counted from 0: the first of that kind (or of that list column).
constexpr int Campo_di(Campo_sommario campo, int colonna_lista = 0) {
    for (std::size_t i = 0; i < Colonne_sommario.size(); ++i)
        if (Colonne_sommario[i].campo == campo &&
            (campo != Campo_sommario::Lista || Colonne_sommario[i].colonna_lista == colonna_lista))
            return static_cast<int>(i);
    return -1;
}
// The lifting phase's mean velocity.
inline constexpr int Campo_vmedia_sommario = Campo_di(Campo_sommario::Lista, 4);

// The analysis file beside each summary: the titles, then one line per repetition: its
// number as the summary writes it, the values below with two decimals, and whether the
// coach left it out (1/0; files of older versions lack that last column).
inline constexpr QStringView Titolo_numero_analisi = u"N\u00B0Rip";
struct Colonna_analisi {
    QStringView titolo;
    float Analisi_ripetizione::*valore;
};
inline constexpr std::array Colonne_analisi{
    Colonna_analisi{u"Vmedia", &Analisi_ripetizione::Vmedia},
    Colonna_analisi{u"Vpropulsiva", &Analisi_ripetizione::Vpropulsiva},
    Colonna_analisi{u"Durata propulsiva", &Analisi_ripetizione::Durata_propulsiva},
    Colonna_analisi{u"Potenza media", &Analisi_ripetizione::Potenza_media},
    Colonna_analisi{u"Potenza max", &Analisi_ripetizione::Potenza_max},
    Colonna_analisi{u"Perdita %", &Analisi_ripetizione::Perdita},
};
inline constexpr QStringView Titolo_esclusa_analisi = u"Esclusa";
// The field of a value, counted from 0 (the number first).
constexpr int Campo_analisi(float Analisi_ripetizione::*valore) {
    for (std::size_t i = 0; i < Colonne_analisi.size(); ++i)
        if (Colonne_analisi[i].valore == valore) return static_cast<int>(i) + 1;
    return -1;
}
inline constexpr int Campo_esclusa_analisi = static_cast<int>(Colonne_analisi.size()) + 1;
