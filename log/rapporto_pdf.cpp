// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/rapporto_pdf.h"

#include "datafiles/record_seduta.h"
#include "log/diario.h"
#include "log/lettura_seduta.h"
#include "log/pagine_pdf.h"
#include "log/profilo_velocita.h"
#include "log/testi_storico.h"
#include "platform/grafico_qcp.h"
#include "platform/grafico_xy.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <numeric>
#include <set>

namespace {

// On screen, before scaling onto the page.
constexpr int Largo_px = 640, Alto_px = 240;

struct Ripetizione_stampata {
    std::optional<double> velocita; // m/s
    std::optional<double> perdita;  // %
    bool esclusa = false;
};

// The athlete's folder at this station (their choices), which only this station's tests
// name: another station's test has its files there.
QString Cartella_dell_atleta(const Richiesta_rapporto& richiesta) {
    for (const auto* elenco : {&richiesta.test, &richiesta.storia})
        for (const Riga_test& t : *elenco)
            if (!t.Cartella().isEmpty()) return t.Cartella();
    return {};
}

// Every repetition of the test, the left out ones with their velocity too: the mean
// propulsive velocity of the analysis, as in the log (none without an analysis).
std::vector<Ripetizione_stampata> Ripetizioni(const Riga_test& t) {
    std::set<int> escluse;
    Record_test record;
    if (!t.file_record.isEmpty() && !Leggi_record(t.file_record, record))
        escluse = record.serie.Escluse;
    std::vector<Riga_analisi> analisi;
    if (!t.file_analisi.isEmpty() && Leggi_righe_analisi(t.file_analisi, analisi)) analisi.clear();
    Righe_sommario sommario;
    if (!t.file_sommario.isEmpty() && Leggi_righe_sommario(t.file_sommario, sommario))
        sommario.vmedia.clear();
    const std::size_t quante = std::max(analisi.size(), sommario.vmedia.size());
    std::vector<Ripetizione_stampata> righe(quante);
    for (std::size_t i = 0; i < quante; ++i) {
        Ripetizione_stampata& r = righe[i];
        r.esclusa = escluse.count(static_cast<int>(i) + 1) > 0 ||
                    (i < analisi.size() && analisi[i].esclusa);
        if (i < analisi.size()) {
            r.perdita = analisi[i].perdita;
            r.velocita = analisi[i].vpropulsiva / 1000.0;
        }
    }
    return righe;
}

void Disegna_ripetizioni(Pagine_pdf& pagine, const std::vector<Ripetizione_stampata>& righe,
                         const QString& asse_y) {
    Grafico_xy g(QCoreApplication::translate("Rapporto_pdf", "Velocità per ripetizione"),
                 QCoreApplication::translate("Rapporto_pdf", "Ripetizione"), asse_y);
    g.resize(Largo_px, Alto_px);
    const int valide = g.Aggiungi_serie(QCoreApplication::translate("Rapporto_pdf", "Ripetizioni"),
                                        Qt::black, Grafico_xy::Tratto::Linea);
    const int escluse = g.Aggiungi_serie(QCoreApplication::translate("Rapporto_pdf", "Escluse"),
                                         QColor(110, 110, 110), Grafico_xy::Tratto::Segno);
    std::vector<QPointF> punti, fuori;
    double massimo = 0;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (!righe[i].velocita) continue;
        const QPointF p(static_cast<double>(i) + 1, *righe[i].velocita);
        (righe[i].esclusa ? fuori : punti).push_back(p);
        massimo = std::max(massimo, p.y());
    }
    g.Imposta_serie(valide, punti);
    g.Imposta_serie(escluse, fuori);
    g.Imposta_intervallo(0.5, static_cast<double>(righe.size()) + 0.5, 0,
                         massimo > 0 ? 1.15 * massimo : 1.0);
    // Repetitions are counted: whole numbers on the axis.
    auto passo = QSharedPointer<QCPAxisTickerFixed>::create();
    passo->setTickStep(1);
    passo->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    g.Piano()->xAxis->setTicker(passo);
    pagine.Grafico(*g.Piano(), Largo_px, Alto_px, 125);
}

void Disegna_profilo(Pagine_pdf& pagine, const std::vector<const Riga_test*>& test,
                     const std::optional<double>& e1rm) {
    std::vector<Test_salvato> punti;
    for (const Riga_test* t : test)
        if (const auto v = Velocita_migliore(*t)) {
            Test_salvato s;
            s.carico = t->carico;
            s.velocita = *v;
            punti.push_back(s);
        }
    if (punti.size() < 2) return;
    Grafico_xy g(QCoreApplication::translate("Rapporto_pdf", "Profilo carico-velocità del giorno"),
                 QCoreApplication::translate("Rapporto_pdf", "Carico (kg)"),
                 Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true));
    g.resize(Largo_px, Alto_px);
    const int serie_test = g.Aggiungi_serie(QCoreApplication::translate("Rapporto_pdf", "Test"),
                                            Qt::black, Grafico_xy::Tratto::Punti);
    const int serie_retta = g.Aggiungi_serie(QCoreApplication::translate("Rapporto_pdf", "Retta"),
                                             QColor(60, 60, 60), Grafico_xy::Tratto::Tratteggio);
    std::vector<QPointF> xy;
    double x_max = 0, y_max = 0;
    for (const Test_salvato& s : punti) {
        xy.emplace_back(s.carico, s.velocita);
        x_max = std::max(x_max, s.carico);
        y_max = std::max(y_max, s.velocita);
    }
    if (e1rm) x_max = std::max(x_max, *e1rm);
    x_max *= 1.1;
    g.Imposta_serie(serie_test, xy);
    if (const auto r = Retta_minimi_quadrati(punti)) {
        g.Imposta_serie(serie_retta,
                        {{0.0, r->intercetta}, {x_max, r->intercetta + r->pendenza * x_max}});
        y_max = std::max(y_max, r->intercetta);
    }
    g.Imposta_intervallo(0, x_max, 0, 1.15 * y_max);
    pagine.Grafico(*g.Piano(), Largo_px, Alto_px, 125);
}

void Scrivi_test(Pagine_pdf& pagine, const Riga_test& t, const QLocale& locale) {
    QString testa = QStringLiteral("%1  %2, %3")
                        .arg(t.quando.toString(QStringLiteral("HH:mm")), t.esercizio,
                             Testo_kg(t.carico, locale));
    if (t.rpe > 0) testa += QStringLiteral(", RPE %1").arg(Formatta(t.rpe, "0.0", locale));
    const auto righe = Ripetizioni(t);
    // The test's heading, table and graph on one page when they fit on one.
    pagine.Riserva(14 + 4.2 * static_cast<double>(righe.size()) + 50);
    pagine.Spazio(1.5);
    pagine.Testo(testa, true);
    if (!t.nota.isEmpty())
        pagine.Testo(QCoreApplication::translate("Rapporto_pdf", "Nota: %1").arg(t.nota));
    if (righe.empty()) {
        const QString altrove = Testo_file_altrove(t);
        pagine.Testo(!altrove.isEmpty() ? altrove
                                        : QCoreApplication::translate(
                                              "Rapporto_pdf", "Le ripetizioni del test non si "
                                                              "possono leggere dai suoi file."));
        return;
    }
    std::vector<QStringList> tabella;
    std::vector<bool> segnate;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const Ripetizione_stampata& r = righe[i];
        tabella.push_back(
            {QString::number(i + 1),
             r.velocita ? Formatta(*r.velocita, "0.00", locale) : QStringLiteral("—"),
             r.perdita ? Formatta(*r.perdita, "0.0", locale) : QString(),
             r.esclusa ? QCoreApplication::translate("Rapporto_pdf", "esclusa") : QString()});
        segnate.push_back(r.esclusa);
    }
    pagine.Tabella({QCoreApplication::translate("Rapporto_pdf", "Rip."),
                    Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true),
                    QCoreApplication::translate("Rapporto_pdf", "Perdita %"),
                    QCoreApplication::translate("Rapporto_pdf", "Esclusa")},
                   tabella, {true, true, true, false}, segnate);
    Disegna_ripetizioni(pagine, righe,
                        Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true));
}

} // namespace

std::optional<QString> Scrivi_rapporto_pdf(const QString& file, const Richiesta_rapporto& richiesta,
                                           const QLocale& locale, Esito_rapporto* esito) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return QCoreApplication::translate(
            "Rapporto_pdf", "il rapporto ha bisogno dell'interfaccia grafica (anche offscreen)");
    // The days asked, oldest first, each with its tests in the order they were done.
    std::map<QDate, std::vector<const Riga_test*>> giorni;
    for (const Riga_test& t : richiesta.test) giorni[t.quando.date()].push_back(&t);
    if (giorni.empty())
        return QCoreApplication::translate("Rapporto_pdf", "nessun test di %1 da riportare")
            .arg(richiesta.atleta);
    for (auto& [giorno, test] : giorni)
        std::sort(test.begin(), test.end(),
                  [](const Riga_test* a, const Riga_test* b) { return Test_prima(*a, *b); });

    Pagine_pdf pagine(file,
                      QCoreApplication::translate("Rapporto_pdf", "Rapporto di allenamento di %1")
                          .arg(richiesta.atleta));
    if (!pagine.Errore().isEmpty()) return pagine.Errore();
    const QString primo = locale.toString(giorni.begin()->first, QStringLiteral("d MMMM yyyy"));
    const QString ultimo = locale.toString(giorni.rbegin()->first, QStringLiteral("d MMMM yyyy"));
    const QString periodo =
        giorni.size() == 1
            ? primo
            : QCoreApplication::translate("Rapporto_pdf", "dal %1 al %2").arg(primo, ultimo);
    pagine.Imposta_piede(QStringLiteral("kinetrack \u2013 %1, %2").arg(richiesta.atleta, periodo));
    pagine.Titolo(QCoreApplication::translate("Rapporto_pdf", "Rapporto di allenamento: %1")
                      .arg(richiesta.atleta));
    pagine.Testo(
        QCoreApplication::translate("Rapporto_pdf", "Squadra: %1    Periodo: %2    Test: %3")
            .arg(richiesta.squadra, periodo,
                 QString::number(std::accumulate(
                     giorni.begin(), giorni.end(), std::size_t{0},
                     [](std::size_t n, const auto& g) { return n + g.second.size(); }))));
    int riportati = 0;
    for (const auto& [giorno, test] : giorni) {
        QString data = locale.toString(giorno, QStringLiteral("dddd d MMMM yyyy"));
        if (!data.isEmpty()) data[0] = data[0].toUpper();
        pagine.Sottotitolo(data);
        const QString cartella = Cartella_dell_atleta(richiesta);
        for (const Prontezza& p : Prontezze_giorno(
                 richiesta.storia.empty() ? richiesta.test : richiesta.storia, cartella, giorno))
            pagine.Testo(Testo_prontezza(p, locale));
        // Exercise by exercise, in the order the day did them.
        QStringList esercizi;
        for (const Riga_test* t : test) {
            bool gia = false;
            for (const QString& e : std::as_const(esercizi))
                gia = gia || Stesso_esercizio(e, t->esercizio);
            if (!gia) esercizi << t->esercizio;
        }
        for (const QString& e : std::as_const(esercizi)) {
            std::vector<Riga_test> dell_esercizio;
            std::vector<const Riga_test*> puntatori;
            for (const Riga_test* t : test)
                if (Stesso_esercizio(t->esercizio, e)) {
                    dell_esercizio.push_back(*t);
                    puntatori.push_back(t);
                }
            const Andamento a = Andamento_esercizio(dell_esercizio, e);
            std::optional<double> e1rm;
            if (!a.e1rm.empty()) e1rm = a.e1rm.back().e1rm;
            pagine.Riserva(60); // the exercise's line with its profile
            pagine.Spazio(1);
            pagine.Testo(
                e1rm ? QCoreApplication::translate("Rapporto_pdf",
                                                   "%1: e1RM del giorno %2 (da %3 carichi)")
                           .arg(e, Testo_e1rm(*e1rm, a.e1rm.back().errore, locale),
                                QString::number(a.e1rm.back().carichi))
                     : QCoreApplication::translate(
                           "Rapporto_pdf", "%1: e1RM del giorno non stimabile (serve più di "
                                           "un carico)")
                           .arg(e),
                true);
            if (e1rm)
                for (const QString& avviso : a.e1rm.back().Avvisi(locale))
                    pagine.Testo(
                        QCoreApplication::translate("Rapporto_pdf", "Attenzione: %1").arg(avviso));
            Disegna_profilo(pagine, puntatori, e1rm);
            for (const Riga_test* t : puntatori) {
                Scrivi_test(pagine, *t, locale);
                ++riportati;
            }
        }
    }
    const int fatte = pagine.Pagine();
    if (!pagine.Chiudi())
        return QCoreApplication::translate("Rapporto_pdf", "impossibile completare il file \"%1\"")
            .arg(file);
    if (esito != nullptr) *esito = {fatte, riportati};
    return std::nullopt;
}
