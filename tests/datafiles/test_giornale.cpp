// SPDX-License-Identifier: GPL-3.0-or-later
// The set's journal: written as the board streams, it gives the set back after the
// program was interrupted, equal to what the stop would have saved from the same records;
// a cut record, a damaged journal, the operator's resets and recording switches, and the
// deletion once the set is saved. (The program's own test tells a set given back at its
// start.)

#include "cli/replay.h"
#include "datafiles/colonne_file.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/nomi_file.h"
#include "datafiles/recupero_serie.h"
#include "datafiles/salva_serie.h"
#include "stream/motore_misura.h"
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"
#include "tests/support/registrazione_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QLocale Locale_prova(QLocale::Italian, QLocale::Italy);

// Five lifts after the unracking one, then a long hold: the journal's records.
QByteArray Flusso(Collegamento collegamento, int tipo = 1, std::uint32_t seme = 7) {
    return Byte_cattura(Record_copione(5, tipo, collegamento, seme), Collegamento::Seriale);
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
        Imposta_registrazione(s, tipo, hid ? Collegamento::Hid : Collegamento::Seriale,
                              cartella_applicazione + "/Squadra A/Simek");
        s.Dati_esercizio.Atleta = "\u0160imek \"Ale\"\\n";
        QDir().mkpath(s.Dati_esercizio.Cartella_dati);
        s.Soglia_perdita = 15;
        giornale.Imposta_cartella(cartella_applicazione + "/recupero");
        motore.Aggiungi_vista(giornale);
        motore.Imposta_registrazione(true);
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
    // The files the stop would write at `adesso`, read back.
    QList<QByteArray> File_attesi(const QString& cartella, const QDateTime& adesso) {
        Sessione copia = s;
        copia.Serie.Dati_esercizio.Cartella_dati = cartella;
        QList<QByteArray> contenuti;
        for (const QString& f :
             Salva_serie(copia, motore.Lst_valori(), &motore.Analisi(), Locale_prova, adesso)
                 .scritti)
            contenuti << Contenuto(f);
        return contenuti;
    }
};

template <class C> void Accoda(QByteArray& byte, const C& elementi) {
    for (const auto& e : elementi) byte.append(reinterpret_cast<const char*>(&e), sizeof e);
}

// A set held by an engine, bit for bit: its samples and repetitions, the value list's rows and
// the analysis.
QByteArray Serie_in_byte(const Sessione& s, const Motore_misura& motore) {
    QByteArray byte = QByteArray::number(s.Numero_campioni);
    Accoda(byte, s.Campioni);
    Accoda(byte, s.Ripetizioni);
    for (int i = 0; i < motore.Lst_valori().Righe(); ++i)
        for (const QString& cella : motore.Lst_valori().Riga_n(i)) byte += cella.toUtf8() + ';';
    for (const Analisi_ripetizione& a : motore.Analisi()) {
        byte += char(a.Oltre_soglia);
        for (const Colonna_analisi& c : Colonne_analisi) Accoda(byte, std::array{a.*c.valore});
    }
    return byte;
}

QStringList File_in(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files, QDir::Name);
}

// Sample file, summary, analysis (no record): the order Salva_serie writes them; the folder
// lists them by name (analysis, summary, samples).
QList<QByteArray> Contenuti(const QString& cartella, bool con_record = true) {
    QList<QByteArray> c;
    for (const QString& f : File_in(cartella))
        if (con_record || !f.endsWith(" test.ini")) c.prepend(Contenuto(cartella + "/" + f));
    return c;
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
    // Rows: the link, the bytes of the last record missing, killed once the sample file was
    // saved.
    void set_given_back_as_the_stop_would_save_it() {
        for (const auto& [hid, taglio, nel_salvataggio] :
             {std::tuple(false, 4, false), std::tuple(false, 0, false), std::tuple(false, 0, true),
              std::tuple(true, 0, false), std::tuple(true, 3, false)}) {
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
                b.motore.Inizia_acquisizione();
                const QByteArray prima = Flusso(collegamento, 1, 3);
                b.Invia(prima.first(prima.size() / 12 * 6));
                b.motore.Fine_acquisizione();
                b.giornale.Serie_salvata();

                b.motore.Inizia_acquisizione();
                file_giornale = b.giornale.File();
                b.Invia(QByteArrayView(flusso).first(interi));
                QVERIFY(b.motore.Lst_valori().Righe() >= 4);
                attesi = b.File_attesi(altrove.path(), salvato);
                // The program dies here: no stop, no save.
            }
            QCOMPARE(attesi.size(), 4); // samples, record, summary, analysis
            QFile f(QString(file_giornale).replace(".ktj", ".ktr"));
            QCOMPARE(f.size(), interi);
            QVERIFY(f.open(QIODevice::Append));
            const QByteArray coda = flusso.sliced(interi, flusso.size() - taglio - interi);
            QCOMPARE(f.write(coda), coda.size());
            QVERIFY(f.flush() && f.setFileTime(ora, QFileDevice::FileModificationTime));
            f.close();

            const QString atleta = radice.path() + "/Squadra A/Simek";
            // The stop's save was cut after its sample file, named a few seconds after the
            // journal's last write: the set is completed beside it, with no copy.
            if (nel_salvataggio)
                Scrivi(atleta + "/" + Nome_file_campioni(salvato, Locale_prova), attesi[0]);

            const auto esiti = Recupera_serie(radice.path(), Locale_prova);
            QCOMPARE(esiti.size(), std::size_t(1));
            QVERIFY(!esiti[0].errore);
            QCOMPARE(Contenuti(atleta), attesi);
            QCOMPARE(esiti[0].file, QStringList{atleta + "/" + File_in(atleta).constLast()});
            QCOMPARE(File_in(radice.path() + "/recupero"), QStringList());
        }
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
        const QByteArray byte = Byte_cattura(record, Collegamento::Seriale);

        QTemporaryDir radice;
        Banco live(radice.path(), hid), tutti(radice.path() + "/altro", hid);
        live.motore.Inizia_acquisizione();
        tutti.motore.Inizia_acquisizione();
        // As the links hand them over: reports of eight records, reads of two.
        std::size_t inviati = 0;
        for (; hid && inviati + 8 <= record.size(); inviati += 8)
            live.motore.Report_hid(Componi_report(record.data() + inviati));
        live.Invia(QByteArrayView(byte).sliced(qsizetype(inviati * 6)));
        live.motore.Fine_acquisizione();
        // All in one call.
        if (hid)
            tutti.motore.Record_hid(Byte(byte));
        else
            tutti.motore.Blocco_seriale(Byte(byte));
        tutti.s.Serie.Inizio = live.s.Serie.Inizio;
        if (quanti > 30000) QVERIFY(live.motore.Lst_valori().Righe() > 50);
        const QByteArray serie = Serie_in_byte(live.s, live.motore);
        QVERIFY(Serie_in_byte(tutti.s, tutti.motore) == serie);

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
                                        QVERIFY(Serie_in_byte(s, motore) == serie);
                                    }),
                 std::nullopt);
        QCOMPARE(parti, 1);
    }

    // A normal stop saves the set and the journal goes with it; an acquisition without
    // recording leaves none; one whose save failed keeps it, and the next start saves it.
    void journal_kept_until_the_set_is_saved() {
        QTemporaryDir radice;
        const QString recupero = radice.path() + "/recupero";
        const QByteArray flusso = Flusso(Collegamento::Seriale, 2);
        Banco b(radice.path(), false, 2);
        b.motore.Imposta_registrazione(false);
        b.motore.Inizia_acquisizione();
        b.Invia(flusso.first(600));
        b.motore.Fine_acquisizione();
        QCOMPARE(File_in(recupero), QStringList());

        b.motore.Imposta_registrazione(true);
        b.motore.Inizia_acquisizione();
        b.Invia(flusso);
        b.motore.Fine_acquisizione();
        QVERIFY(b.giornale.Dati_non_salvati());
        QCOMPARE(File_in(recupero).size(), 2);
        b.giornale.Serie_salvata();
        QCOMPARE(File_in(recupero), QStringList());
        QVERIFY(b.giornale.File().isEmpty());
        // The save failed: the journal stays through the next acquisition.
        QStringList rimasti;
        for (const qsizetype n : {flusso.size(), qsizetype(600)}) {
            b.motore.Inizia_acquisizione();
            b.Invia(flusso.first(n));
            b.motore.Fine_acquisizione();
            if (rimasti.isEmpty()) rimasti = File_in(recupero);
        }
        b.giornale.Serie_salvata();
        QCOMPARE(File_in(recupero), rimasti);
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(1));
        QCOMPARE(esiti[0].file.size(), 1);
    }

    // A reset and recording switched off and on during a set: every recorded part is a
    // set of its own. Parts the live program saved are not saved again; the others are.
    // A journal naming a folder outside the data folder (edited by hand) writes nothing
    // there: the set goes to "misure_auto".
    void parts_of_a_set_and_a_folder_outside() {
        QTemporaryDir radice, altrove;
        const QByteArray flusso = Flusso(Collegamento::Seriale);
        const qsizetype terzo = flusso.size() / 3 / 6 * 6;
        QString file_giornale;
        {
            Banco b(radice.path()), fuori(radice.path());
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

            fuori.s.Dati_esercizio.Cartella_dati =
                altrove.path() + "/../" + QFileInfo(altrove.path()).fileName() + "/x";
            fuori.motore.Inizia_acquisizione();
            fuori.Invia(flusso);
            // interrupted
        }
        // An earlier start saved the second part, then failed on the third.
        QVERIFY(!Accoda_evento(file_giornale, 2 * terzo / 6, Evento_giornale::Recuperata));
        const auto esiti = Recupera_serie(radice.path(), Locale_prova);
        QCOMPARE(esiti.size(), std::size_t(2));
        QStringList salvati;
        for (const auto& e : esiti) salvati << e.file;
        QCOMPARE(salvati.size(), 2); // the third part, and the set outside
        QCOMPARE(File_in(radice.path() + "/Squadra A/Simek").size(), 4);
        QCOMPARE(File_in(radice.path() + "/misure_auto").size(), 4);
        QCOMPARE(QDir(altrove.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // kinetrack-replay --journal writes the files the program gives back, with the
    // journal's own settings (settings of its own refused with it: the tools' answers).
    void replay_tool_on_a_journal() {
        QTemporaryDir radice, copia;
        QString giornale;
        {
            Banco b(radice.path(), false, 2);
            b.motore.Inizia_acquisizione();
            giornale = b.giornale.File();
            b.Invia(Flusso(Collegamento::Seriale, 2));
        }
        const Esito_programma e = Esegui_in_processo(
            &Esegui_replay,
            {"--journal", giornale, "--locale", "it_IT", "--time", "2026-12-08T17:00:00",
             "--samples", copia.filePath("c.csv"), "--summary", copia.filePath("r.csv"),
             "--analysis", copia.filePath("a.csv")});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.uscita.count('\n') >= 5);
        QFile record(QString(giornale).replace(".ktj", ".ktr"));
        QVERIFY(record.open(QIODevice::ReadWrite));
        QVERIFY(record.setFileTime(QDateTime(QDate(2026, 12, 8), QTime(17, 0, 0)),
                                   QFileDevice::FileModificationTime));
        record.close();
        QVERIFY(!Recupera_serie(radice.path(), Locale_prova).empty());
        QCOMPARE((QList<QByteArray>{Contenuto(copia.filePath("c.csv")),
                                    Contenuto(copia.filePath("r.csv")),
                                    Contenuto(copia.filePath("a.csv"))}),
                 Contenuti(radice.path() + "/Squadra A/Simek", false));
    }

    // A journal that cannot be read, or that recorded but whose records are missing or hold
    // no whole record, is moved aside with its records and named, never deleted.
    void damaged_journal_moved_aside() {
        const QByteArray intestazione = Componi_intestazione({Collegamento::Seriale,
                                                              1,
                                                              1.288f,
                                                              0.0002f,
                                                              {},
                                                              QDateTime::currentDateTime(),
                                                              true,
                                                              {}});
        // The journal's text, and the bytes in its records file (-1: none): the header cut,
        // the records missing, empty or cut.
        for (const auto& [testo, record] :
             {std::pair(QByteArray("kinetrack giornale 1\ncollegamento=seriale\n---\n"), 60),
              std::pair(intestazione, -1), std::pair(intestazione, 0),
              std::pair(intestazione, 2)}) {
            QTemporaryDir radice;
            const QString cartella = radice.path() + "/recupero/";
            Scrivi(cartella + "serie 1.ktj", testo);
            if (record >= 0) Scrivi(cartella + "serie 1.ktr", QByteArray(record, '\1'));
            Scrivi(cartella + "vecchia.ktr", QByteArray(60, '\1')); // its set was saved
            Scrivi(cartella + "danneggiati/serie 1.ktj", "x"); // an earlier one of the same name
            const auto esiti = Recupera_serie(radice.path(), Locale_prova);
            QCOMPARE(esiti.size(), std::size_t(1));
            QCOMPARE(esiti[0].spostato, cartella + "danneggiati/serie 1 (2).ktj");
            QCOMPARE(File_in(cartella), QStringList());
            QStringList spostati{"serie 1 (2).ktj", "serie 1.ktj"};
            if (record >= 0) spostati.insert(1, "serie 1 (2).ktr");
            QCOMPARE(File_in(cartella + "danneggiati"), spostati);
            QVERIFY(Messaggio_recupero(esiti, Locale_prova).contains("danneggiat"));
        }
    }
};

QTEST_GUILESS_MAIN(Test_giornale)
#include "test_giornale.moc"
