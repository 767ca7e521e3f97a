// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/accuratezza.h"

#include "cli/replay.h"
#include "stream/analisi_alzata.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include <cmath>
#include <memory>
#include <numbers>

Moto_alzata Moto_vero(double a, double t, double kg) {
    const double pi = std::numbers::pi;
    // x = a/2 (1 - cos(pi s/t)): its velocity peaks half-way, its deceleration at the top.
    const double frenata = a * pi * pi / (2 * t * t);
    double tp = t;
    if (frenata > Gravita_mm) tp = t / pi * std::acos(-Gravita_mm / frenata);
    const double xp = a / 2 * (1 - std::cos(pi * tp / t));
    const double vp = a * pi / (2 * t) * std::sin(pi * tp / t);
    const double potenza = kg * (Gravita * xp / 1000 + vp * vp / 2e6) / tp;
    return {a / t, xp / tp, tp, potenza, a * pi / (2 * t)};
}

void Errore_velocita::Aggiungi(double errore) {
    somma += errore;
    if (std::abs(errore) > std::abs(massimo)) massimo = errore;
    ++n;
}

void Errore_velocita::Aggiungi(const Errore_velocita& altro) {
    somma += altro.somma;
    if (std::abs(altro.massimo) > std::abs(massimo)) massimo = altro.massimo;
    n += altro.n;
}

Esito_accuratezza Misura_accuratezza(const Prova_accuratezza& prova) {
    const double a = prova.ampiezza_mm;
    const double durata = a / prova.velocita_mm_s;
    const double passo = Calibrazione_tipo(prova.tipo_scheda).Mm_per_conteggio;
    // The unracking lift (no row), then each lift from a bottom a fraction of a step lower
    // than the last one's, after a hold of another length: the lifts cross the steps and
    // the board's clock at different phases.
    Copione c;
    c.posizione_iniziale_mm = 100;
    c.Fermo(1.5).Salita(a, 0.8).Fermo(1.5);
    for (int i = 0; i < prova.ripetizioni; ++i)
        c.Discesa(a + passo * 0.37, 1.2).Fermo(0.2 + 0.053 * i).Salita(a, durata).Fermo(1.5);
    c.Fermo(9); // an HID board's last report holds the last lift's end
    std::vector<Record_scheda> record;
    Flusso_copione(c, prova.tipo_scheda, prova.collegamento).Tutti(record);

    Opzioni_replay o;
    o.collegamento = prova.collegamento;
    o.tipo_scheda = prova.tipo_scheda;
    o.ampiezza_minima = 100;
    o.carico = 80;
    o.vmax = 1000;
    o.limite_sup = 110;
    o.limite_inf = 90;
    o.locale = QLocale::c();
    const auto r = std::make_unique<Riproduzione>(o);
    r->Esegui(Byte_cattura(record, prova.collegamento));

    const Moto_alzata vero = Moto_vero(a, durata, 0);
    Esito_accuratezza esito;
    esito.frenata = vero.Frena();
    const auto& analisi = r->Analisi();
    esito.righe = int(analisi.size());
    for (std::size_t i = 0; i < analisi.size(); ++i) {
        const Ripetizione& rip = r->Stato().Ripetizioni.at(i + 1);
        esito.vmedia.Aggiungi(double(analisi[i].Vmedia) - vero.vmedia);
        esito.vpropulsiva.Aggiungi(double(analisi[i].Vpropulsiva) - vero.vpropulsiva);
        esito.vpicco.Aggiungi(double(rip.Vmax_conc) - vero.vpicco);
        esito.vmedia_tabella.Aggiungi(double(rip.Vmedia_conc) - vero.vmedia);
    }
    return esito;
}
