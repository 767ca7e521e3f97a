// The repetition summary file, byte for byte, with its progress, names and failures.
#include "analysis/lista_valori.h"
#include "datafiles/avanzamento.h"
#include "datafiles/nomi_file.h"
#include "datafiles/salva_ripetizioni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime Istante(QDate(2026, 12, 4), QTime(9, 5, 7));
const QByteArray Testa =
    "04 12 2026;9:05:7;\r\nNome;Esercizio;Carico;N\xB0Rip;Tempo;Durata;Spost;"
    "Vmedia;Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;Vmax;TdiVmax;SdiVmax;\r\n";
const QLocale It(QLocale::Italian), En(QLocale::English);

class Registro_avanzamento : public Avanzamento {
public:
    QStringList passi;
    void Mostra() override { passi << "show"; }
    void Imposta_massimo(int massimo) override { passi << QString("max %1").arg(massimo); }
    void Imposta_valore(int valore) override { passi << QString("value %1").arg(valore); }
    void Chiudi() override { passi << "close"; }
};

QByteArray Leggi(const QString& nome) {
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Rows of the value list; cells left out stay empty, which is not a number.
Lista_valori Lista(const QList<QStringList>& righe) {
    Lista_valori lista;
    for (const auto& celle : righe) {
        Lista_valori::Riga riga;
        for (qsizetype c = 0; c < celle.size(); ++c) riga.at(static_cast<size_t>(c)) = celle[c];
        lista.Aggiungi(riga);
    }
    return lista;
}

Dati_esercizio_t Rossi(const QString& cartella = QString()) {
    Dati_esercizio_t dati;
    dati.Atleta = "Rossi";
    dati.Esercizio = "Squat";
    dati.Carico = 80;
    dati.Cartella_dati = cartella;
    return dati;
}
} // namespace

class Test_salva_ripetizioni : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<QStringList>>("righe");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QStringList>("passi");
        const QStringList it = {"9", "0,52", "1,237", "523", "-510", "0", "1.234"};
        QTest::newRow("empty list")
            << It << QList<QStringList>{} << QByteArray() << QStringList{"show", "close"};
        QTest::newRow("Italian")
            << It << QList<QStringList>{it}
            << QByteArray("Rossi;Squat;80,0; 1 ;0,52;1,24;523,00;-510,00;0,00;1234,00;\r\n")
            << QStringList{"show", "value 0", "close"};
        // Texts are read under the locale: in English the comma groups thousands.
        QTest::newRow("English")
            << En << QList<QStringList>{it}
            << QByteArray("Rossi;Squat;80.0; 1 ;1237.00;523.00;-510.00;0.00;1.23;\r\n")
            << QStringList{"show", "value 0", "close"};
        QTest::newRow("numbered by line, not by the first column")
            << It << QList<QStringList>{{"7", "x", "1"}, {"7", "2"}, {"7", "3"}}
            << QByteArray("Rossi;Squat;80,0; 1 ;1,00;\r\nRossi;Squat;80,0; 2 ;2,00;\r\n"
                          "Rossi;Squat;80,0; 3 ;3,00;\r\n")
            << QStringList{"show", "max 2", "value 0", "value 1", "value 2", "close"};
    }
    void lines() {
        QFETCH(QLocale, locale);
        QFETCH(QList<QStringList>, righe);
        QFETCH(QByteArray, dati);
        QFETCH(QStringList, passi);
        Registro_avanzamento registro;
        QString nome = cartella.filePath("riepilogo.csv");
        QCOMPARE(Salva_ripetizioni(nome, Lista(righe), Rossi(), locale, Istante, &registro),
                 std::nullopt);
        QCOMPARE(Leggi(nome), Testa + dati);
        QCOMPARE(registro.passi, passi);
    }

    void settings_texts_are_written_in_latin1() {
        Dati_esercizio_t dati = Rossi();
        dati.Atleta = "Nicol\u00f2";
        dati.Carico = 82.46f;
        QString nome = cartella.filePath("latin1.csv");
        QCOMPARE(Salva_ripetizioni(nome, Lista({{"1", "0"}}), dati, It, Istante, nullptr),
                 std::nullopt);
        QCOMPARE(Leggi(nome), Testa + QByteArray("Nicol\xF2;Squat;82,5; 1 ;0,00;\r\n"));
    }

    void names_and_dates_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("adesso");
        QTest::addColumn<QString>("timbro");
        QTest::addColumn<QString>("nome");
        QTest::newRow("Italian") << It << Istante << "04 12 2026;9:05:7;"
                                 << "Squat_261204_09:05:07";
        QTest::newRow("dot separator")
            << QLocale(QLocale::Finnish) << QDateTime(QDate(2031, 1, 9), QTime(23, 59, 0))
            << "09 01 2031;23.59.0;"
            << "Squat_310109_23.59.00";
        QTest::newRow("12-hour English")
            << QLocale(QLocale::English, QLocale::UnitedStates)
            << QDateTime(QDate(2026, 12, 4), QTime(0, 0, 5)) << "04 12 2026;0:00:5;"
            << "Squat_261204_00:00:05";
    }
    void names_and_dates() {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, adesso);
        QFETCH(QString, timbro);
        QFETCH(QString, nome);
        QCOMPARE(Timbro_data_ora(adesso, locale), timbro);
        QCOMPARE(Nome_file_ripetizioni("Squat", adesso, locale), nome);
    }

    void default_name_at_stop() {
        QVERIFY(QDir(cartella.path()).mkpath("atleta"));
        QString nome;
        QVERIFY(!Salva_ripetizioni(nome, Lista({}), Rossi(cartella.filePath("atleta")), It, Istante,
                                   nullptr));
        QCOMPARE(nome, cartella.filePath("atleta/Squat_261204_09:05:07.csv"));
        nome.clear();
        QVERIFY(!Salva_ripetizioni(nome, Lista({}), Rossi(), It, Istante, nullptr,
                                   cartella.filePath("app")));
        QCOMPARE(nome, cartella.filePath("app/misure_auto/Squat_261204_09:05:07.csv"));
        QCOMPARE(Leggi(nome), Testa);
    }

    void failures_are_returned_and_the_progress_closes_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("passi");
        const QStringList nessuna_riga = {"show", "max 1", "close"};
        QTest::newRow("missing folder") << cartella.filePath("nowhere/r.csv") << nessuna_riga;
        QTest::newRow("name of a folder") << cartella.path() << nessuna_riga;
        QTest::newRow("disk full")
            << "/dev/full" << QStringList{"show", "max 1", "value 0", "value 1", "close"};
    }
    void failures_are_returned_and_the_progress_closes() {
        QFETCH(QString, nome);
        QFETCH(QStringList, passi);
        Registro_avanzamento registro;
        const auto errore = Salva_ripetizioni(nome, Lista({{"1", "0,5"}, {"2", "1,5"}}), Rossi(),
                                              It, Istante, &registro);
        QVERIFY(errore && !errore->isEmpty());
        QCOMPARE(registro.passi, passi);
    }
};

QTEST_GUILESS_MAIN(Test_salva_ripetizioni)
#include "test_salva_ripetizioni.moc"
