// Checked record reads and the velocity of a sample (the conversions are covered by the
// worked examples of the reception tests).
#include "stream/decodifica.h"

#include <QTest>
#include <array>
#include <vector>

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class Test_decodifica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void records_in_bytes_data() {
        QTest::addColumn<std::vector<std::uint8_t>>("byte");
        QTest::addColumn<bool>("hid");
        QTest::addColumn<int>("record");
        QTest::addColumn<bool>("presente");
        QTest::addColumn<int>("posizione");
        QTest::addColumn<int>("tempo");
        const std::vector<std::uint8_t> seriale{0x00, 0x01, 0x50, 0xC3, 0x00, 0x00,
                                                0x18, 0xFC, 0xB0, 0x3C, 0xFF, 0xFF};
        QTest::newRow("serial 1, negative") << seriale << false << 1 << true << -1000 << -50000;
        QTest::newRow("serial cut record")
            << std::vector<std::uint8_t>(seriale.begin(), seriale.end() - 1) << false << 1 << false
            << 0 << 0;

        std::vector<std::uint8_t> report(Byte_report_hid, 0xAA); // unused bytes set
        const std::array<std::uint8_t, 6> r0{0xE8, 0x03, 0x88, 0x13, 0x00, 0x00};
        const std::array<std::uint8_t, 6> r7{0x18, 0xFC, 0x00, 0x00, 0x00, 0x80};
        std::copy(r0.begin(), r0.end(), report.begin() + 2);
        std::copy(r7.begin(), r7.end(), report.begin() + 58);
        QTest::newRow("hid 0") << report << true << 0 << true << 1000 << 5000;
        QTest::newRow("hid unused bytes")
            << report << true << 3 << true << int(std::int16_t(0xAAAA))
            << int(std::int32_t(0xAAAAAAAAu));
        QTest::newRow("hid record 8") << report << true << 8 << false << 0 << 0;
        // Record 7 ends at byte 63: a 64-byte report still holds it, 63 bytes do not.
        QTest::newRow("hid 64 bytes")
            << std::vector<std::uint8_t>(report.begin(), report.begin() + 64) << true << 7 << true
            << -1000 << int(std::int32_t(0x80000000u));
        QTest::newRow("hid 63 bytes")
            << std::vector<std::uint8_t>(report.begin(), report.begin() + 63) << true << 7 << false
            << 0 << 0;
    }
    void records_in_bytes() {
        QFETCH(std::vector<std::uint8_t>, byte);
        QFETCH(bool, hid);
        QFETCH(int, record);
        QFETCH(bool, presente);
        QFETCH(int, posizione);
        QFETCH(int, tempo);
        const auto k = static_cast<std::size_t>(record);
        const auto letto = hid ? Leggi_record_hid(byte, k) : Leggi_record_seriale(byte, k);
        QCOMPARE(letto.has_value(), presente);
        if (!letto) return;
        QCOMPARE(int(letto->posizione), posizione);
        QCOMPARE(int(letto->tempo), tempo);
    }

    void velocity_data() {
        QTest::addColumn<float>("tempo_ms");
        QTest::addColumn<float>("fattore");
        QTest::addColumn<bool>("seriale");
        QTest::addColumn<bool>("hid");
        QTest::addColumn<float>("velocita");
        QTest::newRow("both links: hid") << 10.0f << 1.288f << true << true << 128.8f;
        QTest::newRow("no link") << 10.0f << 1.288f << false << false << 0.0f;
        QTest::newRow("zero time") << 0.0f << 1.288f << true << false << 0.0f;
        QTest::newRow("negative time") << -10.0f << 1.288f << true << false << -772.8f;
        QTest::newRow("12 stays") << 500.0f << 1.0f << true << false << 12.0f;
        QTest::newRow("-12 stays") << -500.0f << 1.0f << true << false << -12.0f;
        QTest::newRow("11.9 dropped") << 100.0f << 1.19f << false << true << 0.0f;
        QTest::newRow("-11.9 dropped") << -100.0f << 1.19f << false << true << 0.0f;
        QTest::newRow("6000 cut") << 1.0f << 1.0f << true << false << 5000.0f;
        QTest::newRow("-6000 cut") << -1.0f << 1.0f << true << false << -5000.0f;
        QTest::newRow("tiny time cut") << 1e-30f << 1.0f << false << true << 5000.0f;
    }
    void velocity() {
        QFETCH(float, tempo_ms);
        QFETCH(float, fattore);
        QFETCH(bool, seriale);
        QFETCH(bool, hid);
        QFETCH(float, velocita);
        QCOMPARE(Velocita_campione(tempo_ms, fattore, seriale, hid), velocita);
    }
};

QTEST_GUILESS_MAIN(Test_decodifica)
#include "test_decodifica.moc"
