// SPDX-License-Identifier: GPL-3.0-or-later
// The index of the tests: what a row holds, read from record, summary and analysis or from
// a summary alone; kept up to date as files come, change and go; damaged test files and a
// damaged database; the test of a save in the index at once.
#include "log/esempio_profilo.h"
#include "log/indice_sedute.h"
#include "tests/log/storico_prova.h"
#include "tests/support/file_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Squadra = QStringLiteral("Gialli");
const QString Atleta = QStringLiteral("Anna");

QString Cartella(const QTemporaryDir& dati) {
    return dati.filePath(Squadra + QLatin1Char('/') + Atleta);
}
} // namespace

class Test_indice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A recorded set: the table's best leaves the excluded repetition out, the analysis
    // gives the true lift, the propulsive best and mean and the last counted repetition's
    // loss; record gives the time, RPE, note and exclusions.
    void a_row_holds_the_tests_values() {
        QTemporaryDir dati;
        Test_esempio t = Test_di("Squat", 100, Lunedi, {700, 760, 900, 650});
        t.valzata = {680, 740, 880, 630};
        t.vpropulsive = {600, 640, 800, 560};
        t.escluse = {3};
        t.rpe = 8.5;
        t.nota = QStringLiteral("gambe pesanti; poi meglio");
        const QString campioni = Scrivi_test(dati.path(), Squadra, Atleta, t);

        Indice_test indice(dati.path());
        const Esito_indice esito = indice.Aggiorna();
        QCOMPARE(esito.letti, 1);
        QVERIFY2(esito.scartati.isEmpty(), qPrintable(esito.scartati.join('\n')));
        const auto righe = indice.Test_atleta(Squadra, Atleta);
        QCOMPARE(righe.size(), std::size_t(1));
        const Riga_test& r = righe[0];
        QCOMPARE(r.squadra, Squadra);
        QCOMPARE(r.atleta, Atleta);
        QCOMPARE(r.esercizio, QStringLiteral("Squat"));
        QCOMPARE(r.carico, 100.0);
        QCOMPARE(r.quando, Lunedi);
        QCOMPARE(r.ripetizioni, 4);
        QCOMPARE(r.escluse, 1);
        QCOMPARE(*r.vmedia_tabella, 0.283); // 760 mm/s and the pause at the top
        QCOMPARE(*r.vmedia_alzata, 0.74);
        QCOMPARE(*r.mpv_migliore, 0.64);
        QCOMPARE(*r.mpv_media, (0.6 + 0.64 + 0.56) / 3);
        QVERIFY(r.perdita_ultima);
        QVERIFY(qAbs(*r.perdita_ultima - (640.0 - 560.0) / 640.0 * 100.0) < 0.006);
        QCOMPARE(r.rpe, 8.5f);
        QCOMPARE(r.nota, t.nota);
        QCOMPARE(r.file_campioni, campioni);
        QVERIFY(r.file_record.endsWith(" test.ini"));
        QVERIFY(r.file_sommario.endsWith(" ripetizioni.csv"));
        QVERIFY(r.file_analisi.endsWith(" ripetizioni analisi.csv"));
        QCOMPARE(r.Cartella(), Cartella(dati));
    }

    // A summary saved under a chosen name, without record or analysis: its stamp is the
    // time, its rows the repetitions; a copy of it under another name is one test, the same
    // rows on another day another; files of the program's own folders and other texts are
    // no tests.
    void a_summary_alone_and_its_copy() {
        QTemporaryDir dati;
        QString nome;
        QVERIFY(!Scrivi_test_esempio(Cartella(dati), Atleta, "Panca", 62.5f, {500, 550, 520},
                                     QLocale(QLocale::English), Lunedi, &nome));
        QVERIFY(QFile::copy(nome, Cartella(dati) + "/copia.csv"));
        QVERIFY(!Scrivi_test_esempio(Cartella(dati), Atleta, "Panca", 62.5f, {500, 550, 520},
                                     QLocale(QLocale::English), Lunedi.addDays(1)));
        Scrivi(Cartella(dati) + "/appunti.csv", "a;b;\r\n");
        QVERIFY(!Scrivi_test_esempio(dati.filePath("misure_auto/x"), Atleta, "Panca", 50, {400},
                                     QLocale::c(), Lunedi));

        Indice_test indice(dati.path());
        const Esito_indice esito = indice.Aggiorna();
        const auto righe = indice.Test_atleta(Squadra, Atleta);
        QCOMPARE(righe.size(), std::size_t(2));
        QCOMPARE(righe[0].quando, Lunedi.addDays(1));
        QCOMPARE(righe[1].carico, 62.5);
        QCOMPARE(righe[1].quando, Lunedi);
        QCOMPARE(righe[1].ripetizioni, 3);
        QCOMPARE(*righe[1].vmedia_tabella, 0.55);
        QVERIFY(!righe[1].vmedia_alzata);
        QVERIFY(righe[1].file_record.isEmpty());
        QCOMPARE(esito.scartati.size(), 1);
        QVERIFY2(esito.scartati[0].contains("copia di"), qPrintable(esito.scartati[0]));
        QCOMPARE(indice.Squadre(), QStringList{Squadra});
    }

    // Files added, changed and removed between two views; the unchanged ones are not read
    // again. Another athlete's folder is not touched by one athlete's update.
    void follows_the_files() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        Scrivi_test(dati.path(), Squadra, "Bea", Test_di("Squat", 60, Lunedi, {900}));
        {
            Indice_test indice(dati.path());
            QCOMPARE(indice.Aggiorna().letti, 2);
        }
        const QString secondo = Scrivi_test(dati.path(), Squadra, Atleta,
                                            Test_di("Stacco", 120, Lunedi.addDays(1), {500}));
        Indice_test indice(dati.path());
        Esito_indice esito = indice.Aggiorna_atleta(Squadra, Atleta);
        QCOMPARE(esito.letti, 1);
        QCOMPARE(esito.invariati, 1);
        auto righe = indice.Test_atleta(Squadra, Atleta);
        QCOMPARE(righe.size(), std::size_t(2));
        QCOMPARE(righe[0].esercizio, QStringLiteral("Stacco")); // newest first

        // The coach changes the note: the record is rewritten, larger.
        QString record = righe[0].file_record;
        QByteArray testo = Contenuto(record);
        testo.replace("note=", "note=rifatto con cinture ");
        QFile f(record);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(testo);
        f.close();
        esito = indice.Aggiorna_atleta(Squadra, Atleta);
        QCOMPARE(esito.letti, 1);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta)[0].nota,
                 QStringLiteral("rifatto con cinture"));

        // The test's files go: so does its row; a whole athlete's folder goes.
        for (const QString& file : QDir(Cartella(dati)).entryList({"*"}, QDir::Files))
            if (file.startsWith(QFileInfo(secondo).completeBaseName()))
                QVERIFY(QDir(Cartella(dati)).remove(file));
        esito = indice.Aggiorna_squadra(Squadra);
        QCOMPARE(esito.rimossi, 1);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(1));
        QVERIFY(QDir(dati.filePath(Squadra + "/Bea")).removeRecursively());
        QCOMPARE(indice.Aggiorna().rimossi, 1);
        QCOMPARE(indice.Atleti(Squadra), QStringList{Atleta});
    }

    // A damaged summary and record, a file named as a summary that is none and a summary too
    // large to be read are named and skipped; once changed and mended they count; the good
    // tests beside them stay.
    void damaged_test_files_are_named_and_skipped() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        const QString rotto = Scrivi_test(dati.path(), Squadra, Atleta,
                                          Test_di("Squat", 90, Lunedi.addDays(2), {700}));
        QString record = rotto;
        record.replace(".csv", " test.ini");
        const QByteArray buono = Contenuto(record);
        Scrivi(record, "[test]\nformat=1\nload=ottanta\n");
        const QByteArray titoli =
            "01 11 2026;10:00:00;\r\nNome;Esercizio;Carico;N\xB0Rip;Tempo;Durata;Spost;Vmedia;"
            "Vmax;TdiVmax;SdiVmax;Durata;Spost;Vmedia;Vmax;TdiVmax;SdiVmax;\r\n";
        Scrivi(Cartella(dati) + "/Panca_261101.csv", titoli + "Anna;Panca;50,0; 1 ;0,00;1,00;\r\n");
        Scrivi(Cartella(dati) + "/Stacco ripetizioni.csv", QByteArray(300, '\x07'));
        Scrivi(Cartella(dati) + "/Lungo ripetizioni.csv", titoli + QByteArray(1024 * 1024, 'x'));
        const auto Nominati = [](const Esito_indice& esito, const QStringList& pezzi) {
            QCOMPARE(esito.scartati.size(), pezzi.size());
            for (const QString& pezzo : pezzi)
                QVERIFY2(esito.scartati.filter(pezzo).size() == 1,
                         qPrintable(esito.scartati.join('\n') + "\n--- " + pezzo));
        };
        QStringList nominati{"Panca_261101.csv: riga 3 incompleta",
                             "Stacco ripetizioni.csv: non è un file delle ripetizioni",
                             "Lungo ripetizioni.csv: file illeggibile (è più grande di 1 MB",
                             "test.ini: valori illeggibili: load"};

        Indice_test indice(dati.path());
        Esito_indice esito = indice.Aggiorna();
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(1));
        Nominati(esito, nominati);
        // Named again at the next view, without being read again.
        esito = indice.Aggiorna();
        QCOMPARE(esito.scartati.size(), 4);
        QCOMPARE(esito.letti, 0);

        // The record mended, its summary garbled: the test counts, the summary is named.
        Scrivi(record, buono);
        const QString sommario = QString(rotto).replace(".csv", " ripetizioni.csv");
        Scrivi(sommario, "\x01\x02");
        esito = indice.Aggiorna();
        QCOMPARE(esito.letti, 1);
        nominati.last() = QFileInfo(sommario).fileName() + ": non è un file delle ripetizioni";
        Nominati(esito, nominati);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(2));
    }

    // A database that is not one, or left stale by another version, is rebuilt from the
    // files; rows it held for files that are gone never come back.
    void a_damaged_database_is_rebuilt() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        QString file_db;
        {
            Indice_test indice(dati.path());
            indice.Aggiorna();
            file_db = indice.File_database();
        }
        QVERIFY(QFile::exists(file_db));
        Scrivi(file_db, QByteArray("questo non è un database").repeated(200));
        {
            Indice_test indice(dati.path());
            QVERIFY2(indice.Avviso_apertura().contains("ricostruito"),
                     qPrintable(indice.Avviso_apertura()));
            QCOMPARE(indice.Aggiorna().letti, 1);
            QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(1));
        }
        {
            Indice_test indice(dati.path());
            QVERIFY(indice.Avviso_apertura().isEmpty());
            QCOMPARE(indice.Aggiorna().invariati, 1);
        }
    }

    // Where the database cannot be made (its name taken by a folder) the index lives in
    // memory and still answers from the files.
    void an_unusable_database_place_keeps_the_index_in_memory() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        QVERIFY(QDir(dati.path()).mkpath("ini/storico.sqlite/x"));
        Indice_test indice(dati.path());
        QVERIFY2(indice.Avviso_apertura().contains("memoria"),
                 qPrintable(indice.Avviso_apertura()));
        QCOMPARE(indice.Aggiorna().letti, 1);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(1));
    }

    // After a save: the test is in the index before the save returns, and nothing of the
    // program's own folders is.
    void a_saved_test_is_indexed_at_once() {
        QTemporaryDir dati;
        {
            Indice_test indice(dati.path());
            indice.Aggiorna();
        }
        const QString campioni =
            Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800, 780}));
        QVERIFY(!Indicizza_test(dati.path(), campioni));
        QVERIFY(
            !Indicizza_test(dati.path(), dati.filePath("misure_auto/2026  nov 02  17.00.0.csv")));
        QDir(dati.path()).rename(Squadra, "rinominata");
        Indice_test indice(dati.path()); // no update: what the save put in
        const auto righe = indice.Test_atleta(Squadra, Atleta);
        QCOMPARE(righe.size(), std::size_t(1));
        QCOMPARE(righe[0].ripetizioni, 2);
    }
};

QTEST_GUILESS_MAIN(Test_indice)
#include "test_indice.moc"
