// SPDX-License-Identifier: GPL-3.0-or-later
// The log window on a known data folder: its rows, filtered by exercise and dates, and the
// test a double click opens; the trend of best velocities and e1RM; two tests compared; the
// PDF of a day; the team's rows, where a double click switches the athlete.
#include "analysis/frm_confronta.h"
#include "analysis/frm_squadra.h"
#include "analysis/frm_storico.h"
#include "analysis/grafico_andamento.h"
#include "platform/grafico_qcp.h"
#include "platform/grafico_xy.h"
#include "storico/squadra.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/diario_prova.h"
#include "tests/support/file_prova.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList Testi(const QTreeWidgetItem* riga) {
    QStringList t;
    for (int c = 0; c < riga->columnCount(); ++c) t << riga->text(c);
    return t;
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
    const std::vector<Riga_test>& rossi = diario.rossi;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        diario = Diario_indicizzato(dir.filePath("dati"));
    }

    void righe_e_filtri_del_diario() {
        Avvisi_testi avvisi;
        QPointer<Frm_storico> finestra;
        Frm_storico* f = Mostra_frm_storico(finestra, diario.dati, "Squadra A", "Rossi", avvisi,
                                            QLocale(QLocale::Italian), nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->Squadra(), QString("Squadra A"));
        QCOMPARE(f->Atleta(), QString("Rossi"));
        QCOMPARE(f->cbo_atleta->count(), 2); // any athlete of the team
        const auto tutte = Righe_diario(rossi, {});
        QCOMPARE(f->Lst_test->topLevelItemCount(), int(tutte.size()));
        for (int i = 0; i < int(tutte.size()); ++i)
            QCOMPARE(f->Righe()[std::size_t(i)].quando, tutte[std::size_t(i)].quando);
        // The newest first, every column.
        QCOMPARE(Testi(f->Lst_test->topLevelItem(0)),
                 QStringList({Giorni_fa(2).date().toString("dd/MM/yyyy"), "09:10", "Squat", "130,0",
                              "2", "0,52", "3,9", "8,5", "ultima pesante"}));
        QCOMPARE(f->Lst_test->topLevelItem(3)->text(Frm_storico::Nota), QString("ginocchio ok"));
        // A double click asks to open the test's sample file.
        QSignalSpy aperti(f, &Frm_storico::Apri_test);
        Doppio_clic(f->Lst_test, 3);
        QCOMPARE(aperti.size(), 1);
        QCOMPARE(aperti[0][0].toString(), diario.file_rossi[4]);

        // By exercise.
        f->cbo_esercizio->setCurrentText("Panca piana");
        QCOMPARE(f->Lst_test->topLevelItemCount(), 1);
        QCOMPARE(f->Lst_test->topLevelItem(0)->text(Frm_storico::Carico), QString("60,0"));
        // By exercise and dates: the last six days' squats.
        f->cbo_esercizio->setCurrentText("Squat");
        f->Chk_date->setChecked(true);
        f->Txt_dal->setDate(Giorni_fa(6).date());
        f->Txt_al->setDate(Giorni_fa(0).date());
        QCOMPARE(f->Lst_test->topLevelItemCount(), 4);
        f->Txt_al->setDate(Giorni_fa(3).date());
        QCOMPARE(f->Lst_test->topLevelItemCount(), 2);
        f->Chk_date->setChecked(false);
        QCOMPARE(f->Lst_test->topLevelItemCount(), 7);
        // The latest day's readiness, its day and verdict in words to a screen reader too.
        QVERIFY2(f->Lbl_prontezza->text().contains("Prontezza Squat (100,0 kg): 0,82 m/s"),
                 qPrintable(f->Lbl_prontezza->text()));
        const QString detto = f->Lbl_prontezza->accessibleDescription();
        QVERIFY2(detto.startsWith("Ultimo giorno di test: ") && detto.contains("0,82 m/s") &&
                     !detto.contains('<'),
                 qPrintable(detto));

        // Another athlete of the team.
        f->cbo_atleta->setCurrentText("Bianchi");
        QCOMPARE(f->Lst_test->topLevelItemCount(), 1);
        QCOMPARE(f->windowTitle(), QString("Storico atleta: Bianchi"));
        QVERIFY(avvisi.elenco.isEmpty());
        // A file the index cannot use is named under the choices.
        QVERIFY(f->Lbl_scartati->isHidden());
        const QString rotto = diario.dati + "/Squadra A/Bianchi/Rotto ripetizioni.csv";
        Scrivi(rotto, "\x01");
        f->Cmd_aggiorna->click();
        QVERIFY2(f->Lbl_scartati->isVisible() &&
                     f->Lbl_scartati->text().contains("Rotto ripetizioni.csv: non è un file"),
                 qPrintable(f->Lbl_scartati->text()));
        QVERIFY(QFile::remove(rotto));
        f->close();
    }

    void andamento_punti_e_linea_e1rm() {
        Avvisi_testi avvisi;
        Frm_storico f(diario.dati, "Squadra A", "Rossi", avvisi, QLocale(QLocale::Italian));
        f.resize(1000, 760);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.cbo_esercizio->setCurrentText("Squat");
        const Andamento atteso = Andamento_esercizio(rossi, "Squat");
        const Grafico_andamento& g = *f.Grafico_trend;
        const auto punti = g.Punti_velocita();
        QCOMPARE(punti.size(), std::size_t(7));
        for (std::size_t i = 0; i < punti.size(); ++i) {
            QCOMPARE(punti[i].x(), double(atteso.punti[i].quando.toSecsSinceEpoch()));
            QCOMPARE(punti[i].y(), atteso.punti[i].velocita);
        }
        QCOMPARE(g.Serie_carichi(), 3); // 100, 120 and 130 kg: one colour each
        // Days with two loads: nine, five and two days ago; not seven (one load of squat).
        const auto e1rm = g.Punti_e1rm();
        QCOMPARE(e1rm.size(), std::size_t(3));
        for (std::size_t i = 0; i < e1rm.size(); ++i) QCOMPARE(e1rm[i].y(), atteso.e1rm[i].e1rm);
        // A point names its test.
        const QString testo = g.Testo_punto(g.Pixel_di(punti.back()));
        QVERIFY2(testo.contains("Squat, 130,0 kg: 0,52 m/s") && testo.contains("09:10"),
                 qPrintable(testo));
        QVERIFY(g.Testo_punto(QPoint(2, 2)).isEmpty());

        // The dates filter narrows the trend too.
        f.Chk_date->setChecked(true);
        f.Txt_dal->setDate(Giorni_fa(6).date());
        QCOMPARE(int(g.Punti_velocita().size()), 4);
        QCOMPARE(int(g.Punti_e1rm().size()), 2);
        // However few the days shown, each date is labelled once.
        f.Txt_dal->setDate(Giorni_fa(2).date());
        g.Piano()->replot();
        const QVector<QString> date = g.Piano()->xAxis->tickVectorLabels();
        QVERIFY(!date.isEmpty());
        QCOMPARE(QSet<QString>(date.begin(), date.end()).size(), date.size());
    }

    void squadra_a_colpo_d_occhio() {
        Avvisi_testi avvisi;
        Frm_storico f(diario.dati, "Squadra A", "Rossi", avvisi, QLocale(QLocale::Italian));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);     // "&Squadra..."
        QTRY_VERIFY(f.findChild<Frm_squadra*>() != nullptr); // after the button's press
        Frm_squadra* s = f.findChild<Frm_squadra*>();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCOMPARE(s->Lst_squadra->topLevelItemCount(), 2);
        const QTreeWidgetItem* bianchi = s->Lst_squadra->topLevelItem(0);
        const QTreeWidgetItem* rossi_riga = s->Lst_squadra->topLevelItem(1);
        // Tests in the last 7 and 28 days: seven days ago is out of the first.
        QCOMPARE(
            (QStringList{bianchi->text(Frm_squadra::Atleta), bianchi->text(Frm_squadra::Test_7),
                         rossi_riga->text(Frm_squadra::Ultimo_test),
                         rossi_riga->text(Frm_squadra::Test_7),
                         rossi_riga->text(Frm_squadra::Test_28)}),
            (QStringList{"Bianchi", "1", Giorni_fa(2).date().toString("dd/MM/yyyy"), "4", "8"}));
        QVERIFY(rossi_riga->text(Frm_squadra::Prontezza).contains("Squat"));
        // Against storico's own rows.
        Indice_test indice(diario.dati);
        const auto righe = Righe_squadra(indice, "Squadra A", QDate::currentDate());
        QCOMPARE(rossi_riga->text(Frm_squadra::E1rm),
                 QString("Squat %1 kg")
                     .arg(QLocale(QLocale::Italian).toString(righe[1].e1rm.front().e1rm, 'f', 1)));
        // The same window again, and a double click opens that athlete's log.
        QCOMPARE(f.Mostra_squadra(), s);
        // From a row of Rossi's that Bianchi's shorter log does not have.
        f.Lst_test->setCurrentItem(f.Lst_test->topLevelItem(3));
        Doppio_clic(s->Lst_squadra, 0);
        QCOMPARE(f.Atleta(), QString("Bianchi"));
        QCOMPARE(f.Lst_test->topLevelItemCount(), 1);
        QCOMPARE(f.Lst_test->currentItem(), f.Lst_test->topLevelItem(0));
    }

    // Two tests compared, the older first; the PDF of the selected day.
    void confronto_e_pdf_del_giorno() {
        Avvisi_testi avvisi;
        Frm_storico f(diario.dati, "Squadra A", "Rossi", avvisi, QLocale(QLocale::Italian));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(!f.Cmd_confronta->isEnabled() && !f.Confronta());
        f.Lst_test->topLevelItem(0)->setSelected(true); // 130 kg, third left out
        f.Lst_test->topLevelItem(1)->setSelected(true); // 100 kg the same day
        QVERIFY(f.Cmd_confronta->isEnabled());
        auto* c = qobject_cast<Frm_confronta*>(f.Confronta());
        QVERIFY(c);
        const Grafico_xy& g = *c->Grafico_confronto;
        // The left-out repetition off the graph, marked in the table.
        QVERIFY(g.Nome_serie(1).contains("100,0 kg"));
        QCOMPARE((QList{g.Punti(1), g.Punti(2)}), (QList{3, 2}));
        QCOMPARE(g.Punto(1, 0), QPointF(1, 0.82));
        QCOMPARE(g.Punto(2, 1), QPointF(2, 0.50));
        QCOMPARE(c->Lst_confronto->topLevelItemCount(), 3);
        QCOMPARE(Testi(c->Lst_confronto->topLevelItem(2)), QStringList({"3", "0,79", "esclusa"}));
        c->close();

        QString proposto;
        const QString file = dir.filePath("giorno.pdf");
        f.Imposta_scelta_pdf([&](QWidget*, const QString& p) {
            proposto = p;
            return file;
        });
        f.Lst_test->setCurrentItem(f.Lst_test->topLevelItem(3)); // five days ago
        f.Esporta_pdf();
        QVERIFY(proposto.startsWith(diario.cartella_rossi + "/Rapporto Rossi " +
                                    Giorni_fa(5).date().toString("yyyy-MM-dd")));
        QCOMPARE(avvisi.elenco.size(), 1);
        QVERIFY2(avvisi.elenco[0].contains(QRegularExpression("\\(2 test, [12] pagine\\)")),
                 qPrintable(avvisi.elenco[0]));
        QCOMPARE(Contenuto(file).left(5), QByteArray("%PDF-"));
        // Cancelled: nothing written, nothing said.
        f.Imposta_scelta_pdf([](QWidget*, const QString&) { return QString(); });
        f.Esporta_pdf();
        QCOMPARE(avvisi.elenco.size(), 1);
    }
};

QTEST_MAIN(Test_frm_storico)
#include "test_frm_storico.moc"
