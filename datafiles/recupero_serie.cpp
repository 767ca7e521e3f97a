// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/recupero_serie.h"

#include "datafiles/lettura_giornale.h"
#include "datafiles/salva_serie.h"
#include "platform/file_privati.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Cartella_danneggiati = QStringLiteral("danneggiati");

QString Base(const QString& giornale) {
    QString base = giornale;
    base.chop(Estensione_giornale.size());
    return base;
}

// Moves both files of a journal into "danneggiati", under a name not taken there.
QString Sposta(const QString& giornale) {
    const QFileInfo info(giornale);
    QDir cartella(info.absolutePath());
    Crea_cartella_privata(cartella.filePath(Cartella_danneggiati));
    cartella.cd(Cartella_danneggiati);
    QString nome = info.completeBaseName();
    for (int n = 2; Voce_presente(cartella.filePath(nome + Estensione_giornale)); ++n)
        nome = info.completeBaseName() + QStringLiteral(" (%1)").arg(n);
    const QString destinazione = cartella.filePath(nome + Estensione_giornale);
    if (!QFile::rename(giornale, destinazione)) return giornale;
    QFile::rename(Base(giornale) + Estensione_record, cartella.filePath(nome + Estensione_record));
    return destinazione;
}

Esito_recupero Recupera(const QString& giornale, const QString& cartella_applicazione,
                        const QLocale& locale) {
    Esito_recupero esito;
    esito.giornale = giornale;
    Giornale_letto letto;
    if (auto errore = Leggi_giornale(giornale, letto)) {
        esito.errore = errore;
        esito.spostato = Sposta(giornale);
        return esito;
    }
    esito.inizio = letto.intestazione.inizio;
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
    bool fallito = false;
    const auto salva = [&] {
        if (Serie_vuota(s, motore.Lst_valori())) return;
        const QString& cartella = s.Serie.Dati_esercizio.Cartella_dati;
        if (!cartella.isEmpty()) Crea_cartella_privata(cartella); // removed meanwhile
        const Esito_serie salvata =
            Salva_serie(s, motore.Lst_valori(), &motore.Analisi(), locale, adesso);
        if (!salvata.scritti.isEmpty()) esito.file << salvata.scritti.constFirst();
        if (!salvata.Riuscito() && !fallito) {
            fallito = true;
            esito.errore = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(salvata.fallito),
                                                        *salvata.errore);
        }
    };
    if (auto errore = Riproduci_giornale(letto, s, motore, salva)) {
        esito.errore = errore;
        esito.spostato = Sposta(giornale);
        return esito;
    }
    if (!fallito) {
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
        Esito_recupero esito = Recupera(cartella.filePath(nome), cartella_applicazione, locale);
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
