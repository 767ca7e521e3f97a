// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/analisi_alzata.h"

#include <algorithm>
#include <cmath>

namespace {

// Smoothing. Each record is an exact point of the bar's path (the moment it crossed a
// step, timed by the board's clock), but the steps are coarse: 1 to 8 mm, a few ms
// apart, so velocities from neighbouring records jump by tens of percent and their
// differences are useless as accelerations. The error is in the short baseline, not in
// the points: so the velocity and acceleration at a record are those of the parabola
// through it and the records about `Base_s` before and after it. Over 15 ms on each side
// the step quantisation is a few percent of the distance travelled, while a lift's
// acceleration, which changes over a few hundred ms, is still followed. At the two ends
// of the lift the parabola goes through the end record and two records about
// `Base_estremi_s` apart on the inner side: only records of the lift, which is what
// finding the bottom and the top needs, over a shorter span because the motion turns
// there. Longer baselines, or least-squares fits over windows of the same width, flatten
// the braking at the end of a fast lift (tried: up to 4 % off the propulsive velocity of
// the test lifts); a moving average of step velocities lags; and the parabola needs no
// even spacing and costs a handful of operations per record.
constexpr double Base_s = 0.015;
constexpr double Base_estremi_s = 0.01;

struct Parabola {
    double v = 0, a = 0;
};

// The parabola through records a < b < c of `p`, its slope and curvature at time t.
Parabola Per_tre_punti(std::span<const Punto_alzata> p, std::size_t a, std::size_t b, std::size_t c,
                       double t) {
    const Punto_alzata &pa = p[a], &pb = p[b], &pc = p[c];
    if (!(pb.t > pa.t && pc.t > pb.t)) return {};
    const double f1 = (pb.x - pa.x) / (pb.t - pa.t);
    const double f2 = (pc.x - pb.x) / (pc.t - pb.t);
    const double c2 = (f2 - f1) / (pc.t - pa.t);
    return {f1 + c2 * (2 * t - pa.t - pb.t), 2 * c2};
}

// The smoothed motion is evaluated at records at least this far apart.
constexpr double Passo_valutazione_s = 0.008;

double Interpola(double t0, double y0, double t1, double y1, double t) {
    return t1 != t0 ? y0 + (y1 - y0) * (t - t0) / (t1 - t0) : y0;
}

struct Punto_levigato {
    double t = 0, x = 0, v = 0, a = 0;
};

// The smoothed motion at the lift's records, told to `punto(t, x, v, a)` in order (v in
// mm/s, a in mm/s^2). Taken at records at least Passo_valutazione_s apart (the first and
// the last always): closer ones add nothing a 40 ms smoothing could show, and would only
// cost time on a fast link.
template <typename Punto> void Leviga_moto(std::span<const Punto_alzata> p, Punto&& punto) {
    const std::size_t n = p.size();
    if (n < 3) {
        const double v = n == 2 && p[1].t > p[0].t ? (p[1].x - p[0].x) / (p[1].t - p[0].t) : 0;
        for (const Punto_alzata& q : p) punto(q.t, q.x, v, 0.0);
        return;
    }
    // The first record at least `d` after record i (or the last one), and the last at
    // least `d` before it (or the first one).
    const auto dopo = [&](std::size_t i, double d) {
        std::size_t j = i + 1;
        while (j + 1 < n && p[j].t < p[i].t + d) ++j;
        return j;
    };
    const auto prima = [&](std::size_t i, double d) {
        std::size_t j = i - 1;
        while (j > 0 && p[j].t > p[i].t - d) --j;
        return j;
    };
    {
        const std::size_t b = dopo(0, Base_estremi_s);
        const Parabola f = Per_tre_punti(p, 0, b, b + 1 < n ? dopo(b, Base_estremi_s) : b, p[0].t);
        punto(p[0].t, p[0].x, f.v, f.a);
    }
    std::size_t sinistro = 0, destro = 1;
    double ultimo = p[0].t;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        if (p[i].t - ultimo < Passo_valutazione_s) continue;
        ultimo = p[i].t;
        while (sinistro + 1 < i && p[sinistro + 1].t <= p[i].t - Base_s) ++sinistro;
        if (destro <= i) destro = i + 1;
        while (destro + 1 < n && p[destro].t < p[i].t + Base_s) ++destro;
        const Parabola f = Per_tre_punti(p, sinistro, i, destro, p[i].t);
        punto(p[i].t, p[i].x, f.v, f.a);
    }
    const std::size_t i = n - 1;
    const std::size_t b = prima(i, Base_estremi_s);
    const Parabola f = Per_tre_punti(p, b > 0 ? prima(b, Base_estremi_s) : b, b, i, p[i].t);
    punto(p[i].t, p[i].x, f.v, f.a);
}

} // namespace

Analisi_ripetizione Analizza_alzata(std::span<const Punto_alzata> p, double t_prima, double t_dopo,
                                    float carico) {
    Analisi_ripetizione r;
    const std::size_t n = p.size();
    if (n < 2 || p[n - 1].t <= p[0].t) return r;
    const double kg = carico;

    // One pass over the smoothed motion: its first and last points, and what the
    // propulsive part and the power need. The propulsive part ends where, after the peak
    // velocity, the bar first slows down faster than gravity would: the lifter is no longer
    // driving it. A higher peak later starts that search again from itself.
    Punto_levigato primo, precedente;
    bool inizio = true;
    double picco = 0;
    bool fine_propulsiva = false;
    double t_prop = 0, x_prop = 0, v_prop = 0;
    // Power = load x (g + a) x v.
    double massima = 0;
    Leviga_moto(p, [&](double t, double x, double v, double a) {
        if (kg > 0) massima = std::max(massima, kg * (Gravita + a / 1000.0) * (v / 1000.0));
        const Punto_levigato q{t, x, v, a};
        if (inizio) {
            inizio = false;
            primo = q;
            picco = v;
        } else {
            if (v > picco) {
                picco = v;
                fine_propulsiva = false;
            }
            if (!fine_propulsiva && !(a >= -Gravita_mm)) {
                const Punto_levigato& q0 = precedente;
                t_prop = q0.a > -Gravita_mm ? Interpola(q0.a, q0.t, a, t, -Gravita_mm) : t;
                x_prop = Interpola(q0.t, q0.x, t, x, t_prop);
                v_prop = Interpola(q0.t, q0.v, t, v, t_prop);
                fine_propulsiva = true;
            }
        }
        precedente = q;
    });
    const Punto_levigato& ultimo = precedente;
    // A record's step: the board sends one each time the bar has moved the same distance.
    const double passo = std::max(std::fabs(p[1].x - p[0].x), std::fabs(p[n - 1].x - p[n - 2].x));

    // The bottom: where the parabola fitted at the first record comes back to rest, no
    // earlier than the record before the lift and no lower than two steps (the slack of
    // the turn at the bottom).
    double t_inizio = p[0].t, x_inizio = p[0].x;
    if (primo.v > 0 && primo.a > 0) {
        const double dt = std::min(primo.v / primo.a, std::max(0.0, p[0].t - t_prima));
        t_inizio -= dt;
        x_inizio -= std::min(2 * passo, primo.v * dt - primo.a * dt * dt / 2);
    }
    // The top, likewise from the last record, no later than the record that followed.
    double t_fine = p[n - 1].t, x_fine = p[n - 1].x;
    const double v_fine = ultimo.v, a_fine = ultimo.a;
    if (v_fine > 0 && a_fine < 0) {
        const double dt = std::min(v_fine / -a_fine, std::max(0.0, t_dopo - p[n - 1].t));
        t_fine += dt;
        x_fine += std::min(passo, v_fine * dt + a_fine * dt * dt / 2);
    }
    const double durata = t_fine - t_inizio;
    if (durata <= 0) return r;
    r.Vmedia = static_cast<float>((x_fine - x_inizio) / durata);

    if (!fine_propulsiva) {
        t_prop = t_fine;
        x_prop = x_fine;
        v_prop = 0;
    }
    const double durata_prop = t_prop - t_inizio;
    r.Durata_propulsiva = static_cast<float>(durata_prop);
    r.Vpropulsiva = durata_prop > 0 ? static_cast<float>((x_prop - x_inizio) / durata_prop) : 0;

    // The mean power over the propulsive part is the work done on the load (lifting it,
    // and the speed it has at the end) over the time: no noise from the acceleration, and
    // exact for any shape of the velocity.
    if (kg > 0 && durata_prop > 0) {
        const double dx = (x_prop - x_inizio) / 1000.0, v = v_prop / 1000.0;
        r.Potenza_media = static_cast<float>(kg * (Gravita * dx + v * v / 2) / durata_prop);
        r.Potenza_max = static_cast<float>(massima);
    }
    return r;
}
