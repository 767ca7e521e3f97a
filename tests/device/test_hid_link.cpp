// SPDX-License-Identifier: GPL-3.0-or-later
// The HID link over the fake HID library: plug and unplug notices, output reports,
// input reports reaching the engine.

#include "device/collegamento_hid.h"
#include "platform/hid_finto.h"
#include "stream/motore_misura.h"
#include "wire/flusso_scheda.h"

#include <QtTest>

namespace {
const Dispositivo_hid Scheda{0x0461, 0x0020, "/dev/hidraw-scheda"};

struct Banco {
    explicit Banco(bool scheda_presente = false) {
        if (scheda_presente) libreria.Collega(Scheda);
        s.Titolo = "KINETRACK 0.1.0";
        hid = std::make_unique<Collegamento_hid>(s, libreria, motore);
        QObject::connect(hid.get(), &Collegamento_hid::Stato_cambiato,
                         [this] { titoli << s.Scheda.Stato_connessione; });
    }
    // An input report of 8 equal records (the library gives it without report number).
    void Invia(std::int16_t posizione, std::int32_t tempo) {
        std::array<Record_scheda, 8> r{};
        for (auto& x : r) x.posizione = posizione, x.tempo = tempo;
        const Report_hid_t report = Componi_report(r.data());
        libreria.Invia_report(Scheda.percorso,
                              QByteArray(reinterpret_cast<const char*>(report.data()) + 1, 64));
    }
    Sessione s;
    Libreria_hid_finta libreria;
    Motore_misura motore{s, QLocale::c()};
    std::unique_ptr<Collegamento_hid> hid;
    QStringList titoli;
};

void Attendi_sorveglianza() {
    QTest::qWait(Sorveglianza_hid::Intervallo_ms + 200);
}
} // namespace

class Test_hid_link : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Plug and unplug change the transport and the caption for the board only.
    // The board, another vendor's device, the board with no permission on its node.
    void collega_e_scollega() {
        for (const auto& [dispositivo, rifiuta] :
             {std::pair{Scheda, false},
              {Dispositivo_hid{0x046D, 0xC31C, "/dev/hidraw-t"}, false},
              {Scheda, true}}) {
            const bool giusta = dispositivo.percorso == Scheda.percorso && !rifiuta;
            Banco b;
            b.s.Scheda.Collegamento = Collegamento::Seriale;
            b.libreria.Rifiuta_apertura(rifiuta);
            QTest::qWait(50);
            b.libreria.Collega(dispositivo);
            Attendi_sorveglianza();
            QCOMPARE(b.s.Scheda.Collegamento, giusta ? Collegamento::Hid : Collegamento::Seriale);
            QCOMPARE(b.s.Scheda.Stato_connessione, giusta ? " Connesso via HID" : " non connesso");
            QCOMPARE(b.titoli.isEmpty(), !giusta);
            if (rifiuta) continue;
            b.libreria.Scollega(dispositivo);
            Attendi_sorveglianza();
            QVERIFY(!b.hid->Aperto()); // an unplug leaves no transport
            QCOMPARE(b.s.Scheda.Collegamento,
                     giusta ? Collegamento::Nessuno : Collegamento::Seriale);
            QCOMPARE(b.titoli.size(), giusta ? 2 : 0);
        }
    }

    // A board present at start is announced through the event loop at once. A command goes
    // out cut to 8 characters, a shorter one after a longer one leaving no trace. Reports
    // outside an acquisition only land in Buffer_in; during one they become eight
    // samples each.
    void comandi_e_report_fuori_e_durante_acquisizione() {
        Banco b(true);
        QVERIFY(b.s.Scheda.Collegamento != Collegamento::Hid);
        QTRY_VERIFY_WITH_TIMEOUT(b.s.Scheda.Collegamento == Collegamento::Hid,
                                 200); // not after a poll period
        QCOMPARE(b.libreria.Aperture(), 1);
        for (const char* comando : {"123456789", "$ABCDEFG", "$"})
            b.hid->HID_invia_stringa(comando);
        QCOMPARE(
            b.libreria.Prendi_scritti(Scheda.percorso),
            (QList<QByteArray>{QByteArray("\0"
                                          "12345678",
                                          9),
                               QByteArray("\0$ABCDEFG", 9), QByteArray("\0$\0\0\0\0\0\0\0", 9)}));
        b.s.Scheda.Fattore_posizione = Calibrazione_tipo(2).Fattore_posizione; // type 2
        b.s.Scheda.Fattore_tempo = Calibrazione_tipo(1).Fattore_tempo;
        b.s.Memo_attivo = true;
        b.Invia(1000, 5000);
        QTRY_COMPARE(b.hid->Buffer_in[2], std::uint8_t{0xE8});
        QCOMPARE(b.hid->Buffer_in[3], std::uint8_t{0x03}); // 1000
        QCOMPARE(b.s.Numero_campioni, 0);

        b.motore.Inizia_acquisizione();
        b.Invia(1000, 5000);
        b.Invia(-1000, -5000);
        QTRY_COMPARE(b.s.Numero_campioni, 16);
        // The records (decoded as in test_ricezione) in the order the reports came.
        QCOMPARE(b.s.Campioni[15].Velocita, -1000.0f);
        QCOMPARE(b.hid->Buffer_in[2], std::uint8_t{0x18}); // the last report stays there
    }
};

QTEST_MAIN(Test_hid_link)
#include "test_hid_link.moc"
