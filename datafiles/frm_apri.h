#pragma once
// "Apri...": the open dialog (in the athlete's folder, "*.csv"), the progress window
// while the rows go through the engine, the operator's messages with the program's
// title. A cancelled dialog ends silently.

#include <QString>

class Avvisi;
class Motore_misura;
class QWidget;
struct Sessione;

void Apri_misura(QWidget* padre, Sessione& sessione, Motore_misura& motore, Avvisi& avvisi);
// The same for a chosen file, without the dialog.
void Apri_misura(QWidget* padre, const QString& nome, Sessione& sessione, Motore_misura& motore,
                 Avvisi& avvisi);
