// The start-up sequence from end to end: against the virtual board on a pseudo-terminal,
// with no board at all, and with a board on the (fake) USB HID link.

#include "analysis/frm_grafici.h"
#include "device/frm_hid.h"
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/hid_finto.h"
#include "platform/porta_seriale.h"
#include "program/avvio.h"
#include "setup/frm_intestazione.h"
#include "stream/motore_misura.h"
#include "device/frm_seriale.h"
#include "tests/device/test_protocollo_finti.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Counts how often the serial window is shown.
class Conta_comparse : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == QLatin1String("frm_seriale"))
            ++comparse;
        return false;
    }
    int comparse = 0;
};

const QString Titolo = QStringLiteral("KINETRACK " KT_VERSIONE_ATTESA);
} // namespace

class Test_avvio_programma : public QObject {
    Q_OBJECT
public:
    explicit Test_avvio_programma(const QString& radice) : radice_(radice) {}

private Q_SLOTS:
    void init();
    void cleanup() { qApp->removeEventFilter(&conta_); }
    void con_scheda_seriale();
    void senza_scheda();
    void con_scheda_hid();

private:
    Programma::Opzioni Opzioni() {
        Programma::Opzioni o;
        o.cartella_eseguibile = radice_ + "/bin";
        o.hid = &hid_;
        o.avvisi = &avvisi_;
        o.attesa_hid_ms = 100;
        return o;
    }
    QString radice_;
    Libreria_hid_finta hid_;
    Avvisi_registrati avvisi_;
    Conta_comparse conta_;
};

// Every port number means "no device" unless a board claims it, so the search does not
// depend on the machine's serial ports.
void Test_avvio_programma::init() {
    const QString cartella = radice_ + "/run/kinetrack";
    QDir().mkpath(cartella);
    QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (int n = 1; n <= 30; ++n) {
        const QString link = cartella + "/com" + QString::number(n);
        if (!QFileInfo(link).isSymLink()) QFile::link(radice_ + "/nothing", link);
    }
    avvisi_.elenco.clear();
    hid_ = {};
    conta_.comparse = 0;
    qApp->installEventFilter(&conta_);
}

void Test_avvio_programma::con_scheda_seriale() {
    QProcess scheda;
    scheda.start(QStringLiteral(KT_SCHEDA_VIRTUALE), {"--port", "3", "--board-type", "3"});
    QVERIFY(scheda.waitForReadyRead(5000));

    // First run: nothing stored, so the search finds the board on com3.
    {
        Programma p(Opzioni());
        p.Avvia();
        QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 3");
        QVERIFY(p.Principale().isVisible());
        QVERIFY(!p.Seriale().isVisible());
        QVERIFY(conta_.comparse >= 1);
        QVERIFY(p.Stato().Usa_seriale && !p.Stato().Usa_hid);
        QVERIFY(p.Hid() == nullptr); // serial mode: the HID link is detached
        QCOMPARE(p.Stato().Fattore_tempo, Fattore_tempo_tipo3);

        const std::uint8_t record[6] = {124, 0, 0x10, 0x27, 0, 0}; // 124 mm on a type-3 board
        p.Motore().Blocco_seriale(record);
        QCOMPARE(p.Principale().Intestazione->Lbl_spostamento->text(), "Spost(cm)=  12");
    }
    // Next run: the stored port answers; the serial window never shows.
    conta_.comparse = 0;
    {
        Programma p(Opzioni());
        p.Avvia();
        QCOMPARE(p.Principale().windowTitle(), Titolo + " connesso su com3 Scheda tipo 3");
        QCOMPARE(conta_.comparse, 0);
    }
    // Stored com1 has no device: no message about it.
    QVERIFY(avvisi_.elenco.isEmpty());
    scheda.terminate();
    QVERIFY(scheda.waitForFinished(3000));
}

// No board anywhere: the search shows, fails, and the main window still opens.
void Test_avvio_programma::senza_scheda() {
    Programma p(Opzioni());
    p.Avvia();
    QVERIFY(p.Principale().isVisible());
    QCOMPARE(p.Principale().windowTitle(), Titolo + " non connesso");
    QVERIFY(conta_.comparse >= 1);
    QVERIFY(!p.Seriale().isVisible());
    QCOMPARE(p.Seriale().Lbl_info->text(), QString("Scheda non trovata!"));
    // Ports with no device are silent: the only message is the failed type query's.
    QCOMPARE(avvisi_.elenco.size(), 1);
    QVERIFY(avvisi_.elenco[0].testo.contains("tipo"));
}

// A board on USB HID is announced during the HID test: no serial port is opened and
// its type comes from the answer report.
void Test_avvio_programma::con_scheda_hid() {
    hid_.Collega({0x0461, 0x0020, "/dev/hidraw7"});
    hid_.Risponditore = [](const QByteArray& scritto) {
        return scritto.startsWith(QByteArray("\0$D", 3)) ? QByteArray("$\x02"
                                                                      "D",
                                                                      3)
                                                         : QByteArray();
    };
    Programma p(Opzioni());
    p.Avvia();
    QCOMPARE(p.Principale().windowTitle(), Titolo + " Connesso via HID Scheda tipo 2");
    QVERIFY(p.Stato().Usa_hid && !p.Stato().Usa_seriale);
    QVERIFY(!p.Porta().Aperta());
    QCOMPARE(conta_.comparse, 0);
    QVERIFY(p.Hid() != nullptr && p.Finestra_hid() != nullptr && !p.Finestra_hid()->isVisible());
    QCOMPARE(p.Stato().Fattore_tempo, Fattore_tempo_tipo12);

    // Unplugged later: the caption follows.
    hid_.Scollega({0x0461, 0x0020, "/dev/hidraw7"});
    QTRY_COMPARE(p.Principale().windowTitle(), Titolo + " Disconnesso");
}

int main(int argc, char** argv) {
    // The run's own folders: port links, settings, data.
    QTemporaryDir radice;
    for (const char* sotto : {"run", "config", "data", "bin"}) QDir(radice.path()).mkpath(sotto);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(radice.filePath("run")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(radice.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(radice.filePath("data")));
    QApplication app(argc, argv);
    Test_avvio_programma test(radice.path());
    return QTest::qExec(&test, argc, argv);
}

#include "test_avvio_programma.moc"
