#pragma once
// Small form helpers shared by the dialogs.

#include <QString>

class QGridLayout;
class QWidget;

// Row `riga` of a two-column form: the caption (its "&" marks the access key that moves to
// the field) and the field.
void Riga_modulo(QGridLayout* griglia, int riga, const QString& etichetta, QWidget* campo);
