// The HID link window over the fake HID library: plug and unplug notices, output
// reports, input reports reaching the engine, the board type read over HID.

#include "board/flusso_scheda.h"
#include "device/frm_hid.h"
#include "device/protocollo.h"
#include "platform/hid_finto.h"
#include "platform/hid_hidapi.h"
#include "platform/porta_memoria.h"
#include "stream/motore_misura.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const Dispositivo_hid Scheda{0x0461, 0x0020, "/dev/hidraw-scheda"};
const Dispositivo_hid Tastiera{0x046D, 0xC31C, "/dev/hidraw-tastiera"};
const Dispositivo_hid Stesso_vendor{0x0461, 0x0021, "/dev/hidraw-altro"};

class Avvisi_raccolti : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override { testi << testo; }
    QStringList testi;
};

// Everything one test needs, the window attached.
struct Banco {
    explicit Banco(bool scheda_presente = false) {
        if (scheda_presente) libreria.Collega(Scheda);
        s.Titolo = "KINETRACK 0.1.0";
        finestra = std::make_unique<frm_hid>(s, libreria);
        finestra->Imposta_motore(&motore);
        finestra->Aggiorna_titolo = [this] { titoli << s.Titolo + s.Stato_connessione; };
    }
    // Data bytes of an input report (the library gives them without report number).
    void Invia(const Report_hid_t& report) {
        libreria.Invia_report(Scheda.percorso,
                              QByteArray(reinterpret_cast<const char*>(report.data()) + 1, 64));
    }
    Sessione s;
    Libreria_hid_finta libreria;
    Vista_misura vista;
    Motore_misura motore{s, vista, QLocale::c()};
    std::unique_ptr<frm_hid> finestra;
    QStringList titoli;
};

Report_hid_t Report_di(std::int16_t posizione, std::int32_t tempo) {
    std::array<Record_scheda, 8> r{};
    for (auto& x : r) {
        x.posizione = posizione;
        x.tempo = tempo;
    }
    return Componi_report(r.data());
}

QByteArray Byte(std::initializer_list<int> valori) {
    QByteArray r;
    for (int v : valori) r.append(static_cast<char>(v));
    return r;
}
} // namespace

class Test_hid_link : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void collegamento_data();
    void collegamento();
    void scheda_gia_presente_annunciata_dal_ciclo();
    void scheda_senza_permesso_ignorata();
    void report_in_uscita_data();
    void report_in_uscita();
    void pulsanti_di_prova();
    void report_fuori_e_durante_acquisizione();
    void ricollegata_dopo_scollegamento();
    void tipo_letto_da_buffer_in();
    void hidapi_senza_scheda();
};

void Test_hid_link::collegamento_data() {
    QTest::addColumn<int>("quale");
    QTest::newRow("board") << 0;
    QTest::newRow("other vendor") << 1;
    QTest::newRow("same vendor, other product") << 2;
}

// Plug and unplug change the transport and the caption for the board only.
void Test_hid_link::collegamento() {
    QFETCH(int, quale);
    const Dispositivo_hid d = std::array{Scheda, Tastiera, Stesso_vendor}[quale];
    const bool giusta = quale == 0;
    Banco b;
    b.s.Usa_seriale = true;
    QTest::qWait(50);
    b.libreria.Collega(d);
    QTest::qWait(Sorveglianza_hid::Intervallo_ms + 200);
    QCOMPARE(b.s.Usa_hid, giusta);
    QCOMPARE(b.s.Usa_seriale, !giusta);
    QCOMPARE(b.s.Stato_connessione,
             giusta ? QString(" Connesso via HID") : QString(" non connesso"));
    QCOMPARE(b.titoli, giusta ? QStringList{"KINETRACK 0.1.0 Connesso via HID"} : QStringList{});

    b.libreria.Scollega(d);
    QTest::qWait(Sorveglianza_hid::Intervallo_ms + 200);
    QCOMPARE(b.s.Usa_hid, false);
    QCOMPARE(b.s.Usa_seriale, !giusta); // an unplug leaves no transport
    QCOMPARE(b.s.Stato_connessione, giusta ? QString(" Disconnesso") : QString(" non connesso"));
    QCOMPARE(b.titoli.size(), giusta ? 2 : 0);
    QCOMPARE(b.finestra->Scheda_aperta(), false);
}

void Test_hid_link::scheda_gia_presente_annunciata_dal_ciclo() {
    Banco b(true);
    QVERIFY(!b.s.Usa_hid);                      // the notice comes through the event loop...
    QTRY_VERIFY_WITH_TIMEOUT(b.s.Usa_hid, 200); // ...right away, not after a poll period
    QVERIFY(b.finestra->Scheda_aperta());
    QCOMPARE(b.libreria.Aperture(), 1);
}

void Test_hid_link::scheda_senza_permesso_ignorata() {
    Banco b;
    b.libreria.Rifiuta_apertura(true);
    b.libreria.Collega(Scheda);
    QTest::qWait(Sorveglianza_hid::Intervallo_ms + 200);
    QVERIFY(!b.s.Usa_hid);
    QCOMPARE(b.s.Stato_connessione, QString(" non connesso"));
    QVERIFY(b.titoli.isEmpty());
}

void Test_hid_link::report_in_uscita_data() {
    QTest::addColumn<QStringList>("comandi");
    QTest::addColumn<QByteArray>("ultimo");
    QTest::newRow("$T") << QStringList{"$T"} << Byte({0, 0x24, 0x54, 0, 0, 0, 0, 0, 0});
    QTest::newRow("$") << QStringList{"$"} << Byte({0, 0x24, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("shorter after longer leaves no trace")
        << QStringList{"$ABCDEFG", "$F"} << Byte({0, 0x24, 0x46, 0, 0, 0, 0, 0, 0});
    QTest::newRow("cut to 8 characters")
        << QStringList{"123456789"} << Byte({0, '1', '2', '3', '4', '5', '6', '7', '8'});
}

void Test_hid_link::report_in_uscita() {
    QFETCH(QStringList, comandi);
    QFETCH(QByteArray, ultimo);
    Banco b(true);
    QTRY_VERIFY(b.finestra->Scheda_aperta());
    for (const auto& c : comandi) b.finestra->HID_invia_stringa(c);
    const auto scritti = b.libreria.Prendi_scritti(Scheda.percorso);
    QCOMPARE(scritti.size(), comandi.size());
    QCOMPARE(scritti.back(), ultimo);
}

// The test buttons send "$F" and "$T"; without a board they show the failure.
void Test_hid_link::pulsanti_di_prova() {
    Banco b(true);
    QTRY_VERIFY(b.finestra->Scheda_aperta());
    b.finestra->Command1->click();
    b.finestra->Command2->click();
    b.finestra->Command3->click();
    QCOMPARE(b.libreria.Prendi_scritti(Scheda.percorso),
             (QList<QByteArray>{Byte({0, '$', 'F', 0, 0, 0, 0, 0, 0}),
                                Byte({0, '$', 'T', 0, 0, 0, 0, 0, 0})}));

    b.libreria.Scollega(Scheda);
    QTRY_VERIFY_WITH_TIMEOUT(!b.finestra->Scheda_aperta(), 2000);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, b.finestra->HID_invia_stringa("$T"));
    b.finestra->Command1->click();
    QVERIFY(!b.finestra->Text1->text().isEmpty());
}

// Reports outside an acquisition only land in Buffer_in; during one they become
// eight samples each.
void Test_hid_link::report_fuori_e_durante_acquisizione() {
    Banco b(true);
    QTRY_VERIFY(b.s.Usa_hid);
    b.s.Fattore_posizione = Fattore_posizione_tipo23; // type 2
    b.s.Fattore_tempo = Fattore_tempo_tipo12;
    b.s.Memo_attivo = true;
    b.motore.Azzera_misura();

    b.Invia(Report_di(1000, 5000));
    QTRY_COMPARE(b.s.Buffer_in[2], std::uint8_t{0xE8});
    QCOMPARE(b.s.Buffer_in[3], std::uint8_t{0x03});
    QCOMPARE(b.s.Numero_campioni, 0);
    QCOMPARE(b.s.Tempo_corrente, 0.0f);

    b.s.Acquisizione_in_corso = true;
    b.Invia(Report_di(1000, 5000));
    b.Invia(Report_di(-1000, -5000));
    QTRY_COMPARE(b.s.Numero_campioni, 16);
    QCOMPARE(b.s.Campioni[0].Posizione, 1000.0f);
    QCOMPARE(b.s.Campioni[0].dt, 0.001f);
    QCOMPARE(b.s.Campioni[0].Velocita, 1000.0f); // HID: factor x 1000 / t
    QCOMPARE(b.s.Campioni[15].Posizione, -1000.0f);
    QCOMPARE(b.s.Campioni[15].Velocita, -1000.0f);
    QCOMPARE(b.s.Buffer_in[2], std::uint8_t{0x18}); // the last report stays in Buffer_in
}

// A board pulled out and plugged in again is read again: the reader thread ends on the
// failed read and a new one starts on the new device.
void Test_hid_link::ricollegata_dopo_scollegamento() {
    Banco b(true);
    QTRY_VERIFY(b.s.Usa_hid);
    b.libreria.Scollega(Scheda);
    QTRY_VERIFY_WITH_TIMEOUT(!b.s.Usa_hid, 2000);
    b.libreria.Collega(Scheda);
    QTRY_VERIFY_WITH_TIMEOUT(b.s.Usa_hid, 2000);
    QCOMPARE(b.libreria.Aperture(), 2);
    b.Invia(Report_di(77, 1));
    QTRY_COMPARE(b.s.Buffer_in[2], std::uint8_t{77});
    QCOMPARE(b.titoli,
             (QStringList{"KINETRACK 0.1.0 Connesso via HID", "KINETRACK 0.1.0 Disconnesso",
                          "KINETRACK 0.1.0 Connesso via HID"}));
}

// The type query over HID: "$D" goes out as a report, the board's answer report comes
// in during the query's 100 ms wait and its byte 2 is the type.
void Test_hid_link::tipo_letto_da_buffer_in() {
    Banco b(true);
    QTRY_VERIFY(b.s.Usa_hid);
    Porta_memoria porta;
    porta.Chiudi();
    Avvisi_raccolti avvisi;
    Protocollo protocollo(b.s, porta, avvisi);
    protocollo.Imposta_uscita_hid(b.finestra.get());
    QTimer::singleShot(20, [&b] {
        b.libreria.Invia_report(Scheda.percorso, Byte({0x24, 1, 0x44}));
    });
    protocollo.Leggi_tipo_scheda();
    QCOMPARE(b.libreria.Prendi_scritti(Scheda.percorso),
             QList<QByteArray>{Byte({0, '$', 'D', 0, 0, 0, 0, 0, 0})});
    QCOMPARE(b.s.Stato_connessione, QString(" Connesso via HID Scheda tipo 1"));
    QCOMPARE(b.s.Fattore_posizione, Fattore_posizione_tipo1);
    QVERIFY(avvisi.testi.isEmpty());
}

// The real library on this machine: listing works without a board, opening a missing
// device fails with a text for the operator.
void Test_hid_link::hidapi_senza_scheda() {
    Libreria_hidapi hidapi;
    for (const auto& d : hidapi.Elenca()) QVERIFY(!d.percorso.isEmpty());
    QString errore;
    QVERIFY(hidapi.Apri("/dev/hidraw-missing", &errore) == nullptr);
    QVERIFY(!errore.isEmpty());
}

QTEST_MAIN(Test_hid_link)
#include "test_hid_link.moc"
