// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/lettura_seduta.h"

#include "datafiles/lettura_sommario.h"
#include "datafiles/record_seduta.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Breve(const QString& file) {
    return QFileInfo(file).fileName();
}

} // namespace

std::optional<QString> Leggi_righe_sommario(const QString& file, Righe_sommario& righe) {
    Lettura_sommario lettura = Leggi_sommario(file);
    switch (lettura.esito) {
    case Lettura_sommario::Esito::Altro:
        return QCoreApplication::translate("Lettura_test", "non è un file delle ripetizioni");
    case Lettura_sommario::Esito::Danneggiato:
        return lettura.difetto;
    case Lettura_sommario::Esito::Sommario:
        break;
    }
    righe.vmedia = std::move(lettura.test.vmedie);
    righe.timbro = lettura.test.timbro;
    return std::nullopt;
}

std::optional<QString> Leggi_righe_analisi(const QString& file, std::vector<Riga_analisi>& righe) {
    QString difetto;
    const auto lette = Leggi_analisi(file, difetto);
    if (!lette) return difetto;
    righe.clear();
    for (const Riga_analisi_letta& r : *lette) {
        const auto &vmedia = r.Valore(&Analisi_ripetizione::Vmedia),
                   &vpropulsiva = r.Valore(&Analisi_ripetizione::Vpropulsiva),
                   &perdita = r.Valore(&Analisi_ripetizione::Perdita);
        if (!vmedia || !vpropulsiva || !perdita)
            return QCoreApplication::translate("Lettura_test", "riga %1 non valida").arg(r.riga);
        righe.push_back({*vmedia, *vpropulsiva, *perdita, r.esclusa});
    }
    if (righe.empty()) return QCoreApplication::translate("Lettura_test", "nessuna ripetizione");
    return std::nullopt;
}

std::optional<QString> Leggi_file_test(const File_test& file, const QString& squadra,
                                       const QString& atleta, Riga_test& riga, QByteArray& impronta,
                                       QStringList& avvisi) {
    riga = Riga_test{};
    riga.squadra = squadra;
    riga.atleta = atleta;
    riga.file_campioni = file.campioni;
    riga.file_record = file.record;
    impronta.clear();

    std::set<int> escluse; // by repetition number, from 1
    if (!file.record.isEmpty()) {
        Record_test record;
        if (auto errore = Leggi_record(file.record, record)) return *errore;
        const Serie_t& s = record.serie;
        riga.esercizio = s.Dati_esercizio.Esercizio.trimmed();
        riga.carico = double(s.Dati_esercizio.Carico);
        riga.quando = s.Inizio.isValid() ? s.Inizio.toLocalTime() : QDateTime();
        riga.ripetizioni = record.ripetizioni;
        riga.rpe = s.Rpe;
        riga.nota = s.Nota;
        escluse = s.Escluse;
        riga.escluse = int(escluse.size());
    }

    std::vector<double> vmedie_sommario; // mm/s, row by row
    if (!file.sommario.isEmpty()) {
        const Lettura_sommario lettura = Leggi_sommario(file.sommario);
        if (lettura.esito == Lettura_sommario::Esito::Danneggiato) {
            if (file.record.isEmpty()) return lettura.difetto;
            avvisi << Breve(file.sommario) + QStringLiteral(": ") + lettura.difetto;
        } else if (lettura.esito == Lettura_sommario::Esito::Altro) {
            const QString motivo =
                QCoreApplication::translate("Lettura_test", "non è un file delle ripetizioni");
            if (file.record.isEmpty()) return motivo;
            avvisi << Breve(file.sommario) + QStringLiteral(": ") + motivo;
        } else {
            // One reading gives the test and its rows.
            riga.file_sommario = file.sommario;
            impronta = lettura.test.impronta;
            if (file.record.isEmpty()) {
                riga.esercizio = lettura.test.esercizio;
                riga.carico = lettura.test.carico;
                riga.quando = lettura.test.timbro;
                riga.ripetizioni = int(lettura.test.vmedie.size());
            }
            vmedie_sommario = lettura.test.vmedie;
        }
    }

    if (!file.analisi.isEmpty() && !riga.file_sommario.isEmpty()) {
        std::vector<Riga_analisi> righe;
        if (auto errore = Leggi_righe_analisi(file.analisi, righe)) {
            avvisi << Breve(file.analisi) + QStringLiteral(": ") + *errore;
        } else {
            riga.file_analisi = file.analisi;
            int contate = 0, escluse_analisi = 0;
            double somma_mpv = 0;
            for (std::size_t i = 0; i < righe.size(); ++i) {
                const Riga_analisi& a = righe[i];
                if (a.esclusa || escluse.count(int(i) + 1)) {
                    ++escluse_analisi;
                    if (file.record.isEmpty()) escluse.insert(int(i) + 1);
                    continue;
                }
                const double v = a.vmedia / 1000.0, mpv = a.vpropulsiva / 1000.0;
                if (!riga.vmedia_alzata || v > *riga.vmedia_alzata) riga.vmedia_alzata = v;
                if (!riga.mpv_migliore || mpv > *riga.mpv_migliore) riga.mpv_migliore = mpv;
                somma_mpv += mpv;
                ++contate;
                riga.perdita_ultima = a.perdita;
            }
            if (contate > 0) riga.mpv_media = somma_mpv / contate;
            // Without a record the analysis alone tells what was left out.
            if (file.record.isEmpty()) riga.escluse = escluse_analisi;
        }
    }
    for (std::size_t i = 0; i < vmedie_sommario.size(); ++i) {
        if (escluse.count(int(i) + 1)) continue;
        const double v = vmedie_sommario[i] / 1000.0;
        if (!riga.vmedia_tabella || v > *riga.vmedia_tabella) riga.vmedia_tabella = v;
    }
    riga.numeri_esclusi.assign(escluse.begin(), escluse.end());
    if (riga.esercizio.isEmpty())
        return QCoreApplication::translate("Lettura_test", "nessun esercizio");
    return std::nullopt;
}
