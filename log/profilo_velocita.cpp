// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/profilo_velocita.h"

#include "datafiles/lettura_sommario.h"
#include "datafiles/salva_analisi.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

// Loads are written with one decimal: closer ones are the same load.
constexpr double Scarto_carico_minimo = 1e-6;

QString Nome_breve(const QString& file) {
    return QFileInfo(file).fileName();
}

} // namespace

bool Stesso_esercizio(const QString& a, const QString& b) {
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

Test_atleta Leggi_test_atleta(const QString& cartella_atleta) {
    Test_atleta risultato;
    risultato.cartella = cartella_atleta;
    const QString nativa = QDir::toNativeSeparators(cartella_atleta);
    const QFileInfo info(cartella_atleta);
    if (cartella_atleta.isEmpty() || !info.exists()) {
        risultato.errore =
            QCoreApplication::translate("Profilo_velocita", "La cartella \"%1\" non esiste.")
                .arg(nativa);
        return risultato;
    }
    if (!info.isDir()) {
        risultato.errore =
            QCoreApplication::translate("Profilo_velocita", "\"%1\" non è una cartella.")
                .arg(nativa);
        return risultato;
    }
    QDir cartella(cartella_atleta);
    if (!info.isReadable() || !cartella.isReadable()) {
        risultato.errore = QCoreApplication::translate("Profilo_velocita",
                                                       "Impossibile leggere la cartella \"%1\".")
                               .arg(nativa);
        return risultato;
    }
    const QFileInfoList file =
        cartella.entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    QHash<QByteArray, QString> letti; // a test's rows, the first file that holds them
    for (const QFileInfo& f : file) {
        const QString nome = f.absoluteFilePath();
        const Lettura_sommario lettura = Leggi_sommario(nome);
        if (lettura.esito == Lettura_sommario::Esito::Altro) continue;
        if (lettura.esito == Lettura_sommario::Esito::Danneggiato) {
            risultato.scartati << f.fileName() + QStringLiteral(": ") + lettura.difetto;
            continue;
        }
        // A copy under another name is the same test: one point, the first file's.
        const auto primo = letti.constFind(lettura.test.impronta);
        if (primo != letti.cend()) {
            risultato.scartati << QCoreApplication::translate("Profilo_velocita", "%1: copia di %2")
                                      .arg(f.fileName(), *primo);
            continue;
        }
        // The velocity is the one of the log: the table's mean holds the pause at the top
        // and is no stand-in. A test without it leaves the way open to a copy that has it.
        const QString analisi = Nome_file_analisi(nome);
        if (!QFileInfo::exists(analisi)) {
            risultato.scartati << QCoreApplication::translate(
                                      "Profilo_velocita", "%1: senza file di analisi, fuori dal "
                                                          "profilo")
                                      .arg(f.fileName());
            continue;
        }
        QString difetto;
        double minima = 0;
        const auto mpv = Leggi_vpropulsiva_analisi(analisi, difetto, &minima);
        if (!mpv || *mpv <= 0) {
            if (mpv)
                difetto =
                    QCoreApplication::translate("Profilo_velocita", "nessuna Vpropulsiva positiva");
            risultato.scartati << QCoreApplication::translate("Profilo_velocita",
                                                              "%1: %2 (test fuori dal profilo)")
                                      .arg(Nome_breve(analisi), difetto);
            continue;
        }
        letti.insert(lettura.test.impronta, f.fileName());
        Test_salvato test;
        test.file = nome;
        test.esercizio = lettura.test.esercizio;
        test.carico = lettura.test.carico;
        test.velocita = *mpv / 1000.0;
        test.velocita_minima = minima / 1000.0;
        risultato.test.push_back(test);
    }
    return risultato;
}

QStringList Esercizi_test(const Test_atleta& test) {
    QStringList esercizi;
    for (const Test_salvato& t : test.test) {
        const bool noto = std::any_of(esercizi.cbegin(), esercizi.cend(), [&](const QString& e) {
            return Stesso_esercizio(e, t.esercizio);
        });
        if (!noto) esercizi << t.esercizio;
    }
    std::sort(esercizi.begin(), esercizi.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return esercizi;
}

std::optional<Retta_profilo> Retta_minimi_quadrati(const std::vector<Test_salvato>& punti) {
    if (punti.size() < 2) return std::nullopt;
    const auto n = static_cast<double>(punti.size());
    double mx = 0, my = 0;
    for (const auto& p : punti) {
        mx += p.carico;
        my += p.velocita;
    }
    mx /= n;
    my /= n;
    double sxx = 0, sxy = 0, syy = 0;
    bool diversi = false;
    for (const auto& p : punti) {
        const double dx = p.carico - mx, dy = p.velocita - my;
        sxx += dx * dx;
        sxy += dx * dy;
        syy += dy * dy;
        diversi = diversi || std::fabs(p.carico - punti.front().carico) > Scarto_carico_minimo;
    }
    if (!diversi) return std::nullopt;
    Retta_profilo retta;
    retta.pendenza = sxy / sxx;
    retta.intercetta = my - retta.pendenza * mx;
    double residui = 0;
    for (const auto& p : punti) {
        const double r = p.velocita - (retta.intercetta + retta.pendenza * p.carico);
        residui += r * r;
    }
    retta.r2 = syy > 0 ? 1.0 - residui / syy : 0.0;
    retta.punti = static_cast<int>(punti.size());
    retta.carico_medio = mx;
    retta.sxx = sxx;
    if (punti.size() > 2) retta.scarto_residui = std::sqrt(residui / (n - 2));
    return retta;
}

Profilo_velocita Profilo_esercizio(const Test_atleta& test, const QString& esercizio, double v1rm,
                                   const QLocale& locale) {
    Profilo_velocita profilo;
    profilo.esercizio = esercizio.simplified();
    profilo.scartati = test.scartati;
    profilo.errore_cartella = test.errore;
    for (const Test_salvato& t : test.test)
        if (Stesso_esercizio(t.esercizio, esercizio)) profilo.punti.push_back(t);
    std::stable_sort(
        profilo.punti.begin(), profilo.punti.end(),
        [](const Test_salvato& a, const Test_salvato& b) { return a.carico < b.carico; });
    profilo.retta = Retta_minimi_quadrati(profilo.punti);
    Stima_e1rm(profilo, v1rm, locale);
    return profilo;
}

void Stima_e1rm(Profilo_velocita& profilo, double v1rm, const QLocale& locale) {
    profilo.v1rm = v1rm;
    profilo.e1rm.reset();
    profilo.errore_e1rm.reset();
    profilo.avvisi.clear();
    profilo.mvt.reset();
    profilo.rifiuto.clear();
    std::vector<double> carichi;
    for (const Test_salvato& p : profilo.punti)
        if (std::none_of(carichi.cbegin(), carichi.cend(), [&p](double c) {
                return std::fabs(c - p.carico) <= Scarto_carico_minimo;
            }))
            carichi.push_back(p.carico);
    profilo.carichi_distinti = static_cast<int>(carichi.size());
    const auto [leggero, pesante] = std::minmax_element(carichi.cbegin(), carichi.cend());
    profilo.ampiezza_carichi = carichi.empty() ? 0.0 : *pesante - *leggero;
    if (!profilo.errore_cartella.isEmpty()) {
        profilo.rifiuto = profilo.errore_cartella;
        return;
    }
    if (profilo.punti.empty() && profilo.esercizio.isEmpty()) {
        profilo.rifiuto = QCoreApplication::translate("Profilo_velocita",
                                                      "Nessun test salvato in questa cartella.");
        return;
    }
    if (profilo.punti.empty()) {
        profilo.rifiuto = QCoreApplication::translate("Profilo_velocita",
                                                      "Nessun test di \"%1\" in questa cartella.")
                              .arg(profilo.esercizio);
        return;
    }
    if (!profilo.retta) {
        profilo.rifiuto =
            QCoreApplication::translate(
                "Profilo_velocita", "Servono test con almeno due carichi diversi: i test di \"%1\" "
                                    "sono tutti a %2 kg.")
                .arg(profilo.esercizio, Formatta(profilo.punti.front().carico, "0.0", locale));
        return;
    }
    const Retta_profilo& r = *profilo.retta;
    if (r.pendenza >= 0) {
        profilo.rifiuto =
            QCoreApplication::translate(
                "Profilo_velocita", "La velocità non cala al crescere del carico (pendenza %1 m/s "
                                    "per kg): il profilo non stima il massimale.")
                .arg(Formatta(r.pendenza, "0.00000", locale));
        return;
    }
    const double e1rm = (v1rm - r.intercetta) / r.pendenza;
    if (!(e1rm > 0) || !std::isfinite(e1rm)) {
        profilo.rifiuto =
            QCoreApplication::translate(
                "Profilo_velocita", "La retta è sotto V1rm (%1 m/s) già senza carico: il profilo "
                                    "non stima il massimale.")
                .arg(Formatta(v1rm, "0.00", locale));
        return;
    }
    profilo.e1rm = e1rm;
    // The standard error of a load predicted back from the line (first order, V1rm exact):
    // s / |b| * sqrt(1/n + (x0 - mean load)² / Sxx).
    if (r.scarto_residui)
        profilo.errore_e1rm =
            *r.scarto_residui / std::fabs(r.pendenza) *
            std::sqrt(1.0 / r.punti + (e1rm - r.carico_medio) * (e1rm - r.carico_medio) / r.sxx);
    profilo.avvisi =
        Avvisi_stima(profilo.carichi_distinti, r.r2, profilo.ampiezza_carichi, e1rm, locale);
}

void Stima_e1rm_atleta(Profilo_velocita& profilo, double v1rm_predefinita, const QLocale& locale) {
    Stima_e1rm(profilo, v1rm_predefinita, locale);
    if (!profilo.e1rm) return;
    std::optional<Mvt_atleta> mvt;
    for (const Test_salvato& p : profilo.punti)
        if (p.velocita_minima > 0 && p.carico >= Quota_mvt * *profilo.e1rm &&
            (!mvt || p.velocita_minima < mvt->velocita))
            mvt = Mvt_atleta{p.velocita_minima, p.carico, p.file};
    if (!mvt) return;
    Stima_e1rm(profilo, mvt->velocita, locale);
    profilo.mvt = mvt;
}

void Stima_e1rm_scelta(Profilo_velocita& profilo, double v1rm, bool v1rm_scelta,
                       const QLocale& locale) {
    if (v1rm_scelta)
        Stima_e1rm(profilo, v1rm, locale);
    else
        Stima_e1rm_atleta(profilo, v1rm, locale);
}

QStringList Avvisi_stima(int carichi_distinti, double r2, double ampiezza, double e1rm,
                         const QLocale& locale) {
    QStringList avvisi;
    if (carichi_distinti < Carichi_distinti_minimi)
        avvisi << QCoreApplication::translate(
                      "Profilo_velocita",
                      "Solo %1 carichi diversi: per una stima affidabile ne servono almeno %2.")
                      .arg(carichi_distinti)
                      .arg(Carichi_distinti_minimi);
    if (r2 < R2_minimo)
        avvisi << QCoreApplication::translate("Profilo_velocita",
                                              "R² %1, sotto %2: i test si discostano dalla retta.")
                      .arg(Formatta(r2, "0.000", locale), Formatta(R2_minimo, "0.00", locale));
    if (ampiezza < Ampiezza_minima * e1rm)
        avvisi << QCoreApplication::translate(
                      "Profilo_velocita",
                      "I carichi coprono %1 kg, il %2 % dell'e1RM: meno del %3 %, la retta è "
                      "incerta lontano da essi.")
                      .arg(Formatta(ampiezza, "0.0", locale),
                           Formatta(100.0 * ampiezza / e1rm, "0", locale),
                           Formatta(100.0 * Ampiezza_minima, "0", locale));
    return avvisi;
}

QString Testo_e1rm(double e1rm, const std::optional<double>& errore, const QLocale& locale) {
    return QStringLiteral("%1 \u00b1 %2 kg")
        .arg(Formatta(e1rm, "0.0", locale),
             errore ? Formatta(*errore, "0.0", locale)
                    : QCoreApplication::translate("Profilo_velocita", "n.d."));
}
