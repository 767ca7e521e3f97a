// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/esempio_storico.h"

#include "datafiles/salva_serie.h"
#include "log/prontezza.h"
#include "platform/file_privati.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

namespace {

constexpr double Passo_s = 0.02;    // one recorded sample every 20 ms
constexpr double Ampiezza_mm = 450; // the bar's travel
constexpr double Discesa_s = 1.4;
constexpr double Pausa_s = 1.0;

// The samples of the set: per repetition a lowering, a hold, a lift at the chosen mean
// velocity and a hold, each a half cosine.
void Campioni_serie(const std::vector<double>& vmedie, std::deque<Campione>& campioni) {
    double t = 0, posizione = 600;
    const auto Aggiungi = [&](double nuova) {
        Campione c;
        c.dt = float(Passo_s);
        t += Passo_s;
        c.Tempo = float(t);
        c.Velocita = float((nuova - posizione) / Passo_s);
        c.Posizione = float(nuova);
        posizione = nuova;
        campioni.push_back(c);
    };
    const auto Tratto = [&](double spostamento, double durata) {
        const double inizio = posizione;
        const int passi = std::max(1, int(std::lround(durata / Passo_s)));
        for (int i = 1; i <= passi; ++i)
            Aggiungi(inizio + spostamento * (1 - std::cos(std::numbers::pi * i / passi)) / 2);
    };
    Tratto(0, Pausa_s);
    for (double v : vmedie) {
        Tratto(-Ampiezza_mm, Discesa_s);
        Tratto(0, 0.2);
        Tratto(Ampiezza_mm, Ampiezza_mm / std::max(v, 50.0));
        Tratto(0, Pausa_s);
    }
}

// The mean propulsive velocity (mm/s) of one of those lifts at mean velocity `v`: the lift
// until the bar slows down faster than gravity would stop it, all of it when it never does.
double Vpropulsiva_alzata(double v) {
    constexpr double g = 9810, pi = std::numbers::pi; // mm/s²
    const double durata = Ampiezza_mm / v;
    const double frenata = Ampiezza_mm * pi * pi / (2 * durata * durata); // the highest
    if (frenata <= g) return v;
    const double fine = durata / pi * std::acos(-g / frenata);
    return Ampiezza_mm * (1 - std::cos(pi * fine / durata)) / 2 / fine;
}

} // namespace

std::optional<QString> Scrivi_test_storico(const QString& cartella_dati, const QString& squadra,
                                           const QString& atleta, const Test_esempio& test,
                                           QString* file_campioni) {
    const QString cartella = cartella_dati + QLatin1Char('/') + squadra + QLatin1Char('/') + atleta;
    if (Crea_cartella_privata(cartella))
        return QCoreApplication::translate("Esempio_storico", "Impossibile creare la cartella %1")
            .arg(QDir::toNativeSeparators(cartella));
    Sessione s;
    Dati_esercizio_t& d = s.Serie.Dati_esercizio;
    d.Atleta = atleta;
    d.Squadra = squadra;
    d.Esercizio = test.esercizio;
    d.Carico = float(test.carico);
    d.Vmax = 1000;
    d.Limite_sup = 110;
    d.Limite_inf = 80;
    d.Ampiezza_minima = 100;
    d.Cartella_dati = cartella;
    s.Dati_esercizio = d;
    s.Cartella_applicazione = cartella_dati;
    s.Serie.Tipo_scheda = 3;
    s.Serie.Inizio = test.quando;
    s.Serie.Rpe = test.rpe;
    s.Serie.Nota = test.nota;
    s.Serie.Escluse = test.escluse;
    Campioni_serie(test.vmedie, s.Campioni);

    Lista_valori lista;
    std::vector<Analisi_ripetizione> analisi;
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    double inizio = Pausa_s;
    float migliore = 0;
    for (std::size_t i = 0; i < test.vmedie.size(); ++i) {
        const double v = test.vmedie[i];
        Ripetizione r;
        r.Tempo_inizio = float(inizio);
        r.Durata_ecc = float(Discesa_s);
        r.Spost_ecc = float(Ampiezza_mm);
        r.Vmedia_ecc = float(-Ampiezza_mm / Discesa_s);
        r.Vmax_ecc = float(-Ampiezza_mm / Discesa_s * std::numbers::pi / 2);
        // The table's positive phase runs on through the pause at the top.
        r.Durata_conc = float(Ampiezza_mm / v + Pausa_s);
        r.Spost_conc = float(Ampiezza_mm);
        r.Vmedia_conc = float(Ampiezza_mm) / r.Durata_conc;
        r.Vmax_conc = float(v * std::numbers::pi / 2);
        r.TdiVmax_conc = float(Ampiezza_mm / v / 2);
        r.SdiVmax_conc = float(Ampiezza_mm / 2);
        r.Durata_totale = float(Discesa_s + 0.2 + Ampiezza_mm / v + Pausa_s);
        inizio += double(r.Durata_totale);
        lista.Aggiungi(Lista_valori::Formatta_riga(r, int(i), locale));

        Analisi_ripetizione a;
        a.Vmedia = float(i < test.valzata.size() ? test.valzata[i] : v);
        a.Vpropulsiva =
            float(i < test.vpropulsive.size() ? test.vpropulsive[i] : Vpropulsiva_alzata(v));
        a.Durata_propulsiva = float(Ampiezza_mm / a.Vpropulsiva);
        a.Potenza_media = float(test.carico * 9.81 * a.Vpropulsiva / 1000);
        a.Potenza_max = a.Potenza_media * 1.6f;
        a.Esclusa = test.escluse.count(int(i) + 1) > 0;
        if (!a.Esclusa) migliore = std::max(migliore, a.Vpropulsiva);
        a.Perdita = migliore > 0 ? std::max(0.0f, (migliore - a.Vpropulsiva) / migliore * 100) : 0;
        analisi.push_back(a);
    }
    const Esito_serie esito =
        Salva_serie(s, lista, test.analisi ? &analisi : nullptr, locale, test.quando);
    if (!esito.Riuscito()) return *esito.errore;
    if (file_campioni) *file_campioni = esito.campioni;
    return std::nullopt;
}

std::optional<QString> Scrivi_storico_esempio(const QString& cartella_dati, const QString& squadra,
                                              const QString& atleta, const QDateTime& adesso,
                                              unsigned seme, int* scritti) {
    struct Esercizio {
        const char* nome;
        double carico_inizio;        // kg, the usual first load
        std::vector<double> salti;   // kg added set after set
        double intercetta, pendenza; // m/s and m/s per kg of the athlete's profile
    };
    // The names and notes a coach would type, in the operator's language.
    const std::vector<Esercizio> esercizi{
        {QT_TRANSLATE_NOOP("Esempio_storico", "Squat"), 80, {0, 20, 20, 10}, 1.55, -0.0090},
        {QT_TRANSLATE_NOOP("Esempio_storico", "Panca piana"), 60, {0, 10, 10, 5}, 1.35, -0.0110},
        {QT_TRANSLATE_NOOP("Esempio_storico", "Stacco"), 100, {0, 20, 20}, 1.25, -0.0060},
    };
    QStringList note;
    for (const char* nota : {QT_TRANSLATE_NOOP("Esempio_storico", "buona tecnica"),
                             QT_TRANSLATE_NOOP("Esempio_storico", "schiena stanca"),
                             QT_TRANSLATE_NOOP("Esempio_storico", "ottima giornata"),
                             QT_TRANSLATE_NOOP("Esempio_storico", "poco sonno")})
        note << QCoreApplication::translate("Esempio_storico", nota);
    // The athlete's name goes into the seed: the athletes of a team differ, and one athlete
    // comes out the same every time.
    std::uint32_t nome = 2166136261u; // FNV-1a of the name's UTF-8
    for (const char c : atleta.toUtf8()) nome = (nome ^ std::uint8_t(c)) * 16777619u;
    std::seed_seq semi{seme, unsigned(nome)};
    std::mt19937 caso(semi);
    std::normal_distribution<double> rumore(0, 0.025);
    std::uniform_int_distribution<int> dado(0, 99);
    // How strong the athlete is: the loads scale with it, the velocities at them do not.
    const double forza = std::uniform_real_distribution<double>(0.8, 1.2)(caso);
    int n = 0;
    // Monday, Wednesday and Friday of the last four weeks, going on to today.
    const QDate oggi = adesso.date();
    QDate giorno = oggi.addDays(-27);
    int sessione = 0;
    for (; giorno <= oggi; giorno = giorno.addDays(1)) {
        const int dow = giorno.dayOfWeek();
        if (dow != 1 && dow != 3 && dow != 5) continue;
        QDateTime ora(giorno, QTime(17, 30));
        if (ora > adesso) break;
        // Two exercises a session, taking turns; the form of the day moves every velocity.
        const double forma = rumore(caso);
        for (int k = 0; k < 2; ++k) {
            const Esercizio& e = esercizi[std::size_t((sessione + k) % int(esercizi.size()))];
            // Every session starts at the usual load, as readiness wants it; the sets after
            // it grow by 2.5 kg every four sessions.
            const double inizio = Arrotonda_carico(e.carico_inizio * forza);
            double carico = inizio + 2.5 * (sessione / 4);
            for (std::size_t serie = 0; serie < e.salti.size(); ++serie) {
                carico += e.salti[serie];
                Test_esempio t;
                t.esercizio = QCoreApplication::translate("Esempio_storico", e.nome);
                t.carico = serie == 0 ? inizio : carico;
                t.quando = ora;
                const double v =
                    std::max(0.15, e.intercetta + e.pendenza * t.carico / forza + forma);
                const int ripetizioni = t.carico > inizio + 30 ? 3 : 5;
                for (int r = 0; r < ripetizioni; ++r)
                    t.vmedie.push_back(std::round((v * (1 - 0.03 * r) + rumore(caso) / 3) * 1000));
                if (dado(caso) < 10) t.escluse.insert(ripetizioni);
                if (dado(caso) < 50) t.rpe = float(6 + dado(caso) % 9 * 0.5);
                if (dado(caso) < 20) t.nota = note[dado(caso) % note.size()];
                if (auto errore = Scrivi_test_storico(cartella_dati, squadra, atleta, t))
                    return errore;
                ++n;
                ora = ora.addSecs(240);
            }
        }
        ++sessione;
    }
    if (scritti) *scritti = n;
    return std::nullopt;
}
