// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/porta_memoria.h"

#include <QCoreApplication>

void Porta_memoria::Ricevi(const QByteArray& dati) {
    if (letti_ > 0 && letti_ >= ricevuti_.size() / 2) {
        ricevuti_.remove(0, letti_);
        letti_ = 0;
    }
    ricevuti_.append(dati);
    Q_EMIT Byte_arrivati();
    if (soglia_ > 0 && Byte_in_attesa() >= soglia_) Q_EMIT Dati_ricevuti();
}

QByteArray Porta_memoria::Prendi_scritti() {
    QByteArray tutto;
    tutto.swap(scritti_);
    return tutto;
}

void Porta_memoria::Apri() {
    if (aperta_)
        throw Errore_porta(Errore_porta::Codice::Porta_gia_aperta,
                           QCoreApplication::translate("Porta_memoria", "Porta già aperta"));
    aperta_ = true;
}

int Porta_memoria::Byte_in_attesa() const {
    return aperta_ ? static_cast<int>(ricevuti_.size() - letti_) : 0;
}

QByteArray Porta_memoria::Leggi() {
    const qsizetype disponibili = ricevuti_.size() - letti_;
    const qsizetype quanti =
        lunghezza_ > 0 ? std::min<qsizetype>(lunghezza_, disponibili) : disponibili;
    QByteArray blocco = ricevuti_.mid(letti_, quanti);
    letti_ += quanti;
    return blocco;
}

void Porta_memoria::Scrivi(const QByteArray& dati) {
    if (!aperta_)
        throw Errore_porta(Errore_porta::Codice::Porta_chiusa,
                           QCoreApplication::translate("Porta_memoria", "Porta non aperta"));
    scritti_.append(dati);
}
