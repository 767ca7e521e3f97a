// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/lettura_giornale.h"

#include "platform/errori_sistema.h"
#include "stream/decodifica.h"
#include "stream/motore_misura.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>

namespace {

std::optional<Evento_giornale> Evento_da_testo(const QByteArray& testo, int& numero) {
    if (testo == "registrazione=1") return Evento_giornale::Registrazione_accesa;
    if (testo == "registrazione=0") return Evento_giornale::Registrazione_spenta;
    if (testo == "azzera") return Evento_giornale::Azzeramento;
    if (testo == "salvata") return Evento_giornale::Salvataggio;
    if (testo == "recuperata") return Evento_giornale::Recuperata;
    for (const auto& [prefisso, evento] :
         {std::pair{QByteArrayLiteral("esclusa="), Evento_giornale::Esclusione},
          std::pair{QByteArrayLiteral("inclusa="), Evento_giornale::Inclusione}}) {
        if (!testo.startsWith(prefisso)) continue;
        bool ok = false;
        numero = testo.mid(prefisso.size()).toInt(&ok);
        if (ok && numero >= 1) return evento;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> Leggi_giornale(const QString& nome, Giornale_letto& letto) {
    letto = Giornale_letto{};
    letto.file = nome;
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Lettura_giornale",
                                           "impossibile leggere il giornale (%1)")
            .arg(Testo_errore_file(file));
    if (file.readLine() != "kinetrack giornale 1\n")
        return QCoreApplication::translate("Lettura_giornale", "non è un giornale di kinetrack");

    QHash<QByteArray, QByteArray> valori;
    bool fine_intestazione = false;
    while (!file.atEnd()) {
        QByteArray riga = file.readLine();
        if (!riga.endsWith('\n')) break; // a line cut by a crash
        riga.chop(1);
        if (riga == "---") {
            fine_intestazione = true;
            break;
        }
        const qsizetype uguale = riga.indexOf('=');
        if (uguale <= 0)
            return QCoreApplication::translate("Lettura_giornale",
                                               "riga dell'intestazione illeggibile: %1")
                .arg(QString::fromUtf8(riga));
        valori.insert(riga.left(uguale), riga.mid(uguale + 1));
    }
    if (!fine_intestazione)
        return QCoreApplication::translate("Lettura_giornale", "intestazione incompleta");

    if (!Leggi_intestazione(valori, letto.intestazione))
        return QCoreApplication::translate("Lettura_giornale", "intestazione danneggiata");

    // The operator's actions; a line cut by a crash, or one of a later version, is left out.
    while (!file.atEnd()) {
        QByteArray riga = file.readLine();
        if (!riga.endsWith('\n')) break;
        riga.chop(1);
        const qsizetype spazio = riga.indexOf(' ');
        bool ok = false;
        const qint64 dopo = riga.left(spazio).toLongLong(&ok);
        int ripetizione = 0;
        const auto evento = Evento_da_testo(riga.mid(spazio + 1), ripetizione);
        if (spazio <= 0 || !ok || dopo < 0 || !evento) continue;
        letto.eventi.push_back({dopo, *evento, ripetizione});
    }

    QString record = nome;
    if (record.endsWith(Estensione_giornale)) record.chop(Estensione_giornale.size());
    letto.file_record = record + Estensione_record;
    const QFileInfo info(letto.file_record);
    letto.numero_record = info.exists() ? info.size() / qint64(Byte_record_seriale) : 0;
    return std::nullopt;
}

void Imposta_sessione_giornale(const Intestazione_giornale& i, Sessione& s) {
    s.Scheda.Collegamento = i.collegamento;
    s.Scheda.Tipo_scheda = i.tipo_scheda;
    s.Scheda.Fattore_posizione = i.fattore_posizione;
    s.Scheda.Fattore_tempo = i.fattore_tempo;
    s.Dati_esercizio = i.serie.Dati_esercizio;
    s.Soglia_perdita = i.serie.Soglia_perdita;
    s.Riferimento = i.serie.Riferimento;
    s.Nota = i.serie.Nota;
    s.Memo_attivo = i.registrazione;
    if (!i.ripetizioni.empty()) s.Ripetizioni = i.ripetizioni;
}

std::optional<QString> Riproduci_giornale(const Giornale_letto& giornale, Sessione& s,
                                          Motore_misura& motore,
                                          const std::function<void(std::int64_t)>& salva) {
    const Intestazione_giornale& i = giornale.intestazione;
    Imposta_sessione_giornale(i, s);
    motore.Inizia_acquisizione();
    s.Serie.Inizio = i.inizio; // the set's own start, not the replay's

    QFile file(giornale.file_record);
    if (giornale.numero_record > 0 && !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Lettura_giornale", "impossibile leggere i record (%1)")
            .arg(Testo_errore_file(file));

    // Data recorded since the last save or reset: what a save at this point would keep.
    bool non_salvati = false;
    std::int64_t letti = 0;
    const auto Leggi_fino_a = [&](std::int64_t fine) -> bool {
        constexpr std::int64_t Per_volta = 65536; // records
        while (letti < fine) {
            const std::int64_t quanti = std::min(Per_volta, fine - letti);
            const QByteArray dati = file.read(quanti * qint64(Byte_record_seriale));
            if (dati.size() != quanti * qint64(Byte_record_seriale)) return false;
            const std::span<const std::uint8_t> byte(
                reinterpret_cast<const std::uint8_t*>(dati.constData()), std::size_t(dati.size()));
            // As the live links hand them over: one report of eight records at a time, or
            // one read of the serial port at a time.
            if (i.collegamento == Collegamento::Hid)
                motore.Record_hid(byte);
            else
                for (std::size_t da = 0; da < byte.size(); da += Byte_lettura_seriale)
                    motore.Blocco_seriale(
                        byte.subspan(da, std::min(Byte_lettura_seriale, byte.size() - da)));
            if (s.Memo_attivo) non_salvati = true;
            letti += quanti;
        }
        return true;
    };
    const auto Salva_se_serve = [&] {
        if (non_salvati) salva(letti);
        non_salvati = false;
    };

    for (const Evento_letto& e : giornale.eventi) {
        if (!Leggi_fino_a(std::min(e.dopo_record, giornale.numero_record)))
            return QCoreApplication::translate("Lettura_giornale",
                                               "impossibile leggere i record (%1)")
                .arg(Testo_errore_file(file));
        switch (e.evento) {
        case Evento_giornale::Registrazione_accesa:
            motore.Imposta_registrazione(true);
            break;
        case Evento_giornale::Registrazione_spenta:
            Salva_se_serve();
            motore.Imposta_registrazione(false);
            break;
        case Evento_giornale::Azzeramento:
            Salva_se_serve();
            motore.Azzera_misura();
            break;
        case Evento_giornale::Salvataggio:
            non_salvati = false;
            break;
        case Evento_giornale::Recuperata:
            break; // the caller's business: it knows the parts it saved by where they end
        case Evento_giornale::Esclusione:
        case Evento_giornale::Inclusione:
            motore.Imposta_esclusa(e.numero, e.evento == Evento_giornale::Esclusione);
            break;
        }
    }
    if (!Leggi_fino_a(giornale.numero_record))
        return QCoreApplication::translate("Lettura_giornale", "impossibile leggere i record (%1)")
            .arg(Testo_errore_file(file));
    motore.Fine_acquisizione();
    Salva_se_serve();
    return std::nullopt;
}
