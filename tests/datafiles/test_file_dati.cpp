// SPDX-License-Identifier: GPL-3.0-or-later
// Each kind of file a recorded set leaves, written with every column and read back through
// every reader: byte for byte under Italian and English settings, names outside ASCII in
// the Windows code page; the default names; a test's record as edited by hand or damaged.
#include "datafiles/apri_campioni.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "log/lettura_seduta.h"
#include "log/profilo_velocita.h"
#include "stream/lista_valori.h"
#include "tests/support/riferimento_prova.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
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
// What the setup dialog accepts (a Czech athlete, the euro sign, a ligature, curly quotes)
// is one byte each in windows-1252 (in the stored summaries); a load to round.
Dati_esercizio_t Dati(const QString& cartella = QString()) {
    Dati_esercizio_t dati;
    dati.Atleta = "\u0160imek";
    dati.Esercizio = "Squat\u20AC \u201C\u0152\u201D \u2018x\u2019";
    dati.Carico = 82.46f;
    dati.Cartella_dati = cartella;
    return dati;
}
// A value list row with every column.
const QStringList Riga_intera = {"1",   "1",   "0,5",  "500",  "700",  "900", "0,2",
                                 "200", "1,2", "-500", "-400", "-600", "0,7", "-250"};

} // namespace

class Test_file_dati : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    // The first and last records are left out. Read back, every column gives the value
    // as written: written again, the same bytes.
    void campioni_scritti_e_riletti() {
        const Campione x{7, 7, 7, 7}; // Posizione, dt, Tempo, Velocita
        for (const auto& [campioni, riferimento] :
             {std::pair(std::vector<Campione>{}, "campioni vuoto.csv"), // never reset
              std::pair(std::vector<Campione>{x,
                                              {123.6f, 0.01f, 1.5f, -250.25f},
                                              {-0.4f, -0.0002f, 0.0002f, -0.00004f},
                                              {-123.5f, 0.000005f, 2.5f, 1234567.0f},
                                              x},
                        "campioni.csv")}) {
            Sessione s;
            s.Campioni.assign(campioni.begin(), campioni.end());
            QString nome = cartella.filePath("righe.csv");
            QCOMPARE(Salva_campioni(nome, s, It, Istante), std::nullopt);
            QCOMPARE(Contenuto(nome), Riferimento(QString("file_dati/") + riferimento));

            Lettore_campioni lettore;
            QCOMPARE(lettore.Apri(nome), std::nullopt);
            Sessione riletta;
            riletta.Campioni.resize(1);
            std::vector<Campione> blocco;
            while (lettore.Leggi_blocco(blocco))
                riletta.Campioni.insert(riletta.Campioni.end(), blocco.begin(), blocco.end());
            QCOMPARE(lettore.Errore(), std::nullopt);
            riletta.Campioni.resize(riletta.Campioni.size() + 1);
            QString di_nuovo = cartella.filePath("di nuovo.csv");
            QCOMPARE(Salva_campioni(di_nuovo, riletta, It, Istante), std::nullopt);
            QCOMPARE(Contenuto(di_nuovo), Contenuto(nome));
        }
    }

    // Texts are read under the locale (in English the comma groups thousands); a text that
    // is not a number loses its field. A whole row comes back through every reader.
    void sommario_scritto_e_riletto_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<QStringList>>("righe");
        const QStringList it = {"9", "0,52", "1,237", "523", "-510", "0", "1.234"};
        QTest::newRow("vuoto") << It << QList<QStringList>{};
        QTest::newRow("italiano") << It << QList<QStringList>{it};
        QTest::newRow("inglese") << En << QList<QStringList>{it};
        // Numbered by row, not by the first column.
        QTest::newRow("numerate per riga") << It << QList<QStringList>{{"7", "x", "1"}, {"7", "2"}};
        QTest::newRow("intera") << It << QList<QStringList>{Riga_intera};
    }
    void sommario_scritto_e_riletto() {
        QFETCH(QLocale, locale);
        QFETCH(QList<QStringList>, righe);
        QString nome = cartella.filePath("riepilogo.csv");
        QCOMPARE(Salva_ripetizioni(nome, Lista(righe), Dati(), locale, Istante, nullptr),
                 std::nullopt);
        QCOMPARE(
            Contenuto(nome),
            Riferimento(QStringLiteral("file_dati/sommario %1.csv").arg(QTest::currentDataTag())));
        QCOMPARE(Riconosci_riepilogo(nome), Tipo_riepilogo::Sommario);
        if (righe.isEmpty() || righe[0].size() < Lista_valori::Numero_colonne) return;

        const Lettura_sommario letto = Leggi_sommario(nome);
        Righe_sommario del_diario;
        QCOMPARE(Leggi_righe_sommario(nome, del_diario), std::nullopt);
        QCOMPARE(letto.esito, Lettura_sommario::Esito::Sommario);
        QStringList campi;
        campi << letto.test.atleta << letto.test.esercizio << QString::number(letto.test.carico)
              << QString::number(letto.test.vmedie.at(0)) << letto.test.timbro.toString(Qt::ISODate)
              << QString::number(del_diario.vmedia.at(0))
              << del_diario.timbro.toString(Qt::ISODate);
        QCOMPARE(campi.join(';'), Dati().Atleta + ';' + Dati().Esercizio +
                                      ";82.5;700;2026-12-04T09:05:07;700;2026-12-04T09:05:07");
        QCOMPARE(letto.test.vmedie.size(), del_diario.vmedia.size());
    }

    // Every column of every repetition comes back through every reader, in either locale;
    // a repetition left out counts for no best, and the profile takes the best of the rest.
    void analisi_scritta_e_riletta() {
        for (const QLocale& locale : {It, En}) {
            QTemporaryDir dir;
            QString sommario = dir.filePath("riepilogo.csv");
            QCOMPARE(Salva_ripetizioni(sommario, Lista({Riga_intera, Riga_intera}), Dati(), It,
                                       Istante, nullptr),
                     std::nullopt);
            // A value of its own in each column.
            std::vector<Analisi_ripetizione> analisi(2);
            float valore = 650.25f;
            for (Analisi_ripetizione& a : analisi)
                for (const Colonna_analisi& colonna : Colonne_analisi)
                    a.*colonna.valore = valore += 100;
            analisi[1].Esclusa = true;
            const QString nome = Nome_file_analisi(sommario);
            QCOMPARE(Salva_analisi(nome, analisi, locale), std::nullopt);
            QVERIFY(
                Contenuto(nome).startsWith("N\xB0Rip;Vmedia;Vpropulsiva;Durata propulsiva;Potenza "
                                           "media;Potenza max;Perdita %;Esclusa;\r\n 1 ;750"));
            QCOMPARE(Riconosci_riepilogo(nome), Tipo_riepilogo::Analisi);

            QString difetto;
            const auto lette = Leggi_analisi(nome, difetto);
            QVERIFY2(lette, qPrintable(difetto));
            QCOMPARE(lette->size(), analisi.size());
            for (std::size_t i = 0; i < analisi.size(); ++i) {
                QCOMPARE((*lette)[i].esclusa, analisi[i].Esclusa);
                for (const Colonna_analisi& colonna : Colonne_analisi)
                    QCOMPARE((*lette)[i].Valore(colonna.valore),
                             std::round(double(analisi[i].*colonna.valore) * 100) / 100);
            }
            const double vpropulsiva = std::round(double(analisi[0].Vpropulsiva) * 100) / 100;
            QCOMPARE(Leggi_vpropulsiva_analisi(nome, difetto), vpropulsiva);
            std::vector<Riga_analisi> del_diario;
            QCOMPARE(Leggi_righe_analisi(nome, del_diario), std::nullopt);
            const auto& l = (*lette)[1];
            QVERIFY(del_diario.size() == 2 && del_diario[1].esclusa && !del_diario[0].esclusa);
            QVERIFY(del_diario[1].vmedia == l.Valore(&Analisi_ripetizione::Vmedia) &&
                    del_diario[1].vpropulsiva == l.Valore(&Analisi_ripetizione::Vpropulsiva) &&
                    del_diario[1].perdita == l.Valore(&Analisi_ripetizione::Perdita));
            const Test_atleta test = Leggi_test_atleta(dir.path());
            QCOMPARE(Esercizi_test(test), QStringList{Dati().Esercizio});
            const Profilo_velocita profilo = Profilo_esercizio(test, Dati().Esercizio, 0.3, It);
            QCOMPARE(int(profilo.punti.size()), 1);
            QCOMPARE(profilo.punti[0].velocita, vpropulsiva / 1000);
        }
    }

    // Quotes, escapes, separators, a leading "@", a control character, text beyond Latin-1
    // and a time zone; empty texts and no RPE: read back from the text and from the file,
    // the stored record writes the same text.
    void scheda_scritta_e_riletta() {
        for (const char* scheda : {"completa", "vuota"}) {
            const QByteArray testo = Riferimento(QString("file_dati/scheda %1.ini").arg(scheda));
            Record_test letto;
            QCOMPARE(Leggi_testo_record(testo, letto), std::nullopt);
            QCOMPARE(Testo_record(letto), testo);
            const QString nome = cartella.filePath("2026  nov 02  17.00.5 test.ini");
            QCOMPARE(Scrivi_record(nome, letto), std::nullopt);
            Record_test da_file;
            QCOMPARE(Leggi_record(nome, da_file), std::nullopt);
            QCOMPARE(Testo_record(da_file), testo);
        }
        // A file that cannot be read at all is told by the system's reason.
        Record_test r;
        const auto errore = Leggi_record(cartella.filePath("manca test.ini"), r);
        QVERIFY(errore && !errore->isEmpty());
    }

    // The stored journal's settings, any character in its texts, come back exactly.
    void giornale_scritto_e_riletto() {
        const QByteArray testo = Riferimento("file_dati/giornale.ktj");
        const QString nome = cartella.filePath("serie.ktj");
        Scrivi(nome, testo + "12 salvata\n");
        Giornale_letto letto;
        QCOMPARE(Leggi_giornale(nome, letto), std::nullopt);
        QCOMPARE(Componi_intestazione(letto.intestazione), testo);
        QCOMPARE(letto.eventi.size(), std::size_t(1));
        // Any setting missing makes it unusable but the optional ones.
        for (const QByteArray chiave : {"collegamento", "tipo_scheda", "carico", "inizio"}) {
            QByteArray senza = testo;
            senza.replace("\n" + chiave + "=", "\nx" + chiave + "=");
            Scrivi(nome, senza);
            QVERIFY2(Leggi_giornale(nome, letto), chiave.constData());
        }
    }

    // Without a name the files go to the athlete's folder; names carry "." between hours,
    // minutes and seconds, the summary's date stamp the locale's own separator. (Before
    // any athlete is chosen they go to "misure_auto": the program's save test.)
    void nomi_predefiniti_nella_cartella_atleta() {
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

    // Comments, blank lines, CR LF, spaces around "=", keys in another case, other groups,
    // a note in windows-1252 with ";" and ",", a decimal comma, a byte-order mark.
    void scheda_corretta_a_mano() {
        Record_test r;
        QCOMPARE(Leggi_testo_record(Riferimento("file_dati/scheda corretta a mano.ini"), r),
                 std::nullopt);
        // Keys left out take their defaults.
        QStringList campi;
        campi << r.serie.Dati_esercizio.Esercizio << QString::number(r.serie.Dati_esercizio.Carico)
              << r.serie.Nota << QString::number(r.serie.Rpe)
              << r.serie.Inizio.toString(Qt::ISODateWithMs)
              << QString::number(r.serie.Soglia_perdita)
              << QString::number(int(r.serie.Riferimento)) << QString::number(r.ripetizioni);
        for (const int e : r.serie.Escluse) campi << QString::number(e);
        QCOMPARE(campi.join(';'), "Stacco \u2013 rumeno;82.5;pi\u00F9 veloce; poi, male \u20AC;7;"
                                  "2026-11-02T17:00:05.000+01:00;20;0;0;1;3");
        // Saved again as UTF-8 with a byte-order mark, or as "Unicode".
        for (const char* salvata : {"utf-8", "utf-16"}) {
            QCOMPARE(
                Leggi_testo_record(Riferimento(QString("file_dati/scheda %1.ini").arg(salvata)), r),
                std::nullopt);
            QCOMPARE(r.serie.Dati_esercizio.Esercizio, QStringLiteral("Stacco – rumeno"));
        }
    }

    // A record that cannot be used says why and leaves the record it was given as it was.
    void scheda_danneggiata_detta_data() {
        Righe_byte_riferimento("file_dati/schede danneggiate.txt");
    }
    void scheda_danneggiata_detta() {
        QFETCH(QByteArrayList, r);
        Record_test letto;
        letto.serie.Nota = QStringLiteral("prima");
        const auto errore = Leggi_testo_record(r[1], letto);
        QVERIFY2(errore && errore->startsWith(QString::fromUtf8(r[2])),
                 qPrintable(errore.value_or("(letto)")));
        QCOMPARE(letto.serie.Nota, QStringLiteral("prima"));
    }
};

QTEST_GUILESS_MAIN(Test_file_dati)
#include "test_file_dati.moc"
