// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/riquadro_carico_oggi.h"

#include "log/testi_storico.h"
#include "platform/casella_decimale.h"
#include "platform/moduli.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <cmath>

Riquadro_carico_oggi::Riquadro_carico_oggi(const QLocale& locale, QWidget* parent)
    : QGroupBox(tr("Carico per oggi"), parent), locale_(locale) {
    setObjectName(QStringLiteral("Riquadro_carico_oggi"));
    cbo_zona = new QComboBox(this);
    cbo_zona->setAccessibleName(tr("Zona di velocità"));
    cbo_zona->setMinimumWidth(260);
    Txt_vmin = new Casella_decimale(this);
    Txt_vmin->setAccessibleName(tr("Velocità minima (m/s)"));
    Txt_vmax = new Casella_decimale(this);
    Txt_vmax->setAccessibleName(tr("Velocità massima (m/s)"));
    for (Casella_decimale* c : {Txt_vmin, Txt_vmax}) {
        // The profile's velocity, as the log's.
        c->setToolTip(Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true));
        c->setLocale(locale_);
        c->setDecimals(2);
        c->setRange(0.05, 3.0);
        c->setSingleStep(0.05);
        c->setKeyboardTracking(false);
    }
    Lbl_carico_oggi = new QLabel(this);
    Lbl_carico_oggi->setObjectName(QStringLiteral("Lbl_carico_oggi"));
    Lbl_carico_oggi->setAccessibleName(tr("Carico per oggi"));
    Lbl_carico_oggi->setWordWrap(true);
    // Always HTML: a refusal has no tag, and its escaped quotes would show as "&quot;".
    Lbl_carico_oggi->setTextFormat(Qt::RichText);
    Lbl_carico_oggi->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);

    auto* griglia = new QGridLayout(this);
    Riga_modulo(griglia, 0, tr("&Zona:"), cbo_zona);
    auto* velocita = new QHBoxLayout;
    velocita->addWidget(Txt_vmin);
    auto* trattino = new QLabel(QStringLiteral("&\u2013"), this);
    trattino->setBuddy(Txt_vmax);
    velocita->addWidget(trattino);
    velocita->addWidget(Txt_vmax);
    velocita->addStretch();
    auto* lbl_velocita = new QLabel(tr("&Velocità (m/s):"), this);
    lbl_velocita->setBuddy(Txt_vmin);
    griglia->addWidget(lbl_velocita, 0, 2);
    griglia->addLayout(velocita, 0, 3);
    griglia->addWidget(Lbl_carico_oggi, 1, 0, 1, 4);
    griglia->setColumnStretch(3, 1);
    setTabOrder(cbo_zona, Txt_vmin);
    setTabOrder(Txt_vmin, Txt_vmax);

    connect(cbo_zona, &QComboBox::currentIndexChanged, this, &Riquadro_carico_oggi::Zona_scelta);
    connect(Txt_vmin, &QDoubleSpinBox::valueChanged, this,
            &Riquadro_carico_oggi::Velocita_cambiata);
    connect(Txt_vmax, &QDoubleSpinBox::valueChanged, this,
            &Riquadro_carico_oggi::Velocita_cambiata);
}

void Riquadro_carico_oggi::Imposta(const QString& cartella_atleta, const QString& esercizio,
                                   const V1rm_atleta& v1rm) {
    cartella_ = cartella_atleta;
    esercizio_ = esercizio;
    v1rm_ = v1rm;
    test_.clear();
    errore_.clear();
    // "<dati>/<squadra>/<atleta>": the data folder is the one with the program's "ini".
    const QDir atleta(cartella_atleta);
    const QString squadra = QFileInfo(atleta.absolutePath()).dir().dirName();
    const QString dati = QFileInfo(QFileInfo(atleta.absolutePath()).absolutePath()).absolutePath();
    if (cartella_atleta.isEmpty() || !QFileInfo(dati + QStringLiteral("/ini")).isDir()) {
        errore_ = tr("La cartella dell'atleta non è in una cartella dati: il carico "
                     "per oggi non si può calcolare.");
    } else {
        Indice_test indice(dati);
        indice.Aggiorna_atleta(squadra, atleta.dirName());
        test_ = indice.Test_atleta(squadra, atleta.dirName());
    }
    // The named ranges, read again: the settings may have changed; the choice stays.
    const QString scelta = cbo_zona->currentData().toString();
    zone_ = errore_.isEmpty() ? Leggi_zone_velocita(dati) : Leggi_zone_velocita(QString());
    {
        const QSignalBlocker blocco(cbo_zona);
        cbo_zona->clear();
        for (const Zona_velocita& z : std::as_const(zone_))
            cbo_zona->addItem(QStringLiteral("%1 (%2\u2013%3 m/s)")
                                  .arg(z.nome, Formatta(z.minima, "0.00", locale_),
                                       Formatta(z.massima, "0.00", locale_)),
                              z.nome);
        cbo_zona->addItem(tr("Personalizzata"), QString());
        int indice = 0;
        for (int i = 0; i < cbo_zona->count(); ++i)
            if (!scelta.isEmpty() && cbo_zona->itemData(i).toString() == scelta) indice = i;
        cbo_zona->setCurrentIndex(indice);
    }
    Zona_scelta();
}

void Riquadro_carico_oggi::Zona_scelta() {
    const int i = cbo_zona->currentIndex();
    if (i >= 0 && i < zone_.size()) {
        const QSignalBlocker a(Txt_vmin), b(Txt_vmax);
        Txt_vmin->setValue(zone_[i].minima);
        Txt_vmax->setValue(zone_[i].massima);
    }
    Calcola();
}

void Riquadro_carico_oggi::Velocita_cambiata() {
    // Typed numbers that are no named range are "Personalizzata".
    int indice = cbo_zona->count() - 1;
    for (int i = 0; i < zone_.size(); ++i)
        if (std::abs(zone_[i].minima - Txt_vmin->value()) < 0.005 &&
            std::abs(zone_[i].massima - Txt_vmax->value()) < 0.005)
            indice = i;
    {
        const QSignalBlocker blocco(cbo_zona);
        cbo_zona->setCurrentIndex(indice);
    }
    Calcola();
}

void Riquadro_carico_oggi::Calcola() {
    if (!errore_.isEmpty()) {
        carico_ = {};
        carico_.rifiuto = errore_;
        Lbl_carico_oggi->setText(errore_.toHtmlEscaped());
        return;
    }
    const double minima = std::min(Txt_vmin->value(), Txt_vmax->value());
    const double massima = std::max(Txt_vmin->value(), Txt_vmax->value());
    carico_ = Calcola_carico_oggi(test_, v1rm_, esercizio_, minima, massima);
    // The range in bold; the estimate's warnings, if any, on lines of their own below it.
    QStringList righe = Testo_carico_oggi(carico_, locale_).split(QLatin1Char('\n'));
    for (QString& riga : righe) riga = riga.toHtmlEscaped();
    if (carico_.rifiuto.isEmpty()) righe.front() = QStringLiteral("<b>%1</b>").arg(righe.front());
    Lbl_carico_oggi->setText(righe.join(QStringLiteral("<br>")));
}
