// The real port over a pseudo-terminal claimed through an override link: refusals and
// arrival events (writing and streaming run in the integration test).

#include "platform/mappa_porte.h"
#include "platform/porta_qt.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int Numero = 27;

// The far end: the pty master, and the slave kept open as the virtual board does.
struct Terminale {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    int slave =
        (::grantpt(master), ::unlockpt(master), ::open(::ptsname(master), O_RDWR | O_NOCTTY));
    QString percorso = QString::fromLocal8Bit(::ptsname(master));
    Terminale() { QFile::link(percorso, Collegamento_porta(Numero)); }
    ~Terminale() {
        ::close(master), ::close(slave);
        QFile::remove(Collegamento_porta(Numero));
    }
};

void Apri(Porta_qt& porta) {
    porta.Imposta_numero_porta(Numero);
    porta.Apri();
}
} // namespace

class Test_seriale_porta_qt : public QObject {
    Q_OBJECT
    QTemporaryDir runtime_;

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        QVERIFY(QDir().mkpath(Cartella_porte()));
    }

    void open_and_refusals() {
        Terminale t;
        Porta_qt porta;
        Apri(porta);
        QCOMPARE(porta.Dispositivo(), t.percorso);
        porta.Imposta_DTR(true); // no modem lines on a pty: ignored, the port stays usable
        porta.Imposta_RTS(true);
        porta.Imposta_impostazioni("9600,N,8,2"); // applied live
        // The pty driver forces 8 data bits without parity: refused, settings kept.
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Imposta_impostazioni("9600,E,7,2"));
        QCOMPARE(porta.Impostazioni(), "9600,N,8,2");
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Apri()); // opened twice
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Imposta_numero_porta(Numero + 1));
        porta.Chiudi();
        QCOMPARE(porta.Byte_in_attesa(), 0);
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Scrivi("$T"));
        porta.Imposta_numero_porta(45); // no device: fails at once with the number
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Apri());
        QVERIFY(orologio.elapsed() < 100 && !porta.Aperta());
    }

    void arrival_events_and_read_length_data() {
        QTest::addColumn<int>("soglia");
        QTest::addColumn<int>("arrivano");
        QTest::newRow("no threshold") << 0 << 12;
        QTest::newRow("below") << 12 << 6;
        QTest::newRow("at") << 12 << 12;
    }
    void arrival_events_and_read_length() {
        QFETCH(int, soglia);
        QFETCH(int, arrivano);
        Terminale t;
        Porta_qt porta;
        Apri(porta);
        porta.Imposta_soglia_ricezione(soglia);
        QSignalSpy arrivati(&porta, &Porta_seriale::Byte_arrivati);
        QSignalSpy ricevuti(&porta, &Porta_seriale::Dati_ricevuti);
        QByteArray dati(arrivano, 'a');
        dati[3] = '\0'; // nulls pass unchanged
        QCOMPARE(::write(t.master, dati.constData(), size_t(arrivano)), ssize_t(arrivano));
        QTRY_COMPARE(porta.Byte_in_attesa(), arrivano);
        QVERIFY(!arrivati.isEmpty());
        QCOMPARE(!ricevuti.isEmpty(), soglia > 0 && arrivano >= soglia);
        porta.Imposta_lunghezza_lettura(5);
        QCOMPARE(porta.Leggi(), dati.left(5));
        porta.Imposta_lunghezza_lettura(0);
        QCOMPARE(porta.Leggi(), dati.mid(5));
    }
};

QTEST_GUILESS_MAIN(Test_seriale_porta_qt)
#include "test_seriale_porta_qt.moc"
