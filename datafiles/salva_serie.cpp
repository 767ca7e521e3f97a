// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_serie.h"

#include "datafiles/nomi_file.h"
#include "datafiles/record_test.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "platform/file_privati.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QFile>

#include <algorithm>
#include <array>

bool Serie_vuota(const Sessione& sessione, const Lista_valori& lista) {
    // The sample file leaves out the first and the last record.
    return sessione.Campioni.size() <= 2 && lista.Righe() == 0;
}

Esito_serie Salva_serie(const Sessione& s, const Lista_valori& lista,
                        const std::vector<Analisi_ripetizione>* analisi, const QLocale& locale,
                        const QDateTime& adesso, Avanzamento* progresso) {
    const QString cartella =
        Cartella_salvataggio(s.Serie.Dati_esercizio.Cartella_dati, s.Cartella_applicazione);
    QString base = Nome_file_campioni(adesso, locale);
    base.chop(4); // ".csv"
    base = cartella + QLatin1Char('/') + base;
    const auto Nomi = [](const QString& b) {
        const QString ripetizioni = b + Suffisso_ripetizioni + QStringLiteral(".csv");
        const QString campioni = b + QStringLiteral(".csv");
        return std::array<QString, 4>{campioni, ripetizioni, Nome_file_analisi(ripetizioni),
                                      Nome_file_record(campioni)};
    };
    std::array<QString, 4> nomi = Nomi(base);
    for (int n = 2;
         std::any_of(nomi.begin(), nomi.end(), [](const QString& f) { return Voce_presente(f); });
         ++n)
        nomi = Nomi(base + QStringLiteral(" (%1)").arg(n));

    Esito_serie esito;
    const auto Esito = [&esito](const QString& nome, const std::optional<QString>& errore) {
        if (!errore) {
            esito.scritti << nome;
        } else if (!esito.errore) {
            esito.fallito = nome;
            esito.errore = errore;
        }
    };
    QString nome = nomi[0];
    const auto errore_campioni = Salva_campioni(nome, s, locale, adesso);
    Esito(nome, errore_campioni);
    if (!errore_campioni) {
        esito.campioni = nome;
        const auto errore_record = Scrivi_record(nomi[3], Record_della_serie(s, lista));
        Esito(nomi[3], errore_record);
        if (!errore_record) esito.record = nomi[3];
    }
    nome = nomi[1];
    const auto errore_ripetizioni =
        Salva_ripetizioni(nome, lista, s.Serie.Dati_esercizio, locale, adesso, progresso);
    Esito(nome, errore_ripetizioni);
    if (!errore_ripetizioni) esito.ripetizioni = nome;
    // The analysis goes only beside a summary.
    if (analisi != nullptr && !errore_ripetizioni) {
        const auto errore_analisi = Salva_analisi(nomi[2], *analisi, locale);
        Esito(nomi[2], errore_analisi);
        if (!errore_analisi) esito.analisi = nomi[2];
    }
    return esito;
}
