#include "virtualboard/opzioni_scheda.h"

#include "session/formato.h"

#include <cmath>

namespace {
bool Numero(const QString& testo, double minimo, double massimo, double& valore) {
    bool ok = false;
    const double v = Numero_da_testo_c(testo, &ok);
    if (!ok || !std::isfinite(v) || v < minimo || v > massimo) return false;
    valore = v;
    return true;
}

bool Intero(const QString& testo, double minimo, double massimo, std::int64_t& valore) {
    double v = 0;
    if (!Numero(testo, minimo, massimo, v) || v != std::floor(v)) return false;
    valore = static_cast<std::int64_t>(v);
    return true;
}

// "A" or "A:B" with minimo <= A <= B <= massimo.
bool Leggi_intervallo(const QString& testo, double minimo, double massimo, Intervallo& i) {
    const auto parti = testo.split(QLatin1Char(':'));
    if (parti.size() > 2) return false;
    Intervallo r;
    if (!Numero(parti[0], minimo, massimo, r.minimo)) return false;
    r.massimo = r.minimo;
    if (parti.size() == 2 && !Numero(parti[1], minimo, massimo, r.massimo)) return false;
    if (r.massimo < r.minimo) return false;
    i = r;
    return true;
}
} // namespace

QString Uso_scheda() {
    return QStringLiteral(
        "Usage: kinetrack-board --port N [--board-type T] [--seed S] [options]\n"
        "A virtual measuring board on a pseudo-terminal, reachable as port comN.\n"
        "Motion:   --reps N (0 = endless)  --amplitude MM[:MM]  --down S[:S]  --up S[:S]\n"
        "          --pause S[:S]  --rate N (steady records per second instead, up to 1920)\n"
        "Board:    --config MASK,PERIOD_LOW,PERIOD_HIGH (default 5,1,0)\n"
        "Faults:   --silent  --bad-start  --garble P  --truncate-after N  --vanish-after S\n");
}

bool Leggi_opzioni(const QStringList& argomenti, Opzioni_scheda& o, QString& errore) {
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
            errore = nome.startsWith(QLatin1String("--"))
                         ? QStringLiteral("option %1 needs a value").arg(nome)
                         : QStringLiteral("unexpected argument %1").arg(nome);
            return false;
        }
        const QString& v = argomenti[++i];
        std::int64_t n = 0;
        double x = 0;
        bool ok = true;
        if (nome == QLatin1String("--port")) {
            ok = Intero(v, 1, 99, n);
            o.porta = static_cast<int>(n);
            porta_data = ok;
        } else if (nome == QLatin1String("--board-type")) {
            ok = Intero(v, 0, 255, n);
            o.profilo.tipo_scheda = static_cast<std::uint8_t>(n);
        } else if (nome == QLatin1String("--seed")) {
            ok = Intero(v, 0, 4294967295.0, n);
            o.seme = static_cast<std::uint32_t>(n);
            o.disturbi.seme = o.seme;
        } else if (nome == QLatin1String("--reps")) {
            ok = Intero(v, 0, 1e6, n);
            o.ripetizioni = static_cast<int>(n);
        } else if (nome == QLatin1String("--amplitude")) {
            ok = Leggi_intervallo(v, 1, 2000, o.ampiezza_mm);
        } else if (nome == QLatin1String("--down")) {
            ok = Leggi_intervallo(v, 0.05, 60, o.discesa_s);
        } else if (nome == QLatin1String("--up")) {
            ok = Leggi_intervallo(v, 0.05, 60, o.salita_s);
        } else if (nome == QLatin1String("--pause")) {
            ok = Leggi_intervallo(v, 0, 600, o.pausa_s);
        } else if (nome == QLatin1String("--rate")) {
            ok = Numero(v, 1, Massimo_record_al_secondo, o.record_al_secondo);
        } else if (nome == QLatin1String("--config")) {
            const auto parti = v.split(QLatin1Char(','));
            ok = parti.size() == 3;
            for (qsizetype k = 0; ok && k < 3; ++k) {
                ok = Intero(parti[k], 0, 255, n);
                o.profilo.configurazione[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(n);
            }
        } else if (nome == QLatin1String("--garble")) {
            ok = Numero(v, 0, 1, o.disturbi.probabilita_byte_alterato);
        } else if (nome == QLatin1String("--truncate-after")) {
            ok = Intero(v, 0, 1e15, o.disturbi.tronca_dopo_byte);
        } else if (nome == QLatin1String("--vanish-after")) {
            ok = Numero(v, 0, 1e6, x);
            o.disturbi.scompare_dopo_s = x;
        } else {
            errore = QStringLiteral("unknown option %1").arg(nome);
            return false;
        }
        if (!ok) {
            errore = QStringLiteral("bad value for %1: %2").arg(nome, v);
            return false;
        }
    }
    if (!porta_data) {
        errore = QStringLiteral("--port N is required");
        return false;
    }
    return true;
}
