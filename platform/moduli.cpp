#include "platform/moduli.h"

#include <QGridLayout>
#include <QLabel>

void Riga_modulo(QGridLayout* griglia, int riga, const QString& etichetta, QWidget* campo) {
    auto* testo = new QLabel(etichetta, griglia->parentWidget());
    testo->setBuddy(campo);
    griglia->addWidget(testo, riga, 0);
    griglia->addWidget(campo, riga, 1);
}
