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
#include <cstring>
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

namespace {

QString Testo(const QByteArray& valore) {
    QString t = QString::fromUtf8(valore);
    QString uscita;
    uscita.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('\\') && i + 1 < t.size()) {
            ++i;
            uscita += t[i] == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : t[i];
        } else {
            uscita += t[i];
        }
    }
    return uscita;
}

bool Leggi_numero(const QByteArray& testo, float& destinazione) {
    bool ok = false;
    destinazione = testo.toFloat(&ok);
    return ok;
}

using Intestazione = Intestazione_giornale;
Dati_esercizio_t& D(Intestazione& i) {
    return i.serie.Dati_esercizio;
}
const Dati_esercizio_t& D(const Intestazione& i) {
    return i.serie.Dati_esercizio;
}

// One line of the settings, in the order written: how it is written and read back
// (false: missing or wrong, and the journal cannot be used).
struct Campo_giornale {
    const char* chiave;
    QByteArray (*scrivi)(const Intestazione&);
    bool (*leggi)(const QByteArray&, Intestazione&);
};

const Campo_giornale Campi_giornale[] = {
    {"collegamento",
     [](const Intestazione& i) {
         return QByteArray(i.collegamento == Collegamento::Hid ? "hid" : "seriale");
     },
     [](const QByteArray& v, Intestazione& i) {
         i.collegamento = v == "hid" ? Collegamento::Hid : Collegamento::Seriale;
         return v == "hid" || v == "seriale";
     }},
    {"tipo_scheda", [](const Intestazione& i) { return QByteArray::number(i.tipo_scheda); },
     [](const QByteArray& v, Intestazione& i) {
         bool ok = false;
         i.tipo_scheda = v.toInt(&ok);
         return ok;
     }},
    {"fattore_posizione", [](const Intestazione& i) { return Numero(i.fattore_posizione); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, i.fattore_posizione); }},
    {"fattore_tempo", [](const Intestazione& i) { return Numero(i.fattore_tempo); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, i.fattore_tempo); }},
    {"squadra", [](const Intestazione& i) { return Valore(D(i).Squadra); },
     [](const QByteArray& v, Intestazione& i) { return (D(i).Squadra = Testo(v), true); }},
    {"atleta", [](const Intestazione& i) { return Valore(D(i).Atleta); },
     [](const QByteArray& v, Intestazione& i) { return (D(i).Atleta = Testo(v), true); }},
    {"esercizio", [](const Intestazione& i) { return Valore(D(i).Esercizio); },
     [](const QByteArray& v, Intestazione& i) { return (D(i).Esercizio = Testo(v), true); }},
    {"carico", [](const Intestazione& i) { return Numero(D(i).Carico); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, D(i).Carico); }},
    {"vmax", [](const Intestazione& i) { return Numero(D(i).Vmax); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, D(i).Vmax); }},
    {"limite_sup", [](const Intestazione& i) { return Numero(D(i).Limite_sup); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, D(i).Limite_sup); }},
    {"limite_inf", [](const Intestazione& i) { return Numero(D(i).Limite_inf); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, D(i).Limite_inf); }},
    {"ampiezza_minima", [](const Intestazione& i) { return Numero(D(i).Ampiezza_minima); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, D(i).Ampiezza_minima); }},
    {"soglia_perdita", [](const Intestazione& i) { return Numero(i.serie.Soglia_perdita); },
     [](const QByteArray& v, Intestazione& i) { return Leggi_numero(v, i.serie.Soglia_perdita); }},
    {"cartella_dati", [](const Intestazione& i) { return Valore(D(i).Cartella_dati); },
     [](const QByteArray& v, Intestazione& i) { return (D(i).Cartella_dati = Testo(v), true); }},
    {"inizio", [](const Intestazione& i) { return i.inizio.toString(Qt::ISODateWithMs).toUtf8(); },
     [](const QByteArray& v, Intestazione& i) {
         i.inizio = QDateTime::fromString(QString::fromUtf8(v), Qt::ISODateWithMs);
         return i.inizio.isValid();
     }},
    {"registrazione", [](const Intestazione& i) { return QByteArray(i.registrazione ? "1" : "0"); },
     [](const QByteArray& v, Intestazione& i) { return (i.registrazione = v == "1", true); }},
    {"nota", [](const Intestazione& i) { return Valore(i.serie.Nota); },
     [](const QByteArray& v, Intestazione& i) { return (i.serie.Nota = Testo(v), true); }},
    // Missing in journals of earlier versions: the table's velocity. One unknown is left
    // as the set's default.
    {"velocita_riferimento",
     [](const Intestazione& i) { return QByteArray::number(int(i.serie.Riferimento)); },
     [](const QByteArray& v, Intestazione& i) {
         const int riferimento = v.isEmpty() ? 0 : v.toInt();
         if (riferimento >= 0 && riferimento <= int(Velocita_riferimento::Vpropulsiva))
             i.serie.Riferimento = Velocita_riferimento(riferimento);
         return true;
     }},
    // The repetition table as it is in memory; one of another size is left out.
    {"tabella",
     [](const Intestazione& i) {
         return QByteArray(reinterpret_cast<const char*>(i.ripetizioni.data()),
                           qsizetype(i.ripetizioni.size() * sizeof(Ripetizione)))
             .toBase64();
     },
     [](const QByteArray& v, Intestazione& i) {
         const QByteArray tabella = QByteArray::fromBase64(v);
         if (!tabella.isEmpty() && tabella.size() % qsizetype(sizeof(Ripetizione)) == 0) {
             i.ripetizioni.resize(std::size_t(tabella.size()) / sizeof(Ripetizione));
             std::memcpy(i.ripetizioni.data(), tabella.constData(), std::size_t(tabella.size()));
         }
         return true;
     }},
};

} // namespace

QByteArray Componi_intestazione(const Intestazione_giornale& i) {
    QByteArray testo = Prima_riga;
    for (const Campo_giornale& campo : Campi_giornale)
        testo += QByteArray(campo.chiave) + '=' + campo.scrivi(i) + '\n';
    testo += "---\n";
    return testo;
}

bool Leggi_intestazione(const QHash<QByteArray, QByteArray>& valori,
                        Intestazione_giornale& intestazione) {
    bool ok = true;
    for (const Campo_giornale& campo : Campi_giornale)
        ok = campo.leggi(valori.value(campo.chiave), intestazione) && ok;
    return ok;
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
    intestazione.collegamento = s_.Scheda.Collegamento;
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
