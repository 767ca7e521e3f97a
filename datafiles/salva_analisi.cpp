// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/salva_analisi.h"

#include "datafiles/codifica_1252.h"
#include "datafiles/nomi_file.h"
#include "platform/file_intero.h"
#include "session/formato.h"

namespace {
const QString Titoli = QStringLiteral("N\u00B0Rip;Vmedia;Vpropulsiva;Durata propulsiva;"
                                      "Potenza media;Potenza max;Perdita %;Esclusa;");
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
    QString testo = Titoli + Fine_riga;
    int numero = 0;
    for (const Analisi_ripetizione& a : analisi) {
        // The repetition number as the summary writes it: " 1 ".
        testo += QLatin1Char(' ') + QString::number(++numero) + QStringLiteral(" ;");
        for (const float valore : {a.Vmedia, a.Vpropulsiva, a.Durata_propulsiva, a.Potenza_media,
                                   a.Potenza_max, a.Perdita})
            testo += Formatta(valore, "0.00", locale) + QLatin1Char(';');
        testo += (a.Esclusa ? QStringLiteral("1;") : QStringLiteral("0;")) + Fine_riga;
    }
    return Scrivi_file_intero(nome_file, Testo_in_1252(testo));
}
