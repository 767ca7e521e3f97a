// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bench for engine tests: a session, a recording view and an engine in the state the
// start of an acquisition leaves, fed synthetic movements sample by sample (position in
// mm, velocity in mm/s, time steps of 1/16 s, which keep the running time exact).
#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "tests/support/vista_registratore.h"

#include <QLocale>
#include <QTest>

// QCOMPARE over lists of numbers, element by element (so singles compare fuzzily).
template <typename T>
bool Confronta_numeri(const QList<T>& a, const QList<T>& b, const char* file, int line) {
    if (!QTest::qCompare(a.size(), b.size(), "size", "expected size", file, line)) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!QTest::qCompare(a[i], b[i], qPrintable(QString("element %1").arg(i)), "expected", file,
                             line))
            return false;
    return true;
}
#define CONFRONTA_NUMERI(a, b)                                                                     \
    do {                                                                                           \
        if (!Confronta_numeri(QList(a), QList(b), __FILE__, __LINE__)) return;                     \
    } while (false)

struct Banco_prova {
    static constexpr float Passo = 0.0625f;
    Sessione s;
    Vista_registratore vista;
    Motore_misura motore{s, QLocale(QLocale::English)};
    Banco_prova() { motore.Aggiungi_vista(vista); }
    Banco_prova(const Banco_prova&) = delete;

    // The start of an acquisition; `seriale` also records the samples.
    void Avvia(bool seriale = false) {
        s.Scheda.Collegamento = seriale ? Collegamento::Seriale : Collegamento::Nessuno;
        s.Memo_attivo = seriale;
        motore.Inizia_acquisizione();
        vista = Vista_registratore();
    }
    Stato_misura& m() { return motore.Stato(); }
    void Dato(double posizione, float velocita, float passo = Passo) {
        m().Tempo_corrente += passo;
        m().Tempo_analisi += double(passo);
        motore.Elabora_dati(posizione, velocita);
    }
    void Fermo(double posizione, int campioni) {
        for (int i = 0; i < campioni; ++i) Dato(posizione, 0);
    }
    // A steady movement from `da` (first sample) to `a` (last sample).
    void Movimento(double da, double a, float velocita, int campioni = 8) {
        for (int i = 0; i < campioni; ++i) Dato(da + (a - da) * i / (campioni - 1), velocita);
    }
    // A lift and the stop at its top, which ends the repetition after the first second.
    void Salita(double basso, double alto) {
        Movimento(basso, alto, 400);
        Dato(alto, 0);
    }
    void Discesa(double alto, double basso) {
        Movimento(alto, basso, -400);
        Fermo(basso, 4);
    }
    // Still past the first second, then the lift whose top is the first boundary.
    void Primo_sollevamento(double alto) {
        Fermo(0, 20);
        Salita(0, alto);
    }
    const Ripetizione& Rip(int i) const { return s.Ripetizioni.at(static_cast<std::size_t>(i)); }
};
