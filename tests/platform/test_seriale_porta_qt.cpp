// The real port over a pseudo-terminal claimed through an override link: refusals
// (writing, reading and streaming run in the integration test).

#include "platform/mappa_porte.h"
#include "platform/porta_qt.h"

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
        porta.Imposta_numero_porta(Numero);
        porta.Apri();
        QCOMPARE(porta.Dispositivo(), t.percorso);
        porta.Imposta_impostazioni("9600,N,8,2"); // applied live
        // The pty driver forces 8 data bits without parity: refused, settings kept.
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Imposta_impostazioni("9600,E,7,2"));
        QCOMPARE(porta.Impostazioni(), "9600,N,8,2");
        porta.Chiudi();
        QCOMPARE(porta.Byte_in_attesa(), 0);
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Scrivi("$T"));
        porta.Imposta_numero_porta(45); // no device: fails at once with the number
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Apri());
        QVERIFY(orologio.elapsed() < 100 && !porta.Aperta());
    }
};

QTEST_GUILESS_MAIN(Test_seriale_porta_qt)
#include "test_seriale_porta_qt.moc"
