// The virtual board's command replies and command line.

#include "virtualboard/comandi_scheda.h"
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
        QTest::newRow("split across reads")
            << 0 << QStringList{"$", "T", "$", "F"} << QByteArray("$T$F")
            << QList<A>{A::Ferma_flusso, A::Avvia_flusso};
        QTest::newRow("back to back")
            << 0 << QStringList{"$T$Z$F"} << QByteArray("$T$Z$F")
            << QList<A>{A::Ferma_flusso, A::Azzera_posizione, A::Avvia_flusso};
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

    // Values out of range are refused with the range in the message.
    void opzioni_fuori_intervallo_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<QString>("errore"); // empty: accepted
        QTest::newRow("port 30") << "--port 30"
                                 << "";
        QTest::newRow("port 31") << "--port 31"
                                 << "--port: \"31\" (da 1 a 30)";
        QTest::newRow("port 0") << "--port 0"
                                << "(da 1 a 30)";
        QTest::newRow("reversed interval") << "--port 2 --up 1:0.5"
                                           << "(da 0.05 a 60)";
        QTest::newRow("config") << "--port 2 --config 1,2,256"
                                << "ognuno da 0 a 255";
        QTest::newRow("rate") << "--port 2 --rate 2000"
                              << "(da 1 a 1920)";
    }
    void opzioni_fuori_intervallo() {
        QFETCH(QString, argomenti);
        QFETCH(QString, errore);
        Opzioni_scheda o;
        const QString messaggio = Leggi_opzioni(argomenti.split(' '), o).value_or(QString());
        QCOMPARE(messaggio.isEmpty(), errore.isEmpty());
        QVERIFY2(messaggio.contains(errore), qPrintable(messaggio));
    }
};

QTEST_GUILESS_MAIN(Test_virtualboard_comandi)
#include "test_virtualboard_comandi.moc"
