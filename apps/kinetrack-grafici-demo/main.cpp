// SPDX-License-Identifier: GPL-3.0-or-later
// Demo of the graph window fed live: a generated training set (the board's model, HID
// link, board type 1) goes through the measurement engine in real time.
//
//   kinetrack-grafici-demo [--numero] [SECONDI]   (see Uso below)

#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "cli/strumento.h"
#include "platform/grafico.h"
#include "platform/moduli.h"
#include "platform/slider.h"
#include "session/formato.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "wire/flusso_scheda.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

const QString Nome = QStringLiteral("kinetrack-grafici-demo");

QString Uso() {
    return QCoreApplication::translate(
        "Grafici_demo",
        "Uso: kinetrack-grafici-demo [--numero] [SECONDI]\n"
        "La finestra dei grafici alimentata dal vivo da una serie generata (scheda tipo 1,\n"
        "collegamento HID) attraverso il motore di misura.\n"
        "  SECONDI                 chiude dopo tanti secondi, da 0 a 86400 (0 o nulla:\n"
        "                          resta aperta finché non la si chiude)\n"
        "  --numero                il numero grande al posto del grafico del tempo\n"
        "  -h, --help              questo aiuto\n");
}

struct Opzioni_demo {
    double secondi = 0; // 0: until closed
    bool numero = false;
    bool aiuto = false;
};

// The command line (without the program's name); also the old form "SECONDI numero".
std::optional<QString> Leggi_opzioni(const QStringList& argomenti, Opzioni_demo& o) {
    QStringList posizionali;
    for (const QString& a : argomenti) {
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o.aiuto = true;
            return std::nullopt;
        }
        if (a == QLatin1String("--numero"))
            o.numero = true;
        else if (a.startsWith(QLatin1Char('-')) && !Numero_digitato(a))
            return QCoreApplication::translate("Grafici_demo", "opzione sconosciuta: \"%1\"")
                .arg(a);
        else
            posizionali << a;
    }
    if (posizionali.size() == 2 && posizionali[1] == QLatin1String("numero")) {
        o.numero = true;
        posizionali.removeLast();
    }
    if (posizionali.size() > 1)
        return QCoreApplication::translate("Grafici_demo", "argomento in più: \"%1\"")
            .arg(posizionali[1]);
    if (!posizionali.isEmpty() && !Numero_opzione(posizionali[0], 0, 86400, o.secondi))
        return QCoreApplication::translate("Grafici_demo",
                                           "secondi non validi: \"%1\" (da 0 a 86400)")
            .arg(posizionali[0]);
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    Opzioni_demo opzioni;
    {
        // Read before the window system is reached: --help works without a display.
        QStringList argomenti;
        for (int i = 1; i < argc; ++i) argomenti << QString::fromLocal8Bit(argv[i]);
        QTextStream uscita(stdout);
        QTextStream errori(stderr);
        const std::optional<QString> errore = Leggi_opzioni(argomenti, opzioni);
        if (auto esito = Esito_opzioni(Nome, errore, opzioni.aiuto, Uso(), uscita, errori))
            return *esito;
    }
    QApplication app(argc, argv);
    const QLocale locale(QLocale::Italian, QLocale::Italy);

    Sessione s;
    s.Cartella_applicazione = QCoreApplication::applicationDirPath();
    s.Scheda.Collegamento = Collegamento::Hid;
    s.Scheda.Fattore_posizione = Calibrazione_tipo(1).Fattore_posizione;
    s.Scheda.Fattore_tempo = Calibrazione_tipo(1).Fattore_tempo;
    s.Dati_esercizio.Vmax = 800;
    s.Dati_esercizio.Limite_sup = 110;
    s.Dati_esercizio.Limite_inf = 80;
    s.Dati_esercizio.Ampiezza_minima = 100;

    Frm_grafici frm(s, locale);
    Motore_misura motore(s, locale);
    motore.Aggiungi_vista(frm);
    frm.Imposta_lista(&motore.Lst_valori());
    frm.setWindowTitle(QStringLiteral("kinetrack - grafici"));
    Adatta_allo_schermo(frm, QSize(1600, 1000));
    frm.riposiziona();
    // Ranges an operator would set for this athlete (not saved).
    frm.Grafico(0).Imposta_intervallo(Tempo::Asse_velocita, -1500, 1500);
    frm.Grafico(0).Imposta_intervallo(Tempo::Asse_spostamento, -100, 900);
    frm.Grafico(1).Imposta_intervallo(Ripetizioni::Asse_velocita, 0, 1500);
    frm.Grafico(1).Imposta_intervallo(Ripetizioni::Asse_durata, 0, 3);
    frm.Slide().Imposta_intervallo(0, 1500);
    if (opzioni.numero) frm.Imposta_tempo_acceso(false);
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

    if (opzioni.secondi > 0)
        QTimer::singleShot(static_cast<int>(opzioni.secondi * 1000), &app, &QApplication::quit);
    return app.exec();
}
