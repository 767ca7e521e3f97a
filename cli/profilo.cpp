// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/profilo.h"

#include "cli/strumento.h"
#include "datafiles/scelte_analisi.h"
#include "log/esempio_profilo.h"
#include "session/formato.h"
#include "session/nomi_velocita.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cmath>

namespace {

const QString Nome_strumento = QStringLiteral("kinetrack-profilo");

QString Numero(double valore, int decimali) {
    return Formatta(valore, decimali, QLocale::c());
}

} // namespace

QString Uso_profilo() {
    return QCoreApplication::translate(
        "Comando_profilo",
        "Uso: kinetrack-profilo --folder CARTELLA_ATLETA --exercise NOME [--v1rm M_S]\n"
        "Profilo carico-velocità di un esercizio dai test salvati nella cartella dell'atleta\n"
        "(per ogni test con il file di analisi il carico e la migliore velocità media\n"
        "propulsiva, MPV, come nel diario) e massimale stimato: il carico a cui la retta dei\n"
        "minimi quadrati scende a V1rm, con il suo errore standard, i carichi diversi e gli\n"
        "avvisi sulla stima (meno di 3 carichi, R2 sotto 0.90, carichi su meno del 20 %\n"
        "dell'e1RM).\n"
        "  --folder CARTELLA       cartella dell'atleta con i file delle ripetizioni\n"
        "  --exercise NOME         esercizio (maiuscole e spazi ai lati non contano)\n"
        "  --v1rm M_S              velocità media propulsiva al massimale, da 0.01 a 5 m/s\n"
        "                          (senza: quella scelta per l'atleta e l'esercizio o, se\n"
        "                          non scelta, la sua MVT dai test ad almeno il 90 %\n"
        "                          dell'e1RM, altrimenti quella dell'esercizio)\n"
        "  --write-example ATLETA  scrive prima nella cartella quattro test d'esempio\n"
        "                          dell'esercizio, a 60, 80, 100 e 120 kg\n"
        "      --version           la versione del programma\n"
        "  -h, --help              questo aiuto\n");
}

std::optional<QString> Leggi_opzioni_profilo(const QStringList& argomenti, Opzioni_profilo& o) {
    Regole_riga regole;
    regole.file = QCoreApplication::translate("Strumento", "ingresso");
    regole.senza_file = true;
    regole.opzioni = {{QStringLiteral("--folder"), Valore_testo(o.cartella)},
                      {QStringLiteral("--exercise"), Valore_testo(o.esercizio)},
                      {QStringLiteral("--v1rm"),
                       [&o](const QString& v) -> std::optional<QString> {
                           double v1rm = 0;
                           if (!Numero_opzione(v, 0.01, 5, v1rm))
                               return QCoreApplication::translate(
                                          "Comando_profilo",
                                          "valore non valido per --v1rm: \"%1\" (da "
                                          "0.01 a 5)")
                                   .arg(v);
                           o.v1rm = v1rm;
                           return std::nullopt;
                       }},
                      Opzione_esempio(o.atleta_esempio)};
    Riga_comando riga;
    const auto errore = Leggi_riga_strumento(argomenti, regole, riga);
    o.aiuto = riga.aiuto;
    if (errore || o.aiuto) return errore;
    if (o.cartella.isEmpty())
        return QCoreApplication::translate("Strumento", "manca %1").arg(QStringLiteral("--folder"));
    if (o.esercizio.trimmed().isEmpty())
        return QCoreApplication::translate("Strumento", "manca %1")
            .arg(QStringLiteral("--exercise"));
    return std::nullopt;
}

void Stampa_profilo(const Profilo_velocita& profilo, QTextStream& uscita) {
    uscita << QCoreApplication::translate("Comando_profilo", "Esercizio: %1").arg(profilo.esercizio)
           << '\n';
    uscita << QCoreApplication::translate("Comando_profilo", "Punti: %1 (carico kg, %2, file)")
                  .arg(QString::number(profilo.punti.size()),
                       Nome_grandezza_velocita(Grandezza_velocita::Propulsiva, true))
           << '\n';
    for (const Test_salvato& p : profilo.punti)
        uscita << "  " << Numero(p.carico, 1) << '\t' << Numero(p.velocita, 3) << '\t'
               << QFileInfo(p.file).fileName() << '\n';
    if (profilo.retta) {
        const Retta_profilo& r = *profilo.retta;
        uscita << QCoreApplication::translate("Comando_profilo", "Intercetta: %1 m/s")
                      .arg(Numero(r.intercetta, 4))
               << '\n'
               << QCoreApplication::translate("Comando_profilo", "Pendenza: %1 m/s per kg")
                      .arg(Numero(r.pendenza, 6))
               << '\n'
               << "R2: " << Numero(r.r2, 4) << '\n';
    }
    uscita << "V1rm: " << Numero(profilo.v1rm, 2) << " m/s";
    if (profilo.mvt)
        uscita << ' '
               << QCoreApplication::translate("Comando_profilo", "(MVT dell'atleta: %1 kg, %2)")
                      .arg(Numero(profilo.mvt->carico, 1), QFileInfo(profilo.mvt->file).fileName());
    uscita << '\n';
    if (profilo.e1rm) {
        uscita << "e1RM: " << Testo_e1rm(*profilo.e1rm, profilo.errore_e1rm, QLocale::c()) << '\n'
               << QCoreApplication::translate("Comando_profilo",
                                              "Carichi diversi: %1, da %2 a %3 kg (%4 kg)")
                      .arg(QString::number(profilo.carichi_distinti),
                           Numero(profilo.punti.front().carico, 1),
                           Numero(profilo.punti.back().carico, 1),
                           Numero(profilo.ampiezza_carichi, 1))
               << '\n';
        for (const QString& avviso : profilo.avvisi)
            uscita << QCoreApplication::translate("Comando_profilo", "Attenzione: %1").arg(avviso)
                   << '\n';
    }
    uscita.flush();
}

int Esegui_profilo(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_profilo o;
    const auto errore_opzioni = Leggi_opzioni_profilo(argomenti, o);
    if (auto esito =
            Esito_opzioni(Nome_strumento, errore_opzioni, o.aiuto, Uso_profilo(), uscita, errori))
        return *esito;
    if (!o.atleta_esempio.isEmpty())
        if (auto errore = Scrivi_profilo_esempio(o.cartella, o.atleta_esempio, o.esercizio,
                                                 QLocale::system(), QDateTime::currentDateTime()))
            return Fallisci(Nome_strumento, *errore, errori);
    const Test_atleta test = Leggi_test_atleta(o.cartella);
    if (!test.errore.isEmpty()) return Fallisci(Nome_strumento, test.errore, errori);
    // The choices are kept under the exercise's name as the tests spell it.
    QString esercizio = o.esercizio.simplified();
    for (const QString& e : Esercizi_test(test))
        if (Stesso_esercizio(e, esercizio)) esercizio = e;
    // A V1rm given or chosen for the athlete stands; the exercise's default gives way to the
    // athlete's own minimum velocity threshold when the tests have one.
    const Scelte_esercizio scelte = Leggi_scelte_analisi(o.cartella, esercizio);
    const double v1rm = o.v1rm ? *o.v1rm : static_cast<double>(scelte.V1rm);
    Profilo_velocita profilo = Profilo_esercizio(test, esercizio, v1rm, QLocale::c());
    Stima_e1rm_scelta(profilo, v1rm, o.v1rm || scelte.V1rm_propria, QLocale::c());
    for (const QString& scartato : profilo.scartati)
        errori << Nome_strumento << ": "
               << QCoreApplication::translate("Strumento", "file scartato: %1").arg(scartato)
               << '\n';
    errori.flush();
    Stampa_profilo(profilo, uscita);
    if (!profilo.e1rm) return Fallisci(Nome_strumento, profilo.rifiuto, errori);
    return 0;
}
