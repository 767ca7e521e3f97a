// SPDX-License-Identifier: GPL-3.0-or-later
// How close the engine's velocities are to the bar's true motion: half-cosine lifts at
// mean velocities from 0.15 to 1.50 m/s, of 200, 400 and 700 mm (so that at one velocity
// the shorter lifts end braking harder than gravity and the longer ones do not), on every
// board type and both links, through the board's records and the replay. Prints, per
// velocity and link and apart for the lifts that brake, the bias (mean error) and the
// largest error of the lift's mean velocity, the mean propulsive velocity, the peak
// velocity and the table's mean concentric velocity, in m/s. Not a test: the figures of
// docs/accuratezza.md.
//
//   bench_accuratezza [repetitions per set, default 6] [--tipi]
//
// --tipi also prints each board type's rows.

#include "cli/accuratezza.h"

#include <QCoreApplication>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::array Velocita{150.0, 200.0, 300.0, 500.0, 750.0, 1000.0, 1250.0, 1500.0};
constexpr std::array Ampiezze{200.0, 400.0, 700.0};

// The mean velocity's goal: a bias of at most 0.01 m/s, no error beyond 0.02 m/s.
bool Nel_limite(const Errore_velocita& e) {
    return std::abs(e.Bias()) <= 10 && std::abs(e.massimo) <= 20;
}

struct Somma {
    Esito_accuratezza e;
    int ripetizioni = 0, prove = 0;
    bool entro = true; // every set within the goal
    void Aggiungi(const Esito_accuratezza& x, int attese) {
        e.vmedia.Aggiungi(x.vmedia);
        e.vpropulsiva.Aggiungi(x.vpropulsiva);
        e.vpicco.Aggiungi(x.vpicco);
        e.vmedia_tabella.Aggiungi(x.vmedia_tabella);
        e.righe += x.righe;
        ripetizioni += attese;
        ++prove;
        entro = entro && Nel_limite(x.vmedia);
    }
};

void Colonna(const Errore_velocita& e) {
    std::printf("  %+7.4f %+7.4f", e.Bias() / 1000, e.massimo / 1000);
}

void Riga(double v, const char* collegamento, const std::string& lift, bool frenata,
          const Somma& s) {
    if (s.prove == 0) return;
    if (v > 0)
        std::printf("%5.2f", v / 1000);
    else
        std::printf("  all");
    std::printf("  %-6s %-9s %-3s %3d/%-3d", collegamento, lift.c_str(), frenata ? "yes" : "no",
                s.e.righe, s.ripetizioni);
    Colonna(s.e.vmedia);
    std::printf(" %-2s", s.entro ? "ok" : "--");
    Colonna(s.e.vpropulsiva);
    Colonna(s.e.vpicco);
    Colonna(s.e.vmedia_tabella);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int ripetizioni = 6;
    bool per_tipo = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tipi") == 0)
            per_tipo = true;
        else
            ripetizioni = std::max(1, std::atoi(argv[i]));
    }
    std::printf("m/s: bias (mean error) and largest error, measured - true; rows: lifts "
                "listed / lifts made; ok: the mean velocity within 0.01 (bias) and 0.02 on every "
                "board type\n");
    std::printf("%-5s  %-6s %-9s %-3s %-7s  %-18s  %-15s  %-15s  %-15s\n", "v", "link", "lift",
                "brk", "rows", "mean velocity", "propulsive", "peak", "table mean");
    Somma totale[2];
    for (const double v : Velocita)
        for (const Collegamento l : {Collegamento::Seriale, Collegamento::Hid}) {
            const char* nome = l == Collegamento::Seriale ? "serial" : "HID";
            for (const double a : Ampiezze) {
                Somma tutti, tipi[3];
                bool frenata = false;
                for (int tipo = 1; tipo <= 3; ++tipo) {
                    const Esito_accuratezza e = Misura_accuratezza({v, a, tipo, l, ripetizioni});
                    frenata = e.frenata;
                    tutti.Aggiungi(e, ripetizioni);
                    tipi[tipo - 1].Aggiungi(e, ripetizioni);
                    totale[l == Collegamento::Hid].Aggiungi(e, ripetizioni);
                }
                const std::string mm = std::to_string(int(a)) + " mm";
                Riga(v, nome, mm, frenata, tutti);
                if (per_tipo)
                    for (int tipo = 1; tipo <= 3; ++tipo)
                        Riga(v, nome, mm + " t" + std::to_string(tipo), frenata, tipi[tipo - 1]);
            }
        }
    Riga(0, "serial", "all", false, totale[0]);
    Riga(0, "HID", "all", false, totale[1]);
    return 0;
}
