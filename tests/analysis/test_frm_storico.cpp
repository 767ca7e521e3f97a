// SPDX-License-Identifier: GPL-3.0-or-later
// The training log's windows on a known data folder. The profile, on an athlete with four
// tests: the exercise chosen, the points, the line and the estimate drawn and written; a V1rm
// typed in is stored with the athlete's choices; an exercise that cannot be estimated draws
// none; the load for today from a named or a typed velocity range. The log: its rows, the test
// a double click opens, two tests compared, the PDF of a day, the trend of best velocities
// and e1RM, the filters by exercise and dates, the readiness, the team's rows (where a double
// click switches the athlete) and a file the index cannot use.
#include "datafiles/scelte_analisi.h"
#include "log/frm_confronta.h"
#include "log/frm_profilo.h"
#include "log/frm_squadra.h"
#include "log/frm_storico.h"
#include "log/grafico_andamento.h"
#include "log/prontezza.h"
#include "log/riquadro_carico_oggi.h"
#include "platform/casella_decimale.h"
#include "platform/grafico_qcp.h"
#include "platform/grafico_xy.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/diario_prova.h"
#include "tests/support/file_prova.h"
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
QString Testi(const QTreeWidgetItem* riga) {
    QStringList t;
    for (int c = 0; c < riga->columnCount(); ++c)
        if (!riga->treeWidget()->isColumnHidden(c)) t << riga->text(c);
    return t.join(';');
}

void Doppio_clic(QTreeWidget* lista, int riga) {
    QTreeWidgetItem* r = lista->topLevelItem(riga);
    lista->scrollToItem(r);
    const QPoint punto = lista->visualItemRect(r).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
}
} // namespace

class Test_frm_storico : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Diario_prova diario;
    Avvisi_testi avvisi;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        Scrivi_test_retta(dir.path(), "Squat", {40, 60, 80, 100}, 1.5, -0.01, QLocale::c());
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
        QVERIFY2(f->Lbl_risultato->text().contains("e1RM: 120,0 ± 0,0 kg"),
                 qPrintable(f->Lbl_risultato->text()));

        // Typed with either separator; stored once, when done.
        Scrivi_numero(f->Txt_v1rm, "0.5");
        QVERIFY2(f->Lbl_risultato->text().contains("e1RM: 100,0 ± 0,0 kg"),
                 qPrintable(f->Lbl_risultato->text()));
        const Scelte_esercizio salvate = Leggi_scelte_analisi(dir.path(), "Squat");
        QCOMPARE((QList{salvate.V1rm, salvate.Perdita_max}), (QList{0.5f, 15.0f}));

        // Two tests at one load: no estimate drawn, the exercise's own V1rm.
        f->cbo_esercizio->setCurrentText("Panca");
        QCOMPARE(f->Txt_v1rm->value(), 0.17);
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

    // A folder outside a data folder: told, nothing written.
    void cartella_fuori_dai_dati() {
        QTemporaryDir sola;
        const Frm_profilo fuori(sola.path(), "Squat", avvisi);
        QVERIFY(fuori.Carico_oggi->Lbl_carico_oggi->text().contains("non è in una cartella dati"));
        QVERIFY(!QFileInfo::exists(QFileInfo(sola.path()).dir().filePath("../ini/storico.sqlite")));
    }

    void il_diario_di_un_atleta() {
        QPointer<Frm_storico> finestra;
        Frm_storico* f = Mostra_frm_storico(finestra, diario.dati, "Squadra A", "Rossi", avvisi,
                                            QLocale(QLocale::Italian), nullptr);
        f->resize(1000, 760);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(f->Lst_test->topLevelItemCount(), int(diario.rossi.size()));
        // The newest first, every column.
        QCOMPARE(Testi(f->Lst_test->topLevelItem(0)),
                 Giorni_fa(2).date().toString("dd/MM/yyyy") +
                     ";09:10;Squat;130,0;2;0,52;3,9;8,5;ultima pesante");
        // A double click asks to open the test's sample file.
        QSignalSpy aperti(f, &Frm_storico::Apri_test);
        Doppio_clic(f->Lst_test, 3);
        QCOMPARE(aperti.value(0).value(0).toString(), diario.file_rossi[4]);

        // Two tests compared, the older first: the left-out repetition off the graph, marked
        // in the table.
        QVERIFY(!f->Cmd_confronta->isEnabled() && !f->Confronta());
        f->Lst_test->clearSelection();
        f->Lst_test->topLevelItem(0)->setSelected(true); // 130 kg, third left out
        f->Lst_test->topLevelItem(1)->setSelected(true); // 100 kg the same day
        auto* c = qobject_cast<Frm_confronta*>(f->Confronta());
        QVERIFY(c);
        const Grafico_xy& xy = *c->Grafico_confronto;
        QVERIFY(xy.Nome_serie(1).contains("100,0 kg"));
        QCOMPARE((QList{xy.Punti(1), xy.Punti(2)}), (QList{3, 2}));
        QCOMPARE((QList{xy.Punto(1, 0), xy.Punto(2, 1)}), (QList{QPointF(1, 0.82), {2, 0.50}}));
        QCOMPARE(Testi(c->Lst_confronto->topLevelItem(2)), "3;0,79;esclusa");
        c->close();

        // The PDF of the selected day; cancelled, nothing written, nothing said.
        QString proposto;
        const QString file = dir.filePath("giorno.pdf");
        f->Imposta_scelta_pdf([&](QWidget*, const QString& p) { return proposto = p, file; });
        f->Lst_test->setCurrentItem(f->Lst_test->topLevelItem(3)); // five days ago
        f->Esporta_pdf();
        QVERIFY(proposto.startsWith(diario.cartella_rossi + "/Rapporto Rossi " +
                                    Giorni_fa(5).date().toString("yyyy-MM-dd")));
        QVERIFY2(avvisi.elenco.value(0).contains(QRegularExpression("\\(2 test, [12] pagine\\)")),
                 qPrintable(avvisi.elenco.value(0)));
        f->Imposta_scelta_pdf([](QWidget*, const QString&) { return QString(); });
        f->Esporta_pdf();
        QCOMPARE(avvisi.elenco.size(), 1);

        // The trend: one point per test, a colour per load (100, 120 and 130 kg), e1RM on the
        // days with two loads (nine, five and two days ago); a point names its test.
        f->cbo_esercizio->setCurrentText("Squat");
        QCOMPARE(f->Lst_test->topLevelItemCount(), 7);
        const Grafico_andamento& g = *f->Grafico_trend;
        const auto punti = g.Punti_velocita();
        QCOMPARE((QList{int(punti.size()), g.Serie_carichi(), int(g.Punti_e1rm().size())}),
                 (QList{7, 3, 3}));
        const QString testo = g.Testo_punto(g.Pixel_di(punti.back()));
        QVERIFY2(testo.contains("Squat, 130,0 kg: 0,52 m/s") && testo.contains("09:10"),
                 qPrintable(testo));
        // The dates narrow the rows and the trend.
        f->Chk_date->setChecked(true);
        f->Txt_dal->setDate(Giorni_fa(6).date());
        f->Txt_al->setDate(Giorni_fa(0).date());
        QCOMPARE((QList{f->Lst_test->topLevelItemCount(), int(g.Punti_velocita().size()),
                        int(g.Punti_e1rm().size())}),
                 (QList{4, 4, 2}));
        f->Txt_al->setDate(Giorni_fa(3).date());
        QCOMPARE(f->Lst_test->topLevelItemCount(), 2);
        f->Chk_date->setChecked(false);
        f->cbo_esercizio->setCurrentText("Panca piana");
        QCOMPARE(Testi(f->Lst_test->topLevelItem(0)).section(';', 3, 3), "60,0");
        // The latest day's readiness (its text is the report's, test_rapporto), its day and
        // verdict in words to a screen reader too.
        const QString detto = f->Lbl_prontezza->accessibleDescription();
        QVERIFY2(detto.startsWith("Ultimo giorno di test: ") && detto.contains("0,82 m/s") &&
                     !detto.contains('<'),
                 qPrintable(detto));

        // The team: tests in the last 7 and 28 days (seven days ago is out of the first),
        // the best e1RM; the same window again; a double click on a row opens
        // that athlete's log, from a row of Rossi's that Bianchi's shorter log does not have.
        f->cbo_esercizio->setCurrentText("Squat");
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f, Qt::Key_S, Qt::AltModifier);       // "&Squadra..."
        QTRY_VERIFY(f->findChild<Frm_squadra*>() != nullptr); // after the button's press
        Frm_squadra* s = f->findChild<Frm_squadra*>();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        const QTreeWidgetItem* r = s->Lst_squadra->topLevelItem(1);
        QCOMPARE((QStringList{r->text(0), r->text(1), r->text(2).section(' ', 0, 0),
                              r->text(2).section(' ', -1), r->text(4), r->text(5)}),
                 (QStringList{"Rossi", Giorni_fa(2).date().toString("dd/MM/yyyy"), "Squat", "kg",
                              "4", "8"}));
        QCOMPARE(s->Lst_squadra->topLevelItem(0)->text(Frm_squadra::Test_7), "1");
        QCOMPARE(f->Mostra_squadra(), s);
        f->Lst_test->setCurrentItem(f->Lst_test->topLevelItem(3));
        Doppio_clic(s->Lst_squadra, 0);
        QCOMPARE(f->Atleta(), QString("Bianchi"));
        QCOMPARE(f->Lst_test->topLevelItemCount(), 1);
        QCOMPARE(f->Lst_test->currentItem(), f->Lst_test->topLevelItem(0));
        // A file the index cannot use is named under the choices.
        QVERIFY(f->Lbl_scartati->isHidden());
        Scrivi(diario.dati + "/Squadra A/Bianchi/Rotto ripetizioni.csv", "\x01");
        f->Cmd_aggiorna->click();
        QVERIFY2(f->Lbl_scartati->isVisible() &&
                     f->Lbl_scartati->text().contains("Rotto ripetizioni.csv: non è un file"),
                 qPrintable(f->Lbl_scartati->text()));
        QCOMPARE(avvisi.elenco.size(), 1);
        avvisi.elenco.clear();

        // Another station's test comes from the club: listed with its station in the log and
        // the team, the chosen test kept; its files are at that station, said calmly.
        Riga_test altrove = f->Righe().front().test;
        altrove.file_campioni = altrove.file_record = altrove.file_sommario = {};
        altrove.file_analisi = {};
        altrove.id = "club-1";
        altrove.stazione = "Rack 2";
        altrove.quando = altrove.quando.addDays(1);
        QVERIFY(Indice_test(diario.dati).Salva_dal_club({altrove}, {}));
        f->Ricarica();
        QCOMPARE(f->Lst_test->currentItem(), f->Lst_test->topLevelItem(1));
        QCOMPARE(Testi(f->Lst_test->topLevelItem(0)).section(';', -1), "Rack 2");
        QVERIFY(
            s->Lst_squadra->topLevelItem(0)->text(Frm_squadra::Ultimo_test).endsWith("(Rack 2)"));
        Doppio_clic(f->Lst_test, 0);
        QCOMPARE(avvisi.elenco.value(0), "I file di questo test sono alla stazione Rack 2.");
        avvisi.elenco.clear();
        delete f;
    }
};

QTEST_MAIN(Test_frm_storico)
#include "test_frm_storico.moc"
