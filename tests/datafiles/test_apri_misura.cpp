// SPDX-License-Identifier: GPL-3.0-or-later
// Reopening a saved test: a set replayed through the engine, its sample and summary files
// written, the sample file reopened; the value list must give back the summary saved with
// it (so saving it again gives the same summary; the sample file's own round trip is the
// file formats' test). Files of other kinds and damaged files: the
// operator's text, the rows before the damage, and the file closed every time.
#include "cli/replay.h"
#include "datafiles/apri_misura.h"
#include "datafiles/avanzamento.h"
#include "datafiles/record_seduta.h"
#include "datafiles/salva_serie.h"
#include "stream/motore_misura.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include "tests/support/registrazione_prova.h"
#include "tests/support/riferimento_prova.h"
#include "tests/support/vista_registratore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <tuple>

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

// The set's exercise, the settings that find its repetitions and the coach's choices, then
// the current setup's athlete, minimum amplitude and reference velocity.
QString Scelte(const Sessione& s) {
    const Serie_t& v = s.Serie;
    const Dati_esercizio_t &d = v.Dati_esercizio, &a = s.Dati_esercizio;
    const auto N = [](double x) { return QString::number(x); };
    QStringList c;
    c << d.Atleta << d.Esercizio << N(d.Carico) << N(d.Ampiezza_minima) << N(int(v.Riferimento))
      << N(v.Soglia_perdita) << v.Nota << N(v.Rpe) << a.Atleta << N(a.Ampiezza_minima)
      << N(int(s.Riferimento));
    for (const int e : v.Escluse) c << N(e);
    return c.join(';');
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
    // Files written under some settings (board type, link, decimal separator) reopened
    // under others: a comma read as English, a point as Italian.
    void round_trip() {
        const QLocale it(QLocale::Italian), en(QLocale::English);
        for (const auto& [tipo, collegamento, scritto, letto] :
             {std::tuple(1, Collegamento::Seriale, it, it),
              std::tuple(3, Collegamento::Seriale, it, en),
              std::tuple(2, Collegamento::Hid, en, en), std::tuple(1, Collegamento::Hid, en, it)}) {
            Parametri_copione p;
            p.ripetizioni = 8;
            p.probabilita_sussulto = 0.5; // twitches absorbed into repetitions
            for (std::uint32_t seme = 1; seme <= 4; ++seme) {
                const QString caso = QStringLiteral("type %1, seed %2").arg(tipo).arg(seme);
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
                QCOMPARE(Apri_file_misura(o.file_campioni, b.sessione, b.motore, &barra),
                         std::nullopt);
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
                                 qPrintable(caso + QString::asprintf(" row %d column %d: %g, %g", r,
                                                                     c, avuto, atteso)));
                    }
                // The listeners got what the graph window draws.
                QCOMPARE(int(b.vista.righe_aggiunte.size()), lista.Righe());
                QVERIFY(b.vista.blocchi_disegnati > 0);
                QVERIFY(barra.mostrata == 1 && barra.chiusa == 1 &&
                        barra.valori.back() == barra.massimo);
            }
        }
    }

    // A missing file gives the system's reason.
    void missing_file() {
        Banco b(QLocale(QLocale::Italian));
        const auto esito =
            Apri_file_misura(cartella.filePath("manca.csv"), b.sessione, b.motore, nullptr);
        QVERIFY(esito && !esito->isEmpty() && *esito != QStringLiteral(" File non compatibile!"));
    }

    // Files of other kinds and damaged ones, over a measurement shown before: the message
    // (none when read), the rows loaded, and no file left open. Read or not, a file of either
    // kind replaces the measurement; with recording off the test is reviewed, nothing is
    // recorded.
    void other_files_data() { Righe_byte_riferimento("apri_misura/altri file.txt"); }
    void other_files() {
        QFETCH(QByteArrayList, r);
        const QString nome = cartella.filePath(QStringLiteral("altro.csv"));
        Scrivi(nome, r[1]);
        Banco b(QLocale(QLocale::Italian), r[4] == "1");
        b.sessione.Campioni.assign(5, Campione{1, 1, 1, 1});
        b.sessione.Numero_campioni = 5;
        const int aperti = File_aperti();
        const auto esito = Apri_file_misura(nome, b.sessione, b.motore, nullptr);
        QCOMPARE(esito.value_or(QString()), QString::fromUtf8(r[2]));
        QCOMPARE(File_aperti(), aperti);
        QCOMPARE(b.sessione.Numero_campioni, r[3].toInt());
        QCOMPARE(b.motore.Stato().Disegno_abilitato, false);
        if (r[1].startsWith("brax01")) QCOMPARE(b.sessione.Scheda.Tempo_campionamento, 25);
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
        const QByteArray cattura =
            Byte_cattura(Record_copione(7, 1, Collegamento::Seriale, 3), Collegamento::Seriale);
        const QString file_cattura = dati.filePath(QStringLiteral("cattura.bin"));
        Scrivi(file_cattura, cattura);

        // The record the program writes for the set; its own round trip is the file formats'.
        const QString file_scheda = dati.filePath(QStringLiteral("scheda.ini"));
        Scrivi(file_scheda, Riferimento("apri_misura/scheda.ini"));

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
            QCOMPARE(Scelte(b.sessione),
                     "Rossi;Squat;80;100;1;12;presa stretta;8.5;Bianchi;20;2;1;4");
            const Serie_t& serie = b.sessione.Serie;
            QCOMPARE(QFileInfo(serie.Dati_esercizio.Cartella_dati), QFileInfo(atleta));
            QCOMPARE(serie.File_record, QStringList{esito.record});
            QCOMPARE(serie.File_analisi, QStringList{esito.analisi});
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
            QCOMPARE(Scelte(b.sessione), "Rossi;Squat;80;20;2;20;altro giorno;0;Bianchi;20;2");
            QVERIFY(b.sessione.Serie.File_record.isEmpty());
            QCOMPARE(QFileInfo(b.sessione.Serie.Dati_esercizio.Cartella_dati), QFileInfo(atleta));
        }
        Scrivi(esito.record, intatta);
    }
};

QTEST_GUILESS_MAIN(Test_apri_misura)
#include "test_apri_misura.moc"
