// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_analisi.h"

#include "datafiles/codifica_1252.h"
#include "datafiles/colonne_file.h"
#include "datafiles/nomi_file.h"
#include "platform/file_intero.h"
#include "session/formato.h"

namespace {
const QString Fine_riga = QStringLiteral("\r\n");
} // namespace

QString Nome_file_analisi(const QString& file_riepilogo) {
    QString base = file_riepilogo;
    if (base.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) base.chop(4);
    return base + Suffisso_analisi + QStringLiteral(".csv");
}

std::optional<QString> Salva_analisi(const QString& nome_file,
                                     const std::vector<Analisi_ripetizione>& analisi,
                                     const QLocale& locale) {
    QString testo = Titolo_numero_analisi.toString() + QLatin1Char(';');
    for (const Colonna_analisi& colonna : Colonne_analisi)
        testo += colonna.titolo.toString() + QLatin1Char(';');
    testo += Titolo_esclusa_analisi.toString() + QLatin1Char(';') + Fine_riga;
    int numero = 0;
    for (const Analisi_ripetizione& a : analisi) {
        // The repetition number as the summary writes it: " 1 ".
        testo += QLatin1Char(' ') + QString::number(++numero) + QStringLiteral(" ;");
        for (const Colonna_analisi& colonna : Colonne_analisi)
            testo += Formatta(a.*colonna.valore, "0.00", locale) + QLatin1Char(';');
        testo += (a.Esclusa ? QStringLiteral("1;") : QStringLiteral("0;")) + Fine_riga;
    }
    return Scrivi_file_intero(nome_file, Testo_in_1252(testo));
}
