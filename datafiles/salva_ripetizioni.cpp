// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_ripetizioni.h"

#include "datafiles/avanzamento.h"
#include "datafiles/codifica_1252.h"
#include "datafiles/nomi_file.h"
#include "platform/file_intero.h"
#include "session/formato.h"
#include "stream/lista_valori.h"

namespace {

// "N°Rip" carries the degree sign, one byte in the code page.
const QString Titoli = QStringLiteral("Nome;Esercizio;Carico;N\u00B0Rip;Tempo;Durata;Spost;"
                                      "Vmedia;Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;Vmax;"
                                      "TdiVmax;SdiVmax;");
const QString Fine_riga = QStringLiteral("\r\n");

// One data line: athlete, exercise, load, repetition number, then lists 1..13 read back
// as numbers and rewritten with two decimals. A text that is not a number loses its
// field and its ";".
QString Riga_dati(const Lista_valori& lista, int i, const Dati_esercizio_t& dati,
                  const QString& carico, const QLocale& locale) {
    QString riga = dati.Atleta + QLatin1Char(';') + dati.Esercizio + QLatin1Char(';') + carico +
                   QLatin1Char(';') + QLatin1Char(' ') + QString::number(i + 1) + QLatin1Char(' ') +
                   QLatin1Char(';');
    for (int c = 1; c < Lista_valori::Numero_colonne; ++c) {
        bool letto = false;
        const double valore = locale.toDouble(lista.Cella(i, c), &letto);
        if (letto) riga += Formatta(valore, "0.00", locale) + QLatin1Char(';');
    }
    return riga + Fine_riga;
}

bool Scrivi(File_intero& file, const QString& testo) {
    return file.Scrivi(Testo_in_1252(testo));
}

} // namespace

std::optional<QString> Salva_ripetizioni(QString& nome_file, const Lista_valori& lista,
                                         const Dati_esercizio_t& dati, const QLocale& locale,
                                         const QDateTime& adesso, Avanzamento* progresso,
                                         const QString& cartella_applicazione) {
    Avanzamento nessuno;
    Avanzamento& barra = progresso ? *progresso : nessuno;
    if (nome_file.isEmpty())
        nome_file = Cartella_salvataggio(dati.Cartella_dati, cartella_applicazione) +
                    QLatin1Char('/') + Nome_file_ripetizioni_automatico(adesso, locale);

    // Written whole or not at all: a summary of that name stays as it was on a failure.
    File_intero file(nome_file);
    std::optional<QString> errore = file.Apri();
    const bool aperto = !errore;

    const int n = lista.Righe() - 1;
    barra.Mostra();
    if (n > 0) barra.Imposta_massimo(n);
    if (aperto) {
        bool riuscito = Scrivi(file, Timbro_data_ora(adesso, locale) + Fine_riga) &&
                        Scrivi(file, Titoli + Fine_riga);
        const QString carico = Formatta(dati.Carico, "0.0", locale);
        for (int i = 0; i <= n && riuscito; ++i) {
            barra.Imposta_valore(i);
            riuscito = Scrivi(file, Riga_dati(lista, i, dati, carico, locale));
        }
        errore = file.Conferma();
    }
    barra.Chiudi();
    return errore;
}
