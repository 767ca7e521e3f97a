// A measurement through the real engine into the graph window: rows, repetition graph,
// slider, display and cursors agree, and a reset empties everything.
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "platform/grafico.h"
#include "platform/numerico.h"
#include "platform/slider.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Misura {
    QTemporaryDir cartella;
    Sessione s;
    Frm_grafici frm;
    Motore_misura motore;
    Misura() : frm(s, QLocale::c()), motore(s, QLocale::c()) {
        motore.Aggiungi_vista(frm);
        frm.Imposta_lista(&motore.Lst_valori());
        s.Usa_seriale = true;
        s.Fattore_posizione = 1.0f;
        s.Dati_esercizio.Vmax = 200;
        s.Dati_esercizio.Limite_sup = 110; // band 180 .. 220
        s.Dati_esercizio.Limite_inf = 90;
        s.Dati_esercizio.Ampiezza_minima = 100;
        s.Soglia_perdita = 100; // the band's colours, never the loss alarm over them
        motore.Inizia_acquisizione();
    }
    // Serial-link records of 6 mm (velocity 6000 / t mm/s; still: one idle record a
    // second). A warm-up lift, then three lifts of 300 mm. The top is seen at the first
    // idle record, one second after the lift ended, so the mean velocities are
    // 300 / (300 / v + 1): 200 (in the band), 250 (above) and 171 mm/s (below).
    void Quattro_sollevamenti() {
        std::vector<double> posizioni;
        std::vector<float> tempi;
        double p = 100;
        auto tratto = [&](int record, double passo, float t) {
            for (int i = 0; i < record; ++i) {
                posizioni.push_back(p += passo);
                tempi.push_back(t);
            }
        };
        tratto(2, 0, 1000);
        for (double v : {500.0, 600.0, 1500.0, 400.0}) {
            tratto(50, 6, float(6000 / v));
            tratto(2, 0, 1000);
            tratto(50, -6, -15);
            tratto(1, 0, 1000);
        }
        tratto(2, 0, 1000);
        for (std::size_t i = 0; i + 1 < posizioni.size(); i += 2)
            motore.Elabora_blocco(1, &posizioni[i], &tempi[i]);
    }
};
} // namespace

class Test_misura_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ripetizioni_mostrate_in_lista_grafico_slider_e_display() {
        Misura m;
        m.Quattro_sollevamenti();

        QListWidget* numeri = m.frm.Valori().Lst_valori(0);
        QCOMPARE(numeri->count(), 3);
        // The repetition graph: one point per row, X = row index.
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QCOMPARE(m.frm.Grafico(1).Ultima_x(Ripetizioni::Plot_durata), 2.0);
        // Slider and display show the last row's mean velocity, as the list does.
        const QString vmedia = m.frm.Valori().Lst_valori(4)->item(2)->text();
        QCOMPARE(m.frm.Num_vel().Testo(), vmedia);
        QCOMPARE(qRound(m.frm.Slide().Valore()), vmedia.toInt());
        // The cursors bracket the last repetition.
        QCOMPARE(m.frm.Grafico(0).Cursore_x(2), double(m.s.Ripetizioni[3].Tempo_inizio));
        QCOMPARE(m.frm.Grafico(0).Cursore_x(1), double(m.s.Ripetizioni[4].Tempo_inizio));

        m.motore.Azzera_misura();
        QCOMPARE(numeri->count(), 0);
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 0);
        QCOMPARE(m.frm.Grafico(0).Punti(Tempo::Plot_velocita), 1); // the origin
        QCOMPARE(m.frm.Slide().Valore(), 0.0);
    }
};

QTEST_MAIN(Test_misura_grafici)
#include "test_misura_grafici.moc"
