// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A4 pages written top to bottom: headings, lines of text, tables and graphs, a new page
// whenever the next piece does not fit. Black on white, so it reads the same printed in
// black and white.

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QCustomPlot;

class Pagine_pdf {
public:
    // Opens `file` for writing; Errore() tells why it could not be.
    Pagine_pdf(const QString& file, const QString& titolo_documento);
    ~Pagine_pdf();
    Pagine_pdf(const Pagine_pdf&) = delete;
    Pagine_pdf& operator=(const Pagine_pdf&) = delete;

    QString Errore() const { return errore_; }
    int Pagine() const { return pagine_; }
    // Printed at the foot of every page with its number.
    void Imposta_piede(const QString& testo) { piede_ = testo; }

    void Titolo(const QString& testo);
    void Sottotitolo(const QString& testo);
    void Testo(const QString& testo, bool grassetto = false); // wrapped to the page's width
    void Spazio(double mm);
    // A new page unless `mm` fit below: pieces that belong together stay on one page.
    void Riserva(double mm) { Serve(Mm(mm)); }
    // A table with a header row; `destra` marks the columns aligned to the right.
    // `evidenziate` rows are written in bold italics (marked, not by colour).
    void Tabella(const QStringList& intestazione, const std::vector<QStringList>& righe,
                 const std::vector<bool>& destra, const std::vector<bool>& evidenziate = {});
    // The plot, as large as `larghezza_px` x `altezza_px` on screen, scaled to `larghezza_mm`.
    void Grafico(QCustomPlot& piano, int larghezza_px, int altezza_px, double larghezza_mm);
    // Ends the document; false when it could not be written.
    bool Chiudi();

private:
    double Mm(double mm) const;
    void Serve(double altezza); // a new page unless `altezza` fits below
    void Nuova_pagina();
    void Piede();

    std::unique_ptr<QPdfWriter> scrittore_;
    QPainter pittore_;
    QString errore_, piede_;
    QFont normale_;
    double y_ = 0, larghezza_ = 0, altezza_ = 0;
    int pagine_ = 0;
};
