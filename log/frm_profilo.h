// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Profilo carico-velocità": the athlete's saved tests of one exercise as
// points of load and best mean lifting velocity, the least-squares line through them, the
// velocity at 1RM and the load where the line reaches it, the estimated maximum. The
// velocity at 1RM can be changed; it is kept with the athlete's analysis choices. The
// caption names the athlete and the exercise; the athlete is chosen among the folders of
// his team's folder.

#include "log/profilo_velocita.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>

class Avvisi;
class Casella_decimale;
class Grafico_xy;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class Riquadro_carico_oggi;

class Frm_profilo : public QWidget {
    Q_OBJECT
public:
    // Graph series, as Grafico_profilo numbers them.
    enum Serie { Serie_test = 1, Serie_retta, Serie_v1rm, Serie_stima };

    // Reads the folder and shows the profile of `esercizio`, or of the first exercise
    // found when the folder has no test of it.
    Frm_profilo(const QString& cartella_atleta, const QString& esercizio, Avvisi& avvisi,
                QWidget* parent = nullptr);

    // Another athlete or exercise: the folder is read again.
    void Imposta_atleta(const QString& cartella_atleta, const QString& esercizio);
    // "&Aggiorna": reads the folder again, for tests saved meanwhile.
    void Aggiorna();

    const Profilo_velocita& Profilo() const { return profilo_; }
    QString Cartella() const { return cartella_; }

    QComboBox* cbo_atleta;
    QComboBox* cbo_esercizio;
    Casella_decimale* Txt_v1rm;
    Grafico_xy* Grafico_profilo;
    QTreeWidget* Lst_punti;
    QLabel* Lbl_risultato;
    Riquadro_carico_oggi* Carico_oggi;
    QPushButton* Cmd_aggiorna;
    QPushButton* Cmd_chiudi;

private:
    void Elenca_atleti();
    void Elenca_esercizi(const QString& scelto);
    void Esercizio_scelto();
    void V1rm_cambiata(double v1rm);
    void Mostra_profilo();
    void Disegna();
    QString Testo_risultato() const;

    Avvisi& avvisi_;
    QLocale locale_;
    QString cartella_;
    Test_atleta test_;
    Profilo_velocita profilo_;
    bool salvataggio_fallito_ = false; // told once until a save goes through again
};

// Shows the profile window: the open one (switched to this athlete and exercise) brought
// to the front, or a new one kept in `finestra`.
Frm_profilo* Mostra_frm_profilo(QPointer<Frm_profilo>& finestra, const QString& cartella_atleta,
                                const QString& esercizio, Avvisi& avvisi, QWidget* parent);
