// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/fascia.h"

#include <QCoreApplication>

Colore Colore_fascia(float velocita, const Dati_esercizio_t& dati) {
    const float alto = dati.Limite_sup / 100.0f * dati.Vmax;
    const float basso = dati.Limite_inf / 100.0f * dati.Vmax;
    if (velocita > alto) return Colore_giallo;
    if (velocita < basso) return Colore_rosso;
    return Colore_verde;
}

float Velocita_scelta(const Ripetizione& ripetizione, const Analisi_ripetizione* analisi,
                      Velocita_riferimento scelta) {
    if (analisi != nullptr) {
        if (scelta == Velocita_riferimento::Vmedia_alzata) return analisi->Vmedia;
        if (scelta == Velocita_riferimento::Vpropulsiva) return analisi->Vpropulsiva;
    }
    return ripetizione.Vmedia_conc;
}

QString Testo_fascia(Colore colore) {
    if (colore == Colore_giallo) return QCoreApplication::translate("Fascia", "sopra la fascia");
    if (colore == Colore_rosso) return QCoreApplication::translate("Fascia", "sotto la fascia");
    return QCoreApplication::translate("Fascia", "in fascia");
}
