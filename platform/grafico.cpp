// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/grafico.h"

#include "platform/grafico_qcp.h"
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

Grafico_misura::Grafico_misura(const Progetto_grafico& progetto, QWidget* parent)
    : QWidget(parent), piano_(new QCustomPlot(this)), plot_cursori_(progetto.plot_cursori),
      margine_segui_(progetto.margine_segui) {
    auto* disposizione = new QVBoxLayout(this);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->addWidget(piano_);

    // Drawing speed: thin pens, no antialiasing, fast polylines.
    piano_->setNotAntialiasedElements(QCP::aeAll);
    piano_->setPlottingHint(QCP::phFastPolylines, true);
    piano_->setNoAntialiasingOnDrag(true);

    auto* titolo = new QCPTextElement(piano_, progetto.didascalia, Carattere(14, true));
    piano_->plotLayout()->insertRow(0);
    piano_->plotLayout()->addElement(0, 0, titolo);

    QCPAxisRect* rettangolo = piano_->axisRect();
    bool sinistra_usata = false, destra_usata = false;
    for (const Asse_progetto& a : progetto.assi) {
        QCPAxis* asse = nullptr;
        switch (a.lato) {
        case Lato_asse::Basso:
            asse = piano_->xAxis;
            break;
        case Lato_asse::Sinistra:
            asse = sinistra_usata ? rettangolo->addAxis(QCPAxis::atLeft) : piano_->yAxis;
            sinistra_usata = true;
            break;
        case Lato_asse::Destra:
            asse = destra_usata ? rettangolo->addAxis(QCPAxis::atRight) : piano_->yAxis2;
            destra_usata = true;
            break;
        }
        asse->setVisible(true);
        asse->setLabel(a.didascalia);
        asse->setLabelFont(Carattere(12, true));
        asse->setTickLabelFont(Carattere(12, false));
        asse->setRange(a.minimo, a.massimo);
        assi_.push_back({a.nome, asse});
    }
    base_x_min_ = piano_->xAxis->range().lower;
    base_x_max_ = piano_->xAxis->range().upper;

    for (const Plot_progetto& p : progetto.plot) {
        QCPGraph* g = piano_->addGraph(piano_->xAxis, asse_(p.asse_y));
        g->setName(p.nome);
        g->setPen(QPen(p.colore, 1));
        g->setAdaptiveSampling(true);
        if (p.punti) g->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, p.colore, 7));
        grafici_.push_back(g);
    }
    // Y axes take the colour of the first plot with data drawn against them.
    for (const Plot_progetto& p : progetto.plot) {
        if (QCPAxis* asse = asse_(p.asse_y);
            p.dati && asse && asse->property("colorato").isNull()) {
            asse->setLabelColor(p.colore.darker(120));
            asse->setProperty("colorato", true);
        }
    }

    static const QColor colori_cursori[] = {QColor(200, 90, 0), QColor(160, 0, 160),
                                            QColor(0, 130, 130)};
    for (std::size_t i = 0; i < progetto.cursori.size(); ++i) {
        Cursore c;
        c.nome = progetto.cursori[i];
        c.linea = new QCPItemStraightLine(piano_);
        c.linea->setPen(QPen(colori_cursori[i % 3], 1, Qt::DashLine));
        c.punto = new QCPItemTracer(piano_);
        c.punto->setStyle(QCPItemTracer::tsCircle);
        c.punto->setSize(9);
        c.punto->setPen(QPen(colori_cursori[i % 3], 1));
        QCPAxis* asse_y = grafici_.empty() ? piano_->yAxis : grafico_(plot_cursori_)->valueAxis();
        for (QCPItemPosition* pos : {c.linea->point1, c.linea->point2, c.punto->position})
            pos->setAxes(piano_->xAxis, asse_y);
        cursori_.push_back(c);
        Aggiorna_cursore_(cursori_.back());
    }
    for (int i = 0; i < progetto.annotazioni; ++i) {
        auto* testo = new QCPItemText(piano_);
        testo->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        testo->position->setType(QCPItemPosition::ptAxisRectRatio);
        testo->position->setCoords(0.01, 0.01 + 0.09 * i);
        testo->setFont(Carattere(13, true));
        testo->setText(QString());
        testo->setColor(QColor(40, 40, 40));
        testo->setBrush(QBrush(QColor(255, 255, 255, 210)));
        testo->setClipToAxisRect(true);
        annotazioni_.push_back(testo);
    }

    // An operator's drag or zoom of the X axis stops the following.
    connect(piano_->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this](const QCPRange&) {
                if (!interno_) segui_ = false;
            });
    connect(piano_, &QCustomPlot::mouseDoubleClick, this,
            [this](QMouseEvent*) { Q_EMIT Cliccato(); });
    connect(piano_, &QCustomPlot::mousePress, this, &Grafico_misura::Pressione_);
    connect(piano_, &QCustomPlot::mouseMove, this, &Grafico_misura::Movimento_);
    connect(piano_, &QCustomPlot::mouseRelease, this, &Grafico_misura::Rilascio_);
    connect(piano_, &QCustomPlot::afterReplot, this, [this] {
        ultimo_ridisegno_.restart();
        ridisegno_in_coda_ = false;
        ++ridisegni_;
        Q_EMIT Ridisegnato();
    });
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Grafico_misura::Esegui_ridisegno_);
    Imposta_modo(Modo_grafico::Cursori);
}

Grafico_misura::~Grafico_misura() = default;

QString Grafico_misura::Didascalia() const {
    auto* titolo = qobject_cast<QCPTextElement*>(piano_->plotLayout()->element(0, 0));
    return titolo ? titolo->text() : QString();
}

void Grafico_misura::Imposta_didascalia(const QString& testo) {
    if (auto* titolo = qobject_cast<QCPTextElement*>(piano_->plotLayout()->element(0, 0)))
        titolo->setText(testo);
    Ridisegna();
}

QCPAxis* Grafico_misura::asse_(int asse) const {
    if (asse < 1 || asse > Numero_assi()) return nullptr;
    return assi_[static_cast<std::size_t>(asse - 1)].asse;
}

QCPGraph* Grafico_misura::grafico_(int plot) const {
    if (plot < 1 || plot > Numero_plot()) return nullptr;
    return grafici_[static_cast<std::size_t>(plot - 1)];
}

void Grafico_misura::Accoda(int plot, double valore, double passo_x) {
    Accoda(plot, &valore, 1, passo_x);
}

void Grafico_misura::Accoda(int plot, const double* valori, int quanti, double passo_x) {
    QCPGraph* g = grafico_(plot);
    if (!g || quanti <= 0) return;
    auto dati = g->data();
    double x = dati->isEmpty() ? -passo_x : (dati->constEnd() - 1)->key;
    punti_.resize(static_cast<std::size_t>(quanti));
    for (std::size_t i = 0; i < punti_.size(); ++i) {
        x += passo_x;
        punti_[i] = {x, valori[i]};
    }
    Accoda_punti_(plot, punti_);
}

void Grafico_misura::Accoda_passi(int plot, std::span<const double> valori,
                                  std::span<const float> passi_ms) {
    QCPGraph* g = grafico_(plot);
    const std::size_t quanti = std::min(valori.size(), passi_ms.size());
    if (!g || quanti == 0) return;
    auto dati = g->data();
    double x = dati->isEmpty() ? 0.0 : (dati->constEnd() - 1)->key;
    punti_.resize(quanti);
    for (std::size_t i = 0; i < quanti; ++i) {
        const double passo = std::abs(static_cast<double>(passi_ms[i])) / 1000.0;
        x = dati->isEmpty() && i == 0 ? 0.0 : x + passo;
        punti_[i] = {x, valori[i]};
    }
    Accoda_punti_(plot, punti_);
}

void Grafico_misura::Imposta_sfoltimento(int plot, double larghezza) {
    if (!grafico_(plot)) return;
    sfoltiti_.resize(grafici_.size());
    auto& sf = sfoltiti_[static_cast<std::size_t>(plot - 1)];
    if (larghezza > 0)
        sf.emplace(Sfoltito{Sfoltimento(larghezza)});
    else
        sf.reset();
    // What the plot holds now stays as it is; the thinning starts with the next point.
}

Grafico_misura::Sfoltito* Grafico_misura::sfoltito_(int plot) {
    const auto indice = static_cast<std::size_t>(plot - 1);
    if (plot < 1 || indice >= sfoltiti_.size() || !sfoltiti_[indice]) return nullptr;
    return &*sfoltiti_[indice];
}

void Grafico_misura::Accoda_punti_(int plot, const std::vector<Punto_xy>& punti) {
    auto dati = grafico_(plot)->data();
    Sfoltito* sf = sfoltito_(plot);
    // One point at a time: each is appended even when its X equals the last one's (a
    // block added at once would be merged with the whole plot, or put before it).
    if (!sf) {
        for (const Punto_xy& p : punti) dati->add(QCPGraphData(p.x, p.y));
        Ridisegna();
        return;
    }
    chiusi_.clear();
    for (const Punto_xy& p : punti) sf->sfoltimento.Aggiungi(p, chiusi_);
    // The open bucket's points were provisional: they go, and come back as they are now.
    if (sf->aperti > 0) {
        const int tenuti = dati->size() - sf->aperti;
        // Moved past every other key, then cut off: keys equal to the last kept one stay.
        for (auto it = dati->end() - sf->aperti; it != dati->end(); ++it)
            it->key = std::numeric_limits<double>::max();
        dati->removeAfter(tenuti > 0 ? dati->at(tenuti - 1)->key
                                     : std::numeric_limits<double>::lowest());
    }
    for (const Punto_xy& p : chiusi_) {
        // A level stretch is drawn by its two ends alone: a point at the same value as
        // the two before it moves the second of them on instead of adding one.
        const int n = dati->size();
        if (n >= 2 && dati->at(n - 1)->value == p.y && dati->at(n - 2)->value == p.y)
            (dati->end() - 1)->key = p.x;
        else
            dati->add(QCPGraphData(p.x, p.y));
    }
    std::array<Punto_xy, 4> aperti;
    sf->aperti = sf->sfoltimento.Aperti(aperti);
    for (int i = 0; i < sf->aperti; ++i)
        dati->add(QCPGraphData(aperti[static_cast<std::size_t>(i)].x,
                               aperti[static_cast<std::size_t>(i)].y));
    Ridisegna();
}

void Grafico_misura::Accoda_multiplo(const double* valori, int quanti, double x) {
    for (int p = 1; p <= std::min(quanti, Numero_plot()); ++p)
        Accoda_punti_(p, {{x, valori[p - 1]}});
}

int Grafico_misura::Punti(int plot) const {
    QCPGraph* g = grafico_(plot);
    return g ? g->data()->size() : 0;
}

double Grafico_misura::Ultima_x(int plot) const {
    QCPGraph* g = grafico_(plot);
    return g && !g->data()->isEmpty() ? (g->data()->constEnd() - 1)->key : 0.0;
}

bool Grafico_misura::Valore_vicino(int plot, double x, double& valore) const {
    QCPGraph* g = grafico_(plot);
    if (!g || g->data()->isEmpty()) return false;
    auto dati = g->data();
    auto dopo = dati->findBegin(x, false); // first point with key >= x
    if (dopo == dati->constEnd())
        --dopo;
    else if (dopo != dati->constBegin() && std::abs((dopo - 1)->key - x) < std::abs(dopo->key - x))
        --dopo;
    valore = dopo->value;
    return true;
}

void Grafico_misura::Imposta_punti_vuoti(int plot, const std::vector<double>& x) {
    QCPGraph* g = grafico_(plot);
    if (!g) return;
    vuoti_.resize(grafici_.size(), nullptr);
    QCPGraph*& sopra = vuoti_[static_cast<std::size_t>(plot - 1)];
    if (!sopra) {
        // Added after every plot, so drawn over them: a ring filled with the ground hides
        // the disc under it, a little larger than the disc.
        sopra = piano_->addGraph(g->keyAxis(), g->valueAxis());
        sopra->setLineStyle(QCPGraph::lsNone);
        const QColor colore = g->pen().color();
        // The graphs keep QCustomPlot's white ground.
        sopra->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colore, 2), QBrush(Qt::white), 9));
        sopra->removeFromLegend();
        sopra->setSelectable(QCP::stNone);
    }
    sopra->data()->clear();
    for (const double xi : x) {
        auto punto = g->data()->findBegin(xi, false);
        if (punto != g->data()->constEnd() && punto->key == xi)
            sopra->data()->add(QCPGraphData(xi, punto->value));
    }
    Ridisegna();
}

std::vector<double> Grafico_misura::Punti_vuoti(int plot) const {
    std::vector<double> x;
    const auto indice = static_cast<std::size_t>(plot - 1);
    if (plot < 1 || indice >= vuoti_.size() || !vuoti_[indice]) return x;
    for (const QCPGraphData& p : *vuoti_[indice]->data()) x.push_back(p.key);
    return x;
}

void Grafico_misura::Cancella_dati() {
    for (QCPGraph* g : grafici_) {
        g->data()->clear();
        g->data()->squeeze(); // a long set's memory goes back
    }
    for (QCPGraph* g : vuoti_)
        if (g) g->data()->clear();
    for (auto& sf : sfoltiti_)
        if (sf) {
            sf->sfoltimento.Azzera();
            sf->aperti = 0;
        }
    segui_ = true;
    Imposta_intervallo_interno_(asse_x_(), base_x_min_, base_x_max_);
    Ridisegna();
}

int Grafico_misura::Indice_asse(const QString& nome) const {
    for (int i = 0; i < Numero_assi(); ++i)
        if (assi_[static_cast<std::size_t>(i)].nome == nome) return i + 1;
    return 0;
}

QString Grafico_misura::Nome_asse(int asse) const {
    return asse_(asse) ? assi_[static_cast<std::size_t>(asse - 1)].nome : QString();
}

QString Grafico_misura::Didascalia_asse(int asse) const {
    QCPAxis* a = asse_(asse);
    return a ? a->label() : QString();
}

double Grafico_misura::Minimo(int asse) const {
    QCPAxis* a = asse_(asse);
    return a ? a->range().lower : 0.0;
}

double Grafico_misura::Massimo(int asse) const {
    QCPAxis* a = asse_(asse);
    return a ? a->range().upper : 0.0;
}

void Grafico_misura::Imposta_minimo(int asse, double valore) {
    Imposta_intervallo(asse, valore, Massimo(asse));
}

void Grafico_misura::Imposta_massimo(int asse, double valore) {
    Imposta_intervallo(asse, Minimo(asse), valore);
}

void Grafico_misura::Imposta_intervallo(int asse, double minimo, double massimo) {
    QCPAxis* a = asse_(asse);
    if (!a || !std::isfinite(minimo) || !std::isfinite(massimo) || !(minimo < massimo)) return;
    Imposta_intervallo_interno_(a, minimo, massimo);
    if (a == asse_x_()) {
        base_x_min_ = minimo;
        base_x_max_ = massimo;
    }
}

void Grafico_misura::Mostra_intervallo_x(double minimo, double massimo) {
    if (!(minimo < massimo)) return;
    Imposta_intervallo_interno_(asse_x_(), minimo, massimo);
    segui_ = false;
}

void Grafico_misura::Imposta_intervallo_interno_(QCPAxis* asse, double minimo, double massimo) {
    interno_ = true;
    asse->setRange(minimo, massimo);
    interno_ = false;
    for (Cursore& c : cursori_) Aggiorna_cursore_(c);
    Ridisegna();
}

void Grafico_misura::Imposta_annotazione(int indice, const QString& testo) {
    if (indice < 1 || indice > static_cast<int>(annotazioni_.size())) return;
    annotazioni_[static_cast<std::size_t>(indice - 1)]->setText(testo);
    Ridisegna();
}

QString Grafico_misura::Annotazione(int indice) const {
    if (indice < 1 || indice > static_cast<int>(annotazioni_.size())) return {};
    return annotazioni_[static_cast<std::size_t>(indice - 1)]->text();
}

void Grafico_misura::Imposta_modo(int codice) {
    if (!Modo_grafico::Valido(codice)) return;
    modo_ = codice;
    QCPAxisRect* r = piano_->axisRect();
    QList<QCPAxis*> verticali;
    for (std::size_t i = 1; i < assi_.size(); ++i) verticali << assi_[i].asse;
    r->setRangeDragAxes({asse_x_()}, verticali);
    r->setRangeZoomAxes({asse_x_()}, verticali);
    const bool pan = codice == Modo_grafico::Pan, zoom = codice == Modo_grafico::Zoom;
    piano_->setInteraction(QCP::iRangeDrag, pan);
    piano_->setInteraction(QCP::iRangeZoom, pan || zoom);
    piano_->setSelectionRectMode(zoom ? QCP::srmZoom : QCP::srmNone);
    r->setRangeZoom(Qt::Horizontal | Qt::Vertical);
    r->setRangeDrag(Qt::Horizontal | Qt::Vertical);
    for (std::size_t i = 0; i < annotazioni_.size(); ++i) {
        // In "Measure Move" the readout stands beside the dragged cursor.
        QCPItemPosition* p = annotazioni_[i]->position;
        p->setType(QCPItemPosition::ptAxisRectRatio);
        p->setCoords(0.01, 0.01 + 0.09 * static_cast<double>(i));
    }
}

void Grafico_misura::Ridisegna() {
    // A redraw already armed or queued will show this change too.
    if (timer_.isActive() || ridisegno_in_coda_) return;
    const qint64 trascorsi =
        ultimo_ridisegno_.isValid() ? ultimo_ridisegno_.elapsed() : Intervallo_ridisegno_ms;
    timer_.start(static_cast<int>(std::max<qint64>(0, Intervallo_ridisegno_ms - trascorsi)));
}

void Grafico_misura::Applica_segui_() {
    if (!segui_) return;
    double ultima = -std::numeric_limits<double>::infinity();
    for (QCPGraph* g : grafici_)
        if (!g->data()->isEmpty()) ultima = std::max(ultima, (g->data()->constEnd() - 1)->key);
    const QCPRange r = asse_x_()->range();
    if (ultima + margine_segui_ > r.upper)
        Imposta_intervallo_interno_(asse_x_(), ultima + margine_segui_ - r.size(),
                                    ultima + margine_segui_);
}

void Grafico_misura::Esegui_ridisegno_() {
    if (!isVisible()) return; // shown again: showEvent asks for a redraw
    Applica_segui_();
    timer_.stop(); // Applica_segui_ may have armed it again
    ridisegno_in_coda_ = true;
    piano_->replot(QCustomPlot::rpQueuedReplot);
}

void Grafico_misura::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Ridisegna();
}

void Grafico_misura::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    Ridisegna();
}
