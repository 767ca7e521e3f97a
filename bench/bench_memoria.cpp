// SPDX-License-Identifier: GPL-3.0-or-later
// Memory of a long recorded set in the running program: the whole program object with
// recording, the set's journal and the time graph on, fed as in use: up to 1920 records/s
// over the serial link by the virtual board (a steady stream, as fast as the link goes),
// above that over the (fake) USB HID link by reports paced in real time. Each rate runs in
// a process of its own, which prints its resident memory as the set grows, its growth per
// recorded record, and the memory after the stop (which saves the set) and after "RESET
// DATI". Not a test: it prints figures; it fails when a rate grows by more than
// Limite_byte_per_record.
//
//   bench_memoria [minutes of stream, default 10] [records/s..., default 1920 8000]

#include "acquisition/frm_cmd.h"
#include "mainwindow/frm_main.h"
#include "platform/hid_finto.h"
#include "platform/memoria.h"
#include "program/avvio.h"
#include "session/avvisi.h"
#include "session/tipi_scheda.h"
#include "stream/motore_misura.h"
#include "wire/flusso_scheda.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <random>

namespace {

// What a recorded record may cost the whole process, at any rate.
constexpr double Limite_byte_per_record = 25;
// The serial link's highest rate (115200 baud, 10 bits a byte, 6 bytes a record).
constexpr double Massimo_seriale = 1920;

class Avvisi_stampati : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override {
        std::printf("message: %s\n", qPrintable(testo));
    }
};

// A bar going up and down at a steady average rate, with step times that vary from record
// to record as a real lift's do (so the velocity is never the same twice in a row).
class Flusso_vario : public Sorgente_record {
public:
    Flusso_vario(double record_al_secondo, int escursione)
        : periodo_(1.0 / record_al_secondo), escursione_(escursione) {}
    bool Prossimo(Record_scheda& r) override {
        std::uniform_real_distribution<double> u(0.7, 1.3);
        const double passo_s = periodo_ * u(caso_);
        istante_s_ += passo_s;
        const int segno = (n_++ / escursione_) % 2 == 0 ? 1 : -1;
        conteggio_ += segno;
        r.istante_s = istante_s_;
        // Type 2: 5000 time counts per ms.
        r.tempo = static_cast<std::int32_t>(segno * std::lround(passo_s * 5e6));
        r.conteggio = conteggio_;
        r.posizione = static_cast<std::int16_t>(conteggio_);
        return true;
    }

private:
    double periodo_;
    int escursione_;
    double istante_s_ = 0;
    std::int64_t n_ = 0;
    std::int64_t conteggio_ = 0;
    std::mt19937 caso_{7};
};

void Attendi_ms(int ms) {
    QEventLoop ciclo;
    QTimer::singleShot(ms, Qt::PreciseTimer, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

double Mb(long byte) {
    return static_cast<double>(byte) / (1024.0 * 1024.0);
}

// What the program holds on the main heap (not what the allocator keeps free).
long Heap_in_uso() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long>(m.uordblks + m.hblkhd);
}

// Resident memory by kind: the heap, other anonymous memory, the libraries' pages.
QString Residente_per_tipo() {
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    long heap = 0, anonima = 0, file = 0;
    long* tipo = &anonima;
    for (const QByteArray& riga : f.readAll().split('\n')) {
        const QList<QByteArray> c = riga.simplified().split(' ');
        if (c.size() >= 5 && c[0].contains('-'))
            tipo = c.size() < 6 ? &anonima : c[5] == "[heap]" ? &heap : &file;
        else if (c.size() >= 2 && c[0] == "Rss:")
            *tipo += c[1].toLong();
    }
    return QStringLiteral("heap %1 MB, other anonymous %2 MB, files %3 MB")
        .arg(static_cast<double>(heap) / 1024.0, 0, 'f', 1)
        .arg(static_cast<double>(anonima) / 1024.0, 0, 'f', 1)
        .arg(static_cast<double>(file) / 1024.0, 0, 'f', 1);
}

// One rate in this process: returns 0 when the growth is within the limit.
int Misura(QApplication& app, const QTemporaryDir& radice, double minuti, double frequenza) {
    (void)app;
    const double durata_s = minuti * 60;
    const bool seriale = frequenza <= Massimo_seriale;
    QProcess scheda;
    if (seriale) {
        scheda.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        scheda.start(QStringLiteral(KT_SCHEDA_VIRTUALE),
                     {"--port", "1", "--board-type", "1", "--rate", QString::number(frequenza)});
        if (!scheda.waitForReadyRead(5000)) {
            std::printf("the virtual board did not start\n");
            return 1;
        }
    }

    const QByteArray percorso("/dev/hidraw7");
    Libreria_hid_finta hid;
    if (!seriale) hid.Collega({Vendor_scheda, Prodotto_scheda, percorso});
    hid.Risponditore = [](const QByteArray& scritto) {
        return scritto.startsWith(QByteArray("\0$D", 3)) ? QByteArray("$\x02\x44") : QByteArray();
    };
    Avvisi_stampati avvisi;
    Programma::Opzioni o;
    o.cartella_eseguibile = radice.filePath("bin");
    o.hid = &hid;
    o.avvisi = &avvisi;
    o.attesa_hid_ms = 100;
    o.apertura = false;
    Programma p(o);
    p.Avvia();
    Frm_cmd& comandi = *p.Principale().Comandi;
    Sessione& s = p.Stato();
    Attendi_ms(300);

    Restituisci_memoria_libera();
    const long prima_serie = Memoria_residente();
    const long heap_prima_serie = Heap_in_uso();
    const QString tipi_prima_serie = Residente_per_tipo();
    comandi.Button_Memo->click();
    comandi.Button_start->click();
    if (!s.Acquisizione_in_corso) {
        std::printf("the acquisition did not start\n");
        return 1;
    }
    Attendi_ms(200);

    Flusso_vario flusso(frequenza, static_cast<int>(frequenza / 2));
    Accumulatore_hid accumulatore;
    std::vector<Record_scheda> record;
    long inviati = 0;
    long inizio = 0; // resident memory when the set's recording restarted at the first lift
    std::int32_t campioni_inizio = 0;
    QElapsedTimer orologio;
    orologio.start();
    double prossima_stampa = 60;
    std::printf("%.0f records/s over %s for %.1f min; resident before the set %.1f MB\n", frequenza,
                seriale ? "the serial link" : "USB", minuti, Mb(prima_serie));
    for (double t = 0; t < durata_s;) {
        t = static_cast<double>(orologio.nsecsElapsed()) * 1e-9;
        record.clear();
        if (!seriale) flusso.Fino_a(t, record);
        for (const Record_scheda& r : record) {
            Report_hid_t report;
            if (!accumulatore.Aggiungi(r, report)) continue;
            hid.Invia_report(percorso,
                             QByteArray(reinterpret_cast<const char*>(report.data() + 1), 64));
            ++inviati;
        }
        Attendi_ms(1);
        // Measured from the first second on: the first lift restarts the recording.
        if (inizio == 0 && t > 2) {
            inizio = Memoria_residente();
            campioni_inizio = s.Numero_campioni;
        }
        if (t >= prossima_stampa || t >= durata_s) {
            const long ora = Memoria_residente();
            const double campioni = static_cast<double>(s.Numero_campioni - campioni_inizio);
            std::printf("%5.1f min: %9d samples recorded, resident %7.1f MB, growth %.1f "
                        "bytes/sample\n",
                        t / 60, s.Numero_campioni, Mb(ora),
                        static_cast<double>(ora - inizio) / std::max(1.0, campioni));
            std::fflush(stdout);
            prossima_stampa += 60;
        }
    }
    Attendi_ms(500); // the last reports queued
    const long fine_serie = Memoria_residente();
    const double campioni = static_cast<double>(s.Numero_campioni - campioni_inizio);
    const double crescita = static_cast<double>(fine_serie - inizio) / std::max(1.0, campioni);
    if (!seriale) std::printf("sent %ld reports (%ld records), ", inviati, inviati * 8);
    std::printf("%d samples recorded\n", s.Numero_campioni);
    std::printf("growth per recorded record    : %.1f bytes (resident %.1f MB -> %.1f MB)\n"
                "  heap in use                 : %.1f MB\n"
                "  resident by kind            : %s\n",
                crescita, Mb(inizio), Mb(fine_serie), Mb(Heap_in_uso()),
                qPrintable(Residente_per_tipo()));

    QElapsedTimer salvataggio;
    salvataggio.start();
    comandi.Button_start->click(); // the stop saves the set
    qint64 byte_salvati = 0;
    for (QDirIterator i(radice.filePath("data"), QDir::Files, QDirIterator::Subdirectories);
         i.hasNext();)
        byte_salvati += i.nextFileInfo().size();
    std::printf("stop and save                 : %.3f s (%.1f MB of files), resident %.1f MB\n",
                static_cast<double>(salvataggio.elapsed()) / 1000, Mb(byte_salvati),
                Mb(Memoria_residente()));
    Attendi_ms(500);
    comandi.Button_Reset->click();
    Attendi_ms(500);
    std::printf("after RESET DATI              : resident %.1f MB (%.1f MB before the set)\n"
                "  heap in use                 : %.1f MB (%.1f MB before the set)\n"
                "  resident by kind            : %s\n"
                "  before the set              : %s\n",
                Mb(Memoria_residente()), Mb(prima_serie), Mb(Heap_in_uso()), Mb(heap_prima_serie),
                qPrintable(Residente_per_tipo()), qPrintable(tipi_prima_serie));
    std::fflush(stdout);
    if (seriale) {
        scheda.terminate();
        scheda.waitForFinished(3000);
    }
    return crescita <= Limite_byte_per_record ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    // "--figlio MINUTES RATE": one rate, in this process.
    const bool figlio = argc == 4 && std::strcmp(argv[1], "--figlio") == 0;
    if (figlio) {
        QTemporaryDir radice;
        for (const char* sotto : {"run", "config", "data", "bin"})
            QDir(radice.path()).mkpath(sotto);
        QFile::setPermissions(radice.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(radice.filePath("run")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(radice.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(radice.filePath("data")));
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return Misura(app, radice, std::atof(argv[2]), std::atof(argv[3]));
    }
    QCoreApplication app(argc, argv);
    const double minuti = argc > 1 ? std::max(0.05, std::atof(argv[1])) : 10.0;
    std::vector<double> frequenze;
    for (int i = 2; i < argc; ++i) frequenze.push_back(std::max(100.0, std::atof(argv[i])));
    if (frequenze.empty()) frequenze = {Massimo_seriale, 8000};
    int esito = 0;
    for (const double frequenza : frequenze) {
        QProcess figlio_p;
        figlio_p.setProcessChannelMode(QProcess::ForwardedChannels);
        figlio_p.start(QCoreApplication::applicationFilePath(),
                       {"--figlio", QString::number(minuti), QString::number(frequenza)});
        figlio_p.waitForFinished(-1);
        const int codice = figlio_p.exitStatus() == QProcess::NormalExit ? figlio_p.exitCode() : 1;
        if (codice == 2)
            std::printf("=> more than %.0f bytes per record\n", Limite_byte_per_record);
        std::printf("\n");
        std::fflush(stdout);
        esito = std::max(esito, codice);
    }
    return esito;
}
