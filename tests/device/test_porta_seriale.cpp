// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port: the dialog (load, "OK", "Annulla", board search) on in-memory ports;
// settings strings (dialog and driver side), the port numbers, and the real port over a
// pseudo-terminal claimed through an override link: its refusals (writing, reading and
// streaming run in the integration test).

#include "device/collegamento_seriale.h"
#include "device/frm_seriale.h"
#include "device/frm_seriale_regole.h"
#include "device/protocollo.h"
#include "device/ricerca_scheda.h"
#include "platform/accessibilita.h"
#include "platform/impostazioni_utente.h"
#include "platform/mappa_porte.h"
#include "platform/porta_qt.h"
#include "session/tipi_scheda.h"
#include "stream/motore_misura.h"
#include "test_protocollo_finti.h"
#include "tests/support/traduttore_prova.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {
// Refuses what the real driver refuses, so the dialog's error paths run.
class Porta_dialogo : public Porta_scheda {
public:
    void Imposta_impostazioni(const QString& testo) override {
        Interpreta_impostazioni(testo);
        Porta_scheda::Imposta_impostazioni(testo);
    }
};

struct Banco : Banco_seriale<Porta_dialogo> {
    std::unique_ptr<frm_seriale> f;
    explicit Banco(bool carica = true) {
        if (carica) Carica();
    }
    void Carica() { f = std::make_unique<frm_seriale>(s, collegamento, p, avvisi); }
    QStringList Mostrato() const {
        return {f->cboPort->currentText(), f->cboSpeed->currentText(), f->cboParity->currentText(),
                f->cboDataBits->currentText(), f->cboStopBits->currentText()};
    }
};
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

class Test_porta_seriale : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente_;

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir().mkpath(Cartella_porte())); }
    void init() {
        ambiente_.Svuota_impostazioni();
        Prepara_accessibilita(); // as the program is, before its windows
    }

    void stato_salvato_all_apertura_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("commport");
        QTest::addColumn<QStringList>("mostrato");
        QTest::newRow("nothing stored")
            << QString() << QString() << QStringList{"Com1", "115200", "Nessuna", "8", "1"};
        QTest::newRow("com3") << "9600,n,8,1"
                              << "3" << QStringList{"Com3", "9600", "Nessuna", "8", "1"};
        QTest::newRow("port 20: no entry") << "9600,m,8,1"
                                           << "20" << QStringList{"", "9600", "Mark", "8", "1"};
        QTest::newRow("refused: built-in kept")
            << "9600,N,4,1"
            << "5" << QStringList{"Com1", "115200", "Nessuna", "8", "1"};
    }
    void stato_salvato_all_apertura() {
        QFETCH(QString, settings);
        QFETCH(QString, commport);
        QFETCH(QStringList, mostrato);
        if (!settings.isNull()) Salva_impostazione("Properties", "Settings", settings);
        if (!commport.isNull()) Salva_impostazione("Properties", "CommPort", commport);
        Salva_impostazione("Properties", "Handshaking", "2"); // never applied at load
        Banco b(false);
        b.porta.Imposta_handshaking(1);
        b.Carica();
        b.f->LoadPropertySettings(); // a second run keeps each entry once
        QCOMPARE(b.f->cboPort->count() + b.f->cboSpeed->count(), 16 + 16);
        QCOMPARE(b.Mostrato(), mostrato);
        const bool rifiutato = settings.contains(",4,");
        QCOMPARE(b.avvisi.elenco.size(), rifiutato ? 1 : 0);
        if (!rifiutato) QVERIFY(b.porta.Handshaking() == 0 && b.f->optFlow[0]->isChecked());
        if (mostrato[0] == "Com3") QVERIFY(b.f->Lbl_dispositivo->text().startsWith("com3"));
        // To a screen reader each list is its label, its entry the value.
        for (QComboBox* lista : {b.f->cboPort, b.f->cboSpeed, b.f->cboParity}) {
            QAccessibleInterface* letta = QAccessible::queryAccessibleInterface(lista);
            QVERIFY(!letta->text(QAccessible::Name).isEmpty());
            QVERIFY(letta->text(QAccessible::Name) != lista->currentText());
            QCOMPARE(letta->text(QAccessible::Value), lista->currentText());
        }
    }

    void ok_applica_e_salva_data() {
        QTest::addColumn<int>("indice_porta");
        QTest::addColumn<int>("flusso"); // -1 = no button clicked
        QTest::addColumn<QStringList>("registro");
        QTest::addColumn<QString>("parita"); // the entry chosen, "«…»" in another language
        QTest::newRow("same port: not reopened") << 0 << -1 << QStringList{} << "Even";
        QTest::newRow("other port: reopened there")
            << 4 << 2 << QStringList{"Chiudi", "Numero 5", "Apri"} << "Even";
        QTest::newRow("another language: the Italian entry's letter")
            << 0 << -1 << QStringList{} << "«Nessuna»";
    }
    void ok_applica_e_salva() {
        QFETCH(int, indice_porta);
        QFETCH(int, flusso);
        QFETCH(QStringList, registro);
        QFETCH(QString, parita);
        std::optional<Traduttore_prova> traduttore;
        if (parita.startsWith("«")) traduttore.emplace(); // the window's words change
        Banco b;
        frm_seriale& f = *b.f;
        f.show();
        b.porta.registro.clear();
        f.cboPort->setCurrentIndex(indice_porta);
        f.cboSpeed->setEditText("9600");
        f.cboParity->setCurrentText(parita);
        QCOMPARE(f.cboParity->currentIndex(), traduttore ? 2 : 0);
        f.cboDataBits->setCurrentText("7");
        f.cboStopBits->setCurrentText("2");
        if (flusso >= 0) f.optFlow[flusso]->click();
        QTest::mouseClick(f.cmdOK, Qt::LeftButton);
        QCOMPARE(b.porta.registro, registro);
        QVERIFY(b.porta.Aperta() && !f.isVisible());
        QCOMPARE(b.porta.Numero_porta(), indice_porta + 1);
        QCOMPARE(b.porta.Handshaking(), std::max(flusso, 0));
        QStringList salvato;
        for (const char* chiave : {"Settings", "CommPort", "Handshaking", "Echo"})
            salvato << Leggi_impostazione("Properties", chiave);
        QCOMPARE(salvato, (QStringList{traduttore ? "9600,N,7,2" : "9600,E,7,2",
                                       QString::number(indice_porta + 1),
                                       QString::number(std::max(flusso, 0)), "False"}));
    }

    // Numbers 1 to 30 in turn; only those with a device cost a probe. The status line
    // says where the board was found and the type it then gave.
    void ricerca_della_scheda_data() {
        QTest::addColumn<int>("scheda"); // 0 = none anywhere
        QTest::addColumn<QByteArray>("tipo");
        QTest::addColumn<QString>("stato"); // the status line at the end
        QTest::newRow("board on com20, past the list")
            << 20 << QByteArray("$D\x01") << "Scheda connessa su com20, tipo 1";
        QTest::newRow("unknown type") << 20 << QByteArray("$D\x07")
                                      << "Scheda connessa su com20, tipo 7: non riconosciuto, "
                                         "valori del tipo 3";
        QTest::newRow("type not said")
            << 20 << QByteArray() << "Scheda connessa su com20, tipo non indicato";
        QTest::newRow("no board") << 0 << QByteArray() << "Scheda non trovata!";
    }
    void ricerca_della_scheda() {
        QFETCH(int, scheda);
        QFETCH(QByteArray, tipo);
        QFETCH(QString, stato);
        Banco b(false);
        // com2 and com30 hold silent devices; the board answers on its own number only.
        b.porta.numero_scheda = scheda == 0 ? 99 : scheda;
        b.porta.con_dispositivo = {2, 30, scheda};
        b.porta.risposte["$D"] = tipo;
        QStringList stati;
        QCOMPARE(Cerca_scheda(b.collegamento, b.p, [&](const QString& t) { stati << t; }), scheda);
        QCOMPARE(stati.size(), scheda == 0 ? 30 : scheda);
        QCOMPARE(stati.last(), QString("Connessione a com%1").arg(stati.size()));

        b.Carica();
        b.f->show();
        QSignalSpy didascalia(b.f.get(), &frm_seriale::Didascalia_cambiata);
        QCOMPARE(b.f->Cmd_Auto_Click(), scheda != 0);
        QVERIFY(!didascalia.isEmpty() && b.f->Cmd_Auto->isEnabled());
        QCOMPARE(b.f->isVisible(), scheda == 0);
        QCOMPARE(b.f->Lbl_info->text(), stato);
        if (scheda) QCOMPARE(b.f->cboPort->currentIndex(), -1);
        if (tipo.size() == 3)
            QCOMPARE(b.s.Scheda.Stato_connessione,
                     QString(" connesso su com20 Scheda tipo %1").arg(int(tipo[2])));
        // A type not said is told; an unknown one too.
        QCOMPARE(b.avvisi.elenco.size(), scheda == 0 || tipo == "$D\x01" ? 0 : 1);
    }

    // After a search that found nothing, the board plugged in on com3 afterwards: com3
    // chosen and "OK", then "TEST Scheda" asks it for its type on com3 (opening the port
    // the search left closed) and the window says what it found.
    void prova_dopo_una_ricerca_fallita_data() {
        QTest::addColumn<bool>("ultima_aperta"); // com30 held a (silent) device
        QTest::newRow("search left com30 open") << true;
        QTest::newRow("search left the port closed") << false;
    }
    void prova_dopo_una_ricerca_fallita() {
        QFETCH(bool, ultima_aperta);
        Banco b(false);
        b.porta.numero_scheda = 3;
        b.porta.senza_dispositivo = Errore_porta::Codice::Porta_inesistente;
        b.porta.con_dispositivo = {2};
        if (ultima_aperta) b.porta.con_dispositivo << 30;
        QCOMPARE(Cerca_scheda(b.collegamento, b.p, {}), 0);
        QCOMPARE(b.porta.Aperta(), ultima_aperta);
        b.Carica();
        b.f->show();
        const float fattore = b.s.Scheda.Fattore_tempo;

        // Nobody on com30: the window says so.
        b.porta.scritti.clear();
        b.f->Cmd_test->click();
        QCOMPARE(b.porta.scritti, ultima_aperta ? QByteArray("$D") : QByteArray());
        QCOMPARE(b.f->Lbl_info->text(), "Nessuna risposta dalla scheda su com30");
        QCOMPARE(b.avvisi.elenco.size(), 1);
        QVERIFY(b.avvisi.elenco[0].testo.contains("com30"));
        QCOMPARE(b.s.Scheda.Fattore_tempo, fattore);
        QCOMPARE(b.porta.Aperta(), ultima_aperta); // as it was

        b.porta.con_dispositivo << 3; // plugged in
        b.avvisi.elenco.clear();
        b.f->cboPort->setCurrentIndex(2);
        b.f->cmdOK->click();
        QVERIFY(!b.f->isVisible());
        b.f->show();
        b.porta.scritti.clear();
        QSignalSpy didascalia(b.f.get(), &frm_seriale::Didascalia_cambiata);
        b.f->Cmd_test->click();
        QCOMPARE(b.porta.scritti, QByteArray("$D"));
        QVERIFY(b.porta.Aperta() && b.porta.Numero_porta() == 3);
        QCOMPARE(b.s.Scheda.Fattore_posizione, Calibrazione_tipo(1).Fattore_posizione);
        QCOMPARE(b.s.Scheda.Fattore_tempo, Calibrazione_tipo(1).Fattore_tempo);
        QCOMPARE(b.s.Scheda.Stato_connessione, " connesso su com3 Scheda tipo 1");
        QCOMPARE(b.f->Lbl_info->text(), "Scheda di tipo 1 su com3");
        QVERIFY(b.p.Tipo_confermato() && !didascalia.isEmpty());
        QVERIFY(b.avvisi.elenco.isEmpty());
    }
    void impostazioni_lette_dalla_finestra_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("mostrato"); // speed, parity, data bits, stop bits
        QTest::newRow("lower-case none")
            << "9600,n,8,1" << QStringList{"9600", "Nessuna", "8", "1"};
        QTest::newRow("1.5") << "19200,e,7,1.5" << QStringList{"19200", "Even", "7", "1,5"};
        QTest::newRow("unknown letter") << "9600,x,8,1" << QStringList{"9600", "", "8", "1"};
        QTest::newRow("too short") << "9,n,8" << QStringList{"", "", "", ""};
    }
    void impostazioni_lette_dalla_finestra() {
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

    void il_driver_accetta_quel_che_sa_fare_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("canonico"); // null = refused
        QTest::newRow("lower-case letter") << "9600,e,7,2" << QString("9600,E,7,2");
        QTest::newRow("spaces") << " 4800 , s , 5 , 1 " << QString("4800,S,5,1");
        QTest::newRow("4 data bits") << "9600,N,4,1" << QString();
        QTest::newRow("1.5 stop bits") << "9600,N,8,1.5" << QString();
        QTest::newRow("bad parity") << "9600,Q,8,1" << QString();
    }
    void il_driver_accetta_quel_che_sa_fare() {
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
    void numeri_di_porta() {
        QCOMPARE(Dispositivo_fisso(9), "/dev/ttyACM0");
        const QString bersaglio = ambiente_.Radice() + "/finto_tty";
        QFile(bersaglio).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(bersaglio, Collegamento_porta(40)));
        QCOMPARE(Dispositivo_porta(40), bersaglio);
    }

    void apertura_e_rifiuti() {
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

QTEST_MAIN(Test_porta_seriale)
#include "test_porta_seriale.moc"
