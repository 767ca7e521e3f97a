// SPDX-License-Identifier: GPL-3.0-or-later
// Port, link, protocol and engine against the virtual board on a real
// pseudo-terminal, claimed as port 7 through an override link.

#include "device/collegamento_seriale.h"
#include "device/protocollo.h"
#include "device/ritorno_seriale.h"
#include "platform/impostazioni_utente.h"
#include "platform/porta_qt.h"
#include "stream/motore_misura.h"
#include "test_protocollo_finti.h"
#include "tests/support/processo_prova.h"

#include <QtTest>

namespace {
struct Banco : Banco_seriale<Porta_qt> {
    Banco() {
        motore.Imposta_ritardo([this] { return collegamento.Byte_in_attesa(); });
        porta.Imposta_numero_porta(7);
        QObject::connect(&collegamento, &Collegamento_scheda::Perso, &p,
                         &Protocollo::Collegamento_perso);
    }
};
} // namespace

class Test_integrazione_scheda : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente_; // the board's runtime folder too

private Q_SLOTS:

    // The configuration acknowledged by the board (its type, factors and caption are seen on
    // the scripted board and through the whole program).
    void configurazione_accolta() {
        Processo_scheda scheda(7, {"--board-type", "1", "--config", "6,44,1"});
        QVERIFY(scheda.Pronta());
        Banco b;
        QVERIFY(b.p.Verifica_scheda());
        b.p.Inizializza_scheda();
        QCOMPARE(std::pair(b.s.Scheda.Canali_abilitati, b.s.Scheda.Tempo_campionamento),
                 std::pair(6, 44 + 256));
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    void scheda_sparita_ritrovata_sulla_sua_porta() {
        Banco b;
        Ritorno_seriale ritorno(b.collegamento, b.p, {});
        QObject::connect(&b.collegamento, &Collegamento_scheda::Perso, &ritorno,
                         &Ritorno_seriale::Sorveglia);
        QSignalSpy spento(&b.p, &Protocollo::Avvio_spento);
        b.s.Memo_attivo = true;
        {
            Processo_scheda scheda(7, {"--board-type", "2", "--rate", "500"});
            QVERIFY(scheda.Pronta());
            QVERIFY(b.p.Verifica_scheda());
            b.p.Avvia_acquisizione();
            QTRY_VERIFY(b.s.Campioni.size() > 50);
        } // the board ends in the middle of a set and its port goes with it
        QTRY_COMPARE_WITH_TIMEOUT(b.s.Scheda.Stato_connessione, " Disconnesso", 5000);
        // The set stopped, its samples kept; the panel's stop after the loss says nothing.
        const std::size_t registrati = b.s.Campioni.size();
        QVERIFY(!b.s.Acquisizione_in_corso && !b.porta.Aperta() && spento.size() == 1);
        b.p.Ferma_acquisizione();
        QCOMPARE(b.s.Campioni.size(), registrati);
        QVERIFY(b.avvisi.elenco.value(0).testo.contains("com7"));
        // Nothing on the port for a few rounds: still looking, and not a word more.
        QTest::qWait(3 * Ritorno_seriale::Intervallo_ms);
        QVERIFY(ritorno.Attivo());
        QCOMPARE(b.avvisi.elenco.size(), 1);

        Processo_scheda di_nuovo(7, {"--board-type", "1", "--rate", "1000"});
        QVERIFY(di_nuovo.Pronta());
        QTRY_COMPARE_WITH_TIMEOUT(b.s.Scheda.Stato_connessione, " connesso su com7 Scheda tipo 1",
                                  5000);
        QVERIFY(!ritorno.Attivo());
        // Ready for the next set at once. Records still on the line when the stop goes out
        // must not be taken for the next start's reply: the coach may press start again at
        // once.
        for (int serie = 0; serie < 5; ++serie) {
            b.p.Avvia_acquisizione();
            QVERIFY(b.s.Acquisizione_in_corso);
            QTRY_VERIFY(b.s.Campioni.size() > 50);
            b.p.Ferma_acquisizione();
        }
        QVERIFY2(b.avvisi.elenco.size() == 1, qPrintable(b.avvisi.elenco.value(1).testo));
    }
};

QTEST_MAIN(Test_integrazione_scheda)
#include "test_integrazione_scheda.moc"
