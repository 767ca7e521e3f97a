// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/testi_storico.h"

#include "log/profilo_velocita.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cmath>

QString Testo_kg(double kg, const QLocale& locale) {
    return Formatta(kg, "0.0", locale) + QStringLiteral(" kg");
}

QString Testo_ms(double ms, const QLocale& locale) {
    return Formatta(ms, "0.00", locale) + QStringLiteral(" m/s");
}

namespace {

// "−0,10 m/s", "+0,03 m/s".
QString Testo_variazione(double ms, const QLocale& locale) {
    return (ms < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           Testo_ms(std::abs(ms), locale);
}

} // namespace

QString Testo_prontezza(const Prontezza& p, const QLocale& locale) {
    const QString carico = Testo_kg(p.carico, locale);
    if (!p.velocita)
        return QCoreApplication::translate(
                   "Testi_storico",
                   "Prontezza %1 (%2): nessuna prima serie a questo carico nel giorno")
            .arg(p.esercizio, carico);
    const QString velocita = Testo_ms(*p.velocita, locale);
    if (p.esito == Esito_prontezza::Insufficiente)
        return QCoreApplication::translate("Testi_storico",
                                           "Prontezza %1 (%2): %3, %4 (servono almeno %5 sedute "
                                           "prima, ce ne sono %6)")
            .arg(p.esercizio, carico, velocita, Testo_esito(Esito_prontezza::Insufficiente))
            .arg(Sedute_minime_prontezza)
            .arg(p.precedenti.size());
    return QCoreApplication::translate("Testi_storico",
                                       "Prontezza %1 (%2): %3, %4 sulla media delle %5 sedute "
                                       "prima (%6), soglia %7: %8")
        .arg(p.esercizio, carico, velocita, Testo_variazione(p.variazione, locale),
             QString::number(p.precedenti.size()), Testo_ms(p.media, locale),
             Testo_ms(p.soglia, locale), Testo_esito(p.esito));
}

QString Testo_prontezza_breve(const Prontezza& p, const QLocale& locale) {
    const QString carico = Testo_kg(p.carico, locale);
    if (!p.velocita || p.esito == Esito_prontezza::Insufficiente)
        return QCoreApplication::translate("Testi_storico", "Prontezza %1 %2: %3")
            .arg(p.esercizio, carico, Testo_esito(Esito_prontezza::Insufficiente));
    return QCoreApplication::translate("Testi_storico", "Prontezza %1 %2: %3 (%4, %5, soglia %6)")
        .arg(p.esercizio, carico, Testo_esito(p.esito), Testo_ms(*p.velocita, locale),
             Testo_variazione(p.variazione, locale), Testo_ms(p.soglia, locale));
}

QString Testo_carico_oggi(const Carico_oggi& c, const QLocale& locale) {
    if (!c.rifiuto.isEmpty()) return c.rifiuto;
    QString testo = QStringLiteral("%1\u2013%2")
                        .arg(Formatta(c.velocita_minima, "0.00", locale),
                             Formatta(c.velocita_massima, "0.00", locale));
    testo = QCoreApplication::translate("Testi_storico", "Per %1 m/s: %2 kg")
                .arg(testo, QStringLiteral("%1\u2013%2")
                                .arg(Formatta(c.carico_minimo, "0.0", locale),
                                     Formatta(c.carico_massimo, "0.0", locale)));
    if (c.e1rm && c.percento_minimo && c.percento_massimo)
        testo += QCoreApplication::translate("Testi_storico", ", dal %1 al %2 % dell'e1RM (%3)")
                     .arg(Formatta(*c.percento_minimo, "0", locale),
                          Formatta(*c.percento_massimo, "0", locale),
                          Testo_e1rm(*c.e1rm, c.errore_e1rm, locale));
    if (c.e1rm && c.mvt)
        testo += QCoreApplication::translate("Testi_storico", ", V1rm %1 m/s dell'atleta")
                     .arg(Formatta(c.v1rm, "0.00", locale));
    if (c.limitato_e1rm)
        testo += QCoreApplication::translate(
            "Testo_carico_oggi", "; limitato all'e1RM: a queste velocità il profilo darebbe "
                                 "un carico più alto del massimale");
    if (c.e1rm)
        for (const QString& avviso : Avvisi_stima(c.carichi, c.r2, c.ampiezza, *c.e1rm, locale))
            testo += QStringLiteral("\n") + avviso;
    return testo;
}

std::vector<Prontezza> Prontezze_giorno(const std::vector<Riga_test>& test,
                                        const QString& cartella_atleta, const QDate& giorno) {
    // The day's exercises, oldest first (the tests come newest first).
    std::vector<const Riga_test*> del_giorno;
    for (const Riga_test& t : test)
        if (t.quando.date() == giorno) del_giorno.push_back(&t);
    std::sort(del_giorno.begin(), del_giorno.end(),
              [](const Riga_test* a, const Riga_test* b) { return Test_prima(*a, *b); });
    QStringList esercizi;
    for (const Riga_test* t : del_giorno) {
        bool gia = false;
        for (const QString& e : std::as_const(esercizi))
            gia = gia || Stesso_esercizio(e, t->esercizio);
        if (!gia) esercizi << t->esercizio;
    }
    std::vector<Prontezza> prontezze;
    for (const QString& e : std::as_const(esercizi))
        if (const auto carico = Carico_riferimento(test, cartella_atleta, e))
            prontezze.push_back(Prontezza_giorno(test, e, *carico, giorno));
    return prontezze;
}

std::optional<Prontezza> Prontezza_dopo_serie(const QString& cartella_dati, const QString& file) {
    const QFileInfo info(file);
    const QDir cartella_atleta = info.absoluteDir();
    const QString atleta = cartella_atleta.dirName();
    const QString squadra = QFileInfo(cartella_atleta.absolutePath()).dir().dirName();
    Indice_test indice(cartella_dati);
    const std::vector<Riga_test> test = indice.Test_atleta(squadra, atleta);
    const QString nome = info.absoluteFilePath();
    for (const Riga_test& t : test) {
        if (t.file_campioni != nome && t.file_sommario != nome && t.file_record != nome) continue;
        const auto carico = Carico_riferimento(test, t.Cartella(), t.esercizio);
        if (!carico) return std::nullopt;
        Prontezza p = Prontezza_giorno(test, t.esercizio, *carico, t.quando.date());
        if (!p.velocita) return std::nullopt;
        return p;
    }
    return std::nullopt;
}
