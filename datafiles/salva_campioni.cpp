// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_campioni.h"

#include "datafiles/colonne_file.h"
#include "datafiles/nomi_file.h"
#include "datafiles/scrittura_numeri.h"
#include "platform/file_intero.h"
#include "session/sessione.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t Dimensione_blocco = 256 * 1024;
// One data row: a number and a separator (or the line end) a column.
constexpr std::size_t Riga_scritta_massima =
    Colonne_campioni.size() * (Scrittura_numeri::Lunghezza_massima + 2);

} // namespace

std::optional<QString> Salva_campioni(QString& nome_file, const Sessione& sessione,
                                      const QLocale& locale, const QDateTime& adesso) {
    if (nome_file.isEmpty())
        nome_file = Base_file_serie(sessione.Serie.Dati_esercizio.Cartella_dati,
                                    sessione.Cartella_applicazione, adesso, locale) +
                    QStringLiteral(".csv");

    // A file of that name (a test saved before) stays whole unless this one is written whole.
    File_intero file(nome_file);
    if (auto errore = file.Apri()) return errore;

    std::vector<char> blocco(Dimensione_blocco + Riga_scritta_massima);
    char* p = blocco.data();
    const auto Accoda = [&p](const char* testo, std::size_t n) {
        std::memcpy(p, testo, n);
        p += n;
    };
    const auto Svuota = [&]() {
        const auto n = static_cast<qint64>(p - blocco.data());
        p = blocco.data();
        return file.Scrivi(blocco.data(), n);
    };
    Accoda(Prima_riga_campioni.data(), Prima_riga_campioni.size());
    Accoda("\r\n", 2);
    for (const Colonna_campioni& colonna : Colonne_campioni) {
        if (&colonna != Colonne_campioni.data()) *p++ = ';';
        Accoda(colonna.titolo.data(), colonna.titolo.size());
    }
    Accoda("\r\n", 2);

    const Scrittura_numeri numeri(locale);
    const auto& campioni = sessione.Campioni;
    bool riuscito = true;
    if (campioni.size() > 2) {
        const auto fine = campioni.end() - 1; // the last record is not written
        for (auto it = campioni.begin() + 1; it != fine && riuscito; ++it) {
            for (const Colonna_campioni& colonna : Colonne_campioni) {
                p = numeri.Scrivi(p, (*it).*colonna.valore, colonna.decimali);
                *p++ = ';';
            }
            p[-1] = '\r'; // the last column ends the line instead
            *p++ = '\n';
            if (static_cast<std::size_t>(p - blocco.data()) >= Dimensione_blocco)
                riuscito = Svuota();
        }
    }
    if (riuscito) Svuota();
    return file.Conferma();
}
