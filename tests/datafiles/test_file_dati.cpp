// SPDX-License-Identifier: GPL-3.0-or-later
// The sample recording file and the repetition summary file: byte for byte under
// Italian and English settings and their default names; names outside ASCII in the
// Windows code page, read back as they were written.
#include "datafiles/codifica_1252.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/nomi_file.h"
#include "datafiles/profilo_velocita.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "session/formato.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"
#include "tests/support/file_prova.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray Testa_campioni = "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n";
const QByteArray Testa_ripetizioni =
    "04 12 2026;9:05:7;\r\nNome;Esercizio;Carico;N\xB0Rip;Tempo;Durata;Spost;"
    "Vmedia;Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;Vmax;TdiVmax;SdiVmax;\r\n";
const QDateTime Istante(QDate(2026, 12, 4), QTime(9, 5, 7));
const QLocale It(QLocale::Italian), En(QLocale::English);

// Rows of the value list; cells left out stay empty, which is not a number.
Lista_valori Lista(const QList<QStringList>& righe) {
    Lista_valori lista;
    for (const auto& celle : righe) {
        Lista_valori::Riga riga;
        std::copy(celle.begin(), celle.end(), riga.begin());
        lista.Aggiungi(riga);
    }
    return lista;
}
// An athlete name outside ASCII (written in Latin-1) and a load to round.
Dati_esercizio_t Dati(const QString& cartella = QString()) {
    Dati_esercizio_t dati;
    dati.Atleta = "Nicol\u00f2";
    dati.Esercizio = "Squat";
    dati.Carico = 82.46f;
    dati.Cartella_dati = cartella;
    return dati;
}
} // namespace

class Test_file_dati : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    // The first and last records are left out; the decimal point of English settings is
    // in the reference files.
    void sample_rows_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<Campione>>("campioni"); // Posizione, dt, Tempo, Velocita
        QTest::addColumn<QByteArray>("righe");
        const Campione x{7, 7, 7, 7};
        QTest::newRow("never reset") << It << QList<Campione>{} << QByteArray();
        const QList<Campione> valori = {x,
                                        {123.6f, 0.01f, 1.5f, -250.25f},
                                        {-0.4f, -0.0002f, 0.0002f, -0.00004f},
                                        {-123.5f, 0.000005f, 2.5f, 1234567.0f},
                                        x};
        QTest::newRow("Italian") << It << valori
                                 << QByteArray("1,5000;124;-250,2500;0,01000\r\n"
                                               "0,0002;0;0,0000;-0,00020\r\n"
                                               "2,5000;-124;1234567,0000;0,00000\r\n");
    }
    void sample_rows() {
        QFETCH(QLocale, locale);
        QFETCH(QList<Campione>, campioni);
        QFETCH(QByteArray, righe);
        Sessione s;
        s.Campioni.assign(campioni.begin(), campioni.end());
        QString nome = cartella.filePath("righe.csv");
        QCOMPARE(Salva_campioni(nome, s, locale, Istante), std::nullopt);
        QCOMPARE(Contenuto(nome), Testa_campioni + righe);
    }

    void summary_lines_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<QStringList>>("righe");
        QTest::addColumn<QByteArray>("dati");
        const QStringList it = {"9", "0,52", "1,237", "523", "-510", "0", "1.234"};
        QTest::newRow("empty list") << It << QList<QStringList>{} << QByteArray();
        QTest::newRow("Italian")
            << It << QList<QStringList>{it}
            << QByteArray("Nicol\xF2;Squat;82,5; 1 ;0,52;1,24;523,00;-510,00;0,00;1234,00;\r\n");
        // Texts are read under the locale: in English the comma groups thousands.
        QTest::newRow("English")
            << En << QList<QStringList>{it}
            << QByteArray("Nicol\xF2;Squat;82.5; 1 ;1237.00;523.00;-510.00;0.00;1.23;\r\n");
        QTest::newRow("numbered by line, not by the first column")
            << It << QList<QStringList>{{"7", "x", "1"}, {"7", "2"}}
            << QByteArray("Nicol\xF2;Squat;82,5; 1 ;1,00;\r\nNicol\xF2;Squat;82,5; 2 ;2,00;\r\n");
    }
    void summary_lines() {
        QFETCH(QLocale, locale);
        QFETCH(QList<QStringList>, righe);
        QFETCH(QByteArray, dati);
        QString nome = cartella.filePath("riepilogo.csv");
        QCOMPARE(Salva_ripetizioni(nome, Lista(righe), Dati(), locale, Istante, nullptr),
                 std::nullopt);
        QCOMPARE(Contenuto(nome), Testa_ripetizioni + dati);
    }

    // Without a name both files go to the athlete's folder; names carry "." between hours,
    // minutes and seconds, the summary's date stamp the locale's own separator, quoted in
    // the pattern here. (Before any athlete is chosen they go to "misure_auto": the
    // program's save test.)
    void default_names() {
        const QLocale locale(QLocale::French, QLocale::Canada);
        QVERIFY(QDir(cartella.path()).mkpath("atleta"));
        Sessione s;
        s.Campioni.resize(3);
        s.Cartella_applicazione = cartella.filePath("app");
        s.Dati_esercizio.Cartella_dati = cartella.filePath("atleta");
        s.Fissa_serie();
        QString nome;
        QCOMPARE(Salva_campioni(nome, s, locale, Istante), std::nullopt);
        QCOMPARE(nome, cartella.filePath("atleta/2026  d\u00e9c. 04  9.05.7.csv"));
        QCOMPARE(Contenuto(nome).count('\n'), 3);
        nome.clear();
        QCOMPARE(Salva_ripetizioni(nome, Lista({}), Dati(s.Dati_esercizio.Cartella_dati), locale,
                                   Istante, nullptr, s.Cartella_applicazione),
                 std::nullopt);
        QCOMPARE(nome, cartella.filePath("atleta/2026  d\u00e9c. 04  9.05.7 ripetizioni.csv"));
        QVERIFY(Contenuto(nome).startsWith("04 12 2026;9 h 05 h 7;\r\n"));
    }

    // What the setup dialog accepts (a Czech athlete, the euro sign, a ligature, curly
    // quotes) is one byte each in windows-1252, and comes back from the summary and the
    // profile as it went in.
    void names_in_the_windows_code_page() {
        QTemporaryDir dir;
        Dati_esercizio_t dati = Dati(dir.path());
        dati.Atleta = "\u0160imek";
        dati.Esercizio = "Squat\u20AC \u201C\u0152\u201D \u2018x\u2019";
        QString nome = dir.filePath("riepilogo.csv");
        const QStringList riga = {"1",   "1",   "0,5",  "500",  "700",  "900", "0,2",
                                  "200", "1,2", "-500", "-400", "-600", "0,7", "-250"};
        QCOMPARE(Salva_ripetizioni(nome, Lista({riga}), dati, It, Istante, nullptr), std::nullopt);
        const QByteArray dati_1252 = "\x8Aimek;Squat\x80 \x93\x8C\x94 \x91x\x92;82,5; 1 ;1,00;";
        QCOMPARE(Contenuto(nome).mid(Testa_ripetizioni.size(), dati_1252.size()), dati_1252);
        Analisi_ripetizione analisi;
        analisi.Vpropulsiva = 750;
        QCOMPARE(Salva_analisi(Nome_file_analisi(nome), {analisi}, It), std::nullopt);
        QVERIFY(Contenuto(Nome_file_analisi(nome)).startsWith("N\xB0Rip;Vmedia;"));

        const QList<QByteArray> righe = Contenuto(nome).split('\n');
        QCOMPARE(Testo_da_1252(righe[2].split(';')[0]), dati.Atleta);
        QCOMPARE(Leggi_sommario(nome).test.esercizio, dati.Esercizio);
        const Test_atleta test = Leggi_test_atleta(dir.path());
        QCOMPARE(Esercizi_test(test), QStringList{dati.Esercizio});
        const Profilo_velocita profilo = Profilo_esercizio(test, dati.Esercizio, 0.3, It);
        QCOMPARE(int(profilo.punti.size()), 1);
        QCOMPARE(profilo.punti[0].velocita, 0.75);
    }
};

QTEST_GUILESS_MAIN(Test_file_dati)
#include "test_file_dati.moc"
