// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/esempio_profilo.h"

#include "datafiles/nomi_file.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_ripetizioni.h"
#include "datafiles/scelte_analisi.h"
#include "platform/file_privati.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <array>

std::optional<QString> Scrivi_test_esempio(const QString& cartella, const QString& atleta,
                                           const QString& esercizio, float carico,
                                           const std::vector<float>& vmedie, const QLocale& locale,
                                           const QDateTime& adesso, QString* nome) {
    if (Crea_cartella_privata(cartella))
        return QCoreApplication::translate("Esempio_profilo", "Impossibile creare la cartella %1")
            .arg(QDir::toNativeSeparators(cartella));
    Lista_valori lista;
    float inizio = 1.0f;
    for (std::size_t i = 0; i < vmedie.size(); ++i) {
        // A 0.5 m lift at the given mean velocity, lowered in 1.2 s.
        Ripetizione r;
        r.Vmedia_conc = vmedie[i];
        r.Spost_conc = 500;
        r.Durata_conc = vmedie[i] > 0 ? 500 / vmedie[i] : 0;
        r.Vmax_conc = 1.6f * vmedie[i];
        r.TdiVmax_conc = 0.4f * r.Durata_conc;
        r.SdiVmax_conc = 200;
        r.Durata_ecc = 1.2f;
        r.Spost_ecc = -500;
        r.Vmedia_ecc = -500 / 1.2f;
        r.Vmax_ecc = 1.5f * r.Vmedia_ecc;
        r.TdiVmax_ecc = 0.7f;
        r.SdiVmax_ecc = -250;
        r.Tempo_inizio = inizio;
        inizio += r.Durata_ecc + r.Durata_conc + 0.5f;
        lista.Aggiungi(Lista_valori::Formatta_riga(r, static_cast<int>(i) + 1, locale));
    }
    Dati_esercizio_t dati;
    dati.Atleta = atleta;
    dati.Esercizio = esercizio;
    dati.Carico = carico;
    dati.Cartella_dati = cartella;
    QString file = cartella + QLatin1Char('/') + Nome_file_ripetizioni(esercizio, adesso) +
                   QStringLiteral(".csv");
    if (nome) *nome = file;
    return Salva_ripetizioni(file, lista, dati, locale, adesso, nullptr);
}

std::optional<QString> Scrivi_test_analizzato(const QString& cartella, const QString& atleta,
                                              const QString& esercizio, float carico,
                                              const std::vector<float>& vpropulsive,
                                              const QLocale& locale, const QDateTime& adesso,
                                              QString* nome) {
    constexpr float Alzata_su_propulsiva = 0.95f, Pausa_s = 1.0f, Ampiezza_mm = 500;
    std::vector<float> tabella;
    std::vector<Analisi_ripetizione> analisi;
    float migliore = 0;
    for (const float v : vpropulsive) {
        Analisi_ripetizione a;
        a.Vpropulsiva = v;
        a.Vmedia = Alzata_su_propulsiva * v;
        a.Durata_propulsiva = v > 0 ? 0.9f * Ampiezza_mm / v : 0;
        a.Potenza_media = carico * 9.81f * v / 1000;
        a.Potenza_max = 1.6f * a.Potenza_media;
        migliore = std::max(migliore, v);
        a.Perdita = migliore > 0 ? (migliore - v) / migliore * 100 : 0;
        analisi.push_back(a);
        tabella.push_back(a.Vmedia > 0 ? Ampiezza_mm / (Ampiezza_mm / a.Vmedia + Pausa_s) : 0);
    }
    QString file;
    if (auto errore = Scrivi_test_esempio(cartella, atleta, esercizio, carico, tabella, locale,
                                          adesso, &file))
        return errore;
    if (nome) *nome = file;
    return Salva_analisi(Nome_file_analisi(file), analisi, locale);
}

std::optional<QString> Scrivi_profilo_esempio(const QString& cartella, const QString& atleta,
                                              const QString& esercizio, const QLocale& locale,
                                              const QDateTime& adesso) {
    constexpr float Massimale = 140;    // kg
    constexpr float Pendenza = -0.008f; // m/s per kg
    const std::array<float, 4> carichi{60, 80, 100, 120};
    const std::array<float, 4> scarti{0.02f, -0.015f, 0.01f, -0.012f}; // m/s off the line
    const float v1rm = V1rm_predefinita(esercizio);
    for (std::size_t t = 0; t < carichi.size(); ++t) {
        const float migliore = v1rm + Pendenza * (carichi[t] - Massimale) + scarti[t];
        std::vector<float> mpv;
        // The set slows down as it goes: 4 % lost at every repetition.
        for (int r = 0; r < 5; ++r)
            mpv.push_back(1000 * migliore * (1 - 0.04f * static_cast<float>(r)));
        if (auto errore = Scrivi_test_analizzato(
                cartella, atleta, esercizio, carichi[t], mpv, locale,
                adesso.addDays(static_cast<qint64>(t) + 1 - qint64(carichi.size()))))
            return errore;
    }
    return std::nullopt;
}
