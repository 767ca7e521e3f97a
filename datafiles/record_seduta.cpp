// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/record_seduta.h"

#include "datafiles/lettura_ini.h"
#include "platform/file_intero.h"
#include "platform/file_limitato.h"
#include "stream/lista_valori.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QString Gruppo = QStringLiteral("test");

QString Numero(double valore) {
    return QString::number(valore, 'g', 9);
}

} // namespace

QString Testo_riferimento(Velocita_riferimento r) {
    switch (r) {
    case Velocita_riferimento::Vmedia_alzata:
        return QStringLiteral("lift");
    case Velocita_riferimento::Vpropulsiva:
        return QStringLiteral("propulsive");
    case Velocita_riferimento::Vmedia_tabella:
        break;
    }
    return QStringLiteral("table");
}

std::optional<Velocita_riferimento> Riferimento_da_testo(const QString& testo) {
    if (testo == QLatin1String("table") || testo.isEmpty())
        return Velocita_riferimento::Vmedia_tabella;
    if (testo == QLatin1String("lift")) return Velocita_riferimento::Vmedia_alzata;
    if (testo == QLatin1String("propulsive")) return Velocita_riferimento::Vpropulsiva;
    return std::nullopt;
}

QString Nome_file_record(const QString& file_campioni) {
    QString base = file_campioni;
    if (base.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) base.chop(4);
    return base + Suffisso_record;
}

Record_test Record_della_serie(const Sessione& s, const Lista_valori& lista) {
    Record_test r;
    r.serie = s.Serie;
    // The sample file's rows: every recorded sample but the first and the last.
    r.campioni = std::max<qint64>(0, qint64(s.Campioni.size()) - 2);
    r.durata_s = s.Campioni.size() > 2 ? double(s.Campioni[s.Campioni.size() - 2].Tempo) : 0.0;
    r.ripetizioni = lista.Righe();
    return r;
}

namespace {

// A number read back; a hand edit on an Italian computer may write "82,5". An empty text
// is `predefinito`. False when the text is no number.
template <typename T> bool Leggi_numero(QString t, T& destinazione, double predefinito = 0) {
    if (!t.contains(QLatin1Char('.'))) t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = t.isEmpty();
    const double v = t.isEmpty() ? predefinito : t.toDouble(&ok);
    destinazione = static_cast<T>(v);
    return ok;
}

// One key of the record: how it is written and how it is read back (false: unreadable).
struct Campo_record {
    const char* chiave;
    QVariant (*scrivi)(const Record_test&);
    bool (*leggi)(const QString&, Record_test&);
};

Dati_esercizio_t& D(Record_test& r) {
    return r.serie.Dati_esercizio;
}
const Dati_esercizio_t& D(const Record_test& r) {
    return r.serie.Dati_esercizio;
}

const Campo_record Campi_record[] = {
    {"team", [](const Record_test& r) -> QVariant { return D(r).Squadra; },
     [](const QString& t, Record_test& r) { return (D(r).Squadra = t, true); }},
    {"athlete", [](const Record_test& r) -> QVariant { return D(r).Atleta; },
     [](const QString& t, Record_test& r) { return (D(r).Atleta = t, true); }},
    {"exercise", [](const Record_test& r) -> QVariant { return D(r).Esercizio; },
     [](const QString& t, Record_test& r) { return (D(r).Esercizio = t, true); }},
    {"load", [](const Record_test& r) -> QVariant { return Numero(double(D(r).Carico)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, D(r).Carico); }},
    {"vmax", [](const Record_test& r) -> QVariant { return Numero(double(D(r).Vmax)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, D(r).Vmax); }},
    {"upper_limit",
     [](const Record_test& r) -> QVariant { return Numero(double(D(r).Limite_sup)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, D(r).Limite_sup); }},
    {"lower_limit",
     [](const Record_test& r) -> QVariant { return Numero(double(D(r).Limite_inf)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, D(r).Limite_inf); }},
    {"min_amplitude",
     [](const Record_test& r) -> QVariant { return Numero(double(D(r).Ampiezza_minima)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, D(r).Ampiezza_minima); }},
    {"loss_threshold",
     [](const Record_test& r) -> QVariant { return Numero(double(r.serie.Soglia_perdita)); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, r.serie.Soglia_perdita, 20); }},
    {"board_type", [](const Record_test& r) -> QVariant { return r.serie.Tipo_scheda; },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, r.serie.Tipo_scheda); }},
    {"link",
     [](const Record_test& r) -> QVariant {
         return r.serie.Collegamento == Collegamento::Hid ? QStringLiteral("hid")
                                                          : QStringLiteral("serial");
     },
     [](const QString& t, Record_test& r) {
         const bool hid = t == QLatin1String("hid");
         r.serie.Collegamento = hid ? Collegamento::Hid : Collegamento::Seriale;
         return t.isEmpty() || hid || t == QLatin1String("serial");
     }},
    // Local time with its offset from UTC.
    {"start",
     [](const Record_test& r) -> QVariant {
         const QDateTime& i = r.serie.Inizio;
         return i.isValid() ? i.toOffsetFromUtc(i.offsetFromUtc()).toString(Qt::ISODate)
                            : QString();
     },
     [](const QString& t, Record_test& r) {
         r.serie.Inizio = QDateTime::fromString(t, Qt::ISODate);
         return t.isEmpty() || r.serie.Inizio.isValid();
     }},
    {"length_s",
     [](const Record_test& r) -> QVariant { return QString::number(r.durata_s, 'f', 3); },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, r.durata_s); }},
    {"samples", [](const Record_test& r) -> QVariant { return r.campioni; },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, r.campioni); }},
    {"repetitions", [](const Record_test& r) -> QVariant { return r.ripetizioni; },
     [](const QString& t, Record_test& r) { return Leggi_numero(t, r.ripetizioni); }},
    {"note", [](const Record_test& r) -> QVariant { return r.serie.Nota; },
     [](const QString& t, Record_test& r) { return (r.serie.Nota = t, true); }},
    {"rpe",
     [](const Record_test& r) -> QVariant {
         return r.serie.Rpe > 0 ? Numero(double(r.serie.Rpe)) : QString();
     },
     [](const QString& t, Record_test& r) {
         const float& rpe = r.serie.Rpe;
         return Leggi_numero(t, r.serie.Rpe) && (rpe == 0 || (rpe >= 1 && rpe <= 10));
     }},
    {"excluded",
     [](const Record_test& r) -> QVariant {
         QStringList escluse;
         for (int n : r.serie.Escluse) escluse << QString::number(n);
         return escluse.join(QLatin1Char(','));
     },
     [](const QString& t, Record_test& r) {
         bool tutte = true;
         for (const QString& n : t.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
             bool ok = false;
             const int numero = n.trimmed().toInt(&ok);
             if (ok && numero >= 1)
                 r.serie.Escluse.insert(numero);
             else
                 tutte = false;
         }
         return tutte;
     }},
    {"reference_velocity",
     [](const Record_test& r) -> QVariant { return Testo_riferimento(r.serie.Riferimento); },
     [](const QString& t, Record_test& r) {
         const auto riferimento = Riferimento_da_testo(t);
         if (riferimento) r.serie.Riferimento = *riferimento;
         return riferimento.has_value();
     }},
};

} // namespace

QByteArray Testo_record(const Record_test& r) {
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("test.ini"));
    {
        QSettings file(nome, QSettings::IniFormat);
        file.beginGroup(Gruppo);
        file.setValue(QStringLiteral("format"), Versione_record);
        for (const Campo_record& campo : Campi_record)
            file.setValue(QLatin1String(campo.chiave), campo.scrivi(r));
        file.endGroup();
    }
    QFile letto(nome);
    return letto.open(QIODevice::ReadOnly) ? letto.readAll() : QByteArray();
}

namespace {

// A record's text: the reason when it is damaged or of a later version.
std::optional<QString> Leggi_valori_record(QByteArrayView testo, Record_test& r) {
    const auto gruppo = Leggi_gruppo_ini(testo, Gruppo);
    if (const auto* danno = std::get_if<Ini_danneggiato>(&gruppo))
        return QCoreApplication::translate("Record_test", "file danneggiato (riga %1)")
            .arg(danno->riga);
    if (std::holds_alternative<Gruppo_assente>(gruppo))
        return QCoreApplication::translate("Record_test", "non è la scheda di un test");
    const Valori_ini& valori = std::get<Valori_ini>(gruppo);
    bool ok = false;
    const int versione = valori.value(QStringLiteral("format")).toInt(&ok);
    if (!ok || versione < 1)
        return QCoreApplication::translate("Record_test",
                                           "versione del formato mancante o illeggibile");
    if (versione > Versione_record)
        return QCoreApplication::translate(
                   "Record_test", "scritta da una versione più recente del programma (formato %1, "
                                  "questo programma legge fino al %2)")
            .arg(versione)
            .arg(Versione_record);

    Record_test letto;
    QStringList difettosi;
    for (const Campo_record& campo : Campi_record)
        if (!campo.leggi(valori.value(QLatin1String(campo.chiave)), letto))
            difettosi << QLatin1String(campo.chiave);
    if (!difettosi.isEmpty())
        return QCoreApplication::translate("Record_test", "valori illeggibili: %1")
            .arg(difettosi.join(QStringLiteral(", ")));
    r = std::move(letto);
    return std::nullopt;
}

} // namespace

std::optional<QString> Leggi_testo_record(const QByteArray& testo, Record_test& r) {
    return Leggi_valori_record(testo, r);
}

std::optional<QString> Scrivi_record(const QString& nome, const Record_test& record) {
    return Scrivi_file_intero(nome, Testo_record(record));
}

std::optional<QString> Leggi_record(const QString& nome, Record_test& record) {
    QByteArray testo;
    if (auto errore = Leggi_file_limitato(nome, testo)) return errore;
    return Leggi_valori_record(testo, record);
}
