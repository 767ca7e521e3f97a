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

} // namespace

class Test_frm_crono : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Seconds and tenths truncated, minutes past 99; the tick counter wraps.
    void campi_del_tempo() {
        const std::pair<qint32, QString> casi[] = {
            {61250, "01 01 2"}, {59999, "00 59 9"}, {120000, "02 00 0"}, {6'005'700, "100 05 7"}};
        for (const auto& [ms, campi] : casi) {
            const Tempo_crono t = Conta_tempo(ms);
            QCOMPARE((QStringList{t.minuti, t.secondi, t.decimi}).join(' '), campi);
        }
        QCOMPARE(Trascorsi_ms(-2'147'483'548, 2'147'483'548), 200);
    }

    // The beeps stand at the whole multiples of the period (typed, rounded to whole
    // seconds), each new minute among them; none with the warning off.
    void avvisi_a_ogni_periodo() {
        QList<int> ogni_5;
        for (int s = 5; s <= 130; s += 5) ogni_5 << s;
        const std::tuple<QString, bool, qint32, int, QList<int>> casi[] = {
            {"5", true, 130'000, 5, ogni_5},
            {"5", false, 130'000, 5, {}},
            {"2.5", true, 9000, 2, {2, 4, 6, 8}},
            {"3,5", true, 13000, 4, {4, 8, 12}}};
        for (const auto& [periodo, attivo, fino_a, passo, multipli] : casi) {
            Banco b;
            b.risposta = periodo;
            b.frm.Imposta_frequenza();
            b.frm.Chk_avviso_acustico->setChecked(attivo);
            b.Avvia();
            b.frm.Tick(); // 0 at the very start never beeps
            b.Fino_a(fino_a);
            QList<int> visti;
            for (const qint32 ms : b.beep) visti << qRound(ms / (1000.0 * passo)) * passo;
            QCOMPARE(visti, multipli);
        }
    }

    // Start from the default 5 s period restarts, Stop keeps what it showed.
    void avvio_riparte_e_stop_tiene() {
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

    // A refused period keeps the last one and says why; a cancelled one says nothing. The
    // check box switches the period's controls; Esc closes the window.
    void periodo_rifiutato_e_controlli() {
        for (const char* risposta : {"", "cinque", "0.5", "-3"}) {
            Banco b;
            b.risposta = "7";
            b.frm.Imposta_frequenza();
            b.risposta = risposta;
            b.frm.Imposta_frequenza();
            QCOMPARE(b.frm.Periodo(), 7.0f);
            QCOMPARE(b.frm.txt_valore_cv->text(), QString("7 sec"));
            QCOMPARE(b.messaggi.size(), 1);
            b.risposta.reset();
            b.frm.Imposta_frequenza();
            QCOMPARE(b.messaggi.size(), 1);
        }
        Banco b;
        b.frm.Chk_avviso_acustico->setChecked(false);
        QVERIFY(!b.frm.txt_valore_cv->isEnabled() && !b.frm.cmd_conto_rovescia->isEnabled());
        b.frm.Chk_avviso_acustico->setChecked(true);
        QVERIFY(b.frm.txt_valore_cv->isEnabled() && b.frm.cmd_conto_rovescia->isEnabled());
        const QPointer<Frm_crono> aperto = new Frm_crono;
        aperto->show();
        QVERIFY(QTest::qWaitForWindowExposed(aperto));
        QTest::keyClick(aperto, Qt::Key_Escape);
        QTRY_VERIFY(aperto.isNull());
    }
};

QTEST_MAIN(Test_frm_crono)
#include "test_frm_crono.moc"
