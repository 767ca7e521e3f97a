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
#include "tests/support/file_prova.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

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
// What the setup dialog accepts (a Czech athlete, the euro sign, a ligature, curly quotes)
// is one byte each in windows-1252; a load to round.
Dati_esercizio_t Dati(const QString& cartella = QString()) {
    Dati_esercizio_t dati;
    dati.Atleta = "\u0160imek";
    dati.Esercizio = "Squat\u20AC \u201C\u0152\u201D \u2018x\u2019";
    dati.Carico = 82.46f;
    dati.Cartella_dati = cartella;
    return dati;
}
const QByteArray Nomi_1252 = "\x8Aimek;Squat\x80 \x93\x8C\x94 \x91x\x92;";
// A value list row with every column.
const QStringList Riga_intera = {"1",   "1",   "0,5",  "500",  "700",  "900", "0,2",
                                 "200", "1,2", "-500", "-400", "-600", "0,7", "-250"};

Record_test Record_completo() {
    Record_test r;
    Serie_t& s = r.serie;
    s.Dati_esercizio.Squadra = QStringLiteral("Società \"Sportiva\" Tèrni");
    s.Dati_esercizio.Atleta = QStringLiteral("@nna D'Angelo");
    s.Dati_esercizio.Esercizio = QStringLiteral("  Squat, parallelo  ");
    s.Dati_esercizio.Carico = 82.5f;
    s.Dati_esercizio.Vmax = 1200;
    s.Dati_esercizio.Limite_sup = 90;
    s.Dati_esercizio.Limite_inf = 70;
    s.Dati_esercizio.Ampiezza_minima = 150;
    s.Soglia_perdita = 25;
    s.Tipo_scheda = 3;
    s.Collegamento = Collegamento::Hid;
    s.Inizio = QDateTime(QDate(2026, 11, 2), QTime(17, 0, 5), Qt::OffsetFromUTC, 3600);
    s.Nota = QStringLiteral("gambe; pesanti = 80%\n\"poi\" meglio\t€ \\ ok\x01"
                            "1 ");
    s.Rpe = 8.5f;
    s.Escluse = {2, 5};
    s.Riferimento = Velocita_riferimento::Vmedia_alzata;
    r.durata_s = 31.25;
    r.campioni = 123456789012;
    r.ripetizioni = 6;
    return r;
}
} // namespace

class Test_file_dati : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    // The first and last records are left out. Read back, every column gives the value
    // as written: written again, the same bytes.
    void campioni_scritti_e_riletti() {
        const Campione x{7, 7, 7, 7}; // Posizione, dt, Tempo, Velocita
        for (const auto& [campioni, righe] :
             {std::pair(std::vector<Campione>{}, QByteArray()), // never reset
              std::pair(std::vector<Campione>{x,
                                              {123.6f, 0.01f, 1.5f, -250.25f},
                                              {-0.4f, -0.0002f, 0.0002f, -0.00004f},
                                              {-123.5f, 0.000005f, 2.5f, 1234567.0f},
                                              x},
                        QByteArray("1,5000;124;-250,2500;0,01000\r\n"
                                   "0,0002;0;0,0000;-0,00020\r\n"
                                   "2,5000;-124;1234567,0000;0,00000\r\n"))}) {
            Sessione s;
            s.Campioni.assign(campioni.begin(), campioni.end());
            QString nome = cartella.filePath("righe.csv");
            QCOMPARE(Salva_campioni(nome, s, It, Istante), std::nullopt);
            QCOMPARE(Contenuto(nome), Testa_campioni + righe);

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
        QTest::addColumn<QByteArray>("dati");
        const QStringList it = {"9", "0,52", "1,237", "523", "-510", "0", "1.234"};
        QTest::newRow("vuoto") << It << QList<QStringList>{} << QByteArray();
        QTest::newRow("italiano") << It << QList<QStringList>{it}
                                  << Nomi_1252 +
                                         "82,5; 1 ;0,52;1,24;523,00;-510,00;0,00;1234,00;\r\n";
        QTest::newRow("inglese") << En << QList<QStringList>{it}
                                 << Nomi_1252 + "82.5; 1 ;1237.00;523.00;-510.00;0.00;1.23;\r\n";
        QTest::newRow("numerate per riga, non per la prima colonna")
            << It << QList<QStringList>{{"7", "x", "1"}, {"7", "2"}}
            << Nomi_1252 + "82,5; 1 ;1,00;\r\n" + Nomi_1252 + "82,5; 2 ;2,00;\r\n";
        QTest::newRow("intera")
            << It << QList<QStringList>{Riga_intera}
            << Nomi_1252 + "82,5; 1 ;1,00;0,50;500,00;700,00;900,00;0,20;200,00;1,20;-500,00;"
                           "-400,00;-600,00;0,70;-250,00;\r\n";
    }
    void sommario_scritto_e_riletto() {
        QFETCH(QLocale, locale);
        QFETCH(QList<QStringList>, righe);
        QFETCH(QByteArray, dati);
        QString nome = cartella.filePath("riepilogo.csv");
        QCOMPARE(Salva_ripetizioni(nome, Lista(righe), Dati(), locale, Istante, nullptr),
                 std::nullopt);
        QCOMPARE(Contenuto(nome), Testa_ripetizioni + dati);
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

    // Quotes, escapes, separators, a leading "@", a control character and text beyond
    // Latin-1: read back from the text and from the file, the record writes the same text;
    // empty texts and no RPE stay empty.
    void scheda_scritta_e_riletta() {
        Record_test vuoto;
        vuoto.serie.Dati_esercizio.Esercizio = QStringLiteral("Panca");
        for (const Record_test& scritto : {Record_completo(), vuoto}) {
            const QByteArray testo = Testo_record(scritto);
            Record_test letto;
            QCOMPARE(Leggi_testo_record(testo, letto), std::nullopt);
            QCOMPARE(Testo_record(letto), testo);
            QCOMPARE(letto.serie.Inizio.offsetFromUtc(), scritto.serie.Inizio.offsetFromUtc());
            const QString nome = cartella.filePath("2026  nov 02  17.00.5 test.ini");
            QCOMPARE(Scrivi_record(nome, scritto), std::nullopt);
            QCOMPARE(Leggi_record(nome, letto), std::nullopt);
            QCOMPARE(Testo_record(letto), testo);
        }
    }

    // The journal's settings, any character in its texts, come back exactly.
    void giornale_scritto_e_riletto() {
        Intestazione_giornale scritta;
        scritta.hid = true;
        scritta.tipo_scheda = 3;
        scritta.fattore_posizione = 1.288f;
        scritta.fattore_tempo = 0.0123456f;
        scritta.serie = Record_completo().serie;
        scritta.serie.Dati_esercizio.Cartella_dati = QStringLiteral("/dati/a\\b\nc");
        scritta.serie.Riferimento = Velocita_riferimento::Vmedia_alzata;
        scritta.inizio = QDateTime(QDate(2026, 11, 2), QTime(17, 0, 5, 120));
        scritta.registrazione = true;
        scritta.ripetizioni.assign(2, {1.5f, 2, 3, 4, 5, -6, 7, 8, 9, 10, 11, -12, 13, 14, 15, 16});
        const QByteArray testo = Componi_intestazione(scritta);
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
        const QByteArray testo = QByteArray("; scheda corretta a mano\n"
                                            "\n"
                                            "[altro]\n"
                                            "load=1\n"
                                            "[Test]\n"
                                            "# versione\n"
                                            "format = 1\n"
                                            "Exercise=Stacco \x96 rumeno\n"
                                            "  load =  82,5  \n"
                                            "note=pi\xF9 veloce; poi, male \x80\n"
                                            "excluded=1,3\n"
                                            "rpe=7\n"
                                            "start=2026-11-02T17:00:05+01:00\n")
                                     .replace("\n", "\r\n");
        Record_test r;
        QCOMPARE(Leggi_testo_record(testo, r), std::nullopt);
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
        const QString utf = QStringLiteral("[test]\r\nformat=1\r\nexercise=Stacco – rumeno\r\n");
        QByteArray utf16("\xFF\xFE", 2);
        utf16 += QByteArray(reinterpret_cast<const char*>(utf.utf16()), utf.size() * 2);
        for (const QByteArray& salvata : {"\xEF\xBB\xBF" + utf.toUtf8(), utf16}) {
            QCOMPARE(Leggi_testo_record(salvata, r), std::nullopt);
            QCOMPARE(r.serie.Dati_esercizio.Esercizio, QStringLiteral("Stacco – rumeno"));
        }
    }

    // A record that cannot be used says why and leaves the record it was given as it was.
    void scheda_danneggiata_detta() {
        const struct {
            QByteArray testo;
            const char* motivo;
        } casi[] = {
            {QByteArray(300, '\0'), "file danneggiato (riga 1)"},
            {QByteArray("[test]\nformat=1\nload=80\n\0\0\0\0", 28), "file danneggiato (riga 4)"},
            {"[test]\nformat=1\nnote=\"non chiusa\n", "file danneggiato (riga 3)"},
            {"[test\nformat=1\n", "file danneggiato (riga 1)"},
            {"[test]\nformat=1\nsolo testo\n", "file danneggiato (riga 3)"},
            {"Kine01;\r\nTempo;Posizione;Velocita;dt\r\n", "file danneggiato (riga 1)"},
            {"", "non è la scheda di un test"},
            {"[altro]\nformat=1\n", "non è la scheda di un test"},
            {"[test]\nload=80\n", "versione del formato mancante o illeggibile"},
            {"[test]\nformat=2\n", "scritta da una versione più recente"},
            {"[test]\nformat=1\nload=ottanta\nrpe=11\nexcluded=2,x\nlink=usb\n",
             "valori illeggibili: load, link, rpe, excluded"},
        };
        for (const auto& caso : casi) {
            Record_test r;
            r.serie.Nota = QStringLiteral("prima");
            const auto errore = Leggi_testo_record(caso.testo, r);
            QVERIFY2(errore && errore->startsWith(QString::fromUtf8(caso.motivo)),
                     qPrintable(caso.testo + " -> " + errore.value_or("(letto)")));
            QCOMPARE(r.serie.Nota, QStringLiteral("prima"));
        }
        // A file that cannot be read at all is told by the system's reason.
        Record_test r;
        const auto errore = Leggi_record(cartella.filePath("manca test.ini"), r);
        QVERIFY(errore && !errore->isEmpty());
    }
};

QTEST_GUILESS_MAIN(Test_file_dati)
#include "test_file_dati.moc"
