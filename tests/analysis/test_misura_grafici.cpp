// A measurement through the real engine into the graph window: rows, repetition graph,
// slider and display agree with the repetition table and show the band's colour; the
// time graph is drawn only while it is shown, and a reset empties everything.
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
#include <cmath>

namespace {
// Serial-link samples of a bar moving 6 mm per record: the velocity is 6000 / t mm/s.
struct Movimento {
    std::vector<double> posizioni;
    std::vector<float> tempi;
    double p = 100;
    void Tratto(double mm, double v) { // lift (mm > 0) or lowering at v mm/s
        const float t = static_cast<float>(6000.0 / v);
        for (int i = 0; i < static_cast<int>(std::abs(mm) / 6); ++i) {
            p += mm > 0 ? 6 : -6;
            posizioni.push_back(p);
            tempi.push_back(mm > 0 ? t : -t);
        }
    }
    void Pausa(int secondi) { // still: one idle record per second (velocity below 12)
        for (int i = 0; i < secondi; ++i) {
            posizioni.push_back(p);
            tempi.push_back(1000.0f);
        }
    }
};

struct Misura {
    QTemporaryDir cartella;
    Sessione s;
    Frm_grafici frm;
    Motore_misura motore;
    Misura() : frm(s, QLocale::c()), motore(s, frm, QLocale::c()) {
        frm.Imposta_lista(&motore.Lst_valori());
        s.Usa_seriale = true;
        s.Fattore_posizione = 1.0f;
        s.Dati_esercizio.Vmax = 200;
        s.Dati_esercizio.Limite_sup = 110; // band 180 .. 220
        s.Dati_esercizio.Limite_inf = 90;
        s.Dati_esercizio.Ampiezza_minima = 100;
        s.Acquisizione_in_corso = true;
        s.Disegno_abilitato = true;
        s.Stato_fase = {1, 0};
        s.Tempo_corrente = 0;
        motore.Azzera_misura();
    }
    void Esegui(const Movimento& m) {
        for (std::size_t i = 0; i + 1 < m.posizioni.size(); i += 2)
            motore.Elabora_blocco(1, &m.posizioni[i], &m.tempi[i]);
    }
};

// A warm-up lift, then three lifts of 300 mm. The top is seen at the first idle record,
// one second after the lift ended, so the mean velocities are 300 / (300 / v + 1):
// 200 (in the band), 250 (above) and 171 mm/s (below).
Movimento Quattro_sollevamenti() {
    Movimento m;
    m.Pausa(2);
    for (double v : {500.0, 600.0, 1500.0, 400.0}) {
        m.Tratto(300, v);
        m.Pausa(2);
        m.Tratto(-300, 400);
        m.Pausa(1);
    }
    m.Pausa(2);
    return m;
}
} // namespace

class Test_misura_grafici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ripetizioni_mostrate_in_lista_grafico_slider_e_display() {
        Misura m;
        QList<QColor> colori;
        connect(&m.frm, &Frm_grafici::Ripetizione_mostrata, this,
                [&] { colori << m.frm.Slide().Colore(); });
        m.Esegui(Quattro_sollevamenti());

        QListWidget* numeri = m.frm.Valori().Lst_valori(0);
        QCOMPARE(numeri->count(), 3);
        QCOMPARE(numeri->item(0)->text(), QStringLiteral("1"));
        QCOMPARE(numeri->item(2)->text(), QStringLiteral("3"));
        QCOMPARE(colori,
                 (QList<QColor>{QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)}));
        // The repetition graph: one point per row, X = row index.
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 3);
        QCOMPARE(m.frm.Grafico(1).Ultima_x(Ripetizioni::Plot_durata), 2.0);
        // Slider and display show the last row's mean velocity, as the list does.
        const QString vmedia = m.frm.Valori().Lst_valori(4)->item(2)->text();
        QCOMPARE(m.frm.Num_vel().Testo(), vmedia);
        QCOMPARE(qRound(m.frm.Slide().Valore()), vmedia.toInt());
        QCOMPARE(m.frm.Num_vel().Colore(), QColor(255, 0, 0));
        // The cursors bracket the last repetition.
        QCOMPARE(m.frm.Grafico(0).Cursore_x(2), double(m.s.Ripetizioni[3].Tempo_inizio));
        QCOMPARE(m.frm.Grafico(0).Cursore_x(1), double(m.s.Ripetizioni[4].Tempo_inizio));
        // Drawn from the first accepted repetition on, which restarted the clock.
        QVERIFY(m.frm.Grafico(0).Punti(Tempo::Plot_posizione) > 100);
        QCOMPARE(m.frm.Grafico(0).Punti(Tempo::Plot_posizione),
                 m.frm.Grafico(0).Punti(Tempo::Plot_velocita));
        QVERIFY(std::abs(m.frm.Grafico(0).Ultima_x(Tempo::Plot_velocita) - m.s.Tempo_corrente) <
                1e-3);

        m.motore.Azzera_misura();
        QCOMPARE(numeri->count(), 0);
        QCOMPARE(m.frm.Grafico(1).Punti(Ripetizioni::Plot_vmedia), 0);
        QCOMPARE(m.frm.Grafico(0).Punti(Tempo::Plot_velocita), 1); // the origin
        QCOMPARE(m.frm.Slide().Valore(), 0.0);
    }

    // The band's limits are inclusive: a mean velocity equal to a limit is green. With
    // both limits at 100 % the band is the single value Vmax.
    void colore_ai_limiti_della_banda_data() {
        QTest::addColumn<int>("verso"); // Vmax relative to the first row's mean velocity
        QTest::addColumn<QColor>("colore");
        QTest::newRow("uguale") << 0 << QColor(0, 255, 0);
        QTest::newRow("appena sotto il limite") << 1 << QColor(255, 0, 0);
        QTest::newRow("appena sopra il limite") << -1 << QColor(255, 255, 0);
    }
    void colore_ai_limiti_della_banda() {
        QFETCH(int, verso);
        QFETCH(QColor, colore);
        float vmedia = 0;
        {
            Misura prova;
            prova.Esegui(Quattro_sollevamenti());
            vmedia = prova.s.Ripetizioni[1].Vmedia_conc;
        }
        Misura m;
        m.s.Dati_esercizio.Limite_sup = 100;
        m.s.Dati_esercizio.Limite_inf = 100;
        m.s.Dati_esercizio.Vmax =
            verso == 0 ? vmedia : std::nextafter(vmedia, verso > 0 ? 1e9f : -1e9f);
        QList<QColor> colori;
        connect(&m.frm, &Frm_grafici::Ripetizione_mostrata, this,
                [&] { colori << m.frm.Num_vel().Colore(); });
        m.Esegui(Quattro_sollevamenti());
        QVERIFY(!colori.isEmpty());
        QCOMPARE(colori.front(), colore);
        QCOMPARE(m.frm.Slide().Colore(), m.frm.Num_vel().Colore());
    }

    void grafico_tempo_spento_non_disegna_ma_il_display_si() {
        Misura m;
        m.frm.Imposta_tempo_acceso(false);
        m.Esegui(Quattro_sollevamenti());
        QCOMPARE(m.frm.Grafico(0).Punti(Tempo::Plot_velocita), 0);
        QCOMPARE(m.frm.Valori().Lst_valori(0)->count(), 3);
        QCOMPARE(m.frm.Num_vel().Colore(), QColor(255, 0, 0));
        QVERIFY(!m.frm.Num_vel().isHidden());
    }
};

QTEST_MAIN(Test_misura_grafici)
#include "test_misura_grafici.moc"
