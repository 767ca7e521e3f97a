// SPDX-License-Identifier: GPL-3.0-or-later
// A disturbed stream: records the board cannot send (garbled or lost bytes) are noticed,
// told to the listeners once per acquisition, and processed like any other record, so
// the numbers stay those of the bytes received. A clean stream is never taken for one.
#include "session/tipi_scheda.h"
#include "stream/decodifica.h"
#include "stream/motore_misura.h"
#include "tests/support/record_prova.h"
#include "tests/support/tabella_prova.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include <QtTest>
#include <random>

Q_DECLARE_METATYPE(Collegamento)

namespace {

class Ascoltatore : public Vista_misura {
public:
    void Flusso_disturbato(const Disturbo_flusso& d) override {
        if (avvisi++ == 0) primo = d;
    }
    int avvisi = 0;
    Disturbo_flusso primo;
};

// An engine recording from the start of an acquisition on a board of `tipo`.
struct Banco {
    Sessione s;
    Ascoltatore ascoltatore;
    Motore_misura motore{s, QLocale::c()};
    Collegamento l;
    Banco(int tipo, Collegamento collegamento) : l(collegamento) {
        s.Scheda.Collegamento = l;
        s.Scheda.Fattore_posizione = Calibrazione_tipo(tipo).Fattore_posizione;
        s.Scheda.Fattore_tempo = Calibrazione_tipo(tipo).Fattore_tempo;
        s.Dati_esercizio.Ampiezza_minima = 100;
        s.Memo_attivo = true;
        motore.Aggiungi_vista(ascoltatore);
        motore.Inizia_acquisizione();
    }
    // The link's bytes as the program receives them: serial reads of 12 bytes, HID
    // reports one by one.
    void Ricevi(const QByteArray& byte) {
        const auto tutto = Byte_di(byte);
        const std::size_t passo = l == Collegamento::Seriale ? 12 : Byte_report_hid;
        for (std::size_t i = 0; i < tutto.size(); i += passo) {
            if (l == Collegamento::Seriale)
                motore.Blocco_seriale(tutto.subspan(i, std::min(passo, tutto.size() - i)));
            else if (i + passo <= tutto.size())
                motore.Report_hid(tutto.subspan(i, passo));
        }
    }
    // The same bytes decoded by hand and handed to the block processing, which knows
    // nothing of the check: the numbers every record must give.
    void Elabora_a_mano(const QByteArray& byte) {
        const auto tutto = Byte_di(byte);
        const bool seriale = l == Collegamento::Seriale;
        const std::size_t passo = seriale ? 2 * Byte_record_seriale : Byte_report_hid;
        for (std::size_t i = 0; i + (seriale ? Byte_record_seriale : passo) <= tutto.size();
             i += passo) {
            const auto blocco = tutto.subspan(i, std::min(passo, tutto.size() - i));
            std::vector<double> posizioni;
            std::vector<float> tempi;
            for (std::size_t k = 0;
                 k < (seriale ? blocco.size() / Byte_record_seriale : Record_per_report); ++k) {
                const auto c =
                    seriale ? Leggi_record_seriale(blocco, k) : Leggi_record_hid(blocco, k);
                posizioni.push_back(Posizione_mm(c->posizione, s.Scheda.Fattore_posizione));
                tempi.push_back(Tempo_ms(c->tempo, s.Scheda.Fattore_tempo));
            }
            motore.Elabora_blocco(std::int16_t(posizioni.size() - 1), posizioni.data(),
                                  tempi.data());
        }
    }
};

// Each byte changed with probability `p`, as a noisy line changes it.
QByteArray Altera(QByteArray byte, double p, std::uint32_t seme) {
    std::mt19937 caso(seme);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (char& b : byte)
        if (u(caso) < p) b = static_cast<char>(b ^ static_cast<char>(1 + caso() % 255));
    return byte;
}

QByteArray Serie(int tipo, Collegamento l, std::uint32_t seme) {
    Parametri_copione p;
    p.ripetizioni = 6;
    p.pausa_bassa_max_s = 1.5; // still at the bottom longer than a second: idle records
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(p, seme), tipo, l).Tutti(record);
    return Byte_cattura(record, l);
}

} // namespace

class Test_flusso_disturbato : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pulito_mai_detto_alterato_detto_una_volta_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<Collegamento>("l");
        for (int tipo = 1; tipo <= 3; ++tipo)
            for (Collegamento l : {Collegamento::Seriale, Collegamento::Hid})
                QTest::addRow("type %d %s", tipo, l == Collegamento::Seriale ? "serial" : "hid")
                    << tipo << l;
    }
    // What the board sends, with holds longer than a second, and at the highest HID rate:
    // nothing is told. 5 % of the bytes garbled: told once, at the first impossible record,
    // and again in the next acquisition; every record is still recorded and processed as it
    // came.
    void pulito_mai_detto_alterato_detto_una_volta() {
        QFETCH(int, tipo);
        QFETCH(Collegamento, l);
        for (std::uint32_t seme = 20; seme < 24; ++seme) {
            Banco b(tipo, l);
            b.Ricevi(Serie(tipo, l, seme));
            QVERIFY(b.motore.Disturbi().record > 300);
            QCOMPARE(b.ascoltatore.avvisi, 0);
        }
        Banco veloce(tipo, l);
        std::vector<Record_scheda> record;
        Flusso_ritmo(tipo, l, l == Collegamento::Hid ? 8000 : 1920, 5, 3000).Tutti(record);
        veloce.Ricevi(Byte_cattura(record, l));
        QCOMPARE(veloce.ascoltatore.avvisi, 0);

        const QByteArray disturbata = Altera(Serie(tipo, l, 11), 0.05, 5);
        Banco live(tipo, l), a_mano(tipo, l);
        live.Ricevi(disturbata);
        a_mano.Elabora_a_mano(disturbata);

        QCOMPARE(std::pair(live.ascoltatore.avvisi, a_mano.ascoltatore.avvisi), std::pair(1, 0));
        const Disturbo_flusso& d = live.motore.Disturbi();
        QVERIFY(d.Disturbato() && d.salti > 10 && d.tempi > 10);
        QVERIFY(live.ascoltatore.primo.record < d.record / 10); // told at once, not at the end

        QVERIFY(live.s.Numero_campioni > 300);
        QCOMPARE(live.s.Numero_campioni, a_mano.s.Numero_campioni);
        for (std::size_t i = 0; i < live.s.Campioni.size(); ++i) {
            const Campione &x = live.s.Campioni[i], &y = a_mano.s.Campioni[i];
            QVERIFY2(x.Posizione == y.Posizione && x.dt == y.dt && x.Tempo == y.Tempo &&
                         x.Velocita == y.Velocita,
                     qPrintable(QString("sample %1").arg(i)));
        }
        QCOMPARE(live.motore.Stato().Tempo_corrente, a_mano.motore.Stato().Tempo_corrente);
        QCOMPARE(live.motore.Lst_valori().Righe(), a_mano.motore.Lst_valori().Righe());

        live.motore.Fine_acquisizione();
        live.motore.Inizia_acquisizione();
        live.Ricevi(disturbata);
        QCOMPARE(live.ascoltatore.avvisi, 2);
    }

    // Record by record on the serial link of a type 3 board (1/12000 ms a count). Each row:
    // the records (position, time in ms), whether it is told.
    void cio_che_la_scheda_non_manda_data() {
        Righe_prova({"100 3 106 3 104 1000 98 -4|0", // steps of 6 and an idle second
                     "32762 2 -32768 2 -32762 2|0",  // the 16-bit counter wraps
                     "0 2 64 2|0",                   // 64 counts at once
                     "0 2 -65 2|1",
                     "0x0110 2 0x4116 2|1", // a high byte garbled
                     "500 0 506 2|0",       // first record: no step to judge
                     "500 2 506 0|1",       // zero step time
                     "0 2 6 1900|0", "0 2 6 -2100|1"});
    }
    void cio_che_la_scheda_non_manda() {
        QFETCH(QStringList, r);
        const QStringList n = r[0].split(' ');
        QByteArray flusso;
        for (qsizetype i = 0; i + 1 < n.size(); i += 2)
            flusso +=
                Record_seriale(n[i].toInt(nullptr, 0), std::int32_t(n[i + 1].toInt() * 12000));
        Banco b(3, Collegamento::Seriale);
        b.Ricevi(flusso);
        QCOMPARE(b.ascoltatore.avvisi, r[1].toInt());
    }
};

QTEST_GUILESS_MAIN(Test_flusso_disturbato)
#include "test_flusso_disturbato.moc"
