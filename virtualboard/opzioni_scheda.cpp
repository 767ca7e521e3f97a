// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/opzioni_scheda.h"

#include "platform/mappa_porte.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// A number as the program reads typed numbers ("0,3" and "0.3" alike), within range.
bool Numero(const QString& testo, double minimo, double massimo, double& valore) {
    const std::optional<double> v = Numero_digitato(testo);
    if (!v || !std::isfinite(*v) || *v < minimo || *v > massimo) return false;
    valore = *v;
    return true;
}

bool Intero(const QString& testo, double minimo, double massimo, std::int64_t& valore) {
    double v = 0;
    if (!Numero(testo, minimo, massimo, v) || v != std::floor(v)) return false;
    valore = static_cast<std::int64_t>(v);
    return true;
}

// "A" or "A:B" with minimo <= A <= B <= massimo. `rovescio` tells A > B apart from a
// value out of range.
bool Leggi_intervallo(const QString& testo, double minimo, double massimo, Intervallo& i,
                      bool& rovescio) {
    const auto parti = testo.split(QLatin1Char(':'));
    if (parti.size() > 2) return false;
    Intervallo r;
    if (!Numero(parti[0], minimo, massimo, r.minimo)) return false;
    r.massimo = r.minimo;
    if (parti.size() == 2 && !Numero(parti[1], minimo, massimo, r.massimo)) return false;
    rovescio = r.massimo < r.minimo;
    if (rovescio) return false;
    i = r;
    return true;
}
} // namespace

QString Uso_scheda() {
    return QCoreApplication::translate(
               "Scheda_virtuale",
               "Uso: kinetrack-board --port N [--board-type T] [--seed S] [opzioni]\n"
               "Una scheda di misura virtuale su uno pseudo-terminale, raggiungibile come porta "
               "comN.\n"
               "  --port N                numero della porta, da 1 a %1\n"
               "  --board-type T          tipo che la scheda dichiara, da 0 a 255 (3)\n"
               "  --seed S                seme del moto e dei disturbi, da 0 a 4294967295 (1)\n"
               "Moto:\n"
               "  --reps N                ripetizioni, da 0 a 1000000 (0 = senza fine)\n"
               "  --amplitude MM[:MM]     altezza dell'alzata, da 1 a 2000 mm (350:550)\n"
               "  --down S[:S]            durata della discesa, da 0.05 a 60 s (1.2:2)\n"
               "  --up S[:S]              durata della salita, da 0.05 a 60 s (0.6:1.2)\n"
               "  --pause S[:S]           pausa tra le ripetizioni, da 0 a 600 s (1:3)\n"
               "  --twitch P              probabilità di un sussulto a ogni pausa, da 0 a 1\n"
               "                          (0.3); il sussulto allunga la sua pausa di circa 3 s\n"
               "  --fatigue PCT           ogni salita della serie più lenta della precedente\n"
               "                          di PCT %, da 0 a 50 (0)\n"
               "  --rate N                invece un flusso costante di N record al secondo,\n"
               "                          da 1 a %2\n"
               "  --sets N[,N...]         serie di N ripetizioni, da 0 a 1000 (0: solo lo stacco\n"
               "                          e il ritorno), poi il moto finisce\n"
               "  --rest S                recupero tra le serie, da 0 a 3600 s (15)\n"
               "  --pause-top K:S         nella serie K, pausa di S s in alto dopo la\n"
               "                          ripetizione centrale, da 0.05 a 600 s\n"
               "  --pause-bottom K:S      nella serie K, pausa di S s in basso prima della\n"
               "                          ripetizione centrale, da 0.05 a 600 s\n"
               "Scheda:\n"
               "  --config MASCHERA,PERIODO_BASSO,PERIODO_ALTO\n"
               "                          configurazione, ognuno da 0 a 255 (5,1,0)\n"
               "Guasti:\n"
               "  --silent                non risponde ai comandi\n"
               "  --bad-start             risposte con il primo byte errato\n"
               "  --garble P              probabilità di alterare un byte, da 0 a 1\n"
               "  --truncate-after N      smette di trasmettere dopo N byte\n"
               "  --vanish-after S        scompare (adattatore staccato) dopo S secondi\n"
               "      --version           la versione del programma\n"
               "  -h, --help              questo aiuto\n")
        .arg(Numero_porte_max)
        .arg(Massimo_record_al_secondo);
}

std::optional<QString> Leggi_opzioni(const QStringList& argomenti, Opzioni_scheda& o) {
    bool porta_data = false;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& nome = argomenti[i];
        if (nome == QLatin1String("--silent")) {
            o.profilo.muta = true;
            continue;
        }
        if (nome == QLatin1String("--bad-start")) {
            o.profilo.avvio_errato = true;
            continue;
        }
        if (i + 1 >= argomenti.size()) {
            return nome.startsWith(QLatin1String("--"))
                       ? QCoreApplication::translate("Scheda_virtuale", "manca il valore di %1")
                             .arg(nome)
                       : QCoreApplication::translate("Scheda_virtuale", "argomento inatteso: %1")
                             .arg(nome);
        }
        const QString& v = argomenti[++i];
        std::int64_t n = 0;
        double x = 0;
        bool ok = true;
        QString intervallo;    // what the option accepts, for the message
        bool rovescio = false; // an interval whose first value exceeds the second
        const auto Da_a = [&intervallo](double minimo, double massimo) {
            intervallo =
                QCoreApplication::translate("Scheda_virtuale", "da %1 a %2")
                    .arg(QString::number(minimo, 'g', 16), QString::number(massimo, 'g', 16));
            return minimo;
        };
        if (nome == QLatin1String("--port")) {
            ok = Intero(v, Da_a(1, Numero_porte_max), Numero_porte_max, n);
            o.porta = static_cast<int>(n);
            porta_data = ok;
        } else if (nome == QLatin1String("--board-type")) {
            ok = Intero(v, Da_a(0, 255), 255, n);
            o.profilo.tipo_scheda = static_cast<std::uint8_t>(n);
        } else if (nome == QLatin1String("--seed")) {
            ok = Intero(v, Da_a(0, 4294967295.0), 4294967295.0, n);
            o.seme = static_cast<std::uint32_t>(n);
            o.disturbi.seme = o.seme;
        } else if (nome == QLatin1String("--reps")) {
            ok = Intero(v, Da_a(0, 1e6), 1e6, n);
            o.ripetizioni = static_cast<int>(n);
        } else if (nome == QLatin1String("--amplitude")) {
            ok = Leggi_intervallo(v, Da_a(1, 2000), 2000, o.ampiezza_mm, rovescio);
        } else if (nome == QLatin1String("--down")) {
            ok = Leggi_intervallo(v, Da_a(0.05, 60), 60, o.discesa_s, rovescio);
        } else if (nome == QLatin1String("--up")) {
            ok = Leggi_intervallo(v, Da_a(0.05, 60), 60, o.salita_s, rovescio);
        } else if (nome == QLatin1String("--pause")) {
            ok = Leggi_intervallo(v, Da_a(0, 600), 600, o.pausa_s, rovescio);
        } else if (nome == QLatin1String("--twitch")) {
            ok = Numero(v, Da_a(0, 1), 1, o.probabilita_sussulto);
        } else if (nome == QLatin1String("--fatigue")) {
            double percento = 0;
            ok = Numero(v, Da_a(0, 50), 50, percento);
            o.rallentamento = percento / 100;
        } else if (nome == QLatin1String("--rate")) {
            ok = Numero(v, Da_a(1, Massimo_record_al_secondo), Massimo_record_al_secondo,
                        o.record_al_secondo);
        } else if (nome == QLatin1String("--sets")) {
            Da_a(0, 1000);
            o.serie.clear();
            for (const QString& parte : v.split(QLatin1Char(','))) {
                ok = ok && Intero(parte, 0, 1000, n);
                o.serie.push_back(static_cast<int>(n));
            }
        } else if (nome == QLatin1String("--rest")) {
            ok = Numero(v, Da_a(0, 3600), 3600, o.recupero_s);
        } else if (nome == QLatin1String("--pause-top") ||
                   nome == QLatin1String("--pause-bottom")) {
            const auto parti = v.split(QLatin1Char(':'));
            Pausa_serie pausa;
            pausa.in_alto = nome == QLatin1String("--pause-top");
            Da_a(0.05, 600);
            ok = parti.size() == 2 && Intero(parti[0], 1, 1000, n) &&
                 Numero(parti[1], 0.05, 600, pausa.durata_s);
            pausa.serie = static_cast<int>(n);
            if (ok) o.pause_serie.push_back(pausa);
        } else if (nome == QLatin1String("--config")) {
            const auto parti = v.split(QLatin1Char(','));
            ok = parti.size() == 3;
            Da_a(0, 255);
            intervallo = QCoreApplication::translate("Scheda_virtuale",
                                                     "tre numeri separati da virgole, ognuno %1")
                             .arg(intervallo);
            for (qsizetype k = 0; ok && k < 3; ++k) {
                ok = Intero(parti[k], 0, 255, n);
                o.profilo.configurazione[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(n);
            }
        } else if (nome == QLatin1String("--garble")) {
            ok = Numero(v, Da_a(0, 1), 1, o.disturbi.probabilita_byte_alterato);
        } else if (nome == QLatin1String("--truncate-after")) {
            ok = Intero(v, Da_a(0, 1e15), 1e15, o.disturbi.tronca_dopo_byte);
        } else if (nome == QLatin1String("--vanish-after")) {
            ok = Numero(v, Da_a(0, 1e6), 1e6, x);
            o.disturbi.scompare_dopo_s = x;
        } else {
            return QCoreApplication::translate("Scheda_virtuale", "opzione sconosciuta: %1")
                .arg(nome);
        }
        if (rovescio)
            return QCoreApplication::translate("Scheda_virtuale",
                                               "valore non valido per %1: \"%2\" (il primo "
                                               "valore non può superare il secondo)")
                .arg(nome, v);
        if (!ok)
            return QCoreApplication::translate("Scheda_virtuale",
                                               "valore non valido per %1: \"%2\" (%3)")
                .arg(nome, v, intervallo);
    }
    if (!porta_data) return QCoreApplication::translate("Scheda_virtuale", "manca --port N");
    return std::nullopt;
}
