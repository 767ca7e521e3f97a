// SPDX-License-Identifier: GPL-3.0-or-later
// Reopening a saved test: a set replayed through the engine, its sample and summary files
// written, the sample file reopened; the value list must give back the summary saved with
// it, and saving again the same files. Files of other kinds and damaged files: the
// operator's text, the rows before the damage, and the file closed every time.
#include "cli/replay.h"
#include "datafiles/apri_misura.h"
#include "datafiles/avanzamento.h"
#include "datafiles/record_seduta.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "datafiles/salva_serie.h"
#include "stream/motore_misura.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include "tests/support/file_prova.h"
#include "tests/support/vista_registratore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(Collegamento)

namespace {
const QDateTime Istante(QDate(2026, 12, 4), QTime(9, 5, 7));

// Files this process holds open.
int File_aperti() {
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot).size());
}
void Imposta_esercizio(Dati_esercizio_t& d) {
    d.Atleta = QStringLiteral("Rossi");
    d.Esercizio = QStringLiteral("Squat");
    d.Carico = 80;
    d.Vmax = 1000;
    d.Limite_sup = 110;
    d.Limite_inf = 90;
    d.Ampiezza_minima = 100;
}

// Line by line, field by field; `cima`: fields of the first data line (line 3) that
// depend on the top the sample file leaves out.
void Confronta_righe(const QByteArray& avuto, const QByteArray& atteso, const QList<int>& cima,
                     const QString& caso) {
    const QList<QByteArray> a = avuto.split('\n'), b = atteso.split('\n');
    QCOMPARE(a.size(), b.size());
    for (qsizetype r = 0; r < a.size(); ++r) {
        QList<QByteArray> campi_a = a[r].split(';'), campi_b = b[r].split(';');
        if (r == 2)
            for (int c : cima)
                if (c < campi_a.size() && c < campi_b.size()) campi_a[c] = campi_b[c];
        QVERIFY2(campi_a == campi_b,
                 qPrintable(caso + QStringLiteral(" line %1: %2 | %3")
                                       .arg(r + 1)
                                       .arg(QString::fromLatin1(a[r]), QString::fromLatin1(b[r]))));
    }
}

class Barra : public Avanzamento {
public:
    void Mostra() override { ++mostrata; }
    void Imposta_massimo(int m) override { massimo = m; }
    void Imposta_valore(int v) override { valori.push_back(v); }
    void Chiudi() override { ++chiusa; }
    int mostrata = 0, chiusa = 0, massimo = 0;
    std::vector<int> valori;
};

// A session and engine for reopening, set up like the recording's.
struct Banco {
    explicit Banco(const QLocale& locale, bool memo = true) : motore(sessione, locale) {
        Imposta_esercizio(sessione.Dati_esercizio);
        sessione.Memo_attivo = memo;
        motore.Aggiungi_vista(vista);
    }
    Sessione sessione;
    Vista_registratore vista;
    Motore_misura motore;
};
} // namespace

class Test_apri_misura : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private Q_SLOTS:
    void round_trip_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("collegamento");
        QTest::addColumn<QLocale>("scritto"); // settings the files were written under
        QTest::addColumn<QLocale>("letto");   // settings the file is reopened under
        const QLocale it(QLocale::Italian), en(QLocale::English);
        QTest::newRow("type 1 serial, Italian") << 1 << Collegamento::Seriale << it << it;
        QTest::newRow("type 3 serial, comma read as English")
            << 3 << Collegamento::Seriale << it << en;
        QTest::newRow("type 2 hid, English") << 2 << Collegamento::Hid << en << en;
        QTest::newRow("type 1 hid, point read as Italian") << 1 << Collegamento::Hid << en << it;
    }
    void round_trip() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, collegamento);
        QFETCH(QLocale, scritto);
        QFETCH(QLocale, letto);
        Parametri_copione p;
        p.ripetizioni = 8;
        p.probabilita_sussulto = 0.5; // twitches absorbed into repetitions
        for (std::uint32_t seme = 1; seme <= 4; ++seme) {
            const QString caso = QStringLiteral("seed %1").arg(seme);
            std::vector<Record_scheda> record;
            Flusso_copione(Genera_copione(p, seme), tipo, collegamento).Tutti(record);
            Opzioni_replay o;
            Dati_esercizio_t d;
            Imposta_esercizio(d);
            std::tie(o.collegamento, o.tipo_scheda, o.locale, o.ora) =
                std::tuple(collegamento, tipo, scritto, Istante);
            std::tie(o.ampiezza_minima, o.vmax, o.limite_sup, o.limite_inf, o.carico) =
                std::tuple(d.Ampiezza_minima, d.Vmax, d.Limite_sup, d.Limite_inf, d.Carico);
            std::tie(o.atleta, o.esercizio) = std::tuple(d.Atleta, d.Esercizio);
            o.file_campioni = cartella.filePath(QStringLiteral("campioni.csv"));
            o.file_sommario = cartella.filePath(QStringLiteral("sommario.csv"));
            auto originale = std::make_unique<Riproduzione>(o);
            originale->Esegui(Byte_cattura(record, collegamento));
            QCOMPARE(originale->Salva_file(), std::nullopt);
            QVERIFY(originale->Lista().Righe() >= p.ripetizioni - 1);

            Banco b(letto);
            Barra barra;
            QCOMPARE(Apri_file_misura(o.file_campioni, b.sessione, b.motore, &barra), std::nullopt);
            // Same rows and texts, whatever the settings each side used. The file leaves
            // out the top where the measurement began: the first repetition's eccentric
            // displacement (and its mean velocity and peak's displacement) is given back
            // within one record of the board.
            const Lista_valori& lista = b.motore.Lst_valori();
            QCOMPARE(lista.Righe(), originale->Lista().Righe());
            for (int r = 0; r < lista.Righe(); ++r)
                for (int c = 0; c < Lista_valori::Numero_colonne; ++c) {
                    const double atteso = scritto.toDouble(originale->Lista().Cella(r, c));
                    const double avuto = letto.toDouble(lista.Cella(r, c));
                    const bool cima = r == 0 && (c == 9 || c == 10 || c == 13);
                    QVERIFY2(cima ? std::abs(avuto - atteso) <= 8 : avuto == atteso,
                             qPrintable(caso + QString::asprintf(" row %d column %d: %g, %g", r, c,
                                                                 avuto, atteso)));
                }
            // The listeners got what the graph window draws, the colours among them.
            QCOMPARE(int(b.vista.righe_aggiunte.size()), lista.Righe());
            for (std::size_t r = 0; r < originale->Colori().size(); ++r)
                QCOMPARE(b.vista.velocita_mostrate[r].colore, originale->Colori()[r]);
            QCOMPARE(int(b.vista.cursori.size()) >= lista.Righe(), true);
            QVERIFY(b.vista.blocchi_disegnati > 0);
            QVERIFY(barra.mostrata == 1 && barra.chiusa == 1 &&
                    barra.valori.back() == barra.massimo);

            if (scritto != letto) continue;
            // Saved again, the same files.
            QString campioni = cartella.filePath(QStringLiteral("di_nuovo.csv"));
            QCOMPARE(Salva_campioni(campioni, b.sessione, letto, Istante), std::nullopt);
            Confronta_righe(Contenuto(campioni), Contenuto(o.file_campioni), {}, caso);
            QString sommario = cartella.filePath(QStringLiteral("sommario_di_nuovo.csv"));
            QCOMPARE(Salva_ripetizioni(sommario, lista, b.sessione.Dati_esercizio, letto, Istante,
                                       nullptr),
                     std::nullopt);
            Confronta_righe(Contenuto(sommario), Contenuto(o.file_sommario), {12, 13, 16}, caso);
        }
    }

    // Recording off: the test is reviewed, nothing is recorded. A missing file gives the
    // system's reason.
    void recording_off_keeps_the_store_empty() {
        const QString nome = cartella.filePath(QStringLiteral("spento.csv"));
        Scrivi(nome, "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n0,5000;100;0,0000;0,50000\r\n");
        Banco b(QLocale(QLocale::Italian), false);
        QCOMPARE(Apri_file_misura(nome, b.sessione, b.motore, nullptr), std::nullopt);
        QCOMPARE(b.sessione.Numero_campioni, 0);
        QCOMPARE(int(b.sessione.Campioni.size()), 1);
        const auto esito = Apri_file_misura(nome + "_manca", b.sessione, b.motore, nullptr);
        QVERIFY(esito && !esito->isEmpty() && *esito != QStringLiteral(" File non compatibile!"));
    }

    void other_files_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("campioni"); // rows loaded
        const QByteArray testa = "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n";
        const QByteArray riga = "0,5000;100;0,0000;0,50000\r\n";
        const QString non_compatibile = QStringLiteral(" File non compatibile!");
        const QString danneggiato = QStringLiteral(
            "File danneggiato alla riga %1: la misura comprende solo le righe precedenti.");
        QTest::newRow("empty") << QByteArray() << non_compatibile << 0;
        QTest::newRow("other text") << QByteArray("Nome;Esercizio\r\n") << non_compatibile << 0;
        QTest::newRow("first line only") << QByteArray("Kine01;\r\n") << non_compatibile << 0;
        QTest::newRow("titles only") << testa << QString() << 0;
        QTest::newRow("damaged row") << testa + riga + riga + "1,0000;1x0;0,0000;0,00100\r\n" + riga
                                     << danneggiato.arg(5) << 2;
        QTest::newRow("last line cut")
            << testa + riga + "1,0000;100;0,0" << danneggiato.arg(4) << 1;
        QTest::newRow("five fields") << testa + riga + "1,0000;100;0,0000;0,00100;7\r\n"
                                     << danneggiato.arg(4) << 1;
        QTest::newRow("brax01") << QByteArray("brax01\r\n25\r\n1,2,3\r\n4.5,6\r\n") << QString()
                                << 0;
        QTest::newRow("brax01 damaged") << QByteArray("\"brax01\",25\r\n1,x\r\n") << QString() << 0;
    }
    void other_files() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, messaggio);
        QFETCH(int, campioni);
        const QString nome = cartella.filePath(QStringLiteral("altro.csv"));
        Scrivi(nome, contenuto);
        Banco b(QLocale(QLocale::Italian));
        b.sessione.Campioni.assign(5, Campione{1, 1, 1, 1}); // a measurement shown before
        b.sessione.Numero_campioni = 5;
        const int aperti = File_aperti();
        const auto esito = Apri_file_misura(nome, b.sessione, b.motore, nullptr);
        QCOMPARE(esito.value_or(QString()), messaggio);
        QCOMPARE(File_aperti(), aperti);
        const bool letto = messaggio != QStringLiteral(" File non compatibile!");
        // Read or not, a file of either kind replaces the measurement; the store holds
        // the rows read and the two records a sample file leaves out.
        QCOMPARE(b.sessione.Numero_campioni, !letto ? 5 : campioni > 0 ? campioni + 2 : 0);
        QCOMPARE(b.motore.Stato().Disegno_abilitato, false);
        if (contenuto.startsWith("brax01")) QCOMPARE(b.sessione.Scheda.Tempo_campionamento, 25);
    }
    // A recorded test reopens as it was recorded: the record's settings drive the engine
    // (another minimum amplitude would find other repetitions), the coach's choices come
    // back, the current setup stays as it is. Without a usable record (none, damaged, of
    // a later version) the summary beside the sample file names the athlete, exercise and
    // load, and the rest is the current setup's.
    void reopened_as_recorded() {
        const QLocale it(QLocale::Italian);
        QTemporaryDir dati;
        const QString atleta = dati.filePath(QStringLiteral("Squadra A/Rossi"));
        QVERIFY(QDir().mkpath(atleta));
        Parametri_copione p;
        p.ripetizioni = 7;
        std::vector<Record_scheda> record;
        Flusso_copione(Genera_copione(p, 3), 1, Collegamento::Seriale).Tutti(record);
        const QByteArray cattura = Byte_cattura(record, Collegamento::Seriale);
        const QString file_cattura = dati.filePath(QStringLiteral("cattura.bin"));
        Scrivi(file_cattura, cattura);

        Record_test scheda;
        Serie_t& registrata = scheda.serie;
        Imposta_esercizio(registrata.Dati_esercizio);
        registrata.Dati_esercizio.Squadra = QStringLiteral("Squadra A");
        registrata.Tipo_scheda = 1;
        registrata.Soglia_perdita = 12;
        registrata.Riferimento = Velocita_riferimento::Vmedia_alzata;
        registrata.Escluse = {1, 4};
        registrata.Nota = QStringLiteral("presa stretta");
        registrata.Rpe = 8.5f;
        const QString file_scheda = dati.filePath(QStringLiteral("scheda.ini"));
        QCOMPARE(Scrivi_record(file_scheda, scheda), std::nullopt);

        // Recorded the replay tool's way: the settings come from the record.
        Opzioni_replay o;
        QCOMPARE(Leggi_opzioni({QStringLiteral("--record"), file_scheda, file_cattura}, o),
                 std::nullopt);
        o.locale = it;
        Riproduzione originale(o);
        originale.Esegui(cattura);
        QVERIFY(originale.Lista().Righe() >= 5);
        QVERIFY(originale.Analisi()[0].Esclusa && originale.Analisi()[3].Esclusa);
        Sessione salvata = originale.Stato();
        salvata.Serie.Dati_esercizio.Cartella_dati = atleta;
        const Esito_serie esito =
            Salva_serie(salvata, originale.Lista(), &originale.Analisi(), it, Istante);
        QVERIFY(esito.Riuscito());
        QVERIFY(!esito.record.isEmpty() && !esito.analisi.isEmpty());

        const auto Setup_attuale = [](Sessione& s) {
            s.Dati_esercizio.Atleta = QStringLiteral("Bianchi");
            s.Dati_esercizio.Carico = 50;
            s.Dati_esercizio.Ampiezza_minima = 20;
            s.Riferimento = Velocita_riferimento::Vpropulsiva;
            s.Nota = QStringLiteral("altro giorno");
        };
        {
            Banco b(it);
            Setup_attuale(b.sessione);
            QString avviso = QStringLiteral("-");
            QCOMPARE(Apri_file_misura(esito.campioni, b.sessione, b.motore, nullptr, {}, &avviso),
                     std::nullopt);
            QCOMPARE(avviso, QString());
            const Lista_valori& lista = b.motore.Lst_valori();
            QCOMPARE(lista.Righe(), originale.Lista().Righe());
            // The first row's eccentric side depends on the top the file leaves out.
            for (int r = 1; r < lista.Righe(); ++r)
                QCOMPARE(lista.Riga_n(r), originale.Lista().Riga_n(r));
            const auto& analisi = b.motore.Analisi();
            QCOMPARE(analisi.size(), originale.Analisi().size());
            for (std::size_t i = 0; i < analisi.size(); ++i) {
                const Analisi_ripetizione &a = analisi[i], &o_ = originale.Analisi()[i];
                QCOMPARE(a.Esclusa, o_.Esclusa);
                QVERIFY2(
                    std::abs(a.Perdita - o_.Perdita) < 0.05f,
                    qPrintable(
                        QStringLiteral("rep %1: %2 %3").arg(i).arg(a.Perdita).arg(o_.Perdita)));
                QCOMPARE(a.Oltre_soglia, o_.Oltre_soglia);
            }
            const Serie_t& serie = b.sessione.Serie;
            QCOMPARE(serie.Escluse, (std::set<int>{1, 4}));
            QCOMPARE(serie.Nota, registrata.Nota);
            QCOMPARE(serie.Rpe, 8.5f);
            QCOMPARE(serie.Riferimento, Velocita_riferimento::Vmedia_alzata);
            QCOMPARE(serie.Soglia_perdita, 12.0f);
            QCOMPARE(serie.Dati_esercizio.Atleta, QStringLiteral("Rossi"));
            QCOMPARE(serie.Dati_esercizio.Carico, 80.0f);
            QCOMPARE(serie.Dati_esercizio.Ampiezza_minima, 100.0f);
            QCOMPARE(QFileInfo(serie.Dati_esercizio.Cartella_dati), QFileInfo(atleta));
            QCOMPARE(serie.File_record, QStringList{esito.record});
            QCOMPARE(serie.File_analisi, QStringList{esito.analisi});
            QCOMPARE(b.sessione.Dati_esercizio.Atleta, QStringLiteral("Bianchi"));
            QCOMPARE(b.sessione.Dati_esercizio.Ampiezza_minima, 20.0f);
            QCOMPARE(b.sessione.Riferimento, Velocita_riferimento::Vpropulsiva);
        }

        const QByteArray intatta = Contenuto(esito.record);
        const std::vector<std::pair<QByteArray, QString>> casi{
            {"[test]\nformat=zz\nathlete=Verdi\n", QStringLiteral("versione del formato")},
            {"[test]\nformat=7\nathlete=Verdi\n", QStringLiteral("versione pi\u00f9 recente")},
            {"\xff\xfe\x00garbage", QStringLiteral("non si pu\u00f2 usare")},
            {QByteArray(), QString()}}; // no record at all
        for (const auto& [contenuto, motivo] : casi) {
            QFile::remove(esito.record);
            if (!contenuto.isEmpty()) Scrivi(esito.record, contenuto);
            Banco b(it);
            Setup_attuale(b.sessione);
            QString avviso;
            QCOMPARE(Apri_file_misura(esito.campioni, b.sessione, b.motore, nullptr, {}, &avviso),
                     std::nullopt);
            QVERIFY2(motivo.isEmpty() ? avviso.isEmpty() : avviso.contains(motivo),
                     qPrintable(avviso));
            const Serie_t& serie = b.sessione.Serie;
            QCOMPARE(serie.Dati_esercizio.Atleta, QStringLiteral("Rossi"));
            QCOMPARE(serie.Dati_esercizio.Esercizio, QStringLiteral("Squat"));
            QCOMPARE(serie.Dati_esercizio.Carico, 80.0f);
            QCOMPARE(serie.Dati_esercizio.Ampiezza_minima, 20.0f);
            QCOMPARE(serie.Riferimento, Velocita_riferimento::Vpropulsiva);
            QVERIFY(serie.Escluse.empty() && serie.File_record.isEmpty());
            QCOMPARE(QFileInfo(serie.Dati_esercizio.Cartella_dati), QFileInfo(atleta));
        }
        Scrivi(esito.record, intatta);
    }
};

QTEST_GUILESS_MAIN(Test_apri_misura)
#include "test_apri_misura.moc"
