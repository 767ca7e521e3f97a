// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of the data files written without a name chosen by the user, and the pieces of
// date and time they are built from. Everything follows the given locale, never the
// process-wide one.

#include <QDateTime>
#include <QLocale>
#include <QString>

struct Sessione;

// The time separator of the locale's short time format (":" when it has none).
QString Separatore_ora(const QLocale& locale);

// The time separator in file names built by the program: "." rather than the locale's ":",
// which USB sticks and Windows shares refuse.
inline const QString Separatore_nomi_file = QStringLiteral(".");

// "yyyy  mmm dd  h.mm.s" + ".csv": the sample file's name without its folder, also the
// name the save dialog proposes. "mmm" is the locale's abbreviated month name.
QString Nome_file_campioni(const QDateTime& adesso, const QLocale& locale);

// The time a sample file's name (without folder) tells, read back with `locale`'s month
// names, else the English or the Italian ones. Invalid for a name of any other form.
QDateTime Ora_nome_file_campioni(const QString& nome, const QLocale& locale);

// The one order of tests and their files in every list: the earlier time first, those
// without a time last; of one time, by name, a number in it by its value ("15.34.5"
// before "15.34.48"). Lists of the newest first take it the other way round.
bool Prima_nel_tempo(const QDateTime& a, const QString& nome_a, const QDateTime& b,
                     const QString& nome_b);

// `esercizio` + "_yymmdd_hh.mm.ss": the summary file's name without folder and extension,
// as the save dialog proposes it.
QString Nome_file_ripetizioni(const QString& esercizio, const QDateTime& adesso);

// The summary file saved with a sample file at the stop of a recording: the sample file's
// name with " ripetizioni" before ".csv", so the two sort side by side.
inline const QString Suffisso_ripetizioni = QStringLiteral(" ripetizioni");
// The analysis file beside a summary: the summary's name with " analisi" before ".csv".
inline const QString Suffisso_analisi = QStringLiteral(" analisi");

// A name chosen in a save dialog, ending in ".csv" (case aside): the dialog adds its
// extension only to a name without a dot, and "Squat_261208_16.59.41" has three. An empty
// name (a cancelled dialog) stays empty.
QString Con_estensione_csv(const QString& nome);

// Whether a file's name may be a sample file's: not a summary's (" ripetizioni.csv") nor an
// analysis file's (" analisi.csv"). The name alone cannot tell a summary saved under a
// chosen name; its contents can.
bool Nome_di_file_campioni(const QString& nome);

// The sample file a summary or analysis file was saved beside: its name without
// " analisi" and " ripetizioni" before ".csv". Empty when the name carries neither.
QString File_campioni_accanto(const QString& nome);

// The summary file's date stamp line without its line end: "dd mm yyyy;h:mm:s;".
QString Timbro_data_ora(const QDateTime& adesso, const QLocale& locale);

// Where automatic saves go: `cartella_dati` when set; otherwise the folder "misure_auto"
// under `cartella_applicazione` (or under the executable's folder when that is empty too),
// created when missing, so that a test recorded before any setup is not lost.
QString Cartella_salvataggio(const QString& cartella_dati, const QString& cartella_applicazione);

// Where the files of a set recorded at `adesso` go without a name chosen by the user, the
// sample file's full name without ".csv": in the athlete's folder `cartella_dati` (or as
// Cartella_salvataggio says), named as Nome_file_campioni. Every file of the set is this
// and a suffix of its own.
QString Base_file_serie(const QString& cartella_dati, const QString& cartella_applicazione,
                        const QDateTime& adesso, const QLocale& locale);
