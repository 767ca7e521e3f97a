// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/apri_misura.h"

#include "datafiles/apri_campioni.h"
#include "datafiles/avanzamento.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_test.h"
#include "datafiles/ricostruzione_campioni.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

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
    Ricostruzione_campioni ricostruzione;
    std::vector<Campione> campioni;
    bool iniziata = false;
    while (lettore.Leggi_blocco(campioni)) {
        ricostruzione.Applica(campioni, lettore.Scritte());
        if (!iniziata) {
            motore.Inizia_rielaborazione(*ricostruzione.Posizione_iniziale());
            escluse = Applica_test(test, sessione);
            sessione.Serie.File_aperto = nome;
            iniziata = true;
        }
        motore.Rielabora_blocco(campioni);
        barra.Imposta_valore(Frazione(lettore.Byte_letti(), lettore.Byte_totali()));
        if (tra_blocchi) tra_blocchi();
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
