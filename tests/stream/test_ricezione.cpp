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

#include <QTest>
#include <array>

struct Velocita {
    float tempo_ms, fattore;
    bool seriale, hid;
    float attesa;
};
struct Corte {
    int lunghezza, in_attesa, restano; // read length set on the port, bytes waiting, left
    bool ricezione = true, acquisizione = true;
};
struct Esempio { // a record on the serial link or in an HID report of `report` bytes
    int tipo, report, posizione, tempo;
    QString etichetta;
    float mm, dt, velocita;
};
struct Carico {
    bool abilitato;
    int in_attesa;
    int disegnati; // blocks drawn of two
    bool abilitato_dopo;
};
Q_DECLARE_METATYPE(Velocita)
Q_DECLARE_METATYPE(Corte)
Q_DECLARE_METATYPE(Esempio)
Q_DECLARE_METATYPE(Carico)

namespace {
QByteArray Record(int posizione, std::int32_t tempo) {
    QByteArray r;
    const auto t = static_cast<std::uint32_t>(tempo);
    for (int i = 0; i < 2; ++i) r.append(static_cast<char>((posizione >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i) r.append(static_cast<char>((t >> (8 * i)) & 0xFF));
    return r;
}
// Board types as the board type query sets them.
void Imposta_tipo(Sessione& s, int tipo) {
    s.Scheda.Fattore_posizione = Calibrazione_tipo(tipo).Fattore_posizione;
    s.Scheda.Fattore_tempo = Calibrazione_tipo(tipo).Fattore_tempo;
}
std::span<const std::uint8_t> Byte_di(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}
} // namespace

class Test_ricezione : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Dead band below 12 mm/s, clamp at 5000, the HID factor when both links are set.
    void velocita_con_banda_morta_e_limite_data() {
        QTest::addColumn<Velocita>("v");
        QTest::newRow("both links: hid") << Velocita{10, 1.288f, true, true, 128.8f};
        QTest::newRow("12 stays") << Velocita{500, 1, true, false, 12};
        QTest::newRow("-11.9 dropped") << Velocita{-100, 1.19f, false, true, 0};
        QTest::newRow("-6000 cut") << Velocita{-1, 1, true, false, -5000};
        QTest::newRow("tiny time cut") << Velocita{1e-30f, 1, false, true, 5000};
    }
    void velocita_con_banda_morta_e_limite() {
        QFETCH(Velocita, v);
        QCOMPARE(Velocita_campione(v.tempo_ms, v.fattore, v.seriale, v.hid), v.attesa);
    }

    void flusso_seriale_tagliato_a_blocchi_data() {
        QTest::addColumn<Corte>("c");
        QTest::newRow("12 waiting: nothing read") << Corte{12, 12, 12};
        QTest::newRow("13: one block, 1 stays") << Corte{12, 13, 1};
        QTest::newRow("read everything: left alone") << Corte{0, 13, 13};
        QTest::newRow("reception off") << Corte{12, 13, 13, false};
        QTest::newRow("no acquisition") << Corte{12, 13, 13, true, false};
    }
    void flusso_seriale_tagliato_a_blocchi() {
        QFETCH(Corte, c);
        Banco_prova b;
        b.Avvia(true);
        Imposta_tipo(b.s, 2);
        Porta_memoria porta;
        Collegamento_seriale collegamento(b.s, porta, b.motore);
        collegamento.Ricezione_attiva = c.ricezione;
        b.s.Acquisizione_in_corso = c.acquisizione;
        porta.Imposta_lunghezza_lettura(c.lunghezza);
        QByteArray flusso;
        while (flusso.size() < c.in_attesa) flusso += Record(100, 625000); // 125 ms
        porta.Ricevi(flusso.left(c.in_attesa));
        collegamento.Ricezione();
        QCOMPARE(porta.Byte_in_attesa(), c.restano);
        const int campioni = (c.in_attesa - c.restano) / 6;
        QCOMPARE(int(b.vista.spostamenti.size()), campioni);
        QCOMPARE(b.m().Tempo_corrente, float(campioni) * 0.125f);
    }

    // Worked examples of both links: label, recorded sample and running time.
    void record_diventano_campioni_etichette_e_tempo_data() {
        QTest::addColumn<Esempio>("e");
        QTest::newRow("type 1 serial") << Esempio{1, 0, 256, 50000, "33", 329.728f, 0.01f, 772.8f};
        QTest::newRow("type 1 hid") << Esempio{1, 65, 256, 50000, "33.0", 329.728f, 0.01f, 128.8f};
        // Record 7 ends at byte 63: a 64-byte report still holds it, 63 bytes do not.
        QTest::newRow("negative position, 64-byte report")
            << Esempio{2, 64, -1000, 5000, "-100.0", -1000, 0.001f, 1000};
        QTest::newRow("63-byte report") << Esempio{2, 63, 10, 5000, "1.0", 10, 0.001f, 1000};
        QTest::newRow("negative time")
            << Esempio{1, 0, 256, -50000, "33", 329.728f, -0.01f, -772.8f};
        QTest::newRow("zero time") << Esempio{1, 0, 256, 0, "33", 329.728f, 0, 0};
        QTest::newRow("type 3 serial")
            << Esempio{3, 0, -5, 120000, "-1", -5, 0.0099999960f, 600.00024f};
    }
    void record_diventano_campioni_etichette_e_tempo() {
        QFETCH(Esempio, e);
        Banco_prova b;
        b.Avvia(true);
        Imposta_tipo(b.s, e.tipo);
        b.s.Scheda.Collegamento = e.report > 0 ? Collegamento::Hid : Collegamento::Seriale;
        if (e.report > 0) {
            std::array<std::uint8_t, 65> report{};
            const QByteArray r = Record(e.posizione, e.tempo);
            std::copy(r.begin(), r.end(), report.begin() + 2);
            b.motore.Report_hid({report.data(), std::size_t(e.report)});
        } else {
            b.motore.Blocco_seriale(Byte_di(Record(e.posizione, e.tempo) + Record(0, 0)));
        }
        // Whole records only; the others have time 0.
        QCOMPARE(b.s.Numero_campioni, e.report > 0 ? std::min(8, e.report / 8) : 2);
        QCOMPARE(int(b.s.Campioni.size()), b.s.Numero_campioni);
        const Campione& c = b.s.Campioni.front();
        CONFRONTA_NUMERI((QList{c.Posizione, c.dt, c.Tempo, c.Velocita, b.m().Tempo_corrente}),
                         (QList{e.mm, e.dt, std::fabs(e.dt), e.velocita, std::fabs(e.dt)}));
        const auto& label = b.vista.spostamenti.front();
        QCOMPARE(label.decimali, e.report > 0 ? 1 : 0);
        QCOMPARE(Formatta(label.centimetri, label.decimali, QLocale(QLocale::English)),
                 e.etichetta);
    }

    // The framer keeps the records whole whatever the reads: bytes of a cut record wait
    // for the next read, and the readers take the extremes of both counts.
    void record_interi_attraverso_le_letture_data() {
        QTest::addColumn<QList<int>>("letture"); // bytes per read
        QTest::addColumn<QList<int>>("record");  // whole records after each read
        QTest::newRow("record split over two reads") << QList{4, 2} << QList{0, 1};
        QTest::newRow("two and a half, then the rest") << QList{15, 3, 0} << QList{2, 1, 0};
        QTest::newRow("one byte at a time")
            << QList{1, 1, 1, 1, 1, 1, 1} << QList{0, 0, 0, 0, 0, 1, 0};
    }
    void record_interi_attraverso_le_letture() {
        QFETCH(QList<int>, letture);
        QFETCH(QList<int>, record);
        const QList<std::pair<std::int16_t, std::int32_t>> valori{
            {-32768, INT32_MIN}, {32767, INT32_MAX}, {-1, -1}, {0, 0}};
        QByteArray flusso;
        for (const auto& [p, t] : valori) flusso += Record(p, t);
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
                QCOMPARE(c->posizione, valori[dati].first);
                QCOMPARE(c->tempo, valori[dati].second);
            }
        }
        // Reads past the end of the bytes give nothing.
        const QByteArray corto = Record(1, 1).left(5);
        QVERIFY(!Leggi_record_seriale(Byte_di(corto), 0));
        QVERIFY(!Leggi_record_hid(Byte_di(QByteArray(65, '\0')), 8));
        QVERIFY(!Leggi_int32_le(Byte_di(corto), 3));
        trama.Aggiungi(Byte_di(corto));
        trama.Azzera();
        QCOMPARE(trama.Resto(), std::size_t(0));
    }

    // Drawing stops at a backlog of 400 bytes and resumes below 50; the recording never
    // sheds samples.
    void disegno_alleggerito_registrazione_intera_data() {
        QTest::addColumn<Carico>("c");
        QTest::newRow("399 still drawn") << Carico{true, 399, 2, true};
        QTest::newRow("400 stops") << Carico{true, 400, 0, false};
        QTest::newRow("stopped, 49 resumes after") << Carico{false, 49, 1, true};
    }
    void disegno_alleggerito_registrazione_intera() {
        QFETCH(Carico, c);
        Banco_prova b;
        b.Avvia(true);
        b.m().Disegno_abilitato = c.abilitato;
        b.motore.Imposta_ritardo([&c] { return c.in_attesa; });
        const double pos[2] = {10, 20};
        const float tempi[2] = {100, -50};
        b.motore.Elabora_blocco(1, pos, tempi);
        b.motore.Elabora_blocco(1, pos, tempi);
        QCOMPARE(b.vista.blocchi_disegnati, c.disegnati);
        QCOMPARE(b.m().Disegno_abilitato, c.abilitato_dopo);
        QCOMPARE(b.s.Numero_campioni, 4);
    }
};

QTEST_GUILESS_MAIN(Test_ricezione)
#include "test_ricezione.moc"
