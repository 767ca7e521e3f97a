// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph window: velocity slider, time graph, repetition graph, large numeric
// display with the name of the velocity it shows and the set's velocity loss under it and,
// in the lower 30 %, the value list. It shows what the measurement engine reports
// (Vista_misura) and keeps its layout in proportion to its own size. A repetition left out
// of the set's judgement keeps its row, greyed, and its points on the repetition graph,
// hollow.

#include "analysis/elenco_valori.h"
#include "stream/vista_misura.h"

#include <QColor>
#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

struct Sessione;
class Lista_valori;
class Grafico_misura;
class Slider_misura;
class Numerico_misura;
class Frm_edit_grafici;
class QLabel;

class Frm_grafici : public QWidget, public Vista_misura {
    Q_OBJECT
public:
    enum class Vista { Ripetizioni, Tempo, Combinata };
    // The system beep.
    using Segnale_acustico = std::function<void()>;

    // Lays itself out and loads the saved graph settings from the application folder.
    Frm_grafici(Sessione& sessione, const QLocale& locale, QWidget* parent = nullptr);
    ~Frm_grafici() override;

    // The value list's data (the engine's); rows are read from it as they are appended.
    void Imposta_lista(const Lista_valori* lista);
    // The engine's analysis of each row: the loss shown follows its changes.
    void Imposta_analisi(const std::vector<Analisi_ripetizione>* analisi) { analisi_ = analisi; }

    Grafico_misura& Grafico(int indice) const;
    Slider_misura& Slide() const { return *slide_; }
    Numerico_misura& Num_vel() const { return *num_vel_; }
    // The last repetition's velocity loss, under the numeric display ("Perdita 12,5 %").
    QLabel& Lbl_perdita() const { return *lbl_perdita_; }
    // The name of the velocity the display shows, under it and over the slider.
    QLabel& Lbl_velocita() const { return *lbl_velocita_; }
    // Names the velocity of the set shown, or, with none, the one the next set is judged by.
    void Aggiorna_nome_velocita();
    Elenco_valori& Valori() const { return *valori_; }
    Sessione& Sessione_corrente() const { return s_; }
    const QLocale& Locale() const { return locale_; }

    void riposiziona();
    void ripristina_grafico();
    // The settings file of graph `indice` in the application folder.
    QString File_impostazioni(int indice) const;

    // Views and the time-graph switch (Button_Tempo).
    void Mostra_vista(Vista vista);
    Vista Vista_corrente() const { return vista_; }
    void Imposta_tempo_acceso(bool acceso);
    bool Tempo_acceso() const { return tempo_acceso_; }

    // The graphs' cursors follow the operator's row: the repetition graph's on it, the time
    // graph's around its repetition, kept in view.
    void Segui_selezione();
    // Readouts of the time graph's cursors after the operator moved one.
    void Cursore_tempo_spostato(double x, double y);
    // The repetition graph's cursor selects the nearest row.
    void Cursore_ripetizioni_spostato(double x);

    // Replaces the beep of a repetition past the loss threshold (tests count them).
    void Imposta_segnale_acustico(Segnale_acustico beep) { beep_ = std::move(beep); }

    // The property editor, created on the first double click on a graph.
    Frm_edit_grafici* Editor() const;
    void Apri_editor(int grafico);

    // The engine's events. Samples are drawn only while the time graph is visible.
    bool Vuole_campioni() const override;
    void Campioni_aggiunti(const Blocco_campioni& blocco) override;
    void Tempo_ripartito() override;
    void Confine_ripetizione(double inizio_nuova, double inizio_precedente) override;
    void Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                            Colore colore) override;
    // The loss under the display; past the threshold the display turns from the band's
    // colour to the alarm colour and the program beeps.
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) override;
    void Misura_azzerata() override;
    // The row greyed or not, its points hollow or not; the loss shown worked out again.
    void Esclusione_cambiata(int riga, bool esclusa) override;

Q_SIGNALS:
    // A completed repetition is on screen (row, slider and display).
    void Ripetizione_mostrata(int riga);
    // The operator asked to leave repetition `numero` (from 1) out of the set's judgement,
    // or to take it back.
    void Esclusione_richiesta(int numero, bool esclusa);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    // What the events do to the windows.
    void Mostra_riga(int riga);
    void Mostra_velocita(float vmedia_conc, Colore colore);
    // The loss under the display; past the threshold the alarm colour (and the beep when
    // `suona`), otherwise the band's.
    void Mostra_perdita(const Analisi_ripetizione& analisi, bool suona);
    // "Perdita 12,5 %" from the formatted number.
    static QString Testo_perdita_mostrato(const QString& perdita);
    // The last repetition in words under the slider (band, loss, alarm), and for assistive
    // technology on the slider and the display: their name the velocity's, their
    // description "<name>: 0,50 m/s, in fascia, Perdita 5,0 %". With `annuncia` a screen
    // reader is told.
    void Aggiorna_lettura(bool annuncia);
    // The display and the loss under it take the time graph's place.
    void Disponi_numerico();

    Sessione& s_;
    QLocale locale_;
    const Lista_valori* lista_ = nullptr;
    const std::vector<Analisi_ripetizione>* analisi_ = nullptr;
    QColor colore_fascia_; // of the last repetition shown
    float velocita_ = 0;   // mm/s, the last repetition's
    QString testo_fascia_; // its band in words; empty: no repetition shown
    bool allarme_ = false; // it passed the loss threshold
    Slider_misura* slide_;
    std::array<Grafico_misura*, 2> grafici_{};
    Numerico_misura* num_vel_;
    QLabel* lbl_perdita_;
    QLabel* lbl_velocita_;
    Segnale_acustico beep_;
    Elenco_valori* valori_;
    QPointer<Frm_edit_grafici> editor_;
    Vista vista_ = Vista::Combinata;
    bool tempo_acceso_ = true;
};
