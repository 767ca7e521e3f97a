// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the measurement engine and of the replay, and the memory a recorded
// sample takes. Prints figures; not a test. Build in Release for meaningful numbers.
//
//   bench_engine [seconds per measurement, default 3]
//                [serial|hid|analysis|journal|replay|exe|memory]
//
// The second argument runs one measurement only (for a profiler run).

#include "cli/attese.h"
#include "cli/replay.h"
#include "datafiles/giornale_serie.h"
#include "device/collegamento_seriale.h"
#include "platform/porta_memoria.h"
#include "session/tipi_scheda.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Cattura(int tipo, Collegamento l, int ripetizioni, std::size_t& letti) {
    Parametri_copione p;
    p.ripetizioni = ripetizioni;
    std::vector<Record_scheda> record;
    Flusso_copione(Genera_copione(p, 2024), tipo, l).Tutti(record);
    letti = Record_letti(record.size(), l);
    return Byte_cattura(record, l);
}

Opzioni_replay Opzioni(int tipo, Collegamento l) {
    Opzioni_replay o;
    o.collegamento = l;
    o.tipo_scheda = tipo;
    o.ampiezza_minima = 100;
    o.vmax = 600;
    o.limite_sup = 110;
    o.limite_inf = 90;
    o.atleta = QStringLiteral("Prova Banco");
    o.esercizio = QStringLiteral("Squat");
    o.carico = 100;
    o.locale = QLocale(QLocale::Italian, QLocale::Italy);
    return o;
}

// Process CPU time: the machine may be shared, so wall time would understate the rates.
class Cronometro {
public:
    void start() { inizio_ = Adesso(); }
    double Secondi() const { return Adesso() - inizio_; }

private:
    static double Adesso() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    }
    double inizio_ = 0;
};

double Secondi(const Cronometro& t) {
    return t.Secondi();
}

// CPU time of the children that have ended.
double Secondi_figli() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
double Secondi(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// Decoding and processing with recording on (CPU time), repeated for at least `durata` seconds.
void Misura_motore(const char* nome, int tipo, Collegamento l, int ripetizioni, double durata) {
    std::size_t letti = 0;
    const QByteArray cattura = Cattura(tipo, l, ripetizioni, letti);
    Cronometro t;
    t.start();
    std::size_t campioni = 0;
    int passate = 0;
    while (Secondi(t) < durata) {
        Riproduzione r(Opzioni(tipo, l));
        r.Esegui(cattura);
        campioni += letti;
        ++passate;
    }
    const double s = Secondi(t);
    std::printf("engine %-7s type %d: %zu samples x %d passes in %.2f s: %.2f M samples/s "
                "(target >= 10)\n",
                nome, tipo, letti, passate, s, static_cast<double>(campioni) / s / 1e6);
}

// What the lift analysis adds per sample: the engine with and without it, in alternating
// passes so that both see the same machine (CPU time).
void Misura_analisi(int tipo, Collegamento l, int ripetizioni, double durata) {
    std::size_t letti = 0;
    const QByteArray cattura = Cattura(tipo, l, ripetizioni, letti);
    double secondi[2] = {0, 0};
    std::size_t righe = 0;
    int passate = 0;
    Cronometro totale;
    totale.start();
    while (Secondi(totale) < 2 * durata) {
        for (int k = 0; k < 2; ++k) {
            const int con = (k + passate) % 2; // which one goes first alternates too
            Opzioni_replay o = Opzioni(tipo, l);
            o.analisi = con == 1;
            Cronometro t;
            t.start();
            Riproduzione r(o);
            r.Esegui(cattura);
            secondi[con] += Secondi(t);
            righe = r.Analisi().size() > 0 ? r.Analisi().size() : righe;
        }
        ++passate;
    }
    const double campioni = static_cast<double>(letti) * passate;
    const double senza = secondi[0] / campioni * 1e9, con = secondi[1] / campioni * 1e9;
    std::printf("lift analysis, %-6s type %d: %zu samples, %zu repetitions x %d passes: "
                "%.1f ns/sample without, %.1f ns/sample with: +%.1f %% (target < 10 %%)\n",
                l == Collegamento::Hid ? "hid" : "serial", tipo, letti, righe, passate, senza, con,
                (con / senza - 1) * 100);
}

// What the set's journal adds per sample on the serial link, its writing thread included:
// the engine recording as the live link feeds it, with and without the journal, in
// alternating passes (CPU time).
void Misura_giornale(const QString& cartella, double durata) {
    std::size_t letti = 0;
    const QByteArray cattura = Cattura(1, Collegamento::Seriale, 4000, letti);
    double secondi[2] = {0, 0};
    int passate = 0;
    Cronometro totale;
    totale.start();
    while (Secondi(totale) < 2 * durata) {
        for (int k = 0; k < 2; ++k) {
            const int con = (k + passate) % 2;
            Cronometro t;
            t.start();
            Sessione s;
            s.Usa_seriale = true;
            const Calibrazione_scheda calibrazione = Calibrazione_tipo(1);
            s.Fattore_posizione = calibrazione.Fattore_posizione;
            s.Fattore_tempo = calibrazione.Fattore_tempo;
            s.Memo_attivo = true;
            Motore_misura motore(s, QLocale::c());
            Giornale_serie giornale(s);
            if (con == 1) {
                giornale.Imposta_cartella(cartella + QStringLiteral("/recupero"));
                motore.Aggiungi_vista(giornale);
            }
            Porta_memoria porta;
            Collegamento_seriale collegamento(s, porta, motore);
            collegamento.Prepara_flusso();
            motore.Inizia_acquisizione();
            porta.Ricevi(cattura);
            motore.Fine_acquisizione();
            giornale.Serie_salvata(); // removed, as after a save
            secondi[con] += Secondi(t);
        }
        ++passate;
    }
    const double campioni = static_cast<double>(letti) * passate;
    const double senza = secondi[0] / campioni * 1e9, con = secondi[1] / campioni * 1e9;
    std::printf("set's journal, serial type 1: %zu samples x %d passes: %.1f ns/sample without, "
                "%.1f ns/sample with: +%.1f %%\n",
                letti, passate, senza, con, (con / senza - 1) * 100);
}

// The replay with both files, in-process (CPU time).
void Misura_replay(const QString& cartella, double durata) {
    std::size_t letti = 0;
    const QByteArray cattura = Cattura(2, Collegamento::Hid, 800, letti);
    Cronometro t;
    t.start();
    std::size_t campioni = 0;
    int passate = 0;
    while (Secondi(t) < durata) {
        Opzioni_replay o = Opzioni(2, Collegamento::Hid);
        o.file_campioni = cartella + QStringLiteral("/campioni.txt");
        o.file_sommario = cartella + QStringLiteral("/sommario.csv");
        Riproduzione r(o);
        r.Esegui(cattura);
        if (auto errore = r.Salva_file()) {
            std::printf("replay: %s\n", qPrintable(*errore));
            return;
        }
        campioni += letti;
        ++passate;
    }
    const double s = Secondi(t);
    std::printf("replay in-process, hid type 2, both files: %zu samples x %d passes in %.2f s: "
                "%.2f M samples/s (target >= 1)\n",
                letti, passate, s, static_cast<double>(campioni) / s / 1e6);
}

// The replay executable on a capture file, start to exit.
void Misura_eseguibile(const QString& cartella) {
    for (Collegamento l : {Collegamento::Seriale, Collegamento::Hid}) {
        std::size_t letti = 0;
        const QByteArray cattura = Cattura(1, l, l == Collegamento::Hid ? 1500 : 6000, letti);
        const QString ingresso = cartella + QStringLiteral("/cattura.bin");
        QFile f(ingresso);
        if (!f.open(QIODevice::WriteOnly) || f.write(cattura) != cattura.size()) return;
        f.close();
        const QString link =
            l == Collegamento::Hid ? QStringLiteral("hid") : QStringLiteral("serial");
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        const double cpu_prima = Secondi_figli();
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(KT_REPLAY),
                {"--link", link, "--board-type", "1", "--min-amplitude", "100", "--locale", "it_IT",
                 "--samples", cartella + "/c.txt", "--summary", cartella + "/s.csv", ingresso});
        p.waitForFinished(600000);
        const double s = Secondi(t);
        const double cpu = Secondi_figli() - cpu_prima;
        std::printf("kinetrack-replay %-6s (whole run, files included): exit %d, %zu samples; "
                    "wall %.2f s: %.2f M samples/s; CPU %.2f s: %.2f M samples/s\n",
                    qPrintable(link), p.exitCode(), letti, s, static_cast<double>(letti) / s / 1e6,
                    cpu, static_cast<double>(letti) / cpu / 1e6);
    }
}

long Rss_kb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> campi = f.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// Memory of a multi-million-sample recording.
void Misura_memoria() {
    std::size_t letti = 0;
    const QByteArray cattura = Cattura(2, Collegamento::Hid, 5000, letti);
    malloc_trim(0);
    const long rss_prima = Rss_kb();
    const std::size_t heap_prima = mallinfo2().uordblks;
    Riproduzione r(Opzioni(2, Collegamento::Hid));
    r.Esegui(cattura);
    const std::size_t heap_dopo = mallinfo2().uordblks;
    const long rss_dopo = Rss_kb();
    const auto n = static_cast<double>(r.Stato().Campioni.size());
    std::printf("Campioni: %.0f samples; heap %.2f bytes/sample, RSS %.2f bytes/sample "
                "(target <= 20)\n",
                n, static_cast<double>(heap_dopo - heap_prima) / n,
                static_cast<double>(rss_dopo - rss_prima) * 1024.0 / n);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double durata = argc > 1 ? std::max(0.2, std::atof(argv[1])) : 3.0;
    const QString sola = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto fai = [&](const char* nome) {
        return sola.isEmpty() || sola == QLatin1String(nome);
    };
    QTemporaryDir cartella;
    if (fai("serial")) Misura_motore("serial", 1, Collegamento::Seriale, 4000, durata);
    if (fai("hid")) Misura_motore("hid", 2, Collegamento::Hid, 800, durata);
    if (fai("analysis")) {
        Misura_analisi(1, Collegamento::Seriale, 4000, durata);
        Misura_analisi(2, Collegamento::Hid, 800, durata);
    }
    if (fai("journal")) Misura_giornale(cartella.path(), durata);
    if (fai("replay")) Misura_replay(cartella.path(), durata);
    if (fai("exe")) Misura_eseguibile(cartella.path());
    if (fai("memory")) Misura_memoria();
    return 0;
}
