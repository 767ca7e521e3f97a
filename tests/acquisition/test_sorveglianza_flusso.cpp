// SPDX-License-Identifier: GPL-3.0-or-later
// The watch over the board's stream during a set: a board silent for longer than allowed
// is noticed, and so is its return; a disturbed stream is told once per set; the main
// window shows the line in its status bar, on a warning ground.
#include "acquisition/sorveglianza_flusso.h"
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "tests/device/test_protocollo_finti.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// One serial record of a type 3 board (the session's factors until a board answers).
std::array<std::uint8_t, 6> Record(std::int16_t posizione, std::int32_t tempo) {
    const auto p = static_cast<std::uint16_t>(posizione);
    const auto t = static_cast<std::uint32_t>(tempo);
    return {std::uint8_t(p),      std::uint8_t(p >> 8),  std::uint8_t(t),
            std::uint8_t(t >> 8), std::uint8_t(t >> 16), std::uint8_t(t >> 24)};
}
constexpr std::int32_t Due_ms = 24000; // 12000 counts a ms

QString Testo(const QSignalSpy& spia, int i) {
    return spia.at(i).at(0).toString();
}
bool Allarme(const QSignalSpy& spia, int i) {
    return spia.at(i).at(1).toBool();
}
} // namespace

class Test_sorveglianza_flusso : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Records now and then keep it quiet; then nothing for longer than the silence
    // allowed (1 s here): told once; the next record: told that the board is back.
    void silent_board_is_noticed_and_its_return() {
        Sessione s;
        s.Scheda.Collegamento = Collegamento::Seriale;
        Motore_misura motore(s, QLocale::c());
        Sorveglianza_flusso sorveglianza(nullptr, 1000);
        motore.Aggiungi_vista(sorveglianza);
        QSignalSpy spia(&sorveglianza, &Sorveglianza_flusso::Avviso_cambiato);
        motore.Inizia_acquisizione();
        QCOMPARE(spia.size(), 1);
        QCOMPARE(Testo(spia, 0), QString());

        std::int16_t posizione = 0;
        QElapsedTimer silenzio;
        for (int i = 0; i < 6; ++i) {
            QTest::qWait(100);
            motore.Blocco_seriale(Record(posizione += 6, Due_ms));
            silenzio.start();
        }
        QCOMPARE(spia.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(spia.size(), 2, 5000);
        QVERIFY(silenzio.elapsed() >= 1000);
        QVERIFY(sorveglianza.Muta());
        QVERIFY2(Testo(spia, 1).startsWith("La scheda non invia dati da più di 1 s"),
                 qPrintable(Testo(spia, 1)));
        QVERIFY(Allarme(spia, 1));
        QTest::qWait(200);
        QCOMPARE(spia.size(), 2); // told once for the whole silence

        motore.Blocco_seriale(Record(posizione += 6, Due_ms));
        QCOMPARE(spia.size(), 3);
        QVERIFY(!sorveglianza.Muta());
        QVERIFY2(Testo(spia, 2).startsWith("La scheda ha ripreso a inviare dati dopo"),
                 qPrintable(Testo(spia, 2)));
        QVERIFY(!Allarme(spia, 2));

        // After the stop, no board is expected to send anything.
        motore.Fine_acquisizione();
        QTest::qWait(1500);
        QCOMPARE(spia.size(), 3);
    }

    // Impossible records: told once for the set, however many follow; the next set
    // starts with nothing to say.
    void disturbed_stream_is_told_once_per_set() {
        Sessione s;
        s.Scheda.Collegamento = Collegamento::Seriale;
        Motore_misura motore(s, QLocale::c());
        Sorveglianza_flusso sorveglianza;
        motore.Aggiungi_vista(sorveglianza);
        QSignalSpy spia(&sorveglianza, &Sorveglianza_flusso::Avviso_cambiato);
        motore.Inizia_acquisizione();
        motore.Blocco_seriale(Record(10, Due_ms));
        motore.Blocco_seriale(Record(16, Due_ms));
        QCOMPARE(spia.size(), 1);
        motore.Blocco_seriale(Record(8000, Due_ms)); // a position no board jumps to
        motore.Blocco_seriale(Record(22, 0));        // no time at all
        motore.Blocco_seriale(Record(28, Due_ms));
        QCOMPARE(spia.size(), 2);
        QVERIFY2(Testo(spia, 1).startsWith("Flusso della scheda disturbato"),
                 qPrintable(Testo(spia, 1)));
        QVERIFY(Allarme(spia, 1));
        motore.Fine_acquisizione();
        motore.Inizia_acquisizione();
        QCOMPARE(spia.size(), 3);
        QCOMPARE(Testo(spia, 2), QString());
        QVERIFY(!Allarme(spia, 2));
    }

    // The main window listens to the engine: the line shows in its status bar, beside the
    // file saved, and goes when the next set starts.
    void main_window_shows_the_line() {
        QTemporaryDir cartella;
        Sessione s;
        s.Cartella_applicazione = cartella.path();
        s.Scheda.Collegamento = Collegamento::Seriale;
        Motore_misura motore(s, QLocale::c());
        Avvisi_registrati avvisi;
        Protocollo protocollo(s, motore, avvisi);
        Frm_main m;
        m.Apri_finestre(s, QLocale::c(), protocollo, motore, avvisi);
        m.show();
        motore.Inizia_acquisizione();
        QVERIFY(m.Lbl_flusso->isHidden());
        motore.Blocco_seriale(Record(10, Due_ms));
        motore.Blocco_seriale(Record(-9000, Due_ms));
        QVERIFY(m.Lbl_flusso->isVisible());
        QVERIFY(m.Lbl_flusso->text().startsWith("Flusso della scheda disturbato"));
        QCOMPARE(m.Lbl_flusso->toolTip(), m.Lbl_flusso->text());
        QVERIFY(m.Lbl_flusso->autoFillBackground());
        QCOMPARE(m.Lbl_flusso->palette().color(QPalette::Window), QColor(255, 140, 0));
        QVERIFY(m.Lbl_salvato->isVisible()); // its own label, not the saves'
        motore.Fine_acquisizione();
        motore.Inizia_acquisizione();
        QVERIFY(m.Lbl_flusso->isHidden());
        QVERIFY(avvisi.elenco.isEmpty()); // nothing modal
        motore.Togli_viste();
    }
};

QTEST_MAIN(Test_sorveglianza_flusso)
#include "test_sorveglianza_flusso.moc"
