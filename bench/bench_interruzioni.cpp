// SPDX-License-Identifier: GPL-3.0-or-later
// The program killed outright (kill -9) at random moments of a recorded set, over the
// serial link (the virtual board at its highest rate) and over USB (a board streaming 8000
// records a second through the HID library's stand-in). Each trial runs the real program
// in a child process; the parent kills it, then checks what the next start gives back:
//  - the journal holds every record the program had received up to 0.5 s before the kill;
//  - the set saved from it equals the files a normal stop writes from the same records:
//    an engine of its own fed the journal's records as the live links hand them over
//    (reads of two records, reports of eight), with the journal's settings.
// Prints one line per trial and a summary.
//
//   bench_interruzioni [trials per link, default 10] [shortest set s, default 1.5]
//                      [longest set s, default 8]

#include "acquisition/frm_cmd.h"
#include "board/flusso_scheda.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/recupero_serie.h"
#include "datafiles/salva_serie.h"
#include "mainwindow/frm_main.h"
#include "platform/hid_finto.h"
#include "program/avvio.h"
#include "stream/motore_misura.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <ctime>

namespace {

qint64 Adesso_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Counts the records the engine was handed, for the parent to read.
class Conta_record : public Vista_misura {
public:
    void Record_ricevuti(std::span<const std::uint8_t> record) override {
        n += qint64(record.size() / 6);
    }
    qint64 n = 0;
};

class Avvisi_terminale : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override {
        std::fprintf(stderr, "avviso: %s\n", qPrintable(testo));
    }
};

// The child: the program recording a set until it is killed. Every 10 ms it prints the
// monotonic time and how many records it has received.
int Figlio(const QString& collegamento) {
    Libreria_hid_finta hid;
    const Dispositivo_hid scheda{0x0461, 0x0020, "/dev/hidraw7"};
    const bool usb = collegamento == QLatin1String("hid");
    if (usb) {
        hid.Collega(scheda);
        hid.Risponditore = [](const QByteArray& scritto) {
            return scritto.startsWith(QByteArray("\0$D", 3)) ? QByteArray("$\x03\x44")
                                                             : QByteArray();
        };
    }
    Avvisi_terminale avvisi;
    Programma::Opzioni o;
    o.cartella_eseguibile = QCoreApplication::applicationDirPath();
    o.hid = &hid;
    o.avvisi = &avvisi;
    o.apertura = false;
    o.attesa_hid_ms = 200;
    Programma p(o);
    p.Avvia();
    Conta_record conta;
    p.Motore().Aggiungi_vista(conta);
    Frm_cmd& c = *p.Principale().Comandi;
    c.Button_Memo->click();
    c.Button_start->click();
    if (!p.Stato().Acquisizione_in_corso) return 3;

    // USB: 8000 records a second, the bar going up and down, sent as reports of eight.
    Flusso_ritmo flusso(3, Collegamento::Hid, 8000);
    std::vector<Record_scheda> record;
    const qint64 inizio = Adesso_ms();
    QTimer flusso_usb;
    flusso_usb.setTimerType(Qt::PreciseTimer);
    QObject::connect(&flusso_usb, &QTimer::timeout, [&] {
        flusso.Fino_a(double(Adesso_ms() - inizio) * 1e-3, record);
        while (record.size() >= 8) {
            const Report_hid_t report = Componi_report(record.data());
            hid.Invia_report(scheda.percorso,
                             QByteArray(reinterpret_cast<const char*>(report.data() + 1), 64));
            record.erase(record.begin(), record.begin() + 8);
        }
    });
    if (usb) flusso_usb.start(1);
    QTimer stampa;
    QObject::connect(&stampa, &QTimer::timeout, [&] {
        std::printf("%lld %lld\n", static_cast<long long>(Adesso_ms()),
                    static_cast<long long>(conta.n));
        std::fflush(stdout);
    });
    stampa.start(10);
    return QApplication::exec();
}

struct Esito {
    bool riuscito = false;
    qint64 richiesti = 0, nel_giornale = 0; // records
    qint64 scarto_ms = 0;                   // how far the journal's end lies before the kill
    QString motivo;
};

QByteArray Contenuto(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(manca)");
}

// The files a stop would write at `ora` into `cartella` from the journal's records, fed to
// an engine as the live links hand them over: sample file, record, summary, analysis.
QList<QByteArray> File_dal_motore(const QString& giornale, const QString& cartella,
                                  const QDateTime& ora) {
    Giornale_letto letto;
    if (Leggi_giornale(giornale, letto)) return {};
    const Intestazione_giornale& i = letto.intestazione;
    Sessione s;
    s.Cartella_applicazione = cartella;
    s.Usa_hid = i.hid;
    s.Usa_seriale = !i.hid;
    s.Tipo_scheda = i.tipo_scheda;
    s.Fattore_posizione = i.fattore_posizione;
    s.Fattore_tempo = i.fattore_tempo;
    s.Dati_esercizio = i.serie.Dati_esercizio;
    s.Dati_esercizio.Cartella_dati = cartella;
    QDir().mkpath(cartella);
    s.Soglia_perdita = i.serie.Soglia_perdita;
    s.Riferimento = i.serie.Riferimento;
    s.Nota = i.serie.Nota;
    s.Memo_attivo = i.registrazione;
    Motore_misura motore(s, QLocale());
    motore.Inizia_acquisizione();
    s.Serie.Inizio = i.inizio;
    const QByteArray dati = Contenuto(letto.file_record).left(letto.numero_record * 6);
    const auto* byte = reinterpret_cast<const std::uint8_t*>(dati.constData());
    const auto n = std::size_t(dati.size());
    if (i.hid) {
        std::vector<Record_scheda> otto(8);
        for (std::size_t da = 0; da + 48 <= n; da += 48) {
            for (std::size_t k = 0; k < 8; ++k) {
                const Conteggi c = *Leggi_record_seriale({byte + da, 48}, k);
                otto[k].posizione = c.posizione;
                otto[k].tempo = c.tempo;
            }
            motore.Report_hid(Componi_report(otto.data()));
        }
        if (n % 48) motore.Record_hid({byte + n - n % 48, n % 48});
    } else {
        for (std::size_t da = 0; da < n; da += 12)
            motore.Blocco_seriale({byte + da, std::min<std::size_t>(12, n - da)});
    }
    motore.Fine_acquisizione();
    const Esito_serie e = Salva_serie(s, motore.Lst_valori(), &motore.Analisi(), QLocale(), ora);
    QList<QByteArray> file;
    for (const QString& f : e.scritti) file << Contenuto(f);
    return file;
}

Esito Prova(const QString& collegamento, int prova, double minimo_s, double massimo_s) {
    Esito e;
    QTemporaryDir radice;
    for (const char* sotto : {"run", "config", "data"}) QDir(radice.path()).mkpath(sotto);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("XDG_RUNTIME_DIR", radice.filePath("run"));
    ambiente.insert("XDG_CONFIG_HOME", radice.filePath("config"));
    ambiente.insert("XDG_DATA_HOME", radice.filePath("data"));
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    QFile::setPermissions(radice.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess scheda;
    if (collegamento == QLatin1String("serial")) {
        scheda.setProcessEnvironment(ambiente);
        scheda.start(QStringLiteral(KT_SCHEDA_VIRTUALE),
                     {"--port", "1", "--board-type", "1", "--rate", "1920"});
        if (!scheda.waitForReadyRead(5000)) {
            e.motivo = QStringLiteral("la scheda virtuale non parte");
            return e;
        }
    }
    QProcess figlio;
    figlio.setProcessEnvironment(ambiente);
    figlio.start(QCoreApplication::applicationFilePath(), {"--figlio", collegamento});
    // Recording for a random while.
    const int attesa =
        int(minimo_s * 1000) +
        int(QRandomGenerator::global()->bounded(std::max(1.0, (massimo_s - minimo_s) * 1000)));
    QList<QPair<qint64, qint64>> letture; // (time, records received)
    const qint64 partenza = Adesso_ms();
    while (Adesso_ms() - partenza < attesa + 3000) {
        figlio.waitForReadyRead(20);
        while (figlio.canReadLine()) {
            const QList<QByteArray> campi = figlio.readLine().trimmed().split(' ');
            if (campi.size() == 2) letture.append({campi[0].toLongLong(), campi[1].toLongLong()});
        }
        if (!letture.isEmpty() && letture.last().second > 0 &&
            Adesso_ms() - letture.first().first >= attesa)
            break;
    }
    const qint64 uccisione = Adesso_ms();
    ::kill(pid_t(figlio.processId()), SIGKILL);
    figlio.waitForFinished(5000);
    scheda.terminate();
    scheda.waitForFinished(3000);
    if (letture.isEmpty() || letture.last().second == 0) {
        e.motivo = QStringLiteral("il programma non ha ricevuto record: ") +
                   QString::fromLocal8Bit(figlio.readAllStandardError()).left(300);
        return e;
    }
    for (const auto& [t, n] : letture)
        if (t <= uccisione - 500) e.richiesti = n;

    const QString dati = radice.filePath("data/kinetrack");
    const QDir recupero(dati + "/recupero");
    const QStringList giornali = recupero.entryList({"*.ktj"}, QDir::Files);
    if (giornali.size() != 1) {
        e.motivo = QStringLiteral("%1 giornali").arg(giornali.size());
        return e;
    }
    QTemporaryDir copia;
    for (const QString& f : recupero.entryList(QDir::Files))
        QFile::copy(recupero.filePath(f), copia.filePath(f));
    const QString giornale = copia.filePath(giornali.constFirst());
    QString record = giornale;
    record.replace(".ktj", ".ktr");
    e.nel_giornale = QFileInfo(record).size() / 6;
    // When the journal's last record came: the child's reading closest to that count.
    for (const auto& [t, n] : letture)
        if (n <= e.nel_giornale) e.scarto_ms = uccisione - t;

    // The next start gives the set back; an engine of its own processes the same records.
    const QDateTime ora = QFileInfo(recupero.filePath(QFileInfo(record).fileName())).lastModified();
    const auto esiti = Recupera_serie(dati, QLocale());
    if (esiti.size() != 1 || esiti[0].errore || esiti[0].file.isEmpty()) {
        e.motivo = QStringLiteral("nessuna serie recuperata");
        return e;
    }
    const QString campioni = esiti[0].file.constFirst();
    QString sommario = campioni;
    sommario.replace(".csv", " ripetizioni.csv");
    QString analisi = sommario;
    analisi.replace(".csv", " analisi.csv");
    QString scheda_test = campioni;
    scheda_test.replace(".csv", " test.ini");
    const QList<QByteArray> attesi = File_dal_motore(giornale, copia.filePath("motore"), ora);
    const bool uguali = attesi == QList<QByteArray>{Contenuto(campioni), Contenuto(scheda_test),
                                                    Contenuto(sommario), Contenuto(analisi)};
    if (!uguali)
        e.motivo = QStringLiteral("i file recuperati differiscono da quelli del motore");
    else if (e.nel_giornale < e.richiesti)
        e.motivo = QStringLiteral("mancano record ricevuti più di 0,5 s prima");
    else
        e.riuscito = true;
    (void)prova;
    return e;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() >= 3 && argomenti[1] == QLatin1String("--figlio"))
        return Figlio(argomenti[2]);
    const int prove = argomenti.size() > 1 ? std::max(1, argomenti[1].toInt()) : 10;
    const double minimo_s = argomenti.size() > 2 ? std::max(0.5, argomenti[2].toDouble()) : 1.5;
    const double massimo_s =
        argomenti.size() > 3 ? std::max(minimo_s, argomenti[3].toDouble()) : 8.0;
    int riuscite = 0, totale = 0;
    for (const QString& collegamento : {QStringLiteral("serial"), QStringLiteral("hid")}) {
        qint64 scarto_max = 0;
        for (int i = 1; i <= prove; ++i) {
            const Esito e = Prova(collegamento, i, minimo_s, massimo_s);
            ++totale;
            if (e.riuscito) ++riuscite;
            scarto_max = std::max(scarto_max, e.scarto_ms);
            std::printf(
                "%-6s prova %2d: %s  record ricevuti fino a 0,5 s prima %lld, nel "
                "giornale %lld, ultimi dati del giornale %lld ms prima dell'uccisione%s%s\n",
                qPrintable(collegamento), i, e.riuscito ? "ok     " : "FALLITA",
                static_cast<long long>(e.richiesti), static_cast<long long>(e.nel_giornale),
                static_cast<long long>(e.scarto_ms), e.motivo.isEmpty() ? "" : ": ",
                qPrintable(e.motivo));
            std::fflush(stdout);
        }
        std::printf("%s: il giornale arriva al più a %lld ms dall'uccisione\n",
                    qPrintable(collegamento), static_cast<long long>(scarto_max));
    }
    std::printf("\n%d prove su %d riuscite\n", riuscite, totale);
    return riuscite == totale ? 0 : 1;
}
