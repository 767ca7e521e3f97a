// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/lettura_test.h"

#include "datafiles/codifica_1252.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/record_test.h"
#include "platform/file_limitato.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

namespace {

// The lines of a file's text, each cut at ";" (the empty text after the last ";" dropped).
std::vector<QStringList> Righe_csv(const QByteArray& byte) {
    std::vector<QStringList> righe;
    for (const QByteArray& riga : byte.split('\n')) {
        QString testo = Testo_da_1252(riga);
        while (testo.endsWith(QLatin1Char('\r'))) testo.chop(1);
        if (testo.trimmed().isEmpty()) continue;
        QStringList campi = testo.split(QLatin1Char(';'));
        if (campi.last().trimmed().isEmpty()) campi.removeLast();
        righe.push_back(campi);
    }
    return righe;
}

// The file's decimal separator: that of the first number with one. Nothing is ever written
// with a thousands separator.
QChar Separatore(const std::vector<QStringList>& righe, qsizetype da_riga, qsizetype da_campo) {
    for (std::size_t r = std::size_t(da_riga); r < righe.size(); ++r)
        for (qsizetype c = da_campo; c < righe[r].size(); ++c)
            for (const QChar ch : righe[r][c])
                if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) return ch;
    return QLatin1Char('.');
}

std::optional<double> Numero(QString testo, QChar separatore) {
    testo = testo.trimmed();
    const QChar altro = separatore == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    if (testo.isEmpty() || testo.contains(altro)) return std::nullopt;
    testo.replace(separatore, QLatin1Char('.'));
    bool ok = false;
    const double v = Numero_da_testo_c(testo, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

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
    QByteArray byte;
    if (auto errore = Leggi_file_limitato(file, byte))
        return QCoreApplication::translate("Lettura_test", "file illeggibile (%1)").arg(*errore);
    if (Riconosci_testo_riepilogo(byte) != Tipo_riepilogo::Analisi)
        return QCoreApplication::translate("Lettura_test", "non è un file di analisi");
    const std::vector<QStringList> tabella = Righe_csv(byte);
    // The title first, or after a date stamp as in the summary.
    std::size_t inizio = 1;
    if (!tabella.empty() && !tabella[0].isEmpty() &&
        !tabella[0][0].trimmed().endsWith(QLatin1String("Rip"), Qt::CaseInsensitive))
        inizio = 2;
    const QChar separatore = Separatore(tabella, qsizetype(inizio), 1);
    righe.clear();
    for (std::size_t r = inizio; r < tabella.size(); ++r) {
        const QStringList& c = tabella[r];
        Riga_analisi a;
        const auto Campo = [&](qsizetype i, double& valore) {
            const auto v = i < c.size() ? Numero(c[i], separatore) : std::nullopt;
            if (v) valore = *v;
            return v.has_value();
        };
        if (!Campo(1, a.vmedia) || !Campo(2, a.vpropulsiva) || !Campo(6, a.perdita))
            return QCoreApplication::translate("Lettura_test", "riga %1 non valida").arg(r + 1);
        a.esclusa = c.size() > 7 && c[7].trimmed() == QLatin1String("1");
        righe.push_back(a);
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
    if (riga.esercizio.isEmpty())
        return QCoreApplication::translate("Lettura_test", "nessun esercizio");
    return std::nullopt;
}
