// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_campioni.h"

#include "datafiles/nomi_file.h"
#include "datafiles/scrittura_numeri.h"
#include "platform/file_intero.h"
#include "session/sessione.h"

#include <cstring>
#include <vector>

namespace {

constexpr char Prima_riga[] = "Kine01;\r\n";
constexpr char Titoli[] = "Tempo;Posizione;Velocita;dt\r\n";
constexpr std::size_t Dimensione_blocco = 256 * 1024;
// One data row: four numbers, three separators, CR LF.
constexpr std::size_t Riga_massima = 4 * Scrittura_numeri::Lunghezza_massima + 5;

} // namespace

std::optional<QString> Salva_campioni(QString& nome_file, const Sessione& sessione,
                                      const QLocale& locale, const QDateTime& adesso) {
    if (nome_file.isEmpty())
        nome_file = Cartella_salvataggio(sessione.Serie.Dati_esercizio.Cartella_dati,
                                         sessione.Cartella_applicazione) +
                    QLatin1Char('/') + Nome_file_campioni(adesso, locale);

    // A file of that name (a test saved before) stays whole unless this one is written whole.
    File_intero file(nome_file);
    if (auto errore = file.Apri()) return errore;

    std::vector<char> blocco(Dimensione_blocco + Riga_massima);
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
    Accoda(Prima_riga, sizeof Prima_riga - 1);
    Accoda(Titoli, sizeof Titoli - 1);

    const Scrittura_numeri numeri(locale);
    const auto& campioni = sessione.Campioni;
    bool riuscito = true;
    if (campioni.size() > 2) {
        const auto fine = campioni.end() - 1; // the last record is not written
        for (auto it = campioni.begin() + 1; it != fine && riuscito; ++it) {
            p = numeri.Scrivi(p, it->Tempo, 4);
            *p++ = ';';
            p = numeri.Scrivi(p, it->Posizione, 0);
            *p++ = ';';
            p = numeri.Scrivi(p, it->Velocita, 4);
            *p++ = ';';
            p = numeri.Scrivi(p, it->dt, 5);
            *p++ = '\r';
            *p++ = '\n';
            if (static_cast<std::size_t>(p - blocco.data()) >= Dimensione_blocco)
                riuscito = Svuota();
        }
    }
    if (riuscito) Svuota();
    return file.Conferma();
}
