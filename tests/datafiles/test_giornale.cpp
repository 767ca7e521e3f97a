// SPDX-License-Identifier: GPL-3.0-or-later
// The set's journal: written as the board streams, it gives the set back after the
// program was interrupted, equal to what the stop would have saved from the same records;
// a cut record, a damaged journal, the operator's resets and recording switches, and the
// deletion once the set is saved.

#include "datafiles/colonne_file.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/nomi_file.h"
#include "datafiles/recupero_serie.h"
#include "datafiles/salva_serie.h"
#include "session/tipi_scheda.h"
#include "stream/motore_misura.h"
#include "tests/support/file_prova.h"
#include "wire/flusso_scheda.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

const QLocale Locale_prova(QLocale::Italian, QLocale::Italy);

// Five lifts after the unracking one, then a long hold.
QByteArray Flusso(Collegamento collegamento, int tipo = 1, std::uint32_t seme = 7) {
    Parametri_copione parametri;
    parametri.ripetizioni = 5;
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(parametri, seme), tipo, collegamento).Tutti(record);
    QByteArray byte;
    for (const Record_scheda& r : record) {
        std::vector<std::uint8_t> sei;
        Accoda_seriale(r, sei);
        byte.append(reinterpret_cast<const char*>(sei.data()), qsizetype(sei.size()));
    }
    return byte;
}

std::span<const std::uint8_t> Byte(QByteArrayView v) {
    return {reinterpret_cast<const std::uint8_t*>(v.data()), std::size_t(v.size())};
}

// A live program without windows: session, engine, journal.
struct Banco {
    Sessione s;
    Motore_misura motore{s, Locale_prova};
    Giornale_serie giornale{s};
    explicit Banco(const QString& cartella_applicazione, bool hid = false, int tipo = 1) {
        s.Cartella_applicazione = cartella_applicazione;
        s.Scheda.Collegamento = hid ? Collegamento::Hid : Collegamento::Seriale;
        s.Scheda.Tipo_scheda = tipo;
        const Calibrazione_scheda c = Calibrazione_tipo(tipo);
        s.Scheda.Fattore_posizione = c.Fattore_posizione;
        s.Scheda.Fattore_tempo = c.Fattore_tempo;
        auto& d = s.Dati_esercizio;
        d.Squadra = "Squadra A";
        d.Atleta = "\u0160imek \"Ale\"\\n";
        d.Esercizio = "Squat";
        d.Carico = 82.5f;
        d.Vmax = 900;
        d.Limite_sup = 110;
        d.Limite_inf = 80;
        d.Ampiezza_minima = 100;
        d.Cartella_dati = cartella_applicazione + "/Squadra A/Simek";
        QDir().mkpath(d.Cartella_dati);
        s.Soglia_perdita = 15;
        giornale.Imposta_cartella(cartella_applicazione + "/recupero");
        motore.Aggiungi_vista(giornale);
    }
    void Invia(QByteArrayView record) {
        if (s.Scheda.Collegamento == Collegamento::Hid)
            motore.Record_hid(Byte(record));
        else
            // As the serial port hands them: 12 bytes per read.
            for (qsizetype i = 0; i < record.size(); i += 12)
                motore.Blocco_seriale(
                    Byte(record.sliced(i, std::min<qsizetype>(12, record.size() - i))));
    }
    // The three files the stop would write at `adesso`, read back.
    QList<QByteArray> File_attesi(const QString& cartella, const QDateTime& adesso) {
        Sessione copia = s;
        copia.Cartella_applicazione = cartella;
        copia.Serie.Dati_esercizio.Cartella_dati = cartella + "/atteso";
        QDir().mkpath(copia.Serie.Dati_esercizio.Cartella_dati);
        const Esito_serie e =
            Salva_serie(copia, motore.Lst_valori(), &motore.Analisi(), Locale_prova, adesso);
        QList<QByteArray> contenuti;
        for (const QString& f : e.scritti) contenuti << Contenuto(f);
        return contenuti;
    }
};

// The first difference between two engines' sets, sample by sample and repetition by
// repetition, bit for bit; empty when they are the same.
QString Differenza(const Sessione& a, const Motore_misura& ma, const Sessione& b,
                   const Motore_misura& mb) {
    const auto Bit = [](const auto& x, const auto& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    if (a.Numero_campioni != b.Numero_campioni || a.Campioni.size() != b.Campioni.size())
        return QString("samples: %1 against %2").arg(a.Numero_campioni).arg(b.Numero_campioni);
    for (std::size_t i = 0; i < a.Campioni.size(); ++i)
        if (!Bit(a.Campioni[i], b.Campioni[i])) return QString("sample %1").arg(i);
    if (a.Ripetizioni.size() != b.Ripetizioni.size() ||
        ma.Analisi().size() != mb.Analisi().size() ||
        ma.Lst_valori().Righe() != mb.Lst_valori().Righe())
        return QString("repetitions: %1 against %2")
            .arg(ma.Lst_valori().Righe())
            .arg(mb.Lst_valori().Righe());
    for (std::size_t i = 0; i < a.Ripetizioni.size(); ++i)
        if (!Bit(a.Ripetizioni[i], b.Ripetizioni[i])) return QString("repetition %1").arg(i);
    for (std::size_t i = 0; i < ma.Analisi().size(); ++i) {
        const Analisi_ripetizione &x = ma.Analisi()[i], &y = mb.Analisi()[i];
        bool uguali = x.Oltre_soglia == y.Oltre_soglia &&
                      ma.Lst_valori().Riga_n(int(i)) == mb.Lst_valori().Riga_n(int(i));
        for (const Colonna_analisi& c : Colonne_analisi)
            uguali = uguali && Bit(x.*c.valore, y.*c.valore);
        if (!uguali) return QString("row %1").arg(i + 1);
    }
    return {};
}

QStringList File_in(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files, QDir::Name);
}

QList<QByteArray> Contenuti(const QString& cartella, bool con_record = true) {
    QList<QByteArray> c;
    for (const QString& f : File_in(cartella))
        if (con_record || !f.endsWith(" test.ini")) c << Contenuto(cartella + "/" + f);
    return c;
}

// Sample file, summary, analysis: the order Salva_serie writes them; the folder lists them
// by name (analysis, summary, samples).
QList<QByteArray> Ordine_scrittura(QList<QByteArray> per_nome) {
    std::reverse(per_nome.begin(), per_nome.end());
    return per_nome;
}

} // namespace

class Test_giornale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Interrupted before its save, the set comes back at the next start equal, byte for
    // byte, to the files the live program's own stop would have written, into its own
    // athlete's folder; the journal goes. The live engine ran an earlier set first (stopped
    // mid-lift), as it does in a session. A record cut by the interruption is left out, the
    // ones before it are all there.
    void set_given_back_as_the_stop_would_save_it_data() {
        QTest::addColumn<bool>("hid");
        QTest::addColumn<int>("taglio");           // bytes of the last record missing
        QTest::addColumn<bool>("nel_salvataggio"); // killed once the sample file was saved
        QTest::newRow("serial") << false << 0 << false;
        QTest::newRow("serial, last record cut") << false << 4 << false;
        QTest::newRow("serial, killed during its save") << false << 0 << true;
        QTest::newRow("USB") << true << 0 << false;
        QTest::newRow("USB, last record cut") << true << 3 << false;
    }
    void set_given_back_as_the_stop_would_save_it() {
        QFETCH(bool, hid);
        QFETCH(int, taglio);
        QFETCH(bool, nel_salvataggio);
        QTemporaryDir radice, altrove;
        const Collegamento collegamento = hid ? Collegamento::Hid : Collegamento::Seriale;
        const QByteArray flusso = Flusso(collegamento);
        const qsizetype interi = (flusso.size() - taglio) / 6 * 6;
        // The journal's last write, as the file's time tells it: the files' time stamp.
        QDateTime ora = QDateTime::currentDateTime();
        ora = ora.addMSecs(-ora.time().msec());
        const QDateTime salvato = nel_salvataggio ? ora.addSecs(3) : ora;
        QString file_giornale;
        QList<QByteArray> attesi;
        {
            Banco b(radice.path(), hid);
            b.motore.Imposta_registrazione(true);
            b.motore.Inizia_acquisizione();
            const QByteArray prima = Flusso(collegamento, 1, 3);
            b.Invia(prima.first(prima.size() / 12 * 6));
            b.motore.Fine_acquisizione();
            b.giornale.Serie_salvata();

            b.motore.Inizia_acquisizione();
            file_giornale = b.giornale.File();
            QVERIFY(file_giornale.startsWith(radice.path() + "/recupero/serie "));
            b.Invia(QByteArrayView(flusso).first(interi));
            QVERIFY(b.motore.Lst_valori().Righe() >= 4);
            attesi = b.File_attesi(altrove.path(), salvato);
            // The program dies here: no stop, no save.
        }
        QCOMPARE(attesi.size(), 4); // samples, record, summary, analysis
        QVERIFY(attesi[0].count('\n') > 100 && attesi[2].count('\n') >= 6);
        QString record = file_giornale;
        record.replace(".ktj", ".ktr");
        QCOMPARE(QFileInfo(record).size(), interi);
        QFile f(record);
        QVERIFY(f.open(QIODevice::Append));
        QCOMPARE(f.write(flusso.sliced(interi, flusso.size() - taglio - interi)),
                 flusso.size() - taglio - interi);
        QVERIFY(f.flush());
        QVERIFY(f.setFileTime(ora, QFileDevice::FileModificationTime));
        f.close();

        const QString atleta = radice.path() + "/Squadra A/Simek";
        // The stop's save was cut after its sample file, named a few seconds after the
        // journal's last write: the set is completed beside it, with no copy.
        if (nel_salvataggio)
            Scrivi(atleta + "/" + Nome_file_campioni(salvato, Locale_prova), attesi[0]);

        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QVERIFY(!esiti[0].errore);
        QCOMPARE(Ordine_scrittura(Contenuti(atleta)), attesi);
        QCOMPARE(esiti[0].file, QStringList{atleta + "/" + File_in(atleta).constLast()});
        QCOMPARE(File_in(radice.path() + "/recupero"), QStringList());
        const QString messaggio = Messaggio_recupero(esiti, Locale_prova);
        QVERIFY2(messaggio.startsWith("Serie del ") && messaggio.contains(" recuperata: " + atleta),
                 qPrintable(messaggio));
        // Nothing left for the start after.
        QVERIFY(Recupera_serie(radice.path(), Locale_prova).empty());
    }

    // However long the set, the journal gives back every sample and repetition the live
    // links' blocks gave: recovery feeds the engine as the links do, and the engine takes any
    // run of records (in blocks its 16-bit count holds).
    void any_length_given_back_exactly_data() {
        QTest::addColumn<bool>("hid");
        QTest::addColumn<int>("quanti");
        for (const bool hid : {false, true})
            for (const int n : {1, 32767, 32768, 32769, 65536, 65537, 200000})
                QTest::addRow("%s, %d records", hid ? "USB" : "serial", n) << hid << n;
    }
    void any_length_given_back_exactly() {
        QFETCH(bool, hid);
        QFETCH(int, quanti);
        Flusso_ritmo ritmo(1, hid ? Collegamento::Hid : Collegamento::Seriale, 1920);
        std::vector<Record_scheda> record;
        for (Record_scheda r; int(record.size()) < quanti && ritmo.Prossimo(r);)
            record.push_back(r);
        std::vector<std::uint8_t> byte;
        for (const Record_scheda& r : record) Accoda_seriale(r, byte);

        QTemporaryDir radice;
        Banco live(radice.path(), hid);
        Banco tutti(radice.path() + "/altro", hid);
        for (Banco* b : {&live, &tutti}) {
            b->motore.Imposta_registrazione(true);
            b->motore.Inizia_acquisizione();
        }
        // As the links hand them over: reports of eight records, reads of two.
        std::size_t inviati = 0;
        if (s.Scheda.Collegamento == Collegamento::Hid)
            for (; inviati + 8 <= record.size(); inviati += 8) {
                const Report_hid_t report = Componi_report(record.data() + inviati);
                live.motore.Report_hid(report);
            }
        live.Invia(QByteArrayView(byte).sliced(qsizetype(inviati * 6)));
        live.motore.Fine_acquisizione();
        // All in one call.
        if (s.Scheda.Collegamento == Collegamento::Hid)
            tutti.motore.Record_hid(byte);
        else
            tutti.motore.Blocco_seriale(byte);
        tutti.s.Serie.Inizio = live.s.Serie.Inizio;
        if (quanti > 30000) QVERIFY(live.motore.Lst_valori().Righe() > 50);
        QCOMPARE(Differenza(tutti.s, tutti.motore, live.s, live.motore), QString());

        Giornale_letto letto;
        QCOMPARE(Leggi_giornale(live.giornale.File(), letto), std::nullopt);
        QCOMPARE(letto.numero_record, std::int64_t(quanti));
        Sessione s;
        Motore_misura motore(s, Locale_prova);
        int parti = 0;
        QCOMPARE(Riproduci_giornale(letto, s, motore,
                                    [&](std::int64_t dopo) {
                                        ++parti;
                                        QCOMPARE(dopo, std::int64_t(quanti));
                                        QCOMPARE(Differenza(s, motore, live.s, live.motore),
                                                 QString());
                                    }),
                 std::nullopt);
        QCOMPARE(parti, 1);
    }

    // A normal stop saves the set and the journal goes with it; an acquisition without
    // recording leaves none; one whose save failed keeps it, and the next start saves it.
    void journal_kept_until_the_set_is_saved() {
        QTemporaryDir radice;
        const QByteArray flusso = Flusso(Collegamento::Seriale, 2);
        Banco b(radice.path(), false, 2);
        b.motore.Inizia_acquisizione(); // recording off
        b.Invia(flusso.first(600));
        b.motore.Fine_acquisizione();
        QCOMPARE(File_in(radice.path() + "/recupero"), QStringList());

        b.motore.Imposta_registrazione(true);
        b.motore.Inizia_acquisizione();
        b.Invia(flusso);
        // A second program on the same data leaves the journal being written alone.
        QVERIFY(Recupera_serie(radice.path(), Locale_prova).empty());
        b.motore.Fine_acquisizione();
        QVERIFY(b.giornale.Dati_non_salvati());
        QCOMPARE(File_in(radice.path() + "/recupero").size(), 2);
        b.giornale.Serie_salvata();
        QCOMPARE(File_in(radice.path() + "/recupero"), QStringList());
        QVERIFY(b.giornale.File().isEmpty());

        // The save failed: the journal stays through the next acquisition.
        b.motore.Inizia_acquisizione();
        b.Invia(flusso);
        b.motore.Fine_acquisizione();
        const QString rimasto = b.giornale.File();
        b.motore.Inizia_acquisizione();
        b.Invia(flusso.first(600));
        b.motore.Fine_acquisizione();
        b.giornale.Serie_salvata();
        QCOMPARE(File_in(radice.path() + "/recupero"),
                 QStringList({QFileInfo(rimasto).fileName(),
                              QFileInfo(rimasto).completeBaseName() + ".ktr"}));
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QCOMPARE(esiti[0].file.size(), 1);
    }

    // A reset and recording switched off and on during a set: every recorded part is a
    // set of its own. Parts the live program saved are not saved again; the others are.
    void parts_of_a_set() {
        QTemporaryDir radice;
        const QByteArray flusso = Flusso(Collegamento::Seriale);
        const qsizetype terzo = flusso.size() / 3 / 6 * 6;
        QString file_giornale;
        {
            Banco b(radice.path());
            b.motore.Imposta_registrazione(true);
            b.motore.Inizia_acquisizione();
            b.Invia(flusso.first(terzo));
            b.giornale.Serie_salvata(); // saved live before its reset
            b.motore.Azzera_misura();
            b.Invia(flusso.sliced(terzo, terzo));
            b.motore.Imposta_registrazione(false); // its save failed: this part stays
            QVERIFY(!b.giornale.Dati_non_salvati());
            b.motore.Imposta_registrazione(true);
            b.Invia(flusso.sliced(2 * terzo));
            file_giornale = b.giornale.File();
            // interrupted
        }
        // An earlier start saved the second part, then failed on the third.
        QVERIFY(!Accoda_evento(file_giornale, 2 * terzo / 6, Evento_giornale::Recuperata));
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QVERIFY(!esiti[0].errore);
        QCOMPARE(esiti[0].file.size(), 1); // the third part only
        QCOMPARE(File_in(radice.path() + "/Squadra A/Simek").size(), 4);
    }

    // kinetrack-replay --journal writes the files the program gives back, with the
    // journal's own settings; settings of its own are refused with it.
    void replay_tool_on_a_journal() {
        QTemporaryDir radice;
        const QByteArray flusso = Flusso(Collegamento::Seriale, 2);
        QString file_giornale;
        {
            Banco b(radice.path(), false, 2);
            b.motore.Imposta_registrazione(true);
            b.motore.Inizia_acquisizione();
            file_giornale = b.giornale.File();
            b.Invia(flusso);
        }
        QTemporaryDir copia;
        for (const QString& f : File_in(radice.path() + "/recupero"))
            QVERIFY(QFile::copy(radice.path() + "/recupero/" + f, copia.filePath(f)));
        const QString giornale = copia.filePath(QFileInfo(file_giornale).fileName());
        const QDateTime ora(QDate(2026, 12, 8), QTime(17, 0, 0));
        QFile record(radice.path() + "/recupero/" + QFileInfo(file_giornale).completeBaseName() +
                     ".ktr");
        QVERIFY(record.open(QIODevice::ReadWrite));
        QVERIFY(record.setFileTime(ora, QFileDevice::FileModificationTime));
        record.close();
        QVERIFY(!Recupera_serie(radice.path(), Locale_prova).empty());
        const QString atleta = radice.path() + "/Squadra A/Simek";

        QProcess replay;
        replay.start(KT_REPLAY,
                     {"--journal", giornale, "--locale", "it_IT", "--time", "2026-12-08T17:00:00",
                      "--samples", copia.filePath("c.csv"), "--summary", copia.filePath("r.csv"),
                      "--analysis", copia.filePath("a.csv")});
        QVERIFY(replay.waitForFinished(20000));
        QCOMPARE(replay.exitCode(), 0);
        QVERIFY(replay.readAllStandardOutput().count('\n') >= 5);
        QCOMPARE((QList<QByteArray>{Contenuto(copia.filePath("c.csv")),
                                    Contenuto(copia.filePath("r.csv")),
                                    Contenuto(copia.filePath("a.csv"))}),
                 Ordine_scrittura(Contenuti(atleta, false)));

        replay.start(KT_REPLAY, {"--journal", giornale, "--link", "hid"});
        QVERIFY(replay.waitForFinished(20000));
        QCOMPARE(replay.exitCode(), 2);
        QVERIFY(replay.readAllStandardError().contains("--link non va con --journal"));
    }

    // A journal naming a folder outside the data folder (edited by hand) writes nothing
    // there: the set goes to "misure_auto".
    void never_outside_the_data_folder() {
        QTemporaryDir radice, altrove;
        {
            Banco b(radice.path());
            b.s.Dati_esercizio.Cartella_dati =
                altrove.path() + "/../" + QFileInfo(altrove.path()).fileName() + "/x";
            b.motore.Imposta_registrazione(true);
            b.motore.Inizia_acquisizione();
            b.Invia(Flusso(Collegamento::Seriale));
        }
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QVERIFY(esiti[0].file.constFirst().startsWith(radice.path() + "/misure_auto/"));
        QCOMPARE(QDir(altrove.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // A journal that cannot be read, or that recorded but whose records are missing or hold
    // no whole record, is moved aside with its records and named, never deleted.
    void damaged_journal_moved_aside_data() {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("record"); // bytes in the records file; -1: none
        const QByteArray intestazione = Componi_intestazione(
            {false, 1, 1.288f, 0.0002f, {}, QDateTime::currentDateTime(), true, {}});
        QTest::newRow("header cut")
            << QByteArray("kinetrack giornale 1\ncollegamento=seriale\n---\n") << 60;
        QTest::newRow("records missing") << intestazione << -1;
        QTest::newRow("records empty") << intestazione << 0;
        QTest::newRow("records cut") << intestazione << 2;
    }
    void damaged_journal_moved_aside() {
        QFETCH(QByteArray, testo);
        QFETCH(int, record);
        QTemporaryDir radice;
        const QString cartella = radice.path() + "/recupero/";
        Scrivi(cartella + "serie 1.ktj", testo);
        if (record >= 0) Scrivi(cartella + "serie 1.ktr", QByteArray(record, '\1'));
        Scrivi(cartella + "vecchia.ktr", QByteArray(60, '\1')); // its set was saved
        Scrivi(cartella + "danneggiati/serie 1.ktj", "x");      // an earlier one of the same name
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QCOMPARE(esiti[0].spostato, cartella + "danneggiati/serie 1 (2).ktj");
        QCOMPARE(File_in(cartella), QStringList());
        QStringList spostati{"serie 1 (2).ktj", "serie 1.ktj"};
        if (record >= 0) spostati.insert(1, "serie 1 (2).ktr");
        QCOMPARE(File_in(cartella + "danneggiati"), spostati);
        QVERIFY(Messaggio_recupero(esiti, Locale_prova).contains("danneggiat"));
    }
};

QTEST_GUILESS_MAIN(Test_giornale)
#include "test_giornale.moc"
