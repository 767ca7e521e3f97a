// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_storico.h"

#include "cli/storico.h"
#include "cli/strumento.h"
#include "log/rapporto_pdf.h"
#include "platform/lingua.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstring>

namespace {
// The report is for the reader of the chosen language: its dates and numbers as there.
QLocale Locale_rapporto() {
    return QLocale(Lingua_in_uso() == QLatin1String("en") ? QLocale::English : QLocale::Italian);
}

} // namespace

int Scrivi_pdf_storico(const QString& file, const std::vector<Riga_diario>& righe,
                       QTextStream& errori) {
    if (righe.empty())
        return Fallisci(
            Nome_storico,
            QCoreApplication::translate("Comando_storico", "nessun test da mettere nel PDF"),
            errori);
    Richiesta_rapporto richiesta;
    richiesta.squadra = righe.front().test.squadra;
    richiesta.atleta = righe.front().test.atleta;
    for (const Riga_diario& r : righe) {
        if (r.test.squadra != richiesta.squadra || r.test.atleta != richiesta.atleta)
            return Fallisci(Nome_storico,
                            QCoreApplication::translate("Comando_storico",
                                                        "il PDF è di un atleta solo: scegliere "
                                                        "con --team e --athlete"),
                            errori, 2);
        richiesta.test.push_back(r.test);
    }
    // The whole history, for the readiness of the days reported: the index is up to date.
    // Only this station's tests name their folder (another station's have their files there).
    QString cartella_atleta;
    for (const Riga_diario& r : righe)
        if (cartella_atleta.isEmpty()) cartella_atleta = r.test.Cartella();
    if (cartella_atleta.isEmpty()) {
        richiesta.storia = richiesta.test;
    } else {
        Indice_test indice(QFileInfo(QFileInfo(cartella_atleta).absolutePath()).absolutePath());
        richiesta.storia = indice.Test_atleta(richiesta.squadra, richiesta.atleta);
    }
    Esito_rapporto esito;
    if (auto errore = Scrivi_rapporto_pdf(file, richiesta, Locale_rapporto(), &esito))
        return Fallisci(Nome_storico, *errore, errori);
    errori << Nome_storico << ": "
           << (esito.pagine == 1 ? QCoreApplication::translate("Comando_storico",
                                                               "scritto %1 (%2 test, 1 pagina)")
                                       .arg(QDir::toNativeSeparators(file))
                                       .arg(esito.test)
                                 : QCoreApplication::translate("Comando_storico",
                                                               "scritto %1 (%2 test, %3 pagine)")
                                       .arg(QDir::toNativeSeparators(file))
                                       .arg(esito.test)
                                       .arg(esito.pagine))
           << '\n';
    errori.flush();
    return 0;
}

int Avvia_storico(int argc, char** argv) {
    bool pdf = false;
    for (int i = 1; i < argc; ++i) pdf = pdf || std::strcmp(argv[i], "--pdf") == 0;
    if (!pdf) return Avvia_strumento(argc, argv, Nome_storico, Esegui_storico);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.removeFirst();
    if (auto esito = Esito_versione(Nome_storico, argomenti, uscita)) return *esito;
    if (const auto errore = Applica_lingua_riga(argomenti))
        return Fallisci(Nome_storico, *errore, errori, 2);
    return Esegui_storico(argomenti, uscita, errori);
}
