// SPDX-License-Identifier: GPL-3.0-or-later
// The set analysis window: the rows of "Analisi serie", their alarm colour, opening it in
// the middle of a set, a repetition left out.
#include "analysis/colore_allarme.h"
#include "analysis/frm_analisi.h"

#include <QTableWidget>
#include <QtTest>

namespace {

// A set with a threshold of 20 %: the third and the fifth repetitions passed it.
const std::vector<Analisi_ripetizione> Serie{
    {812.4f, 845.6f, 0.456f, 612.5f, 1500.4f, 0.0f, false},
    {760.0f, 790.2f, 0.5f, 580.0f, 1400.0f, 6.4f, false},
    {600.0f, 640.0f, 0.38f, 455.0f, 1210.0f, 26.1f, true},
    {820.0f, 860.0f, 0.44f, 640.0f, 1550.0f, 0.0f, false},
    {550.0f, 575.0f, 0.6f, 420.0f, 1100.0f, 32.9f, true},
};

// Each row's texts, then for every cell: "!" in alarm colour with a tooltip, "x" greyed and
// said left out, "." plain.
QStringList Righe(const QTableWidget* tabella) {
    QStringList righe;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        QString testi, stato;
        for (int c = 0; c < tabella->columnCount(); ++c) {
            const QTableWidgetItem* cella = tabella->item(r, c);
            testi += cella->text() + QLatin1Char(';');
            const bool allarme = cella->background().color() == Colore_qt(Colore_allarme) &&
                                 cella->toolTip() == "Oltre la soglia di perdita";
            const bool esclusa = cella->foreground().color() == QColor(140, 140, 140) &&
                                 cella->toolTip() == "Ripetizione esclusa";
            stato += allarme ? '!' : esclusa ? 'x' : cella->toolTip().isEmpty() ? '.' : '?';
        }
        righe << testi + stato;
    }
    return righe;
}

} // namespace

class Test_frm_analisi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Velocities in m/s and durations 0.00, powers whole (a half away from zero), loss 0.0;
    // exactly the rows past the threshold in alarm, every cell, and not by colour alone.
    void righe_e_testi() {
        const QLocale it(QLocale::Italian);
        for (const auto& [locale, riga, testi] :
             {std::tuple(it, 0, "1;0,81;0,85;0,46;613;1500;0,0;......."),
              std::tuple(it, 4, "5;0,55;0,58;0,60;420;1100;32,9;!!!!!!!"),
              std::tuple(QLocale::c(), 2, "3;0.60;0.64;0.38;455;1210;26.1;!!!!!!!"),
              std::tuple(QLocale::c(), 3, "4;0.82;0.86;0.44;640;1550;0.0;.......")}) {
            Frm_analisi frm(locale);
            for (std::size_t i = 0; i < Serie.size(); ++i)
                frm.Ripetizione_analizzata(static_cast<int>(i), Serie[i]);
            QCOMPARE(Righe(frm.Lst_analisi).value(riga), QString(testi));
        }
    }

    // Opened in the middle of a set it shows the set so far, then follows the engine
    // through the relay; opened again it is the same window; a repetition left out or taken
    // back shows at once every loss as the engine worked it out again, the row greyed, never
    // in alarm; a reset empties it; closed, the relay tells nobody and the next opening is a
    // new window.
    void aperta_a_meta_serie() {
        std::vector<Analisi_ripetizione> serie = Serie;
        QPointer<Frm_analisi> finestra;
        Inoltro_frm_analisi inoltro(finestra, serie);
        inoltro.Ripetizione_analizzata(0, Serie[0]);
        inoltro.Esclusione_cambiata(0, true); // no window: nobody told
        const std::vector<Analisi_ripetizione> prime(Serie.begin(), Serie.begin() + 3);
        Frm_analisi* frm = Mostra_frm_analisi(finestra, prime, QLocale::c(), nullptr);
        for (std::size_t i = 3; i < Serie.size(); ++i)
            inoltro.Ripetizione_analizzata(static_cast<int>(i), Serie[i]);
        Frm_analisi tutta(QLocale::c());
        tutta.Mostra_serie(Serie);
        QCOMPARE(Righe(frm->Lst_analisi), Righe(tutta.Lst_analisi));
        QCOMPARE(Mostra_frm_analisi(finestra, {}, QLocale::c(), nullptr), frm);
        // The engine: the best repetition (row 3) left out, the losses after it smaller.
        serie[3].Esclusa = true;
        serie[4].Perdita = 27.5f;
        inoltro.Esclusione_cambiata(3, true);
        QCOMPARE(Righe(frm->Lst_analisi).mid(2),
                 (QStringList{"3;0.60;0.64;0.38;455;1210;26.1;!!!!!!!",
                              "4;0.82;0.86;0.44;640;1550;0.0;xxxxxxx",
                              "5;0.55;0.58;0.60;420;1100;27.5;!!!!!!!"}));
        serie[3].Esclusa = false;
        inoltro.Esclusione_cambiata(3, false);
        QCOMPARE(Righe(frm->Lst_analisi).value(3), Righe(tutta.Lst_analisi).value(3));

        inoltro.Misura_azzerata();
        QCOMPARE(frm->Lst_analisi->rowCount(), 0);
        QVERIFY(QTest::qWaitForWindowExposed(frm));
        QTest::keyClick(frm, Qt::Key_Escape);
        QTRY_VERIFY(finestra.isNull());
        inoltro.Ripetizione_analizzata(1, Serie[1]);
        frm = Mostra_frm_analisi(finestra, prime, QLocale::c(), nullptr);
        QCOMPARE(Righe(frm->Lst_analisi), Righe(tutta.Lst_analisi).mid(0, 3));
        delete frm;
    }
};

QTEST_MAIN(Test_frm_analisi)
#include "test_frm_analisi.moc"
