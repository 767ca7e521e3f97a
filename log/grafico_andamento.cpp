// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/grafico_andamento.h"

#include "log/testi_storico.h"
#include "platform/grafico_qcp.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

namespace {
constexpr double Raggio_px = 8; // a point answers the mouse this close
const QColor Colore_e1rm(0, 0, 0);

// Light blue for the lightest load to dark blue for the heaviest: told apart printed in
// grey too.
QColor Colore_carico(std::size_t indice, std::size_t quanti) {
    const double t =
        quanti < 2 ? 1.0 : static_cast<double>(indice) / static_cast<double>(quanti - 1);
    return QColor::fromRgbF(static_cast<float>(0.55 - 0.5 * t), static_cast<float>(0.75 - 0.6 * t),
                            static_cast<float>(1.0 - 0.35 * t));
}
// The date axis: one tick per date shown, at midday, never two of one date (a step of
// hours would label one date twice). The step, a whole number of days, grows with the
// span of the dates so that the labels do not crowd.
class Ticker_giorni : public QCPAxisTickerDateTime {
protected:
    int getSubTickCount(double) override { return 0; }
    QVector<double> createTickVector(double, const QCPRange& range) override {
        constexpr qint64 Giorno = 86400;
        const qint64 giorni = std::max<qint64>(1, qint64(range.size()) / Giorno);
        const qint64 massimo = std::max(2, tickCount());
        qint64 passo = 1;
        for (const qint64 p : {1, 2, 3, 7, 14, 28, 56, 91, 182, 364}) {
            passo = p;
            if (giorni / p < massimo) break;
        }
        if (giorni / passo >= massimo) passo = (giorni / massimo + 1);
        QVector<double> tacche;
        for (QDate d = QDateTime::fromSecsSinceEpoch(qint64(std::floor(range.lower))).date();
             d.isValid(); d = d.addDays(passo)) {
            const double x = double(QDateTime(d, QTime(12, 0)).toSecsSinceEpoch());
            if (x > range.upper) break;
            if (x >= range.lower) tacche << x;
        }
        return tacche;
    }
};

} // namespace

Grafico_andamento::Grafico_andamento(const QLocale& locale, QWidget* parent)
    : QWidget(parent), piano_(new QCustomPlot(this)), locale_(locale) {
    setObjectName(QStringLiteral("Grafico_andamento"));
    setAccessibleName(tr("Andamento dell'esercizio"));
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(piano_);
    piano_->plotLayout()->insertRow(0);
    piano_->plotLayout()->addElement(
        0, 0, new QCPTextElement(piano_, tr("Andamento"), Carattere(11, true)));
    auto date = QSharedPointer<Ticker_giorni>::create();
    date->setDateTimeFormat(QStringLiteral("dd/MM"));
    piano_->xAxis->setTicker(date);
    piano_->xAxis->setLabel(tr("Data"));
    // The velocity is named in the title: a low graph has no room for its name on the axis.
    piano_->yAxis->setLabel(QStringLiteral("m/s"));
    piano_->yAxis2->setLabel(tr("e1RM (kg)"));
    piano_->yAxis2->setVisible(true);
    for (QCPAxis* a : {piano_->xAxis, piano_->yAxis, piano_->yAxis2}) {
        a->setLabelFont(Carattere(9, false));
        a->setTickLabelFont(Carattere(8, false));
    }
    // The legend below the graph, in rows: one entry per load can be many.
    piano_->legend->setVisible(true);
    piano_->legend->setFont(Carattere(8, false));
    piano_->legend->setBorderPen(Qt::NoPen);
    piano_->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    piano_->legend->setWrap(8);
    piano_->legend->setRowSpacing(0);
    piano_->axisRect()->insetLayout()->take(piano_->legend);
    piano_->axisRect()->insetLayout()->simplify();
    piano_->plotLayout()->addElement(2, 0, piano_->legend);
    piano_->plotLayout()->setRowStretchFactor(2, 0.001);
    piano_->setMouseTracking(true);
    piano_->installEventFilter(this);
}

void Grafico_andamento::Mostra(const Andamento& andamento) {
    piano_->clearGraphs();
    carichi_.clear();
    punti_.clear();
    e1rm_ = nullptr;
    auto* titolo = qobject_cast<QCPTextElement*>(piano_->plotLayout()->element(0, 0));
    if (titolo != nullptr)
        titolo->setText(andamento.esercizio.isEmpty()
                            ? tr("Andamento: scegliere un esercizio")
                            : tr("Andamento: %1, %2")
                                  .arg(andamento.esercizio,
                                       Nome_grandezza_velocita(Grandezza_velocita::Propulsiva)));
    std::map<double, std::vector<const Punto_andamento*>> per_carico;
    for (const Punto_andamento& p : andamento.punti) per_carico[p.carico].push_back(&p);
    std::size_t i = 0;
    double y_max = 0, x_min = 0, x_max = 0;
    bool primo = true;
    auto allarga = [&](double x) {
        x_min = primo ? x : std::min(x_min, x);
        x_max = primo ? x : std::max(x_max, x);
        primo = false;
    };
    for (const auto& [carico, punti] : per_carico) {
        QCPGraph* g = piano_->addGraph();
        const QColor colore = Colore_carico(i++, per_carico.size());
        g->setName(Testo_kg(carico, locale_));
        g->setLineStyle(QCPGraph::lsNone);
        g->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black, 0.5), colore, 8));
        for (const Punto_andamento* p : punti) {
            const double x = static_cast<double>(p->quando.toSecsSinceEpoch());
            g->addData(x, p->velocita);
            punti_.push_back(
                {{x, p->velocita},
                 QStringLiteral("%1 %2\n%3, %4: %5")
                     .arg(locale_.toString(p->quando.date(), QLocale::ShortFormat),
                          p->quando.toString(QStringLiteral("HH:mm")), andamento.esercizio,
                          Testo_kg(p->carico, locale_), Testo_ms(p->velocita, locale_))});
            y_max = std::max(y_max, p->velocita);
            allarga(x);
        }
        carichi_.push_back(g);
    }
    e1rm_ = piano_->addGraph(piano_->xAxis, piano_->yAxis2);
    e1rm_->setName(tr("e1RM del giorno"));
    e1rm_->setPen(QPen(Colore_e1rm, 2));
    e1rm_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, Colore_e1rm, Colore_e1rm, 7));
    double e_max = 0;
    for (const E1rm_giorno& e : andamento.e1rm) {
        // At midday, among the day's tests.
        const double x = static_cast<double>(QDateTime(e.giorno, QTime(12, 0)).toSecsSinceEpoch());
        e1rm_->addData(x, e.e1rm);
        QStringList testo{tr("%1\ne1RM %2 (da %3 carichi)")
                              .arg(locale_.toString(e.giorno, QLocale::ShortFormat),
                                   Testo_e1rm(e.e1rm, e.errore, locale_),
                                   QString::number(e.carichi))};
        testo << e.Avvisi(locale_);
        punti_.push_back({{x, e.e1rm}, testo.join(QLatin1Char('\n'))});
        e_max = std::max(e_max, e.e1rm);
        allarga(x);
    }
    const double giorno = 86400;
    if (primo) {
        const double adesso = static_cast<double>(QDateTime::currentSecsSinceEpoch());
        x_min = adesso - 28 * giorno;
        x_max = adesso;
    }
    // Whole days, so that each date's tick (at midday) sits in the middle of its tests.
    const auto Inizio_giorno = [](double x) {
        return static_cast<double>(QDateTime::fromSecsSinceEpoch(static_cast<qint64>(x))
                                       .date()
                                       .startOfDay()
                                       .toSecsSinceEpoch());
    };
    piano_->xAxis->setRange(Inizio_giorno(x_min), Inizio_giorno(x_max) + giorno);
    piano_->yAxis->setRange(0, y_max > 0 ? 1.15 * y_max : 1.5);
    piano_->yAxis2->setRange(0, e_max > 0 ? 1.15 * e_max : 100);
    piano_->replot();
}

std::vector<QPointF> Grafico_andamento::Punti_velocita() const {
    std::vector<QPointF> punti;
    for (const QCPGraph* g : carichi_)
        for (auto it = g->data()->constBegin(); it != g->data()->constEnd(); ++it)
            punti.emplace_back(it->key, it->value);
    std::sort(punti.begin(), punti.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return punti;
}

std::vector<QPointF> Grafico_andamento::Punti_e1rm() const {
    std::vector<QPointF> punti;
    if (e1rm_ != nullptr)
        for (auto it = e1rm_->data()->constBegin(); it != e1rm_->data()->constEnd(); ++it)
            punti.emplace_back(it->key, it->value);
    return punti;
}

QPoint Grafico_andamento::Pixel_di(const QPointF& punto) const {
    return QPoint(static_cast<int>(piano_->xAxis->coordToPixel(punto.x())),
                  static_cast<int>(piano_->yAxis->coordToPixel(punto.y())));
}

QString Grafico_andamento::Testo_punto(const QPoint& pixel) const {
    QString testo;
    double migliore = Raggio_px * Raggio_px;
    const std::size_t velocita = punti_.size() - (e1rm_ != nullptr ? e1rm_->dataCount() : 0);
    for (std::size_t i = 0; i < punti_.size(); ++i) {
        QCPAxis* y = i < velocita ? piano_->yAxis : piano_->yAxis2;
        const double dx = piano_->xAxis->coordToPixel(punti_[i].xy.x()) - pixel.x();
        const double dy = y->coordToPixel(punti_[i].xy.y()) - pixel.y();
        if (dx * dx + dy * dy <= migliore) {
            migliore = dx * dx + dy * dy;
            testo = punti_[i].testo;
        }
    }
    return testo;
}

bool Grafico_andamento::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == piano_ && evento->type() == QEvent::ToolTip) {
        const auto* aiuto = static_cast<QHelpEvent*>(evento);
        const QString testo = Testo_punto(aiuto->pos());
        if (testo.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(aiuto->globalPos(), testo, piano_);
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}
