// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port dialog's lists and the rules that turn its choices into the port's settings
// string and back. Plain functions, no widgets.

#include <QChar>
#include <QString>
#include <QStringList>

const QStringList& Voci_velocita();
const QStringList& Voci_bit_dati();
const QStringList& Voci_parita();   // "Even", "Odd", "Nessuna", "Mark", "Space"
const QStringList& Voci_bit_stop(); // "1", "1,5", "2"
const QStringList& Voci_flusso();   // the four flow-control buttons

// What the dialog shows for a settings string.
struct Vista_impostazioni {
    QString Velocita;
    int Indice_parita = -1; // entry of Voci_parita(), -1 = leave the selection alone
    QString Bit_dati;
    QString Bit_stop; // "1", "1.5" or "2"
};

// Reads "speed,parity,data bits,stop bits" by position, as the dialog always writes it:
// a one-letter parity (either case), one-digit data bits, and stop bits of one
// character, or three when the string holds a "." ("1.5"). Too short a text gives
// empty fields.
Vista_impostazioni Scomponi_impostazioni(const QString& impostazioni);

// The parity entry for a letter (e/o/n/m/s, either case), -1 for any other.
int Indice_parita(QChar lettera);

// The entry of Voci_bit_stop() for a stop-bits field: "1.5" is shown as "1,5".
QString Voce_bit_stop(const QString& campo);

// Builds the settings string from the dialog's texts: trimmed speed, first letter of
// the parity entry, trimmed data bits, trimmed stop bits with "1,5" written as 1.5.
QString Componi_impostazioni(const QString& velocita, const QString& parita,
                             const QString& bit_dati, const QString& bit_stop);
