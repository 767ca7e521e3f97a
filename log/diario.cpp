// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/diario.h"

#include "datafiles/record_seduta.h"
#include "datafiles/scelte_analisi.h"
#include "log/lettura_seduta.h"
#include "log/profilo_velocita.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

std::optional<double> Velocita_migliore(const Riga_test& test) {
    return test.mpv_migliore;
}

namespace {

bool Nuovo_prima(const Riga_test& a, const Riga_test& b) {
    return Test_prima(b, a);
}

} // namespace

std::vector<Riga_diario> Righe_diario(const std::vector<Riga_test>& test,
                                      const Filtro_diario& filtro) {
    std::vector<Riga_diario> righe;
    for (const Riga_test& t : test) {
        if (!filtro.esercizio.trimmed().isEmpty() &&
            !Stesso_esercizio(t.esercizio, filtro.esercizio))
            continue;
        const QDate giorno = t.quando.date();
        if (filtro.dal.isValid() && (!giorno.isValid() || giorno < filtro.dal)) continue;
        if (filtro.al.isValid() && (!giorno.isValid() || giorno > filtro.al)) continue;
        Riga_diario r;
        r.quando = t.quando;
        r.esercizio = t.esercizio;
        r.carico = t.carico;
        r.ripetizioni = std::max(0, t.ripetizioni - t.escluse);
        r.velocita = Velocita_migliore(t);
        r.perdita = t.perdita_ultima;
        r.rpe = t.rpe;
        r.nota = t.nota;
        r.test = t;
        righe.push_back(std::move(r));
    }
    std::stable_sort(righe.begin(), righe.end(), [](const Riga_diario& a, const Riga_diario& b) {
        return Nuovo_prima(a.test, b.test);
    });
    return righe;
}

QString Testo_diario(const std::vector<Riga_diario>& righe, bool squadra_atleta,
                     const QString& stazione_propria) {
    const QLocale c = QLocale::c();
    // A field never holds the separator or a line end.
    const auto Campo = [](QString t) {
        t.replace(QLatin1Char(';'), QLatin1Char(','));
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return t;
    };
    const auto Numero = [&c](const std::optional<double>& v, const char* modello) {
        return v ? Formatta(*v, modello, c) : QString();
    };
    const bool stazioni = !stazione_propria.isEmpty() ||
                          std::any_of(righe.cbegin(), righe.cend(), [](const Riga_diario& r) {
                              return !r.test.stazione.isEmpty();
                          });
    QString testo;
    if (squadra_atleta) testo += QStringLiteral("Squadra;Atleta;");
    testo += QStringLiteral("Data;Ora;Esercizio;Carico;Ripetizioni;Velocita;Perdita;RPE;Nota");
    testo += stazioni ? QStringLiteral(";Stazione\n") : QStringLiteral("\n");
    for (const Riga_diario& r : righe) {
        QStringList campi;
        if (squadra_atleta) campi << Campo(r.test.squadra) << Campo(r.test.atleta);
        campi << r.quando.toString(QStringLiteral("yyyy-MM-dd"))
              << r.quando.toString(QStringLiteral("HH:mm")) << Campo(r.esercizio)
              << Formatta(r.carico, "0.0", c) << QString::number(r.ripetizioni)
              << Numero(r.velocita, "0.00") << Numero(r.perdita, "0.0")
              << (r.rpe > 0 ? Formatta(double(r.rpe), "0.0", c) : QString()) << Campo(r.nota);
        if (stazioni)
            campi << Campo(r.test.stazione.isEmpty() ? stazione_propria : r.test.stazione);
        testo += campi.join(QLatin1Char(';')) + QLatin1Char('\n');
    }
    return testo;
}

Andamento Andamento_esercizio(const std::vector<Riga_test>& test, const QString& esercizio) {
    Andamento a;
    a.esercizio = esercizio.simplified();
    std::vector<const Riga_test*> scelti;
    for (const Riga_test& t : test)
        if (Stesso_esercizio(t.esercizio, esercizio) && t.quando.isValid()) scelti.push_back(&t);
    std::stable_sort(scelti.begin(), scelti.end(),
                     [](const Riga_test* x, const Riga_test* y) { return Test_prima(*x, *y); });
    if (scelti.empty()) return a;
    std::map<QDate, std::vector<Test_salvato>> giorni;
    for (const Riga_test* t : scelti) {
        const auto v = Velocita_migliore(*t);
        if (!v) continue;
        a.punti.push_back({t->quando, *v, t->carico});
        Test_salvato p;
        p.file = t->file_sommario;
        p.esercizio = t->esercizio;
        p.carico = t->carico;
        p.velocita = *v;
        giorni[t->quando.date()].push_back(p);
    }
    // The athlete's choices are in their folder here, which only this station's tests name.
    QString cartella;
    for (const Riga_test* t : scelti)
        if (!t->Cartella().isEmpty()) cartella = t->Cartella();
    const double v1rm = double(Leggi_scelte_analisi(cartella, scelti.back()->esercizio).V1rm);
    for (auto& [giorno, punti] : giorni) {
        Profilo_velocita profilo;
        profilo.esercizio = a.esercizio;
        profilo.punti = std::move(punti);
        profilo.retta = Retta_minimi_quadrati(profilo.punti);
        if (!profilo.retta) continue;
        Stima_e1rm(profilo, v1rm, QLocale::c());
        if (!profilo.e1rm) continue;
        a.e1rm.push_back({giorno, *profilo.e1rm, profilo.carichi_distinti, profilo.errore_e1rm,
                          profilo.retta->r2, profilo.ampiezza_carichi});
    }
    return a;
}

QString Testo_file_altrove(const Riga_test& test) {
    if (test.stazione.isEmpty() || !test.Cartella().isEmpty()) return {};
    return QCoreApplication::translate("Diario", "I file di questo test sono alla stazione %1.")
        .arg(test.stazione);
}

Velocita_test Velocita_ripetizioni(const Riga_test& test) {
    Velocita_test esito;
    esito.errore = Testo_file_altrove(test);
    if (!esito.errore.isEmpty()) return esito;
    std::set<int> escluse;
    if (!test.file_record.isEmpty()) {
        Record_test record;
        if (!Leggi_record(test.file_record, record)) escluse = record.serie.Escluse;
    }
    std::vector<Riga_analisi> analisi;
    if (!test.file_analisi.isEmpty()) {
        if (auto errore = Leggi_righe_analisi(test.file_analisi, analisi)) {
            esito.errore = *errore;
            return esito;
        }
    }
    if (analisi.empty()) {
        esito.errore = QCoreApplication::translate("Diario", "Il test non ha il file di analisi.");
        return esito;
    }
    for (std::size_t i = 0; i < analisi.size(); ++i) {
        const bool esclusa = analisi[i].esclusa || escluse.count(int(i) + 1) > 0;
        esito.ripetizioni.push_back(
            esclusa ? std::nullopt : std::optional<double>(analisi[i].vpropulsiva / 1000.0));
    }
    return esito;
}
