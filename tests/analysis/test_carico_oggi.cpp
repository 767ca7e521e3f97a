// SPDX-License-Identifier: GPL-3.0-or-later
// The load for today in the profile window: a named range of the data folder's settings or
// a typed one gives the load range of the athlete's current profile and its per cent of
// the e1RM; fewer than two loads, or a folder outside a data folder, are told.
#include "analysis/frm_profilo.h"
#include "analysis/riquadro_carico_oggi.h"
#include "platform/casella_decimale.h"
#include "storico/indice_test.h"
#include "storico/prontezza.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/diario_prova.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void Scrivi_numero(Casella_decimale* casella, const QString& testo) {
    QLineEdit* campo = casella->findChild<QLineEdit*>();
    campo->selectAll();
    QTest::keyClicks(campo, testo);
    QTest::keyClick(campo, Qt::Key_Return);
}
} // namespace

class Test_carico_oggi : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Diario_prova diario;
    const std::vector<Riga_test>& rossi = diario.rossi;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        diario = Diario_indicizzato(dir.filePath("dati"));
        QVERIFY(
            !Salva_zone_velocita(diario.dati, {{"Forza", 0.50, 0.75}, {"Mia zona", 0.60, 0.80}}));
    }

    void named_and_typed_ranges() {
        Avvisi_testi avvisi;
        QPointer<Frm_profilo> finestra;
        Frm_profilo* f =
            Mostra_frm_profilo(finestra, diario.cartella_rossi, "Squat", avvisi, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        Riquadro_carico_oggi& c = *f->Carico_oggi;
        // The data folder's ranges, then the typed one.
        QCOMPARE(c.cbo_zona->count(), 3);
        QCOMPARE(c.cbo_zona->itemText(1), QString("Mia zona (0,60\u20130,80 m/s)"));
        QCOMPARE(c.cbo_zona->itemText(2), QString("Personalizzata"));

        c.cbo_zona->setCurrentIndex(0);
        const Carico_oggi forza =
            Calcola_carico_oggi(rossi, diario.cartella_rossi, "Squat", 0.5, 0.75);
        QVERIFY(forza.rifiuto.isEmpty());
        QCOMPARE(c.Risultato().carico_minimo, forza.carico_minimo);
        QCOMPARE(c.Risultato().carico_massimo, forza.carico_massimo);
        QCOMPARE(std::fmod(forza.carico_minimo, 2.5), 0.0);
        const QLocale it(QLocale::Italian);
        const QString atteso =
            QString("Per 0,50\u20130,75 m/s: %1\u2013%2 kg, dal %3 al %4 % dell'e1RM")
                .arg(it.toString(forza.carico_minimo, 'f', 1),
                     it.toString(forza.carico_massimo, 'f', 1),
                     it.toString(*forza.percento_minimo, 'f', 0),
                     it.toString(*forza.percento_massimo, 'f', 0));
        QVERIFY2(c.Lbl_carico_oggi->text().contains(atteso), qPrintable(c.Lbl_carico_oggi->text()));

        c.cbo_zona->setCurrentIndex(1);
        QCOMPARE(c.Txt_vmin->value(), 0.60);
        QCOMPARE(c.Txt_vmax->value(), 0.80);
        QVERIFY(c.Lbl_carico_oggi->text().contains("Per 0,60\u20130,80 m/s"));

        // Typed numbers are the operator's own range.
        Scrivi_numero(c.Txt_vmin, "0,55");
        Scrivi_numero(c.Txt_vmax, "0.65");
        QCOMPARE(c.cbo_zona->currentText(), QString("Personalizzata"));
        const Carico_oggi mia =
            Calcola_carico_oggi(rossi, diario.cartella_rossi, "Squat", 0.55, 0.65);
        QCOMPARE(c.Risultato().carico_minimo, mia.carico_minimo);
        QCOMPARE(c.Risultato().carico_massimo, mia.carico_massimo);
        QVERIFY(c.Lbl_carico_oggi->text().contains("Per 0,55\u20130,65 m/s"));
        // A range below V1rm stops at the e1RM, and says so.
        Scrivi_numero(c.Txt_vmin, "0,15");
        Scrivi_numero(c.Txt_vmax, "0,50");
        QVERIFY2(c.Lbl_carico_oggi->text().contains("al 100 % dell'e1RM") &&
                     c.Lbl_carico_oggi->text().contains("limitato all'e1RM"),
                 qPrintable(c.Lbl_carico_oggi->text()));
        // Typed back onto a named range, it is that range.
        Scrivi_numero(c.Txt_vmin, "0,5");
        Scrivi_numero(c.Txt_vmax, "0,75");
        QCOMPARE(c.cbo_zona->currentIndex(), 0);

        // One load only: said, no range.
        f->cbo_esercizio->setCurrentText("Panca piana");
        QVERIFY(!c.Risultato().rifiuto.isEmpty());
        QVERIFY2(c.Lbl_carico_oggi->text().contains("meno di due carichi"),
                 qPrintable(c.Lbl_carico_oggi->text()));
        // Its quoted exercise reads as quotes, not as the HTML that escapes them.
        QVERIFY(c.Lbl_carico_oggi->textFormat() == Qt::RichText ||
                !c.Lbl_carico_oggi->text().contains("&quot;"));
        QVERIFY(avvisi.elenco.isEmpty());
        f->close();
    }

    void outside_a_data_folder() {
        QTemporaryDir sola;
        Avvisi_testi avvisi;
        Frm_profilo f(sola.path(), "Squat", avvisi);
        QVERIFY(f.Carico_oggi->Lbl_carico_oggi->text().contains("non è in una cartella dati"));
        // Nothing is written beside it.
        QVERIFY(!QFileInfo::exists(QFileInfo(sola.path()).dir().filePath("../ini/storico.sqlite")));
        QVERIFY(avvisi.elenco.isEmpty());
    }
};

QTEST_MAIN(Test_carico_oggi)
#include "test_carico_oggi.moc"
