// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Carico per oggi", in the profile window: a target velocity range, typed or chosen among
// the named ranges of the data folder's settings, gives the load range on the athlete's
// current profile (to the nearest 2.5 kg) and its per cent of the e1RM.

#include "log/indice_sedute.h"
#include "log/prontezza.h"

#include <QGroupBox>
#include <QList>
#include <QLocale>
#include <vector>

class Casella_decimale;
class QComboBox;
class QLabel;

class Riquadro_carico_oggi : public QGroupBox {
    Q_OBJECT
public:
    explicit Riquadro_carico_oggi(const QLocale& locale, QWidget* parent = nullptr);

    // The athlete's folder (inside a data folder: "<dati>/<squadra>/<atleta>"), the
    // exercise and the athlete's V1rm for it (the profile's above the box); the athlete's
    // tests are read again.
    void Imposta(const QString& cartella_atleta, const QString& esercizio, const V1rm_atleta& v1rm);
    const Carico_oggi& Risultato() const { return carico_; }

    QComboBox* cbo_zona;
    Casella_decimale* Txt_vmin;
    Casella_decimale* Txt_vmax;
    QLabel* Lbl_carico_oggi;

private:
    void Zona_scelta();
    void Velocita_cambiata();
    void Calcola();

    QLocale locale_;
    QString cartella_, esercizio_, errore_;
    QList<Zona_velocita> zone_;
    std::vector<Riga_test> test_;
    Carico_oggi carico_;
    V1rm_atleta v1rm_;
};
