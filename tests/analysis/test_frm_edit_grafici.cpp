// SPDX-License-Identifier: GPL-3.0-or-later
// The graph property editor: applying a range, the velocity scales that follow the time
// graph's velocity axis, "Cancel", persistence across a reload of the graph window,
// and refused ranges or unwritable settings files.
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/slider.h"
#include "session/sessione.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Banco {
    QTemporaryDir cartella;
    Sessione s;
    std::unique_ptr<Frm_grafici> frm;
    Banco() {
        s.Cartella_applicazione = cartella.path();
        s.Dati_esercizio.Vmax = 1000;
        s.Dati_esercizio.Limite_sup = 110;
        s.Dati_esercizio.Limite_inf = 90;
        Ricarica();
    }
    void Ricarica() { frm = std::make_unique<Frm_grafici>(s, QLocale::c()); }
    Frm_edit_grafici& Editor(int grafico) {
        frm->Apri_editor(grafico);
        return *frm->Editor();
    }
};
} // namespace

class Test_frm_edit_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The velocity axis of the time graph drives the slider's range and marks and the
    // repetition graph's velocity axis; only the time graph's file keeps it.
    void asse_velocita_aggiornato_e_ricaricato() {
        Banco b;
        Frm_edit_grafici& e = b.Editor(0);
        e.sldSelectAxis->setValue(3); // the velocity axis
        e.AxisMin->setValue(0);
        e.AxisMax->setValue(1500);
        e.UpdateAxis->click();
        QVERIFY(QFile::exists(b.frm->File_impostazioni(0)));
        QVERIFY(!QFile::exists(b.frm->File_impostazioni(1)));
        QCOMPARE(b.frm->Slide().Massimo(), 1500.0);
        // The marks are the band's ends, where the pointer's colours change: "MIN" at
        // Vmax x 90 %, "MAX" at Vmax x 110 %.
        QCOMPARE(b.frm->Slide().Etichetta_segno(1), QStringLiteral("MIN"));
        QCOMPARE(b.frm->Slide().Segno(1), 900.0);
        QCOMPARE(b.frm->Slide().Etichetta_segno(2), QStringLiteral("MAX"));
        QCOMPARE(b.frm->Slide().Segno(2), 1100.0);
        QCOMPARE(b.frm->Grafico(1).Massimo(Ripetizioni::Asse_velocita), 1500.0);
        b.Ricarica();
        QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita), 1500.0);
        QCOMPARE(b.frm->Slide().Massimo(), 1500.0);
        QCOMPARE(b.frm->Grafico(1).Massimo(Ripetizioni::Asse_velocita), 2000.0);
    }

    void annulla_riporta_l_ultimo_salvataggio() {
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
    }

    // The design's captions stay, each with an Italian tip; Esc and "Chiudi" close the
    // editor without applying what was typed.
    void didascalie_ed_esc() {
        Banco b;
        Frm_edit_grafici& e = b.Editor(0);
        QVERIFY(QTest::qWaitForWindowActive(&e));
        const QStringList didascalie{"Edit Axis",           "Update",      "Cancel",
                                     "Graph Operations",    "Zoom",        "Pan",
                                     "Cursor Measurements", "Measure Move"};
        QStringList trovate;
        for (const QWidget* w : e.findChildren<QWidget*>()) {
            const QString testo = w->property("title").toString() + w->property("text").toString();
            if (!didascalie.contains(testo)) continue;
            trovate << testo;
            QVERIFY2(!w->toolTip().isEmpty() && w->accessibleDescription() == w->toolTip(),
                     qPrintable(testo));
        }
        QCOMPARE(QSet<QString>(trovate.cbegin(), trovate.cend()),
                 QSet<QString>(didascalie.cbegin(), didascalie.cend()));
        QCOMPARE(e.UpdateAxis->toolTip(),
                 QStringLiteral("Applica il nuovo intervallo all'asse e lo salva"));

        for (const bool esc : {true, false}) {
            b.frm->Apri_editor(0);
            QVERIFY(QTest::qWaitForWindowActive(&e));
            e.sldSelectAxis->setValue(Tempo::Asse_velocita);
            e.AxisMax->setValue(999);
            if (esc)
                QTest::keyClick(e.AxisMax, Qt::Key_Escape);
            else
                e.Cmd_chiudi->click();
            QVERIFY(!e.isVisible());
            QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita), 240.0);
            QVERIFY(!QFile::exists(b.frm->File_impostazioni(0)));
        }
    }

    // An empty or reversed range is refused; an unwritable folder is told with its reason,
    // the range still applied for this run.
    void intervallo_o_cartella_non_validi_data() {
        QTest::addColumn<QPointF>("intervallo");
        QTest::addColumn<bool>("cartella_valida");
        QTest::newRow("rovesciati") << QPointF(500, 100) << true;
        QTest::newRow("cartella non scrivibile") << QPointF(0, 900) << false;
    }
    void intervallo_o_cartella_non_validi() {
        QFETCH(QPointF, intervallo);
        QFETCH(bool, cartella_valida);
        Banco b;
        if (!cartella_valida) b.s.Cartella_applicazione = QStringLiteral("/proc/kinetrack-no");
        Frm_edit_grafici& e = b.Editor(0);
        QVERIFY(!e.Update_graph(0, Tempo::Asse_velocita, intervallo.x(), intervallo.y()));
        QVERIFY(!e.Stato().isEmpty() && !QFile::exists(b.frm->File_impostazioni(0)));
        if (!cartella_valida)
            QVERIFY2(
                e.Stato().contains(QStringLiteral("grafico_0.cwx: file o cartella inesistente")),
                qPrintable(e.Stato()));
        QCOMPARE(b.frm->Grafico(0).Massimo(Tempo::Asse_velocita), cartella_valida ? 240.0 : 900.0);
    }
};

QTEST_MAIN(Test_frm_edit_grafici)
#include "test_frm_edit_grafici.moc"
