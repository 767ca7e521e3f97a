// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The athlete's view: a window of its own for the athlete at the rack, full screen on the
// second screen when there is one. It shows the last repetition's velocity in large digits,
// in the colour of the main window's display (the band's, the alarm's past the loss
// threshold), the repetition's number, the set's velocity loss, the athlete and load, the
// athlete's best velocity at this load in the training log, and the rest between sets. It
// listens to the engine's repetitions as the value list does, so it never lags behind it.
// Esc closes it. Its numbers read as the interface's language writes them.

#include "stream/vista_misura.h"

#include <QColor>
#include <QLocale>
#include <QWidget>
#include <optional>
#include <vector>

struct Sessione;
class QLabel;

// The rest since the set ended, "Recupero m:ss".
QString Testo_recupero(int secondi);

class Frm_atleta : public QWidget, public Vista_misura {
    Q_OBJECT
public:
    Frm_atleta(const Sessione& sessione, const QLocale& locale, QWidget* parent = nullptr);

    // The engine's analysis of each row: the loss shown follows the coach's exclusions.
    void Imposta_analisi(const std::vector<Analisi_ripetizione>* analisi) { analisi_ = analisi; }
    // Shown full screen on a screen other than `principale`'s when there is one; otherwise
    // a window the coach can move, over nearly the whole screen.
    void Apri(const QWidget* principale);
    // The rest since the set ended, "Recupero m:ss"; hidden when negative.
    void Mostra_recupero(int secondi);
    // The athlete, the load and the best velocity of the log at this load, read again.
    void Aggiorna_atleta();

    QLabel* Lbl_velocita = nullptr; // the digits, "0,72"
    QLabel* Lbl_nome_velocita = nullptr;
    QLabel* Lbl_ripetizione = nullptr;
    QLabel* Lbl_perdita = nullptr;
    QLabel* Lbl_atleta = nullptr;
    QLabel* Lbl_migliore = nullptr;
    QLabel* Lbl_recupero = nullptr;
    QColor Colore_velocita() const { return colore_; }

    void Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                            Colore colore) override;
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    void Esclusione_cambiata(int riga, bool esclusa) override;
    void Misura_azzerata() override;
    void Acquisizione_iniziata() override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Mostra_velocita(const QString& testo);
    void Colora(const QColor& colore);
    void Mostra_perdita(const Analisi_ripetizione& analisi);

    const Sessione& s_;
    QLocale locale_;
    const std::vector<Analisi_ripetizione>* analisi_ = nullptr;
    QColor colore_fascia_; // the band's colour of the last repetition
    QColor colore_;        // the colour shown: the band's, or the alarm's
};
