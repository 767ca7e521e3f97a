// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: layout and views across resizes, cursor readouts, the value list's
// alignment and axis scrolling.
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "session/sessione.h"

#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Frm_grafici::Vista)

namespace {
// Starts (Tempo_inizio) of records 0..5.
constexpr float Inizi[] = {0, 0, 3, 25, 30, 33};

struct Banco {
    QTemporaryDir cartella;
    Sessione s;
    Lista_valori lista;
    std::unique_ptr<Frm_grafici> frm;
    explicit Banco(const QLocale& locale = QLocale::c()) {
        s.Cartella_applicazione = cartella.path();
        frm = std::make_unique<Frm_grafici>(s, locale);
        frm->Imposta_lista(&lista);
        frm->resize(1400, 900);
        frm->riposiziona(); // as the main window does after sizing it
    }
    // Rows for records 1..righe, as the engine appends them.
    void Riempi(int righe) {
        s.Ripetizioni.resize(std::size(Inizi));
        for (std::size_t i = 0; i < std::size(Inizi); ++i) s.Ripetizioni[i].Tempo_inizio = Inizi[i];
        for (int r = 1; r <= righe; ++r) {
            lista.Aggiungi(Lista_valori::Formatta_riga(s.Ripetizioni[static_cast<std::size_t>(r)],
                                                       r, QLocale::c()));
            const Ripetizione& rip = s.Ripetizioni[static_cast<std::size_t>(r)];
            frm->Ripetizione_chiusa(r - 1, rip, rip.Vmedia_conc, Colore_verde);
        }
    }
    QTableView* Tabella() const { return frm->Valori().Tabella(); }
    int Scelta() const { return frm->Valori().Riga_selezionata(); }
    void Clic(int colonna, int riga) {
        const QPoint punto =
            Tabella()->visualRect(Tabella()->model()->index(riga, colonna)).center();
        QTest::mouseClick(Tabella()->viewport(), Qt::LeftButton, {}, punto);
        QCoreApplication::processEvents();
    }
};
} // namespace

class Test_frm_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each view fills the space right of the slider; a new layout is always the combined
    // one and keeps what is hidden hidden (the time switch shows the display instead).
    void viste_e_ridimensionamenti_data() {
        QTest::addColumn<Frm_grafici::Vista>("vista");
        QTest::addColumn<bool>("tempo_acceso");
        QTest::addColumn<bool>("tempo_visibile");
        QTest::addColumn<bool>("ripetizioni_visibile");
        QTest::newRow("combinata") << Frm_grafici::Vista::Combinata << true << true << true;
        QTest::newRow("tempo spento") << Frm_grafici::Vista::Combinata << false << false << true;
        QTest::newRow("solo tempo") << Frm_grafici::Vista::Tempo << true << true << false;
    }
    void viste_e_ridimensionamenti() {
        QFETCH(Frm_grafici::Vista, vista);
        QFETCH(bool, tempo_acceso);
        QFETCH(bool, tempo_visibile);
        QFETCH(bool, ripetizioni_visibile);
        Banco b;
        Frm_grafici& f = *b.frm;
        f.Mostra_vista(vista);
        if (!tempo_acceso) f.Imposta_tempo_acceso(false);
        const int r = f.Slide().x() + f.Slide().width();
        if (vista != Frm_grafici::Vista::Combinata)
            QCOMPARE(f.Grafico(tempo_visibile ? 0 : 1).geometry(),
                     QRect(r, 0, f.width() - r, f.Slide().height()));
        f.resize(700, 433);
        f.riposiziona();
        QCOMPARE(!f.Grafico(0).isHidden(), tempo_visibile);
        QCOMPARE(!f.Grafico(1).isHidden(), ripetizioni_visibile);
        QCOMPARE(f.Num_vel().isHidden(), tempo_acceso);
    }

    void letture_dei_cursori_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("punto");
        QTest::addColumn<QString>("distanza");
        QTest::newRow("punto decimale") << QLocale::c() << "T: 1.44 -494.2"
                                        << "DT: 0.24 DY: -790.17";
        QTest::newRow("virgola") << QLocale(QLocale::Italian, QLocale::Italy) << "T: 1,44 -494,2"
                                 << "DT: 0,24 DY: -790,17";
    }
    void letture_dei_cursori() {
        QFETCH(QLocale, locale);
        QFETCH(QString, punto);
        QFETCH(QString, distanza);
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
        b.Clic(5, 1);
        QCOMPARE(b.Scelta(), 1);
        // Row 1 is record 2: the cursors bracket it, the repetition cursor marks it.
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), double(Inizi[2]));
        QCOMPARE(b.frm->Grafico(0).Cursore_x(2), double(Inizi[3]));
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 2.0); // repetition 2
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

    // Selecting a row scrolls the time axis, span kept, only when the record is out of view.
    void asse_del_tempo_tiene_in_vista_la_ripetizione_data() {
        QTest::addColumn<QPointF>("asse");
        QTest::addColumn<int>("riga"); // row r shows record r+1
        QTest::addColumn<QPointF>("nuovo_asse");
        QTest::newRow("30 s con 0..10") << QPointF(0, 10) << 3 << QPointF(21, 31);
        QTest::newRow("3 s con 20..30") << QPointF(20, 30) << 1 << QPointF(2, 12);
        QTest::newRow("25 s con 20..30") << QPointF(20, 30) << 2 << QPointF(20, 30);
    }
    void asse_del_tempo_tiene_in_vista_la_ripetizione() {
        QFETCH(QPointF, asse);
        QFETCH(int, riga);
        QFETCH(QPointF, nuovo_asse);
        Banco b;
        b.Riempi(4);
        Grafico_misura& g = b.frm->Grafico(0);
        g.Imposta_intervallo(Tempo::Asse_x, asse.x(), asse.y());
        b.frm->Valori().Seleziona(riga);
        b.frm->Segui_selezione();
        QCOMPARE(QPointF(g.Minimo(Tempo::Asse_x), g.Massimo(Tempo::Asse_x)), nuovo_asse);
        // The last row's record is followed by the one in progress: both cursors placed.
        QCOMPARE(g.Cursore_x(2), double(Inizi[riga + 2]));
    }
};

QTEST_MAIN(Test_frm_grafici)
#include "test_frm_grafici.moc"
