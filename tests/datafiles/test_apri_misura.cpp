// Reopening a saved test: a set replayed through the engine, its sample and summary files
// written, the sample file reopened; the value list must give back the summary saved with
// it, and saving again the same files. Files of other kinds and damaged files: the
// operator's text, the rows before the damage, and the file closed every time.
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "comandi/replay.h"
#include "datafiles/apri_misura.h"
#include "datafiles/avanzamento.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "stream/motore_misura.h"

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
        if (contenuto.startsWith("brax01")) QCOMPARE(b.sessione.Tempo_campionamento, 25);
    }
};

QTEST_GUILESS_MAIN(Test_apri_misura)
#include "test_apri_misura.moc"
