// SPDX-License-Identifier: GPL-3.0-or-later
#include "comandi/storico.h"

#include "comandi/pdf_storico.h"
#include "comandi/strumento.h"
#include "datafiles/cartelle_programma.h"
#include "storico/diario.h"
#include "storico/esempio_storico.h"
#include "storico/indice_test.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Nome_strumento = QStringLiteral("kinetrack-storico");
const QString Squadra_esempio = QStringLiteral("Esempio");

std::optional<QDate> Data(const QString& testo) {
    const QDate d = QDate::fromString(testo, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) return std::nullopt;
    return d;
}

// The athletes' folders the options name, as "team/athlete".
QStringList Cartelle_atleti(const Opzioni_storico& o) {
    QStringList cartelle;
    const QDir radice(o.cartella_dati);
    QStringList squadre;
    if (!o.squadra.isEmpty())
        squadre << o.squadra;
    else
        for (const QString& s : radice.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (!Cartella_programma(s)) squadre << s;
    for (const QString& s : squadre)
        for (const QString& a :
             QDir(radice.filePath(s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (o.atleta.isEmpty() || a == o.atleta) cartelle << s + QLatin1Char('/') + a;
    return cartelle;
}

} // namespace

QString Uso_storico() {
    return QStringLiteral(
        "Uso: kinetrack-storico --data CARTELLA_DATI [--team SQUADRA] [--athlete ATLETA]\n"
        "                       [--exercise ESERCIZIO] [--from AAAA-MM-GG] [--to AAAA-MM-GG]\n"
        "                       [--pdf FILE]\n"
        "Il diario degli allenamenti: i test salvati nelle cartelle degli atleti, dal più\n"
        "recente, come testo separato da \";\" (punto decimale, una riga di intestazione):\n"
        "squadra, atleta, data, ora, esercizio, carico (kg), ripetizioni valide, velocità\n"
        "migliore (m/s), perdita di velocità dell'ultima ripetizione (%), RPE, nota.\n"
        "L'indice dei test (ini/storico.sqlite) viene aggiornato dai file prima di leggere.\n"
        "  --data CARTELLA         la cartella dei dati (quella con ini/ e le squadre)\n"
        "  --team SQUADRA          solo gli atleti della squadra\n"
        "  --athlete ATLETA        solo l'atleta\n"
        "  --exercise ESERCIZIO    solo l'esercizio (maiuscole e spazi ai lati non contano)\n"
        "  --from AAAA-MM-GG       solo i test da questo giorno\n"
        "  --to AAAA-MM-GG         solo i test fino a questo giorno\n"
        "  --pdf FILE              il diario in un file PDF invece che come testo\n"
        "  --write-example ATLETA  scrive prima quattro settimane di test d'esempio dell'atleta\n"
        "                          nella squadra di --team (senza: \"Esempio\")\n"
        "  -h, --help              questo aiuto\n");
}

std::optional<QString> Leggi_opzioni_storico(const QStringList& argomenti, Opzioni_storico& o) {
    Riga_comando riga;
    if (auto errore = Dividi_riga_comando(argomenti, QStringLiteral("ingresso"), riga))
        return errore;
    o.aiuto = riga.aiuto;
    if (o.aiuto) return std::nullopt;
    if (!riga.file.isEmpty()) return QStringLiteral("argomento inatteso: \"%1\"").arg(riga.file);
    for (const auto& [a, v] : std::as_const(riga.opzioni)) {
        if (a == QLatin1String("--data")) {
            o.cartella_dati = v;
        } else if (a == QLatin1String("--team")) {
            o.squadra = v;
        } else if (a == QLatin1String("--athlete")) {
            o.atleta = v;
        } else if (a == QLatin1String("--exercise")) {
            o.esercizio = v;
        } else if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            const auto d = Data(v);
            if (!d) return QStringLiteral("data non valida per %1: \"%2\" (AAAA-MM-GG)").arg(a, v);
            (a == QLatin1String("--from") ? o.dal : o.al) = *d;
        } else if (a == QLatin1String("--pdf")) {
            if (v.isEmpty()) return QStringLiteral("manca il file di --pdf");
            o.pdf = v;
        } else if (a == QLatin1String("--write-example")) {
            if (v.trimmed().isEmpty()) return QStringLiteral("manca il nome dell'atleta");
            o.atleta_esempio = v.trimmed();
        } else {
            return QStringLiteral("opzione sconosciuta: %1").arg(a);
        }
    }
    if (o.cartella_dati.isEmpty()) return QStringLiteral("manca --data");
    for (const QString* nome : {&o.squadra, &o.atleta, &o.atleta_esempio})
        if (nome->contains(QLatin1Char('/')) || *nome == QLatin1String("..") ||
            *nome == QLatin1String("."))
            return QStringLiteral("nome non valido: \"%1\"").arg(*nome);
    if (o.dal.isValid() && o.al.isValid() && o.al < o.dal)
        return QStringLiteral("--to viene prima di --from");
    return std::nullopt;
}

int Esegui_storico(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_storico o;
    const auto errore_opzioni = Leggi_opzioni_storico(argomenti, o);
    if (auto esito =
            Esito_opzioni(Nome_strumento, errore_opzioni, o.aiuto, Uso_storico(), uscita, errori))
        return *esito;
    if (!o.atleta_esempio.isEmpty()) {
        if (o.squadra.isEmpty()) o.squadra = Squadra_esempio;
        int scritti = 0;
        if (auto errore = Scrivi_storico_esempio(o.cartella_dati, o.squadra, o.atleta_esempio,
                                                 QDateTime::currentDateTime(), 1, &scritti))
            return Fallisci(Nome_strumento, *errore, errori);
        errori << Nome_strumento << ": scritti " << scritti << " test d'esempio di "
               << o.atleta_esempio << " in " << QDir::toNativeSeparators(o.cartella_dati) << '/'
               << o.squadra << '/' << o.atleta_esempio << '\n';
        if (o.atleta.isEmpty()) o.atleta = o.atleta_esempio;
    }
    const QFileInfo dati(o.cartella_dati);
    if (!dati.isDir())
        return Fallisci(Nome_strumento,
                        QStringLiteral("la cartella dei dati \"%1\" non esiste")
                            .arg(QDir::toNativeSeparators(o.cartella_dati)),
                        errori);
    const QStringList cartelle = Cartelle_atleti(o);
    if (cartelle.isEmpty() && (!o.squadra.isEmpty() || !o.atleta.isEmpty()))
        return Fallisci(Nome_strumento,
                        QStringLiteral("nessuna cartella di atleta per %1")
                            .arg(o.atleta.isEmpty()
                                     ? QStringLiteral("la squadra \"%1\"").arg(o.squadra)
                                     : QStringLiteral("l'atleta \"%1\"").arg(o.atleta)),
                        errori);

    Indice_test indice(o.cartella_dati);
    std::vector<Riga_diario> righe;
    const Filtro_diario filtro{o.esercizio, o.dal, o.al};
    Esito_indice esito;
    if (!o.atleta.isEmpty()) {
        for (const QString& c : cartelle) {
            const Esito_indice e = indice.Aggiorna_atleta(c.section(QLatin1Char('/'), 0, 0),
                                                          c.section(QLatin1Char('/'), 1));
            esito.scartati << e.scartati;
            if (esito.avviso.isEmpty()) esito.avviso = e.avviso;
        }
    } else {
        esito = o.squadra.isEmpty() ? indice.Aggiorna() : indice.Aggiorna_squadra(o.squadra);
    }
    if (!esito.avviso.isEmpty()) errori << Nome_strumento << ": " << esito.avviso << '\n';
    for (const QString& s : std::as_const(esito.scartati))
        errori << Nome_strumento << ": file scartato: " << s << '\n';
    errori.flush();
    for (const QString& c : cartelle) {
        const auto test =
            indice.Test_atleta(c.section(QLatin1Char('/'), 0, 0), c.section(QLatin1Char('/'), 1));
        auto r = Righe_diario(test, filtro);
        righe.insert(righe.end(), std::make_move_iterator(r.begin()),
                     std::make_move_iterator(r.end()));
    }
    std::stable_sort(righe.begin(), righe.end(), [](const Riga_diario& a, const Riga_diario& b) {
        return a.quando > b.quando;
    });
    if (!o.pdf.isEmpty()) return Scrivi_pdf_storico(o.pdf, righe, errori);
    uscita << Testo_diario(righe, true);
    uscita.flush();
    return 0;
}
