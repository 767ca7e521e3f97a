// Demo of the graph window fed live: a generated training set (the board's model, HID
// link, board type 1) goes through the measurement engine in real time.
//
//   kinetrack-grafici-demo [seconds before quitting, default: run until closed] [numero]
// With "numero" the time graph is switched off and the large number stands in its place.

#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "board/flusso_scheda.h"
#include "platform/grafico.h"
#include "platform/slider.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QLocale locale(QLocale::Italian, QLocale::Italy);

    Sessione s;
    s.Cartella_applicazione = QCoreApplication::applicationDirPath();
    s.Usa_hid = true;
    s.Fattore_posizione = Fattore_posizione_tipo1;
    s.Fattore_tempo = Fattore_tempo_tipo12;
    s.Dati_esercizio.Vmax = 800;
    s.Dati_esercizio.Limite_sup = 110;
    s.Dati_esercizio.Limite_inf = 80;
    s.Dati_esercizio.Ampiezza_minima = 100;

    Frm_grafici frm(s, locale);
    Motore_misura motore(s, locale);
    motore.Aggiungi_vista(frm);
    frm.Imposta_lista(&motore.Lst_valori());
    frm.setWindowTitle(QStringLiteral("kinetrack - grafici"));
    frm.resize(1600, 1000);
    frm.riposiziona();
    // Ranges an operator would set for this athlete (not saved).
    frm.Grafico(0).Imposta_intervallo(Tempo::Asse_velocita, -1500, 1500);
    frm.Grafico(0).Imposta_intervallo(Tempo::Asse_spostamento, -100, 900);
    frm.Grafico(1).Imposta_intervallo(Ripetizioni::Asse_velocita, 0, 1500);
    frm.Grafico(1).Imposta_intervallo(Ripetizioni::Asse_durata, 0, 3);
    frm.Slide().Imposta_intervallo(0, 1500);
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("numero"))
        frm.Imposta_tempo_acceso(false);
    frm.show();

    Parametri_copione parametri;
    parametri.ripetizioni = 30;
    Flusso_copione flusso(Genera_copione(parametri, 7), 1, Collegamento::Hid);
    Accumulatore_hid accumulatore;

    motore.Inizia_acquisizione();

    QElapsedTimer orologio;
    orologio.start();
    std::vector<Record_scheda> record;
    QTimer passo; // the HID link delivers reports every millisecond or so
    QObject::connect(&passo, &QTimer::timeout, &frm, [&] {
        record.clear();
        flusso.Fino_a(static_cast<double>(orologio.nsecsElapsed()) * 1e-9, record);
        Report_hid_t report{};
        for (const Record_scheda& r : record)
            if (accumulatore.Aggiungi(r, report)) motore.Report_hid(report);
    });
    passo.start(2);

    if (argc > 1)
        QTimer::singleShot(static_cast<int>(QString::fromLocal8Bit(argv[1]).toDouble() * 1000),
                           &app, &QApplication::quit);
    return app.exec();
}
