// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's failures in the operator's language: the program speaks Italian whatever
// the system's locale, so the common reasons a file or a device fails are told in
// Italian here; a rare one keeps the system's own text.

#include <QString>

class QFileDevice;

// The reason behind an errno value.
QString Testo_errore_sistema(int numero);

// The errno behind a text that Qt made from it (QFileDevice::errorString(),
// QSerialPort::errorString(): Qt's own English words for a few, strerror() for the rest),
// 0 when the text is not one of those.
int Numero_errore_da_testo(const QString& testo);

// The reason a file operation failed, in Italian: from the text Qt kept when it can be
// traced back to its errno, otherwise from the kind of failure.
QString Testo_errore_file(const QFileDevice& file);
