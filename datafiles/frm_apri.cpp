#include "datafiles/frm_apri.h"

#include "datafiles/apri_misura.h"
#include "datafiles/frm_progress.h"
#include "session/avvisi.h"
#include "session/sessione.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {
// One reading at a time: the windows stay alive while it runs.
bool In_corso = false;
} // namespace

void Apri_misura(QWidget* padre, Sessione& sessione, Motore_misura& motore, Avvisi& avvisi) {
    const QString nome = QFileDialog::getOpenFileName(padre, QStringLiteral("Apri"),
                                                      sessione.Dati_esercizio.Cartella_dati,
                                                      QStringLiteral("*.csv"));
    if (nome.isEmpty()) return;
    Apri_misura(padre, nome, sessione, motore, avvisi);
}

void Apri_misura(QWidget* padre, const QString& nome, Sessione& sessione, Motore_misura& motore,
                 Avvisi& avvisi) {
    if (In_corso) return;
    if (sessione.Acquisizione_in_corso) {
        avvisi.Mostra(QStringLiteral("Fermare l'acquisizione prima di aprire una misura."),
                      Avvisi::Icona::Avviso);
        return;
    }
    In_corso = true;
    Frm_progress progresso(padre);
    // Painting and timers go on between blocks; clicks wait for the end of the reading.
    const auto errore = Apri_file_misura(nome, sessione, motore, &progresso, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    In_corso = false;
    if (errore) avvisi.Mostra(*errore, Avvisi::Icona::Avviso);
}
