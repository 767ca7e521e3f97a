// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: the row the cursors follow, the axis editor and its saved ranges, a
// measurement through the real engine (rows, graphs, slider, display, the velocity the set
// is judged by, a repetition left out) and the loss and cursor readouts in both languages.
// The set analysis window: its rows and alarm colour, opened in the middle of a set.
#include "analysis/colore_allarme.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "stream/fascia.h"
#include "tests/support/banco_principale.h"
#include "tests/support/riferimento_prova.h"
#include "tests/support/serie_prova.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// A set with a threshold of 20 %: the third and the fifth repetitions passed it.
const std::vector<Analisi_ripetizione> Serie{
    {812.4f, 845.6f, 0.456f, 612.5f, 1500.4f, 0.0f, false},
    {760.0f, 790.2f, 0.5f, 580.0f, 1400.0f, 6.4f, false},
    {600.0f, 640.0f, 0.38f, 455.0f, 1210.0f, 26.1f, true},
    {820.0f, 860.0f, 0.44f, 640.0f, 1550.0f, 0.0f, false},
    {550.0f, 575.0f, 0.6f, 420.0f, 1100.0f, 32.9f, true},
};

// Each row's texts, then for every cell: "!" in alarm colour, "x" greyed, each said so in its
// tooltip and to a screen reader; "." plain.
QStringList Righe(const QAbstractItemModel* t) {
    QStringList righe;
    for (int r = 0; r < t->rowCount(); ++r) {
        QString testi, stato;
        for (int c = 0; c < t->columnCount(); ++c) {
            const QModelIndex i = t->index(r, c);
            const auto Colore = [&i](int ruolo) {
                const QVariant v = i.data(ruolo);
                return v.typeId() == QMetaType::QBrush ? v.value<QBrush>().color()
                                                       : v.value<QColor>();
            };
            const QString detto = i.data(Qt::ToolTipRole).toString();
            testi += i.data().toString() + ';';
            if (detto != i.data(Qt::AccessibleDescriptionRole).toString())
                stato += '?';
            else if (detto.isEmpty())
                stato += '.';
            else if (detto == "Oltre la soglia di perdita")
                stato += Colore(Qt::BackgroundRole) == Colore_qt(Colore_allarme) ? '!' : '?';
            else
                stato += detto == "Ripetizione esclusa" &&
                                 Colore(Qt::ForegroundRole) == QColor(140, 140, 140)
                             ? 'x'
                             : '?';
        }
        righe << testi + stato;
    }
    return righe;
}
// One mark a row: its cells' one mark, '?' when they differ.
QString Segni(const QAbstractItemModel* t) {
    QString segni;
    for (const QString& riga : Righe(t)) {
        const QString s = riga.section(';', -1);
        segni += s.count(s.front()) == s.size() ? s.front() : u'?';
    }
    return segni;
}

// Starts (Tempo_inizio) of records 0..5 of the rows made by hand.
constexpr float Inizi[] = {0, 0, 3, 25, 30, 33};

// The main window's graph window, wired to the engine, with rows made by hand or the set of
// serie_prova.h measured with its setup.
struct Banco : Banco_principale {
    Lista_valori lista;
    Frm_grafici* frm = m.Grafici;
    explicit Banco(const QLocale& locale = QLocale::c(),
                   Velocita_riferimento riferimento = Velocita_riferimento::Vmedia_tabella)
        : Banco_principale(
              [riferimento](Sessione& sessione) {
                  Imposta_sollevamenti(sessione);
                  sessione.Riferimento = riferimento;
                  sessione.Soglia_perdita =
                      100; // the band's colours, never the loss alarm over them
              },
              locale) {}
    // Rows for records 1..righe, as the engine appends them.
    void Riempi(int righe) {
        frm->Imposta_lista(&lista);
        s.Ripetizioni.resize(std::size(Inizi));
        for (std::size_t i = 0; i < std::size(Inizi); ++i) s.Ripetizioni[i].Tempo_inizio = Inizi[i];
        for (std::size_t r = 1; r <= std::size_t(righe); ++r) {
            lista.Aggiungi(Lista_valori::Formatta_riga(s.Ripetizioni[r], int(r), QLocale::c()));
            frm->Ripetizione_chiusa(int(r) - 1, s.Ripetizioni[r], 0, Colore_verde);
        }
    }
    void Misura() {
        motore.Inizia_acquisizione();
        Quattro_sollevamenti(motore);
    }
    Frm_edit_grafici& Editor(int grafico) {
        frm->Apri_editor(grafico);
        return *frm->Editor();
    }
    QTableView* Tabella() const { return frm->Valori().Tabella(); }
    int Scelta() const { return frm->Valori().Riga_selezionata(); }
    QList<double> Vuoti() const {
        const std::vector<double> x = frm->Grafico(1).Punti_vuoti(Ripetizioni::Plot_vmedia);
        return {x.begin(), x.end()};
    }
    // The context menu opened on a cell (from the keyboard: row -1) and its one action's
    // text; the action is triggered when `scegli`.
    QString Menu(int riga, bool scegli) {
        QTableView* t = Tabella();
        const QPoint punto =
            riga < 0 ? QPoint(2, 2) : t->visualRect(t->model()->index(riga, 3)).center();
        QContextMenuEvent evento(riga < 0 ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                 punto, t->viewport()->mapToGlobal(punto));
        QApplication::sendEvent(riga < 0 ? static_cast<QWidget*>(t) : t->viewport(), &evento);
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
    // A click on a cell or the arrow keys select a row and the graphs' cursors follow it (an
    // empty table is inert); the repetition graph's cursor selects the nearest repetition's
    // row. The time axis scrolls, span kept, only when the record is out of view; the last
    // row's record is followed by the one in progress: both cursors placed.
    void la_riga_scelta_guida_i_cursori() {
        Banco b;
        Grafico_misura& g = b.frm->Grafico(0);
        g.Imposta_cursore_x(1, 7.5);
        QTest::mouseClick(b.Tabella()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(g.Cursore_x(1), 7.5);
        b.Riempi(4);
        QCOMPARE(b.Scelta(), 3); // each new row is selected
        const QPoint cella = b.Tabella()->visualRect(b.Tabella()->model()->index(1, 5)).center();
        QTest::mouseClick(b.Tabella()->viewport(), Qt::LeftButton, {}, cella);
        QCoreApplication::processEvents();
        // Row 1 is record 2: the cursors bracket it, the repetition cursor marks it.
        QCOMPARE((QList<double>{double(b.Scelta()), g.Cursore_x(1), g.Cursore_x(2),
                                b.frm->Grafico(1).Cursore_x(1)}),
                 (QList<double>{1, Inizi[2], Inizi[3], 2}));
        QTest::keyClick(b.Tabella(), Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE((QList<double>{double(b.Scelta()), b.frm->Grafico(1).Cursore_x(1)}),
                 (QList<double>{2, 3}));
        b.frm->Cursore_ripetizioni_spostato(1.6);
        QCOMPARE(b.Scelta(), 1);
        b.frm->Cursore_ripetizioni_spostato(0.3); // before the first repetition: nothing
        QCOMPARE(b.Scelta(), 1);
        for (const auto& [asse, riga, nuovo_asse] : {std::tuple(QPointF(0, 10), 3, QPointF(21, 31)),
                                                     {QPointF(20, 30), 1, QPointF(2, 12)},
                                                     {QPointF(20, 30), 2, QPointF(20, 30)}}) {
            g.Imposta_intervallo(Tempo::Asse_x, asse.x(), asse.y());
            b.frm->Valori().Seleziona(riga);
            b.frm->Segui_selezione();
            QCOMPARE(QPointF(g.Minimo(Tempo::Asse_x), g.Massimo(Tempo::Asse_x)), nuovo_asse);
            QCOMPARE(g.Cursore_x(2), double(Inizi[riga + 2]));
        }
    }

    // An empty or reversed range is refused; "Cancel" brings back the last saved range; Esc
    // and "Chiudi" close without applying what was typed. The time graph's velocity axis
    // drives the slider's range and marks (the band's ends) and the repetition graph's
    // velocity axis; only the time graph's file keeps it. An unwritable folder is told with
    // its reason, the range still applied for this run.
    void editor_degli_assi() {
        Banco b;
        Frm_edit_grafici& e = b.Editor(0);
        Grafico_misura& g = b.frm->Grafico(0);
        QVERIFY(!e.Update_graph(0, Tempo::Asse_velocita, 500, 100));
        QVERIFY(!e.Stato().isEmpty() && !QFile::exists(b.frm->File_impostazioni(0)));
        QVERIFY(e.Update_graph(0, Tempo::Asse_x, 2, 12));
        e.AxisMin->setValue(5);
        e.AxisMax->setValue(15);
        g.Imposta_intervallo(Tempo::Asse_x, 5, 15); // seen, not saved
        e.Cmd_Undo->click();
        QCOMPARE((QList{g.Minimo(Tempo::Asse_x), g.Massimo(Tempo::Asse_x), e.AxisMin->value()}),
                 (QList{2.0, 12.0, 2.0}));
        for (const bool esc : {true, false}) {
            b.frm->Apri_editor(0);
            QVERIFY(QTest::qWaitForWindowActive(&e));
            e.sldSelectAxis->setValue(Tempo::Asse_velocita);
            e.AxisMax->setValue(999);
            if (esc) QTest::keyClick(e.AxisMax, Qt::Key_Escape);
            if (!esc) e.Cmd_chiudi->click();
            QVERIFY(!e.isVisible());
            QCOMPARE(g.Massimo(Tempo::Asse_velocita), 240.0);
        }
        b.Editor(0).sldSelectAxis->setValue(Tempo::Asse_velocita);
        e.AxisMin->setValue(0);
        e.AxisMax->setValue(1500);
        e.UpdateAxis->click();
        QVERIFY(!QFile::exists(b.frm->File_impostazioni(1)));
        QCOMPARE((QList{b.frm->Slide().Massimo(), b.frm->Slide().Segno(1), b.frm->Slide().Segno(2),
                        b.frm->Grafico(1).Massimo(Ripetizioni::Asse_velocita)}),
                 (QList{1500.0, 180.0, 220.0, 1500.0}));
        Frm_grafici nuova(b.s, QLocale::c());
        QCOMPARE((QList{nuova.Grafico(0).Massimo(Tempo::Asse_velocita), nuova.Slide().Massimo(),
                        nuova.Grafico(1).Massimo(Ripetizioni::Asse_velocita)}),
                 (QList{1500.0, 1500.0, 2000.0}));

        Banco n;
        n.s.Cartella_applicazione = QStringLiteral("/proc/kinetrack-no");
        QVERIFY(!n.Editor(0).Update_graph(0, Tempo::Asse_velocita, 0, 900));
        QVERIFY(n.frm->Editor()->Stato().contains("grafico_0.cwx")); // why: test_salvataggio_sicuro
        QCOMPARE(n.frm->Grafico(0).Massimo(Tempo::Asse_velocita), 900.0);
    }

    // Rows, repetition graph (X = the repetition's number), slider and display agree. The set's
    // velocity is the one on the display, the slider and the repetition graph; the label under the
    // display and the slider's caption name it, also to a screen reader with the value in m/s and
    // the band in words. A reset empties everything; with no set shown they name the next set's
    // velocity.
    void velocita_scelta() {
        using enum Velocita_riferimento;
        for (const auto& [riferimento, nome] :
             {std::pair(Vmedia_tabella, QString("Vmedia fase (tabella)")),
              {Vmedia_alzata, "Vmedia alzata"},
              {Vpropulsiva, "Vmedia propulsiva (MPV)"}}) {
            Banco b(QLocale::c(), riferimento);
            Frm_grafici& f = *b.frm;
            b.Misura();
            f.Imposta_tempo_acceso(false); // the display and the labels under it
            QCOMPARE(f.Lbl_velocita().text(), nome);
            QCOMPARE((QList{f.Valori().Righe(), f.Grafico(1).Punti(Ripetizioni::Plot_vmedia)}),
                     (QList{3, 3}));
            for (int riga = 0; riga < 3; ++riga) {
                const double v = b.motore.Velocita_di_riferimento(riga);
                double punto = 0;
                QVERIFY(f.Grafico(1).Valore_vicino(Ripetizioni::Plot_vmedia, riga + 1, punto));
                QCOMPARE(punto, v);
            }
            const double ultima = b.motore.Velocita_di_riferimento(2);
            QCOMPARE((QList{f.Num_vel().Valore(), f.Slide().Valore()}), (QList{ultima, ultima}));
            QCOMPARE(f.Slide().accessibleName(), nome);
            QCOMPARE(f.Num_vel().accessibleDescription().section(", ", 0, 1),
                     nome + ": " + QString::number(ultima / 1000, 'f', 2) + " m/s, " +
                         Testo_fascia(Colore_fascia(float(ultima), b.s.Serie.Dati_esercizio)));

            b.motore.Fine_acquisizione();
            b.s.Riferimento = Vpropulsiva;
            f.Aggiorna_nome_velocita();
            QCOMPARE(f.Lbl_velocita().text(), nome); // the set shown keeps its own
            b.motore.Azzera_misura();
            QCOMPARE(f.Slide().Didascalia(), QStringLiteral("Vmedia propulsiva (MPV)"));
            // The time graph back at the origin, the cursor and slider not where the set left them.
            QCOMPARE((QList<double>{double(f.Valori().Righe()),
                                    double(f.Grafico(1).Punti(Ripetizioni::Plot_vmedia)),
                                    double(f.Grafico(0).Punti(Tempo::Plot_velocita)),
                                    f.Slide().Valore(), f.Grafico(0).Cursore_x(1)}),
                     (QList<double>{0, 0, 1, 0, 0}));
        }
    }

    // The row's context menu leaves it out or takes it back, whichever applies (the Delete
    // key, the same request, is tried in the main window's test): it acts on the row under the
    // pointer, which becomes the selected one, or from the keyboard on the selected row. The
    // engine decides; the row is greyed in every column, its point on the repetition graph
    // goes hollow, the loss under the display is worked out again. A reset forgets it all.
    void esclusione_dalla_lista() {
        Banco b;
        b.Misura();
        const QString perdita = b.frm->Lbl_perdita().text(); // row 3 against row 2, the best
        QCOMPARE(b.Menu(1, true), Testo_escludi);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{2});
        QCOMPARE(b.Scelta(), 1);
        QCOMPARE(Segni(b.Tabella()->model()), ".x.");
        QCOMPARE(b.Vuoti(), QList<double>{2});
        QVERIFY(b.frm->Lbl_perdita().text() != perdita); // worked out again: test_analisi
        QCOMPARE(b.Menu(-1, true), Testo_ripristina);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{});
        QCOMPARE(Segni(b.Tabella()->model()), "...");
        QCOMPARE(b.Vuoti(), QList<double>{});
        QCOMPARE(b.frm->Lbl_perdita().text(), perdita);

        QCOMPARE(b.Menu(0, true), Testo_escludi);
        QCOMPARE(b.Vuoti(), QList<double>{1});
        b.motore.Azzera_misura();
        QCOMPARE(b.Menu(-1, false), QStringLiteral("(nessun menu)"));
        b.Misura();
        QCOMPARE(Segni(b.Tabella()->model()), "...");
        QCOMPARE(b.Vuoti(), QList<double>{});
    }

    // In the window's language: the time graph's cursor readouts; under the display, the
    // loss; the band's colour of the closed repetition, replaced by the alarm colour and a
    // beep when the threshold was passed, on the display and on the slider, and said in words
    // there and to a screen reader; a reset empties it.
    void perdita_e_cursori_nella_lingua() {
        for (const auto& [locale, testi, punto, distanza] :
             {std::tuple(QLocale(QLocale::Italian), "0,0;6,4;26,1;0,0;32,9", "T: 1,44 -494,2",
                         "DT: 0,24 DY: -790,17"),
              std::tuple(QLocale::c(), "0.0;6.4;26.1;0.0;32.9", "T: 1.44 -494.2",
                         "DT: 0.24 DY: -790.17")}) {
            Banco b(locale);
            Frm_grafici& f = *b.frm;
            Grafico_misura& g = f.Grafico(0);
            g.Imposta_cursore_x(1, 1.20);
            g.Imposta_cursore_y(1, 295.97);
            g.Imposta_cursore_x(2, 1.44);
            g.Imposta_cursore_y(2, -494.2);
            f.Cursore_tempo_spostato(1.44, -494.2);
            QCOMPARE(g.Annotazione(Tempo::Annotazione_punto), punto);
            QCOMPARE(g.Annotazione(Tempo::Annotazione_distanza), distanza);

            int beep = 0;
            f.Imposta_segnale_acustico([&beep] { ++beep; });
            const Colore bande[] = {Colore_verde, Colore_giallo, Colore_verde, Colore_rosso,
                                    Colore_giallo};
            const QColor allarme = Colore_qt(Colore_allarme);
            int attesi = 0;
            for (int i = 0; i < 5; ++i) {
                const bool oltre = Serie[std::size_t(i)].Oltre_soglia;
                const QColor colore = oltre ? allarme : Colore_qt(bande[i]);
                f.Ripetizione_chiusa(i, Ripetizione{}, 0, bande[i]);
                f.Ripetizione_analizzata(i, Serie[std::size_t(i)]);
                attesi += oltre;
                QCOMPARE(f.Lbl_perdita().text(), "Perdita " + QString(testi).split(';')[i] + " %");
                // The display, the slider, the label, the slider's words, the screen reader, the
                // beeps.
                QCOMPARE(
                    (QList<bool>{f.Num_vel().Colore() == colore, f.Slide().Colore() == colore,
                                 f.Lbl_perdita().palette().color(QPalette::WindowText) == allarme,
                                 f.Slide().Stato().endsWith("\noltre la soglia"),
                                 f.Slide().accessibleDescription().contains(f.Lbl_perdita().text()),
                                 beep == attesi}),
                    (QList<bool>{true, true, oltre, oltre, true, true}));
            }
            f.Misura_azzerata();
            QCOMPARE(f.Lbl_perdita().text(), QString());
            QVERIFY(f.Lbl_perdita().palette().color(QPalette::WindowText) != allarme);
        }
    }

    // Velocities in m/s and durations 0.00, powers whole (a half away from zero), loss 0.0;
    // exactly the rows past the threshold in alarm, every cell, and not by colour alone.
    void righe_e_testi() {
        QStringList righe;
        for (const QLocale& locale : {QLocale(QLocale::Italian), QLocale::c()}) {
            Frm_analisi frm(locale);
            for (std::size_t i = 0; i < Serie.size(); ++i)
                frm.Ripetizione_analizzata(static_cast<int>(i), Serie[i]);
            righe << Righe(frm.Lst_analisi->model());
        }
        QCOMPARE(righe.join('\n') + '\n', Testo_riferimento("frm_analisi_righe.txt"));
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
        QCOMPARE(Righe(frm->Lst_analisi->model()), Righe(tutta.Lst_analisi->model()));
        QCOMPARE(Mostra_frm_analisi(finestra, {}, QLocale::c(), nullptr), frm);
        // The engine: the best repetition (row 3) left out, the losses after it smaller.
        serie[3].Esclusa = true;
        serie[4].Perdita = 27.5f;
        inoltro.Esclusione_cambiata(3, true);
        QCOMPARE(Righe(frm->Lst_analisi->model()).mid(2),
                 (QStringList{"3;0.60;0.64;0.38;455;1210;26.1;!!!!!!!",
                              "4;0.82;0.86;0.44;640;1550;0.0;xxxxxxx",
                              "5;0.55;0.58;0.60;420;1100;27.5;!!!!!!!"}));
        serie[3].Esclusa = false;
        inoltro.Esclusione_cambiata(3, false);
        QCOMPARE(Righe(frm->Lst_analisi->model()).value(3),
                 Righe(tutta.Lst_analisi->model()).value(3));

        inoltro.Misura_azzerata();
        QCOMPARE(frm->Lst_analisi->rowCount(), 0);
        QVERIFY(QTest::qWaitForWindowExposed(frm));
        QTest::keyClick(frm, Qt::Key_Escape);
        QTRY_VERIFY(finestra.isNull());
        inoltro.Ripetizione_analizzata(1, Serie[1]);
        frm = Mostra_frm_analisi(finestra, prime, QLocale::c(), nullptr);
        QCOMPARE(Righe(frm->Lst_analisi->model()), Righe(tutta.Lst_analisi->model()).mid(0, 3));
        delete frm;
    }
};

QTEST_MAIN(Test_frm_grafici)
#include "test_frm_grafici.moc"
