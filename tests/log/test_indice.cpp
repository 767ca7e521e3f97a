// SPDX-License-Identifier: GPL-3.0-or-later
// The index of the tests: what a row holds, read from record, summary and analysis or from
// a summary alone; kept up to date as files come, change and go; damaged test files and a
// damaged database. (A save's test in the index at once: the main window's test.)
#include "log/esempio_profilo.h"
#include "log/indice_sedute.h"
#include "tests/log/storico_prova.h"
#include "tests/support/riferimento_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

namespace {
const QString Squadra = QStringLiteral("Gialli");
const QString Atleta = QStringLiteral("Anna");

QString Cartella(const QTemporaryDir& dati) {
    return dati.filePath(Squadra + QLatin1Char('/') + Atleta);
}

// A row whole: its values, then the names of its files ("-" for none).
QString Testo_riga(const Riga_test& r) {
    const auto v = [](const std::optional<double>& x) {
        return x ? QString::number(*x, 'f', 3) : QStringLiteral("-");
    };
    const auto N = [](double x) { return QString::number(x); };
    QStringList campi;
    campi << r.squadra << r.atleta << r.esercizio << N(r.carico) << r.quando.toString(Qt::ISODate)
          << N(r.ripetizioni) << N(r.escluse) << v(r.vmedia_tabella) << v(r.vmedia_alzata)
          << v(r.mpv_migliore) << v(r.mpv_media) << v(r.perdita_ultima) << N(r.rpe) << r.nota;
    for (const QString& f : {r.file_campioni, r.file_record, r.file_sommario, r.file_analisi})
        campi << (f.isEmpty() ? QStringLiteral("-") : QFileInfo(f).fileName());
    return campi.join(';');
}
} // namespace

class Test_indice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A recorded set: the table's best leaves the excluded repetition out, the analysis
    // gives the true lift, the propulsive best and mean and the last counted repetition's
    // loss; record gives the time, RPE, note and exclusions. A summary saved under a chosen
    // name, without record or analysis: its stamp is the time, its rows the repetitions; a
    // copy of it under another name is no other test, the same rows on another day are;
    // files of the program's own folders and other texts are no tests.
    void rows_of_recorded_sets_and_of_summaries() {
        QTemporaryDir dati;
        Test_esempio t = Test_di("Squat", 100, Lunedi, {700, 760, 900, 650});
        t.valzata = {680, 740, 880, 630};
        t.vpropulsive = {600, 640, 800, 560};
        t.escluse = {3};
        t.rpe = 8.5;
        t.nota = QStringLiteral("gambe pesanti; poi meglio");
        Scrivi_test(dati.path(), Squadra, Atleta, t);
        QString nome;
        for (const int giorno : {1, 2})
            QVERIFY(!Scrivi_test_esempio(Cartella(dati), Atleta, "Panca", 62.5f, {500, 550, 520},
                                         QLocale(QLocale::English), Lunedi.addDays(giorno),
                                         giorno == 1 ? &nome : nullptr));
        QVERIFY(QFile::copy(nome, Cartella(dati) + "/copia.csv"));
        Scrivi(Cartella(dati) + "/appunti.csv", "a;b;\r\n");
        QVERIFY(!Scrivi_test_esempio(dati.filePath("misure_auto/x"), Atleta, "Panca", 50, {400},
                                     QLocale::c(), Lunedi));

        Indice_test indice(dati.path());
        const Esito_indice esito = indice.Aggiorna();
        QVERIFY2(esito.scartati.size() == 1 && esito.scartati[0].contains("copia di"),
                 qPrintable(esito.scartati.join('\n')));
        QStringList righe;
        for (const Riga_test& r : indice.Test_atleta(Squadra, Atleta)) righe << Testo_riga(r);
        // 760 mm/s and the pause at the top: 0.283 m/s in the table.
        QCOMPARE(righe.join('\n') + '\n', QString::fromUtf8(Riferimento("indice/righe.txt")));
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).back().Cartella(), Cartella(dati));
        QCOMPARE(indice.Squadre(), QStringList{Squadra});
    }

    // Files added, changed and removed between two views; the unchanged ones are not read
    // again. Another athlete's folder is not touched by one athlete's update.
    void follows_the_files() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        Scrivi_test(dati.path(), Squadra, "Bea", Test_di("Squat", 60, Lunedi, {900}));
        QCOMPARE(Indice_test(dati.path()).Aggiorna().letti, 2);
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
        const QString record = righe[0].file_record;
        Scrivi(record, Contenuto(record).replace("note=", "note=rifatto con cinture "));
        QCOMPARE(indice.Aggiorna_atleta(Squadra, Atleta).letti, 1);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta)[0].nota,
                 QStringLiteral("rifatto con cinture"));

        // The test's files go: so does its row; a whole athlete's folder goes.
        for (const QString& file : QDir(Cartella(dati)).entryList({"*"}, QDir::Files))
            if (file.startsWith(QFileInfo(secondo).completeBaseName()))
                QVERIFY(QDir(Cartella(dati)).remove(file));
        QCOMPARE(indice.Aggiorna_squadra(Squadra).rimossi, 1);
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
        const QString record = QString(rotto).replace(".csv", " test.ini");
        const QByteArray buono = Contenuto(record);
        Scrivi(record, "[test]\nformat=1\nload=ottanta\n");
        const QByteArray incompleto = Riferimento("indice/panca incompleta.csv");
        Scrivi(Cartella(dati) + "/Panca_261101.csv", incompleto);
        Scrivi(Cartella(dati) + "/Stacco ripetizioni.csv", QByteArray(300, '\x07'));
        Scrivi(Cartella(dati) + "/Lungo ripetizioni.csv",
               incompleto + QByteArray(1024 * 1024, 'x'));
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
        Nominati(indice.Aggiorna(), nominati);
        QCOMPARE(indice.Test_atleta(Squadra, Atleta).size(), std::size_t(1));
        // Named again at the next view, without being read again.
        Esito_indice esito = indice.Aggiorna();
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
    // files; rows it held for files that are gone never come back. Where it cannot be made
    // (its name taken by a folder) the index lives in memory and still answers from the
    // files.
    void a_damaged_or_unusable_database() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        Indice_test prima(dati.path());
        prima.Aggiorna();
        const QString file_db = prima.File_database(),
                      id = prima.Test_atleta(Squadra, Atleta).at(0).id;
        QVERIFY(!id.isEmpty());
        Scrivi(file_db, QByteArray("questo non è un database").repeated(200));
        for (const char* avviso : {"ricostruito", "", "memoria"}) {
            if (*avviso == 'm') {
                QVERIFY(QFile::remove(file_db) && QDir().mkpath(file_db + "/x"));
            }
            Indice_test indice(dati.path());
            QVERIFY2(*avviso ? indice.Avviso_apertura().contains(avviso)
                             : indice.Avviso_apertura().isEmpty(),
                     qPrintable(indice.Avviso_apertura()));
            const Esito_indice esito = indice.Aggiorna();
            QCOMPARE(*avviso ? esito.letti : esito.invariati, 1);
            QCOMPARE(indice.Test_atleta(Squadra, Atleta).at(0).id, id);
        }
    }

    // The club's queue: new tests and tests whose record changed, oldest first; sent ones
    // are forgotten until their record changes. The mirror: other stations' tests listed
    // with their station, an own test given back by the club not twice, an athlete of the
    // same name in another team apart.
    void the_club_queue_and_mirror() {
        QTemporaryDir dati;
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Stacco", 120, Lunedi.addDays(1), {500}));
        Scrivi_test(dati.path(), Squadra, Atleta, Test_di("Squat", 80, Lunedi, {800}));
        Indice_test indice(dati.path());
        indice.Aggiorna();
        const auto Coda = [&indice](int massimo = -1) {
            QStringList coda;
            for (const Test_da_inviare& t : indice.Da_inviare(massimo))
                coda << t.test.esercizio + (t.gia_inviato ? "*" : "");
            return coda.join(' ');
        };
        QCOMPARE(Coda(), QStringLiteral("Squat Stacco"));
        QCOMPARE(Coda(1), QStringLiteral("Squat"));
        const std::vector<Test_da_inviare> coda = indice.Da_inviare();
        QVERIFY(coda[0].test.id != coda[1].test.id);
        for (const Test_da_inviare& t : coda)
            QVERIFY(indice.Segna_inviato(t.test.id, t.impronta_registro));
        QCOMPARE(indice.Conta_da_inviare(), 0);
        const QString record = coda[1].test.file_record;
        Scrivi(record, Contenuto(record).replace("note=", "note=cintura "));
        indice.Aggiorna();
        QCOMPARE(Coda(), QStringLiteral("Stacco*"));
        QCOMPARE(indice.Conta_da_inviare(), 1);

        Riga_test altra = coda[0].test, propria = coda[1].test, omonima = coda[0].test;
        altra.file_campioni = altra.file_record = altra.file_sommario = altra.file_analisi = {};
        altra.esercizio = "Panca";
        altra.quando = Lunedi.addSecs(-3600);
        altra.id = "b1";
        altra.stazione = "Rack 2";
        propria.stazione = "Rack 1";
        omonima = altra;
        omonima.squadra = "Rossi";
        omonima.id = "b2";
        QVERIFY(indice.Salva_dal_club({altra, propria, omonima}, "2026-11-03T10:00:00Z"));
        QCOMPARE(indice.Ultimo_dal_club(), QStringLiteral("2026-11-03T10:00:00Z"));
        QCOMPARE(indice.Squadre(), (QStringList{Squadra, "Rossi"}));
        QCOMPARE(indice.Atleti("Rossi"), QStringList{Atleta});
        QStringList righe;
        for (const Riga_test& r : indice.Test_atleta(Squadra, Atleta))
            righe << r.esercizio + "@" + r.stazione;
        QCOMPARE(righe.join(' '), QStringLiteral("Stacco@ Squat@ Panca@Rack 2"));
        QCOMPARE(indice.Test_squadra("Rossi").size(), std::size_t(1));

        indice.Dimentica_club();
        QCOMPARE(indice.Squadre(), QStringList{Squadra});
        QCOMPARE(indice.Ultimo_dal_club(), QString());
        QCOMPARE(indice.Conta_da_inviare(), 2);
    }

    // The window and the club's sender open the one index on two threads, a new one at
    // that, and both write it (tests found, the club's rows): each waits for the other,
    // neither fails nor loses a row.
    void two_threads_share_the_index() {
        QTemporaryDir dati;
        std::atomic<int> falliti{0};
        const auto Lavora = [&](int filo) {
            Indice_test indice(dati.path());
            for (int i = 0; i < 25; ++i) {
                Riga_test r;
                r.squadra = r.atleta = r.esercizio = r.stazione = "Rack 2";
                r.id = QStringLiteral("%1-%2").arg(filo).arg(i);
                falliti += Scrivi_test_storico(dati.path(), Squadra, r.id,
                                               Test_di("Squat", 80, Lunedi, {800}))
                               .has_value() +
                           !indice.Aggiorna().avviso.isEmpty() + !indice.Salva_dal_club({r}, r.id) +
                           !indice.Segna_inviato(r.id, "x");
            }
        };
        std::thread altro(Lavora, 1);
        Lavora(2);
        altro.join();
        QCOMPARE(falliti.load(), 0);
        Indice_test indice(dati.path());
        QCOMPARE(indice.Test_squadra("Rack 2").size() + indice.Test_squadra(Squadra).size(),
                 std::size_t(100));
    }
};

QTEST_GUILESS_MAIN(Test_indice)
#include "test_indice.moc"
