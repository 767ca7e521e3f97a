// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set recorded without windows, for the tests of the files it leaves: the session as a
// board of a type on a link sets it up, a squat of Rossi's at 82.5 kg, and the records of a
// scripted set.
#include "session/sessione.h"
#include "session/tipi_scheda.h"
#include "wire/flusso_scheda.h"

inline void Imposta_registrazione(Sessione& s, int tipo, Collegamento collegamento,
                                  const QString& cartella_dati) {
    s.Scheda.Collegamento = collegamento;
    s.Scheda.Tipo_scheda = tipo;
    const Calibrazione_scheda c = Calibrazione_tipo(tipo);
    s.Scheda.Fattore_posizione = c.Fattore_posizione;
    s.Scheda.Fattore_tempo = c.Fattore_tempo;
    auto& d = s.Dati_esercizio;
    d.Squadra = "Squadra A";
    d.Atleta = "Rossi";
    d.Esercizio = "Squat";
    d.Carico = 82.5f;
    d.Vmax = 900;
    d.Ampiezza_minima = 100;
    d.Cartella_dati = cartella_dati;
}

// `ripetizioni` lifts after the unracking one, then a long hold, as the board sends them.
inline std::vector<Record_scheda>
Record_copione(int ripetizioni, int tipo, Collegamento collegamento, std::uint32_t seme = 7) {
    Parametri_copione parametri;
    parametri.ripetizioni = ripetizioni;
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(parametri, seme), tipo, collegamento).Tutti(record);
    return record;
}
