#pragma once
// The training log printed to a PDF file.

#include "storico/diario.h"

#include <QString>
#include <QTextStream>
#include <vector>

// Writes `righe` to `file`; the tool's exit code, with its message on `errori`.
int Scrivi_pdf_storico(const QString& file, const std::vector<Riga_diario>& righe,
                       QTextStream& errori);
