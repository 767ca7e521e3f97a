// The graph window: layout and views across resizes, cursor readouts, the value list's
// alignment and axis scrolling, and what a measurement shows through the real engine.
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/grafico_qcp.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <QLabel>
#include <QListWidget>
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
            frm->Riga_aggiunta(r - 1);
        }
    }
    QListWidget* Colonna(int c) const { return frm->Valori().Lst_valori(c); }
    void Clic(int colonna, int riga) {
        QListWidget* l = Colonna(colonna);
        const QPoint punto = l->visualItemRect(l->item(riga)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, punto);
        QCoreApplication::processEvents();
    }
};
} // namespace

class Test_frm_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void viste_e_ridimensionamenti_data() {
        QTest::addColumn<Frm_grafici::Vista>("vista");
        QTest::addColumn<bool>("tempo_visibile");
        QTest::addColumn<bool>("ripetizioni_visibile");
        QTest::newRow("combinata") << Frm_grafici::Vista::Combinata << true << true;
        QTest::newRow("solo tempo") << Frm_grafici::Vista::Tempo << true << false;
        QTest::newRow("solo ripetizioni") << Frm_grafici::Vista::Ripetizioni << false << true;
    }
    void viste_e_ridimensionamenti() {
        QFETCH(Frm_grafici::Vista, vista);
        QFETCH(bool, tempo_visibile);
        QFETCH(bool, ripetizioni_visibile);
        Banco b;
        Frm_grafici& f = *b.frm;
        f.Mostra_vista(vista);
        const int r = f.Slide().x() + f.Slide().width();
        const int w = f.width();
        // The view's own geometry.
        if (vista == Frm_grafici::Vista::Tempo)
            QCOMPARE(f.Grafico(0).geometry(), QRect(r, 0, w - r, f.Slide().height()));
        if (vista == Frm_grafici::Vista::Ripetizioni)
            QCOMPARE(f.Grafico(1).geometry(), QRect(r, 0, w - r, f.Slide().height()));

        for (const QSize dimensione : {QSize(1600, 750), QSize(700, 433), QSize(1401, 901)}) {
            f.resize(dimensione);
            f.riposiziona();
            const int W = dimensione.width(), H = dimensione.height();
            QCOMPARE(f.Slide().geometry(), QRect(0, 0, int(0.1 * W), int(0.7 * H)));
            // The layout is always the combined one, and keeps what is hidden hidden.
            QCOMPARE(f.Grafico(0).width(), int(0.45 * W));
            QCOMPARE(f.Grafico(1).x(), f.Grafico(0).x() + f.Grafico(0).width());
            QCOMPARE(f.Num_vel().geometry(), f.Grafico(0).geometry());
            QCOMPARE(!f.Grafico(0).isHidden(), tempo_visibile);
            QCOMPARE(!f.Grafico(1).isHidden(), ripetizioni_visibile);
            QCOMPARE(f.findChildren<QListWidget*>().size(), 14);
            for (int c = 0; c < 14; ++c) {
                const bool giallo =
                    b.Colonna(c)->palette().color(QPalette::Base) == QColor(255, 255, 0);
                QCOMPARE(giallo, c >= 2 && c <= 7); // the concentric phase
                QCOMPARE(b.Colonna(c)->geometry().width(), W / 14);
                QCOMPARE(b.Colonna(c)->x(), c * (W / 14));
                QCOMPARE(f.Valori().Txt_dettaglio(c)->width(), W / 14);
                QCOMPARE(b.Colonna(c)->y() + b.Colonna(c)->height(), H);
            }
        }
    }

    void interruttore_tempo_alterna_grafico_e_numero() {
        Banco b;
        Frm_grafici& f = *b.frm;
        QVERIFY(f.Grafico_tempo_visibile());
        QVERIFY(f.Num_vel().isHidden());
        f.Imposta_tempo_acceso(false);
        QVERIFY(!f.Grafico_tempo_visibile());
        QVERIFY(!f.Num_vel().isHidden());
        f.resize(900, 600); // a new layout keeps the choice
        f.riposiziona();
        QVERIFY(!f.Grafico_tempo_visibile());
        f.Imposta_tempo_acceso(true);
        QVERIFY(f.Grafico_tempo_visibile());
        QVERIFY(f.Num_vel().isHidden());
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

    void trascinare_un_cursore_aggiorna_le_letture() {
        Banco b;
        b.frm->show();
        Grafico_misura& g = b.frm->Grafico(0);
        const double velocita[] = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100};
        g.Accoda(Tempo::Plot_velocita, velocita, 11, 0.5); // x = 0 .. 5
        g.Imposta_cursore_x(1, 1.0);
        g.Imposta_cursore_x(2, 4.0);
        g.Piano()->replot(QCustomPlot::rpImmediateRefresh);
        QSignalSpy spostamenti(&g, &Grafico_misura::Cursore_spostato);
        QWidget* piano = g.Piano();
        const QPointF da(g.Piano()->xAxis->coordToPixel(4.0), piano->height() / 2.0);
        const QPointF a(g.Piano()->xAxis->coordToPixel(2.0), piano->height() / 2.0);
        auto invia = [&](QEvent::Type tipo, QPointF p, Qt::MouseButtons tasti) {
            QMouseEvent e(tipo, p, piano->mapToGlobal(p), Qt::LeftButton, tasti, {});
            QCoreApplication::sendEvent(piano, &e);
        };
        invia(QEvent::MouseButtonPress, da, Qt::LeftButton);
        invia(QEvent::MouseMove, a, Qt::LeftButton);
        invia(QEvent::MouseButtonRelease, a, Qt::NoButton);
        QCOMPARE(spostamenti.size(), 2);
        QCOMPARE(spostamenti.at(0).at(0).toInt(), 2); // cursor 2, dragging
        QCOMPARE(spostamenti.at(0).at(3).toBool(), true);
        QCOMPARE(spostamenti.at(1).at(3).toBool(), false);
        QVERIFY(std::abs(g.Cursore_x(2) - 2.0) < 0.05);
        QCOMPARE(g.Annotazione(Tempo::Annotazione_punto), QStringLiteral("T: 2.00 500.0"));
        QCOMPARE(g.Annotazione(Tempo::Annotazione_distanza), QStringLiteral("DT: 1.00 DY: 200.00"));
    }

    void colonna_zero_guida_la_selezione() {
        Banco b;
        b.frm->show();
        b.Riempi(3);
        for (int c = 0; c < 14; ++c) // each new row is selected everywhere
            QCOMPARE(b.Colonna(c)->currentRow(), 2);
        b.Clic(0, 1);
        for (int c = 0; c < 14; ++c) {
            QCOMPARE(b.Colonna(c)->currentRow(), 1);
            QCOMPARE(b.frm->Valori().Prima_visibile(c), b.frm->Valori().Prima_visibile(0));
        }
        // Row 1 is record 2: the cursors bracket it, the repetition cursor marks it.
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), double(Inizi[2]));
        QCOMPARE(b.frm->Grafico(0).Cursore_x(2), double(Inizi[3]));
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 1.0);

        // A click in another column snaps back and moves nothing.
        b.Clic(0, 2);
        const double x1 = b.frm->Grafico(0).Cursore_x(1);
        b.Clic(5, 0);
        QCOMPARE(b.Colonna(5)->currentRow(), 2);
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), x1);
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 2.0);
    }

    void lista_vuota_non_tocca_i_grafici() {
        Banco b;
        b.frm->show();
        b.frm->Grafico(0).Imposta_cursore_x(1, 7.5);
        QTest::mouseClick(b.Colonna(0)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCoreApplication::processEvents();
        QCOMPARE(b.frm->Grafico(0).Cursore_x(1), 7.5);
        QCOMPARE(b.frm->Grafico(0).Minimo(Tempo::Asse_x), 0.0);
        QCOMPARE(b.frm->Grafico(1).Cursore_x(1), 0.0);
    }

    void asse_del_tempo_tiene_in_vista_la_ripetizione_data() {
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("massimo");
        QTest::addColumn<int>("riga"); // row r shows record r+1
        QTest::addColumn<double>("nuovo_minimo");
        QTest::addColumn<double>("nuovo_massimo");
        QTest::newRow("30 s con 0..10") << 0.0 << 10.0 << 3 << 21.0 << 31.0;
        QTest::newRow("3 s con 20..30") << 20.0 << 30.0 << 1 << 2.0 << 12.0;
        QTest::newRow("25 s con 20..30") << 20.0 << 30.0 << 2 << 20.0 << 30.0;
    }
    void asse_del_tempo_tiene_in_vista_la_ripetizione() {
        QFETCH(double, minimo);
        QFETCH(double, massimo);
        QFETCH(int, riga);
        QFETCH(double, nuovo_minimo);
        QFETCH(double, nuovo_massimo);
        Banco b;
        b.Riempi(4);
        b.frm->Grafico(0).Imposta_intervallo(Tempo::Asse_x, minimo, massimo);
        b.frm->Valori().Seleziona(0, riga);
        b.frm->Allinea_liste(0);
        QCOMPARE(b.frm->Grafico(0).Minimo(Tempo::Asse_x), nuovo_minimo);
        QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_x), nuovo_massimo);
        // The last row's record is followed by the one in progress: both cursors placed.
        QCOMPARE(b.frm->Grafico(0).Cursore_x(2), double(Inizi[riga + 2]));
    }

    void cursore_ripetizioni_seleziona_solo_la_colonna_zero_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("riga");
        QTest::newRow("2.4") << 2.4 << 2;
        QTest::newRow("0.6") << 0.6 << 1;
        QTest::newRow("oltre l'ultima") << 3.7 << 0;
        QTest::newRow("prima della prima") << -0.7 << 0;
    }
    void cursore_ripetizioni_seleziona_solo_la_colonna_zero() {
        QFETCH(double, x);
        QFETCH(int, riga);
        Banco b;
        b.Riempi(3);
        b.frm->Valori().Seleziona(0, 0);
        b.frm->Cursore_ripetizioni_spostato(x);
        QCOMPARE(b.Colonna(0)->currentRow(), riga);
        QCOMPARE(b.Colonna(4)->currentRow(), 2);
    }
};

QTEST_MAIN(Test_frm_grafici)
#include "test_frm_grafici.moc"
