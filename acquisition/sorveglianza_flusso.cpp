// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/sorveglianza_flusso.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

Sorveglianza_flusso::Sorveglianza_flusso(QObject* parent, int silenzio_ms)
    : QObject(parent), silenzio_ms_(silenzio_ms) {
    // A few checks per silence: it is noticed within a sixth of it.
    controllo_.setInterval(std::max(10, silenzio_ms / 6));
    connect(&controllo_, &QTimer::timeout, this, &Sorveglianza_flusso::Controlla);
}

void Sorveglianza_flusso::Acquisizione_iniziata() {
    disturbato_ = muta_ = false;
    durata_silenzio_ms_ = 0;
    ultimo_record_.start();
    controllo_.start();
    Avvisa();
}

void Sorveglianza_flusso::Record_ricevuti(std::span<const std::uint8_t>) {
    if (!controllo_.isActive()) return;
    if (muta_) {
        muta_ = false;
        durata_silenzio_ms_ = ultimo_record_.elapsed();
        ultimo_record_.restart();
        Avvisa();
        return;
    }
    ultimo_record_.restart();
}

void Sorveglianza_flusso::Acquisizione_finita() {
    // What was said of the set stays on screen; only the watching ends.
    controllo_.stop();
}

void Sorveglianza_flusso::Flusso_disturbato(const Disturbo_flusso&) {
    if (disturbato_) return;
    disturbato_ = true;
    Avvisa();
}

void Sorveglianza_flusso::Controlla() {
    if (muta_ || ultimo_record_.elapsed() <= silenzio_ms_) return;
    muta_ = true;
    Avvisa();
}

QString Sorveglianza_flusso::Testo() const {
    QStringList parti;
    if (disturbato_)
        parti << tr("Flusso della scheda disturbato: posizioni o tempi impossibili, "
                    "valori della serie da verificare.");
    const auto secondi = [](qint64 ms) {
        return QString::number(std::llround(static_cast<double>(ms) / 1000.0));
    };
    if (muta_)
        parti << Testo_muta(silenzio_ms_);
    else if (durata_silenzio_ms_ > 0)
        parti << tr("La scheda ha ripreso a inviare dati dopo %1 s di silenzio.")
                     .arg(secondi(durata_silenzio_ms_));
    return parti.join(QStringLiteral("  "));
}

QString Sorveglianza_flusso::Testo_muta(int silenzio_ms) {
    return tr("La scheda non invia dati da più di %1 s.")
        .arg(std::lround(static_cast<double>(silenzio_ms) / 1000.0));
}

void Sorveglianza_flusso::Avvisa() {
    Q_EMIT Avviso_cambiato(Testo(), Allarme());
}
