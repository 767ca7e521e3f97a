// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/giornale_serie.h"

#include "platform/blocco_file.h"
#include "platform/errori_sistema.h"
#include "platform/file_privati.h"
#include "platform/scrittura_differita.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace {

const QByteArray Prima_riga = QByteArrayLiteral("kinetrack giornale 1\n");

QByteArray Valore(const QString& testo) {
    QString v = testo;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return v.toUtf8();
}

QByteArray Numero(float valore) {
    return QByteArray::number(static_cast<double>(valore), 'g', 9); // a single, exactly
}

const char* Nome_evento(Evento_giornale evento) {
    switch (evento) {
    case Evento_giornale::Registrazione_accesa:
        return "registrazione=1";
    case Evento_giornale::Registrazione_spenta:
        return "registrazione=0";
    case Evento_giornale::Azzeramento:
        return "azzera";
    case Evento_giornale::Salvataggio:
        return "salvata";
    case Evento_giornale::Esclusione:
        return "esclusa=";
    case Evento_giornale::Inclusione:
        return "inclusa=";
    case Evento_giornale::Recuperata:
        return "recuperata";
    }
    return "";
}

} // namespace

QByteArray Componi_intestazione(const Intestazione_giornale& i) {
    const Dati_esercizio_t& d = i.serie.Dati_esercizio;
    QByteArray testo = Prima_riga;
    const auto riga = [&testo](const char* chiave, const QByteArray& valore) {
        testo += chiave;
        testo += '=';
        testo += valore;
        testo += '\n';
    };
    riga("collegamento", i.hid ? "hid" : "seriale");
    riga("tipo_scheda", QByteArray::number(i.tipo_scheda));
    riga("fattore_posizione", Numero(i.fattore_posizione));
    riga("fattore_tempo", Numero(i.fattore_tempo));
    riga("squadra", Valore(d.Squadra));
    riga("atleta", Valore(d.Atleta));
    riga("esercizio", Valore(d.Esercizio));
    riga("carico", Numero(d.Carico));
    riga("vmax", Numero(d.Vmax));
    riga("limite_sup", Numero(d.Limite_sup));
    riga("limite_inf", Numero(d.Limite_inf));
    riga("ampiezza_minima", Numero(d.Ampiezza_minima));
    riga("soglia_perdita", Numero(i.serie.Soglia_perdita));
    riga("cartella_dati", Valore(d.Cartella_dati));
    riga("inizio", i.inizio.toString(Qt::ISODateWithMs).toUtf8());
    riga("registrazione", i.registrazione ? "1" : "0");
    riga("nota", Valore(i.serie.Nota));
    riga("velocita_riferimento", QByteArray::number(int(i.serie.Riferimento)));
    riga("tabella", QByteArray(reinterpret_cast<const char*>(i.ripetizioni.data()),
                               qsizetype(i.ripetizioni.size() * sizeof(Ripetizione)))
                        .toBase64());
    testo += "---\n";
    return testo;
}

std::optional<QString> Accoda_evento(const QString& file, std::int64_t dopo_record,
                                     Evento_giornale evento) {
    QFile testo(file);
    const QByteArray riga = QByteArray::number(dopo_record) + ' ' + Nome_evento(evento) + '\n';
    if (!testo.open(QIODevice::WriteOnly | QIODevice::Append) || testo.write(riga) != riga.size() ||
        !testo.flush())
        return Testo_errore_file(testo);
    if (::fsync(testo.handle()) != 0) return Testo_errore_sistema(errno);
    return std::nullopt;
}

Giornale_serie::Giornale_serie(const Sessione& sessione) : s_(sessione) {}

Giornale_serie::~Giornale_serie() {
    Chiudi();
}

void Giornale_serie::Acquisizione_iniziata() {
    Chiudi();
    // A journal kept for its unsaved data stays where it is for the next start.
    file_.clear();
    blocco_.reset();
    trattenuto_ = false;
    non_salvati_ = false;
    numero_record_ = 0;
    errore_.reset();
    errore_detto_ = false;
    record_nel_giornale_ = 0;
    if (cartella_.isEmpty()) return;
    if (Crea_cartella_privata(cartella_)) {
        errore_ = QCoreApplication::translate("Giornale_serie", "impossibile creare la cartella %1")
                      .arg(QDir::toNativeSeparators(cartella_));
        return;
    }
    Intestazione_giornale intestazione;
    intestazione.hid = s_.Scheda.Collegamento == Collegamento::Hid;
    intestazione.tipo_scheda = s_.Scheda.Tipo_scheda;
    intestazione.fattore_posizione = s_.Scheda.Fattore_posizione;
    intestazione.fattore_tempo = s_.Scheda.Fattore_tempo;
    intestazione.serie = s_.Serie;
    intestazione.inizio = s_.Serie.Inizio;
    intestazione.registrazione = s_.Memo_attivo;
    intestazione.ripetizioni = s_.Ripetizioni;
    // One name per start; a second start within the same millisecond gets a suffix.
    const QString base = QDir(cartella_).filePath(
        QStringLiteral("serie ") +
        intestazione.inizio.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss.zzz")));
    QString nome = base;
    for (int n = 2;
         Voce_presente(nome + Estensione_giornale) || Voce_presente(nome + Estensione_record); ++n)
        nome = base + QStringLiteral(" (%1)").arg(n);

    testo_ = std::make_unique<Scrittura_differita>();
    record_ = std::make_unique<Scrittura_differita>();
    if (auto errore =
            testo_->Apri(nome + Estensione_giornale, Componi_intestazione(intestazione))) {
        errore_ = errore;
        testo_.reset();
        record_.reset();
        return;
    }
    if (auto errore = record_->Apri(nome + Estensione_record, QByteArray())) {
        errore_ = errore;
        testo_->Chiudi();
        QFile::remove(nome + Estensione_giornale);
        testo_.reset();
        record_.reset();
        return;
    }
    file_ = nome + Estensione_giornale;
    aperto_ = true;
    // Ours while we write it, and after while it waits for its save: a second program (a
    // second start on the same data) must not give it back nor remove it meanwhile.
    blocco_ = std::make_unique<Blocco_file>();
    blocco_->Prendi(file_, false);
}

void Giornale_serie::Lascia() {
    if (!In_sospeso()) return;
    file_.clear();
    blocco_.reset();
}

void Giornale_serie::Record_ricevuti(std::span<const std::uint8_t> record) {
    if (!aperto_) return;
    record_->Accoda(reinterpret_cast<const char*>(record.data()), record.size());
    numero_record_ += static_cast<std::int64_t>(record.size() / 6);
    if (s_.Memo_attivo) non_salvati_ = true;
}

void Giornale_serie::Evento(Evento_giornale evento, int numero) {
    if (!aperto_) return;
    QByteArray riga = QByteArray::number(numero_record_) + ' ' + Nome_evento(evento);
    if (evento == Evento_giornale::Esclusione || evento == Evento_giornale::Inclusione)
        riga += QByteArray::number(numero);
    testo_->Accoda(riga + '\n');
}

void Giornale_serie::Esclusione_cambiata(int riga, bool esclusa) {
    Evento(esclusa ? Evento_giornale::Esclusione : Evento_giornale::Inclusione, riga + 1);
}

void Giornale_serie::Registrazione_cambiata(bool accesa) {
    if (!aperto_) return;
    Evento(accesa ? Evento_giornale::Registrazione_accesa : Evento_giornale::Registrazione_spenta);
    if (!accesa && non_salvati_) {
        // Switched off with its data unsaved: that part stays for the next start.
        trattenuto_ = true;
        non_salvati_ = false;
    }
}

void Giornale_serie::Misura_azzerata() {
    if (!aperto_) return;
    Evento(Evento_giornale::Azzeramento);
    if (non_salvati_) {
        trattenuto_ = true;
        non_salvati_ = false;
    }
}

void Giornale_serie::Acquisizione_finita() {
    Chiudi();
    if (!trattenuto_ && !non_salvati_) Elimina();
}

void Giornale_serie::Serie_salvata() {
    if (aperto_) {
        Evento(Evento_giornale::Salvataggio);
        non_salvati_ = false;
        return;
    }
    non_salvati_ = false;
    if (!trattenuto_) Elimina();
}

void Giornale_serie::Chiudi() {
    if (!aperto_) return;
    aperto_ = false;
    Segna_errore(testo_->Chiudi());
    Segna_errore(record_->Chiudi());
    record_nel_giornale_ = Record_nel_giornale();
    testo_.reset();
    record_.reset();
}

void Giornale_serie::Segna_errore(const std::optional<QString>& errore) {
    if (errore && !errore_) errore_ = errore;
}

void Giornale_serie::Elimina() {
    if (file_.isEmpty()) return;
    // The text file first: without it nothing is given back, and a records file left
    // alone is known to be of a set already saved.
    QFile::remove(file_);
    QString record = file_;
    record.chop(Estensione_giornale.size());
    QFile::remove(record + Estensione_record);
    file_.clear();
    blocco_.reset();
}

std::int64_t Giornale_serie::Record_nel_giornale() const {
    if (!testo_) return record_nel_giornale_;
    // Without its text file the records are nobody's set.
    if (testo_->Scritti() == 0) return 0;
    return static_cast<std::int64_t>(record_->Scritti() / 6);
}

std::optional<QString> Giornale_serie::Prendi_errore() {
    if (aperto_) {
        Segna_errore(testo_->Errore());
        Segna_errore(record_->Errore());
    }
    if (!errore_ || errore_detto_) return std::nullopt;
    errore_detto_ = true;
    return errore_;
}
