// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port: the dialog (load, "OK", "Annulla", board search) on in-memory ports;
// settings strings (dialog and driver side), the port numbers, and the real port on the
// virtual board's pseudo-terminal, claimed through its link: its refusals (writing, reading and
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
#include "tests/support/processo_prova.h"
#include "tests/support/tabella_prova.h"
#include "tests/support/traduttore_prova.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <optional>

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

    // Each row: the settings and the port number stored (~: none), what the lists show.
    void stato_salvato_all_apertura_data() {
        Righe_prova({"~|~|Com1 115200 Nessuna 8 1", "9600,n,8,1|3|Com3 9600 Nessuna 8 1",
                     "9600,m,8,1|20| 9600 Mark 8 1", "9600,N,4,1|5|Com1 115200 Nessuna 8 1"});
    }
    void stato_salvato_all_apertura() {
        QFETCH(QStringList, r);
        if (r[0] != "~") Salva_impostazione("Properties", "Settings", r[0]);
        if (r[1] != "~") Salva_impostazione("Properties", "CommPort", r[1]);
        Salva_impostazione("Properties", "Handshaking", "2"); // never applied at load
        Banco b(false);
        b.porta.Imposta_handshaking(1);
        b.Carica();
        b.f->LoadPropertySettings(); // a second run keeps each entry once
        QCOMPARE(b.f->cboPort->count() + b.f->cboSpeed->count(), 16 + 16);
        QCOMPARE(b.Mostrato().join(' '), r[2]);
        const bool rifiutato = r[0].contains(",4,");
        QCOMPARE(b.avvisi.elenco.size(), rifiutato ? 1 : 0);
        if (!rifiutato) QVERIFY(b.porta.Handshaking() == 0 && b.f->optFlow[0]->isChecked());
        if (r[1] == "3") QVERIFY(b.f->Lbl_dispositivo->text().startsWith("com3"));
        // To a screen reader each list is its label, its entry the value.
        for (QComboBox* lista : {b.f->cboPort, b.f->cboSpeed, b.f->cboParity}) {
            QAccessibleInterface* letta = QAccessible::queryAccessibleInterface(lista);
            QVERIFY(!letta->text(QAccessible::Name).isEmpty());
            QVERIFY(letta->text(QAccessible::Name) != lista->currentText());
            QCOMPARE(letta->text(QAccessible::Value), lista->currentText());
        }
    }

    // Each row: the port chosen, the flow control clicked (-1: none), what the port went
    // through, the parity entry chosen ("«…»": in another language, the Italian one's letter),
    // the port's number and flow control then, and what is stored.
    void ok_applica_e_salva_data() {
        Righe_prova({"0|-1||Even|1 0 9600,E,7,2 1 0 False",
                     "4|2|Chiudi Numero 5 Apri|Even|5 2 9600,E,7,2 5 2 False",
                     "0|-1||«Nessuna»|1 0 9600,N,7,2 1 0 False"});
    }
    void ok_applica_e_salva() {
        QFETCH(QStringList, r);
        std::optional<Traduttore_prova> traduttore;
        if (r[3].startsWith("«")) traduttore.emplace(); // the window's words change
        Banco b;
        frm_seriale& f = *b.f;
        f.show();
        b.porta.registro.clear();
        f.cboPort->setCurrentIndex(r[0].toInt());
        f.cboSpeed->setEditText("9600");
        f.cboParity->setCurrentText(r[3]);
        QCOMPARE(f.cboParity->currentIndex(), traduttore ? 2 : 0);
        f.cboDataBits->setCurrentText("7");
        f.cboStopBits->setCurrentText("2");
        if (r[1] != "-1") f.optFlow[r[1].toUInt()]->click();
        QTest::mouseClick(f.cmdOK, Qt::LeftButton);
        QCOMPARE(b.porta.registro.join(' '), r[2]);
        QVERIFY(b.porta.Aperta() && !f.isVisible());
        QStringList stato{QString::number(b.porta.Numero_porta()),
                          QString::number(b.porta.Handshaking())};
        for (const char* chiave : {"Settings", "CommPort", "Handshaking", "Echo"})
            stato << Leggi_impostazione("Properties", chiave);
        QCOMPARE(stato.join(' '), r[4]);
    }

    // Numbers 1 to 30 in turn; only those with a device cost a probe. The status line
    // says where the board was found and the type it then gave.
    void ricerca_della_scheda_data() {
        // Each row: where the board is (0: nowhere), the reply to "$D" after its "$D", the
        // status line at the end.
        Righe_prova({"20|1|Scheda connessa su com20, tipo 1",
                     "20|7|Scheda connessa su com20, tipo 7: non riconosciuto, valori del tipo 3",
                     "20||Scheda connessa su com20, tipo non indicato", "0||Scheda non trovata!"});
    }
    void ricerca_della_scheda() {
        QFETCH(QStringList, r);
        const int scheda = r[0].toInt();
        const QByteArray tipo =
            r[1].isEmpty() ? QByteArray() : "$D" + QByteArray(1, char(r[1].toInt()));
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
        QCOMPARE(b.f->Lbl_info->text(), r[2]);
        if (scheda) QCOMPARE(b.f->cboPort->currentIndex(), -1);
        if (tipo.size() == 3)
            QCOMPARE(b.s.Scheda.Stato_connessione,
                     QString(" connesso su com20 Scheda tipo %1").arg(int(tipo[2])));
        // A type not said is told; an unknown one too.
        QCOMPARE(b.avvisi.elenco.size(), scheda == 0 || tipo == "$D\x01" ? 0 : 1);
    }

    // After a search that found nothing (having left com30 open on a silent device, or the
    // port closed), the board plugged in on com3 afterwards: com3 chosen and "OK", then
    // "TEST Scheda" asks it for its type on com3 (opening the port the search left closed)
    // and the window says what it found.
    void prova_dopo_una_ricerca_fallita() {
        for (const bool ultima_aperta : {true, false}) {
            init(); // what the first one stored goes
            Banco b(false);
            b.porta.numero_scheda = 3;
            b.porta.senza_dispositivo = Errore_porta::Codice::Porta_inesistente;
            b.porta.con_dispositivo = {2};
            if (ultima_aperta) b.porta.con_dispositivo << 30;
            QCOMPARE(Cerca_scheda(b.collegamento, b.p, {}), 0);
            b.Carica();
            b.f->show();
            const float fattore = b.s.Scheda.Fattore_tempo;
            b.porta.scritti.clear();
            b.f->Cmd_test->click(); // nobody on com30: the window says so, the port as it was
            QCOMPARE(b.porta.scritti, ultima_aperta ? QByteArray("$D") : QByteArray());
            QCOMPARE(b.f->Lbl_info->text(), "Nessuna risposta dalla scheda su com30");
            QVERIFY(b.avvisi.elenco.size() == 1 && b.avvisi.elenco[0].testo.contains("com30"));
            QVERIFY(b.s.Scheda.Fattore_tempo == fattore && b.porta.Aperta() == ultima_aperta);

            b.porta.con_dispositivo << 3; // plugged in
            b.avvisi.elenco.clear();
            b.f->cboPort->setCurrentIndex(2);
            b.f->cmdOK->click();
            b.f->show();
            b.porta.scritti.clear();
            QSignalSpy didascalia(b.f.get(), &frm_seriale::Didascalia_cambiata);
            b.f->Cmd_test->click();
            QCOMPARE(b.porta.scritti, QByteArray("$D"));
            QVERIFY(b.porta.Aperta() && b.porta.Numero_porta() == 3);
            QCOMPARE(std::pair(b.s.Scheda.Fattore_posizione, b.s.Scheda.Fattore_tempo),
                     std::pair(Calibrazione_tipo(1).Fattore_posizione,
                               Calibrazione_tipo(1).Fattore_tempo));
            QCOMPARE(b.s.Scheda.Stato_connessione + '|' + b.f->Lbl_info->text(),
                     " connesso su com3 Scheda tipo 1|Scheda di tipo 1 su com3");
            QVERIFY(b.p.Tipo_confermato() && !didascalia.isEmpty() && b.avvisi.elenco.isEmpty());
        }
    }

    // Each row: the settings stored, what the window's lists show of them (*: not looked at)
    // and what the driver makes of them (-: refused, its settings kept).
    void impostazioni_in_testo_data() {
        Righe_prova({"9600,n,8,1|9600 Nessuna 8 1|9600,N,8,1", "19200,e,7,1.5|19200 Even 7 1,5|-",
                     "9600,x,8,1|9600  8 1|-", "9,n,8|   |-", " 4800 , s , 5 , 1 |*|4800,S,5,1",
                     "9600,N,4,1|*|-", "9600,Q,8,1|*|-"});
    }
    void impostazioni_in_testo() {
        QFETCH(QStringList, r);
        const Vista_impostazioni v = Scomponi_impostazioni(r[0]);
        const QString parita = v.Indice_parita < 0 ? QString() : Voci_parita().at(v.Indice_parita);
        const QStringList mostrato{v.Velocita, parita, v.Bit_dati, Voce_bit_stop(v.Bit_stop)};
        if (r[1] != "*") QCOMPARE(mostrato.join(' '), r[1]);
        // and the dialog writes back what it shows ("Nessuna" as N, "1,5" as 1.5)
        if (r[1] != "*" && !parita.isEmpty())
            QCOMPARE(Componi_impostazioni(mostrato[0], mostrato[1], mostrato[2], mostrato[3]),
                     r[0].toUpper());
        Porta_qt porta;
        try {
            porta.Imposta_impostazioni(r[0]);
            QCOMPARE(porta.Impostazioni(), r[2]);
        } catch (const Errore_porta& e) {
            QVERIFY2(r[2] == "-", qPrintable(e.testo()));
            QCOMPARE(e.codice(), Errore_porta::Codice::Impostazione_non_valida);
            QCOMPARE(porta.Impostazioni(), "115200,N,8,1"); // unchanged
        }
    }

    // A link claims a number, also beyond 30; otherwise the fixed rule. The real port over
    // a pseudo-terminal: settings applied live, what its driver cannot do refused with the
    // settings kept; closed, it writes nothing; with no device it fails at once.
    void porta_vera() {
        QCOMPARE(Dispositivo_fisso(9), "/dev/ttyACM0");
        const QString bersaglio = ambiente_.Radice() + "/finto_tty";
        QFile(bersaglio).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(bersaglio, Collegamento_porta(40)));
        QCOMPARE(Dispositivo_porta(40), bersaglio);
        Processo_scheda scheda(27);
        Porta_qt porta;
        porta.Imposta_numero_porta(27);
        porta.Apri();
        QCOMPARE(porta.Dispositivo(), scheda.dispositivo);
        porta.Imposta_impostazioni("9600,N,8,2");
        // The pty driver forces 8 data bits without parity.
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Imposta_impostazioni("9600,E,7,2"));
        QCOMPARE(porta.Impostazioni(), "9600,N,8,2");
        porta.Chiudi();
        QCOMPARE(porta.Byte_in_attesa(), 0);
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Scrivi("$T"));
        porta.Imposta_numero_porta(45);
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY_THROWS_EXCEPTION(Errore_porta, porta.Apri());
        QVERIFY(orologio.elapsed() < 100 && !porta.Aperta());
    }
};

QTEST_MAIN(Test_porta_seriale)
#include "test_porta_seriale.moc"
