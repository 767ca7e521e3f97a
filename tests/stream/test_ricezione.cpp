// SPDX-License-Identifier: GPL-3.0-or-later
// Reception of the sample stream: sample velocity, cutting the serial stream into
// blocks, HID reports, and what one block does to the recording, the running time and
// the live drawing.
#include "banco_prova.h"
#include "device/collegamento_seriale.h"
#include "platform/porta_memoria.h"
#include "session/formato.h"
#include "stream/decodifica.h"
#include "stream/trama_seriale.h"
#include "tests/support/record_prova.h"

#include <QTest>

namespace {
// A bench started on a board of `tipo`, as the board type query sets it.
void Avvia_tipo(Banco_prova& b, int tipo) {
    b.Avvia(true);
    b.s.Scheda.Fattore_posizione = Calibrazione_tipo(tipo).Fattore_posizione;
    b.s.Scheda.Fattore_tempo = Calibrazione_tipo(tipo).Fattore_tempo;
}
} // namespace

class Test_ricezione : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Dead band below 12 mm/s, clamp at 5000, the steps of each link.
    void velocita_con_banda_morta_e_limite() {
        const auto seriale = Collegamento::Seriale, hid = Collegamento::Hid;
        const std::tuple<float, float, Collegamento, float> casi[] = {
            {10, 1.288f, hid, 128.8f},              // hid: one step
            {10, 1.288f, Collegamento::Nessuno, 0}, // no link: none
            {500, 1, seriale, 12},                  // 12 stays
            {-100, 1.19f, hid, 0},                  // -11.9 dropped
            {-1, 1, seriale, -5000},                // -6000 cut
            {1e-30f, 1, hid, 5000}};                // tiny time cut
        for (const auto& [tempo_ms, fattore, collegamento, attesa] : casi)
            QCOMPARE(Velocita_campione(tempo_ms, fattore, collegamento), attesa);
    }

    // Whole records of what waits are read, as the port's read length allows, with
    // reception on and an acquisition running; each one a sample, 125 ms of running time.
    void flusso_seriale_tagliato_a_blocchi() {
        const std::tuple<int, int, int, bool, bool> casi[] = {
            // read length, bytes waiting, left, reception, acquisition
            {12, 12, 12, true, true}, // nothing read
            {12, 13, 1, true, true},  // one block
            {0, 13, 13, true, true},  // read everything: left alone
            {12, 13, 13, false, true},
            {12, 13, 13, true, false}};
        for (const auto& [lunghezza, in_attesa, restano, ricezione, acquisizione] : casi) {
            Banco_prova b;
            Avvia_tipo(b, 2);
            Porta_memoria porta;
            Collegamento_seriale collegamento(b.s, porta, b.motore);
            collegamento.Ricezione_attiva = ricezione;
            b.s.Acquisizione_in_corso = acquisizione;
            porta.Imposta_lunghezza_lettura(lunghezza);
            porta.Ricevi((Record_seriale(100, 625000) + Record_seriale(100, 625000) +
                          Record_seriale(100, 625000))
                             .left(in_attesa));
            collegamento.Ricezione();
            QCOMPARE(porta.Byte_in_attesa(), restano);
            const int campioni = (in_attesa - restano) / 6;
            QCOMPARE(int(b.vista.spostamenti.size()), campioni);
            QCOMPARE(b.m().Tempo_corrente, float(campioni) * 0.125f);
        }
    }

    // Worked examples of both links: label, recorded sample and running time. On HID, in a
    // report of so many bytes (record 7 ends at byte 63: a 64-byte report still holds it,
    // 63 bytes do not); whole records only, the others have time 0.
    void record_diventano_campioni_etichette_e_tempo() {
        struct Esempio {
            int tipo, report, posizione, tempo;
            QString etichetta;
            float mm, dt, velocita;
        };
        const Esempio esempi[] = {{1, 0, 256, 50000, "33", 329.728f, 0.01f, 772.8f},
                                  {1, 65, 256, 50000, "33.0", 329.728f, 0.01f, 128.8f},
                                  {2, 64, -1000, 5000, "-100.0", -1000, 0.001f, 1000},
                                  {2, 63, 10, 5000, "1.0", 10, 0.001f, 1000},
                                  {1, 0, 256, -50000, "33", 329.728f, -0.01f, -772.8f},
                                  {1, 0, 256, 0, "33", 329.728f, 0, 0},
                                  {3, 0, -5, 120000, "-1", -5, 0.0099999960f, 600.00024f}};
        for (const Esempio& e : esempi) {
            Banco_prova b;
            Avvia_tipo(b, e.tipo);
            b.s.Scheda.Collegamento = e.report > 0 ? Collegamento::Hid : Collegamento::Seriale;
            if (e.report > 0) {
                QByteArray report(65, '\0');
                report.replace(2, 6, Record_seriale(e.posizione, e.tempo));
                b.motore.Report_hid(Byte_di(report.left(e.report)));
            } else {
                b.motore.Blocco_seriale(
                    Byte_di(Record_seriale(e.posizione, e.tempo) + Record_seriale(0, 0)));
            }
            QCOMPARE(b.s.Numero_campioni, e.report > 0 ? std::min(8, e.report / 8) : 2);
            QCOMPARE(int(b.s.Campioni.size()), b.s.Numero_campioni);
            const Campione& c = b.s.Campioni.front();
            CONFRONTA_NUMERI((QList{c.Posizione, c.dt, c.Tempo, c.Velocita, b.m().Tempo_corrente}),
                             (QList{e.mm, e.dt, std::fabs(e.dt), e.velocita, std::fabs(e.dt)}));
            const auto& label = b.vista.spostamenti.front();
            QCOMPARE(Formatta(label.centimetri, label.decimali, QLocale(QLocale::English)),
                     e.etichetta);
        }
    }

    // The framer keeps the records whole whatever the reads: bytes of a cut record wait
    // for the next read, and the readers take the extremes of both counts.
    void record_interi_attraverso_le_letture() {
        const QList<std::pair<std::int16_t, std::int32_t>> valori{
            {-32768, INT32_MIN}, {32767, INT32_MAX}, {-1, -1}, {0, 0}};
        QByteArray flusso;
        for (const auto& [p, t] : valori) flusso += Record_seriale(p, t);
        // Bytes per read, whole records after each read: a record split over two reads, two
        // and a half then the rest, one byte at a time.
        for (const auto& [letture, record] :
             {std::pair(QList{4, 2}, QList{0, 1}),
              {QList{15, 3, 0}, QList{2, 1, 0}},
              {QList{1, 1, 1, 1, 1, 1, 1}, QList{0, 0, 0, 0, 0, 1, 0}}}) {
            Trama_seriale trama;
            qsizetype letti = 0;
            int dati = 0;
            for (qsizetype i = 0; i < letture.size(); ++i) {
                const auto interi = trama.Aggiungi(Byte_di(flusso.mid(letti, letture[i])));
                letti += letture[i];
                QCOMPARE(int(interi.size() / Byte_record_seriale), record[i]);
                QCOMPARE(trama.Resto(), std::size_t(letti % 6));
                for (std::size_t j = 0; j < interi.size() / Byte_record_seriale; ++j, ++dati) {
                    const auto c = Leggi_record_seriale(interi, j);
                    QVERIFY(c);
                    QCOMPARE(std::pair(c->posizione, c->tempo), valori[dati]);
                }
            }
        }
        // Reads past the end of the bytes give nothing.
        const QByteArray corto = Record_seriale(1, 1).left(5);
        QVERIFY(!Leggi_record_seriale(Byte_di(corto), 0));
        QVERIFY(!Leggi_record_hid(Byte_di(QByteArray(65, '\0')), 8));
        QVERIFY(!Leggi_int32_le(Byte_di(corto), 3));
        Trama_seriale trama;
        trama.Aggiungi(Byte_di(corto));
        trama.Azzera();
        QCOMPARE(trama.Resto(), std::size_t(0));
    }

    // Drawing stops at a backlog of 400 bytes and resumes below 50; the recording never
    // sheds samples.
    void disegno_alleggerito_registrazione_intera() {
        const std::tuple<bool, int, int, bool> casi[] = {
            // drawing on, bytes waiting, blocks drawn of two, drawing on after
            {true, 399, 2, true},
            {true, 400, 0, false},
            {false, 49, 1, true}}; // resumes after the first
        for (const auto& [abilitato, in_attesa, disegnati, abilitato_dopo] : casi) {
            Banco_prova b;
            b.Avvia(true);
            b.m().Disegno_abilitato = abilitato;
            b.motore.Imposta_ritardo([n = in_attesa] { return n; });
            const double pos[2] = {10, 20};
            const float tempi[2] = {100, -50};
            b.motore.Elabora_blocco(1, pos, tempi);
            b.motore.Elabora_blocco(1, pos, tempi);
            QCOMPARE(b.vista.blocchi_disegnati, disegnati);
            QCOMPARE(b.m().Disegno_abilitato, abilitato_dopo);
            QCOMPARE(b.s.Numero_campioni, 4);
        }
    }
};

QTEST_GUILESS_MAIN(Test_ricezione)
#include "test_ricezione.moc"
