// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/frm_atleta.h"

#include "analysis/colore_allarme.h"
#include "log/indice_sedute.h"
#include "log/profilo_velocita.h"
#include "platform/lingua.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"
#include "session/sessione.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QColor Fondo_atleta(0, 0, 0);
const QColor Testo_atleta(230, 230, 230);
// Before the first repetition of a measurement, in the digits' place.
const QString Senza_velocita = QStringLiteral("\u2013");

// The regional format when it is of the interface's language; otherwise that language's
// own, so that an Italian screen never reads "0.72".
QLocale Locale_interfaccia(const QLocale& regionale) {
    const QLocale lingua(Lingua_in_uso());
    return regionale.language() == lingua.language() ? regionale : lingua;
}

// The log's best of one test in the velocity the set is judged by; none for the peak.
std::optional<double> Migliore_di(const Riga_test& t, Grandezza_velocita grandezza) {
    switch (grandezza) {
    case Grandezza_velocita::Media_fase:
        return t.vmedia_tabella;
    case Grandezza_velocita::Media_alzata:
        return t.vmedia_alzata;
    case Grandezza_velocita::Propulsiva:
        return t.mpv_migliore;
    case Grandezza_velocita::Picco:
        break;
    }
    return std::nullopt;
}
} // namespace

QString Testo_recupero(int secondi) {
    return QCoreApplication::translate("Frm_atleta", "Recupero %1:%2")
        .arg(secondi / 60)
        .arg(secondi % 60, 2, 10, QLatin1Char('0'));
}

Frm_atleta::Frm_atleta(const Sessione& sessione, const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), s_(sessione), locale_(Locale_interfaccia(locale)) {
    setObjectName(QStringLiteral("Frm_atleta"));
    setWindowTitle(tr("Vista atleta"));
    setAccessibleName(tr("Vista atleta"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Fondo_atleta);
    p.setColor(QPalette::WindowText, Testo_atleta);
    setPalette(p);
    auto* colonna = new QVBoxLayout(this);
    // The digits take what the lines of text leave.
    const auto Etichetta = [this, colonna](const char* nome, const QString& accessibile,
                                           int allungamento = 0) {
        auto* e = new QLabel(this);
        e->setObjectName(QLatin1String(nome));
        e->setAccessibleName(accessibile);
        e->setAlignment(Qt::AlignCenter);
        colonna->addWidget(e, allungamento);
        return e;
    };
    Lbl_atleta = Etichetta("Lbl_atleta", tr("Atleta e carico"));
    Lbl_velocita = Etichetta("Lbl_velocita", tr("Velocità"), 1);
    Lbl_nome_velocita = Etichetta("Lbl_nome_velocita", tr("Velocità mostrata"));
    Lbl_ripetizione = Etichetta("Lbl_ripetizione", tr("Ripetizione"));
    Lbl_perdita = Etichetta("Lbl_perdita", tr("Perdita di velocità"));
    Lbl_migliore = Etichetta("Lbl_migliore", tr("Migliore a questo carico"));
    Lbl_recupero = Etichetta("Lbl_recupero", tr("Recupero"));
    Lbl_recupero->hide();
    Misura_azzerata();
}

void Frm_atleta::Apri(const QWidget* principale) {
    const QScreen* suo = principale ? principale->screen() : QGuiApplication::primaryScreen();
    QScreen* altro = nullptr;
    for (QScreen* schermo : QGuiApplication::screens())
        if (schermo != suo) altro = schermo;
    if (altro != nullptr) {
        // The window goes to that screen before it is shown full screen, or the window
        // manager fills the screen it was made on.
        if (isVisible() && !isFullScreen()) hide();
        setScreen(altro);
        setGeometry(altro->geometry());
        showFullScreen();
    } else {
        // Large enough for digits a quarter of the screen high; the coach moves it aside.
        const QRect area = suo ? suo->availableGeometry() : QRect(0, 0, 1024, 768);
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
        move(area.center() - rect().center());
        showNormal();
    }
    raise();
    activateWindow();
    Aggiorna_atleta();
}

void Frm_atleta::Mostra_recupero(int secondi) {
    Lbl_recupero->setVisible(secondi >= 0);
    if (secondi >= 0) Lbl_recupero->setText(Testo_recupero(secondi));
}

void Frm_atleta::Aggiorna_atleta() {
    // Between sets the setup's athlete (the next set's), during one the set's own.
    const auto& dati = s_.Acquisizione_in_corso ? s_.Serie.Dati_esercizio : s_.Dati_esercizio;
    const QString carico = tr("%1 kg").arg(Formatta(double(dati.Carico), 1, locale_));
    Lbl_atleta->setText(dati.Atleta.isEmpty() ? carico : tr("%1 - %2").arg(dati.Atleta, carico));
    Lbl_migliore->clear();
    if (dati.Atleta.isEmpty() || s_.Cartella_applicazione.isEmpty() || !isVisible()) return;
    const Grandezza_velocita grandezza =
        Grandezza_di(s_.Acquisizione_in_corso ? s_.Serie.Riferimento : s_.Riferimento);
    // The index the training log reads, of the application folder.
    Indice_test indice(s_.Cartella_applicazione);
    indice.Aggiorna_atleta(dati.Squadra, dati.Atleta);
    std::optional<double> migliore;
    for (const Riga_test& t : indice.Test_atleta(dati.Squadra, dati.Atleta)) {
        if (!Stesso_esercizio(t.esercizio, dati.Esercizio) ||
            std::abs(t.carico - dati.Carico) > 0.05)
            continue;
        if (const auto v = Migliore_di(t, grandezza); v && (!migliore || *v > *migliore))
            migliore = v;
    }
    if (migliore)
        Lbl_migliore->setText(
            tr("Migliore a questo carico: %1 m/s").arg(Formatta(*migliore, 2, locale_)));
}

void Frm_atleta::Ripetizione_chiusa(int riga, const Ripetizione&, float velocita, Colore colore) {
    Mostra_velocita(Formatta(velocita / 1000.0, 2, locale_));
    colore_fascia_ = Colore_qt(colore);
    Colora(colore_fascia_);
    Lbl_nome_velocita->setText(
        tr("%1 (m/s)").arg(Nome_grandezza_velocita(Grandezza_di(s_.Serie.Riferimento))));
    Lbl_ripetizione->setText(tr("Ripetizione %1").arg(riga + 1));
    Lbl_perdita->clear();
}

void Frm_atleta::Ripetizione_analizzata(int, const Analisi_ripetizione& analisi) {
    Mostra_perdita(analisi);
}

void Frm_atleta::Esclusione_cambiata(int, bool) {
    if (analisi_ && !analisi_->empty()) Mostra_perdita(analisi_->back());
}

void Frm_atleta::Mostra_perdita(const Analisi_ripetizione& analisi) {
    Lbl_perdita->setText(tr("Perdita %1 %").arg(Formatta(analisi.Perdita, 1, locale_)));
    Colora(analisi.Oltre_soglia ? Colore_qt(Colore_allarme) : colore_fascia_);
}

void Frm_atleta::Misura_azzerata() {
    Mostra_velocita(Senza_velocita);
    colore_fascia_ = Testo_atleta;
    Colora(Testo_atleta);
    Lbl_nome_velocita->clear();
    Lbl_ripetizione->clear();
    Lbl_perdita->clear();
}

void Frm_atleta::Acquisizione_iniziata() {
    Aggiorna_atleta();
}

void Frm_atleta::Mostra_velocita(const QString& testo) {
    Lbl_velocita->setText(testo);
    // The dash in bold, that large, reads as a box.
    QFont f = Lbl_velocita->font();
    f.setBold(testo != Senza_velocita);
    Lbl_velocita->setFont(f);
}

void Frm_atleta::Colora(const QColor& colore) {
    colore_ = colore;
    QPalette p = Lbl_velocita->palette();
    p.setColor(QPalette::WindowText, colore);
    Lbl_velocita->setPalette(p);
}

void Frm_atleta::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void Frm_atleta::resizeEvent(QResizeEvent* evento) {
    // The lines of text a sixth of the digits' size; the digits as high as the window leaves
    // them and as wide as it allows. Full screen at 1080 pixels they are some 320 high.
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(100);
    const double riga = QFontMetricsF(f).height() / 100; // a line's height per pixel of size
    const QMargins margini = contentsMargins() + layout()->contentsMargins();
    const int spazio = std::max(0, layout()->spacing()) * 6;
    const int alto = height() - margini.top() - margini.bottom() - spazio;
    // The digits' line and six lines a sixth of it, with a little to spare.
    int pixel = std::max(12, static_cast<int>(alto / (riga * 2.1)));
    f.setPixelSize(pixel);
    const int largo = QFontMetrics(f).horizontalAdvance(QStringLiteral("0,00"));
    if (largo > width() * 9 / 10 && largo > 0) {
        pixel = std::max(12, pixel * width() * 9 / 10 / largo);
        f.setPixelSize(pixel);
    }
    f.setBold(Lbl_velocita->text() != Senza_velocita);
    Lbl_velocita->setFont(f);
    QFont piccolo = font();
    piccolo.setPixelSize(std::max(10, pixel / 6));
    for (QLabel* e :
         {Lbl_atleta, Lbl_nome_velocita, Lbl_ripetizione, Lbl_perdita, Lbl_migliore, Lbl_recupero})
        e->setFont(piccolo);
    QWidget::resizeEvent(evento);
}
