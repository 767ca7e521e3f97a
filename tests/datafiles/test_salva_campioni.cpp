// The sample recording file, byte for byte, with its names and failures.
#include "datafiles/nomi_file.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/scrittura_numeri.h"
#include "session/formato.h"
#include "session/sessione.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
const QByteArray Testa = "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n";
const QDateTime Istante(QDate(2026, 12, 4), QTime(9, 5, 7));
const QLocale It(QLocale::Italian), En(QLocale::English);

QByteArray Leggi(const QString& nome) {
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class Test_salva_campioni : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    void rows_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<Campione>>("campioni"); // Posizione, dt, Tempo, Velocita
        QTest::addColumn<QByteArray>("righe");
        const Campione x{7, 7, 7, 7};
        QTest::newRow("never reset") << It << QList<Campione>{} << QByteArray();
        QTest::newRow("after a reset") << It << QList<Campione>{x} << QByteArray();
        QTest::newRow("two records") << It << QList<Campione>{x, x} << QByteArray();
        QTest::newRow("five records, first and last left out")
            << En << QList<Campione>{x, {1, 0, 1, 0}, {2, 0, 2, 0}, {3, 0, 3, 0}, x}
            << QByteArray("1.0000;1;0.0000;0.00000\r\n2.0000;2;0.0000;0.00000\r\n"
                          "3.0000;3;0.0000;0.00000\r\n");
        const QList<Campione> valori = {x,
                                        {123.6f, 0.01f, 1.5f, -250.25f},
                                        {-0.4f, -0.0002f, 0.0002f, -0.00004f},
                                        {-123.5f, 0.000005f, 2.5f, 1234567.0f},
                                        x};
        QTest::newRow("Italian") << It << valori
                                 << QByteArray("1,5000;124;-250,2500;0,01000\r\n"
                                               "0,0002;0;0,0000;-0,00020\r\n"
                                               "2,5000;-124;1234567,0000;0,00000\r\n");
        QTest::newRow("English") << En << valori
                                 << QByteArray("1.5000;124;-250.2500;0.01000\r\n"
                                               "0.0002;0;0.0000;-0.00020\r\n"
                                               "2.5000;-124;1234567.0000;0.00000\r\n");
    }
    void rows() {
        QFETCH(QLocale, locale);
        QFETCH(QList<Campione>, campioni);
        QFETCH(QByteArray, righe);
        Sessione s;
        s.Campioni.assign(campioni.begin(), campioni.end());
        QString nome = cartella.filePath("righe.csv");
        QCOMPARE(Salva_campioni(nome, s, locale, Istante), std::nullopt);
        QCOMPARE(Leggi(nome), Testa + righe);
    }

    // The fast writer must give the display's text for every single it can meet.
    void fast_numbers_match_the_display_formatting() {
        const Scrittura_numeri numeri(It);
        auto* caso = QRandomGenerator::global();
        QList<float> valori = {-0.0f,
                               0.00005f,
                               9.99995f,
                               99999.5f,
                               3e10f,
                               -3.4e38f,
                               std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::quiet_NaN()};
        for (int i = 0; i < 30000; ++i) {
            const double segno = caso->bounded(2) ? 1.0 : -1.0;
            valori << static_cast<float>(segno * std::pow(10.0, caso->bounded(16.0) - 8));
            const float pari = static_cast<float>(caso->bounded(100000)) / 32.0f; // ties
            valori << pari << std::nextafter(pari, 0.0f);
        }
        char testo[Scrittura_numeri::Lunghezza_massima];
        for (const float v : valori)
            for (const int d : {0, 2, 4, 5}) {
                const QString ottenuto =
                    QString::fromLatin1(testo, numeri.Scrivi(testo, v, d) - testo);
                if (ottenuto != Formatta(v, d, It))
                    QFAIL(qPrintable(QString("%1 (%2 decimals): %3").arg(v).arg(d).arg(ottenuto)));
            }
    }

    void default_name_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("cartella_dati");
        QTest::addColumn<QString>("nome");
        QTest::newRow("Italian") << It << "atleta"
                                 << "atleta/2026  dic 04  9:05:7.csv";
        QTest::newRow("English") << En << "atleta"
                                 << "atleta/2026  Dec 04  9:05:7.csv";
        QTest::newRow("quoted separator") << QLocale(QLocale::French, QLocale::Canada) << "atleta"
                                          << "atleta/2026  d\u00e9c. 04  9 h 05 h 7.csv";
        QTest::newRow("no athlete yet") << En << ""
                                        << "app/misure_auto/2026  Dec 04  9:05:7.csv";
    }
    void default_name() {
        QFETCH(QLocale, locale);
        QFETCH(QString, cartella_dati);
        QFETCH(QString, nome);
        QVERIFY(QDir(cartella.path()).mkpath("atleta"));
        Sessione s;
        s.Campioni.resize(3);
        s.Cartella_applicazione = cartella.filePath("app");
        if (!cartella_dati.isEmpty())
            s.Dati_esercizio.Cartella_dati = cartella.filePath(cartella_dati);
        QString dato;
        QCOMPARE(Salva_campioni(dato, s, locale, Istante), std::nullopt);
        QCOMPARE(dato, cartella.filePath(nome));
        QCOMPARE(Leggi(dato).count('\n'), 3);
    }

    void failures_are_returned_and_nothing_is_lost_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cartella_dati");
        QTest::newRow("missing folder") << cartella.filePath("nowhere/x.csv") << QString();
        QTest::newRow("default name, missing folder") << QString() << cartella.filePath("gone");
        QTest::newRow("name of a folder") << cartella.path() << QString();
        QTest::newRow("disk full") << "/dev/full" << QString();
    }
    void failures_are_returned_and_nothing_is_lost() {
        QFETCH(QString, nome);
        QFETCH(QString, cartella_dati);
        Sessione s;
        s.Campioni.resize(50000, Campione{1, 2, 3, 4});
        s.Dati_esercizio.Cartella_dati = cartella_dati;
        const auto errore = Salva_campioni(nome, s, It, Istante);
        QVERIFY(errore && !errore->isEmpty());
        QString altro = cartella.filePath("di_nuovo.csv"); // the recording can still be saved
        QCOMPARE(Salva_campioni(altro, s, It, Istante), std::nullopt);
        QCOMPARE(Leggi(altro).count('\n'), 2 + 49998);
    }
};

QTEST_GUILESS_MAIN(Test_salva_campioni)
#include "test_salva_campioni.moc"
