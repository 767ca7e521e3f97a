// The command dialogue against a scripted board behind an in-memory port.

#include "device/protocollo.h"
#include "platform/impostazioni_utente.h"
#include "stream/motore_misura.h"
#include "test_protocollo_finti.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <ctime>

namespace {
struct Banco {
    Sessione s;
    Porta_scheda porta;
    Avvisi_registrati avvisi;
    Hid_registrato hid;
    Vista_misura vista;
    Motore_misura motore{s, vista, QLocale::c()};
    Protocollo p{s, porta, avvisi};
    Banco() {
        porta.Imposta_numero_porta(4);
        s.Usa_seriale = true;
        p.Imposta_uscita_hid(&hid);
        p.Imposta_motore(&motore);
    }
    void Solo_hid() {
        s.Usa_seriale = false;
        s.Usa_hid = true;
        porta.Chiudi();
    }
};
} // namespace

class Test_protocollo : public QObject {
    Q_OBJECT
    QTemporaryDir cartella_;

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, cartella_.path());
    }
    void init() { QFile::remove(File_impostazioni()); }

    void probe_data() {
        QTest::addColumn<QByteArray>("risposta"); // empty = silent board
        QTest::addColumn<bool>("atteso");
        QTest::newRow("board") << QByteArray("?YES") << true;
        QTest::newRow("wrong answer") << QByteArray("?yes") << false;
        QTest::newRow("silent") << QByteArray() << false;
    }
    void probe() {
        QFETCH(QByteArray, risposta);
        QFETCH(bool, atteso);
        Banco b;
        if (risposta.isEmpty())
            b.porta.risposte.clear();
        else
            b.porta.risposte["?"] = risposta;
        QElapsedTimer orologio;
        orologio.start();
        const std::clock_t cpu = std::clock();
        QCOMPARE(b.p.Verifica_scheda(), atteso);
        const qint64 ms = orologio.elapsed();
        // Settling wait, then two reply waits that end on the reply or after 500 ms,
        // sleeping meanwhile.
        const bool muta = risposta.isEmpty();
        QVERIFY2(ms >= (muta ? 1490 : 495) && ms < (muta ? 3000 : 900),
                 qPrintable(QString::number(ms)));
        QVERIFY(double(std::clock() - cpu) / CLOCKS_PER_SEC < 0.3 * double(ms) / 1000);
        QCOMPARE(b.s.Timeout_ms, std::int16_t(500));
        QCOMPARE(b.porta.scritti, QByteArray("$?"));
        QCOMPARE(b.s.Stato_connessione, atteso ? " connesso su com4" : " non connesso");
        QCOMPARE(Leggi_impostazione("Properties", "CommPort"), atteso ? "4" : "");
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    void board_type_data() {
        QTest::addColumn<char>("tipo");
        QTest::addColumn<float>("posizione");
        QTest::addColumn<float>("tempo");
        QTest::newRow("1") << char(1) << 1.288f << 0.0002f;
        QTest::newRow("2") << char(2) << 1.0f << 0.0002f;
        QTest::newRow("3") << char(3) << 1.0f << 8.33333e-05f;
        QTest::newRow("7: unknown") << char(7) << 1.0f << 8.33333e-05f;
    }
    void board_type() {
        QFETCH(char, tipo);
        QFETCH(float, posizione);
        QFETCH(float, tempo);
        Banco b;
        b.porta.risposte["$D"] = QByteArray("$D") + tipo;
        b.s.Stato_connessione = " connesso su com4";
        for (int volta = 0; volta < 2; ++volta) b.p.Leggi_tipo_scheda(); // part replaced
        QCOMPARE(b.s.Stato_connessione, QString(" connesso su com4 Scheda tipo %1").arg(int(tipo)));
        QCOMPARE(b.s.Fattore_posizione, posizione);
        QCOMPARE(b.s.Fattore_tempo, tempo);
        QCOMPARE(b.avvisi.elenco.size(), tipo == 7 ? 2 : 0);
        if (tipo == 7)
            QCOMPARE(b.avvisi.elenco[0].testo, "dispositivo non riconosciuto: DEFAULT TIPO 3!!");
    }

    void board_type_without_reply_then_hid_mode() {
        Banco b;
        b.porta.risposte.remove("$D");
        b.s.Timeout_ms = 100;
        b.s.Stato_connessione = " connesso su com4 Scheda tipo 2";
        b.p.Leggi_tipo_scheda(); // no reply: told, nothing changed
        QCOMPARE(b.s.Stato_connessione, " connesso su com4 Scheda tipo 2");
        QCOMPARE(b.s.Fattore_tempo, Fattore_tempo_tipo3);
        QCOMPARE(b.avvisi.elenco.size(), 1);

        b.Solo_hid();
        b.s.Stato_connessione = " Connesso via HID";
        b.s.Buffer_in[2] = 2; // the last input report holds the answer
        QElapsedTimer orologio;
        orologio.start();
        b.p.Leggi_tipo_scheda();
        b.p.Avvia_acquisizione();
        b.p.Ferma_acquisizione();
        QVERIFY(orologio.elapsed() < 400); // no reply waits over HID
        QCOMPARE(b.hid.inviati, (QStringList{"$D", "$T", "$F", "$T"}));
        QCOMPARE(b.s.Stato_connessione, " Connesso via HID Scheda tipo 2");
        QCOMPARE(b.s.Fattore_tempo, 0.0002f);
        b.s.Usa_hid = false; // no transport: nothing goes anywhere
        b.p.Invia_comando("$Z");
        QCOMPARE(b.hid.inviati.size(), 4);
        QCOMPARE(b.porta.scritti, QByteArray("$D")); // only the serial query before
    }

    void configuration_data() {
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<bool>("hid");
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("periodo");
        QTest::newRow("05 01 00") << QByteArray("$i\x02\x05\x01\x00", 6) << false << 5 << 1;
        QTest::newRow("little-endian")
            << QByteArray("$i\x02\xff\x34\x12", 6) << false << 255 << 0x1234;
        QTest::newRow("bad ack") << QByteArray("$i\x03\x05\x01\x00", 6) << false << -1 << -1;
        QTest::newRow("no reply") << QByteArray() << false << -1 << -1;
        QTest::newRow("HID mode") << QByteArray("$i\x02\x05\x01\x00", 6) << true << -1 << -1;
    }
    void configuration() {
        QFETCH(QByteArray, risposta);
        QFETCH(bool, hid);
        QFETCH(int, canali);
        QFETCH(int, periodo);
        Banco b;
        b.s.Timeout_ms = 100;
        b.s.Canali_abilitati = b.s.Tempo_campionamento = -1;
        b.porta.risposte["$i"] = risposta;
        if (hid) b.Solo_hid();
        b.p.Inizializza_scheda();
        QCOMPARE(b.s.Canali_abilitati, canali);
        QCOMPARE(b.s.Tempo_campionamento, periodo);
        QVERIFY(b.hid.inviati.isEmpty() && b.avvisi.elenco.isEmpty());
        QCOMPARE(b.porta.Byte_in_attesa(), 0);
    }

    void start_and_signal_exchange() {
        Banco b;
        b.s.Campioni.resize(50);
        b.s.Ricezione_attiva = false;
        QSignalSpy spento(&b.p, &Protocollo::Avvio_spento);
        b.p.Avvia_acquisizione();
        QCOMPARE(b.porta.scritti, QByteArray("$T$F"));
        QVERIFY(b.s.Acquisizione_in_corso && b.s.Disegno_abilitato && b.s.Ricezione_attiva);
        // Streaming setup survives the "$F" reply wait, which read its 2 bytes.
        QCOMPARE(b.porta.Soglia_ricezione(), 12);
        QCOMPARE(b.porta.Lunghezza_lettura(), 12);
        QCOMPARE(b.porta.Byte_in_attesa(), 0);
        QCOMPARE(b.s.Campioni.size(), std::size_t(1)); // the engine's reset ran
        QCOMPARE(b.s.Stato_fase, (std::array<std::int16_t, 2>{1, 0}));
        QVERIFY(spento.isEmpty());

        b.p.Invia_segnale();
        QCOMPARE(b.porta.scritti, QByteArray("$T$F$T$Z"));
        QVERIFY(!b.s.Acquisizione_in_corso);
        QCOMPARE(spento.size(), 1);
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    void start_without_board_data() {
        QTest::addColumn<QByteArray>("risposta_t"); // empty = silent
        QTest::addColumn<bool>("chiusa");
        QTest::newRow("bad $T reply") << QByteArray("X$") << false;
        QTest::newRow("silent") << QByteArray() << false;
        QTest::newRow("closed port") << QByteArray("$T") << true;
    }
    void start_without_board() {
        QFETCH(QByteArray, risposta_t);
        QFETCH(bool, chiusa);
        Banco b;
        b.s.Timeout_ms = 100;
        b.porta.risposte["$T"] = risposta_t;
        if (chiusa) b.porta.Chiudi();
        b.s.Campioni.resize(5);
        QSignalSpy spento(&b.p, &Protocollo::Avvio_spento);
        b.p.Avvia_acquisizione();
        QVERIFY(!b.s.Acquisizione_in_corso);
        QCOMPARE(spento.size(), 1);
        QCOMPARE(b.s.Campioni.size(), std::size_t(5));
        QVERIFY(!b.porta.scritti.contains("$F"));
        QCOMPARE(b.avvisi.elenco.size(), 1);
        QCOMPARE(b.avvisi.elenco[0].testo, "Apparato non collegato o spento!");
        QCOMPARE(b.avvisi.elenco[0].icona, Avvisi::Icona::Critico);
        QCOMPARE(b.avvisi.elenco[0].titolo, "Kinetrack");
    }

    void nested_wait_keeps_its_own_time_out() {
        Banco b;
        b.porta.risposte.clear();
        b.s.Timeout_ms = 200;
        b.s.Ricezione_attiva = true;
        b.porta.Imposta_lunghezza_lettura(12);
        QByteArray interna;
        // A click handled during the wait starts another one.
        QTimer::singleShot(50, &b.porta, [&] {
            QTimer::singleShot(50, &b.porta, [&] { b.porta.Ricevi("$T"); });
            interna = b.p.Leggi_bytes(2); // ends on its reply, before any time-out
        });
        QElapsedTimer orologio;
        orologio.start();
        QCOMPARE(b.p.Leggi_bytes(4), QByteArray(1, '\0'));
        QVERIFY(orologio.elapsed() < 1000);
        QCOMPARE(interna, QByteArray("$T"));
        QVERIFY(b.s.Ricezione_attiva);
        QCOMPARE(b.porta.Lunghezza_lettura(), 12);
    }
};

QTEST_GUILESS_MAIN(Test_protocollo)
#include "test_protocollo.moc"
