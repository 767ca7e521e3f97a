// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/squadra.h"

#include "log/diario.h"
#include "log/profilo_velocita.h"

#include <QDir>
#include <map>

std::vector<Riga_squadra> Righe_squadra(const Indice_test& indice, const QString& squadra,
                                        const QDate& oggi) {
    // Every athlete's folder, tests or not; the index's tests by athlete.
    std::map<QString, std::vector<Riga_test>, bool (*)(const QString&, const QString&)> atleti(
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& a : QDir(indice.Cartella_dati() + QLatin1Char('/') + squadra)
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        atleti[a];
    for (Riga_test& t : indice.Test_squadra(squadra)) atleti[t.atleta].push_back(std::move(t));

    std::vector<Riga_squadra> righe;
    for (const auto& [atleta, test] : atleti) {
        Riga_squadra r;
        r.atleta = atleta;
        const Riga_test* ultimo = nullptr;
        const Riga_test* primo_giorno = nullptr; // the first test of the latest day
        for (const Riga_test& t : test) {
            if (!t.quando.isValid()) continue;
            if (!ultimo || t.quando > ultimo->quando) ultimo = &t;
            const qint64 giorni = t.quando.date().daysTo(oggi);
            if (giorni >= 0 && giorni < 7) ++r.test_7_giorni;
            if (giorni >= 0 && giorni < 28) ++r.test_28_giorni;
        }
        if (ultimo) {
            r.ultimo_test = ultimo->quando;
            r.stazione_ultimo = ultimo->stazione;
            for (const Riga_test& t : test)
                if (t.quando.date() == ultimo->quando.date() &&
                    (!primo_giorno || t.quando < primo_giorno->quando))
                    primo_giorno = &t;
        }
        // The exercises, each spelled as in its first test.
        std::vector<QString> esercizi;
        for (const Riga_test& t : test)
            if (std::none_of(esercizi.begin(), esercizi.end(),
                             [&t](const QString& e) { return Stesso_esercizio(e, t.esercizio); }))
                esercizi.push_back(t.esercizio);
        std::sort(esercizi.begin(), esercizi.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        for (const QString& e : esercizi) {
            const Andamento a = Andamento_esercizio(test, e);
            if (!a.e1rm.empty())
                r.e1rm.push_back(
                    {e, a.e1rm.back().giorno, a.e1rm.back().e1rm, a.e1rm.back().errore});
        }
        if (primo_giorno) {
            // The athlete's choices are in their folder here, whichever station recorded.
            const auto carico = Carico_riferimento(test,
                                                   indice.Cartella_dati() + QLatin1Char('/') +
                                                       squadra + QLatin1Char('/') + atleta,
                                                   primo_giorno->esercizio);
            if (carico)
                r.prontezza = Prontezza_giorno(test, primo_giorno->esercizio, *carico,
                                               primo_giorno->quando.date());
        }
        righe.push_back(std::move(r));
    }
    return righe;
}
