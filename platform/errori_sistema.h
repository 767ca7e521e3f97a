#pragma once
// The system's failures in the operator's language: the program speaks Italian whatever
// the system's locale, so the common reasons a file or a device fails are told in
// Italian here; a rare one keeps the system's own text.

#include <QString>

// The reason behind an errno value.
QString Testo_errore_sistema(int numero);
