// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files that make the exercise settings persistent: the list file brax.ini with the
// entries the setup rows offer, one athlete file per athlete with the entries chosen for
// him, the team/athlete folders under the application folder, and the last athlete and
// team in the settings store (section "funz"). No widgets: the setup dialog calls these.
//
// Both files are text in the 8-bit Windows code page, CR LF line ends; numbers are written
// as the print statement writes them (" 0 ", "-1 "). Failures come back as the text to
// show the operator; what was read or written until the failure stays.

#include "session/sessione.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The rows of the setup dialog.
namespace Riga_utente {
enum : int {
    Squadra = 0,
    Atleta,
    Carico,
    Esercizio,
    Vmax,
    Limite_sup,
    Limite_inf,
    Ampiezza_minima,
    Nota,
    Numero // rows in all
};
} // namespace Riga_utente

using Liste_utente = std::array<QStringList, Riga_utente::Numero>;
using Scelte_utente = std::array<QString, Riga_utente::Numero>; // the chosen entry's text
using Indici_utente = std::array<int, Riga_utente::Numero>;     // its index, -1 for none

// The team's folder, application folder + "/" + team (an empty team gives the application
// folder followed by the separator).
QString Cartella_squadra(const QString& cartella_applicazione, const QString& squadra);
// team folder + "/" + athlete + "/" + athlete + ".cfg".
QString File_atleta(const QString& cartella_applicazione, const QString& squadra,
                    const QString& atleta);

// The number at the start of a row's text, whatever the regional settings: "." as the
// decimal point, an optional exponent, spaces, tabs and line feeds skipped wherever they
// are, stopping at the first character that cannot continue it; 0 when no digit comes
// first or the value does not fit a single ("82,5" gives 82, "100 kg" 100, "1 000" 1000).
float Numero_di_voce(const QString& testo);
// The same number, or nothing when the text does not begin with one (no digit first) or it
// does not fit a single.
std::optional<float> Numero_in_voce(const QString& testo);

// A whole number as the print statement writes it: "-" or a space, the digits, a space.
QByteArray Numero_stampato(qint64 numero);

// Appends the entries stored in `file_ini` to rows 0 and 2 to 8 of `liste`. A file too large
// to be one (file_limitato.h) is not read, and the message says so. A damaged file
// gives its message, naming the lines skipped, and every entry that could still be read
// (setup/lettura_liste.cpp); a team that could not be typed as one is left out.
std::optional<QString> Leggi_liste(const QString& file_ini, Liste_utente& liste);

// Reads an athlete file into `Posizioni` and `Cartella_dati` (the folder the file is in); one
// too large to be one (file_limitato.h) is not read.
// A first line other than "brax_cfg" gives "File non compatibile!" with the file's path
// on a second line, and leaves the record unchanged.
std::optional<QString> Leggi_File_Config(const QString& nome_file, Dati_esercizio_t& dati);

// Writes brax.ini (creating Cartella_ini) from `liste`, then the athlete file `nome_file`.
// Each is replaced whole or not at all; brax.ini only when its lists changed, keeping the
// file it replaces as brax.ini.bak; an athlete file that cannot be read as one (cut, damaged,
// too large) is kept as "<name>.bak" before it is replaced. An empty name becomes Cartella_dati +
// "/" + Atleta +
// ".cfg", or no athlete file at all when Atleta is empty; the caller sees the name used.
std::optional<QString> Salva_File_Config(QString& nome_file, const Sessione& sessione,
                                         const Liste_utente& liste);

// Fills the record from the rows' chosen entries: texts, numbers and Posizioni 0 to 8.
void Riempi_dati_esercizio(Dati_esercizio_t& dati, const Scelte_utente& testi,
                           const Indici_utente& indici);

// Creates the team folder and the athlete's folder when missing; Cartella_dati becomes the
// athlete's folder (the team folder, if the second one cannot be created).
std::optional<QString> Crea_cartelle_atleta(const QString& cartella_applicazione,
                                            Dati_esercizio_t& dati);

// The last athlete and team from the settings store: Atleta, Squadra, Posizioni 1 and 0.
// A name that could not be typed in the setup dialog (a path such as "../..") is left
// empty, and the message says so; so does it of a store refused or damaged
// (Difetto_impostazioni), which then gives its defaults.
std::optional<QString> Leggi_ultimo_atleta(Dati_esercizio_t& dati);
// Stores them.
std::optional<QString> Salva_ultimo_atleta(const Dati_esercizio_t& dati);
