// SPDX-License-Identifier: GPL-3.0-or-later
// The program killed outright (kill -9) at random moments of a recorded set, over the
// serial link (the virtual board at its highest rate, 1920 records a second) and over USB
// (a board streaming 8000 records a second through the HID library's stand-in). Each trial
// runs the real program in a child process and kills it a random while into the set; then
// the next start's recovery (Recupera_serie) gives the set back, and the trial checks:
//  - the journal holds every record the program had received up to 0.5 s before the kill;
//  - the set given back equals, file by file (samples, test record, summary, analysis),
//    the set an engine of the bench's own saves from the journal's records fed as the
//    live links hand them over: serial, reads of 12 bytes; USB, one report per eight
//    records. The journal's replay is not used for it, so a fault of the recovery's feed
//    shows.
// Prints one line per trial and a summary per link.
//
//   bench_interruzioni [trials per link, default 20] [earliest kill, s into the set,
//                      default 20] [latest, default 60] [trials at once, 1 or 2, default 2]

#include "acquisition/frm_cmd.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
#include "datafiles/recupero_serie.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_serie.h"
#include "mainwindow/frm_main.h"
#include "platform/blocco_porta.h"
#include "platform/hid_finto.h"
#include "program/avvio.h"
#include "stream/decodifica.h"
#include "stream/motore_misura.h"
#include "wire/flusso_scheda.h"

#include <QApplication>
#include <QDir>
#include <QMutex>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>

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

// The child: the program recording a set until it is killed. At the start and then every
// 10 ms it prints the monotonic time and how many records it has received.
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
    const auto Stampa = [&conta] {
        std::printf("%lld %lld\n", static_cast<long long>(Adesso_ms()),
                    static_cast<long long>(conta.n));
        std::fflush(stdout);
    };
    Stampa(); // the set's start

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
    QObject::connect(&stampa, &QTimer::timeout, Stampa);
    stampa.start(10);
    return QApplication::exec();
}

// The reference: the set as a normal stop would save it from the journal's records. The
// session is set up as the journal's header says, and an engine of its own is fed the
// records as the live link hands them over. Saved under `cartella` with the time
// `adesso`; the files written, or the reason there are none.
std::optional<QString> Serie_di_riferimento(const QString& giornale, const QString& cartella,
                                            const QDateTime& adesso, Esito_serie& salvata) {
    Giornale_letto letto;
    if (auto errore = Leggi_giornale(giornale, letto)) return errore;
    // The bench's sets have no operator action after the start; the reference does not
    // replay any.
    if (!letto.eventi.empty()) return QStringLiteral("il giornale ha azioni dell'operatore");
    const Intestazione_giornale& i = letto.intestazione;
    Sessione s;
    s.Cartella_applicazione = cartella;
    Imposta_sessione_giornale(i, s);
    s.Dati_esercizio.Cartella_dati.clear(); // saved under `cartella`
    const QLocale locale;
    Motore_misura motore(s, locale);
    motore.Inizia_acquisizione();
    s.Serie.Inizio = i.inizio;

    QFile file(letto.file_record);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("record illeggibili");
    const QByteArray dati = file.read(letto.numero_record * qint64(Byte_record_seriale));
    const std::span<const std::uint8_t> byte(reinterpret_cast<const std::uint8_t*>(dati.data()),
                                             std::size_t(dati.size()));
    if (i.collegamento == Collegamento::Hid) {
        // One report per eight records, as the board sends them: 2 bytes unused, then the
        // record. A last group cut by the kill goes as a short report.
        std::array<std::uint8_t, Record_per_report * Byte_record_hid> report{};
        const std::size_t n = byte.size() / Byte_record_seriale;
        for (std::size_t primo = 0; primo < n; primo += Record_per_report) {
            const std::size_t quanti = std::min(Record_per_report, n - primo);
            report.fill(0);
            for (std::size_t k = 0; k < quanti; ++k)
                std::copy_n(byte.begin() + std::ptrdiff_t((primo + k) * Byte_record_seriale),
                            Byte_record_seriale,
                            report.begin() +
                                std::ptrdiff_t(k * Byte_record_hid + Scostamento_posizione_hid));
            motore.Report_hid({report.data(), quanti * Byte_record_hid});
        }
    } else {
        for (std::size_t inizio = 0; inizio < byte.size(); inizio += Byte_lettura_seriale)
            motore.Blocco_seriale(
                byte.subspan(inizio, std::min(Byte_lettura_seriale, byte.size() - inizio)));
    }
    motore.Fine_acquisizione();
    if (Serie_vuota(s, motore.Lst_valori())) return QStringLiteral("serie di riferimento vuota");
    salvata = Salva_serie(s, motore.Lst_valori(), &motore.Analisi(), locale, adesso);
    if (!salvata.Riuscito()) return *salvata.errore;
    return std::nullopt;
}

struct Esito {
    QString collegamento;
    int prova = 0;
    double uccisione_s = 0;             // into the set
    qint64 ricevuti = 0, richiesti = 0; // by the kill, and by 0.5 s before it
    qint64 nel_giornale = 0;            // records
    qint64 scarto_ms = -1;              // how far the journal's end lies before the kill
    QStringList motivi;                 // none: the trial went well
};

QByteArray Contenuto(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Prova(Esito& e, int min_ms, int max_ms) {
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
    QString linea; // the board's pseudo-terminal
    if (e.collegamento == QLatin1String("serial")) {
        scheda.setProcessEnvironment(ambiente);
        scheda.start(QStringLiteral(KT_SCHEDA_VIRTUALE),
                     {"--port", "1", "--board-type", "1", "--rate", "1920"});
        if (!scheda.waitForReadyRead(5000)) {
            e.motivi << QStringLiteral("la scheda virtuale non parte");
            return;
        }
        linea = QString::fromLocal8Bit(scheda.readLine()).trimmed();
    }
    QProcess figlio;
    figlio.setProcessEnvironment(ambiente);
    figlio.start(QCoreApplication::applicationFilePath(), {"--figlio", e.collegamento});
    const int attesa = min_ms + int(QRandomGenerator::global()->bounded(max_ms - min_ms + 1));
    QList<QPair<qint64, qint64>> letture; // (time, records received)
    const auto Leggi = [&] {
        while (figlio.canReadLine()) {
            const QList<QByteArray> campi = figlio.readLine().trimmed().split(' ');
            if (campi.size() == 2) letture.append({campi[0].toLongLong(), campi[1].toLongLong()});
        }
    };
    const qint64 partenza = Adesso_ms();
    while (figlio.state() != QProcess::NotRunning) {
        figlio.waitForReadyRead(5);
        Leggi();
        if (letture.isEmpty() ? Adesso_ms() - partenza > 30000
                              : Adesso_ms() - letture.first().first >= attesa)
            break;
    }
    const qint64 uccisione = Adesso_ms();
    const qint64 pid_figlio = figlio.processId();
    ::kill(pid_t(pid_figlio), SIGKILL);
    figlio.waitForFinished(5000);
    // The killed program leaves its port's lock file behind; left there by root, it would
    // keep a later user's pseudo-terminal of the same number from opening.
    if (!linea.isEmpty()) {
        const QString blocco = File_blocco_porta(linea);
        if (Contenuto(blocco).split('\n').value(0).trimmed().toLongLong() == pid_figlio)
            QFile::remove(blocco);
    }
    Leggi(); // what it printed before the kill
    scheda.terminate();
    scheda.waitForFinished(3000);
    if (letture.isEmpty() || letture.last().second == 0) {
        e.motivi << QStringLiteral("il programma non ha ricevuto record: ") +
                        QString::fromLocal8Bit(figlio.readAllStandardError()).left(300);
        return;
    }
    e.uccisione_s = double(uccisione - letture.first().first) * 1e-3;
    e.ricevuti = letture.last().second;
    for (const auto& [t, n] : letture)
        if (t <= uccisione - 500) e.richiesti = n;

    const QString dati = radice.filePath("data/kinetrack");
    const QDir recupero(dati + QLatin1Char('/') + Cartella_giornali);
    const QStringList giornali =
        recupero.entryList({QLatin1Char('*') + Estensione_giornale}, QDir::Files);
    if (giornali.size() != 1) {
        e.motivi << QStringLiteral("%1 giornali").arg(giornali.size());
        return;
    }
    // The journal as the kill left it, for the reference: the recovery removes it.
    QTemporaryDir copia;
    for (const QString& f : recupero.entryList(QDir::Files))
        QFile::copy(recupero.filePath(f), copia.filePath(f));
    const QString giornale = copia.filePath(giornali.constFirst());
    const QFileInfo record(
        recupero.filePath(QFileInfo(giornale).completeBaseName() + Estensione_record));
    e.nel_giornale = record.size() / qint64(Byte_record_seriale);
    // When the journal's last record came: the child's reading closest to that count.
    for (const auto& [t, n] : letture)
        if (n <= e.nel_giornale) e.scarto_ms = uccisione - t;
    if (e.nel_giornale < e.richiesti)
        e.motivi << QStringLiteral("mancano record ricevuti più di 0,5 s prima");

    // The next start gives the set back, with the time its records were last written.
    const QDateTime ora = record.lastModified();
    const auto esiti = Recupera_serie(dati, QLocale());
    if (esiti.size() != 1 || esiti[0].errore || esiti[0].file.isEmpty()) {
        e.motivi << QStringLiteral("nessuna serie recuperata") +
                        (esiti.size() == 1 && esiti[0].errore ? ": " + *esiti[0].errore
                                                              : QString());
        return;
    }
    if (esiti[0].file.size() != 1)
        e.motivi << QStringLiteral("%1 parti recuperate").arg(esiti[0].file.size());
    Esito_serie riferimento;
    QTemporaryDir cartella_riferimento;
    if (auto errore =
            Serie_di_riferimento(giornale, cartella_riferimento.path(), ora, riferimento)) {
        e.motivi << QStringLiteral("riferimento: ") + *errore;
        return;
    }
    const QString campioni = esiti[0].file.constFirst();
    QString riepilogo = campioni;
    riepilogo.insert(riepilogo.size() - 4, Suffisso_ripetizioni);
    const std::array<std::pair<QString, QString>, 4> coppie{
        std::pair{campioni, riferimento.campioni},
        std::pair{Nome_file_record(campioni), riferimento.record},
        std::pair{riepilogo, riferimento.ripetizioni},
        std::pair{Nome_file_analisi(riepilogo), riferimento.analisi}};
    for (const auto& [recuperato, atteso] : coppie) {
        if (!QFileInfo::exists(recuperato))
            e.motivi << QStringLiteral("manca %1").arg(QFileInfo(recuperato).fileName());
        else if (Contenuto(recuperato) != Contenuto(atteso))
            e.motivi << QStringLiteral("%1 differisce dal riferimento")
                            .arg(QFileInfo(recuperato).fileName());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() >= 3 && argomenti[1] == QLatin1String("--figlio"))
        return Figlio(argomenti[2]);
    const auto Argomento = [&argomenti](int i, double predefinito) {
        return argomenti.size() > i ? argomenti[i].toDouble() : predefinito;
    };
    const int prove = std::max(1, int(Argomento(1, 20)));
    const int min_ms = std::max(1000, int(Argomento(2, 20) * 1000));
    const int max_ms = std::max(min_ms, int(Argomento(3, 60) * 1000));
    const int insieme = std::clamp(int(Argomento(4, 2)), 1, 2);
    std::printf("%d prove per collegamento, uccisione fra %.1f e %.1f s della serie, %d alla "
                "volta\n",
                prove, min_ms * 1e-3, max_ms * 1e-3, insieme);

    const QStringList collegamenti{QStringLiteral("serial"), QStringLiteral("hid")};
    std::vector<Esito> esiti;
    for (const QString& c : collegamenti)
        for (int i = 1; i <= prove; ++i) {
            Esito e;
            e.collegamento = c;
            e.prova = i;
            esiti.push_back(e);
        }
    std::atomic<std::size_t> prossima{0};
    QMutex stampa;
    const auto Lavora = [&] {
        for (std::size_t k = prossima++; k < esiti.size(); k = prossima++) {
            Esito& e = esiti[k];
            Prova(e, min_ms, max_ms);
            const QMutexLocker blocco(&stampa);
            std::printf("%-6s prova %2d: uccisione a %5.1f s, record ricevuti %7lld (fino a "
                        "0,5 s prima %7lld), nel giornale %7lld, ritardo %4lld ms: %s%s\n",
                        qPrintable(e.collegamento), e.prova, e.uccisione_s,
                        static_cast<long long>(e.ricevuti), static_cast<long long>(e.richiesti),
                        static_cast<long long>(e.nel_giornale), static_cast<long long>(e.scarto_ms),
                        e.motivi.isEmpty() ? "ok" : "FALLITA: ",
                        qPrintable(e.motivi.join(QStringLiteral("; "))));
            std::fflush(stdout);
        }
    };
    std::vector<std::unique_ptr<QThread>> lavoratori;
    for (int i = 0; i < insieme; ++i) {
        lavoratori.emplace_back(QThread::create(Lavora));
        lavoratori.back()->start();
    }
    for (auto& l : lavoratori) l->wait();

    int riuscite = 0;
    std::printf("\n");
    for (const QString& c : collegamenti) {
        int ok = 0, n = 0;
        qint64 scarto_max = 0, record_max = 0;
        double prima = 1e9, ultima = 0;
        for (const Esito& e : esiti) {
            if (e.collegamento != c) continue;
            ++n;
            if (e.motivi.isEmpty()) ++ok;
            scarto_max = std::max(scarto_max, e.scarto_ms);
            record_max = std::max(record_max, e.ricevuti);
            prima = std::min(prima, e.uccisione_s);
            ultima = std::max(ultima, e.uccisione_s);
        }
        riuscite += ok;
        std::printf("%-6s: %d prove su %d riuscite; uccisioni fra %.1f e %.1f s (fino a %lld "
                    "record); il giornale arriva al più a %lld ms dall'uccisione\n",
                    qPrintable(c), ok, n, prima, ultima, static_cast<long long>(record_max),
                    static_cast<long long>(scarto_max));
    }
    std::printf("%d prove su %zu riuscite\n", riuscite, esiti.size());
    return riuscite == int(esiti.size()) ? 0 : 1;
}
