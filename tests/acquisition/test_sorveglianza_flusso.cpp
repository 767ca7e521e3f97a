// SPDX-License-Identifier: GPL-3.0-or-later
// The watch over the board's stream during a set: a board silent for longer than allowed
// is noticed, and so is its return; a disturbed stream is told once per set, in the main
// window's status bar on a warning ground.
#include "acquisition/sorveglianza_flusso.h"
#include "platform/etichetta_accorciata.h"
#include "tests/support/banco_principale.h"
#include "tests/support/record_prova.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// A serial record 2 ms after the last, for a type 3 board (the session's factors until a
// board answers): 12000 counts a ms.
void Invia(Banco_principale& b, int posizione) {
    b.motore.Blocco_seriale(Byte_di(Record_seriale(posizione, 24000)));
}

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
    // Records now and then keep it quiet; then nothing for longer than the silence allowed
    // (1 s here): told once; the next record: told that the board is back. An impossible
    // record: told in the main window's status bar on a warning ground, beside the file
    // saved and with nothing modal (told once a set: the disturbed stream's test). After
    // the stop no board is expected to send anything; the next set starts with nothing to say.
    void scheda_muta_e_flusso_disturbato() {
        Banco_principale b;
        Frm_main& m = b.m;
        Sorveglianza_flusso muta(nullptr, 1000);
        b.motore.Aggiungi_vista(muta);
        QSignalSpy spia(m.Sorveglianza, &Sorveglianza_flusso::Avviso_cambiato);
        QSignalSpy silenzi(&muta, &Sorveglianza_flusso::Avviso_cambiato);
        b.motore.Inizia_acquisizione();
        int posizione = 0;
        QElapsedTimer silenzio;
        for (int i = 0; i < 6; ++i) {
            QTest::qWait(100);
            Invia(b, posizione += 6);
            silenzio.start();
        }
        QVERIFY(spia.size() == 1 && silenzi.size() == 1 && m.Lbl_flusso->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(silenzi.size(), 2, 5000);
        QVERIFY(silenzio.elapsed() >= 1000 && muta.Muta() && Allarme(silenzi, 1));
        QVERIFY2(Testo(silenzi, 1).startsWith("La scheda non invia dati da più di 1 s"),
                 qPrintable(Testo(silenzi, 1)));
        QTest::qWait(200);
        QCOMPARE(silenzi.size(), 2); // told once for the whole silence
        Invia(b, posizione += 6);
        QVERIFY(silenzi.size() == 3 && !muta.Muta() && !Allarme(silenzi, 2));
        QVERIFY2(Testo(silenzi, 2).startsWith("La scheda ha ripreso a inviare dati dopo"),
                 qPrintable(Testo(silenzi, 2)));

        Invia(b, 8000); // a position no board jumps to
        QCOMPARE(spia.size(), 2);
        QVERIFY(Allarme(spia, 1) && m.Lbl_flusso->isVisible() && m.Lbl_salvato->isVisible());
        QVERIFY2(m.Lbl_flusso->text().startsWith("Flusso della scheda disturbato"),
                 qPrintable(m.Lbl_flusso->text()));
        QCOMPARE(m.Lbl_flusso->palette().color(QPalette::Window), QColor(255, 140, 0));
        const qsizetype detti = silenzi.size();
        b.motore.Fine_acquisizione();
        QTest::qWait(1500);
        QCOMPARE(silenzi.size(), detti);
        b.motore.Inizia_acquisizione();
        QCOMPARE(spia.size(), 3);
        QVERIFY(Testo(spia, 2).isEmpty() && !Allarme(spia, 2) && m.Lbl_flusso->isHidden());
        QVERIFY(b.avvisi.elenco.isEmpty());
        b.motore.Togli_viste();
    }
};

QTEST_MAIN(Test_sorveglianza_flusso)
#include "test_sorveglianza_flusso.moc"
