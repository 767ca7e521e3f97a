// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/prontezza.h"

#include "datafiles/scelte_analisi.h"
#include "log/diario.h"
#include "log/profilo_velocita.h"
#include "platform/file_intero.h"
#include "platform/file_limitato.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Loads are kept with one decimal: closer ones are the same load.
constexpr double Tolleranza_carico = 0.01;
constexpr int Giorni_profilo = 28;
constexpr double Passo_carico = 2.5;
const QString File_zone = QStringLiteral("/ini/zone_velocita.txt");

bool Stesso_carico(double a, double b) {
    return std::abs(a - b) < Tolleranza_carico;
}

// The exercise's tests with a time, oldest first.
std::vector<const Riga_test*> Test_esercizio(const std::vector<Riga_test>& test,
                                             const QString& esercizio) {
    std::vector<const Riga_test*> scelti;
    for (const Riga_test& t : test)
        if (t.quando.isValid() && Stesso_esercizio(t.esercizio, esercizio)) scelti.push_back(&t);
    std::stable_sort(scelti.begin(), scelti.end(),
                     [](const Riga_test* a, const Riga_test* b) { return Test_prima(*a, *b); });
    return scelti;
}

// The first test of every day at `carico`: the day's first set at that load.
std::map<QDate, const Riga_test*> Prime_serie(const std::vector<const Riga_test*>& scelti,
                                              double carico) {
    std::map<QDate, const Riga_test*> prime;
    for (const Riga_test* t : scelti)
        if (Stesso_carico(t->carico, carico)) prime.emplace(t->quando.date(), t);
    return prime;
}

} // namespace

std::optional<double> Carico_inizio_abituale(const std::vector<Riga_test>& test,
                                             const QString& esercizio) {
    const auto scelti = Test_esercizio(test, esercizio);
    // The load each day starts with, then how often and how lately each load did.
    std::map<QDate, double> inizi;
    for (const Riga_test* t : scelti) inizi.emplace(t->quando.date(), t->carico);
    std::vector<std::pair<double, std::pair<int, QDate>>> carichi;
    for (const auto& [giorno, carico] : inizi) {
        auto it = std::find_if(carichi.begin(), carichi.end(),
                               [c = carico](const auto& x) { return Stesso_carico(x.first, c); });
        if (it == carichi.end())
            carichi.push_back({carico, {1, giorno}});
        else
            it->second = {it->second.first + 1, giorno};
    }
    if (carichi.empty()) return std::nullopt;
    return std::max_element(carichi.begin(), carichi.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

std::optional<double> Carico_riferimento(const std::vector<Riga_test>& test,
                                         const QString& cartella_atleta, const QString& esercizio) {
    const float scelto = Leggi_scelte_analisi(cartella_atleta, esercizio).Carico_riferimento;
    if (scelto > 0) return double(scelto);
    return Carico_inizio_abituale(test, esercizio);
}

double Variazione_minima_rilevabile() {
    return 1.96 * std::sqrt(2.0) * Errore_tipico_velocita;
}

QString Testo_esito(Esito_prontezza esito) {
    switch (esito) {
    case Esito_prontezza::Nella_norma:
        return QCoreApplication::translate("Prontezza", "nella norma");
    case Esito_prontezza::Sopra:
        return QCoreApplication::translate("Prontezza", "sopra");
    case Esito_prontezza::Sotto:
        return QCoreApplication::translate("Prontezza", "sotto");
    case Esito_prontezza::Insufficiente:
        break;
    }
    return QCoreApplication::translate("Prontezza", "n.d.");
}

namespace {

Prontezza Prontezza_prime(const std::map<QDate, const Riga_test*>& prime, const QString& esercizio,
                          double carico, const QDate& giorno) {
    Prontezza p;
    p.esercizio = esercizio.simplified();
    p.giorno = giorno;
    p.carico = carico;
    const auto oggi = prime.find(giorno);
    if (oggi != prime.end()) p.velocita = Velocita_migliore(*oggi->second);
    for (auto it = prime.lower_bound(giorno); it != prime.begin();) {
        --it;
        if (const auto v = Velocita_migliore(*it->second))
            p.precedenti.insert(p.precedenti.begin(), *v);
        if (int(p.precedenti.size()) == Sedute_riferimento) break;
    }
    if (p.precedenti.empty()) return p;
    double somma = 0;
    for (double v : p.precedenti) somma += v;
    p.media = somma / double(p.precedenti.size());
    double scarti = 0;
    for (double v : p.precedenti) scarti += (v - p.media) * (v - p.media);
    if (p.precedenti.size() > 1) p.deviazione = std::sqrt(scarti / double(p.precedenti.size() - 1));
    p.cambiamento_minimo = Fattore_cambiamento_minimo * p.deviazione;
    p.soglia = std::max(p.cambiamento_minimo, Variazione_minima_rilevabile());
    if (!p.velocita) return p;
    p.variazione = *p.velocita - p.media;
    if (int(p.precedenti.size()) < Sedute_minime_prontezza) return p;
    if (std::abs(p.variazione) <= p.soglia)
        p.esito = Esito_prontezza::Nella_norma;
    else
        p.esito = p.variazione > 0 ? Esito_prontezza::Sopra : Esito_prontezza::Sotto;
    return p;
}

} // namespace

Prontezza Prontezza_giorno(const std::vector<Riga_test>& test, const QString& esercizio,
                           double carico, const QDate& giorno) {
    return Prontezza_prime(Prime_serie(Test_esercizio(test, esercizio), carico), esercizio, carico,
                           giorno);
}

std::vector<Prontezza> Prontezze_esercizio(const std::vector<Riga_test>& test,
                                           const QString& esercizio, double carico) {
    const auto prime = Prime_serie(Test_esercizio(test, esercizio), carico);
    std::vector<Prontezza> prontezze;
    for (const auto& [giorno, t] : prime)
        prontezze.push_back(Prontezza_prime(prime, esercizio, carico, giorno));
    return prontezze;
}

QList<Zona_velocita> Leggi_zone_velocita(const QString& cartella_dati) {
    QList<Zona_velocita> zone;
    QByteArray testo;
    const QString file = cartella_dati + File_zone;
    if (QFileInfo::exists(file) && !Leggi_file_limitato(file, testo)) {
        for (const QByteArray& riga : testo.split('\n')) {
            const QStringList campi = QString::fromUtf8(riga).trimmed().split(QLatin1Char(';'));
            if (campi.size() != 3 || campi[0].trimmed().isEmpty()) continue;
            const auto minima = Numero_digitato(campi[1]);
            const auto massima = Numero_digitato(campi[2]);
            if (!minima || !massima || !(*minima > 0) || !(*massima > *minima) || *massima > 5)
                continue;
            zone.append({campi[0].trimmed(), *minima, *massima});
        }
        if (!zone.isEmpty()) return zone;
    }
    return {{QCoreApplication::translate("Prontezza", "Forza massima"), 0.15, 0.50},
            {QCoreApplication::translate("Prontezza", "Forza"), 0.50, 0.75},
            {QCoreApplication::translate("Prontezza", "Forza-velocità"), 0.75, 1.00},
            {QCoreApplication::translate("Prontezza", "Velocità-forza"), 1.00, 1.30},
            {QCoreApplication::translate("Prontezza", "Velocità"), 1.30, 1.80}};
}

std::optional<QString> Salva_zone_velocita(const QString& cartella_dati,
                                           const QList<Zona_velocita>& zone) {
    QString testo;
    for (const Zona_velocita& z : zone) {
        QString nome = z.nome.simplified();
        nome.replace(QLatin1Char(';'), QLatin1Char(','));
        testo += nome + QLatin1Char(';') + Formatta(z.minima, "0.00", QLocale::c()) +
                 QLatin1Char(';') + Formatta(z.massima, "0.00", QLocale::c()) + QLatin1Char('\n');
    }
    return Scrivi_file_intero(cartella_dati + File_zone, testo.toUtf8());
}

double Arrotonda_carico(double kg) {
    return std::round(kg / Passo_carico) * Passo_carico;
}

std::vector<Riga_test> Test_profilo_corrente(const std::vector<Riga_test>& test,
                                             const QString& esercizio) {
    const auto scelti = Test_esercizio(test, esercizio);
    std::vector<Riga_test> corrente;
    if (scelti.empty()) return corrente;
    const QDate ultimo = scelti.back()->quando.date();
    for (const Riga_test* t : scelti)
        if (t->quando.date().daysTo(ultimo) < Giorni_profilo && Velocita_migliore(*t))
            corrente.push_back(*t);
    return corrente;
}

Carico_oggi Calcola_carico_oggi(const std::vector<Riga_test>& test, const V1rm_atleta& v1rm,
                                const QString& esercizio, double minima, double massima) {
    Carico_oggi c;
    c.esercizio = esercizio.simplified();
    c.velocita_minima = std::min(minima, massima);
    c.velocita_massima = std::max(minima, massima);
    Profilo_velocita profilo;
    profilo.esercizio = c.esercizio;
    for (const Riga_test& t : Test_profilo_corrente(test, esercizio)) {
        Test_salvato p;
        p.file = t.file_sommario;
        p.esercizio = t.esercizio;
        p.carico = t.carico;
        p.velocita = *Velocita_migliore(t);
        profilo.punti.push_back(p);
        if (std::none_of(profilo.punti.begin(), profilo.punti.end() - 1,
                         [&p](const Test_salvato& q) { return Stesso_carico(q.carico, p.carico); }))
            ++c.carichi;
    }
    if (c.carichi < 2) {
        c.rifiuto = QCoreApplication::translate(
                        "Prontezza", "Il profilo attuale di \"%1\" ha meno di due carichi: servono "
                                     "test con almeno due carichi diversi nelle ultime quattro "
                                     "settimane.")
                        .arg(c.esercizio);
        return c;
    }
    profilo.retta = Retta_minimi_quadrati(profilo.punti);
    Stima_e1rm(profilo, v1rm.v1rm, QLocale::c());
    c.v1rm = v1rm.v1rm;
    c.mvt = v1rm.mvt.has_value();
    if (!profilo.retta || profilo.retta->pendenza >= 0) {
        c.rifiuto = profilo.rifiuto.isEmpty()
                        ? QCoreApplication::translate(
                              "Prontezza", "La velocità non cala al crescere del carico.")
                        : profilo.rifiuto;
        return c;
    }
    const Retta_profilo& r = *profilo.retta;
    const auto Carico = [&r](double v) {
        return std::max(0.0, Arrotonda_carico((v - r.intercetta) / r.pendenza));
    };
    c.carico_minimo = Carico(c.velocita_massima);
    c.carico_massimo = Carico(c.velocita_minima);
    c.e1rm = profilo.e1rm;
    c.errore_e1rm = profilo.errore_e1rm;
    c.r2 = r.r2;
    c.ampiezza = profilo.ampiezza_carichi;
    if (c.e1rm && *c.e1rm > 0) {
        c.limitato_e1rm = c.carico_massimo > *c.e1rm;
        c.carico_minimo = std::min(c.carico_minimo, *c.e1rm);
        c.carico_massimo = std::min(c.carico_massimo, *c.e1rm);
        c.percento_minimo = c.carico_minimo / *c.e1rm * 100.0;
        c.percento_massimo = c.carico_massimo / *c.e1rm * 100.0;
    }
    return c;
}
