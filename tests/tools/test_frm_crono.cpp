// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch on a clock of our own: what the fields read, when the warning sounds, the
// period the operator types and the controls the check box switches.
#include "tools/conteggio_crono.h"
#include "tools/frm_crono.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// A stopwatch whose clock, beep, input box and message box the test holds.
struct Banco {
    qint32 ora = 1'000'000;
    QList<qint32> beep; // milliseconds since Start of every beep
    qint32 inizio = 0;
    std::optional<QString> risposta;
    QStringList messaggi;
    Frm_crono frm;

    Banco() {
        frm.Imposta_orologio([this] { return ora; });
        frm.Imposta_segnale_acustico([this] { beep << ora - inizio; });
        frm.Imposta_input_box([this] { return risposta; });
        frm.Imposta_messaggio([this](const QString& testo) { messaggi << testo; });
    }
    void Avvia() {
        inizio = ora;
        frm.Avvia();
    }
    // Ticks every 100 ms up to `ms` milliseconds after Start.
    void Fino_a(qint32 ms) {
        while (ora - inizio < ms) {
            ora += 100;
            frm.Tick();
        }
    }
    QStringList Campi() const {
        return {frm.Txt_minuti->text(), frm.Txt_secondi->text(), frm.Txt_decimi->text()};
    }
};

// The whole multiples of `passo` seconds that the beeps stand nearest to.
QList<int> Multipli(const QList<qint32>& beep, int passo) {
    QList<int> m;
    for (const qint32 ms : beep) m << qRound(ms / (1000.0 * passo)) * passo;
    return m;
}

} // namespace

class Test_frm_crono : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void Display_data() {
        QTest::addColumn<qint32>("ms");
        QTest::addColumn<QStringList>("campi");
        QTest::newRow("61.25 s") << 61250 << QStringList{"01", "01", "2"};
        QTest::newRow("seconds truncated") << 59999 << QStringList{"00", "59", "9"};
        QTest::newRow("on the minute") << 120000 << QStringList{"02", "00", "0"};
        QTest::newRow("above 99 minutes") << 6'005'700 << QStringList{"100", "05", "7"};
    }
    void Display() {
        QFETCH(qint32, ms);
        QFETCH(QStringList, campi);
        const Tempo_crono t = Conta_tempo(ms);
        QCOMPARE((QStringList{t.minuti, t.secondi, t.decimi}), campi);
    }

    void Tick_counter_wraps() { QCOMPARE(Trascorsi_ms(-2'147'483'548, 2'147'483'548), 200); }

    void Load_state() {
        Banco b;
        QCOMPARE(b.Campi(), (QStringList{"min", "sec", "dec"}));
        QCOMPARE(b.frm.txt_valore_cv->text(), QString("5 sec"));
        QVERIFY(b.frm.Chk_avviso_acustico->isChecked());
        b.frm.Chk_avviso_acustico->setChecked(false);
        QVERIFY(!b.frm.txt_valore_cv->isEnabled());
        const QPointer<Frm_crono> aperto = new Frm_crono;
        aperto->show();
        QVERIFY(QTest::qWaitForWindowExposed(aperto));
        QTest::keyClick(aperto, Qt::Key_Escape);
        QTRY_VERIFY(aperto.isNull());
        QVERIFY(!b.frm.cmd_conto_rovescia->isEnabled());
        b.frm.Chk_avviso_acustico->setChecked(true);
        QVERIFY(b.frm.cmd_conto_rovescia->isEnabled());
    }

    void Beeps_data() {
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<bool>("attivo");
        QTest::addColumn<qint32>("fino_a");
        QTest::addColumn<int>("passo");
        QTest::addColumn<QList<int>>("multipli");
        QList<int> ogni_5;
        for (int s = 5; s <= 130; s += 5) ogni_5 << s; // 60 and 120: each new minute
        QTest::newRow("every 5 s") << "5" << true << 130'000 << 5 << ogni_5;
        QTest::newRow("warning off") << "5" << false << 130'000 << 5 << QList<int>{};
        QTest::newRow("2.5 rounds to 2") << "2.5" << true << 9000 << 2 << QList<int>{2, 4, 6, 8};
        QTest::newRow("3,5 rounds to 4") << "3,5" << true << 13000 << 4 << QList<int>{4, 8, 12};
    }
    void Beeps() {
        QFETCH(QString, periodo);
        QFETCH(bool, attivo);
        QFETCH(qint32, fino_a);
        QFETCH(int, passo);
        QFETCH(QList<int>, multipli);
        Banco b;
        b.risposta = periodo;
        b.frm.Imposta_frequenza();
        b.frm.Chk_avviso_acustico->setChecked(attivo);
        b.Avvia();
        b.frm.Tick(); // 0 at the very start never beeps
        b.Fino_a(fino_a);
        QCOMPARE(Multipli(b.beep, passo), multipli);
    }

    void Start_restarts_Stop_keeps() {
        Banco b;
        b.Avvia();
        b.Fino_a(7000);
        b.Avvia();
        b.frm.Tick(); // back to 0: no beep, although 7 s had armed the warning
        QCOMPARE(b.beep.size(), 1);
        b.Fino_a(2300);
        QCOMPARE(b.Campi(), (QStringList{"00", "02", "3"}));
        QCOMPARE(b.frm.Fre_crono->accessibleDescription(), QString("Tempo: 00:02.3")); // as one
        b.frm.Ferma();
        QVERIFY(!b.frm.Timer_1->isActive());
        b.ora += 5000;
        QCOMPARE(b.Campi(), (QStringList{"00", "02", "3"}));
    }

    void Refused_period_data() {
        QTest::addColumn<QString>("risposta");
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "cinque";
        QTest::newRow("half rounds to 0") << "0.5";
        QTest::newRow("negative") << "-3";
    }
    void Refused_period() {
        QFETCH(QString, risposta);
        Banco b;
        b.risposta = "7";
        b.frm.Imposta_frequenza();
        b.risposta = risposta;
        b.frm.Imposta_frequenza();
        QCOMPARE(b.frm.Periodo(), 7.0f);
        QCOMPARE(b.frm.txt_valore_cv->text(), QString("7 sec"));
        QCOMPARE(b.messaggi.size(), 1);
        b.risposta.reset(); // cancelled: no message
        b.frm.Imposta_frequenza();
        QCOMPARE(b.messaggi.size(), 1);
    }
};

QTEST_MAIN(Test_frm_crono)
#include "test_frm_crono.moc"
