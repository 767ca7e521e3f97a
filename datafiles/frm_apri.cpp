// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/frm_apri.h"

#include "datafiles/apri_misura.h"
#include "datafiles/frm_progress.h"
#include "datafiles/nomi_file.h"
#include "session/avvisi.h"
#include "session/sessione.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTreeView>

namespace {

// One reading at a time: the windows stay alive while it runs.
bool In_corso = false;

// Hides the files whose names say they are summaries or analyses; folders stay.
class Filtro_campioni : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int riga, const QModelIndex& padre) const override {
        const auto* modello = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex indice = sourceModel()->index(riga, 0, padre);
        if (modello == nullptr || modello->isDir(indice)) return true;
        return Nome_di_file_campioni(modello->fileName(indice));
    }
    // Folders first, then the files by the time of their test: the time a sample file's
    // name tells, else the file's own.
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        const auto* modello = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (modello == nullptr || a.column() != 0 || b.column() != 0)
            return QSortFilterProxyModel::lessThan(a, b);
        const bool cartella_a = modello->isDir(a), cartella_b = modello->isDir(b);
        if (cartella_a != cartella_b) return cartella_a;
        const QString nome_a = modello->fileName(a), nome_b = modello->fileName(b);
        const auto Ora = [&](const QModelIndex& i, const QString& nome) {
            const QDateTime ora = Ora_nome_file_campioni(nome, QLocale());
            return ora.isValid() || cartella_a ? ora : modello->lastModified(i);
        };
        return Prima_nel_tempo(Ora(a, nome_a), nome_a, Ora(b, nome_b), nome_b);
    }
};

} // namespace

std::unique_ptr<QFileDialog> Dialogo_apri(QWidget* padre, const QString& cartella) {
    auto dialogo = std::make_unique<QFileDialog>(
        padre, QCoreApplication::translate("Frm_apri", "Apri"), cartella,
        QCoreApplication::translate("Frm_apri", "File di campioni (*.csv)"));
    // The system's dialog takes no filter of its own.
    dialogo->setOption(QFileDialog::DontUseNativeDialog);
    dialogo->setAcceptMode(QFileDialog::AcceptOpen);
    dialogo->setFileMode(QFileDialog::ExistingFile);
    dialogo->setProxyModel(new Filtro_campioni(dialogo.get()));
    // Names, sizes and times whole: the details, each column as wide as what it holds, in
    // a window as wide as the screen allows.
    dialogo->setViewMode(QFileDialog::Detail);
    if (auto* vista = dialogo->findChild<QTreeView*>(QStringLiteral("treeView")))
        vista->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (const QScreen* schermo =
            padre != nullptr ? padre->screen() : QGuiApplication::primaryScreen())
        dialogo->resize(QSize(860, 480).boundedTo(schermo->availableGeometry().size() * 9 / 10));
    return dialogo;
}

void Apri_misura(QWidget* padre, Sessione& sessione, Motore_misura& motore, Avvisi& avvisi) {
    const auto dialogo = Dialogo_apri(padre, sessione.Dati_esercizio.Cartella_dati);
    if (dialogo->exec() != QDialog::Accepted || dialogo->selectedFiles().isEmpty()) return;
    Apri_misura(padre, dialogo->selectedFiles().constFirst(), sessione, motore, avvisi);
}

void Apri_misura(QWidget* padre, const QString& nome, Sessione& sessione, Motore_misura& motore,
                 Avvisi& avvisi) {
    if (In_corso) return;
    if (sessione.Acquisizione_in_corso) {
        avvisi.Mostra(QCoreApplication::translate(
                          "Frm_apri", "Fermare l'acquisizione prima di aprire una misura."),
                      Avvisi::Icona::Avviso);
        return;
    }
    QString da_aprire = nome;
    if (const auto altro = Riconosci_file_non_campioni(nome)) {
        avvisi.Mostra(altro->messaggio,
                      altro->campioni.isEmpty() ? Avvisi::Icona::Avviso : Avvisi::Icona::Nessuna);
        if (altro->campioni.isEmpty()) return;
        da_aprire = altro->campioni;
    }
    In_corso = true;
    Frm_progress progresso(padre);
    // Painting and timers go on between blocks; clicks wait for the end of the reading.
    QString avviso;
    const auto errore = Apri_file_misura(
        da_aprire, sessione, motore, &progresso,
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }, &avviso);
    In_corso = false;
    if (!avviso.isEmpty()) avvisi.Mostra(avviso, Avvisi::Icona::Avviso);
    if (errore) avvisi.Mostra(*errore, Avvisi::Icona::Avviso);
}
