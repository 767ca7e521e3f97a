// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/frm_profilo.h"

#include "log/riquadro_carico_oggi.h"

#include "datafiles/scelte_analisi.h"
#include "platform/casella_decimale.h"
#include "platform/grafico_xy.h"
#include "platform/moduli.h"
#include "session/avvisi.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor Colore_test(0, 90, 200);
const QColor Colore_retta(40, 40, 40);
const QColor Colore_v1rm(200, 90, 0);
const QColor Colore_stima(200, 0, 0);

} // namespace

Frm_profilo::Frm_profilo(const QString& cartella_atleta, const QString& esercizio, Avvisi& avvisi,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), avvisi_(avvisi) {
    setObjectName(QStringLiteral("Frm_profilo"));
    setWindowTitle(tr("Profilo carico-velocità"));
    setAttribute(Qt::WA_DeleteOnClose);

    cbo_atleta = new QComboBox(this);
    cbo_atleta->setAccessibleName(tr("Atleta"));
    cbo_atleta->setMinimumWidth(200);
    cbo_esercizio = new QComboBox(this);
    cbo_esercizio->setAccessibleName(tr("Esercizio"));
    cbo_esercizio->setMinimumWidth(200);
    Txt_v1rm = new Casella_decimale(this);
    Txt_v1rm->setAccessibleName(tr("Velocità al massimale (m/s)"));
    Txt_v1rm->setToolTip(tr("Velocità media di spinta con il carico massimale: "
                            "il massimale stimato è il carico a cui la retta la "
                            "raggiunge"));
    Txt_v1rm->setLocale(locale_);
    Txt_v1rm->setDecimals(2);
    Txt_v1rm->setRange(0.01, 5.0);
    Txt_v1rm->setSingleStep(0.01);
    // Stored when the entry is done, not at every digit typed.
    Txt_v1rm->setKeyboardTracking(false);
    auto* scelte = new QGridLayout;
    Riga_modulo(scelte, 0, tr("A&tleta:"), cbo_atleta);
    Riga_modulo(scelte, 1, tr("&Esercizio:"), cbo_esercizio);
    Riga_modulo(scelte, 2, tr("V&1rm (m/s):"), Txt_v1rm);
    scelte->setColumnStretch(2, 1);

    Grafico_profilo =
        new Grafico_xy(tr("Profilo carico-velocità"), tr("Carico (kg)"),
                       Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true), this);
    Grafico_profilo->setObjectName(QStringLiteral("Grafico_profilo"));
    Grafico_profilo->setMinimumSize(360, 180);
    Grafico_profilo->Aggiungi_serie(tr("Test"), Colore_test, Grafico_xy::Tratto::Punti);
    Grafico_profilo->Aggiungi_serie(tr("Retta"), Colore_retta, Grafico_xy::Tratto::Linea);
    Grafico_profilo->Aggiungi_serie(tr("V1rm"), Colore_v1rm, Grafico_xy::Tratto::Tratteggio);
    Grafico_profilo->Aggiungi_serie(tr("Massimale stimato"), Colore_stima,
                                    Grafico_xy::Tratto::Segno);

    Lst_punti = new QTreeWidget(this);
    Lst_punti->setAccessibleName(tr("Test dell'esercizio"));
    Lst_punti->setRootIsDecorated(false);
    Lst_punti->setHeaderLabels({tr("Carico (kg)"),
                                Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true),
                                tr("File")});
    Lst_punti->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Lst_punti->setMaximumHeight(140);

    Lbl_risultato = new QLabel(this);
    Lbl_risultato->setObjectName(QStringLiteral("Lbl_risultato"));
    Lbl_risultato->setWordWrap(true);
    Lbl_risultato->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    Lbl_risultato->setAccessibleName(tr("Risultato"));

    Carico_oggi = new Riquadro_carico_oggi(locale_, this);

    Cmd_aggiorna = new QPushButton(tr("&Aggiorna"), this);
    Cmd_aggiorna->setToolTip(tr("Rilegge i test salvati nella cartella dell'atleta"));
    Cmd_chiudi = new QPushButton(tr("&Chiudi"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_aggiorna);
    pulsanti->addWidget(Cmd_chiudi);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(scelte);
    colonna->addWidget(Grafico_profilo, 1);
    colonna->addWidget(Lbl_risultato);
    // Side by side: the window still fits a small laptop screen.
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(Lst_punti, 1);
    sotto->addWidget(Carico_oggi, 1);
    colonna->addLayout(sotto);
    colonna->addLayout(pulsanti);

    connect(cbo_atleta, &QComboBox::currentIndexChanged, this, [this] {
        Imposta_atleta(QFileInfo(cartella_).dir().filePath(cbo_atleta->currentText()),
                       cbo_esercizio->currentText());
    });
    connect(cbo_esercizio, &QComboBox::currentIndexChanged, this, [this] { Esercizio_scelto(); });
    connect(Txt_v1rm, &QDoubleSpinBox::valueChanged, this, &Frm_profilo::V1rm_cambiata);
    connect(Cmd_aggiorna, &QPushButton::clicked, this, &Frm_profilo::Aggiorna);
    connect(Cmd_chiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    // As large as it likes where there is room, within the screen it opens on down to a
    // 1024 x 600 laptop's, which leaves about 960 x 520 inside a window frame.
    const QScreen* schermo =
        parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize voluta(900, 680);
    resize(schermo == nullptr ? voluta
                              : Posto_nello_schermo(voluta, schermo->availableGeometry())
                                    .size()
                                    .expandedTo(minimumSizeHint()));
    Imposta_atleta(cartella_atleta, esercizio);
}

void Frm_profilo::Imposta_atleta(const QString& cartella_atleta, const QString& esercizio) {
    cartella_ = cartella_atleta;
    test_ = Leggi_test_atleta(cartella_);
    Elenca_atleti();
    Elenca_esercizi(esercizio);
}

void Frm_profilo::Elenca_atleti() {
    const QFileInfo cartella(cartella_);
    QStringList atleti;
    if (!cartella_.isEmpty())
        atleti = cartella.dir().entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                          QDir::Name | QDir::IgnoreCase);
    // An athlete without a folder yet is still the one asked for.
    if (!cartella_.isEmpty() && !atleti.contains(cartella.fileName()))
        atleti.prepend(cartella.fileName());
    const QSignalBlocker blocco(cbo_atleta);
    cbo_atleta->clear();
    cbo_atleta->addItems(atleti);
    cbo_atleta->setCurrentIndex(static_cast<int>(atleti.indexOf(cartella.fileName())));
}

void Frm_profilo::Aggiorna() {
    const QString scelto = cbo_esercizio->currentText();
    test_ = Leggi_test_atleta(cartella_);
    Elenca_esercizi(scelto);
}

void Frm_profilo::Elenca_esercizi(const QString& scelto) {
    QStringList esercizi = Esercizi_test(test_);
    const auto trovato = std::find_if(esercizi.cbegin(), esercizi.cend(), [&](const QString& e) {
        return Stesso_esercizio(e, scelto);
    });
    // The exercise asked for stays a choice without tests: its profile tells there are none.
    qsizetype indice = trovato - esercizi.cbegin();
    if (trovato == esercizi.cend()) {
        indice = 0;
        if (!scelto.simplified().isEmpty()) esercizi.prepend(scelto.simplified());
    }
    {
        const QSignalBlocker blocco(cbo_esercizio);
        cbo_esercizio->clear();
        cbo_esercizio->addItems(esercizi);
        cbo_esercizio->setCurrentIndex(esercizi.isEmpty() ? -1 : static_cast<int>(indice));
    }
    Esercizio_scelto();
}

void Frm_profilo::Esercizio_scelto() {
    const QString esercizio = cbo_esercizio->currentText();
    setWindowTitle(
        cbo_atleta->currentText().isEmpty()
            ? tr("Profilo carico-velocità")
            : tr("Profilo carico-velocità: %1, %2").arg(cbo_atleta->currentText(), esercizio));
    const Scelte_esercizio scelte = Leggi_scelte_analisi(cartella_, esercizio);
    profilo_ = Profilo_esercizio(test_, esercizio, static_cast<double>(scelte.V1rm), locale_);
    // The exercise's default gives way to the athlete's own threshold.
    Stima_e1rm_scelta(profilo_, profilo_.v1rm, scelte.V1rm_propria, locale_);
    {
        const QSignalBlocker blocco(Txt_v1rm);
        Txt_v1rm->setValue(profilo_.v1rm);
    }
    Mostra_profilo();
    Carico_oggi->Imposta(cartella_, esercizio, {profilo_.v1rm, profilo_.mvt});
}

void Frm_profilo::V1rm_cambiata(double v1rm) {
    Stima_e1rm(profilo_, v1rm, locale_);
    Mostra_profilo();
    const QString esercizio = cbo_esercizio->currentText();
    if (esercizio.isEmpty() || !test_.errore.isEmpty()) return;
    Scelte_esercizio scelte = Leggi_scelte_analisi(cartella_, esercizio);
    scelte.V1rm = static_cast<float>(v1rm);
    const auto errore = Salva_scelte_analisi(cartella_, esercizio, scelte);
    if (errore && !salvataggio_fallito_) avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
    salvataggio_fallito_ = errore.has_value();
    // The load for today follows the V1rm just stored.
    Carico_oggi->Imposta(cartella_, esercizio, {v1rm, std::nullopt});
}

void Frm_profilo::Mostra_profilo() {
    Lst_punti->clear();
    for (const Test_salvato& p : profilo_.punti) {
        auto* riga = new QTreeWidgetItem(Lst_punti);
        riga->setText(0, Formatta(p.carico, "0.0", locale_));
        riga->setText(1, Formatta(p.velocita, "0.000", locale_));
        riga->setText(2, QFileInfo(p.file).fileName());
        riga->setTextAlignment(0, Qt::AlignRight);
        riga->setTextAlignment(1, Qt::AlignRight);
    }
    Lbl_risultato->setText(Testo_risultato());
    Disegna();
}

QString Frm_profilo::Testo_risultato() const {
    QStringList righe;
    if (profilo_.retta) {
        const Retta_profilo& r = *profilo_.retta;
        righe << tr("Retta: v = %1 %2 %3 · carico   (R² %4, %5 test)")
                     .arg(Formatta(r.intercetta, "0.000", locale_),
                          r.pendenza < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"),
                          Formatta(std::abs(r.pendenza), "0.00000", locale_),
                          Formatta(r.r2, "0.000", locale_), QString::number(profilo_.punti.size()));
    }
    righe << (profilo_.mvt ? tr("V1rm: %1 m/s, MVT dell'atleta (la ripetizione più lenta a "
                                "%2 kg, %3)")
                                 .arg(Formatta(profilo_.v1rm, "0.00", locale_),
                                      Formatta(profilo_.mvt->carico, "0.0", locale_),
                                      QFileInfo(profilo_.mvt->file).fileName().toHtmlEscaped())
                           : tr("V1rm: %1 m/s").arg(Formatta(profilo_.v1rm, "0.00", locale_)));
    if (profilo_.e1rm) {
        righe << tr("<b>e1RM: %1</b>   (%2 carichi diversi, da %3 a %4 kg)")
                     .arg(Testo_e1rm(*profilo_.e1rm, profilo_.errore_e1rm, locale_),
                          QString::number(profilo_.carichi_distinti),
                          Formatta(profilo_.punti.front().carico, "0.0", locale_),
                          Formatta(profilo_.punti.back().carico, "0.0", locale_));
        for (const QString& avviso : profilo_.avvisi)
            righe << QStringLiteral("<span style=\"color:#b00000\">\u26a0 %1</span>")
                         .arg(avviso.toHtmlEscaped());
    } else {
        righe << QStringLiteral("<b>%1</b>").arg(profilo_.rifiuto.toHtmlEscaped());
    }
    if (!profilo_.scartati.isEmpty())
        righe << tr("File scartati: %1 (%2)")
                     .arg(QString::number(profilo_.scartati.size()),
                          profilo_.scartati.join(QStringLiteral("; ")).toHtmlEscaped());
    return righe.join(QStringLiteral("<br>"));
}

void Frm_profilo::Disegna() {
    Grafico_xy& g = *Grafico_profilo;
    std::vector<QPointF> punti;
    double x_max = 0, y_max = 0;
    for (const Test_salvato& p : profilo_.punti) {
        punti.emplace_back(p.carico, p.velocita);
        x_max = std::max(x_max, p.carico);
        y_max = std::max(y_max, p.velocita);
    }
    g.Imposta_serie(Serie_test, punti);
    if (profilo_.e1rm) x_max = std::max(x_max, *profilo_.e1rm);
    x_max = x_max > 0 ? 1.1 * x_max : 100.0;
    std::vector<QPointF> retta;
    if (profilo_.retta) {
        const Retta_profilo& r = *profilo_.retta;
        retta = {{0.0, r.intercetta}, {x_max, r.intercetta + r.pendenza * x_max}};
        y_max = std::max(y_max, r.intercetta);
    }
    g.Imposta_serie(Serie_retta, retta);
    g.Imposta_serie(Serie_v1rm, {{0.0, profilo_.v1rm}, {x_max, profilo_.v1rm}});
    y_max = std::max(y_max, profilo_.v1rm);
    std::vector<QPointF> stima;
    if (profilo_.e1rm) stima.emplace_back(*profilo_.e1rm, profilo_.v1rm);
    g.Imposta_serie(Serie_stima, stima);
    g.Imposta_intervallo(0, x_max, 0, 1.15 * y_max);
    g.Ridisegna();
}

Frm_profilo* Mostra_frm_profilo(QPointer<Frm_profilo>& finestra, const QString& cartella_atleta,
                                const QString& esercizio, Avvisi& avvisi, QWidget* parent) {
    if (!finestra) {
        finestra = new Frm_profilo(cartella_atleta, esercizio, avvisi, parent);
        Centra_su(finestra, parent);
    } else {
        finestra->Imposta_atleta(cartella_atleta, esercizio);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}
