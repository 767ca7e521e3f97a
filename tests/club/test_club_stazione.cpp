// SPDX-License-Identifier: GPL-3.0-or-later
// The station's side of the club: the password written where libpq reads it and as it reads
// it, the sender on its own thread asking for a refused password once and sending as soon as
// it is right, and the club's dialog storing what it shows and never the password.
#include "acquisition/salvataggi.h"
#include "club/frm_club.h"
#include "club/lavoratore_club.h"
#include "club/password_club.h"
#include "club/sincronia_club.h"
#include "log/frm_storico.h"
#include "log/indice_sedute.h"
#include "platform/etichetta_accorciata.h"
#include "platform/impostazioni_utente.h"
#include "tests/log/storico_prova.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/banco_principale.h"
#include "tests/support/postgres_prova.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

Parametri_club Club_di(const QString& host, const QString& utente) {
    Parametri_club p;
    p.host = host;
    p.database = QStringLiteral("kinetrack");
    p.utente = utente;
    return p;
}

QByteArray Contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(assente)");
}

} // namespace

class Test_club_stazione : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente;
    QTemporaryDir cartella;
    std::unique_ptr<Postgres_prova> server;

    int Test_nel_club() {
        return server->Sql(QStringLiteral("SELECT count(*) FROM kinetrack.test"))
            .value_or(QStringLiteral("-1"))
            .toInt();
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("PGPASSFILE", cartella.filePath(QStringLiteral("pgpass")).toLocal8Bit());
        server = std::make_unique<Postgres_prova>(QStringLiteral(KT_SCHEMA_CLUB));
    }
    void init() {
        if (server->Motivo().isEmpty())
            QVERIFY(server->Sql(QStringLiteral("TRUNCATE kinetrack.registro, kinetrack.test")));
    }

    // The server's line comes first, so that no wildcard line above it wins; the default
    // socket folder is "localhost" to libpq (another one is itself: the sender's test below);
    // ':' and '\' are escaped; other lines and comments stay.
    void password_nel_file_di_libpq() {
        const Parametri_club rossi = Club_di(QStringLiteral("club.lan"), QStringLiteral("rossi"));
        const std::tuple<QByteArray, Parametri_club, QString, QByteArray> casi[] = {
            {"", rossi, "segreta", "club.lan:5432:kinetrack:rossi:segreta\n"},
            {"# mia\n*:*:*:*:jolly\nclub.lan:5432:kinetrack:rossi:vecchia\nx:1:d:u:p", rossi,
             "nuova", "club.lan:5432:kinetrack:rossi:nuova\n# mia\n*:*:*:*:jolly\nx:1:d:u:p\n"},
            {"localhost:5432:kinetrack:a\\:b:vecchia\nlocalhost:5432:kinetrack:a:altra\n",
             Club_di(QStringLiteral("/var/run/postgresql"), QStringLiteral("a:b")), "p\\:q",
             "localhost:5432:kinetrack:a\\:b:p\\\\\\:q\nlocalhost:5432:kinetrack:a:altra\n"},
        };
        for (const auto& [attuale, p, password, atteso] : casi)
            QCOMPARE(Testo_con_password(attuale, p, password), atteso);

        // Written as a whole, readable by its owner alone (libpq ignores it otherwise), the
        // line replaced when written again.
        const QString file = File_password_club();
        const Parametri_club p = Club_di(QStringLiteral("club.lan"), QStringLiteral("rossi"));
        for (const QString& password : {QStringLiteral("prima"), QStringLiteral("dopo")}) {
            QVERIFY(!Salva_password_club(p, password));
            QCOMPARE(Contenuto(file), Testo_con_password({}, p, password));
            QCOMPARE(QFile::permissions(file) & 0x7777,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                         QFileDevice::WriteUser);
        }
        QVERIFY(Salva_password_club(p, QString()));
        QVERIFY(Salva_password_club(p, QStringLiteral("a\nb")));
        QCOMPARE(Contenuto(file), Testo_con_password({}, p, QStringLiteral("dopo")));
    }

    // A station whose password the server refuses keeps its test queued and asks once; the
    // password written again (with the characters libpq escapes) sends it at once.
    void il_lavoratore_invia_dopo_la_password_riscritta() {
        struct Fine {
            QThread& t;
            ~Fine() { t.quit(), t.wait(); }
        };
        if (!server->Motivo().isEmpty()) QSKIP(qPrintable(server->Motivo()));
        const QString giusta = QStringLiteral("a:b\\c");
        QVERIFY(server->Sql(QStringLiteral("CREATE ROLE rossi LOGIN PASSWORD 'a:b\\c' IN ROLE "
                                           "kt_capo")));
        QVERIFY(server->Chiedi_password(QStringLiteral("rossi")));
        Parametri_club p = *Parametri_da_testo(server->Parametri(QStringLiteral("rossi")));
        p.stazione = QStringLiteral("rack1");
        QVERIFY(!Salva_password_club(p, QStringLiteral("sbagliata")));
        QTemporaryDir dati;
        Scrivi_test(dati.path(), "Squadra A", "Rossi", Test_di("Squat", 100, Lunedi, {800}));

        QThread thread;
        auto* lavoratore = new Lavoratore_club(dati.path(), p);
        lavoratore->moveToThread(&thread);
        connect(&thread, &QThread::started, lavoratore, &Lavoratore_club::Avvia);
        connect(&thread, &QThread::finished, lavoratore, &QObject::deleteLater);
        QSignalSpy stato(lavoratore, &Lavoratore_club::Stato);
        QSignalSpy rifiutata(lavoratore, &Lavoratore_club::Password_rifiutata);
        thread.start();
        const Fine fine{thread};
        QTRY_COMPARE_WITH_TIMEOUT(stato.size(), 2, 10000); // two rounds refused
        QCOMPARE(rifiutata.size(), 1);
        QCOMPARE(stato.last().at(0).toInt(), 1);
        QCOMPARE(stato.last().at(1).toBool(), false);

        QVERIFY(!Salva_password_club(p, giusta));
        QMetaObject::invokeMethod(lavoratore, &Lavoratore_club::Nuova_password);
        QTRY_VERIFY2_WITH_TIMEOUT(stato.last().at(1).toBool(),
                                  qPrintable(stato.last().at(2).toString()), 1000);
        QVERIFY2(stato.last().at(0).toInt() == 0, qPrintable(stato.last().at(2).toString()));
        QCOMPARE(server->Sql(QStringLiteral("SELECT stazione FROM kinetrack.test")),
                 QStringLiteral("rack1"));
    }

    // The program with a club: a saved test reaches it at once, not at the next round; with
    // the server stopped the tests wait, counted in the status bar, and go out once it is
    // back, without a restart; another station's test appears in the open log; the window
    // closes with its sender.
    void la_finestra_manda_i_test_salvati() {
        if (!server->Motivo().isEmpty()) QSKIP(qPrintable(server->Motivo()));
        Parametri_club p = *Parametri_da_testo(server->Parametri());
        p.stazione = QStringLiteral("rack1");
        QVERIFY(Salva_parametri(p));
        Banco_principale b([](Sessione& s) {
            s.Dati_esercizio.Squadra = QStringLiteral("Squadra A");
            s.Dati_esercizio.Atleta = QStringLiteral("Rossi");
        });
        const QString dati = b.s.Cartella_applicazione;
        QTRY_COMPARE(b.m.Lbl_club->text(), QStringLiteral("Club: collegato"));
        const auto Salvato = [&](int minuti) {
            const QString file =
                Scrivi_test(dati, "Squadra A", "Rossi",
                            Test_di("Squat", 100, Lunedi.addSecs(60 * minuti), {800}));
            QVERIFY(!Indicizza_test(dati, file));
            Q_EMIT b.m.Salvataggi_test->Test_indicizzato(file);
        };
        Salvato(0);
        QTRY_COMPARE_WITH_TIMEOUT(Test_nel_club(), 1, Lavoratore_club::Intervallo_ms / 2);
        QVERIFY(server->Ferma());
        for (const int minuti : {10, 20, 30}) Salvato(minuti);
        QTRY_VERIFY(b.m.Lbl_club->text().startsWith(QStringLiteral("Club: 3 test da inviare")));
        QVERIFY(server->Avvia());
        QTRY_COMPARE_WITH_TIMEOUT(b.m.Lbl_club->text(), QStringLiteral("Club: collegato"), 10000);
        QCOMPARE(Test_nel_club(), 4);

        Frm_storico* storico = b.m.Mostra_storico();
        QCOMPARE(storico->Righe().size(), 4u);
        QTemporaryDir altra;
        Scrivi_test(altra.path(), "Squadra A", "Rossi",
                    Test_di("Panca", 60, Lunedi.addSecs(2400), {700}));
        Indice_test indice(altra.path());
        indice.Aggiorna();
        p.stazione = QStringLiteral("rack2");
        QCOMPARE(Club(p).Sincronizza(indice).inviati, 1);
        QTRY_COMPARE_WITH_TIMEOUT(storico->Righe().size(), 5u, 5000);
        QVERIFY(std::any_of(storico->Righe().begin(), storico->Righe().end(),
                            [](const Riga_diario& r) { return r.test.stazione == "rack2"; }));
        b.m.close();
        QVERIFY(Salva_parametri(std::nullopt));
    }

    // What the dialog stores it shows again; the password goes to libpq's file, never to the
    // settings; "Nessun club" leaves none.
    void club_scelto_resta_nelle_impostazioni() {
        const std::tuple<int, QString, QString> casi[] = {{5432, "require", "rack 1"},
                                                          {6543, "verify-full", "palestra:2"}};
        for (const auto& [porta, tls, stazione] : casi) {
            Frm_club scelta;
            scelta.Txt_server->setText(QStringLiteral(" club.lan "));
            scelta.Txt_porta->setValue(porta);
            scelta.Txt_database->setText(QStringLiteral("kinetrack"));
            scelta.Txt_utente->setText(QStringLiteral("rossi"));
            scelta.cbo_tls->setCurrentIndex(scelta.cbo_tls->findData(tls));
            scelta.Txt_stazione->setText(stazione);
            scelta.Txt_password->setText(QStringLiteral("segreta-%1").arg(porta));
            scelta.Cmd_ok->click();
            QCOMPARE(scelta.result(), int(QDialog::Accepted));
            const Parametri_club atteso{"club.lan", porta, "kinetrack", "rossi", tls, stazione};
            QCOMPARE(Parametri_salvati(), std::optional(atteso));
            QCOMPARE(Frm_club().Parametri(), std::optional(atteso));
            QVERIFY(!Contenuto(File_impostazioni()).contains("segreta"));
            QVERIFY(
                Contenuto(File_password_club()).contains("segreta-" + QByteArray::number(porta)));
        }
        Frm_club spegni;
        spegni.Cmd_nessun_club->click();
        QCOMPARE(spegni.result(), Frm_club::Nessun_club);
        QCOMPARE(Parametri_salvati(), std::nullopt);
    }
};

QTEST_MAIN(Test_club_stazione)
#include "test_club_stazione.moc"
