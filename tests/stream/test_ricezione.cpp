// Reception of the sample stream: cutting the serial stream into blocks, HID reports,
// and what one block does to the recording, the running time and the live drawing.
#include "banco_prova.h"
#include "platform/porta_memoria.h"
#include "session/formato.h"

#include <QTest>
#include <array>
#include <vector>

namespace {

QByteArray Record_seriale(std::int16_t posizione, std::int32_t tempo) {
    QByteArray r;
    const auto p = static_cast<std::uint16_t>(posizione);
    const auto t = static_cast<std::uint32_t>(tempo);
    for (int i = 0; i < 2; ++i) r.append(static_cast<char>((p >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i) r.append(static_cast<char>((t >> (8 * i)) & 0xFF));
    return r;
}

// Board types as the board type query sets them.
void Imposta_tipo(Sessione& s, int tipo) {
    s.Fattore_posizione = tipo == 1 ? Fattore_posizione_tipo1 : Fattore_posizione_tipo23;
    s.Fattore_tempo = tipo == 3 ? Fattore_tempo_tipo3 : Fattore_tempo_tipo12;
}

} // namespace

class Test_ricezione : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void serial_stream_is_cut_in_blocks_data() {
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<int>("in_attesa");
        QTest::addColumn<bool>("ricezione");
        QTest::addColumn<bool>("acquisizione");
        QTest::addColumn<int>("restano");
        QTest::addColumn<int>("campioni");
        QTest::newRow("12 waiting: nothing read") << 12 << 12 << true << true << 12 << 0;
        QTest::newRow("13: one block, 1 stays") << 12 << 13 << true << true << 1 << 2;
        QTest::newRow("24: one block") << 12 << 24 << true << true << 12 << 2;
        QTest::newRow("25: two blocks") << 12 << 25 << true << true << 1 << 4;
        QTest::newRow("30: two blocks") << 12 << 30 << true << true << 6 << 4;
        QTest::newRow("reception off") << 12 << 13 << false << true << 13 << 0;
        QTest::newRow("no acquisition") << 12 << 13 << true << false << 13 << 0;
        QTest::newRow("read length 18") << 18 << 19 << true << true << 1 << 3;
        QTest::newRow("read everything: left alone") << 0 << 13 << true << true << 13 << 0;
    }
    void serial_stream_is_cut_in_blocks() {
        QFETCH(int, lunghezza);
        QFETCH(int, in_attesa);
        QFETCH(bool, ricezione);
        QFETCH(bool, acquisizione);
        QFETCH(int, restano);
        QFETCH(int, campioni);
        Banco_prova b;
        b.Avvia();
        Imposta_tipo(b.s, 2);
        b.s.Usa_seriale = true;
        b.s.Ricezione_attiva = ricezione;
        b.s.Acquisizione_in_corso = acquisizione;
        Porta_memoria porta;
        porta.Imposta_lunghezza_lettura(lunghezza);
        QByteArray flusso;
        while (flusso.size() < in_attesa) flusso += Record_seriale(100, 625000); // 125 ms
        porta.Ricevi(flusso.left(in_attesa));
        b.motore.Ricezione_seriale(porta);
        QCOMPARE(porta.Byte_in_attesa(), restano);
        QCOMPARE(int(b.vista.spostamenti.size()), campioni);
        QCOMPARE(b.s.Tempo_corrente, float(campioni) * 0.125f);
    }

    // Worked examples of both links: label, recorded sample and running time.
    void decoded_samples_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("hid");
        QTest::addColumn<int>("posizione");
        QTest::addColumn<int>("tempo");
        QTest::addColumn<QString>("etichetta");
        QTest::addColumn<float>("mm");
        QTest::addColumn<float>("dt");
        QTest::addColumn<float>("velocita");
        QTest::newRow("type 1 serial")
            << 1 << false << 0x0100 << 50000 << "33" << 329.728f << 0.01f << 772.8f;
        QTest::newRow("type 1 hid")
            << 1 << true << 0x0100 << 50000 << "33.0" << 329.728f << 0.01f << 128.8f;
        QTest::newRow("type 2 hid")
            << 2 << true << 1000 << 5000 << "100.0" << 1000.0f << 0.001f << 1000.0f;
        QTest::newRow("negative position")
            << 2 << true << -1000 << 5000 << "-100.0" << -1000.0f << 0.001f << 1000.0f;
        QTest::newRow("negative time")
            << 1 << false << 0x0100 << -50000 << "33" << 329.728f << -0.01f << -772.8f;
        QTest::newRow("zero time") << 1 << false << 0x0100 << 0 << "33" << 329.728f << 0.0f << 0.0f;
        QTest::newRow("type 3 serial")
            << 3 << false << -5 << 120000 << "-1" << -5.0f << 0.0099999960f << 600.00024f;
    }
    void decoded_samples() {
        QFETCH(int, tipo);
        QFETCH(bool, hid);
        QFETCH(int, posizione);
        QFETCH(int, tempo);
        QFETCH(QString, etichetta);
        QFETCH(float, mm);
        QFETCH(float, dt);
        QFETCH(float, velocita);
        Banco_prova b;
        b.Avvia();
        Imposta_tipo(b.s, tipo);
        b.s.Usa_hid = hid;
        b.s.Usa_seriale = !hid;
        b.s.Memo_attivo = true;
        const auto p = static_cast<std::int16_t>(posizione);
        Porta_memoria porta;
        if (hid) {
            std::array<std::uint8_t, 65> report{};
            const QByteArray r = Record_seriale(p, tempo);
            std::copy(r.begin(), r.end(), report.begin() + 2);
            b.motore.Report_hid(report.data(), int(report.size()));
        } else {
            porta.Imposta_lunghezza_lettura(12);
            porta.Ricevi(Record_seriale(p, tempo) + Record_seriale(0, 0) + "x");
            b.motore.Ricezione_seriale(porta);
        }
        QCOMPARE(b.s.Numero_campioni, hid ? 8 : 2);
        QCOMPARE(int(b.s.Campioni.size()), b.s.Numero_campioni);
        const Campione& c = b.s.Campioni.front();
        QCOMPARE(c.Posizione, mm);
        QCOMPARE(c.dt, dt);
        QCOMPARE(c.Tempo, std::fabs(dt));
        QCOMPARE(c.Velocita, velocita);
        QCOMPARE(b.s.Tempo_corrente, std::fabs(dt)); // the other records have time 0
        const auto& label = b.vista.spostamenti.front();
        QCOMPARE(label.decimali, hid ? 1 : 0);
        QCOMPARE(Formatta(label.centimetri, label.decimali, QLocale(QLocale::English)), etichetta);
        QCOMPARE(int(b.vista.spostamenti.size()), hid ? 8 : 2);
    }

    void hid_reports_data() {
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<bool>("acquisizione");
        QTest::addColumn<int>("campioni");
        QTest::newRow("full report") << 65 << true << 8;
        QTest::newRow("no acquisition: only kept") << 65 << false << 0;
        QTest::newRow("short report: whole records") << 30 << true << 3;
        QTest::newRow("empty") << 0 << true << 0;
    }
    void hid_reports() {
        QFETCH(int, lunghezza);
        QFETCH(bool, acquisizione);
        QFETCH(int, campioni);
        Banco_prova b;
        b.Avvia();
        b.s.Usa_hid = true;
        b.s.Acquisizione_in_corso = acquisizione;
        b.s.Buffer_in.fill(0x55);
        std::array<std::uint8_t, 65> report;
        for (std::size_t i = 0; i < report.size(); ++i) report[i] = std::uint8_t(i + 1);
        b.motore.Report_hid(report.data(), lunghezza);
        for (int i = 0; i < 65; ++i)
            QCOMPARE(int(b.s.Buffer_in[std::size_t(i)]), i < lunghezza ? i + 1 : 0);
        QCOMPARE(int(b.vista.spostamenti.size()), campioni);
        QCOMPARE(b.s.Tempo_corrente > 0, campioni > 0);
    }

    // Recording on and off over two blocks; a zero time adds nothing to the clock.
    void recording_data() {
        QTest::addColumn<bool>("memo");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void recording() {
        QFETCH(bool, memo);
        Banco_prova b;
        b.Avvia();
        b.s.Usa_seriale = true;
        b.s.Memo_attivo = memo;
        const double pos[3] = {1, 2, 3};
        const float tempi[3] = {100, -200, 0};
        b.motore.Elabora_blocco(2, pos, tempi);
        b.motore.Elabora_blocco(2, pos, tempi);
        QCOMPARE(b.s.Numero_campioni, memo ? 6 : 0);
        QCOMPARE(int(b.s.Campioni.size()), memo ? 6 : 1);
        QCOMPARE(b.s.Tempo_corrente, 0.6f);
        if (!memo) return;
        const Campione& c = b.s.Campioni[4]; // second block, second sample
        QCOMPARE(c.Posizione, 2.0f);
        QCOMPARE(c.dt, -0.2f);
        QCOMPARE(c.Tempo, 0.6f);
        QCOMPARE(c.Velocita, -30.0f);
    }

    void drawing_hysteresis_data() {
        QTest::addColumn<bool>("visibile");
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<int>("in_attesa");
        QTest::addColumn<bool>("porta_aperta");
        QTest::addColumn<bool>("disegnato");
        QTest::addColumn<bool>("abilitato_dopo");
        QTest::newRow("no backlog") << true << true << 0 << true << true << true;
        QTest::newRow("399 still drawn") << true << true << 399 << true << true << true;
        QTest::newRow("400 stops") << true << true << 400 << true << false << false;
        QTest::newRow("stopped, 50 stays stopped") << true << false << 50 << true << false << false;
        QTest::newRow("stopped, 49 resumes after") << true << false << 49 << true << false << true;
        QTest::newRow("hidden, backlog") << false << true << 100 << true << false << false;
        QTest::newRow("hidden, no backlog") << false << true << 0 << true << false << true;
        QTest::newRow("closed port counts 0") << true << true << 1000 << false << true << true;
    }
    void drawing_hysteresis() {
        QFETCH(bool, visibile);
        QFETCH(bool, abilitato);
        QFETCH(int, in_attesa);
        QFETCH(bool, porta_aperta);
        QFETCH(bool, disegnato);
        QFETCH(bool, abilitato_dopo);
        Banco_prova b;
        b.Avvia();
        b.s.Usa_seriale = true;
        b.s.Memo_attivo = true;
        b.vista.visibile = visibile;
        b.s.Disegno_abilitato = abilitato;
        Porta_memoria porta;
        porta.Ricevi(QByteArray(in_attesa, '\0'));
        if (!porta_aperta) porta.Chiudi();
        b.motore.Imposta_porta(&porta);
        const double pos[2] = {10, 20};
        const float tempi[2] = {100, -50};
        b.motore.Elabora_blocco(1, pos, tempi);
        QCOMPARE(b.vista.blocchi_disegnati, disegnato ? 1 : 0);
        QCOMPARE(b.s.Disegno_abilitato, abilitato_dopo);
        QCOMPARE(b.s.Numero_campioni, 2); // recording is never shed
        if (!disegnato) return;
        QCOMPARE(int(b.vista.punti_tempo.size()), 2);
        QCOMPARE(b.vista.punti_tempo[0].x, 0.1);
        QCOMPARE(b.vista.punti_tempo[1].x, 0.15);
        QCOMPARE(b.vista.punti_tempo[1].posizione, 20.0);
        QCOMPARE(b.vista.punti_tempo[1].velocita, -120.0);
    }
};

QTEST_GUILESS_MAIN(Test_ricezione)
#include "test_ricezione.moc"
