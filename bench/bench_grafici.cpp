// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing benchmark: the real graph window, shown offscreen, fed through the measurement
// engine by an in-memory serial port at a sustained record rate, paced in real time.
// Prints, for each rate: CPU per second of stream, redraws per second, the time from a
// sample's arrival to the redraw that shows it, how often drawing was shed by the
// backlog hysteresis, how far processing fell behind, and the time from a completed
// repetition to its row, slider and display.
//
//   bench_grafici [seconds of stream, default 60] [rates..., default 2000 8000]
//                 [--registrazione] [--giornale] [--atleta]
//
// --registrazione records the set (as MEMO DATI); --giornale runs each rate twice,
// recording, without and then with the set's journal written to a temporary folder.
// --atleta also opens the athlete's view (at the size of a full-screen 1920x1080) and gives
// the sound cues through the program's own output, and prints how long after each lift's
// end its cue was given and how long after the table the athlete's view showed its value.

#include "analysis/frm_atleta.h"
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "datafiles/giornale_serie.h"
#include "device/collegamento_seriale.h"
#include "platform/grafico.h"
#include "platform/porta_memoria.h"
#include "platform/slider.h"
#include "platform/suono_qt.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "stream/segnali_acustici.h"
#include "wire/flusso_scheda.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

double Cpu_s() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

// A set at a sustained record rate: each second the bar rises `frequenza / 2` records and
// comes down as many. The lifts go from 120 % to 80 % of the middle velocity over nine
// repetitions, and again (the loss passes 20 % once); the lowering takes the rest of the
// second, so the rate averages `frequenza`. Keeps the time each lift ended.
class Flusso_serie : public Sorgente_record {
public:
    Flusso_serie(double frequenza, double durata_s)
        : escursione_(std::max<std::int64_t>(1, static_cast<std::int64_t>(frequenza / 2))),
          durata_s_(durata_s) {}
    // The middle lift's velocity, mm/s.
    double Velocita_media() const {
        return 2.0 * static_cast<double>(escursione_ * Passi_per_record(Collegamento::Seriale));
    }
    bool Prossimo(Record_scheda& r) override {
        const std::int64_t meta = n_ / escursione_, passo = n_ % escursione_ + 1;
        const bool salita = meta % 2 == 0;
        const double salita_s = 0.5 / (1.2 - 0.05 * static_cast<double>((meta / 2) % 9));
        const double frazione = static_cast<double>(passo) / static_cast<double>(escursione_);
        const double t = static_cast<double>(meta / 2) +
                         (salita ? frazione * salita_s : salita_s + frazione * (1 - salita_s));
        if (t > durata_s_) return false;
        ++n_;
        conteggio_ += (salita ? 1 : -1) * Passi_per_record(Collegamento::Seriale);
        const auto istante = std::llround(t * 1000.0 * Conteggi_per_ms);
        r.istante_s = t;
        r.tempo = static_cast<std::int32_t>((salita ? 1 : -1) * (istante - istante_));
        r.istante = istante;
        r.conteggio = conteggio_;
        r.posizione = static_cast<std::int16_t>(conteggio_);
        r.fermo = false;
        istante_ = istante;
        if (salita && passo == escursione_) fine_alzate.push_back(t);
        return true;
    }
    std::vector<double> fine_alzate; // s of stream

private:
    static constexpr double Conteggi_per_ms =
        static_cast<double>(Calibrazione_tipo(3).Conteggi_per_ms);
    std::int64_t escursione_;
    double durata_s_;
    std::int64_t n_ = 0, conteggio_ = 0, istante_ = 0;
};

// Told of each repetition closed and analysed, in its place among the listeners.
class Ascolta_ripetizioni : public Vista_misura {
public:
    std::function<void(int)> chiusa, analizzata;
    void Ripetizione_chiusa(int riga, const Ripetizione&, float, Colore) override {
        if (chiusa) chiusa(riga);
    }
    void Ripetizione_analizzata(int riga, const Analisi_ripetizione&) override {
        if (analizzata) analizzata(riga);
    }
};

// Counts the samples the engine hands to the listeners that draw.
class Conta_disegnati : public Vista_misura {
public:
    bool Vuole_campioni() const override { return true; }
    void Campioni_aggiunti(const Blocco_campioni& blocco) override {
        campioni += static_cast<long>(blocco.posizioni.size());
    }
    long campioni = 0;
};

// Timestamps the paints of a widget.
class Osservatore_pittura : public QObject {
public:
    QElapsedTimer* orologio = nullptr;
    std::vector<double> attese; // ms from a repetition shown to the slider's next paint
    double in_attesa_ms = -1;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && in_attesa_ms >= 0) {
            attese.push_back(static_cast<double>(orologio->nsecsElapsed()) * 1e-6 - in_attesa_ms);
            in_attesa_ms = -1;
        }
        return QObject::eventFilter(o, e);
    }
};

void Esegui(double durata_s, double frequenza, bool registrazione, bool giornale, bool atleta) {
    QTemporaryDir cartella;
    Sessione s;
    s.Memo_attivo = registrazione;
    s.Cartella_applicazione = cartella.path();
    s.Scheda.Collegamento = Collegamento::Seriale;
    Flusso_serie flusso(frequenza, durata_s + 1);
    // The band around the middle lift: some lifts above it, some inside, some below.
    s.Dati_esercizio.Vmax = static_cast<float>(flusso.Velocita_media());
    s.Dati_esercizio.Limite_sup = 110;
    s.Dati_esercizio.Limite_inf = 90;
    Frm_grafici frm(s, QLocale::c());
    Motore_misura motore(s, QLocale::c());
    motore.Aggiungi_vista(frm);
    Conta_disegnati disegnati_vista;
    motore.Aggiungi_vista(disegnati_vista);
    Giornale_serie giornale_serie(s);
    if (giornale) {
        giornale_serie.Imposta_cartella(cartella.filePath(Cartella_giornali));
        motore.Aggiungi_vista(giornale_serie);
    }
    frm.Imposta_lista(&motore.Lst_valori());
    frm.resize(1600, 750);
    frm.riposiziona();
    frm.show();
    // Listened to after the graph window, as the main window adds them.
    Frm_atleta vista_atleta(s, QLocale::c());
    Ascolta_ripetizioni dopo_vista, dopo_segnali;
    Suono_qt suono;
    std::optional<Segnali_acustici> segnali;
    QString avviso_suono;
    if (atleta) {
        vista_atleta.Imposta_analisi(&motore.Analisi());
        motore.Aggiungi_vista(vista_atleta);
        motore.Aggiungi_vista(dopo_vista);
        vista_atleta.Apri(&frm);
        vista_atleta.resize(1920, 1080);
    }

    Porta_memoria porta;
    Collegamento_seriale collegamento(s, porta, motore);
    motore.Imposta_ritardo([&collegamento] { return collegamento.Byte_in_attesa(); });

    collegamento.Prepara_flusso();
    motore.Inizia_acquisizione();

    QElapsedTimer orologio;
    Grafico_misura& tempo = frm.Grafico(0);
    std::vector<double> arrivi_non_mostrati; // ms, drawn samples waiting for a redraw
    std::vector<double> latenze;             // ms
    QObject::connect(&tempo, &Grafico_misura::Ridisegnato, &tempo, [&] {
        const double ora = static_cast<double>(orologio.nsecsElapsed()) * 1e-6;
        for (double a : arrivi_non_mostrati) latenze.push_back(ora - a);
        arrivi_non_mostrati.clear();
    });
    Osservatore_pittura pittura;
    pittura.orologio = &orologio;
    frm.Slide().installEventFilter(&pittura);
    Osservatore_pittura pittura_tabella;
    pittura_tabella.orologio = &orologio;
    frm.Valori().Tabella()->viewport()->installEventFilter(&pittura_tabella);
    double arrivo_corrente_ms = 0, riga_mostrata_ms = 0;
    std::vector<double> latenze_ripetizione_elaborazione; // arrival -> row shown
    QObject::connect(&frm, &Frm_grafici::Ripetizione_mostrata, &frm, [&](int) {
        const double ora = static_cast<double>(orologio.nsecsElapsed()) * 1e-6;
        latenze_ripetizione_elaborazione.push_back(ora - arrivo_corrente_ms);
        pittura.in_attesa_ms = arrivo_corrente_ms;
        riga_mostrata_ms = ora;
        pittura_tabella.in_attesa_ms = ora;
    });
    // The athlete's view after the table: its digits set, and painted (the paint begun, as
    // the table's).
    Osservatore_pittura pittura_atleta;
    pittura_atleta.orologio = &orologio;
    vista_atleta.Lbl_velocita->installEventFilter(&pittura_atleta);
    std::vector<double> atleta_dopo_tabella; // ms
    std::vector<double> fine_alzata_s;       // per row, the stream time its lift ended
    std::vector<double> segnale_reso_ms;     // ms from its lift's end to the output asked
    dopo_segnali.analizzata = [&](int riga) {
        segnale_reso_ms.push_back(static_cast<double>(orologio.nsecsElapsed()) * 1e-6 -
                                  fine_alzata_s[static_cast<std::size_t>(riga)] * 1e3);
    };
    dopo_vista.chiusa = [&](int riga) {
        atleta_dopo_tabella.push_back(static_cast<double>(orologio.nsecsElapsed()) * 1e-6 -
                                      riga_mostrata_ms);
        pittura_atleta.in_attesa_ms = riga_mostrata_ms;
        // The record that closed this repetition is the first after its top, so its lift
        // ended at the last top handed over.
        fine_alzata_s.resize(static_cast<std::size_t>(riga) + 1,
                             flusso.fine_alzate.empty() ? 0 : flusso.fine_alzate.back());
    };

    // Settle the first layout and paint before measuring.
    QEventLoop attesa;
    QTimer::singleShot(200, &attesa, &QEventLoop::quit);
    attesa.exec();

    std::vector<Record_scheda> record;
    std::vector<std::uint8_t> byte;
    long campioni = 0, disegnati = 0, non_disegnati = 0, episodi_persi = 0;
    int massimo_arretrato = 0;
    double ritardo_max_ms = 0;
    const int ridisegni_iniziali = tempo.Ridisegni();
    if (atleta) {
        // Its log's clock and the pacing's start together (its times are whole ms).
        segnali.emplace(s.Serie, suono);
        segnali->Imposta_avviso([&avviso_suono](const QString& testo) { avviso_suono = testo; });
        motore.Aggiungi_vista(*segnali);
        motore.Aggiungi_vista(dopo_segnali);
    }
    const double cpu_iniziale = Cpu_s();
    orologio.start();
    double t_flusso = 0;
    while (t_flusso < durata_s) {
        t_flusso = static_cast<double>(orologio.nsecsElapsed()) * 1e-9;
        record.clear();
        byte.clear();
        flusso.Fino_a(t_flusso, record);
        for (const Record_scheda& r : record) Accoda_seriale(r, byte);
        if (!record.empty()) {
            // How late these records are handed over: the oldest one was due at its time.
            ritardo_max_ms = std::max(ritardo_max_ms, (t_flusso - record.front().istante_s) * 1e3);
            const long disegnati_prima = disegnati_vista.campioni;
            const int attesa_prima = porta.Byte_in_attesa();
            arrivo_corrente_ms = t_flusso * 1e3;
            massimo_arretrato =
                std::max(massimo_arretrato, porta.Byte_in_attesa() + static_cast<int>(byte.size()));
            porta.Ricevi(QByteArray(reinterpret_cast<const char*>(byte.data()),
                                    static_cast<qsizetype>(byte.size())));
            campioni += static_cast<long>(record.size());
            // Records decoded by this arrival (1 to 12 bytes always wait for the next).
            const long elaborati =
                (attesa_prima + static_cast<long>(byte.size()) - porta.Byte_in_attesa()) / 6;
            const long nuovi = disegnati_vista.campioni - disegnati_prima;
            disegnati += nuovi;
            non_disegnati += elaborati - nuovi;
            if (nuovi < elaborati) ++episodi_persi;
            if (nuovi > 0) arrivi_non_mostrati.push_back(arrivo_corrente_ms);
        }
        // The UI thread sleeps until the next millisecond, processing events meanwhile.
        QEventLoop ciclo;
        QTimer::singleShot(1, Qt::PreciseTimer, &ciclo, &QEventLoop::quit);
        ciclo.exec();
    }
    const double parete_s = static_cast<double>(orologio.nsecsElapsed()) * 1e-9;
    const double cpu = Cpu_s() - cpu_iniziale;
    const int ridisegni = tempo.Ridisegni() - ridisegni_iniziali;

    std::printf("\n== %.0f records/s for %.1f s of stream (%ld samples, %d rows)%s%s ==\n",
                frequenza, durata_s, campioni, frm.Valori().Righe(),
                registrazione ? ", recording" : "", giornale ? ", journal" : "");
    std::printf("time graph points kept         : %d of %ld samples\n",
                tempo.Punti(Tempo::Plot_velocita), campioni);
    std::printf("CPU per second of stream      : %.1f ms (%.1f %% of one core)\n",
                cpu / durata_s * 1e3, cpu / parete_s * 100);
    std::printf("redraws per second            : %.1f (%d in %.2f s)\n", ridisegni / parete_s,
                ridisegni, parete_s);
    std::printf("arrival -> redraw showing it  : median %.1f ms, 99%% %.1f ms, worst %.1f ms\n",
                Percentile(latenze, 0.5), Percentile(latenze, 0.99), Percentile(latenze, 1.0));
    std::printf("drawing shed                  : in %ld arrivals, %ld of %ld samples not drawn "
                "(%.2f %%)\n",
                episodi_persi, non_disegnati, disegnati + non_disegnati,
                100.0 * static_cast<double>(non_disegnati) /
                    std::max(1.0, static_cast<double>(disegnati + non_disegnati)));
    std::printf("processing lag                : worst %.1f ms behind the stream, largest "
                "backlog %d bytes\n",
                ritardo_max_ms, massimo_arretrato);
    std::printf("repetition -> row shown       : median %.2f ms, worst %.2f ms\n",
                Percentile(latenze_ripetizione_elaborazione, 0.5),
                Percentile(latenze_ripetizione_elaborazione, 1.0));
    std::printf("repetition -> slider painted  : median %.1f ms, worst %.1f ms (%zu rows)\n",
                Percentile(pittura.attese, 0.5), Percentile(pittura.attese, 1.0),
                pittura.attese.size());
    if (atleta) {
        std::vector<double> ritardi_segnale; // ms from the lift's end
        int perdita = 0;
        for (const Segnale_dato& d : segnali->Registro()) {
            const auto riga = static_cast<std::size_t>(d.ripetizione - 1);
            if (riga < fine_alzata_s.size())
                ritardi_segnale.push_back(static_cast<double>(d.tempo_ms) -
                                          fine_alzata_s[riga] * 1e3);
            if (d.tipo == Tipo_segnale::Perdita) ++perdita;
        }
        std::printf("lift's end -> cue given       : median %.1f ms, 95%% %.1f ms, worst %.1f ms "
                    "in the cue log (%zu cues, %d for the loss); handed to the output by "
                    "median %.1f ms, 95%% %.1f ms, worst %.1f ms (%s)\n",
                    Percentile(ritardi_segnale, 0.5), Percentile(ritardi_segnale, 0.95),
                    Percentile(ritardi_segnale, 1.0), ritardi_segnale.size(), perdita,
                    Percentile(segnale_reso_ms, 0.5), Percentile(segnale_reso_ms, 0.95),
                    Percentile(segnale_reso_ms, 1.0),
                    suono.Audio_disponibile() ? "played"
                    : avviso_suono.isEmpty()  ? "no audio device, not told"
                                              : "no audio device, told once, silent");
        std::printf("table row -> athlete's digits : set median %.3f ms, worst %.3f ms; painted "
                    "median %.1f ms, 95%% %.1f ms, worst %.1f ms (%zu paints; the table's "
                    "median %.1f ms, worst %.1f ms)\n",
                    Percentile(atleta_dopo_tabella, 0.5), Percentile(atleta_dopo_tabella, 1.0),
                    Percentile(pittura_atleta.attese, 0.5), Percentile(pittura_atleta.attese, 0.95),
                    Percentile(pittura_atleta.attese, 1.0), pittura_atleta.attese.size(),
                    Percentile(pittura_tabella.attese, 0.5),
                    Percentile(pittura_tabella.attese, 1.0));
    }
    if (giornale) {
        motore.Fine_acquisizione();
        const QStringList file =
            QDir(giornale_serie.Cartella()).entryList({QStringLiteral("*.ktr")}, QDir::Files);
        const qint64 byte_giornale =
            file.isEmpty() ? 0
                           : QFileInfo(QDir(giornale_serie.Cartella()).filePath(file[0])).size();
        std::printf("journal                       : %lld bytes (%lld records)%s\n",
                    static_cast<long long>(byte_giornale),
                    static_cast<long long>(byte_giornale / 6),
                    giornale_serie.Prendi_errore() ? ", with an error" : "");
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    double durata = 60;
    std::vector<double> frequenze;
    bool registrazione = false, giornale = false, atleta = false;
    bool prima_cifra = true;
    for (int i = 1; i < argc; ++i) {
        const QString argomento = QString::fromLocal8Bit(argv[i]);
        if (argomento == QLatin1String("--registrazione"))
            registrazione = true;
        else if (argomento == QLatin1String("--giornale"))
            giornale = true;
        else if (argomento == QLatin1String("--atleta"))
            atleta = true;
        else if (std::exchange(prima_cifra, false))
            durata = std::max(1.0, argomento.toDouble());
        else
            frequenze.push_back(argomento.toDouble());
    }
    if (frequenze.empty()) frequenze = {2000, 8000};
    for (double f : frequenze) {
        if (f <= 0) continue;
        if (giornale) Esegui(durata, f, true, false, atleta);
        Esegui(durata, f, registrazione || giornale, giornale, atleta);
    }
    return 0;
}
