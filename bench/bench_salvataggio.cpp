// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and reopening a long recording: an hour at the board's highest rate (8000
// samples a second, 28.8 million samples). Prints the time to write the sample file, the
// time to reopen it through the engine and the peak memory of each step. Not a test;
// build in Release for meaningful numbers.
//
//   bench_salvataggio [seconds of recording, default 3600]

#include "datafiles/apri_misura.h"
#include "datafiles/salva_campioni.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <numbers>
#include <time.h>

namespace {

constexpr double Campioni_al_secondo = 8000;

// Peak resident memory in MB since the last reset.
double Picco_mb() {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return -1;
}
// Processor time of the whole process in seconds: on a machine shared with other work it
// tells the cost of a step better than the wall clock.
double Tempo_cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void Azzera_picco() {
    malloc_trim(0); // what the last step freed goes back to the system first
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

// A set of lifts: 500 mm up and down every 4 s, sampled at the highest rate.
void Registra(Sessione& s, double secondi) {
    const auto n = static_cast<std::int64_t>(secondi * Campioni_al_secondo);
    const float dt = static_cast<float>(1.0 / Campioni_al_secondo);
    s.Campioni = std::deque<Campione>(1);
    float tempo = 0;
    for (std::int64_t i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / Campioni_al_secondo;
        const double fase = 2 * std::numbers::pi * t / 4.0;
        tempo += dt;
        s.Campioni.push_back(
            {static_cast<float>(400 - 250 * std::cos(fase)), std::sin(fase) >= 0 ? dt : -dt, tempo,
             static_cast<float>(250 * 2 * std::numbers::pi / 4.0 * std::sin(fase))});
    }
    s.Numero_campioni = static_cast<std::int32_t>(s.Campioni.size());
}

void Dati(Sessione& s) {
    s.Dati_esercizio.Ampiezza_minima = 100;
    s.Dati_esercizio.Vmax = 600;
    s.Dati_esercizio.Limite_sup = 110;
    s.Dati_esercizio.Limite_inf = 90;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double secondi = argc > 1 ? std::atof(argv[1]) : 3600;
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    QTemporaryDir cartella;
    QString nome = cartella.filePath(QStringLiteral("ora.csv"));

    {
        Sessione s;
        Registra(s, secondi);
        std::printf("recording: %.0f s at %.0f samples/s, %zu samples, peak %.0f MB\n", secondi,
                    Campioni_al_secondo, s.Campioni.size(), Picco_mb());
        QElapsedTimer orologio;
        orologio.start();
        const double cpu = Tempo_cpu();
        if (auto errore = Salva_campioni(nome, s, locale, QDateTime::currentDateTime())) {
            std::fprintf(stderr, "%s\n", qPrintable(*errore));
            return 1;
        }
        std::printf("save (Salva_campioni): %.2f s (processor %.2f s), %.0f MB file\n",
                    static_cast<double>(orologio.elapsed()) / 1000.0, Tempo_cpu() - cpu,
                    static_cast<double>(QFile(nome).size()) / 1e6);
    }

    for (const bool memo : {true, false}) {
        Azzera_picco();
        Sessione s;
        Dati(s);
        s.Memo_attivo = memo;
        Motore_misura motore(s, locale);
        QElapsedTimer orologio;
        orologio.start();
        const double cpu = Tempo_cpu();
        if (auto errore = Apri_file_misura(nome, s, motore, nullptr)) {
            std::fprintf(stderr, "%s\n", qPrintable(*errore));
            return 1;
        }
        std::printf("reopen through the engine, recording %s: %.2f s (processor %.2f s), %d "
                    "repetitions, %d samples stored, peak %.0f MB\n",
                    memo ? "on" : "off", static_cast<double>(orologio.elapsed()) / 1000.0,
                    Tempo_cpu() - cpu, motore.Lst_valori().Righe(), s.Numero_campioni, Picco_mb());
    }
    return 0;
}
