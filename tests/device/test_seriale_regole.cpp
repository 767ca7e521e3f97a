// SPDX-License-Identifier: GPL-3.0-or-later
// Settings strings (dialog and driver side), the settings store, the port numbers, and
// the real port over a pseudo-terminal claimed through an override link: its refusals
// (writing, reading and streaming run in the integration test).

#include "device/frm_seriale_regole.h"
#include "platform/impostazioni_utente.h"
#include "platform/mappa_porte.h"
#include "platform/porta_qt.h"

#include <QElapsedTimer>
#include <QSettings>
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

class Test_seriale_regole : public QObject {
    Q_OBJECT
    QTemporaryDir cartella_;

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, cartella_.path());
        qputenv("XDG_RUNTIME_DIR", cartella_.path().toLocal8Bit());
        QVERIFY(QDir().mkpath(Cartella_porte()));
    }

    void dialog_reads_settings_string_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("mostrato"); // speed, parity, data bits, stop bits
        QTest::newRow("lower-case none")
            << "9600,n,8,1" << QStringList{"9600", "Nessuna", "8", "1"};
        QTest::newRow("1.5") << "19200,e,7,1.5" << QStringList{"19200", "Even", "7", "1,5"};
        QTest::newRow("unknown letter") << "9600,x,8,1" << QStringList{"9600", "", "8", "1"};
        QTest::newRow("too short") << "9,n,8" << QStringList{"", "", "", ""};
    }
    void dialog_reads_settings_string() {
        QFETCH(QString, testo);
        QFETCH(QStringList, mostrato);
        const Vista_impostazioni v = Scomponi_impostazioni(testo);
        const QString parita = v.Indice_parita < 0 ? QString() : Voci_parita().at(v.Indice_parita);
        QCOMPARE((QStringList{v.Velocita, parita, v.Bit_dati, Voce_bit_stop(v.Bit_stop)}),
                 mostrato);
        // and the dialog writes back what it shows ("Nessuna" as N, "1,5" as 1.5)
        if (!parita.isEmpty())
            QCOMPARE(Componi_impostazioni(mostrato[0], mostrato[1], mostrato[2], mostrato[3]),
                     testo.toUpper());
    }

    void driver_accepts_what_it_can_do_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("canonico"); // null = refused
        QTest::newRow("lower-case letter") << "9600,e,7,2" << QString("9600,E,7,2");
        QTest::newRow("spaces") << " 4800 , s , 5 , 1 " << QString("4800,S,5,1");
        QTest::newRow("4 data bits") << "9600,N,4,1" << QString();
        QTest::newRow("1.5 stop bits") << "9600,N,8,1.5" << QString();
        QTest::newRow("bad parity") << "9600,Q,8,1" << QString();
    }
    void driver_accepts_what_it_can_do() {
        QFETCH(QString, testo);
        QFETCH(QString, canonico);
        Porta_qt porta;
        try {
            porta.Imposta_impostazioni(testo);
            QCOMPARE(porta.Impostazioni(), canonico);
        } catch (const Errore_porta& e) {
            QVERIFY2(canonico.isEmpty(), qPrintable(e.testo()));
            QCOMPARE(e.codice(), Errore_porta::Codice::Impostazione_non_valida);
            QCOMPARE(porta.Impostazioni(), "115200,N,8,1"); // unchanged
        }
    }

    // A link claims a number, also beyond 30; otherwise the fixed rule.
    void port_numbers() {
        QCOMPARE(Dispositivo_fisso(9), "/dev/ttyACM0");
        const QString bersaglio = cartella_.filePath("finto_tty");
        QFile(bersaglio).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(bersaglio, Collegamento_porta(40)));
        QCOMPARE(Dispositivo_porta(40), bersaglio);
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

QTEST_GUILESS_MAIN(Test_seriale_regole)
#include "test_seriale_regole.moc"
