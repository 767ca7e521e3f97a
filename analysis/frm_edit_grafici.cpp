// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/frm_edit_grafici.h"

#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/casella_decimale.h"
#include "platform/errore_piattaforma.h"
#include "platform/grafico.h"
#include "platform/moduli.h"
#include "platform/slider.h"
#include "session/sessione.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <array>

namespace {
// GraphMode positions and the interaction modes they select.
constexpr std::array<int, 5> Modo_per_posizione{Modo_grafico::Zoom, Modo_grafico::Pan,
                                                Modo_grafico::Cursori, Modo_grafico::Cursori,
                                                Modo_grafico::Misura_sposta};
constexpr const char* Etichette_modo[] = {
    QT_TRANSLATE_NOOP("Frm_edit_grafici", "Zoom"), QT_TRANSLATE_NOOP("Frm_edit_grafici", "Pan"), "",
    QT_TRANSLATE_NOOP("Frm_edit_grafici", "Cursor Measurements"),
    QT_TRANSLATE_NOOP("Frm_edit_grafici", "Measure Move")};
// What each label means, in the interface's language.
constexpr const char* Spiegazioni_modo[] = {
    QT_TRANSLATE_NOOP("Frm_edit_grafici",
                      "Ingrandimento: trascinando si ingrandisce il riquadro scelto"),
    QT_TRANSLATE_NOOP("Frm_edit_grafici",
                      "Spostamento: trascinando si sposta l'intervallo visibile"),
    "",
    QT_TRANSLATE_NOOP("Frm_edit_grafici",
                      "Misure con i cursori: trascinando si spostano i cursori"),
    QT_TRANSLATE_NOOP("Frm_edit_grafici",
                      "Misura e sposta: trascinando un cursore la sua lettura lo segue")};

// The design's own caption stays; the tip and the screen reader say what it does.
void Spiega(QWidget* controllo, const QString& spiegazione) {
    controllo->setToolTip(spiegazione);
    controllo->setAccessibleDescription(spiegazione);
}

QSlider* Nuovo_slider(Qt::Orientation verso, int minimo, int massimo, QWidget* genitore) {
    auto* s = new QSlider(verso, genitore);
    s->setRange(minimo, massimo);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}
} // namespace

Frm_edit_grafici::Frm_edit_grafici(Frm_grafici& grafici)
    : QWidget(&grafici, Qt::Tool), grafici_(grafici) {
    setObjectName(QStringLiteral("frm_edit_grafici"));
    setWindowTitle(tr("Impostazione Proprietà Grafici"));
    auto* colonna = new QVBoxLayout(this);

    // Graph chooser.
    auto* scelta = new QGridLayout;
    scelta->addWidget(new QLabel(tr("Grafico"), this), 0, 0, 1, 2);
    sldTicks = Nuovo_slider(Qt::Horizontal, 0, 1, this);
    sldTicks->setObjectName(QStringLiteral("sldTicks"));
    scelta->addWidget(sldTicks, 1, 0, 1, 2);
    scelta->addWidget(new QLabel(tr("Tempo"), this), 2, 0, Qt::AlignLeft);
    scelta->addWidget(new QLabel(tr("Ripetizioni"), this), 2, 1, Qt::AlignRight);
    colonna->addLayout(scelta);

    // Axis range.
    auto* Frame1 = new QGroupBox(tr("Edit Axis"), this);
    auto* assi = new QGridLayout(Frame1);
    sldSelectAxis = Nuovo_slider(Qt::Horizontal, 1, 3, Frame1);
    sldSelectAxis->setObjectName(QStringLiteral("sldSelectAxis"));
    Lbl_asse = new QLabel(Frame1);
    Lbl_asse->setObjectName(QStringLiteral("Lbl_asse"));
    QFont grassetto = Lbl_asse->font();
    grassetto.setBold(true);
    Lbl_asse->setFont(grassetto);
    // "," and "." alike: under Italian settings "12.5" is not 125.
    AxisMin = new Casella_decimale(Frame1);
    AxisMax = new Casella_decimale(Frame1);
    for (QDoubleSpinBox* campo : {AxisMin, AxisMax}) {
        campo->setLocale(grafici.Locale());
        campo->setRange(-1e7, 1e7);
        campo->setDecimals(2);
    }
    UpdateAxis = new QPushButton(tr("Update"), Frame1);
    Cmd_Undo = new QPushButton(tr("Cancel"), Frame1);
    Spiega(Frame1,
           tr("Modifica asse: scegli l'asse con il cursore e imposta il minimo e il massimo"));
    Spiega(UpdateAxis, tr("Applica il nuovo intervallo all'asse e lo salva"));
    Spiega(Cmd_Undo, tr("Annulla le modifiche: ricarica gli assi salvati dei due grafici"));
    assi->addWidget(sldSelectAxis, 0, 0, 1, 2);
    assi->addWidget(Lbl_asse, 1, 0, 1, 2);
    Riga_modulo(assi, 2, tr("Min"), AxisMin);
    Riga_modulo(assi, 3, tr("Max"), AxisMax);
    assi->addWidget(UpdateAxis, 4, 0);
    assi->addWidget(Cmd_Undo, 4, 1);
    colonna->addWidget(Frame1);

    // Interaction mode.
    auto* Frame2 = new QGroupBox(tr("Graph Operations"), this);
    auto* modi = new QGridLayout(Frame2);
    GraphMode = Nuovo_slider(Qt::Vertical, 0, 4, Frame2);
    GraphMode->setObjectName(QStringLiteral("GraphMode"));
    GraphMode->setInvertedAppearance(true); // position 0 at the top
    modi->addWidget(GraphMode, 0, 0, 5, 1);
    for (int i = 0; i < 5; ++i) {
        auto* etichetta =
            new QLabel(*Etichette_modo[i] != '\0' ? tr(Etichette_modo[i]) : QString(), Frame2);
        if (*Spiegazioni_modo[i] != '\0') Spiega(etichetta, tr(Spiegazioni_modo[i]));
        modi->addWidget(etichetta, i, 1);
    }
    Spiega(Frame2, tr("Operazioni sul grafico: cosa fa il mouse trascinando sul grafico"));
    Spiega(GraphMode,
           tr("Operazioni sul grafico: ingrandimento, spostamento, misure con i cursori, "
              "misura e sposta"));
    colonna->addWidget(Frame2);

    stato_ = new QLabel(this);
    stato_->setWordWrap(true);
    colonna->addWidget(stato_);

    // Closes without applying anything, as Esc does.
    Cmd_chiudi = new QPushButton(tr("&Chiudi"), this);
    Cmd_chiudi->setToolTip(tr("Chiude la finestra senza applicare nulla"));
    auto* fondo = new QHBoxLayout;
    fondo->addStretch();
    fondo->addWidget(Cmd_chiudi);
    colonna->addLayout(fondo);
    connect(Cmd_chiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    connect(sldTicks, &QSlider::valueChanged, this, &Frm_edit_grafici::Sel_Grafico);
    connect(sldSelectAxis, &QSlider::valueChanged, this, &Frm_edit_grafici::Mostra_asse);
    connect(UpdateAxis, &QPushButton::clicked, this, [this] {
        Update_graph(grafico_corrente_, sldSelectAxis->value(), AxisMin->value(), AxisMax->value());
    });
    connect(Cmd_Undo, &QPushButton::clicked, this, [this] {
        grafici_.ripristina_grafico();
        stato_->clear();
        Mostra_asse(sldSelectAxis->value());
    });
    connect(GraphMode, &QSlider::valueChanged, this, &Frm_edit_grafici::Cambia_modo);

    Mostra_asse(1);
}

QString Frm_edit_grafici::Stato() const {
    return stato_->text();
}

void Frm_edit_grafici::Sel_Grafico(int quale) {
    if (quale != 0 && quale != 1) return;
    grafico_corrente_ = quale;
    const Grafico_misura& g = grafici_.Grafico(quale);
    {
        const QSignalBlocker blocco(sldSelectAxis);
        sldSelectAxis->setRange(1, g.Numero_assi());
        sldSelectAxis->setValue(1);
    }
    {
        // The mode selector shows the chosen graph's mode.
        const QSignalBlocker blocco(GraphMode);
        for (int p = 0; p < static_cast<int>(Modo_per_posizione.size()); ++p)
            if (Modo_per_posizione[static_cast<std::size_t>(p)] == g.Modo()) {
                GraphMode->setValue(p);
                break;
            }
    }
    Mostra_asse(1);
}

void Frm_edit_grafici::Mostra_asse(int asse) {
    const Grafico_misura& g = grafici_.Grafico(grafico_corrente_);
    Lbl_asse->setText(g.Didascalia_asse(asse));
    AxisMin->setValue(g.Minimo(asse));
    AxisMax->setValue(g.Massimo(asse));
}

void Frm_edit_grafici::Cambia_modo(int posizione) {
    if (posizione < 0 || posizione >= static_cast<int>(Modo_per_posizione.size())) return;
    grafici_.Grafico(grafico_corrente_)
        .Imposta_modo(Modo_per_posizione[static_cast<std::size_t>(posizione)]);
}

bool Frm_edit_grafici::Update_graph(int quale_grafico, int quale_asse, double minimo,
                                    double massimo) {
    if (quale_grafico != 0 && quale_grafico != 1) return false;
    Grafico_misura& g = grafici_.Grafico(quale_grafico);
    if (quale_asse < 1 || quale_asse > g.Numero_assi() || !(minimo < massimo)) {
        stato_->setText(tr("Intervallo non valido: il minimo deve essere minore "
                           "del massimo."));
        return false;
    }
    g.Imposta_intervallo(quale_asse, minimo, massimo);
    if (quale_asse == 1)
        g.Mostra_intervallo_x(minimo, massimo); // the operator placed it: stop following
    const QString file = grafici_.File_impostazioni(quale_grafico);
    bool salvato = true;
    try {
        g.Salva_impostazioni(file);
        stato_->clear();
    } catch (const Errore_piattaforma& e) {
        salvato = false;
        stato_->setText(tr("Impostazioni non salvate in %1: %2")
                            .arg(QDir::toNativeSeparators(file), e.testo()));
    }

    if (quale_grafico == 0 && quale_asse == Tempo::Asse_velocita) {
        // The three velocity scales agree: slider, marks, repetition graph. The marks are
        // the ends of the band the pointer's colours use: "MIN" at the lower limit, "MAX" at
        // the upper one.
        const Dati_esercizio_t& d = grafici_.Sessione_corrente().Dati_esercizio;
        Slider_misura& slide = grafici_.Slide();
        slide.Imposta_intervallo(0, massimo);
        slide.Imposta_segno(1, static_cast<double>(d.Limite_inf / 100.0f * d.Vmax));
        slide.Imposta_segno(2, static_cast<double>(d.Limite_sup / 100.0f * d.Vmax));
        Grafico_misura& ripetizioni = grafici_.Grafico(1);
        ripetizioni.Imposta_intervallo(Ripetizioni::Asse_velocita, 0, massimo);
    }
    return salvato;
}
