// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: views across resizes, cursor readouts and the row they follow, the axis
// editor and its saved ranges, a measurement through the real engine (rows, graphs, slider,
// display, the velocity the set is judged by, a repetition left out) and the loss under the
// display.
#include "analysis/colore_allarme.h"
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/casella_decimale.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "stream/fascia.h"
#include "tests/support/serie_prova.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Frm_grafici::Vista)

namespace {
// Starts (Tempo_inizio) of records 0..5 of the rows made by hand.
constexpr float Inizi[] = {0, 0, 3, 25, 30, 33};

// A graph window sized as the main window sizes it, with rows made by hand or measured by
// the engine; the setup and the set of serie_prova.h.
struct Banco {
    QTemporaryDir cartella;
    Sessione s;
    Lista_valori lista;
    std::unique_ptr<Frm_grafici> frm;
    Motore_misura motore{s, QLocale::c()};
    explicit Banco(const QLocale& locale = QLocale::c(),
                   Velocita_riferimento riferimento = Velocita_riferimento::Vmedia_tabella) {
        s.Cartella_applicazione = cartella.path();
        s.Riferimento = riferimento;
        Imposta_sollevamenti(s);
        s.Soglia_perdita = 100; // the band's colours, never the loss alarm over them
        Ricarica(locale);
    }
    void Ricarica(const QLocale& locale = QLocale::c()) {
        frm = std::make_unique<Frm_grafici>(s, locale);
        frm->Imposta_lista(&lista);
        frm->resize(1400, 900);
        frm->riposiziona();
    }
    // Rows for records 1..righe, as the engine appends them.
    void Riempi(int righe) {
        s.Ripetizioni.resize(std::size(Inizi));
        for (std::size_t i = 0; i < std::size(Inizi); ++i) s.Ripetizioni[i].Tempo_inizio = Inizi[i];
        for (std::size_t r = 1; r <= std::size_t(righe); ++r) {
            lista.Aggiungi(Lista_valori::Formatta_riga(s.Ripetizioni[r], int(r), QLocale::c()));
            frm->Ripetizione_chiusa(int(r) - 1, s.Ripetizioni[r], 0, Colore_verde);
        }
    }
    // The four lifts measured, the window wired to the engine as the main window wires it.
    void Misura() {
        motore.Aggiungi_vista(*frm);
        frm->Imposta_lista(&motore.Lst_valori());
        frm->Imposta_analisi(&motore.Analisi());
        QObject::connect(frm.get(), &Frm_grafici::Esclusione_richiesta, frm.get(),
                         [this](int numero, bool no) { motore.Imposta_esclusa(numero, no); });
        motore.Inizia_acquisizione();
        Quattro_sollevamenti(motore);
    }
    Frm_edit_grafici& Editor(int grafico) {
        frm->Apri_editor(grafico);
        return *frm->Editor();
    }
    QTableView* Tabella() const { return frm->Valori().Tabella(); }
    int Scelta() const { return frm->Valori().Riga_selezionata(); }
    // Row `riga` greyed and said so in every column.
    bool Grigia(int riga) const {
        bool grigia = true;
        for (int c = 0; c < Elenco_valori::Colonne; ++c) {
            const QModelIndex cella = Tabella()->model()->index(riga, c);
            grigia = grigia &&
                     cella.data(Qt::ForegroundRole).value<QColor>() == QColor(140, 140, 140) &&
                     cella.data(Qt::ToolTipRole) == "Ripetizione esclusa" &&
                     cella.data(Qt::AccessibleDescriptionRole) == "Ripetizione esclusa";
        }
        return grigia;
    }
    QList<double> Vuoti() const {
        const std::vector<double> x = frm->Grafico(1).Punti_vuoti(Ripetizioni::Plot_vmedia);
        return {x.begin(), x.end()};
    }
    // The context menu opened on a cell (from the keyboard: row -1) and its one action's
    // text; the action is triggered when `scegli`.
    QString Menu(int riga, bool scegli) {
        QTableView* lista_v = Tabella();
        const QPoint punto = riga < 0
                                 ? QPoint(2, 2)
                                 : lista_v->visualRect(lista_v->model()->index(riga, 3)).center();
        QContextMenuEvent evento(riga < 0 ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                 punto, lista_v->viewport()->mapToGlobal(punto));
        QApplication::sendEvent(riga < 0 ? static_cast<QWidget*>(lista_v) : lista_v->viewport(),
                                &evento);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->actions().size() != 1) return QStringLiteral("(nessun menu)");
        const QString testo = menu->actions().constFirst()->text();
        if (scegli) menu->actions().constFirst()->trigger();
        menu->close();
        return testo;
    }
};
} // namespace

class Test_frm_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A new layout is always the combined one and keeps what is hidden hidden (the time
    // switch shows the display instead).
    void viste_e_ridimensionamenti_data() {
        QTest::addColumn<Frm_grafici::Vista>("vista");
        QTest::addColumn<bool>("tempo_acceso");
        QTest::addColumn<bool>("ripetizioni_visibile");
        QTest::newRow("combinata") << Frm_grafici::Vista::Combinata << true << true;
        QTest::newRow("tempo spento") << Frm_grafici::Vista::Combinata << false << true;
        QTest::newRow("solo tempo") << Frm_grafici::Vista::Tempo << true << false;
    }
    void viste_e_ridimensionamenti() {
        QFETCH(Frm_grafici::Vista, vista);
        QFETCH(bool, tempo_acceso);
        QFETCH(bool, ripetizioni_visibile);
        Banco b;
        b.frm->Mostra_vista(vista);
        b.frm->Imposta_tempo_acceso(tempo_acceso);
        b.frm->resize(700, 433);
        b.frm->riposiziona();
        QCOMPARE(!b.frm->Grafico(0).isHidden(), tempo_acceso);
        QCOMPARE(!b.frm->Grafico(1).isHidden(), ripetizioni_visibile);
        QCOMPARE(b.frm->Num_vel().isHidden(), tempo_acceso);
    }

    void letture_dei_cursori() {
        for (const auto& [locale, punto, distanza] :
             {std::tuple(QLocale::c(), "T: 1.44 -494.2", "DT: 0.24 DY: -790.17"),
              std::tuple(QLocale(QLocale::Italian), "T: 1,44 -494,2", "DT: 0,24 DY: -790,17")}) {
            Banco b(locale);
            Grafico_misura& g = b.frm->Grafico(0);
            g.Imposta_cursore_x(1, 1.20);
            g.Imposta_cursore_y(1, 295.97);
            g.Imposta_cursore_x(2, 1.44);
            g.Imposta_cursore_y(2, -494.2);
            b.frm->Cursore_tempo_spostato(1.44, -494.2);
            QCOMPARE(g.Annotazione(Tempo::Annotazione_punto), punto);
            QCOMPARE(g.Annotazione(Tempo::Annotazione_distanza), distanza);
        }
    }

    // A click on any cell, or the arrow keys, select a row and the graphs' cursors follow it;
    // an empty table is inert.
    void la_riga_scelta_guida_i_cursori() {
        Banco b;
        b.frm->show();
        b.frm->Grafico(0).Imposta_cursore_x(1, 7.5);
        QTest::mouseClick(b.Tabella()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), 7.5);
        b.Riempi(3);
        QCOMPARE(b.Scelta(), 2); // each new row is selected
        const QPoint cella = b.Tabella()->visualRect(b.Tabella()->model()->index(1, 5)).center();
        QTest::mouseClick(b.Tabella()->viewport(), Qt::LeftButton, {}, cella);
        QCoreApplication::processEvents();
        QCOMPARE(b.Scelta(), 1);
        // Row 1 is record 2: the cursors bracket it, the repetition cursor marks it.
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), double(Inizi[2]));
        QCOMPARE(b.frm->Grafico(0).Cursore_x(2), double(Inizi[3]));
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 2.0);
        QTest::keyClick(b.Tabella(), Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(b.Scelta(), 2);
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 3.0);
        // The repetition graph's cursor selects the nearest repetition's row; before the
        // first repetition it changes nothing.
        b.frm->Cursore_ripetizioni_spostato(1.6);
        QCOMPARE(b.Scelta(), 1);
        b.frm->Cursore_ripetizioni_spostato(0.3);
        QCOMPARE(b.Scelta(), 1);
    }

    // Selecting a row scrolls the time axis, span kept, only when the record is out of view;
    // the last row's record is followed by the one in progress: both cursors placed.
    void asse_del_tempo_tiene_in_vista_la_ripetizione() {
        const std::tuple<QPointF, int, QPointF> casi[] = {// axis, row (record row+1), new axis
                                                          {{0, 10}, 3, {21, 31}},
                                                          {{20, 30}, 1, {2, 12}},
                                                          {{20, 30}, 2, {20, 30}}};
        for (const auto& [asse, riga, nuovo_asse] : casi) {
            Banco b;
            b.Riempi(4);
            Grafico_misura& g = b.frm->Grafico(0);
            g.Imposta_intervallo(Tempo::Asse_x, asse.x(), asse.y());
            b.frm->Valori().Seleziona(riga);
            b.frm->Segui_selezione();
            QCOMPARE(QPointF(g.Minimo(Tempo::Asse_x), g.Massimo(Tempo::Asse_x)), nuovo_asse);
            QCOMPARE(g.Cursore_x(2), double(Inizi[riga + 2]));
        }
    }

    // The velocity axis of the time graph drives the slider's range and marks (the band's
    // ends) and the repetition graph's velocity axis; only the time graph's file keeps it.
    void asse_velocita_aggiornato_e_ricaricato() {
        Banco b;
        Frm_edit_grafici& e = b.Editor(0);
        QVERIFY(qobject_cast<Casella_decimale*>(e.AxisMin)); // "12.5" and "12,5" alike
        e.sldSelectAxis->setValue(Tempo::Asse_velocita);
        e.AxisMin->setValue(0);
        e.AxisMax->setValue(1500);
        e.UpdateAxis->click();
        QVERIFY(QFile::exists(b.frm->File_impostazioni(0)));
        QVERIFY(!QFile::exists(b.frm->File_impostazioni(1)));
        QCOMPARE((QList{b.frm->Slide().Massimo(), b.frm->Slide().Segno(1), b.frm->Slide().Segno(2),
                        b.frm->Grafico(1).Massimo(Ripetizioni::Asse_velocita)}),
                 (QList{1500.0, 180.0, 220.0, 1500.0}));
        b.Ricarica();
        QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita), 1500.0);
        QCOMPARE(b.frm->Slide().Massimo(), 1500.0);
        QCOMPARE(b.frm->Grafico(1).Massimo(Ripetizioni::Asse_velocita), 2000.0);
    }

    // "Cancel" brings back the last saved range; Esc and "Chiudi" close the editor without
    // applying what was typed.
    void annulla_esc_e_chiudi_non_applicano() {
        Banco b;
        Frm_edit_grafici& e = b.Editor(0);
        QVERIFY(e.Update_graph(0, Tempo::Asse_x, 2, 12));
        e.AxisMin->setValue(5);
        e.AxisMax->setValue(15);
        b.frm->Grafico(0).Imposta_intervallo(Tempo::Asse_x, 5, 15); // seen, not saved
        e.Cmd_Undo->click();
        QCOMPARE(b.frm->Grafico(0).Minimo(Tempo::Asse_x), 2.0);
        QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_x), 12.0);
        QCOMPARE(e.AxisMin->value(), 2.0); // the editor shows what is in force
        for (const bool esc : {true, false}) {
            b.frm->Apri_editor(0);
            QVERIFY(QTest::qWaitForWindowActive(&e));
            e.sldSelectAxis->setValue(Tempo::Asse_velocita);
            e.AxisMax->setValue(999);
            if (esc) QTest::keyClick(e.AxisMax, Qt::Key_Escape);
            if (!esc) e.Cmd_chiudi->click();
            QVERIFY(!e.isVisible());
            QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita), 240.0);
        }
    }

    // An empty or reversed range is refused; an unwritable folder is told with its reason,
    // the range still applied for this run.
    void intervallo_o_cartella_non_validi() {
        for (const bool cartella_valida : {true, false}) {
            Banco b;
            if (!cartella_valida) b.s.Cartella_applicazione = QStringLiteral("/proc/kinetrack-no");
            Frm_edit_grafici& e = b.Editor(0);
            QVERIFY(!e.Update_graph(0, Tempo::Asse_velocita, cartella_valida ? 500 : 0,
                                    cartella_valida ? 100 : 900));
            QVERIFY(!e.Stato().isEmpty() && !QFile::exists(b.frm->File_impostazioni(0)));
            QVERIFY2(cartella_valida ||
                         e.Stato().contains("grafico_0.cwx: file o cartella inesistente"),
                     qPrintable(e.Stato()));
            QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita),
                     cartella_valida ? 240.0 : 900.0);
        }
    }

    // Rows, repetition graph (X = the repetition's number), slider, display and cursors agree;
    // the time graph widens to the lifts' top. The set's velocity is the one on the display,
    // the slider and the repetition graph; the label under the display and the slider's
    // caption name it, also to a screen reader with the value in m/s and the band in words.
    // A reset empties everything; with no set shown they name the next set's velocity.
    void velocita_scelta_data() {
        QTest::addColumn<Velocita_riferimento>("riferimento");
        QTest::addColumn<QString>("nome");
        QTest::newRow("tabella") << Velocita_riferimento::Vmedia_tabella << "Vmedia fase (tabella)";
        QTest::newRow("alzata") << Velocita_riferimento::Vmedia_alzata << "Vmedia alzata";
        QTest::newRow("propulsiva")
            << Velocita_riferimento::Vpropulsiva << "Vmedia propulsiva (MPV)";
    }
    void velocita_scelta() {
        QFETCH(Velocita_riferimento, riferimento);
        QFETCH(QString, nome);
        Banco b(QLocale::c(), riferimento);
        Frm_grafici& f = *b.frm;
        f.show();
        b.Misura();
        f.Imposta_tempo_acceso(false); // the display and the labels under it
        QVERIFY(f.Lbl_velocita().isVisible());
        QCOMPARE(f.Lbl_velocita().text(), nome);
        QCOMPARE(f.Valori().Righe(), 3);
        QCOMPARE(f.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QCOMPARE(f.Grafico(1).Ultima_x(Ripetizioni::Plot_durata), 3.0);
        QVERIFY(f.Grafico(0).Massimo(Tempo::Asse_spostamento) > 400);
        QCOMPARE(f.Grafico(0).Cursore_x(2), double(b.s.Ripetizioni[3].Tempo_inizio));
        QCOMPARE(f.Grafico(0).Cursore_x(1), double(b.s.Ripetizioni[4].Tempo_inizio));
        for (int riga = 0; riga < 3; ++riga) {
            const double v = b.motore.Velocita_di_riferimento(riga);
            double punto = 0;
            QVERIFY(f.Grafico(1).Valore_vicino(Ripetizioni::Plot_vmedia, riga + 1, punto));
            QCOMPARE(punto, v);
            if (riferimento != Velocita_riferimento::Vmedia_tabella)
                QVERIFY(qAbs(v - b.s.Ripetizioni[std::size_t(riga) + 1].Vmedia_conc) > 1);
        }
        const double ultima = b.motore.Velocita_di_riferimento(2);
        if (riferimento == Velocita_riferimento::Vmedia_tabella)
            QCOMPARE(f.Num_vel().Testo(), f.Valori().Cella(2, 4));
        QCOMPARE(f.Num_vel().Valore(), ultima);
        QCOMPARE(f.Slide().Valore(), ultima);
        QCOMPARE(f.Slide().accessibleName(), nome);
        QCOMPARE(f.Num_vel().accessibleDescription().section(", ", 0, 1),
                 nome + ": " + QString::number(ultima / 1000, 'f', 2) + " m/s, " +
                     Testo_fascia(Colore_fascia(float(ultima), b.s.Serie.Dati_esercizio)));

        b.motore.Fine_acquisizione();
        b.s.Riferimento = Velocita_riferimento::Vpropulsiva;
        f.Aggiorna_nome_velocita();
        QCOMPARE(f.Lbl_velocita().text(), nome); // the set shown keeps its own
        b.motore.Azzera_misura();
        QCOMPARE(f.Slide().Didascalia(), QStringLiteral("Vmedia propulsiva (MPV)"));
        QCOMPARE(f.Valori().Righe(), 0);
        QCOMPARE(f.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 0);
        QCOMPARE(f.Grafico(0).Punti(Tempo::Plot_velocita), 1); // the origin
        QCOMPARE(f.Slide().Valore(), 0.0);
        QCOMPARE(f.Grafico(0).Cursore_x(1), 0.0); // not where the last set left it
    }

    // Delete on a row and the row's context menu leave it out or take it back, whichever
    // applies: the engine decides, the row stays greyed in every column, its point on the
    // repetition graph goes hollow, the loss under the display is worked out again. A reset
    // forgets it all.
    void esclusione_dalla_lista() {
        Banco b;
        b.frm->show();
        b.Misura();
        Elenco_valori& valori = b.frm->Valori();
        const QString perdita = b.frm->Lbl_perdita().text(); // row 3 against row 2, the best

        valori.Seleziona(1);
        b.frm->Segui_selezione();
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{2});
        QVERIFY(b.motore.Analisi()[1].Esclusa);
        QCOMPARE((QList{b.Grigia(0), b.Grigia(1), b.Grigia(2)}), (QList{false, true, false}));
        QCOMPARE(valori.Righe(), 3);
        QCOMPARE(b.Vuoti(), QList<double>{2});
        QCOMPARE(b.frm->Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QCOMPARE(b.frm->Lbl_perdita().text(),
                 "Perdita " + QString::number(double(b.motore.Analisi()[2].Perdita), 'f', 1) +
                     " %");
        QVERIFY(b.frm->Lbl_perdita().text() != perdita);

        QCOMPARE(b.Menu(1, false), Testo_ripristina);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{});
        QVERIFY(!b.Grigia(1));
        QCOMPARE(b.Vuoti(), QList<double>{});
        QCOMPARE(b.frm->Lbl_perdita().text(), perdita);

        // The menu acts on the row under the pointer, which becomes the selected one.
        QCOMPARE(b.Menu(2, true), Testo_escludi);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{3});
        QVERIFY(b.Grigia(2));
        QCOMPARE(valori.Riga_selezionata(), 2);
        QCOMPARE(b.Menu(-1, true), Testo_ripristina); // from the keyboard: the selected row
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{});
        QCOMPARE(b.Menu(0, true), Testo_escludi);
        QCOMPARE(b.Vuoti(), QList<double>{1});

        b.motore.Azzera_misura();
        QCOMPARE(b.Vuoti(), QList<double>{});
        QCOMPARE(b.Menu(-1, false), QStringLiteral("(nessun menu)"));
        b.motore.Inizia_acquisizione();
        Quattro_sollevamenti(b.motore);
        QVERIFY(!b.Grigia(0));
        QCOMPARE(b.Vuoti(), QList<double>{});
    }

    // Under the display, the loss in the window's language; the band's colour of the closed
    // repetition, replaced by the alarm colour and a beep when the threshold was passed, on
    // the display and on the slider, and said in words there and to a screen reader; a
    // reset empties it.
    void perdita_sotto_il_numero() {
        for (const auto& [locale, testi] :
             {std::pair(QLocale(QLocale::Italian), "0,0;6,4;26,1;0,0;32,9"),
              std::pair(QLocale::c(), "0.0;6.4;26.1;0.0;32.9")}) {
            Banco b(locale);
            Frm_grafici& f = *b.frm;
            int beep = 0;
            f.Imposta_segnale_acustico([&beep] { ++beep; });
            const Colore bande[] = {Colore_verde, Colore_giallo, Colore_verde, Colore_rosso,
                                    Colore_giallo};
            const float perdite[] = {0, 6.4f, 26.1f, 0, 32.9f};
            const QColor allarme = Colore_qt(Colore_allarme);
            int attesi = 0;
            for (int i = 0; i < 5; ++i) {
                const bool oltre = perdite[i] > 20;
                const QColor colore = oltre ? allarme : Colore_qt(bande[i]);
                f.Ripetizione_chiusa(i, Ripetizione{}, 0, bande[i]);
                f.Ripetizione_analizzata(i, {0, 0, 0, 0, 0, perdite[i], oltre});
                attesi += oltre;
                QCOMPARE(f.Lbl_perdita().text(), "Perdita " + QString(testi).split(';')[i] + " %");
                QCOMPARE(f.Num_vel().Colore(), colore);
                QCOMPARE(f.Slide().Colore(), colore);
                QCOMPARE(f.Lbl_perdita().palette().color(QPalette::WindowText) == allarme, oltre);
                QCOMPARE(f.Slide().Stato().endsWith("\noltre la soglia"), oltre);
                QVERIFY(f.Slide().accessibleDescription().contains(f.Lbl_perdita().text()));
                QCOMPARE(beep, attesi);
            }
            f.Misura_azzerata();
            QCOMPARE(f.Lbl_perdita().text(), QString());
            QVERIFY(f.Lbl_perdita().palette().color(QPalette::WindowText) != allarme);
        }
    }
};

QTEST_MAIN(Test_frm_grafici)
#include "test_frm_grafici.moc"
