// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_serie.h"

#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
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

namespace {

// The set's four files, from the sample file's name without ".csv".
std::array<QString, 4> Nomi_serie(const QString& base) {
    const QString ripetizioni = base + Suffisso_ripetizioni + QStringLiteral(".csv");
    const QString campioni = base + QStringLiteral(".csv");
    return {campioni, ripetizioni, Nome_file_analisi(ripetizioni), Nome_file_record(campioni)};
}

// Writes the files `nomi`; with `solo_mancanti` a file there already is taken as written.
Esito_serie Scrivi_serie(const std::array<QString, 4>& nomi, bool solo_mancanti, const Sessione& s,
                         const Lista_valori& lista, const std::vector<Analisi_ripetizione>* analisi,
                         const QLocale& locale, const QDateTime& adesso, Avanzamento* progresso) {
    Esito_serie esito;
    const auto Esito = [&esito](const QString& nome, const std::optional<QString>& errore) {
        if (!errore) {
            esito.scritti << nome;
        } else if (!esito.errore) {
            esito.fallito = nome;
            esito.errore = errore;
        }
    };
    const auto Presente = [solo_mancanti](const QString& nome) {
        return solo_mancanti && QFile::exists(nome);
    };
    QString nome = nomi[0];
    const auto errore_campioni =
        Presente(nome) ? std::nullopt : Salva_campioni(nome, s, locale, adesso);
    Esito(nome, errore_campioni);
    if (!errore_campioni) {
        esito.campioni = nome;
        const auto errore_record =
            Presente(nomi[3]) ? std::nullopt : Scrivi_record(nomi[3], Record_della_serie(s, lista));
        Esito(nomi[3], errore_record);
        if (!errore_record) esito.record = nomi[3];
    }
    nome = nomi[1];
    const auto errore_ripetizioni =
        Presente(nome)
            ? std::nullopt
            : Salva_ripetizioni(nome, lista, s.Serie.Dati_esercizio, locale, adesso, progresso);
    Esito(nome, errore_ripetizioni);
    if (!errore_ripetizioni) esito.ripetizioni = nome;
    // The analysis goes only beside a summary.
    if (analisi != nullptr && !errore_ripetizioni) {
        const auto errore_analisi =
            Presente(nomi[2]) ? std::nullopt : Salva_analisi(nomi[2], *analisi, locale);
        Esito(nomi[2], errore_analisi);
        if (!errore_analisi) esito.analisi = nomi[2];
    }
    return esito;
}

} // namespace

Esito_serie Salva_serie(const Sessione& s, const Lista_valori& lista,
                        const std::vector<Analisi_ripetizione>* analisi, const QLocale& locale,
                        const QDateTime& adesso, Avanzamento* progresso) {
    const QString base = Base_file_serie(s.Serie.Dati_esercizio.Cartella_dati,
                                         s.Cartella_applicazione, adesso, locale);
    std::array<QString, 4> nomi = Nomi_serie(base);
    for (int n = 2;
         std::any_of(nomi.begin(), nomi.end(), [](const QString& f) { return Voce_presente(f); });
         ++n)
        nomi = Nomi_serie(base + QStringLiteral(" (%1)").arg(n));
    return Scrivi_serie(nomi, false, s, lista, analisi, locale, adesso, progresso);
}

Esito_serie Completa_serie(const QString& campioni, const Sessione& s, const Lista_valori& lista,
                           const std::vector<Analisi_ripetizione>* analisi, const QLocale& locale,
                           const QDateTime& adesso) {
    return Scrivi_serie(Nomi_serie(campioni.chopped(4)), true, s, lista, analisi, locale, adesso,
                        nullptr);
}
