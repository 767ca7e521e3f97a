// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/frm_grafici.h"

#include "platform/moduli.h"

#include "analysis/colore_allarme.h"
#include "analysis/frm_edit_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"
#include "session/sessione.h"
#include "stream/fascia.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace {

// The loss under the numeric display: the display's dark ground, a light text until a
// repetition passes the threshold.
const QColor Fondo_perdita(20, 20, 20);
const QColor Testo_perdita(220, 220, 220);

void Colora_perdita(QLabel& etichetta, const QColor& colore) {
    QPalette p = etichetta.palette();
    p.setColor(QPalette::Window, Fondo_perdita);
    p.setColor(QPalette::WindowText, colore);
    etichetta.setPalette(p);
}

} // namespace

Frm_grafici::Frm_grafici(Sessione& sessione, const QLocale& locale, QWidget* parent)
    : QWidget(parent), s_(sessione), locale_(locale) {
    setObjectName(QStringLiteral("Frm_grafici"));
    slide_ = new Slider_misura(this);
    slide_->setObjectName(QStringLiteral("Slide"));
    slide_->Imposta_intervallo(Slide_minimo_progetto, Slide_massimo_progetto);
    slide_->Imposta_etichetta_segno(1, tr("MIN"));
    slide_->Imposta_etichetta_segno(2, tr("MAX"));
    slide_->Imposta_segno(1, Slide_segno_min_progetto);
    slide_->Imposta_segno(2, Slide_segno_max_progetto);

    grafici_[0] = new Grafico_misura(Progetto_grafico_tempo(), this);
    grafici_[1] = new Grafico_misura(Progetto_grafico_ripetizioni(), this);
    for (int plot : {Tempo::Plot_velocita, Tempo::Plot_posizione})
        grafici_[0]->Imposta_sfoltimento(plot, Tempo::Sfoltimento_s);
    for (int i = 0; i < 2; ++i) {
        grafici_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Grafico_%1").arg(i));
        connect(grafici_[static_cast<std::size_t>(i)], &Grafico_misura::Cliccato, this,
                [this, i] { Apri_editor(i); });
    }
    connect(grafici_[0], &Grafico_misura::Cursore_spostato, this,
            [this](int, double x, double y, bool) { Cursore_tempo_spostato(x, y); });
    connect(grafici_[1], &Grafico_misura::Cursore_spostato, this,
            [this](int, double x, double, bool) { Cursore_ripetizioni_spostato(x); });

    num_vel_ = new Numerico_misura(this);
    num_vel_->setObjectName(QStringLiteral("Num_vel"));
    num_vel_->Imposta_locale(locale_);
    num_vel_->hide();
    lbl_perdita_ = new QLabel(this);
    lbl_perdita_->setObjectName(QStringLiteral("Lbl_perdita"));
    lbl_perdita_->setAccessibleName(tr("Perdita di velocità"));
    lbl_perdita_->setAlignment(Qt::AlignCenter);
    lbl_perdita_->setAutoFillBackground(true);
    QFont grassetto(QStringLiteral("Arial"));
    grassetto.setBold(true);
    lbl_perdita_->setFont(grassetto);
    Colora_perdita(*lbl_perdita_, Testo_perdita);
    lbl_perdita_->hide();
    lbl_velocita_ = new QLabel(this);
    lbl_velocita_->setObjectName(QStringLiteral("Lbl_velocita"));
    lbl_velocita_->setAccessibleName(tr("Velocità mostrata"));
    lbl_velocita_->setAlignment(Qt::AlignCenter);
    lbl_velocita_->setAutoFillBackground(true);
    lbl_velocita_->setFont(grassetto);
    Colora_perdita(*lbl_velocita_, Testo_perdita);
    lbl_velocita_->hide();
    beep_ = [] { QApplication::beep(); };

    valori_ = new Elenco_valori(this);
    connect(valori_, &Elenco_valori::Azione_operatore, this, &Frm_grafici::Segui_selezione);
    connect(valori_, &Elenco_valori::Esclusione_richiesta, this,
            [this](int riga, bool esclusa) { Q_EMIT Esclusione_richiesta(riga + 1, esclusa); });
    Aggiorna_nome_velocita();

    riposiziona();
    ripristina_grafico();
}

Frm_grafici::~Frm_grafici() = default;

void Frm_grafici::Imposta_lista(const Lista_valori* lista) {
    lista_ = lista;
    valori_->Imposta_lista(lista);
}

Grafico_misura& Frm_grafici::Grafico(int indice) const {
    return *grafici_.at(static_cast<std::size_t>(indice));
}

QString Frm_grafici::File_impostazioni(int indice) const {
    return QDir(s_.Cartella_applicazione).filePath(QStringLiteral("grafico_%1.cwx").arg(indice));
}

void Frm_grafici::riposiziona() {
    const int w = width(), h = height();
    const int alto = static_cast<int>(0.7 * h);
    slide_->setGeometry(0, 0, static_cast<int>(0.1 * w), alto);
    const int destra_slide = slide_->x() + slide_->width();
    const int largo = static_cast<int>(0.45 * w);
    grafici_[0]->setGeometry(destra_slide, 0, largo, alto);
    Disponi_numerico();
    grafici_[1]->setGeometry(destra_slide + largo, 0, largo, alto);
    valori_->Disponi(w, h);
}

void Frm_grafici::ripristina_grafico() {
    for (int i = 0; i < 2; ++i) Grafico(i).Carica_impostazioni(File_impostazioni(i));
    slide_->Imposta_intervallo(0, Grafico(0).Massimo(Tempo::Asse_velocita));
}

void Frm_grafici::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    riposiziona();
}

void Frm_grafici::Mostra_vista(Vista vista) {
    vista_ = vista;
    const int destra_slide = slide_->x() + slide_->width();
    const int resto = width() - destra_slide;
    switch (vista) {
    case Vista::Ripetizioni:
        grafici_[0]->hide();
        grafici_[1]->move(destra_slide, grafici_[1]->y());
        grafici_[1]->resize(resto, grafici_[1]->height());
        grafici_[1]->show();
        grafici_[1]->raise();
        break;
    case Vista::Tempo:
        grafici_[1]->hide();
        grafici_[0]->move(destra_slide, grafici_[0]->y());
        grafici_[0]->resize(resto, grafici_[0]->height());
        grafici_[0]->show();
        break;
    case Vista::Combinata: {
        const int largo = static_cast<int>(0.45 * width());
        grafici_[0]->setGeometry(destra_slide, 0, largo, slide_->height());
        grafici_[0]->show();
        grafici_[1]->setGeometry(destra_slide + largo, 0, largo, slide_->height());
        grafici_[1]->show();
        break;
    }
    }
    Disponi_numerico();
}

void Frm_grafici::Disponi_numerico() {
    const QRect r = grafici_[0]->geometry();
    const int alto_perdita = r.height() / 6;
    const int alto_nome = r.height() / 10;
    num_vel_->setGeometry(r.x(), r.y(), r.width(), r.height() - alto_perdita - alto_nome);
    lbl_velocita_->setGeometry(r.x(), num_vel_->y() + num_vel_->height(), r.width(), alto_nome);
    lbl_perdita_->setGeometry(r.x(), lbl_velocita_->y() + alto_nome, r.width(), alto_perdita);
    QFont nome = lbl_velocita_->font();
    nome.setPixelSize(std::max(8, alto_nome * 6 / 10));
    lbl_velocita_->setFont(nome);
    // The largest face in which the longest loss fits the label with a margin.
    QFont f = lbl_perdita_->font();
    int pixel = std::max(8, alto_perdita * 6 / 10);
    const QString piu_lunga = Testo_perdita_mostrato(QStringLiteral("100,0"));
    for (; pixel > 8; pixel = pixel * 9 / 10) {
        f.setPixelSize(pixel);
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(piu_lunga) <= r.width() * 9 / 10 &&
            fm.height() <= alto_perdita * 9 / 10)
            break;
    }
    f.setPixelSize(pixel);
    lbl_perdita_->setFont(f);
}

void Frm_grafici::Imposta_tempo_acceso(bool acceso) {
    tempo_acceso_ = acceso;
    grafici_[0]->setVisible(acceso);
    num_vel_->setVisible(!acceso);
    lbl_velocita_->setVisible(!acceso);
    lbl_perdita_->setVisible(!acceso);
    if (!acceso) {
        num_vel_->raise();
        lbl_velocita_->raise();
        lbl_perdita_->raise();
    }
}

Frm_edit_grafici* Frm_grafici::Editor() const {
    return editor_;
}

void Frm_grafici::Apri_editor(int grafico) {
    if (!editor_) {
        editor_ = new Frm_edit_grafici(*this);
        Centra_su(editor_, this);
    }
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
    editor_->Sel_Grafico(grafico);
}

// ---- What the measurement engine shows ----

bool Frm_grafici::Vuole_campioni() const {
    return !grafici_[0]->isHidden();
}

void Frm_grafici::Campioni_aggiunti(const Blocco_campioni& blocco) {
    Grafico_misura& g = Grafico(0);
    // A lift longer than the displacement axis widens it, by a tenth more than it needs,
    // rather than being cut at its edge. It never narrows by itself.
    if (!blocco.posizioni.empty()) {
        const auto [basso, alto] =
            std::minmax_element(blocco.posizioni.begin(), blocco.posizioni.end());
        double minimo = g.Minimo(Tempo::Asse_spostamento);
        double massimo = g.Massimo(Tempo::Asse_spostamento);
        const double margine = 0.1 * (std::max(massimo, *alto) - std::min(minimo, *basso));
        if (*basso < minimo || *alto > massimo) {
            if (*basso < minimo) minimo = *basso - margine;
            if (*alto > massimo) massimo = *alto + margine;
            g.Imposta_intervallo(Tempo::Asse_spostamento, minimo, massimo);
        }
    }
    g.Accoda_passi(Tempo::Plot_posizione, blocco.posizioni, blocco.tempi_ms);
    g.Accoda_passi(Tempo::Plot_velocita, blocco.velocita, blocco.tempi_ms);
}

void Frm_grafici::Tempo_ripartito() {
    Grafico(0).Cancella_dati();
}

void Frm_grafici::Confine_ripetizione(double inizio_nuova, double inizio_precedente) {
    Grafico(0).Imposta_cursore_x(1, inizio_nuova);
    Grafico(0).Imposta_cursore_x(2, inizio_precedente);
}

void Frm_grafici::Ripetizione_chiusa(int riga, const Ripetizione& ripetizione, float velocita,
                                     Colore colore) {
    Mostra_riga(riga);
    Mostra_velocita(velocita, colore);
    const double valori[] = {ripetizione.Durata_conc, velocita};
    // Counted as the coach counts them: repetition 1 at X = 1, clear of the axis.
    Grafico(1).Accoda_multiplo(valori, 2, riga + 1.0);
    Aggiorna_nome_velocita();
    allarme_ = false;
    lbl_perdita_->clear();
    // With the lift analysed, the loss that follows tells it once.
    Aggiorna_lettura(analisi_ == nullptr);
    Q_EMIT Ripetizione_mostrata(valori_->Righe() - 1);
}

void Frm_grafici::Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) {
    valori_->Imposta_allarme(riga, analisi.Oltre_soglia);
    Mostra_perdita(analisi, true);
}

QString Frm_grafici::Testo_perdita_mostrato(const QString& perdita) {
    return tr("Perdita %1 %").arg(perdita);
}

void Frm_grafici::Mostra_perdita(const Analisi_ripetizione& analisi, bool suona) {
    lbl_perdita_->setText(Testo_perdita_mostrato(Formatta(analisi.Perdita, 1, locale_)));
    // The slider shows in every layout, the display only with the time graph off: the
    // alarm is on both.
    allarme_ = analisi.Oltre_soglia;
    const QColor colore = allarme_ ? Colore_qt(Colore_allarme) : colore_fascia_;
    Colora_perdita(*lbl_perdita_, allarme_ ? colore : Testo_perdita);
    if (colore.isValid()) {
        num_vel_->Imposta_colore(colore);
        slide_->Imposta_colore(colore);
    }
    Aggiorna_lettura(suona);
    if (allarme_ && suona && beep_) beep_();
}

void Frm_grafici::Aggiorna_lettura(bool annuncia) {
    const QString nome = slide_->Didascalia();
    QStringList parti;
    if (!testo_fascia_.isEmpty()) {
        parti << testo_fascia_;
        if (!lbl_perdita_->text().isEmpty()) parti << lbl_perdita_->text();
        if (allarme_) parti << tr("oltre la soglia");
    }
    slide_->Imposta_stato(parti.join(QLatin1Char('\n')));
    QString descrizione;
    if (!parti.isEmpty())
        descrizione = tr("%1: %2 m/s").arg(nome, Formatta(velocita_ / 1000.0, 2, locale_)) +
                      QStringLiteral(", ") + parti.join(QStringLiteral(", "));
    for (QWidget* w : {static_cast<QWidget*>(slide_), static_cast<QWidget*>(num_vel_)}) {
        w->setAccessibleName(nome);
        w->setAccessibleDescription(descrizione);
        if (annuncia && w->isVisible()) {
            QAccessibleEvent evento(w, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&evento);
        }
    }
}

void Frm_grafici::Esclusione_cambiata(int riga, bool esclusa) {
    valori_->Imposta_esclusa(riga, esclusa);
    std::vector<double> vuoti;
    for (int r = 0; r < valori_->Righe(); ++r)
        if (valori_->Esclusa(r)) vuoti.push_back(r + 1); // row r's point lies at X = r + 1
    for (const int plot : {Ripetizioni::Plot_durata, Ripetizioni::Plot_vmedia})
        Grafico(1).Imposta_punti_vuoti(plot, vuoti);
    // Every loss was worked out again: the last one shown follows, without a new beep.
    if (analisi_ && !analisi_->empty() && lista_ &&
        static_cast<int>(analisi_->size()) == lista_->Righe())
        Mostra_perdita(analisi_->back(), false);
}

void Frm_grafici::Aggiorna_nome_velocita() {
    const bool serie_mostrata = valori_->Righe() > 0 || s_.Acquisizione_in_corso;
    const QString nome = Nome_grandezza_velocita(
        Grandezza_di(serie_mostrata ? s_.Serie.Riferimento : s_.Riferimento));
    lbl_velocita_->setText(nome);
    slide_->Imposta_didascalia(nome);
    Aggiorna_lettura(false);
}

void Frm_grafici::Misura_azzerata() {
    lbl_perdita_->clear();
    Colora_perdita(*lbl_perdita_, Testo_perdita);
    valori_->Svuota();
    colore_fascia_ = QColor();
    testo_fascia_.clear();
    allarme_ = false;
    Aggiorna_nome_velocita();
    Grafico(1).Cancella_dati();
    slide_->Imposta_valore(0);
    // No cursor stays where the set before left it, nor its readouts.
    for (const auto& [grafico, cursore] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 1}}) {
        Grafico(grafico).Imposta_cursore_x(cursore, 0);
        Grafico(grafico).Imposta_cursore_y(cursore, 0);
    }
    for (int a : {Tempo::Annotazione_punto, Tempo::Annotazione_distanza})
        Grafico(0).Imposta_annotazione(a, QString());
    // Both time plots restart from the origin.
    Grafico(0).Cancella_dati();
    Grafico(0).Accoda(Tempo::Plot_velocita, 0.0, 0.0);
    Grafico(0).Accoda(Tempo::Plot_posizione, 0.0, 0.0);
    Grafico(0).Ridisegna();
}

void Frm_grafici::Mostra_riga(int riga) {
    // Every row of the data not yet shown, up to this one.
    valori_->Mostra_fino_a(riga);
}

void Frm_grafici::Mostra_velocita(float vmedia_conc, Colore colore) {
    const QColor c(colore.rosso, colore.verde, colore.blu);
    colore_fascia_ = c;
    velocita_ = vmedia_conc;
    testo_fascia_ = Testo_fascia(colore);
    slide_->Imposta_valore(vmedia_conc);
    slide_->Imposta_colore(c);
    num_vel_->Imposta_valore(vmedia_conc);
    num_vel_->Imposta_colore(c);
}

// ---- Cursors and the value list ----

void Frm_grafici::Cursore_tempo_spostato(double x, double y) {
    Grafico_misura& g = Grafico(0);
    g.Imposta_annotazione(Tempo::Annotazione_punto,
                          QStringLiteral("T: ") + Formatta(x, "0.00", locale_) + QLatin1Char(' ') +
                              Formatta(y, "0.0", locale_));
    const double dx = g.Cursore_x(2) - g.Cursore_x(1);
    const double dy = g.Cursore_y(2) - g.Cursore_y(1);
    g.Imposta_annotazione(Tempo::Annotazione_distanza,
                          QStringLiteral("DT: ") + Formatta(dx, "0.00", locale_) +
                              QStringLiteral(" DY: ") + Formatta(dy, "0.00", locale_));
}

void Frm_grafici::Cursore_ripetizioni_spostato(double x) {
    if (!std::isfinite(x)) return;
    const long riga = std::lround(x) - 1;
    if (riga >= 0 && riga < valori_->Righe()) valori_->Seleziona(static_cast<int>(riga));
}

void Frm_grafici::Segui_selezione() {
    const int s = valori_->Riga_selezionata();
    Grafico_misura& tempo = Grafico(0);
    if (s >= 0) {
        Grafico(1).Imposta_cursore_x(1, s + 1);
        const auto record = static_cast<std::size_t>(s) + 1;
        if (record < s_.Ripetizioni.size()) {
            // Keep the selected repetition's start in view, with a 10 s span.
            const double t = s_.Ripetizioni[record].Tempo_inizio;
            double minimo = tempo.Minimo(Tempo::Asse_x), massimo = tempo.Massimo(Tempo::Asse_x);
            const bool a_sinistra = t < minimo;
            if (a_sinistra) {
                minimo = t - 1;
                massimo = minimo + 10;
            }
            const bool a_destra = t > massimo;
            if (a_destra) {
                massimo = t + 1;
                minimo = massimo - 10;
            }
            if (a_sinistra || a_destra) tempo.Mostra_intervallo_x(minimo, massimo);
            tempo.Imposta_cursore_x(1, t);
        }
        if (record + 1 < s_.Ripetizioni.size())
            tempo.Imposta_cursore_x(2, s_.Ripetizioni[record + 1].Tempo_inizio);
    }
    tempo.Ridisegna();
}
