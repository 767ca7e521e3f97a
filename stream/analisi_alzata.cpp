#include "stream/analisi_alzata.h"

#include <algorithm>
#include <cmath>

namespace {

// Smoothing. Each record is an exact point of the bar's path (the moment it crossed a
// step), but the steps are coarse: 1 to 8 mm, so velocities from neighbouring records
// jump by tens of percent and their differences are useless as accelerations. At each
// record a parabola is fitted by least squares through the records within
// `Semi_finestra_s` of it, and at least `Vicini_minimi` on each side where the lift has
// them; its slope is the velocity and twice its curvature the acceleration there. A
// parabola over 40 ms (and five records at least) follows a lift's acceleration, which
// changes over a few hundred ms, without the step noise; it needs no even spacing; and at
// the two ends of the lift it uses only records of the lift, which is what finding the
// bottom and the top needs. Wider windows flatten the braking at the end of a fast lift
// and find its start late; a moving average of step velocities lags the same way, and a
// spline through the points follows their quantisation.
constexpr double Semi_finestra_s = 0.02;
constexpr std::size_t Vicini_minimi = 2;

struct Parabola {
    double v = 0, a = 0;
};

Parabola Adatta(std::span<const Punto_alzata> p, std::size_t i, std::size_t da, std::size_t a) {
    // Powers of (t - t_i): sums for the normal equations of x = c0 + c1 d + c2 d^2.
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0, y0 = 0, y1 = 0, y2 = 0;
    for (std::size_t j = da; j <= a; ++j) {
        const double d = p[j].t - p[i].t;
        const double y = p[j].x - p[i].x;
        const double d2 = d * d;
        s0 += 1;
        s1 += d;
        s2 += d2;
        s3 += d2 * d;
        s4 += d2 * d2;
        y0 += y;
        y1 += y * d;
        y2 += y * d2;
    }
    // Cramer's rule on the symmetric 3 x 3 system.
    const double det =
        s0 * (s2 * s4 - s3 * s3) - s1 * (s1 * s4 - s2 * s3) + s2 * (s1 * s3 - s2 * s2);
    if (std::fabs(det) < 1e-30) return {};
    const double d1 =
        s0 * (y1 * s4 - s3 * y2) - y0 * (s1 * s4 - s2 * s3) + s2 * (s1 * y2 - y1 * s2);
    const double d2 =
        s0 * (s2 * y2 - y1 * s3) - s1 * (s1 * y2 - y1 * s2) + y0 * (s1 * s3 - s2 * s2);
    return {d1 / det, 2.0 * d2 / det};
}

double Interpola(double t0, double y0, double t1, double y1, double t) {
    return t1 != t0 ? y0 + (y1 - y0) * (t - t0) / (t1 - t0) : y0;
}

} // namespace

Moto_levigato Leviga_moto(std::span<const Punto_alzata> p) {
    Moto_levigato m;
    const std::size_t n = p.size();
    m.v.assign(n, 0.0);
    m.a.assign(n, 0.0);
    if (n < 3) {
        if (n == 2 && p[1].t > p[0].t) m.v.assign(2, (p[1].x - p[0].x) / (p[1].t - p[0].t));
        return m;
    }
    std::size_t da = 0, a = 0;
    for (std::size_t i = 0; i < n; ++i) {
        while (da < i && p[i].t - p[da].t > Semi_finestra_s) ++da;
        if (a < i) a = i;
        while (a + 1 < n && p[a + 1].t - p[i].t <= Semi_finestra_s) ++a;
        std::size_t inizio = std::min(da, i >= Vicini_minimi ? i - Vicini_minimi : 0);
        std::size_t fine = std::max(a, std::min(n - 1, i + Vicini_minimi));
        // Three points at least, for a parabola.
        while (fine - inizio < 2) {
            if (inizio > 0) --inizio;
            if (fine - inizio < 2 && fine + 1 < n) ++fine;
        }
        const Parabola f = Adatta(p, i, inizio, fine);
        m.v[i] = f.v;
        m.a[i] = f.a;
    }
    return m;
}

Analisi_ripetizione Analizza_alzata(std::span<const Punto_alzata> p, double t_prima, double t_dopo,
                                    float carico) {
    Analisi_ripetizione r;
    const std::size_t n = p.size();
    if (n < 2 || p[n - 1].t <= p[0].t) return r;
    const Moto_levigato m = Leviga_moto(p);
    double passo = 0;
    for (std::size_t i = 1; i < n; ++i) passo = std::max(passo, std::fabs(p[i].x - p[i - 1].x));

    // The bottom: where the parabola fitted at the first record comes back to rest, no
    // earlier than the record before the lift and no lower than two steps (the slack of
    // the turn at the bottom).
    double t_inizio = p[0].t, x_inizio = p[0].x;
    if (m.v[0] > 0 && m.a[0] > 0) {
        const double dt = std::min(m.v[0] / m.a[0], std::max(0.0, p[0].t - t_prima));
        t_inizio -= dt;
        x_inizio -= std::min(2 * passo, m.v[0] * dt - m.a[0] * dt * dt / 2);
    }
    // The top, likewise from the last record, no later than the record that followed.
    double t_fine = p[n - 1].t, x_fine = p[n - 1].x;
    const double v_fine = m.v[n - 1], a_fine = m.a[n - 1];
    if (v_fine > 0 && a_fine < 0) {
        const double dt = std::min(v_fine / -a_fine, std::max(0.0, t_dopo - p[n - 1].t));
        t_fine += dt;
        x_fine += std::min(passo, v_fine * dt + a_fine * dt * dt / 2);
    }
    const double durata = t_fine - t_inizio;
    if (durata <= 0) return r;
    r.Vmedia = static_cast<float>((x_fine - x_inizio) / durata);

    // The propulsive part ends where, after the peak velocity, the bar first slows down
    // faster than gravity would: the lifter is no longer driving it.
    const std::size_t picco =
        static_cast<std::size_t>(std::max_element(m.v.begin(), m.v.end()) - m.v.begin());
    double t_prop = t_fine, x_prop = x_fine, v_prop = 0;
    for (std::size_t i = std::max<std::size_t>(picco, 1); i < n; ++i) {
        if (m.a[i] >= -Gravita_mm) continue;
        const double a0 = m.a[i - 1], a1 = m.a[i];
        const double t =
            a0 > -Gravita_mm ? Interpola(a0, p[i - 1].t, a1, p[i].t, -Gravita_mm) : p[i].t;
        t_prop = t;
        x_prop = Interpola(p[i - 1].t, p[i - 1].x, p[i].t, p[i].x, t);
        v_prop = Interpola(p[i - 1].t, m.v[i - 1], p[i].t, m.v[i], t);
        break;
    }
    const double durata_prop = t_prop - t_inizio;
    r.Durata_propulsiva = static_cast<float>(durata_prop);
    r.Vpropulsiva = durata_prop > 0 ? static_cast<float>((x_prop - x_inizio) / durata_prop) : 0;

    // Power = load x (g + a) x v. Its mean over the propulsive part is the work done on the
    // load (lifting it, and the speed it has at the end) over the time: no noise from the
    // acceleration, and exact for any shape of the velocity.
    const double kg = carico;
    if (kg > 0 && durata_prop > 0) {
        const double dx = (x_prop - x_inizio) / 1000.0, v = v_prop / 1000.0;
        r.Potenza_media = static_cast<float>(kg * (Gravita * dx + v * v / 2) / durata_prop);
        double massima = 0;
        for (std::size_t i = 0; i < n; ++i)
            massima = std::max(massima, kg * (Gravita + m.a[i] / 1000.0) * (m.v[i] / 1000.0));
        r.Potenza_max = static_cast<float>(massima);
    }
    return r;
}
