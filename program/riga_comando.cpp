// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/riga_comando.h"

#include "cli/strumento.h"
#include "platform/lingua.h"
#include "session/titolo.h"

#include <QCoreApplication>

namespace {

// Options the application object takes for itself, with and without a value.
const QStringList Qt_con_valore{
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
    QStringLiteral("session"),       QStringLiteral("display"),
    QStringLiteral("geometry"),      QStringLiteral("style"),
    QStringLiteral("stylesheet"),    QStringLiteral("name"),
    QStringLiteral("title")};
const QStringList Qt_senza_valore{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                  QStringLiteral("nograb"), QStringLiteral("dograb"),
                                  QStringLiteral("sync")};

} // namespace

QString Uso_programma() {
    return QCoreApplication::translate(
        "Opzioni_programma",
        "Uso: kinetrack [--diagnostica] [--lang it|en] [--cue-log FILE]\n"
        "Allenamento basato sulla velocità con la scheda di misura sul bilanciere.\n"
        "  --diagnostica           mostra i pulsanti di prova nella finestra della scheda USB\n"
        "  --lang it|en            la lingua dell'interfaccia per questa volta (altrimenti\n"
        "                          quella scelta in \"?\" > \"Lingua\", all'inizio l'italiano)\n"
        "  --cue-log FILE          aggiunge a FILE una riga per ogni segnale acustico (ora,\n"
        "                          tipo, ripetizione, parole, ritardo dalla fine dell'alzata)\n"
        "  -v, --version           la versione del programma\n"
        "  -h, --help              questo aiuto\n"
        "Valgono anche le opzioni di Qt per le finestre (-platform, -style, -reverse...).\n");
}

std::optional<int> Leggi_riga_comando(const QStringList& argomenti, Opzioni_riga& opzioni,
                                      QTextStream& uscita, QTextStream& errori) {
    const QString nome = QStringLiteral("kinetrack");
    std::optional<QString> errore;
    bool aiuto = false;
    for (qsizetype i = 0; i < argomenti.size() && !errore && !aiuto; ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-?")) {
            aiuto = true;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            uscita << Testo_versione(nome);
            uscita.flush();
            return 0;
        } else if (a == QLatin1String("--diagnostica")) {
            opzioni.diagnostica = true;
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang=")) ||
                   a == QLatin1String("--cue-log") || a.startsWith(QLatin1String("--cue-log="))) {
            const bool con_uguale = a.contains(QLatin1Char('='));
            if (!con_uguale && ++i >= argomenti.size()) {
                errore = QCoreApplication::translate("Opzioni_programma", "manca il valore di %1")
                             .arg(a);
                continue;
            }
            const QString codice = con_uguale ? a.section(QLatin1Char('='), 1) : argomenti[i];
            if (a.startsWith(QLatin1String("--cue-log"))) {
                opzioni.registro_segnali = codice;
            } else if (Lingue_interfaccia().contains(codice)) {
                opzioni.lingua = codice;
                Applica_lingua(codice);
            } else {
                errore = Messaggio_lingua_sconosciuta(codice);
            }
        } else if (!a.startsWith(QLatin1Char('-'))) {
            errore = QCoreApplication::translate("Opzioni_programma", "argomento inatteso: \"%1\"")
                         .arg(a);
        } else {
            // Qt reads "-style x", "--style x" and "-style=x" alike.
            QString qt = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool con_uguale = qt.contains(QLatin1Char('='));
            qt = qt.section(QLatin1Char('='), 0, 0);
            if (Qt_senza_valore.contains(qt) && !con_uguale) continue;
            if (!Qt_con_valore.contains(qt))
                errore =
                    QCoreApplication::translate("Opzioni_programma", "opzione sconosciuta: \"%1\"")
                        .arg(a);
            else if (!con_uguale && ++i >= argomenti.size())
                errore = QCoreApplication::translate("Opzioni_programma", "manca il valore di %1")
                             .arg(a);
        }
    }
    return Esito_opzioni(nome, errore, aiuto, Uso_programma(), uscita, errori);
}
