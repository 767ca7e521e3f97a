// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_ripetizioni.h"

#include "datafiles/avanzamento.h"
#include "datafiles/codifica_1252.h"
#include "datafiles/colonne_file.h"
#include "datafiles/nomi_file.h"
#include "platform/file_intero.h"
#include "session/formato.h"
#include "stream/lista_valori.h"

namespace {

const QString Fine_riga = QStringLiteral("\r\n");

// The title line: every title followed by ";". "N°Rip" carries the degree sign, one byte
// in the code page.
QString Titoli() {
    QString titoli;
    for (const Colonna_sommario& colonna : Colonne_sommario)
        titoli += colonna.titolo.toString() + QLatin1Char(';');
    return titoli;
}

// One data line. The value list's texts are read back as numbers and rewritten with two
// decimals; a text that is not a number loses its field and its ";".
QString Riga_dati(const Lista_valori& lista, int i, const Dati_esercizio_t& dati,
                  const QString& carico, const QLocale& locale) {
    QString riga;
    for (const Colonna_sommario& colonna : Colonne_sommario) {
        switch (colonna.campo) {
        case Campo_sommario::Atleta:
            riga += dati.Atleta;
            break;
        case Campo_sommario::Esercizio:
            riga += dati.Esercizio;
            break;
        case Campo_sommario::Carico:
            riga += carico;
            break;
        case Campo_sommario::Ripetizione:
            riga += QLatin1Char(' ') + QString::number(i + 1) + QLatin1Char(' ');
            break;
        case Campo_sommario::Lista: {
            bool letto = false;
            const double valore = locale.toDouble(lista.Cella(i, colonna.colonna_lista), &letto);
            if (!letto) continue;
            riga += Formatta(valore, "0.00", locale);
            break;
        }
        }
        riga += QLatin1Char(';');
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
        nome_file = Base_file_serie(dati.Cartella_dati, cartella_applicazione, adesso, locale) +
                    Suffisso_ripetizioni + QStringLiteral(".csv");

    // Written whole or not at all: a summary of that name stays as it was on a failure.
    File_intero file(nome_file);
    std::optional<QString> errore = file.Apri();
    const bool aperto = !errore;

    const int n = lista.Righe() - 1;
    barra.Mostra();
    if (n > 0) barra.Imposta_massimo(n);
    if (aperto) {
        bool riuscito = Scrivi(file, Timbro_data_ora(adesso, locale) + Fine_riga) &&
                        Scrivi(file, Titoli() + Fine_riga);
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
