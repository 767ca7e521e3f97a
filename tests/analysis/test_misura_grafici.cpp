// SPDX-License-Identifier: GPL-3.0-or-later
// A measurement through the real engine into the graph window: rows, repetition graph,
// slider, display and cursors agree, and a reset empties everything; the velocity the set
// is judged by is the one shown and named; a repetition left out from the value list is
// greyed there and hollow on the repetition graph.
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "session/sessione.h"
#include "stream/fascia.h"
#include "stream/motore_misura.h"
#include "tests/support/serie_prova.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Misura {
    QTemporaryDir cartella;
    Sessione s;
    Frm_grafici frm;
    Motore_misura motore;
    explicit Misura(Velocita_riferimento riferimento = Velocita_riferimento::Vmedia_tabella)
        : frm(s, QLocale::c()), motore(s, QLocale::c()) {
        motore.Aggiungi_vista(frm);
        frm.Imposta_lista(&motore.Lst_valori());
        frm.Imposta_analisi(&motore.Analisi());
        // What the main window does with the operator's requests.
        QObject::connect(
            &frm, &Frm_grafici::Esclusione_richiesta, &frm,
            [this](int numero, bool esclusa) { motore.Imposta_esclusa(numero, esclusa); });
        s.Riferimento = riferimento;
        Imposta_sollevamenti(s);
        s.Soglia_perdita = 100; // the band's colours, never the loss alarm over them
        motore.Inizia_acquisizione();
    }
    // Row `riga` as each column shows it: greyed or not, and said so.
    QList<bool> Grigia(int riga) const {
        QList<bool> grigia;
        const QAbstractItemModel& modello = *frm.Valori().Tabella()->model();
        for (int c = 0; c < Elenco_valori::Colonne; ++c) {
            const QModelIndex cella = modello.index(riga, c);
            const bool colore =
                cella.data(Qt::ForegroundRole).value<QColor>() == QColor(140, 140, 140);
            const bool detto = cella.data(Qt::ToolTipRole) == "Ripetizione esclusa" &&
                               cella.data(Qt::AccessibleDescriptionRole) == "Ripetizione esclusa";
            grigia << (colore && detto);
        }
        return grigia;
    }
    QList<double> Vuoti(int plot) const {
        const std::vector<double> x = frm.Grafico(1).Punti_vuoti(plot);
        return QList<double>(x.begin(), x.end());
    }
    // The context menu opened on cell (`riga`, `colonna`) (from the keyboard: row -1), and
    // its one action's text; the action is triggered when `scegli`.
    QString Menu(int colonna, int riga, bool scegli) {
        QTableView* lista = frm.Valori().Tabella();
        if (riga >= 0) {
            const QPoint punto = lista->visualRect(lista->model()->index(riga, colonna)).center();
            QContextMenuEvent evento(QContextMenuEvent::Mouse, punto,
                                     lista->viewport()->mapToGlobal(punto));
            QApplication::sendEvent(lista->viewport(), &evento);
        } else {
            QContextMenuEvent evento(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                     lista->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(lista, &evento);
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->actions().size() != 1) return QStringLiteral("(nessun menu)");
        const QString testo = menu->actions().constFirst()->text();
        if (scegli) menu->actions().constFirst()->trigger();
        menu->close();
        return testo;
    }
};
} // namespace

class Test_misura_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ripetizioni_mostrate_in_lista_grafico_slider_e_display() {
        Misura m;
        Quattro_sollevamenti(m.motore);

        QCOMPARE(m.frm.Valori().Righe(), 3);
        // The repetition graph: one point per row, X = the repetition's number; the time
        // graph widens to the lifts' top (400 mm, above its design range).
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QCOMPARE(m.frm.Grafico(1).Ultima_x(Ripetizioni::Plot_durata), 3.0);
        QVERIFY(m.frm.Grafico(0).Massimo(Tempo::Asse_spostamento) > 400);
        // Slider and display show the last row's mean velocity, as the list does.
        const QString vmedia = m.frm.Valori().Cella(2, 4);
        QCOMPARE(m.frm.Num_vel().Testo(), vmedia);
        QCOMPARE(qRound(m.frm.Slide().Valore()), vmedia.toInt());
        // The cursors bracket the last repetition.
        QCOMPARE(m.frm.Grafico(0).Cursore_x(2), double(m.s.Ripetizioni[3].Tempo_inizio));
        QCOMPARE(m.frm.Grafico(0).Cursore_x(1), double(m.s.Ripetizioni[4].Tempo_inizio));

        m.motore.Azzera_misura();
        QCOMPARE(m.frm.Valori().Righe(), 0);
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 0);
        QCOMPARE(m.frm.Grafico(0).Punti(Tempo::Plot_velocita), 1); // the origin
        QCOMPARE(m.frm.Slide().Valore(), 0.0);
        QCOMPARE(m.frm.Grafico(0).Cursore_x(1), 0.0); // not where the last set left it
    }

    void velocita_scelta_data() {
        QTest::addColumn<Velocita_riferimento>("riferimento");
        QTest::addColumn<QString>("nome");
        QTest::newRow("tabella") << Velocita_riferimento::Vmedia_tabella << "Vmedia fase (tabella)";
        QTest::newRow("alzata") << Velocita_riferimento::Vmedia_alzata << "Vmedia alzata";
        QTest::newRow("propulsiva")
            << Velocita_riferimento::Vpropulsiva << "Vmedia propulsiva (MPV)";
    }
    // The set's velocity is the one on the display, the slider and the repetition graph,
    // and the label under the display and the slider's caption name it, also to a screen
    // reader with the value in m/s and the band in words; with no set shown they name the
    // one the next set will be judged by.
    void velocita_scelta() {
        QFETCH(Velocita_riferimento, riferimento);
        QFETCH(QString, nome);
        Misura m(riferimento);
        m.frm.Imposta_tempo_acceso(false);
        m.frm.show();
        Quattro_sollevamenti(m.motore);
        QCOMPARE(m.frm.Valori().Righe(), 3);
        QVERIFY(m.frm.Lbl_velocita().isVisible());
        QCOMPARE(m.frm.Lbl_velocita().text(), nome);
        const QRect numero = m.frm.Num_vel().geometry();
        QVERIFY(m.frm.Lbl_velocita().geometry().top() >= numero.bottom());
        QVERIFY(m.frm.Lbl_perdita().geometry().top() >= m.frm.Lbl_velocita().geometry().bottom());
        for (int riga = 0; riga < 3; ++riga) {
            const double v = m.motore.Velocita_di_riferimento(riga);
            double punto = 0;
            QVERIFY(m.frm.Grafico(1).Valore_vicino(Ripetizioni::Plot_vmedia, riga + 1, punto));
            QCOMPARE(punto, v);
            if (riferimento != Velocita_riferimento::Vmedia_tabella)
                QVERIFY(qAbs(v - m.s.Ripetizioni[std::size_t(riga) + 1].Vmedia_conc) > 1);
        }
        const double ultima = m.motore.Velocita_di_riferimento(2);
        QCOMPARE(m.frm.Num_vel().Valore(), ultima);
        QCOMPARE(m.frm.Slide().Valore(), ultima);
        QCOMPARE(m.frm.Slide().accessibleName(), nome);
        QCOMPARE(m.frm.Num_vel().accessibleDescription().section(", ", 0, 1),
                 nome + ": " + QString::number(ultima / 1000, 'f', 2) + " m/s, " +
                     Testo_fascia(Colore_fascia(float(ultima), m.s.Serie.Dati_esercizio)));

        m.motore.Fine_acquisizione();
        m.s.Riferimento = Velocita_riferimento::Vpropulsiva;
        m.frm.Aggiorna_nome_velocita();
        QCOMPARE(m.frm.Lbl_velocita().text(), nome); // the set shown keeps its own
        m.motore.Azzera_misura();
        QCOMPARE(m.frm.Slide().Didascalia(), QStringLiteral("Vmedia propulsiva (MPV)"));
    }

    // Delete on a row and the row's context menu leave it out or take it back, whichever
    // applies: the engine decides, the row stays greyed in every column, its points on the
    // repetition graph go hollow, the loss under the display is worked out again. A reset
    // forgets it all.
    void esclusione_dalla_lista() {
        Misura m;
        m.frm.show();
        Quattro_sollevamenti(m.motore);
        const QList<bool> normale(Elenco_valori::Colonne, false),
            grigia(Elenco_valori::Colonne, true);
        Elenco_valori& valori = m.frm.Valori();
        const QString perdita = m.frm.Lbl_perdita().text(); // row 3 against row 2, the best

        valori.Seleziona(1);
        m.frm.Segui_selezione();
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(m.s.Serie.Escluse, std::set<int>{2});
        QVERIFY(m.motore.Analisi()[1].Esclusa);
        QCOMPARE(m.Grigia(1), grigia);
        QCOMPARE(m.Grigia(0), normale);
        QCOMPARE(m.Grigia(2), normale);
        QCOMPARE(valori.Righe(), 3);
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_vmedia), QList<double>{2});
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_durata), QList<double>{2});
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QVERIFY(m.frm.Lbl_perdita().text() != perdita);
        QCOMPARE(m.frm.Lbl_perdita().text(),
                 "Perdita " + QString::number(double(m.motore.Analisi()[2].Perdita), 'f', 1) +
                     " %");

        QCOMPARE(m.Menu(3, 1, false), Testo_ripristina);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(m.s.Serie.Escluse, std::set<int>{});
        QCOMPARE(m.Grigia(1), normale);
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_vmedia), QList<double>{});
        QCOMPARE(m.frm.Lbl_perdita().text(), perdita);

        // The menu acts on the row under the pointer, which becomes the selected one.
        QCOMPARE(m.Menu(3, 2, true), Testo_escludi);
        QCOMPARE(m.s.Serie.Escluse, std::set<int>{3});
        QCOMPARE(m.Grigia(2), grigia);
        QCOMPARE(valori.Riga_selezionata(), 2);
        QCOMPARE(m.Menu(0, -1, true), Testo_ripristina); // from the keyboard: the selected row
        QCOMPARE(m.s.Serie.Escluse, std::set<int>{});
        QCOMPARE(m.Menu(3, 0, true), Testo_escludi);
        QCOMPARE(m.s.Serie.Escluse, std::set<int>{1});
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_vmedia), QList<double>{1});

        m.motore.Azzera_misura();
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_vmedia), QList<double>{});
        QCOMPARE(m.Menu(0, -1, false), QStringLiteral("(nessun menu)"));
        m.motore.Inizia_acquisizione();
        Quattro_sollevamenti(m.motore);
        QCOMPARE(m.Grigia(0), normale);
        QCOMPARE(m.Vuoti(Ripetizioni::Plot_vmedia), QList<double>{});
    }
};

QTEST_MAIN(Test_misura_grafici)
#include "test_misura_grafici.moc"
