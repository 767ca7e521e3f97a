#include "platform/moduli.h"

#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

void Riga_modulo(QGridLayout* griglia, int riga, const QString& etichetta, QWidget* campo) {
    auto* testo = new QLabel(etichetta, griglia->parentWidget());
    testo->setBuddy(campo);
    griglia->addWidget(testo, riga, 0);
    griglia->addWidget(campo, riga, 1);
}

QRect Posto_nello_schermo(QSize voluta, const QRect& area) {
    const QSize massima(area.width() * 9 / 10, area.height() * 9 / 10);
    QRect posto(QPoint(), voluta.boundedTo(massima));
    posto.moveCenter(area.center());
    return posto;
}

void Adatta_allo_schermo(QWidget& finestra, QSize voluta) {
    const QScreen* schermo = QGuiApplication::screenAt(QCursor::pos());
    if (schermo == nullptr) schermo = QGuiApplication::primaryScreen();
    if (schermo == nullptr) {
        finestra.resize(voluta);
        return;
    }
    const QRect posto = Posto_nello_schermo(voluta, schermo->availableGeometry());
    finestra.resize(posto.size());
    finestra.move(posto.topLeft());
}
