// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/apri_misura.h"

#include "datafiles/apri_campioni.h"
#include "datafiles/avanzamento.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
#include "datafiles/ricostruzione_campioni.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

constexpr int Scala_barra = 1000;

int Frazione(qint64 letti, qint64 totali) {
    if (totali <= 0) return Scala_barra;
    return static_cast<int>(std::min(letti, totali) * Scala_barra / totali);
}

// The older format: the reset, then the file read through with drawing on.
void Apri_brax(Lettore_campioni& lettore, Sessione& sessione, Motore_misura& motore) {
    motore.Azzera_misura();
    motore.Stato().Disegno_abilitato = true;
    std::int32_t tempo = 0;
    if (lettore.Leggi_brax(tempo)) sessione.Scheda.Tempo_campionamento = tempo;
    motore.Stato().Disegno_abilitato = false;
    lettore.Chiudi();
}

bool File_di_campioni(const QString& nome) {
    Lettore_campioni lettore;
    const bool campioni = !lettore.Apri(nome) && lettore.Tipo() == Tipo_file::Campioni;
    lettore.Chiudi();
    return campioni;
}

// What the files beside a sample file say of its test: the whole of it (its record), or
// the athlete, exercise and load (its summary), or nothing.
struct Test_accanto {
    std::optional<Serie_t> registrata;
    std::optional<Test_sommario> sommario;
    QString cartella;
    QDateTime modificato; // the sample file's, written whole at the stop
};

Test_accanto Leggi_test_accanto(const QString& nome, QString& avviso) {
    const QFileInfo file(nome);
    Test_accanto test;
    test.cartella = file.absolutePath();
    test.modificato = file.lastModified();
    const QString base = test.cartella + QLatin1Char('/') + file.completeBaseName();
    const QString nome_record = Nome_file_record(nome);
    if (QFileInfo::exists(nome_record)) {
        Record_test record;
        if (auto errore = Leggi_record(nome_record, record)) {
            avviso =
                QCoreApplication::translate(
                    "Apri_misura", "La scheda del test \"%1\" non si può usare: %2.\n"
                                   "Il test si apre come uno senza scheda, con le impostazioni "
                                   "attuali.")
                    .arg(QDir::toNativeSeparators(nome_record), *errore);
        } else {
            test.registrata = std::move(record.serie);
            test.registrata->File_record = {nome_record};
            const QString analisi =
                base + Suffisso_ripetizioni + Suffisso_analisi + QStringLiteral(".csv");
            if (QFileInfo::exists(analisi)) test.registrata->File_analisi = {analisi};
            return test;
        }
    }
    const Lettura_sommario sommario =
        Leggi_sommario(base + Suffisso_ripetizioni + QStringLiteral(".csv"));
    if (sommario.esito == Lettura_sommario::Esito::Sommario) test.sommario = sommario.test;
    return test;
}

// The measurement that the engine has just begun (with the current setup) becomes the
// test's. The left-out repetitions come back once the rows are read, as the coach's
// choices do.
std::set<int> Applica_test(const Test_accanto& test, Sessione& sessione) {
    Serie_t& serie = sessione.Serie;
    std::set<int> escluse;
    if (test.registrata) {
        serie = *test.registrata;
        escluse.swap(serie.Escluse);
    } else if (test.sommario) {
        serie.Dati_esercizio.Atleta = test.sommario->atleta;
        serie.Dati_esercizio.Esercizio = test.sommario->esercizio;
        serie.Dati_esercizio.Carico = static_cast<float>(test.sommario->carico);
        // Saved at the stop: the test's time, not this reading's.
        if (test.sommario->timbro.isValid()) serie.Inizio = test.sommario->timbro;
    } else {
        serie.Inizio = test.modificato;
        return escluse;
    }
    // Saved again, the test goes where it was found.
    serie.Dati_esercizio.Cartella_dati = test.cartella;
    return escluse;
}

// The rows read, parsed and given back what the rounding lost on a thread of its own, a
// few blocks ahead of the engine that takes them: on a computer with two cores an hour's
// file reopens in about the time the engine alone takes.
class Lettura_anticipata {
public:
    struct Blocco {
        std::vector<Campione> campioni;
        std::optional<float> posizione_iniziale;
        qint64 letti = 0;
    };

    explicit Lettura_anticipata(Lettore_campioni& lettore)
        : lettore_(lettore), lettura_([this] { Leggi(); }) {}
    ~Lettura_anticipata() {
        {
            const std::lock_guard blocco(mutex_);
            fermo_ = true;
        }
        cambiato_.notify_all();
        lettura_.join();
    }
    Lettura_anticipata(const Lettura_anticipata&) = delete;
    Lettura_anticipata& operator=(const Lettura_anticipata&) = delete;

    // The next block in `blocco` (its vectors are handed back for reuse); false at the end.
    bool Prendi(Blocco& blocco) {
        std::unique_lock attesa(mutex_);
        cambiato_.wait(attesa, [this] { return !pronti_.empty() || finito_; });
        if (blocco.campioni.capacity() > 0) liberi_.push_back(std::move(blocco.campioni));
        if (pronti_.empty()) return false;
        blocco = std::move(pronti_.front());
        pronti_.pop_front();
        attesa.unlock();
        cambiato_.notify_all();
        return true;
    }

private:
    static constexpr std::size_t Blocchi_avanti = 2;

    void Leggi() {
        Ricostruzione_campioni ricostruzione;
        for (;;) {
            Blocco blocco;
            {
                std::unique_lock attesa(mutex_);
                cambiato_.wait(attesa,
                               [this] { return pronti_.size() < Blocchi_avanti || fermo_; });
                if (fermo_) break;
                if (!liberi_.empty()) {
                    blocco.campioni = std::move(liberi_.back());
                    liberi_.pop_back();
                }
            }
            if (!lettore_.Leggi_blocco(blocco.campioni)) break;
            ricostruzione.Applica(blocco.campioni, lettore_.Scritte());
            blocco.posizione_iniziale = ricostruzione.Posizione_iniziale();
            blocco.letti = lettore_.Byte_letti();
            {
                const std::lock_guard protezione(mutex_);
                pronti_.push_back(std::move(blocco));
            }
            cambiato_.notify_all();
        }
        {
            const std::lock_guard protezione(mutex_);
            finito_ = true;
        }
        cambiato_.notify_all();
    }

    Lettore_campioni& lettore_;
    std::mutex mutex_;
    std::condition_variable cambiato_;
    std::deque<Blocco> pronti_;
    std::vector<std::vector<Campione>> liberi_;
    bool finito_ = false, fermo_ = false;
    std::thread lettura_; // last: it starts once everything above is there
};

} // namespace

std::optional<File_non_campioni> Riconosci_file_non_campioni(const QString& nome) {
    const Tipo_riepilogo tipo = Riconosci_riepilogo(nome);
    if (tipo == Tipo_riepilogo::Altro) return std::nullopt;
    const QString cosa =
        tipo == Tipo_riepilogo::Sommario
            ? QCoreApplication::translate("Apri_misura", "un file di riepilogo delle ripetizioni")
            : QCoreApplication::translate("Apri_misura", "un file di analisi delle ripetizioni");
    const QString breve = QFileInfo(nome).fileName();
    File_non_campioni file;
    const QString accanto = File_campioni_accanto(nome);
    if (!accanto.isEmpty() && File_di_campioni(accanto)) {
        file.campioni = accanto;
        file.messaggio =
            QCoreApplication::translate(
                "Apri_misura", "\"%1\" è %2, non un file di campioni: si apre il file di campioni "
                               "salvato con esso, \"%3\".")
                .arg(breve, cosa, QFileInfo(accanto).fileName());
    } else {
        file.messaggio =
            QCoreApplication::translate(
                "Apri_misura", "\"%1\" è %2, non un file di campioni, e accanto non c'è il file di "
                               "campioni salvato con esso: una misura si riapre dal suo file di "
                               "campioni (prima riga \"Kine01;\").")
                .arg(breve, cosa);
    }
    return file;
}

std::optional<QString> Apri_file_misura(const QString& nome, Sessione& sessione,
                                        Motore_misura& motore, Avanzamento* progresso,
                                        const std::function<void()>& tra_blocchi, QString* avviso) {
    Lettore_campioni lettore;
    if (auto errore = lettore.Apri(nome)) return errore;
    if (lettore.Tipo() == Tipo_file::Brax) {
        Apri_brax(lettore, sessione, motore);
        return std::nullopt;
    }

    QString avviso_test;
    const Test_accanto test = Leggi_test_accanto(nome, avviso_test);
    if (avviso != nullptr) *avviso = avviso_test;
    std::set<int> escluse;

    Avanzamento nessuno;
    Avanzamento& barra = progresso ? *progresso : nessuno;
    barra.Mostra();
    barra.Imposta_massimo(Scala_barra);
    bool iniziata = false;
    {
        Lettura_anticipata lettura(lettore);
        Lettura_anticipata::Blocco blocco;
        while (lettura.Prendi(blocco)) {
            if (!iniziata) {
                motore.Inizia_rielaborazione(*blocco.posizione_iniziale);
                escluse = Applica_test(test, sessione);
                sessione.Serie.File_aperto = nome;
                iniziata = true;
            }
            motore.Rielabora_blocco(blocco.campioni);
            barra.Imposta_valore(Frazione(blocco.letti, lettore.Byte_totali()));
            if (tra_blocchi) tra_blocchi();
        }
    }
    // A file with the titles only is an empty measurement.
    if (!iniziata) motore.Azzera_misura();
    motore.Fine_rielaborazione();
    for (const int numero : escluse)
        if (numero <= motore.Lst_valori().Righe()) motore.Imposta_esclusa(numero, true);
    lettore.Chiudi();
    barra.Chiudi();
    return lettore.Errore();
}
