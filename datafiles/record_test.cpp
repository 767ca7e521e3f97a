// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/record_test.h"

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

QByteArray Testo_record(const Record_test& r) {
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("test.ini"));
    {
        QSettings file(nome, QSettings::IniFormat);
        file.beginGroup(Gruppo);
        const Serie_t& s = r.serie;
        const Dati_esercizio_t& d = s.Dati_esercizio;
        file.setValue(QStringLiteral("format"), Versione_record);
        file.setValue(QStringLiteral("team"), d.Squadra);
        file.setValue(QStringLiteral("athlete"), d.Atleta);
        file.setValue(QStringLiteral("exercise"), d.Esercizio);
        file.setValue(QStringLiteral("load"), Numero(double(d.Carico)));
        file.setValue(QStringLiteral("vmax"), Numero(double(d.Vmax)));
        file.setValue(QStringLiteral("upper_limit"), Numero(double(d.Limite_sup)));
        file.setValue(QStringLiteral("lower_limit"), Numero(double(d.Limite_inf)));
        file.setValue(QStringLiteral("min_amplitude"), Numero(double(d.Ampiezza_minima)));
        file.setValue(QStringLiteral("loss_threshold"), Numero(double(s.Soglia_perdita)));
        file.setValue(QStringLiteral("board_type"), s.Tipo_scheda);
        file.setValue(QStringLiteral("link"), s.Collegamento == Collegamento::Hid
                                                  ? QStringLiteral("hid")
                                                  : QStringLiteral("serial"));
        // Local time with its offset from UTC.
        file.setValue(QStringLiteral("start"),
                      s.Inizio.isValid()
                          ? s.Inizio.toOffsetFromUtc(s.Inizio.offsetFromUtc()).toString(Qt::ISODate)
                          : QString());
        file.setValue(QStringLiteral("length_s"), QString::number(r.durata_s, 'f', 3));
        file.setValue(QStringLiteral("samples"), r.campioni);
        file.setValue(QStringLiteral("repetitions"), r.ripetizioni);
        file.setValue(QStringLiteral("note"), s.Nota);
        file.setValue(QStringLiteral("rpe"), s.Rpe > 0 ? Numero(double(s.Rpe)) : QString());
        QStringList escluse;
        for (int n : s.Escluse) escluse << QString::number(n);
        file.setValue(QStringLiteral("excluded"), escluse.join(QLatin1Char(',')));
        file.setValue(QStringLiteral("reference_velocity"), Testo_riferimento(s.Riferimento));
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
    Serie_t& s = letto.serie;
    Dati_esercizio_t& d = s.Dati_esercizio;
    QStringList difettosi;
    const auto Testo = [&valori](const char* chiave) {
        return valori.value(QLatin1String(chiave));
    };
    const auto Valore = [&](const char* chiave, auto& destinazione, double predefinito = 0) {
        // A hand edit on an Italian computer may write "82,5".
        QString t = Testo(chiave);
        if (!t.contains(QLatin1Char('.'))) t.replace(QLatin1Char(','), QLatin1Char('.'));
        bool letto_ok = t.isEmpty();
        const double v = t.isEmpty() ? predefinito : t.toDouble(&letto_ok);
        if (!letto_ok) difettosi << QLatin1String(chiave);
        destinazione = static_cast<std::remove_reference_t<decltype(destinazione)>>(v);
    };
    d.Squadra = Testo("team");
    d.Atleta = Testo("athlete");
    d.Esercizio = Testo("exercise");
    Valore("load", d.Carico);
    Valore("vmax", d.Vmax);
    Valore("upper_limit", d.Limite_sup);
    Valore("lower_limit", d.Limite_inf);
    Valore("min_amplitude", d.Ampiezza_minima);
    Valore("loss_threshold", s.Soglia_perdita, 20);
    Valore("board_type", s.Tipo_scheda);
    const QString collegamento = Testo("link");
    const bool hid = collegamento == QLatin1String("hid");
    s.Collegamento = hid ? Collegamento::Hid : Collegamento::Seriale;
    if (!collegamento.isEmpty() && !hid && collegamento != QLatin1String("serial"))
        difettosi << QStringLiteral("link");
    const QString inizio = Testo("start");
    s.Inizio = QDateTime::fromString(inizio, Qt::ISODate);
    if (!inizio.isEmpty() && !s.Inizio.isValid()) difettosi << QStringLiteral("start");
    Valore("length_s", letto.durata_s);
    Valore("samples", letto.campioni);
    Valore("repetitions", letto.ripetizioni);
    s.Nota = Testo("note");
    Valore("rpe", s.Rpe);
    if (s.Rpe != 0 && (s.Rpe < 1 || s.Rpe > 10)) difettosi << QStringLiteral("rpe");
    for (const QString& n : Testo("excluded").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int numero = n.trimmed().toInt(&ok);
        if (ok && numero >= 1)
            s.Escluse.insert(numero);
        else
            difettosi << QStringLiteral("excluded");
    }
    const auto riferimento = Riferimento_da_testo(Testo("reference_velocity"));
    if (riferimento)
        s.Riferimento = *riferimento;
    else
        difettosi << QStringLiteral("reference_velocity");
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
