// The virtual board's pure pieces: command replies, options, the endless motion.

#include "virtualboard/comandi_scheda.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"

#include <QtTest>

Q_DECLARE_METATYPE(Azione_scheda)

class Test_virtualboard_comandi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void risposte_data() {
        QTest::addColumn<int>("difetto");       // 0 none, 1 silent, 2 bad first reply byte
        QTest::addColumn<QStringList>("pezzi"); // received one read after another
        QTest::addColumn<QByteArray>("attese");
        QTest::addColumn<QList<Azione_scheda>>("azioni");
        using A = Azione_scheda;
        QTest::newRow("probe") << 0 << QStringList{"$", "?"} << QByteArray("$?YES") << QList<A>{};
        QTest::newRow("type") << 0 << QStringList{"$D"} << QByteArray("$D\x02", 3) << QList<A>{};
        QTest::newRow("config") << 0 << QStringList{"$i"} << QByteArray("$i\x02\x05\x01\x00", 6)
                                << QList<A>{};
        QTest::newRow("split across reads")
            << 0 << QStringList{"$", "T", "$", "F"} << QByteArray("$T$F")
            << QList<A>{A::Ferma_flusso, A::Avvia_flusso};
        QTest::newRow("back to back")
            << 0 << QStringList{"$T$Z$F"} << QByteArray("$T$Z$F")
            << QList<A>{A::Ferma_flusso, A::Azzera_posizione, A::Avvia_flusso};
        QTest::newRow("lone dollar")
            << 0 << QStringList{"$$D"} << QByteArray("$$D\x02", 4) << QList<A>{};
        QTest::newRow("noise") << 0 << QStringList{"xx$qT", "?"} << QByteArray("$?YES")
                               << QList<A>{};
        QTest::newRow("silent") << 1 << QStringList{"$", "?", "$D", "$F"} << QByteArray()
                                << QList<A>{};
        QTest::newRow("bad start, probe still fine")
            << 2 << QStringList{"$T", "?"} << QByteArray("#T?YES") << QList<A>{A::Ferma_flusso};
    }
    void risposte() {
        QFETCH(int, difetto);
        QFETCH(QStringList, pezzi);
        QFETCH(QByteArray, attese);
        QFETCH(QList<Azione_scheda>, azioni);
        Interprete_comandi::Profilo profilo;
        profilo.tipo_scheda = 2;
        profilo.muta = difetto == 1;
        profilo.avvio_errato = difetto == 2;
        Interprete_comandi interprete(profilo);
        QByteArray tutte;
        QList<Azione_scheda> eseguite;
        for (const auto& pezzo : pezzi)
            for (const auto& r : interprete.Ricevi(pezzo.toLatin1())) {
                tutte += r.byte;
                if (r.azione != Azione_scheda::Nessuna) eseguite << r.azione;
            }
        QCOMPARE(tutte, attese);
        QCOMPARE(eseguite, azioni);
    }

    void opzioni_data() {
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
        QTest::newRow("rate over the line")
            << QStringList{"--port", "3", "--rate", "5000"} << false;
        QTest::newRow("reversed range")
            << QStringList{"--port", "3", "--amplitude", "500:300"} << false;
        QTest::newRow("comma decimal") << QStringList{"--port", "3", "--up", "0,5"} << false;
    }
    void opzioni() {
        QFETCH(QStringList, argomenti);
        QFETCH(bool, valide);
        Opzioni_scheda o;
        QString errore;
        QCOMPARE(Leggi_opzioni(argomenti, o, errore), valide);
        QCOMPARE(errore.isEmpty(), valide);
    }

    // The endless set joins generated sets: time and position run on without a jump,
    // each record's step time is the time since the previous one, and the bar comes
    // back down between sets instead of climbing set after set.
    void flusso_continuo_senza_salti() {
        Parametri_copione p;
        p.ripetizioni = 2;
        p.pausa_alta_min_s = p.pausa_alta_max_s = 0.5;
        std::vector<Record_scheda> r;
        const double durata_serie = Genera_copione(p, 4).Durata_s();
        Flusso_continuo(p, 4, 3).Fino_a(3.5 * durata_serie, r); // three set boundaries
        QVERIFY(r.size() > 100 && r.back().istante_s > 3 * durata_serie);
        for (std::size_t i = 1; i < r.size(); ++i) {
            const auto passo = r[i].istante - r[i - 1].istante;
            QVERIFY2(passo > 0 && passo <= 12000 * 1000 + 1, qPrintable(QString::number(i)));
            QCOMPARE(std::abs(std::int64_t{r[i].tempo}), passo);
            QVERIFY(std::abs(r[i].conteggio - r[i - 1].conteggio) <= 6);
            QVERIFY(double(r[i].conteggio) >= p.posizione_iniziale_mm - 30);
        }
        QVERIFY(double(r.back().conteggio) < 2 * p.ampiezza_max_mm + p.posizione_iniziale_mm);
    }
};

QTEST_GUILESS_MAIN(Test_virtualboard_comandi)
#include "test_virtualboard_comandi.moc"
