// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/recupero_serie.h"

#include "datafiles/lettura_giornale.h"
#include "datafiles/nomi_file.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_serie.h"
#include "platform/blocco_file.h"
#include "platform/errori_sistema.h"
#include "platform/file_privati.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

const QString Cartella_danneggiati = QStringLiteral("danneggiati");

QString Base(const QString& giornale) {
    QString base = giornale;
    base.chop(Estensione_giornale.size());
    return base;
}

std::optional<QString> Rinomina(const QString& da, const QString& a) {
    if (::rename(QFile::encodeName(da).constData(), QFile::encodeName(a).constData()) != 0)
        return Testo_errore_sistema(errno);
    return std::nullopt;
}

// Moves both files of a journal into "danneggiati", under a name not taken there, together
// or not at all: a text file moved without its records would leave them behind, and the
// next start would take them for the records of a saved set. Where the text file went, or
// why nothing moved.
std::optional<QString> Sposta(const QString& giornale, QString& destinazione) {
    const QFileInfo info(giornale);
    QDir cartella(info.absolutePath());
    if (Crea_cartella_privata(cartella.filePath(Cartella_danneggiati)) ||
        !cartella.cd(Cartella_danneggiati))
        return QCoreApplication::translate("Recupero_serie", "impossibile creare la cartella %1")
            .arg(QDir::toNativeSeparators(cartella.filePath(Cartella_danneggiati)));
    const QString base = info.completeBaseName();
    QString nome = base;
    for (int n = 2; Voce_presente(cartella.filePath(nome + Estensione_giornale)) ||
                    Voce_presente(cartella.filePath(nome + Estensione_record));
         ++n)
        nome = base + QStringLiteral(" (%1)").arg(n);
    const QString record = Base(giornale) + Estensione_record;
    const QString record_spostato = cartella.filePath(nome + Estensione_record);
    const bool con_record = QFileInfo::exists(record);
    if (con_record)
        if (auto errore = Rinomina(record, record_spostato)) return errore;
    const QString spostato = cartella.filePath(nome + Estensione_giornale);
    if (auto errore = Rinomina(giornale, spostato)) {
        if (con_record) Rinomina(record_spostato, record);
        return errore;
    }
    destinazione = spostato;
    return std::nullopt;
}

// Whether two files hold the same bytes.
bool Uguali(const QString& a, const QString& b) {
    QFile primo(a), secondo(b);
    if (primo.size() != secondo.size() || !primo.open(QIODevice::ReadOnly) ||
        !secondo.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Pezzo = 1 << 20;
    while (!primo.atEnd()) {
        const QByteArray x = primo.read(Pezzo);
        if (x.isEmpty() || x != secondo.read(Pezzo)) return false;
    }
    return true;
}

// The sample file of the set in memory that a save interrupted after it left in the set's
// folder (the live stop's, or an earlier start's): written since the set started, with the
// very rows this save writes. `prova` is where those rows go to be compared. Empty: none.
QString Campioni_gia_salvati(const Sessione& s, const QLocale& locale, const QDateTime& adesso,
                             const QString& prova) {
    const QDir cartella(
        Cartella_salvataggio(s.Serie.Dati_esercizio.Cartella_dati, s.Cartella_applicazione));
    QStringList candidati;
    const QDateTime inizio = s.Serie.Inizio.addSecs(-2); // the clock's file time granularity
    for (const QFileInfo& f :
         cartella.entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Time))
        if (Nome_di_file_campioni(f.fileName()) && f.lastModified() >= inizio)
            candidati << f.filePath();
    if (candidati.isEmpty()) return {};
    QString nome = prova;
    QString trovato;
    if (!Salva_campioni(nome, s, locale, adesso))
        for (const QString& candidato : std::as_const(candidati))
            if (Uguali(candidato, nome)) {
                trovato = candidato;
                break;
            }
    QFile::remove(prova);
    return trovato;
}

// The time a sample file was named after (the live save's clock): the second its name
// tells, found back from its modification time; the modification time when none fits.
QDateTime Ora_del_nome(const QString& campioni, const QLocale& locale) {
    const QFileInfo info(campioni);
    QString nome = info.fileName();
    static const QRegularExpression copia(QStringLiteral(" \\(\\d+\\)\\.csv$"));
    nome.replace(copia, QStringLiteral(".csv"));
    QDateTime ora = info.lastModified();
    ora = ora.addMSecs(-ora.time().msec());
    for (int secondi = 0; secondi <= 60; ++secondi)
        for (const int verso : {-1, 1})
            if (Nome_file_campioni(ora.addSecs(verso * secondi), locale) == nome)
                return ora.addSecs(verso * secondi);
    return info.lastModified();
}

Esito_recupero Recupera(const QString& giornale, const QString& cartella_applicazione,
                        const QLocale& locale) {
    Esito_recupero esito;
    esito.giornale = giornale;
    // Kept, named, and moved aside with its records (or left where it is when they cannot
    // move), never deleted.
    const auto Danneggiato = [&](const QString& motivo) {
        esito.danneggiato = true;
        esito.errore = motivo;
        if (auto errore = Sposta(giornale, esito.spostato))
            esito.errore =
                QCoreApplication::translate("Recupero_serie", "%1; non spostato in %2: %3")
                    .arg(motivo, Cartella_danneggiati, *errore);
        return esito;
    };
    Giornale_letto letto;
    if (auto errore = Leggi_giornale(giornale, letto)) return Danneggiato(*errore);
    esito.inizio = letto.intestazione.inizio;
    const bool registrata =
        letto.intestazione.registrazione ||
        std::any_of(letto.eventi.begin(), letto.eventi.end(), [](const Evento_letto& e) {
            return e.evento == Evento_giornale::Registrazione_accesa;
        });
    if (registrata && letto.numero_record == 0) {
        const QFileInfo record(letto.file_record);
        return Danneggiato(
            !record.exists()
                ? QCoreApplication::translate("Recupero_serie", "manca il file dei record %1")
                      .arg(QDir::toNativeSeparators(letto.file_record))
                : QCoreApplication::translate("Recupero_serie",
                                              "il file dei record %1 non ha un record intero "
                                              "(%2 byte)")
                      .arg(QDir::toNativeSeparators(letto.file_record))
                      .arg(record.size()));
    }
    // A journal names the athlete's folder: one outside the data folder (a journal edited
    // by hand, a data folder moved) is not written to; the set goes to "misure_auto".
    QString& dell_atleta = letto.intestazione.serie.Dati_esercizio.Cartella_dati;
    const QString base = QDir::cleanPath(cartella_applicazione) + QLatin1Char('/');
    if (!dell_atleta.isEmpty() && !QDir::cleanPath(dell_atleta).startsWith(base))
        dell_atleta.clear();

    Sessione s;
    s.Cartella_applicazione = cartella_applicazione;
    Motore_misura motore(s, locale);
    // The files carry the time the set was last written to, as its stop would have.
    const QFileInfo record(letto.file_record);
    const QDateTime adesso =
        record.exists() ? record.lastModified() : QFileInfo(giornale).lastModified();
    const QString prova = Base(giornale) + QStringLiteral(".prova.csv");
    bool fallito = false;
    const auto salva = [&](std::int64_t dopo_record) {
        // A part an earlier start saved before a later one failed is not saved again.
        if (std::any_of(letto.eventi.begin(), letto.eventi.end(), [&](const Evento_letto& e) {
                return e.evento == Evento_giornale::Recuperata && e.dopo_record == dopo_record;
            }))
            return;
        if (Serie_vuota(s, motore.Lst_valori())) return;
        const QString& cartella = s.Serie.Dati_esercizio.Cartella_dati;
        if (!cartella.isEmpty()) (void)Crea_cartella_privata(cartella); // removed meanwhile
        // A save interrupted after the sample file: the set is completed beside it.
        const QString gia = Campioni_gia_salvati(s, locale, adesso, prova);
        const Esito_serie salvata =
            gia.isEmpty() ? Salva_serie(s, motore.Lst_valori(), &motore.Analisi(), locale, adesso)
                          : Completa_serie(gia, s, motore.Lst_valori(), &motore.Analisi(), locale,
                                           Ora_del_nome(gia, locale));
        if (!salvata.scritti.isEmpty()) esito.file << salvata.scritti.constFirst();
        if (!salvata.Riuscito()) {
            if (!fallito)
                esito.errore = QStringLiteral("%1: %2").arg(
                    QDir::toNativeSeparators(salvata.fallito), *salvata.errore);
            fallito = true;
            return;
        }
        // Should this not reach the disk, the next start finds the files by their rows.
        Accoda_evento(giornale, dopo_record, Evento_giornale::Recuperata);
    };
    if (auto errore = Riproduci_giornale(letto, s, motore, salva)) return Danneggiato(*errore);
    if (!fallito) {
        // The text file first: a records file left alone is known to be of a saved set.
        QFile::remove(giornale);
        QFile::remove(letto.file_record);
    }
    return esito;
}

QString Data_ora(const QDateTime& istante, const QLocale& locale) {
    return locale.toString(istante, QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

} // namespace

std::vector<Esito_recupero> Recupera_serie(const QString& cartella_applicazione,
                                           const QLocale& locale) {
    std::vector<Esito_recupero> esiti;
    const QDir cartella(cartella_applicazione + QLatin1Char('/') + Cartella_giornali);
    if (cartella_applicazione.isEmpty() || !cartella.exists()) return esiti;
    // Records whose journal is gone belong to a set that was saved.
    for (const QString& record :
         cartella.entryList({QLatin1Char('*') + Estensione_record}, QDir::Files)) {
        const QString base = cartella.filePath(record.chopped(Estensione_record.size()));
        if (!QFile::exists(base + Estensione_giornale)) QFile::remove(cartella.filePath(record));
    }
    for (const QString& nome :
         cartella.entryList({QLatin1Char('*') + Estensione_giornale}, QDir::Files, QDir::Name)) {
        // A journal locked is being written, or waits for its save, in a running program.
        Blocco_file blocco;
        const QString giornale = cartella.filePath(nome);
        if (blocco.Prendi(giornale, false) == Blocco_file::Esito::Occupato) continue;
        Esito_recupero esito = Recupera(giornale, cartella_applicazione, locale);
        if (!esito.file.isEmpty() || esito.errore) esiti.push_back(std::move(esito));
    }
    return esiti;
}

QString Messaggio_recupero(const std::vector<Esito_recupero>& esiti, const QLocale& locale) {
    QStringList righe;
    for (const Esito_recupero& e : esiti) {
        const QString data = e.inizio.isValid() ? Data_ora(e.inizio, locale) : QString();
        if (!e.file.isEmpty() && !e.errore) {
            righe << QCoreApplication::translate("Recupero_serie", "Serie del %1 recuperata: %2")
                         .arg(data, QDir::toNativeSeparators(e.file.constFirst()));
            for (qsizetype i = 1; i < e.file.size(); ++i)
                righe << QCoreApplication::translate("Recupero_serie",
                                                     "  e la sua parte successiva: %1")
                             .arg(QDir::toNativeSeparators(e.file[i]));
        } else if (e.danneggiato && e.spostato.isEmpty()) {
            righe << QCoreApplication::translate(
                         "Recupero_serie", "Il giornale %1 è danneggiato (%2): resta dov'è, non è "
                                           "stato cancellato.")
                         .arg(QDir::toNativeSeparators(e.giornale), e.errore.value_or(QString()));
        } else if (!e.spostato.isEmpty()) {
            righe << QCoreApplication::translate(
                         "Recupero_serie", "Il giornale %1 è danneggiato (%2): spostato in %3, non "
                                           "è stato cancellato.")
                         .arg(QDir::toNativeSeparators(e.giornale), e.errore.value_or(QString()),
                              QDir::toNativeSeparators(e.spostato));
        } else {
            righe << QCoreApplication::translate(
                         "Recupero_serie", "La serie del %1 non è stata salvata (%2): resta nel "
                                           "giornale %3 e sarà recuperata al prossimo avvio.")
                         .arg(data, e.errore.value_or(QString()),
                              QDir::toNativeSeparators(e.giornale));
        }
    }
    return righe.join(QLatin1Char('\n'));
}
