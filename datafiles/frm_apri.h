// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Apri...": the open dialog (in the athlete's folder, listing the sample files), the
// progress window while the rows go through the engine, the operator's messages with the
// program's title. A cancelled dialog ends silently.

#include <QString>
#include <memory>

class Avvisi;
class Motore_misura;
class QFileDialog;
class QWidget;
struct Sessione;

void Apri_misura(QWidget* padre, Sessione& sessione, Motore_misura& motore, Avvisi& avvisi);
// The same for a chosen file, without the dialog. A summary or analysis file is told as
// such, and the sample file saved beside it is opened instead, when there is one.
void Apri_misura(QWidget* padre, const QString& nome, Sessione& sessione, Motore_misura& motore,
                 Avvisi& avvisi);

// The open dialog, in `cartella`: ".csv" files whose names may be sample files (summaries
// and analyses saved at a stop are left out; the contents are checked when read).
std::unique_ptr<QFileDialog> Dialogo_apri(QWidget* padre, const QString& cartella);
