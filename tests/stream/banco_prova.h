#pragma once
// A bench for engine tests: a session, a recording view and an engine, put into the
// state the start of an acquisition leaves, with helpers that feed synthetic movements
// sample by sample (position in mm, velocity in mm/s, step of the running time in s).

#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "tests/support/vista_registratore.h"

#include <QLocale>

struct Banco_prova {
    // Time steps of 1/16 s keep the running time exact in single precision.
    static constexpr float Passo = 0.0625f;

    Sessione s;
    Vista_registratore vista;
    Motore_misura motore;

    explicit Banco_prova(const QLocale& locale = QLocale(QLocale::English))
        : motore(s, vista, locale) {}

    // What the start of an acquisition does to the engine's state.
    void Avvia() {
        motore.Azzera_misura();
        s.Acquisizione_in_corso = true;
        s.Ricezione_attiva = true;
        s.Disegno_abilitato = true;
        s.Tempo_corrente = 0;
        s.Stato_fase = {1, 0};
        vista.Dimentica();
    }

    // One sample `passo` seconds after the previous one.
    void Dato(double posizione, float velocita, float passo = Passo) {
        s.Tempo_corrente += passo;
        motore.Elabora_dati(posizione, velocita);
    }
    // Standing still at `posizione` for `campioni` samples.
    void Fermo(double posizione, int campioni) {
        for (int i = 0; i < campioni; ++i) Dato(posizione, 0);
    }
    // A steady movement from `da` (first sample) to `a` (last sample) at `velocita`.
    void Movimento(double da, double a, float velocita, int campioni) {
        for (int i = 0; i < campioni; ++i)
            Dato(da + (a - da) * i / (campioni > 1 ? campioni - 1 : 1), velocita);
    }
    // A lift from `basso` to `alto` over `campioni` samples, then the stop at the top
    // (which ends the repetition once the first second is over).
    void Salita(double basso, double alto, int campioni = 8, float velocita = 400) {
        Movimento(basso, alto, velocita, campioni);
        Dato(alto, 0);
    }
    // A lowering from `alto` to `basso`, then a pause at the bottom.
    void Discesa(double alto, double basso, int campioni = 8, float velocita = -400) {
        Movimento(alto, basso, velocita, campioni);
        Fermo(basso, 4);
    }
    // Still for more than the first second, then the first lift: its top is the first
    // repetition boundary.
    void Primo_sollevamento(double alto) {
        Fermo(0, 20);
        Salita(0, alto);
    }

    const Ripetizione& Rip(int indice) const {
        return s.Ripetizioni.at(static_cast<std::size_t>(indice));
    }
};
