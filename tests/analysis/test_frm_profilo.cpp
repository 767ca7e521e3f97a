// SPDX-License-Identifier: GPL-3.0-or-later
// The profile window. On an athlete with four tests: the exercise
// chosen, the points, the line and the estimate drawn and written; a V1rm typed in is stored
// with the athlete's choices; an exercise that cannot be estimated shows why. On a data
// folder: the load for today from a named or a typed velocity range.
#include "datafiles/scelte_analisi.h"
#include "log/frm_profilo.h"
#include "log/prontezza.h"
#include "log/riquadro_carico_oggi.h"
#include "platform/casella_decimale.h"
#include "platform/grafico_xy.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/diario_prova.h"
#include "tests/support/profilo_prova.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// Typed over the field as an operator types, then Return.
void Scrivi_numero(Casella_decimale* casella, const QString& testo) {
    QLineEdit* campo = casella->findChild<QLineEdit*>();
    campo->selectAll();
    QTest::keyClicks(campo, testo);
    QTest::keyClick(campo, Qt::Key_Return);
}
} // namespace

class Test_frm_profilo : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Diario_prova diario;
    Avvisi_testi avvisi;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        QStringList nomi;
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80, 100}, 1.5, -0.01, QLocale::c(), 0,
                          &nomi);
        QVERIFY(QFile::copy(nomi[0], dir.filePath("Z copia.csv"))); // counted once
        // Two tests at one load: 50.04 kg is written 50,0.
        Scrivi_test_retta(dir.path(), "Panca", {50, 50.04}, 0.9, -0.01, QLocale::c(), 10);
        Scelte_esercizio scelte;
        scelte.Perdita_max = 15;
        scelte.V1rm = 0.30f;
        QVERIFY(!Salva_scelte_analisi(dir.path(), "Squat", scelte));
        diario = Diario_indicizzato(dir.filePath("dati"));
        QVERIFY(
            !Salva_zone_velocita(diario.dati, {{"Forza", 0.50, 0.75}, {"Mia zona", 0.60, 0.80}}));
    }
    void cleanup() { QCOMPARE(avvisi.elenco, QStringList()); }

    void stima_e_v1rm_salvata() {
        QPointer<Frm_profilo> finestra;
        Frm_profilo* f = Mostra_frm_profilo(finestra, dir.path(), "squat", avvisi, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->cbo_esercizio->currentText() + f->Lst_punti->topLevelItem(0)->text(0) +
                     QString::number(f->Lst_punti->topLevelItemCount()),
                 "Squat40,04");
        const Grafico_xy& g = *f->Grafico_profilo;
        QCOMPARE((QList{g.Punti(Frm_profilo::Serie_test), g.Punti(Frm_profilo::Serie_retta),
                        g.Punti(Frm_profilo::Serie_stima)}),
                 (QList{4, 2, 1}));
        QVERIFY(std::abs(g.Punto(Frm_profilo::Serie_stima, 0).x() - 120) < 1.2);
        const QString risultato = f->Lbl_risultato->text();
        QVERIFY2(risultato.contains("e1RM: 120,0 kg") &&
                     risultato.contains("Z copia.csv: copia di Squat_"),
                 qPrintable(risultato));

        // Typed with either separator; stored once, when done.
        Scrivi_numero(f->Txt_v1rm, "0.5");
        QVERIFY2(f->Lbl_risultato->text().contains("e1RM: 100,0 kg"),
                 qPrintable(f->Lbl_risultato->text()));
        const Scelte_esercizio salvate = Leggi_scelte_analisi(dir.path(), "Squat");
        QCOMPARE((QList{salvate.V1rm, salvate.Perdita_max}), (QList{0.5f, 15.0f}));

        // Two tests at one load: the reason, no estimate, the exercise's own V1rm.
        f->cbo_esercizio->setCurrentText("Panca");
        QCOMPARE(f->Txt_v1rm->value(), 0.17);
        QVERIFY(f->Lbl_risultato->text().contains("almeno due carichi diversi") &&
                !f->Lbl_risultato->text().contains("e1RM"));
        QCOMPARE(g.Punti(Frm_profilo::Serie_stima) + g.Punti(Frm_profilo::Serie_retta), 0);

        // Opened again from the menu: the same window, back on the current exercise.
        QCOMPARE(Mostra_frm_profilo(finestra, dir.path(), "Squat", avvisi, nullptr), f);
        QCOMPARE(f->cbo_esercizio->currentText() + QString::number(f->Txt_v1rm->value()),
                 "Squat0.5");
        f->close();
        QTRY_VERIFY(!finestra);
    }

    // The data folder's ranges, then the typed one, give the load range of the athlete's
    // current profile and its per cent of the e1RM.
    void carico_di_oggi_per_zona_nominata_o_scritta() {
        Frm_profilo f(diario.cartella_rossi, "Squat", avvisi);
        f.show();
        Riquadro_carico_oggi& c = *f.Carico_oggi;
        c.cbo_zona->setCurrentIndex(0);
        const QString testo = c.Lbl_carico_oggi->text();
        QVERIFY2(testo.contains(QRegularExpression("Per 0,50–0,75 m/s: \\d+,\\d–\\d+,\\d kg, "
                                                   "dal \\d+ al \\d+ % dell'e1RM")),
                 qPrintable(testo));

        c.cbo_zona->setCurrentIndex(1);
        QVERIFY(c.Lbl_carico_oggi->text().contains("Per 0,60\u20130,80 m/s"));

        Scrivi_numero(c.Txt_vmin, "0,55");
        Scrivi_numero(c.Txt_vmax, "0.65");
        QCOMPARE(c.cbo_zona->currentText(), QString("Personalizzata"));
        QVERIFY(c.Lbl_carico_oggi->text().contains("Per 0,55\u20130,65 m/s"));
        // Typed back onto a named range, it is that range.
        Scrivi_numero(c.Txt_vmin, "0,5");
        Scrivi_numero(c.Txt_vmax, "0,75");
        QCOMPARE(c.cbo_zona->currentIndex(), 0);

        // One load only: said, its quoted exercise as quotes, not as the HTML escaping them.
        f.cbo_esercizio->setCurrentText("Panca piana");
        QVERIFY2(c.Lbl_carico_oggi->text().contains("meno di due carichi"),
                 qPrintable(c.Lbl_carico_oggi->text()));
        QVERIFY(c.Lbl_carico_oggi->textFormat() == Qt::RichText ||
                !c.Lbl_carico_oggi->text().contains("&quot;"));
    }

    // A folder that does not exist, or one outside a data folder: told, nothing written.
    void cartella_senza_test_o_fuori_dai_dati() {
        const Frm_profilo nessuna(dir.filePath("nessuno"), "Squat", avvisi);
        QVERIFY(nessuna.Lbl_risultato->text().contains("non esiste"));
        QCOMPARE(nessuna.Grafico_profilo->Punti(Frm_profilo::Serie_test), 0);
        QTemporaryDir sola;
        const Frm_profilo fuori(sola.path(), "Squat", avvisi);
        QVERIFY(fuori.Carico_oggi->Lbl_carico_oggi->text().contains("non è in una cartella dati"));
        QVERIFY(!QFileInfo::exists(QFileInfo(sola.path()).dir().filePath("../ini/storico.sqlite")));
    }
};

QTEST_MAIN(Test_frm_profilo)
#include "test_frm_profilo.moc"
