// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/pagine_pdf.h"

#include "platform/grafico_qcp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPicture>
#include <algorithm>

namespace {
constexpr int Risoluzione = 300; // dots per inch
}

Pagine_pdf::Pagine_pdf(const QString& file, const QString& titolo_documento) {
    scrittore_ = std::make_unique<QPdfWriter>(file);
    scrittore_->setResolution(Risoluzione);
    scrittore_->setTitle(titolo_documento);
    scrittore_->setCreator(QStringLiteral("kinetrack"));
    scrittore_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    if (!pittore_.begin(scrittore_.get())) {
        errore_ = QCoreApplication::translate("Pagine_pdf", "impossibile scrivere il file \"%1\"")
                      .arg(file);
        return;
    }
    normale_ = QFont(QStringLiteral("DejaVu Sans"));
    normale_.setPointSizeF(9.5);
    const QRect area = scrittore_->pageLayout().paintRectPixels(Risoluzione);
    larghezza_ = area.width();
    altezza_ = area.height();
    pagine_ = 1;
}

Pagine_pdf::~Pagine_pdf() {
    if (pittore_.isActive()) pittore_.end();
}

double Pagine_pdf::Mm(double mm) const {
    return mm * Risoluzione / 25.4;
}

void Pagine_pdf::Piede() {
    QFont f = normale_;
    f.setPointSizeF(7.5);
    pittore_.setFont(f);
    pittore_.setPen(Qt::black);
    const QRectF riga(0, altezza_ - Mm(5), larghezza_, Mm(5));
    pittore_.drawText(riga, Qt::AlignLeft | Qt::AlignBottom, piede_);
    pittore_.drawText(riga, Qt::AlignRight | Qt::AlignBottom,
                      QCoreApplication::translate("Pagine_pdf", "pagina %1").arg(pagine_));
}

void Pagine_pdf::Nuova_pagina() {
    Piede();
    scrittore_->newPage();
    ++pagine_;
    y_ = 0;
}

void Pagine_pdf::Serve(double altezza) {
    if (y_ > 0 && y_ + altezza > altezza_ - Mm(8)) Nuova_pagina();
}

void Pagine_pdf::Spazio(double mm) {
    y_ += Mm(mm);
}

void Pagine_pdf::Titolo(const QString& testo) {
    if (!pittore_.isActive()) return;
    QFont f = normale_;
    f.setPointSizeF(15);
    f.setBold(true);
    pittore_.setFont(f);
    const QRectF r =
        pittore_.boundingRect(QRectF(0, 0, larghezza_, altezza_), Qt::TextWordWrap, testo);
    Serve(r.height() + Mm(3));
    pittore_.setPen(Qt::black);
    pittore_.drawText(QRectF(0, y_, larghezza_, r.height()), Qt::TextWordWrap, testo);
    y_ += r.height() + Mm(1);
    pittore_.setPen(QPen(Qt::black, Mm(0.4)));
    pittore_.drawLine(QPointF(0, y_), QPointF(larghezza_, y_));
    y_ += Mm(2);
}

void Pagine_pdf::Sottotitolo(const QString& testo) {
    if (!pittore_.isActive()) return;
    QFont f = normale_;
    f.setPointSizeF(12);
    f.setBold(true);
    pittore_.setFont(f);
    const double alto = pittore_.fontMetrics().height();
    // A heading never ends a page alone.
    Serve(alto + Mm(25));
    y_ += Mm(2);
    pittore_.setPen(Qt::black);
    pittore_.drawText(QRectF(0, y_, larghezza_, alto), Qt::AlignLeft, testo);
    y_ += alto + Mm(0.5);
    pittore_.setPen(QPen(Qt::black, Mm(0.15)));
    pittore_.drawLine(QPointF(0, y_), QPointF(larghezza_, y_));
    y_ += Mm(1.5);
}

void Pagine_pdf::Testo(const QString& testo, bool grassetto) {
    if (!pittore_.isActive()) return;
    QFont f = normale_;
    f.setBold(grassetto);
    pittore_.setFont(f);
    const QRectF r =
        pittore_.boundingRect(QRectF(0, 0, larghezza_, altezza_), Qt::TextWordWrap, testo);
    Serve(r.height());
    pittore_.setPen(Qt::black);
    pittore_.drawText(QRectF(0, y_, larghezza_, r.height()), Qt::TextWordWrap, testo);
    y_ += r.height() + Mm(0.8);
}

void Pagine_pdf::Tabella(const QStringList& intestazione, const std::vector<QStringList>& righe,
                         const std::vector<bool>& destra, const std::vector<bool>& evidenziate) {
    if (!pittore_.isActive() || intestazione.isEmpty()) return;
    QFont f = normale_;
    f.setPointSizeF(8.5);
    QFont grassetto = f;
    grassetto.setBold(true);
    QFont segnata = grassetto;
    segnata.setItalic(true);
    // Each column as wide as its widest text, in bold to be safe.
    const QFontMetricsF misure(grassetto, scrittore_.get());
    const qsizetype colonne = intestazione.size();
    std::vector<double> larghe(static_cast<std::size_t>(colonne), 0);
    auto misura = [&](const QStringList& riga) {
        for (qsizetype c = 0; c < std::min(colonne, riga.size()); ++c)
            larghe[static_cast<std::size_t>(c)] = std::max(
                larghe[static_cast<std::size_t>(c)], misure.horizontalAdvance(riga[c]) + Mm(3));
    };
    misura(intestazione);
    for (const QStringList& r : righe) misura(r);
    double totale = 0;
    for (double l : larghe) totale += l;
    if (totale > larghezza_) // the last column (notes) gives way
        larghe.back() = std::max(Mm(15), larghe.back() - (totale - larghezza_));
    const double alto = misure.height() + Mm(1.2);

    auto scrivi = [&](const QStringList& riga, const QFont& carattere) {
        pittore_.setFont(carattere);
        double x = 0;
        for (qsizetype c = 0; c < colonne; ++c) {
            const auto u = static_cast<std::size_t>(c);
            const QRectF cella(x + Mm(1.5), y_, larghe[u] - Mm(3), alto);
            const bool a_destra = u < destra.size() && destra[u];
            const QString testo = c < riga.size() ? riga[c] : QString();
            pittore_.drawText(cella, (a_destra ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                              QFontMetricsF(carattere, scrittore_.get())
                                  .elidedText(testo, Qt::ElideRight, cella.width()));
            x += larghe[u];
        }
        y_ += alto;
    };
    auto testata = [&] {
        Serve(2 * alto);
        pittore_.setPen(Qt::black);
        scrivi(intestazione, grassetto);
        pittore_.setPen(QPen(Qt::black, Mm(0.2)));
        pittore_.drawLine(QPointF(0, y_), QPointF(std::min(totale, larghezza_), y_));
    };
    testata();
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (y_ + alto > altezza_ - Mm(8)) {
            Nuova_pagina();
            testata();
        }
        pittore_.setPen(Qt::black);
        scrivi(righe[i], i < evidenziate.size() && evidenziate[i] ? segnata : f);
    }
    y_ += Mm(1.5);
}

void Pagine_pdf::Grafico(QCustomPlot& piano, int larghezza_px, int altezza_px,
                         double larghezza_mm) {
    if (!pittore_.isActive()) return;
    const double scala = std::min(Mm(larghezza_mm), larghezza_) / larghezza_px;
    const double alto = altezza_px * scala;
    Serve(alto + Mm(2));
    // Drawn as lines and text, not as a picture of pixels: sharp at any print size.
    QPicture disegno;
    {
        QCPPainter p(&disegno);
        piano.toPainter(&p, larghezza_px, altezza_px);
    }
    pittore_.save();
    pittore_.translate(0, y_);
    // The picture plays back scaled from its own resolution to the page's: undone here.
    pittore_.scale(scala * disegno.logicalDpiX() / Risoluzione,
                   scala * disegno.logicalDpiY() / Risoluzione);
    pittore_.drawPicture(0, 0, disegno);
    pittore_.restore();
    y_ += alto + Mm(2);
}

bool Pagine_pdf::Chiudi() {
    if (!pittore_.isActive()) return false;
    Piede();
    return pittore_.end();
}
