// SPDX-License-Identifier: GPL-3.0-or-later
// Stations and their club's server, a real PostgreSQL: two stations' tests of one athlete,
// each stored once whatever is sent again; the connection cut in the middle of a send and
// the server stopped and started; a coach sees and writes only their teams; a record edited
// at two stations; a database or a password the club refuses; kinetrack-storico --club.
#include "cli/storico.h"
#include "club/sincronia_club.h"
#include "datafiles/record_seduta.h"
#include "log/indice_sedute.h"
#include "tests/log/storico_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/postgres_prova.h"
#include "tests/support/processo_prova.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// A station: a data folder of its own with its index.
struct Stazione {
    QTemporaryDir dati;
    QString nome;
    std::unique_ptr<Indice_test> indice;
    explicit Stazione(QString n) : nome(std::move(n)) {
        QDir(dati.path()).mkpath(QStringLiteral("ini"));
        indice = std::make_unique<Indice_test>(dati.path());
    }
    QString Scrivi(const QString& squadra, const QString& atleta, int minuti,
                   const QString& nota = {}) {
        Test_esempio t = Test_di("Squat", 100, Lunedi.addSecs(60 * minuti), {800, 780});
        t.nota = nota;
        return Scrivi_test(dati.path(), squadra, atleta, t);
    }
};

void Cambia_nota(const QString& file_campioni, const QString& nota) {
    Record_test r;
    const QString nome = Nome_file_record(file_campioni);
    QVERIFY(!Leggi_record(nome, r));
    r.serie.Nota = nota;
    QVERIFY(!Scrivi_record(nome, r));
}

} // namespace

class Test_club : public QObject {
    Q_OBJECT
    std::unique_ptr<Postgres_prova> server;

    int Conta(const QString& tabella) {
        return server->Sql(QStringLiteral("SELECT count(*) FROM kinetrack.") + tabella)
            .value_or(QStringLiteral("-1"))
            .toInt();
    }
    Parametri_club Club_di(const QString& utente, const QString& stazione) {
        auto p = Parametri_da_testo(server->Parametri(utente));
        p->stazione = stazione;
        return *p;
    }
    Esito_sincronia Sincronizza(Stazione& s, const QString& utente = QStringLiteral("capo")) {
        s.indice->Aggiorna();
        Club club(Club_di(utente, s.nome));
        return club.Sincronizza(*s.indice);
    }

private Q_SLOTS:
    void initTestCase() {
        server = std::make_unique<Postgres_prova>(QStringLiteral(KT_SCHEMA_CLUB));
        if (!server->Motivo().isEmpty()) return; // each test that needs it skips
        // Two teams, each with its coach; the head coach sees both.
        QString errore;
        QVERIFY2(
            server->Sql(
                QStringLiteral("CREATE ROLE gruppo_a IN ROLE kt_allenatori;"
                               "CREATE ROLE gruppo_b IN ROLE kt_allenatori;"
                               "INSERT INTO kinetrack.squadre VALUES ('Squadra A', 'gruppo_a'),"
                               "('Squadra B', 'gruppo_b');"
                               "CREATE ROLE capo LOGIN IN ROLE kt_capo;"
                               "CREATE ROLE verdi LOGIN IN ROLE gruppo_a;"
                               "CREATE ROLE neri LOGIN IN ROLE gruppo_b;"
                               "CREATE ROLE con_password LOGIN PASSWORD 'giusta' IN ROLE kt_capo;"),
                &errore),
            qPrintable(errore));
        for (const char* database : {"vuoto", "vecchio"})
            QVERIFY(server->Sql(QStringLiteral("CREATE DATABASE ") + database));
        QVERIFY(server->Sql(QStringLiteral("CREATE SCHEMA kinetrack; CREATE TABLE "
                                           "kinetrack.versione (versione integer);"
                                           "INSERT INTO kinetrack.versione VALUES (0);"
                                           "GRANT USAGE ON SCHEMA kinetrack TO PUBLIC;"
                                           "GRANT SELECT ON kinetrack.versione TO PUBLIC"),
                            &errore, QStringLiteral("vecchio")));
        QVERIFY(server->Chiedi_password(QStringLiteral("con_password")));
    }
    void init() {
        if (QTest::currentTestFunction() == QByteArray("parametri_del_club")) return;
        if (!server->Motivo().isEmpty()) QSKIP(qPrintable(server->Motivo()));
        QVERIFY(server->Sql(QStringLiteral("TRUNCATE kinetrack.registro, kinetrack.test")));
    }

    // libpq's key=value text: quoted values read back as written; what cannot reach a
    // server, or would put a password in the settings, refused with the reason.
    void parametri_del_club_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso"); // the fields, or the reason's words
        const char* const righe[][3] = {
            {"citati", R"( host = '/tmp/a b'  port=5433 dbname=club user=o\'k sslmode=require)",
             "/tmp/a b|5433|club|o'k|require"},
            {"porta", "dbname=k port=70000", "porta non valida"},
            {"password", "dbname=k password=x", "~/.pgpass"},
            {"sconosciuto", "dbname=k colore=blu", "sconosciuto: \"colore\""},
            {"senza database", "user=u", "manca il database"},
            {"virgolette", "dbname='k", "virgolette non chiuse"}};
        for (const auto& r : righe) QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }
    void parametri_del_club() {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QString errore;
        const auto p = Parametri_da_testo(testo, &errore);
        const QString esito =
            p ? QStringList{p->host, QString::number(p->porta), p->database, p->utente, p->sslmode}
                    .join('|')
              : errore;
        QVERIFY2(p ? esito == atteso : esito.contains(atteso), qPrintable(esito));
        if (p) QCOMPARE(Parametri_da_testo(Testo_parametri(*p)), p);
    }

    // One athlete's tests from two stations: each station sees the other's, marked with its
    // name, and its own from its files; a station that forgot what it sent sends again and
    // the club still holds every test and record once. The command-line tool the same.
    void due_stazioni_stesso_atleta() {
        Stazione a(QStringLiteral("rack1")), b(QStringLiteral("rack2"));
        a.Scrivi("Squadra A", "Rossi", 0);
        a.Scrivi("Squadra A", "Rossi", 10);
        b.Scrivi("Squadra A", "Rossi", 20);
        QCOMPARE(Sincronizza(a).inviati, 2);
        const Esito_sincronia eb = Sincronizza(b);
        QVERIFY2(eb.collegato && eb.errore.isEmpty(), qPrintable(eb.errore));
        QCOMPARE(eb.inviati, 1);
        QCOMPARE(eb.ricevuti, 2);
        const Esito_sincronia ea = Sincronizza(a);
        QCOMPARE(ea.inviati, 0);
        QCOMPARE(ea.ricevuti, 1);
        const auto righe = a.indice->Test_atleta("Squadra A", "Rossi");
        QCOMPARE(righe.size(), 3u);
        QCOMPARE(righe.front().stazione, QStringLiteral("rack2")); // newest first
        QVERIFY(righe[1].stazione.isEmpty() && !righe[1].file_campioni.isEmpty());

        a.indice->Dimentica_club();
        QCOMPARE(Sincronizza(a).inviati, 2);
        QCOMPARE(Conta("test"), 3);
        QCOMPARE(Conta("registro"), 3);

        const QStringList argomenti = {"--data",    b.dati.path(),
                                       "--station", "rack2",
                                       "--club",    server->Parametri(QStringLiteral("capo"))};
        b.Scrivi("Squadra A", "Rossi", 30);
        for (const char* inviati : {"Club: 1 test inviati", "Club: 0 test inviati"}) {
            const Esito_programma e = Esegui_in_processo(&Esegui_storico, argomenti);
            QVERIFY2(e.codice == 0 && e.errori.contains(inviati), qPrintable(e.errori));
            QVERIFY(e.uscita.startsWith("Squadra;Atleta;Data;") &&
                    e.uscita.section('\n', 0, 0).endsWith(";Nota;Stazione"));
            QCOMPARE(e.uscita.count(";rack1\n"), 2);
            QCOMPARE(e.uscita.count(";rack2\n"), 2);
        }
        QCOMPARE(Conta("test"), 4);
    }

    // The connection cut while the second of three tests goes, then the server stopped:
    // the station keeps recording into its queue, and once the server is back every test is
    // there once, in the order they were recorded.
    void server_perso_a_meta_invio() {
        Stazione a(QStringLiteral("rack1"));
        for (int i = 0; i < 3; ++i) a.Scrivi("Squadra A", "Rossi", i);
        QVERIFY(server->Sql(QStringLiteral(
            "CREATE FUNCTION kinetrack.taglia() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
            "IF (SELECT count(*) FROM kinetrack.test) = 2 THEN "
            "PERFORM pg_terminate_backend(pg_backend_pid()); END IF; RETURN NULL; END $$;"
            "CREATE TRIGGER taglia AFTER INSERT ON kinetrack.test "
            "FOR EACH ROW EXECUTE FUNCTION kinetrack.taglia()")));
        Esito_sincronia e = Sincronizza(a);
        QVERIFY(server->Sql(QStringLiteral("DROP FUNCTION kinetrack.taglia() CASCADE")));
        QVERIFY(!e.collegato && !e.errore.isEmpty());
        QCOMPARE(e.inviati, 1);
        QCOMPARE(e.da_inviare, 2);

        QVERIFY(server->Ferma());
        a.Scrivi("Squadra A", "Rossi", 3);
        e = Sincronizza(a);
        QVERIFY(!e.collegato && e.errore.contains("non risponde"));
        QCOMPARE(e.da_inviare, 3);
        QVERIFY(server->Avvia());
        e = Sincronizza(a);
        QVERIFY2(e.collegato && e.errore.isEmpty(), qPrintable(e.errore));
        QCOMPARE(e.inviati, 3);
        QCOMPARE(e.da_inviare, 0);
        QCOMPARE(server->Sql("SELECT string_agg(to_char(quando, 'MI'), ',' ORDER BY ricevuto) "
                             "FROM kinetrack.test"),
                 QStringLiteral("00,01,02,03"));
        QCOMPARE(Conta("registro"), 4);
    }

    // A coach sees the tests of their teams only (two athletes of one name kept apart by
    // their team) and cannot send another team's: the test waits in the queue.
    void allenatore_senza_diritti_su_una_squadra() {
        Stazione capo(QStringLiteral("ufficio")), verdi(QStringLiteral("rack1")),
            neri(QStringLiteral("rack2"));
        capo.Scrivi("Squadra A", "Rossi", 0);
        capo.Scrivi("Squadra B", "Rossi", 1);
        QCOMPARE(Sincronizza(capo).inviati, 2);
        QCOMPARE(Sincronizza(verdi, "verdi").ricevuti, 1);
        QCOMPARE(verdi.indice->Squadre(), QStringList{"Squadra A"});
        neri.Scrivi("Squadra A", "Bianchi", 2);
        const Esito_sincronia e = Sincronizza(neri, "neri");
        QVERIFY2(e.collegato && e.errore.contains("row-level security"), qPrintable(e.errore));
        QCOMPARE(e.inviati, 0);
        QCOMPARE(e.da_inviare, 1);
        QCOMPARE(neri.indice->Test_atleta("Squadra B", "Rossi").size(), 1u);
        QVERIFY(neri.indice->Test_atleta("Squadra A", "Rossi").empty());
        QCOMPARE(Conta("test"), 2);
    }

    // One test at two stations (a copied folder), its note changed at each: the club keeps
    // every version, and a third station shows the one the server got last.
    void registro_cambiato_in_due_stazioni() {
        Stazione a(QStringLiteral("rack1")), b(QStringLiteral("rack2")), c(QStringLiteral("rack3"));
        const QString file_a = a.Scrivi("Squadra A", "Rossi", 0, "prima");
        const QString file_b = b.Scrivi("Squadra A", "Rossi", 0, "prima");
        QCOMPARE(Sincronizza(a).inviati, 1);
        QCOMPARE(Sincronizza(b).inviati, 1);
        QCOMPARE(Conta("test"), 1);
        const struct {
            Stazione* stazione;
            QString file, nota;
        } modifiche[] = {
            {&a, file_a, "da rack1"}, {&b, file_b, "da rack2"}, {&a, file_a, "ancora rack1"}};
        for (const auto& [s, file, nota] : modifiche) {
            Cambia_nota(file, nota);
            QCOMPARE(Sincronizza(*s).inviati, 1);
            Sincronizza(c);
            const auto righe = c.indice->Test_atleta("Squadra A", "Rossi");
            QVERIFY(righe.size() == 1 && righe[0].nota == nota && righe[0].stazione == "rack1");
        }
        QCOMPARE(Conta("registro"), 4);
    }

    // What the club refuses, said as it is, the versions named; nothing waiting is lost.
    void club_rifiutato_data() {
        QTest::addColumn<QString>("parametri");
        QTest::addColumn<QByteArray>("password"); // the password file's line
        QTest::addColumn<QStringList>("messaggio");
        QTest::addColumn<bool>("password_rifiutata");
        const QString sock = server->Cartella_socket(), porta = QString::number(server->Porta());
        const QString base = "host=" + sock + " port=" + porta + " user=";
        QTest::newRow("schema assente") << base + "capo dbname=vuoto" << QByteArray()
                                        << QStringList{"\"vuoto\"", "versione 1"} << false;
        QTest::newRow("schema vecchio") << base + "capo dbname=vecchio" << QByteArray()
                                        << QStringList{"versione 0", "versione 1"} << false;
        QTest::newRow("password sbagliata")
            << base + "con_password dbname=club" << QByteArray("*:*:*:con_password:sbagliata\n")
            << QStringList{"password", "con_password"} << true;
        QTest::newRow("nessuna password")
            << base + "con_password dbname=club" << QByteArray() << QStringList{"password"} << true;
        QTest::newRow("password giusta")
            << base + "con_password dbname=club" << QByteArray("*:*:*:con_password:giusta\n")
            << QStringList() << false;
        QTest::newRow("server assente") << "host=" + sock + "/manca port=" + porta + " dbname=club"
                                        << QByteArray() << QStringList{"non risponde"} << false;
    }
    void club_rifiutato() {
        QFETCH(QString, parametri);
        QFETCH(QByteArray, password);
        QFETCH(QStringList, messaggio);
        QFETCH(bool, password_rifiutata);
        QTemporaryDir cartella;
        const QString file = cartella.filePath("pgpass");
        Scrivi(file, password);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner); // else libpq ignores it
        qputenv("PGPASSFILE", QFile::encodeName(file));
        Stazione s(QStringLiteral("rack1"));
        s.Scrivi("Squadra A", "Rossi", 0);
        s.indice->Aggiorna();
        auto p = Parametri_da_testo(parametri);
        QVERIFY(p);
        Club club(*p);
        const Esito_sincronia e = club.Sincronizza(*s.indice);
        qunsetenv("PGPASSFILE");
        QCOMPARE(e.collegato, messaggio.isEmpty());
        QCOMPARE(e.password_rifiutata, password_rifiutata);
        for (const QString& m : messaggio) QVERIFY2(e.errore.contains(m), qPrintable(e.errore));
        QVERIFY2(e.da_inviare == (messaggio.isEmpty() ? 0 : 1), qPrintable(e.errore));
    }
};

QTEST_GUILESS_MAIN(Test_club)
#include "test_club.moc"
