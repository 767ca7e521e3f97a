// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface's language: Italian (the texts as written in the sources) or English (the
// catalogue built from translations/ into the program). The choice is the user's, stored in
// the per-user settings; a run may ask for another one. Files keep their Italian headers
// and the regional number and date formats whatever the language.

#include <QString>
#include <QStringList>
#include <optional>

// "it", "en".
QStringList Lingue_interfaccia();
inline constexpr const char* Lingua_predefinita = "it";

// Installs kinetrack's catalogue for `codice` (none for Italian) and Qt's own texts in that
// language, in place of the ones a previous call installed. An unknown code changes nothing:
// false, with the reason in `errore`. Needs the application object (a QCoreApplication is
// enough); texts are translated when used, so it runs before any window is made.
bool Applica_lingua(const QString& codice, QString* errore = nullptr);
// The language the last Applica_lingua installed; Italian before any.
QString Lingua_in_uso();

// The stored choice, Italian when there is none or it is not a language of ours.
QString Lingua_salvata();
// Stores the choice for the next start; false when it is unknown or was not written.
bool Salva_lingua(const QString& codice);

// "lingua sconosciuta: ..." naming the languages there are.
QString Messaggio_lingua_sconosciuta(const QString& codice);

// `testo` of `contesto` in the language `codice`, whatever is installed: what is said about
// a newly chosen language is said in that language.
QString Traduci_in(const QString& codice, const char* contesto, const char* testo);

// For the command-line tools: installs the stored choice, then the one a "--lang CODE" or
// "--lang=CODE" on the line asks for this run, and takes that option out of `argomenti`.
// An unknown or missing code: the refusal, with the stored choice left installed.
std::optional<QString> Applica_lingua_riga(QStringList& argomenti);
