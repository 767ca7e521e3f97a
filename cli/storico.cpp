// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/storico.h"

#include "cli/pdf_storico.h"
#include "cli/strumento.h"
#include "club/parametri_club.h"
#include "club/sincronia_club.h"
#include "datafiles/cartelle_programma.h"
#include "log/diario.h"
#include "log/esempio_storico.h"
#include "log/indice_sedute.h"
#include "log/prontezza.h"
#include "session/formato.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

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

// The same from the index, which holds the club's other stations' athletes too.
QStringList Atleti_indice(const Opzioni_storico& o, const Indice_test& indice) {
    QStringList cartelle;
    for (const QString& s : indice.Squadre())
        if (o.squadra.isEmpty() || s == o.squadra)
            for (const QString& a : indice.Atleti(s))
                if (o.atleta.isEmpty() || a == o.atleta) cartelle << s + QLatin1Char('/') + a;
    return cartelle;
}

// The club's part: the folder's queue out, the other stations' tests in. What happened goes
// to `errori`; false when the club could not be reached (the log is still printed).
bool Sincronizza_club(const Parametri_club& p, Indice_test& indice, QTextStream& errori) {
    Club club(p);
    const Esito_sincronia e = club.Sincronizza(indice);
    if (!e.errore.isEmpty()) errori << Nome_storico << ": Club: " << e.errore << '\n';
    errori << QCoreApplication::translate("Comando_storico", "Club: %1 test inviati").arg(e.inviati)
           << '\n';
    if (e.da_inviare > 0)
        errori << QCoreApplication::translate("Comando_storico", "Club: %1 test da inviare")
                      .arg(e.da_inviare)
               << '\n';
    errori.flush();
    return e.collegato;
}

// The readiness rows of one athlete's exercise, oldest first, within the dates asked; the
// flags in Italian in every language, as the header, for the programs that read the text.
int Scrivi_prontezza(const Opzioni_storico& o, const std::vector<Riga_test>& test,
                     const QString& cartella_atleta, QTextStream& uscita, QTextStream& errori) {
    const auto carico = Carico_riferimento(test, cartella_atleta, o.esercizio);
    if (!carico)
        return Fallisci(Nome_storico,
                        QCoreApplication::translate("Comando_storico",
                                                    "nessun test di \"%1\" per l'atleta \"%2\"")
                            .arg(o.esercizio.simplified(), o.atleta),
                        errori);
    const QLocale c = QLocale::c();
    static const char* const Esiti[] = {"nella norma", "sopra", "sotto", "n.d."};
    uscita << "Data;Carico;Velocita;Media;Variazione;Soglia;Esito\n";
    for (const Prontezza& p : Prontezze_esercizio(test, o.esercizio, *carico)) {
        if ((o.dal.isValid() && p.giorno < o.dal) || (o.al.isValid() && p.giorno > o.al)) continue;
        const bool base = int(p.precedenti.size()) >= Sedute_minime_prontezza;
        const auto Numero = [&c](bool scritto, double v) {
            return scritto ? Formatta(v, "0.00", c) : QString();
        };
        uscita << p.giorno.toString(QStringLiteral("yyyy-MM-dd")) << ';'
               << Formatta(p.carico, "0.0", c) << ';'
               << Numero(bool(p.velocita), p.velocita.value_or(0)) << ';' << Numero(base, p.media)
               << ';' << Numero(base && p.velocita, p.variazione) << ';' << Numero(base, p.soglia)
               << ';' << Esiti[int(p.esito)] << '\n';
    }
    uscita.flush();
    return 0;
}

} // namespace

QString Uso_storico() {
    return QCoreApplication::translate(
        "Comando_storico",
        "Uso: kinetrack-storico --data CARTELLA_DATI [--team SQUADRA] [--athlete ATLETA]\n"
        "                       [--exercise ESERCIZIO] [--from AAAA-MM-GG] [--to AAAA-MM-GG]\n"
        "                       [--pdf FILE | --readiness]\n"
        "                       [--club \"host=H port=P dbname=N user=U\"] [--station NOME]\n"
        "Il diario degli allenamenti: i test salvati nelle cartelle degli atleti, dal più\n"
        "recente, come testo separato da \";\" (punto decimale, una riga di intestazione):\n"
        "squadra, atleta, data, ora, esercizio, carico (kg), ripetizioni valide, velocità\n"
        "migliore (m/s), perdita di velocità dell'ultima ripetizione (%), RPE, nota.\n"
        "L'intestazione (Squadra;Atleta;Data;...) è la stessa in ogni lingua, come nei file,\n"
        "per i programmi che leggono il testo.\n"
        "L'indice dei test (ini/storico.sqlite) viene aggiornato dai file prima di leggere.\n"
        "  --data CARTELLA         la cartella dei dati (quella con ini/ e le squadre)\n"
        "  --team SQUADRA          solo gli atleti della squadra\n"
        "  --athlete ATLETA        solo l'atleta\n"
        "  --exercise ESERCIZIO    solo l'esercizio (maiuscole e spazi ai lati non contano)\n"
        "  --from AAAA-MM-GG       solo i test da questo giorno\n"
        "  --to AAAA-MM-GG         solo i test fino a questo giorno\n"
        "  --pdf FILE              il diario in un file PDF invece che come testo\n"
        "  --readiness             invece del diario, la prontezza di un atleta (--athlete) in\n"
        "                          un esercizio (--exercise): una riga per ogni prima serie di\n"
        "                          un giorno al carico di riferimento, dalla più vecchia (data,\n"
        "                          carico, velocità, media delle sedute prima, variazione,\n"
        "                          soglia in m/s; esito: sopra, nella norma, sotto o n.d.)\n"
        "  --write-example ATLETA  scrive prima quattro settimane di test d'esempio dell'atleta\n"
        "                          nella squadra di --team (senza: \"Esempio\")\n"
        "  --club PARAMETRI        prima invia al server PostgreSQL del club i test della\n"
        "                          cartella che non ha (un test una volta sola) e prende\n"
        "                          quelli delle altre stazioni: il diario li mostra tutti, con\n"
        "                          la stazione in un'ultima colonna (Stazione); la password\n"
        "                          viene dal file delle password di PostgreSQL (~/.pgpass).\n"
        "                          Con il club irraggiungibile il diario è quello che si ha e\n"
        "                          l'uscita è 1\n"
        "  --station NOME          il nome di questa stazione nel club (senza: quello delle\n"
        "                          impostazioni, altrimenti il nome del computer)\n"
        "      --version           la versione del programma\n"
        "  -h, --help              questo aiuto\n");
}

std::optional<QString> Leggi_opzioni_storico(const QStringList& argomenti, Opzioni_storico& o) {
    const auto Giorno = [](const QString& nome, QDate& giorno) {
        return [nome, &giorno](const QString& v) -> std::optional<QString> {
            const auto d = Data(v);
            if (!d)
                return QCoreApplication::translate("Comando_storico",
                                                   "data non valida per %1: \"%2\" (AAAA-MM-GG)")
                    .arg(nome, v);
            giorno = *d;
            return std::nullopt;
        };
    };
    Regole_riga regole;
    regole.file = QCoreApplication::translate("Strumento", "ingresso");
    regole.senza_file = true;
    regole.opzioni = {{QStringLiteral("--data"), Valore_testo(o.cartella_dati)},
                      {QStringLiteral("--team"), Valore_testo(o.squadra)},
                      {QStringLiteral("--athlete"), Valore_testo(o.atleta)},
                      {QStringLiteral("--exercise"), Valore_testo(o.esercizio)},
                      {QStringLiteral("--from"), Giorno(QStringLiteral("--from"), o.dal)},
                      {QStringLiteral("--to"), Giorno(QStringLiteral("--to"), o.al)},
                      {QStringLiteral("--pdf"),
                       [&o](const QString& v) -> std::optional<QString> {
                           if (v.isEmpty())
                               return QCoreApplication::translate("Comando_storico",
                                                                  "manca il file di --pdf");
                           o.pdf = v;
                           return std::nullopt;
                       }},
                      {QStringLiteral("--readiness"),
                       [&o](const QString&) -> std::optional<QString> {
                           o.prontezza = true;
                           return std::nullopt;
                       }},
                      {QStringLiteral("--club"), Valore_testo(o.club)},
                      {QStringLiteral("--station"), Valore_testo(o.stazione)},
                      Opzione_esempio(o.atleta_esempio)};
    regole.interruttori = {QStringLiteral("--readiness")};
    Riga_comando riga;
    const auto errore = Leggi_riga_strumento(argomenti, regole, riga);
    o.aiuto = riga.aiuto;
    if (errore || o.aiuto) return errore;
    if (o.cartella_dati.isEmpty())
        return QCoreApplication::translate("Strumento", "manca %1").arg(QStringLiteral("--data"));
    for (const QString* nome : {&o.squadra, &o.atleta, &o.atleta_esempio})
        if (nome->contains(QLatin1Char('/')) || *nome == QLatin1String("..") ||
            *nome == QLatin1String("."))
            return QCoreApplication::translate("Comando_storico", "nome non valido: \"%1\"")
                .arg(*nome);
    if (o.prontezza && (o.atleta.isEmpty() || o.esercizio.trimmed().isEmpty()))
        return QCoreApplication::translate("Comando_storico",
                                           "--readiness vuole --athlete e --exercise");
    if (o.prontezza && !o.pdf.isEmpty())
        return QCoreApplication::translate("Comando_storico",
                                           "--readiness e --pdf non vanno insieme");
    if (!o.club.isEmpty()) {
        QString motivo;
        if (!Parametri_da_testo(o.club, &motivo)) return QStringLiteral("--club: ") + motivo;
    }
    if (o.dal.isValid() && o.al.isValid() && o.al < o.dal)
        return QCoreApplication::translate("Comando_storico", "--to viene prima di --from");
    return std::nullopt;
}

int Esegui_storico(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_storico o;
    const auto errore_opzioni = Leggi_opzioni_storico(argomenti, o);
    if (auto esito =
            Esito_opzioni(Nome_storico, errore_opzioni, o.aiuto, Uso_storico(), uscita, errori))
        return *esito;
    if (!o.atleta_esempio.isEmpty()) {
        if (o.squadra.isEmpty()) o.squadra = Squadra_esempio;
        int scritti = 0;
        if (auto errore = Scrivi_storico_esempio(o.cartella_dati, o.squadra, o.atleta_esempio,
                                                 QDateTime::currentDateTime(), 1, &scritti))
            return Fallisci(Nome_storico, *errore, errori);
        errori << Nome_storico << ": "
               << QCoreApplication::translate("Comando_storico",
                                              "scritti %1 test d'esempio di %2 in %3")
                      .arg(scritti)
                      .arg(o.atleta_esempio, QDir::toNativeSeparators(o.cartella_dati) +
                                                 QLatin1Char('/') + o.squadra + QLatin1Char('/') +
                                                 o.atleta_esempio)
               << '\n';
        if (o.atleta.isEmpty()) o.atleta = o.atleta_esempio;
    }
    const QFileInfo dati(o.cartella_dati);
    if (!dati.isDir())
        return Fallisci(
            Nome_storico,
            QCoreApplication::translate("Comando_storico", "la cartella dei dati \"%1\" non esiste")
                .arg(QDir::toNativeSeparators(o.cartella_dati)),
            errori);
    Indice_test indice(o.cartella_dati);
    bool club_raggiunto = true;
    Parametri_club club;
    if (!o.club.isEmpty()) {
        club = Parametri_da_testo(o.club).value_or(Parametri_club{}); // checked with the options
        club.stazione = o.stazione;
        if (club.stazione.isEmpty()) {
            const auto salvati = Parametri_salvati();
            club.stazione = salvati ? salvati->stazione : Stazione_predefinita();
        }
        // The whole folder's tests go, whatever the log shows.
        const Esito_indice e = indice.Aggiorna();
        if (!e.avviso.isEmpty()) errori << Nome_storico << ": " << e.avviso << '\n';
        club_raggiunto = Sincronizza_club(club, indice, errori);
    }
    const QStringList cartelle = o.club.isEmpty() ? Cartelle_atleti(o) : Atleti_indice(o, indice);
    if (cartelle.isEmpty() && (!o.squadra.isEmpty() || !o.atleta.isEmpty()))
        return Fallisci(
            Nome_storico,
            o.atleta.isEmpty()
                ? QCoreApplication::translate("Comando_storico",
                                              "nessuna cartella di atleta per la squadra \"%1\"")
                      .arg(o.squadra)
                : QCoreApplication::translate("Comando_storico", "nessuna cartella di atleta per "
                                                                 "l'atleta \"%1\"")
                      .arg(o.atleta),
            errori);

    if (o.prontezza && cartelle.size() != 1)
        return Fallisci(Nome_storico,
                        QCoreApplication::translate("Comando_storico",
                                                    "l'atleta \"%1\" è in più squadre: scegline "
                                                    "una con --team")
                            .arg(o.atleta),
                        errori);

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
        if (o.club.isEmpty())
            esito = o.squadra.isEmpty() ? indice.Aggiorna() : indice.Aggiorna_squadra(o.squadra);
    }
    if (!esito.avviso.isEmpty()) errori << Nome_storico << ": " << esito.avviso << '\n';
    for (const QString& s : std::as_const(esito.scartati))
        errori << Nome_storico << ": "
               << QCoreApplication::translate("Strumento", "file scartato: %1").arg(s) << '\n';
    errori.flush();
    if (o.prontezza) {
        const QString& c = cartelle.front();
        const auto test =
            indice.Test_atleta(c.section(QLatin1Char('/'), 0, 0), c.section(QLatin1Char('/'), 1));
        return Scrivi_prontezza(o, test, QDir(o.cartella_dati).filePath(c), uscita, errori);
    }
    for (const QString& c : cartelle) {
        const auto test =
            indice.Test_atleta(c.section(QLatin1Char('/'), 0, 0), c.section(QLatin1Char('/'), 1));
        auto r = Righe_diario(test, filtro);
        righe.insert(righe.end(), std::make_move_iterator(r.begin()),
                     std::make_move_iterator(r.end()));
    }
    std::stable_sort(righe.begin(), righe.end(), [](const Riga_diario& a, const Riga_diario& b) {
        return Test_prima(b.test, a.test);
    });
    if (!o.pdf.isEmpty()) return Scrivi_pdf_storico(o.pdf, righe, errori);
    uscita << Testo_diario(righe, true, o.club.isEmpty() ? QString() : club.stazione);
    uscita.flush();
    return club_raggiunto ? 0 : 1;
}
