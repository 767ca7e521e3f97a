// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/lettura_sommario.h"

#include "datafiles/codifica_1252.h"
#include "datafiles/colonne_file.h"
#include "platform/errori_sistema.h"
#include "platform/file_limitato.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QStringList>
#include <cmath>
#include <vector>

namespace {

const QStringList Titoli_sommario = [] {
    QStringList titoli;
    for (const Colonna_sommario& colonna : Colonne_sommario) titoli << colonna.titolo.toString();
    return titoli;
}();
// Without the last column, "Esclusa", which files of earlier versions lack.
const QStringList Titoli_analisi = [] {
    QStringList titoli{Titolo_numero_analisi.toString()};
    for (const Colonna_analisi& colonna : Colonne_analisi) titoli << colonna.titolo.toString();
    return titoli;
}();

constexpr int Campo_atleta = Campo_di(Campo_sommario::Atleta);
constexpr int Campo_esercizio = Campo_di(Campo_sommario::Esercizio);
constexpr int Campo_carico = Campo_di(Campo_sommario::Carico);
constexpr int Primo_numero = Campo_di(Campo_sommario::Ripetizione) + 1;

// A title line is short; a longer first line is not worth reading whole.
constexpr qint64 Lunghezza_titoli = 4096;

// The fields of a line: cut at ";", without the line end and the empty text after the
// last ";".
QStringList Campi(const QByteArray& riga) {
    QString testo = Testo_da_1252(riga);
    while (testo.endsWith(QLatin1Char('\n')) || testo.endsWith(QLatin1Char('\r'))) testo.chop(1);
    QStringList campi = testo.split(QLatin1Char(';'));
    if (campi.last().trimmed().isEmpty()) campi.removeLast();
    return campi;
}

// Case aside; "N°Rip" also as a file re-saved in UTF-8 spells it when read in the code page.
bool Sono_titoli(QStringList campi, const QStringList& titoli) {
    if (titoli == Titoli_analisi && campi.size() == titoli.size() + 1 &&
        campi.last().trimmed().compare(Titolo_esclusa_analisi, Qt::CaseInsensitive) == 0)
        campi.removeLast();
    if (campi.size() != titoli.size()) return false;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const QString c = campi[i].trimmed();
        const bool uguale = titoli[i].startsWith(QLatin1String("N\u00B0"))
                                ? c.startsWith(QLatin1Char('N'), Qt::CaseInsensitive) &&
                                      c.endsWith(QLatin1String("Rip"), Qt::CaseInsensitive)
                                : c.compare(titoli[i], Qt::CaseInsensitive) == 0;
        if (!uguale) return false;
    }
    return true;
}

// The separator of the first number that has one ("80,0" or "80.0"); "." when none has.
// No thousands separator is ever written, so one character tells.
QChar Separatore_decimale(const std::vector<QString>& numeri) {
    for (const QString& n : numeri)
        for (const QChar c : n)
            if (c == QLatin1Char(',') || c == QLatin1Char('.')) return c;
    return QLatin1Char('.');
}

std::optional<double> Numero(const QString& testo, QChar separatore) {
    QString t = testo.trimmed();
    const QChar altro = separatore == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    if (t.contains(altro)) return std::nullopt;
    t.replace(separatore, QLatin1Char('.'));
    bool ok = false;
    const double valore = Numero_da_testo_c(t, &ok);
    if (!ok || !std::isfinite(valore)) return std::nullopt;
    return valore;
}

struct Riga_file {
    int numero = 0; // line number in the file, from 1
    QStringList campi;
};

// "dd mm yyyy;h:mm:s;": the time separator is the saving computer's.
QDateTime Timbro(const QStringList& campi) {
    if (campi.size() < 2) return {};
    const auto Numeri = [](const QString& testo, bool solo_spazi) {
        std::vector<int> numeri;
        int attuale = -1;
        for (const QChar c : testo.trimmed()) {
            if (c.isDigit()) {
                attuale = (attuale < 0 ? 0 : attuale * 10) + c.digitValue();
                if (attuale > 9999) return std::vector<int>{};
            } else if (attuale < 0 || (solo_spazi && c != QLatin1Char(' '))) {
                return std::vector<int>{};
            } else {
                numeri.push_back(attuale);
                attuale = -1;
            }
        }
        if (attuale >= 0) numeri.push_back(attuale);
        return numeri;
    };
    const std::vector<int> d = Numeri(campi[0], true), o = Numeri(campi[1], false);
    if (d.size() != 3 || o.size() != 3) return {};
    const QDate giorno(d[2], d[1], d[0]);
    const QTime ora(o[0], o[1], o[2]);
    if (!giorno.isValid() || !ora.isValid()) return {};
    return QDateTime(giorno, ora);
}

// Opens the file and looks for `titoli` in its first `righe_titolo` lines. When found,
// the lines after it that are not blank go to `righe`, and the fields of the line before
// it, if any, to `prima`.
enum class Apertura { Trovato, Altro, Illeggibile };
Apertura Apri(const QString& nome, const QStringList& titoli, int righe_titolo,
              std::vector<Riga_file>& righe, QString& errore, QStringList* prima = nullptr) {
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly)) {
        errore = Testo_errore_file(file);
        return Apertura::Illeggibile;
    }
    int numero = 0;
    bool trovato = false;
    QStringList precedente;
    while (!trovato && numero < righe_titolo && !file.atEnd()) {
        ++numero;
        QStringList campi = Campi(file.readLine(Lunghezza_titoli));
        trovato = Sono_titoli(campi, titoli);
        if (!trovato) precedente = std::move(campi);
    }
    if (prima && numero > 1) *prima = std::move(precedente);
    if (!trovato) return Apertura::Altro;
    // A set's rows take a few kilobytes: a larger file is no file the program wrote, and its
    // rows would take memory without end.
    if (auto rifiuto = Dimensione_rifiutata(nome)) {
        errore = *rifiuto;
        return Apertura::Illeggibile;
    }
    while (!file.atEnd() && file.pos() <= Dimensione_massima_impostazioni) {
        const QByteArray riga = file.readLine();
        ++numero;
        if (riga.trimmed().isEmpty()) continue;
        righe.push_back({numero, Campi(riga)});
    }
    if (file.error() != QFileDevice::NoError) {
        errore = Testo_errore_file(file);
        return Apertura::Illeggibile;
    }
    if (!file.atEnd()) { // it grew while it was read
        errore = Dimensione_rifiutata(nome).value_or(QString());
        return Apertura::Illeggibile;
    }
    return Apertura::Trovato;
}

QString Riga_difettosa(int riga, const QString& cosa, const QString& testo) {
    return QCoreApplication::translate("Lettura_sommario", "riga %1: %2 \"%3\"")
        .arg(riga)
        .arg(cosa, testo);
}

} // namespace

Lettura_sommario Leggi_sommario(const QString& nome_file) {
    Lettura_sommario lettura;
    std::vector<Riga_file> righe;
    QString errore;
    // The title is the second line, after the date stamp.
    QStringList timbro;
    switch (Apri(nome_file, Titoli_sommario, 2, righe, errore, &timbro)) {
    case Apertura::Altro:
        return lettura;
    case Apertura::Illeggibile:
        lettura.esito = Lettura_sommario::Esito::Danneggiato;
        lettura.difetto =
            QCoreApplication::translate("Lettura_sommario", "file illeggibile (%1)").arg(errore);
        return lettura;
    case Apertura::Trovato:
        break;
    }
    lettura.esito = Lettura_sommario::Esito::Danneggiato;
    if (righe.empty()) {
        lettura.difetto = QCoreApplication::translate("Lettura_sommario", "nessuna ripetizione");
        return lettura;
    }
    std::vector<QString> numeri; // the loads first: they always carry a decimal
    for (const Riga_file& r : righe) {
        // A row short of a field would shift the columns after it.
        if (r.campi.size() < Titoli_sommario.size()) {
            lettura.difetto =
                QCoreApplication::translate("Lettura_sommario", "riga %1 incompleta").arg(r.numero);
            return lettura;
        }
        numeri.push_back(r.campi[Campo_carico]);
    }
    for (const Riga_file& r : righe)
        for (qsizetype c = Primo_numero; c < r.campi.size(); ++c) numeri.push_back(r.campi[c]);
    const QChar separatore = Separatore_decimale(numeri);

    Test_sommario& test = lettura.test;
    test.atleta = righe.front().campi[Campo_atleta].trimmed();
    test.esercizio = righe.front().campi[Campo_esercizio].trimmed();
    if (test.esercizio.isEmpty()) {
        lettura.difetto = QCoreApplication::translate("Lettura_sommario", "nessun esercizio");
        return lettura;
    }
    for (const Riga_file& r : righe) {
        const auto carico = Numero(r.campi[Campo_carico], separatore);
        if (!carico || *carico < 0) {
            lettura.difetto = Riga_difettosa(
                r.numero, QCoreApplication::translate("Lettura_sommario", "carico non valido"),
                r.campi[Campo_carico]);
            return lettura;
        }
        const auto vmedia = Numero(r.campi[Campo_vmedia_sommario], separatore);
        if (!vmedia) {
            lettura.difetto = Riga_difettosa(
                r.numero, QCoreApplication::translate("Lettura_sommario", "Vmedia non valida"),
                r.campi[Campo_vmedia_sommario]);
            return lettura;
        }
        test.vmedie.push_back(*vmedia);
        if (test.ripetizioni == 0) test.carico = *carico;
        if (test.ripetizioni == 0 || *vmedia > test.vmedia_migliore) test.vmedia_migliore = *vmedia;
        ++test.ripetizioni;
    }
    test.timbro = Timbro(timbro);
    QCryptographicHash impronta(QCryptographicHash::Sha256);
    impronta.addData(test.timbro.toString(Qt::ISODate).toUtf8() + '\n');
    for (const Riga_file& r : righe) {
        for (const QString& campo : r.campi) impronta.addData(campo.trimmed().toUtf8() + ';');
        impronta.addData("\n");
    }
    test.impronta = impronta.result();
    lettura.esito = Lettura_sommario::Esito::Sommario;
    return lettura;
}

Tipo_riepilogo Riconosci_riepilogo(const QString& nome_file) {
    QFile file(nome_file);
    if (!file.open(QIODevice::ReadOnly)) return Tipo_riepilogo::Altro;
    QByteArray inizio = file.readLine(Lunghezza_titoli);
    if (!file.atEnd()) inizio += file.readLine(Lunghezza_titoli);
    return Riconosci_testo_riepilogo(inizio);
}

Tipo_riepilogo Riconosci_testo_riepilogo(QByteArrayView testo) {
    // The summary's title is its second line; the analysis file's its first.
    for (int riga = 0; riga < 2 && !testo.isEmpty(); ++riga) {
        const qsizetype fine = testo.indexOf('\n');
        const QByteArrayView linea = fine < 0 ? testo : testo.first(fine + 1);
        testo = testo.sliced(linea.size());
        if (linea.size() > Lunghezza_titoli) break;
        const QStringList campi = Campi(linea.toByteArray());
        if (Sono_titoli(campi, Titoli_sommario)) return Tipo_riepilogo::Sommario;
        if (Sono_titoli(campi, Titoli_analisi)) return Tipo_riepilogo::Analisi;
    }
    return Tipo_riepilogo::Altro;
}

std::optional<std::vector<Riga_analisi_letta>> Leggi_analisi(const QString& nome_file,
                                                             QString& difetto) {
    std::vector<Riga_file> righe;
    QString errore;
    // The title first, or after a date stamp as in the summary.
    switch (Apri(nome_file, Titoli_analisi, 2, righe, errore)) {
    case Apertura::Altro:
        difetto = QCoreApplication::translate("Lettura_sommario", "non è un file di analisi");
        return std::nullopt;
    case Apertura::Illeggibile:
        difetto =
            QCoreApplication::translate("Lettura_sommario", "file illeggibile (%1)").arg(errore);
        return std::nullopt;
    case Apertura::Trovato:
        break;
    }
    std::vector<QString> numeri;
    for (const Riga_file& r : righe)
        for (qsizetype c = 1; c < r.campi.size(); ++c) numeri.push_back(r.campi[c]);
    const QChar separatore = Separatore_decimale(numeri);
    std::vector<Riga_analisi_letta> lette;
    for (const Riga_file& r : righe) {
        Riga_analisi_letta letta;
        letta.riga = r.numero;
        for (std::size_t i = 0; i < Colonne_analisi.size(); ++i) {
            const auto campo = static_cast<qsizetype>(i) + 1;
            if (campo >= r.campi.size()) break;
            letta.testi[i] = r.campi[campo];
            letta.valori[i] = Numero(r.campi[campo], separatore);
        }
        letta.esclusa = r.campi.size() > Campo_esclusa_analisi &&
                        r.campi[Campo_esclusa_analisi].trimmed() == QLatin1String("1");
        lette.push_back(std::move(letta));
    }
    return lette;
}

std::optional<double> Leggi_vpropulsiva_analisi(const QString& nome_file, QString& difetto,
                                                double* minima) {
    const auto righe = Leggi_analisi(nome_file, difetto);
    if (!righe) return std::nullopt;
    constexpr auto Vpropulsiva =
        static_cast<std::size_t>(Campo_analisi(&Analisi_ripetizione::Vpropulsiva) - 1);
    std::optional<double> migliore, peggiore;
    for (const Riga_analisi_letta& r : *righe) {
        // A repetition the coach left out counts for nothing built on the tests.
        if (r.esclusa) continue;
        const auto& mpv = r.valori[Vpropulsiva];
        if (!mpv) {
            difetto = Riga_difettosa(
                r.riga, QCoreApplication::translate("Lettura_sommario", "Vpropulsiva non valida"),
                r.testi[Vpropulsiva]);
            return std::nullopt;
        }
        if (!migliore || *mpv > *migliore) migliore = mpv;
        if (minima != nullptr && (!peggiore || *mpv < *peggiore)) peggiore = mpv;
    }
    if (minima != nullptr && peggiore) *minima = *peggiore;
    if (!migliore) difetto = QCoreApplication::translate("Lettura_sommario", "nessuna ripetizione");
    return migliore;
}
