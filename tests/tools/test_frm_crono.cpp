// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch on a clock of our own: what the fields read, when the warning sounds, the
// period the operator types.
#include "tests/support/riferimento_prova.h"
#include "tools/conteggio_crono.h"
#include "tools/frm_crono.h"

#include <QtTest>
#include <QtWidgets>

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
    void avvisi_a_ogni_periodo_data() { Righe_riferimento("frm_crono_avvisi.txt"); }
    void avvisi_a_ogni_periodo() {
        QFETCH(QStringList, r);
        Banco b;
        b.risposta = r[0];
        b.frm.Imposta_frequenza();
        b.frm.Chk_avviso_acustico->setChecked(r[1] == "1");
        b.Avvia();
        b.frm.Tick(); // 0 at the very start never beeps
        b.Fino_a(r[2].toInt());
        QStringList visti;
        const int passo = r[3].toInt();
        for (const qint32 ms : b.beep)
            visti << QString::number(qRound(ms / (1000.0 * passo)) * passo);
        QCOMPARE(visti.join(' '), r[4]);
    }

    // Start from the default 5 s period restarts, Stop keeps what it showed. A refused
    // period keeps the last one and says why; a cancelled one says nothing.
    void avvio_stop_e_periodo_rifiutato() {
        Banco b;
        b.Avvia();
        b.Fino_a(7000);
        b.Avvia();
        b.frm.Tick(); // back to 0: no beep, although 7 s had armed the warning
        QCOMPARE(b.beep.size(), 1);
        b.Fino_a(2300);
        b.frm.Ferma();
        QVERIFY(!b.frm.Timer_1->isActive());
        b.ora += 5000;
        QCOMPARE(b.frm.Txt_minuti->text() + ' ' + b.frm.Txt_secondi->text() + ' ' +
                     b.frm.Txt_decimi->text() + ' ' + b.frm.Fre_crono->accessibleDescription(),
                 "00 02 3 Tempo: 00:02.3"); // to a screen reader as one

        b.risposta = "7";
        b.frm.Imposta_frequenza();
        for (const char* risposta : {"", "cinque", "0.5", "-3"}) {
            b.risposta = risposta;
            b.frm.Imposta_frequenza();
        }
        b.risposta.reset();
        b.frm.Imposta_frequenza();
        QCOMPARE(b.frm.txt_valore_cv->text() + QString::number(double(b.frm.Periodo())) +
                     QString::number(b.messaggi.size()),
                 "7 sec74");
    }
};

QTEST_MAIN(Test_frm_crono)
#include "test_frm_crono.moc"
