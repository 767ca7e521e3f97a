// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a test leaves in the athlete's folder read back as far as the load-velocity
// profile needs them: the repetition summary file (salva_ripetizioni.h), known by its
// title line whatever its name, and the analysis file beside it. Both carry the regional
// decimal separator of the computer that saved them; it is found again from the numbers,
// so a file reads the same on an Italian and an English computer. windows-1252 text.

#include "datafiles/colonne_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// What the profile takes from one summary file.
struct Test_sommario {
    QString atleta;             // as its first row writes it
    QString esercizio;          // as its first row writes it
    double carico = 0;          // kg
    double vmedia_migliore = 0; // mm/s, the highest lifting mean velocity of the rows
    int ripetizioni = 0;
    std::vector<double> vmedie; // mm/s, the lifting mean velocity of each row, in file order
    QDateTime timbro;           // the date stamp of the first line; invalid when unreadable
    // The same for two files of one test: a hash of its date stamp and its rows, whatever
    // the file's name and its line ends. Two tests whose rows happen to be equal (the same
    // motion on another day) differ by their stamps.
    QByteArray impronta;
};

struct Lettura_sommario {
    enum class Esito {
        Altro,      // not a summary file (a sample file, an analysis file, any other text)
        Sommario,   // read: `test`
        Danneggiato // a summary file that cannot be used: `difetto`
    };
    Esito esito = Esito::Altro;
    Test_sommario test;
    QString difetto;
};

Lettura_sommario Leggi_sommario(const QString& nome_file);

// What a file is by its title line, whatever its name. Reads the first two lines only.
enum class Tipo_riepilogo { Altro, Sommario, Analisi };
Tipo_riepilogo Riconosci_riepilogo(const QString& nome_file);
// The same from a file's text already read (its first two lines are looked at).
Tipo_riepilogo Riconosci_testo_riepilogo(QByteArrayView testo);

// The highest "Vpropulsiva" (mm/s) of an analysis file, the repetitions the coach left out
// aside. Nothing when the file is not one or cannot be used, with the reason in `difetto`.
// The lowest of the same repetitions goes to `minima` when given.
std::optional<double> Leggi_vpropulsiva_analisi(const QString& nome_file, QString& difetto,
                                                double* minima = nullptr);

// An analysis file's rows: each value of Colonne_analisi as its text and, when the text
// reads as a number, as that number; and whether the coach left the repetition out.
struct Riga_analisi_letta {
    int riga = 0; // line in the file, from 1
    std::array<std::optional<double>, Colonne_analisi.size()> valori;
    std::array<QString, Colonne_analisi.size()> testi;
    bool esclusa = false;
    const std::optional<double>& Valore(float Analisi_ripetizione::*valore) const {
        return valori[static_cast<std::size_t>(Campo_analisi(valore) - 1)];
    }
};
// Nothing when the file is not one or cannot be read, with the reason in `difetto`.
std::optional<std::vector<Riga_analisi_letta>> Leggi_analisi(const QString& nome_file,
                                                             QString& difetto);
