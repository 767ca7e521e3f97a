// SPDX-License-Identifier: GPL-3.0-or-later
#include "club/lavoratore_club.h"

#include "club/sincronia_club.h"
#include "log/indice_sedute.h"

#include <QTimer>

Lavoratore_club::Lavoratore_club(const QString& cartella_dati, const Parametri_club& parametri)
    : cartella_dati_(cartella_dati), parametri_(parametri) {}

// The index and the connection go on the worker's thread: the thread's end deletes it there.
Lavoratore_club::~Lavoratore_club() = default;

void Lavoratore_club::Avvia() {
    if (timer_ != nullptr) return;
    indice_ = std::make_unique<Indice_test>(cartella_dati_);
    // What changed in the files while the program was off (a record edited by another tool)
    // is queued too; tests saved from now on are indexed as they are saved.
    indice_->Aggiorna();
    club_ = std::make_unique<Club>(parametri_);
    timer_ = new QTimer(this);
    timer_->setInterval(Intervallo_ms);
    connect(timer_, &QTimer::timeout, this, &Lavoratore_club::Giro);
    Giro();
}

void Lavoratore_club::Sveglia() {
    if (timer_ == nullptr) return;
    Giro();
}

void Lavoratore_club::Nuova_password() {
    rifiutata_ = false;
    Sveglia();
}

void Lavoratore_club::Giro() {
    timer_->stop();
    const Esito_sincronia esito = club_->Sincronizza(*indice_);
    Q_EMIT Stato(esito.da_inviare, esito.collegato, esito.errore);
    if (esito.password_rifiutata && !rifiutata_) Q_EMIT Password_rifiutata();
    rifiutata_ = esito.password_rifiutata;
    if (esito.ricevuti > 0) Q_EMIT Arrivati(esito.ricevuti);
    // The next round two seconds after this one ended: a slow server is not asked again
    // before it answered.
    timer_->start();
}
