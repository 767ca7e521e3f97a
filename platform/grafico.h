// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measurement graph over QCustomPlot: plots, axes and cursors addressed by index
// (from 1) or by name, annotations, interaction modes and a settings file of our own.
//
// Data are appended as they come, but the screen is redrawn at a bounded rate: every
// change asks for a redraw, and redraws are at least Intervallo_ridisegno_ms apart.

#include "platform/grafico_progetto.h"
#include "platform/sfoltimento.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

class QCustomPlot;
class QCPAxis;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCPItemTracer;
class QMouseEvent;

class Grafico_misura : public QWidget {
    Q_OBJECT
public:
    static constexpr int Intervallo_ridisegno_ms = 33; // at most about 30 redraws/s

    explicit Grafico_misura(const Progetto_grafico& progetto, QWidget* parent = nullptr);
    ~Grafico_misura() override;

    QString Didascalia() const;
    void Imposta_didascalia(const QString& testo);

    // Plots. A new point lies at the plot's last X plus `passo_x`; the first point of
    // an empty plot lies at X = 0.
    int Numero_plot() const { return static_cast<int>(grafici_.size()); }
    void Accoda(int plot, double valore, double passo_x);
    void Accoda(int plot, const double* valori, int quanti, double passo_x);
    // A block at once: point i lies |passi_ms[i]| / 1000 after the one before it.
    void Accoda_passi(int plot, std::span<const double> valori, std::span<const float> passi_ms);
    // One value to each of plots 1..quanti, all at X = x.
    void Accoda_multiplo(const double* valori, int quanti, double x);
    // Plot `plot` keeps, of every `larghezza` of X, only the first, lowest, highest and
    // last point (Sfoltimento), and of a level stretch only its two ends: an hour of
    // samples then takes little memory and draws the same line. The newest point is always
    // kept as it comes. 0: every point is kept.
    void Imposta_sfoltimento(int plot, double larghezza);
    int Punti(int plot) const; // points kept
    double Ultima_x(int plot) const;
    // Value of the point of `plot` nearest to `x`; false when the plot is empty.
    bool Valore_vicino(int plot, double x, double& valore) const;
    void Cancella_dati(); // all plots; the X axis returns to its set range and follows again
    // The points of `plot` at these X drawn hollow: the marker's ring in the plot's colour,
    // the ground inside (a point that counts less than the others). Replaces the ones
    // given before; Cancella_dati forgets them.
    void Imposta_punti_vuoti(int plot, const std::vector<double>& x);
    std::vector<double> Punti_vuoti(int plot) const;

    // Axes, 1-based in the graph's axis order; 0 = no such name.
    int Numero_assi() const { return static_cast<int>(assi_.size()); }
    int Indice_asse(const QString& nome) const;
    QString Nome_asse(int asse) const;
    QString Didascalia_asse(int asse) const;
    double Minimo(int asse) const;
    double Massimo(int asse) const;
    void Imposta_minimo(int asse, double valore);
    void Imposta_massimo(int asse, double valore);
    void Imposta_intervallo(int asse, double minimo, double massimo);
    // Moves the visible X range as the operator would: the axis stops following.
    void Mostra_intervallo_x(double minimo, double massimo);
    bool Segue_ultimo() const { return segui_; }

    // Cursors (vertical lines), 1-based; 0 = no such name.
    int Numero_cursori() const { return static_cast<int>(cursori_.size()); }
    int Indice_cursore(const QString& nome) const;
    double Cursore_x(int cursore) const;
    double Cursore_y(int cursore) const;
    void Imposta_cursore_x(int cursore, double x); // Y becomes the plot value there
    void Imposta_cursore_y(int cursore, double y);

    // Annotations, 1-based.
    void Imposta_annotazione(int indice, const QString& testo);
    QString Annotazione(int indice) const;

    int Modo() const { return modo_; }
    void Imposta_modo(int codice); // unknown codes change nothing

    // Settings: captions, names, axis ranges, interaction mode. Loading checks the whole
    // file first: a missing, damaged or foreign file changes nothing and gives false.
    // Saving replaces the file whole or not at all; a failure raises Errore_piattaforma
    // with its reason in Italian.
    void Salva_impostazioni(const QString& file) const;
    bool Carica_impostazioni(const QString& file);

    void Ridisegna(); // bounded-rate redraw
    int Ridisegni() const { return ridisegni_; }
    QCustomPlot* Piano() const { return piano_; }

Q_SIGNALS:
    void Cliccato(); // double click on the graph
    // The operator moves cursor `cursore` (1-based); `trascinamento` while dragging.
    void Cursore_spostato(int cursore, double x, double y, bool trascinamento);
    void Ridisegnato();

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    struct Cursore {
        QString nome;
        double x = 0, y = 0;
        QCPItemStraightLine* linea = nullptr;
        QCPItemTracer* punto = nullptr;
    };
    struct Asse {
        QString nome;
        QCPAxis* asse = nullptr;
    };

    // A plot's thinning, and how many of its last points stand for the bucket still open
    // (they are replaced as the bucket grows).
    struct Sfoltito {
        Sfoltimento sfoltimento;
        int aperti = 0;
    };

    QCPAxis* asse_(int asse) const;
    QCPGraph* grafico_(int plot) const;
    Sfoltito* sfoltito_(int plot);
    void Accoda_punti_(int plot, const std::vector<Punto_xy>& punti);
    QCPAxis* asse_x_() const { return assi_.front().asse; }
    void Aggiorna_cursore_(Cursore& c);
    void Imposta_intervallo_interno_(QCPAxis* asse, double minimo, double massimo);
    void Applica_segui_();
    void Esegui_ridisegno_();
    void Pressione_(QMouseEvent* evento);
    void Movimento_(QMouseEvent* evento);
    void Rilascio_(QMouseEvent* evento);
    void Trascina_cursore_(double pixel_x, bool trascinamento);

    QCustomPlot* piano_;
    std::vector<Asse> assi_;
    std::vector<QCPGraph*> grafici_;
    std::vector<QCPGraph*> vuoti_; // per plot, drawn over it: its hollow points, or null
    std::vector<std::optional<Sfoltito>> sfoltiti_; // one per plot
    std::vector<Punto_xy> punti_, chiusi_;          // work arrays of one append
    std::vector<Cursore> cursori_;
    std::vector<QCPItemText*> annotazioni_;
    int plot_cursori_;
    double margine_segui_;
    double base_x_min_ = 0, base_x_max_ = 10; // X range set by the program or a file
    bool segui_ = true;
    bool interno_ = false; // the program itself is changing a range
    int modo_ = Modo_grafico::Cursori;
    int trascinato_ = 0; // cursor being dragged, 0 = none
    QTimer timer_;
    QElapsedTimer ultimo_ridisegno_;
    bool ridisegno_in_coda_ = false; // asked of QCustomPlot, not yet done
    int ridisegni_ = 0;
};
