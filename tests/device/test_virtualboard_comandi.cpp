// The virtual board's pure pieces: command replies, options, the endless motion.

#include "virtualboard/comandi_scheda.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"

#include <QtTest>

Q_DECLARE_METATYPE(Azione_scheda)

namespace {
// All replies of the interpreter, for `pezzi` received one read after another.
QByteArray Risposte(Interprete_comandi& interprete, const QStringList& pezzi,
                    QList<Azione_scheda>* azioni = nullptr) {
    QByteArray tutte;
    for (const auto& pezzo : pezzi)
        for (const auto& r : interprete.Ricevi(pezzo.toLatin1())) {
            tutte += r.byte;
            if (azioni && r.azione != Azione_scheda::Nessuna) azioni->append(r.azione);
        }
    return tutte;
}
} // namespace

class Test_virtualboard_comandi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void risposte_data();
    void risposte();
    void profili_difettosi();
    void opzioni_data();
    void opzioni();
    void flusso_continuo_senza_salti();
};

void Test_virtualboard_comandi::risposte_data() {
    QTest::addColumn<QStringList>("pezzi");
    QTest::addColumn<QByteArray>("attese");
    QTest::addColumn<QList<Azione_scheda>>("azioni");
    using A = Azione_scheda;
    QTest::newRow("probe") << QStringList{"$", "?"} << QByteArray("$?YES") << QList<A>{};
    QTest::newRow("type") << QStringList{"$D"} << QByteArray("$D\x02", 3) << QList<A>{};
    QTest::newRow("config") << QStringList{"$i"} << QByteArray("$i\x02\x05\x01\x00", 6)
                            << QList<A>{};
    QTest::newRow("stop") << QStringList{"$T"} << QByteArray("$T") << QList<A>{A::Ferma_flusso};
    QTest::newRow("start") << QStringList{"$F"} << QByteArray("$F") << QList<A>{A::Avvia_flusso};
    QTest::newRow("zero") << QStringList{"$Z"} << QByteArray("$Z") << QList<A>{A::Azzera_posizione};
    QTest::newRow("split across reads") << QStringList{"$", "T", "$", "F"} << QByteArray("$T$F")
                                        << QList<A>{A::Ferma_flusso, A::Avvia_flusso};
    QTest::newRow("back to back") << QStringList{"$T$Z$F"} << QByteArray("$T$Z$F")
                                  << QList<A>{A::Ferma_flusso, A::Azzera_posizione,
                                              A::Avvia_flusso};
    QTest::newRow("lone dollar then command")
        << QStringList{"$$D"} << QByteArray("$$D\x02", 4) << QList<A>{};
    QTest::newRow("noise ignored")
        << QStringList{"xx$qT", "?"} << QByteArray("$?YES") << QList<A>{};
}

void Test_virtualboard_comandi::risposte() {
    QFETCH(QStringList, pezzi);
    QFETCH(QByteArray, attese);
    QFETCH(QList<Azione_scheda>, azioni);
    Interprete_comandi::Profilo profilo;
    profilo.tipo_scheda = 2;
    Interprete_comandi interprete(profilo);
    QList<Azione_scheda> eseguite;
    QCOMPARE(Risposte(interprete, pezzi, &eseguite), attese);
    QCOMPARE(eseguite, azioni);
}

void Test_virtualboard_comandi::profili_difettosi() {
    Interprete_comandi::Profilo muto;
    muto.muta = true;
    Interprete_comandi silenziosa(muto);
    QList<Azione_scheda> azioni;
    QCOMPARE(Risposte(silenziosa, {"$", "?", "$D", "$F"}, &azioni), QByteArray());
    QVERIFY(azioni.isEmpty());

    Interprete_comandi::Profilo errato;
    errato.avvio_errato = true;
    Interprete_comandi avvio(errato);
    const QByteArray r = Risposte(avvio, {"$T"});
    QCOMPARE(r.size(), 2);
    QVERIFY(r[0] != '$');
    QCOMPARE(Risposte(avvio, {"?"}), QByteArray("?YES")); // the probe still succeeds
}

void Test_virtualboard_comandi::opzioni_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("valide");
    QTest::newRow("all") << QStringList{"--port",      "30",         "--board-type",   "7",
                                        "--amplitude", "300:500",    "--config",       "5,1,0",
                                        "--garble",    "0.01",       "--vanish-after", "2.5",
                                        "--silent",    "--bad-start"}
                         << true;
    QTest::newRow("rate at the line's limit")
        << QStringList{"--port", "1", "--rate", "1920"} << true;
    QTest::newRow("no port") << QStringList{"--board-type", "3"} << false;
    QTest::newRow("unknown option") << QStringList{"--port", "3", "--fast", "1"} << false;
    QTest::newRow("rate over the line") << QStringList{"--port", "3", "--rate", "5000"} << false;
    QTest::newRow("reversed range")
        << QStringList{"--port", "3", "--amplitude", "500:300"} << false;
    QTest::newRow("comma decimal") << QStringList{"--port", "3", "--up", "0,5"} << false;
}

void Test_virtualboard_comandi::opzioni() {
    QFETCH(QStringList, argomenti);
    QFETCH(bool, valide);
    Opzioni_scheda o;
    QString errore;
    QCOMPARE(Leggi_opzioni(argomenti, o, errore), valide);
    QCOMPARE(errore.isEmpty(), valide);
}

// The endless set joins generated sets: time and position run on without a jump, and
// each record's step time is the time since the previous record.
void Test_virtualboard_comandi::flusso_continuo_senza_salti() {
    Parametri_copione p;
    p.ripetizioni = 2;
    p.pausa_alta_min_s = p.pausa_alta_max_s = 0.5;
    Flusso_continuo flusso(p, 4, 3);
    std::vector<Record_scheda> r;
    const double durata_serie = Genera_copione(p, 4).Durata_s();
    flusso.Fino_a(3.5 * durata_serie, r); // three set boundaries
    QVERIFY(r.size() > 100);
    double massimo = 0, minimo = 1e9;
    for (std::size_t i = 1; i < r.size(); ++i) {
        const auto passo = r[i].istante - r[i - 1].istante;
        QVERIFY2(passo > 0, qPrintable(QString::number(i)));
        QCOMPARE(std::abs(std::int64_t{r[i].tempo}), passo);
        QVERIFY2(passo <= 12000 * 1000 + 1, "an idle record at least every second");
        const auto salto = std::abs(r[i].conteggio - r[i - 1].conteggio);
        QVERIFY2(salto <= 6, qPrintable(QString::number(salto))); // 6 a step, less at a turn
        massimo = std::max(massimo, r[i].istante_s);
        minimo = std::min(minimo, static_cast<double>(r[i].conteggio));
    }
    QVERIFY(massimo > 3 * durata_serie);
    // The bar comes back down between sets instead of climbing set after set.
    QVERIFY(static_cast<double>(r.back().conteggio) <
            2 * p.ampiezza_max_mm + p.posizione_iniziale_mm);
    QVERIFY(minimo >= p.posizione_iniziale_mm - 30);
}

QTEST_GUILESS_MAIN(Test_virtualboard_comandi)
#include "test_virtualboard_comandi.moc"
