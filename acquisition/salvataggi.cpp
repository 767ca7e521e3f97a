#include "acquisition/salvataggi.h"

#include "datafiles/frm_progress.h"
#include "datafiles/nomi_file.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "session/avvisi.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString Scegli_file_salvataggio(QWidget* padre, const Richiesta_file& richiesta) {
    QFileDialog dialogo(padre, richiesta.titolo, richiesta.cartella, richiesta.filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // The question is asked here rather than by the dialog: the dialog adds its extension
    // only to a name without a dot, so the name written ("Squat_261208_17.02.10.csv") may
    // not be the one it would ask about.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    dialogo.setDefaultSuffix(richiesta.estensione);
    dialogo.selectFile(richiesta.nome_proposto);
    const QString estensione = QLatin1Char('.') + richiesta.estensione;
    while (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()) {
        QString scelto = dialogo.selectedFiles().constFirst();
        if (!richiesta.estensione.isEmpty() && !scelto.endsWith(estensione, Qt::CaseInsensitive))
            scelto += estensione;
        if (!QFileInfo::exists(scelto)) return scelto;
        QMessageBox domanda(QMessageBox::Question, QStringLiteral("kinetrack"),
                            QStringLiteral("Il file \"%1\" esiste già.\nSostituirlo? Quello "
                                           "che contiene ora andrà perso.")
                                .arg(QDir::toNativeSeparators(scelto)),
                            QMessageBox::Yes | QMessageBox::No, padre);
        domanda.setDefaultButton(QMessageBox::No);
        if (domanda.exec() == QMessageBox::Yes) return scelto;
        // No: the dialog again, on the same name, for another one.
        dialogo.selectFile(QFileInfo(scelto).fileName());
    }
    return {};
}

Salvataggi::Salvataggi(Sessione& sessione, const Lista_valori& lista, Avvisi& avvisi,
                       const QLocale& locale, QObject* parent)
    : QObject(parent), s_(sessione), lista_(lista), avvisi_(avvisi), locale_(locale),
      scelta_(Scegli_file_salvataggio), orologio_([] { return QDateTime::currentDateTime(); }) {}

bool Salvataggi::Scrivi_campioni(QString& nome, const QDateTime& adesso) {
    if (auto errore = Salva_campioni(nome, s_, locale_, adesso)) {
        avvisi_.Mostra(QDir::toNativeSeparators(nome) + QStringLiteral(": ") + *errore,
                       Avvisi::Icona::Critico);
        return false;
    }
    Q_EMIT Salvato(nome);
    return true;
}

std::optional<QString> Salvataggi::Scrivi_ripetizioni(QString& nome, const QDateTime& adesso) {
    Frm_progress progresso;
    auto errore = Salva_ripetizioni(nome, lista_, s_.Serie.Dati_esercizio, locale_, adesso,
                                    &progresso, s_.Cartella_applicazione);
    if (errore) return errore;
    Q_EMIT Salvato(nome);
    // The analysis beside it; the summary is written whatever happens to this one.
    if (analisi_ != nullptr) {
        const QString file_analisi = Nome_file_analisi(nome);
        if (auto errore_analisi = Salva_analisi(file_analisi, *analisi_, locale_))
            avvisi_.Mostra(QDir::toNativeSeparators(file_analisi) + QStringLiteral(": ") +
                               *errore_analisi,
                           Avvisi::Icona::Critico);
    }
    return std::nullopt;
}

bool Salvataggi::Serie_vuota() const {
    // The sample file leaves out the first and the last record.
    return s_.Campioni.size() <= 2 && lista_.Righe() == 0;
}

QString Salvataggi::Cartella_dialogo() const {
    const QString& cartella = s_.Serie.Dati_esercizio.Cartella_dati;
    return cartella.isEmpty() ? s_.Dati_esercizio.Cartella_dati : cartella;
}

bool Salvataggi::Salva_automatico() {
    if (Serie_vuota()) {
        Q_EMIT Serie_senza_dati();
        return true;
    }
    const QDateTime adesso = orologio_();
    QString campioni;
    const bool primo = Scrivi_campioni(campioni, adesso);
    QString ripetizioni;
    if (auto errore = Scrivi_ripetizioni(ripetizioni, adesso)) {
        avvisi_.Mostra(QDir::toNativeSeparators(ripetizioni) + QStringLiteral(": ") + *errore,
                       Avvisi::Icona::Critico);
        return false;
    }
    return primo;
}

void Salvataggi::Salva_dati_con_nome(QWidget* padre) {
    const QDateTime adesso = orologio_();
    QString nome = scelta_(padre, {QStringLiteral("Salva dati  con nome"), Cartella_dialogo(),
                                   Nome_file_ripetizioni(s_.Serie.Dati_esercizio.Esercizio, adesso),
                                   QStringLiteral("*.csv"), QStringLiteral("csv")});
    if (nome.isEmpty()) return;
    nome = Con_estensione_csv(nome);
    if (auto errore = Scrivi_ripetizioni(nome, adesso))
        avvisi_.Mostra(QStringLiteral("ERR 0182 : ") + *errore);
}

void Salvataggi::Salva_file_intero_con_nome(QWidget* padre) {
    const QDateTime adesso = orologio_();
    QString nome = scelta_(padre, {QStringLiteral("Salva file intero con nome"), Cartella_dialogo(),
                                   Nome_file_campioni(adesso, locale_), QStringLiteral("*.csv"),
                                   QStringLiteral("csv")});
    if (nome.isEmpty()) return;
    nome = Con_estensione_csv(nome);
    Scrivi_campioni(nome, adesso);
}
