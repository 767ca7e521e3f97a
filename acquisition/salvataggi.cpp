// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/salvataggi.h"

#include "acquisition/sorveglianza_giornale.h"
#include "datafiles/frm_progress.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "datafiles/salva_serie.h"
#include "log/indice_sedute.h"
#include "platform/file_privati.h"
#include "session/avvisi.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSet>

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
                            Salvataggi::tr("Il file \"%1\" esiste già.\nSostituirlo? "
                                           "Quello che contiene ora andrà perso.")
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
      scelta_(Scegli_file_salvataggio), orologio_([] { return QDateTime::currentDateTime(); }),
      controllo_giornale_(new Sorveglianza_giornale(sessione, this)) {
    connect(controllo_giornale_, &Sorveglianza_giornale::Giornale_guasto, this,
            &Salvataggi::Segnala_giornale_guasto);
}

void Salvataggi::Imposta_giornale(Giornale_serie* giornale) {
    giornale_ = giornale;
    controllo_giornale_->Imposta_giornale(giornale);
}

QString Salvataggi::Secondi(double secondi) const {
    return locale_.toString(secondi, 'f', 1);
}

Salvataggi::Copertura Salvataggi::Copertura_giornale() const {
    if (giornale_ == nullptr || giornale_->File().isEmpty()) return Copertura::Nessuna;
    if (!controllo_giornale_->Guasto()) return Copertura::Intera;
    const std::int64_t nel_giornale = controllo_giornale_->Record_nel_giornale();
    if (nel_giornale <= 0) return Copertura::Nessuna;
    return controllo_giornale_->Secondi_nel_giornale() < controllo_giornale_->Secondi_ricevuti()
               ? Copertura::Parziale
               : Copertura::Intera;
}

void Salvataggi::Segnala_giornale_guasto() {
    const auto& motivo = controllo_giornale_->Guasto();
    if (giornale_ == nullptr || !motivo) return;
    const QString cartella = QDir::toNativeSeparators(giornale_->Cartella());
    QString testo =
        controllo_giornale_->Record_nel_giornale() > 0
            ? tr("Il giornale della serie in %1 non si può più scrivere: %2.\nContiene solo "
                 "i primi %3 s della serie; il resto è solo in memoria e un'interruzione del "
                 "programma lo perderebbe.")
                  .arg(cartella, *motivo, Secondi(controllo_giornale_->Secondi_nel_giornale()))
            : tr("Impossibile scrivere il giornale della serie in %1: %2.\nLa serie è solo in "
                 "memoria e un'interruzione del programma la perderebbe.")
                  .arg(cartella, *motivo);
    testo += QLatin1Char('\n');
    testo += tr("Alla fine della serie i dati registrati sono salvati come sempre; se il "
                "salvataggio non riesce, salvarli altrove con \"Salva file intero con "
                "nome...\" e \"Salva dati con nome...\".");
    // The set goes on: the athlete is not kept waiting for an OK.
    avvisi_.Mostra_senza_attesa(testo, Avvisi::Icona::Avviso);
}

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
        else
            Ricorda_file(QString(), file_analisi);
    }
    Indicizza(nome);
    return std::nullopt;
}

QString Salvataggi::Cartella_dialogo() const {
    const QString& cartella = s_.Serie.Dati_esercizio.Cartella_dati;
    return cartella.isEmpty() ? s_.Dati_esercizio.Cartella_dati : cartella;
}

bool Salvataggi::Salva_automatico() {
    if (Serie_vuota(s_, lista_)) {
        // Nothing to keep: the journal has nothing either.
        if (giornale_ != nullptr) giornale_->Serie_salvata();
        non_salvata_ = false;
        Q_EMIT Serie_senza_dati();
        return true;
    }
    // The athlete's folder removed during the set (or the whole data folder): made again;
    // when it cannot be, the save says why.
    const QString& cartella = s_.Serie.Dati_esercizio.Cartella_dati;
    if (!cartella.isEmpty() && !QFileInfo::exists(cartella)) (void)Crea_cartella_privata(cartella);
    Frm_progress progresso;
    const Esito_serie esito = Salva_serie(s_, lista_, analisi_, locale_, orologio_(), &progresso);
    // The status bar names the sample file and the summary; the rest goes beside them.
    for (const QString& nome : {esito.campioni, esito.ripetizioni})
        if (!nome.isEmpty()) Q_EMIT Salvato(nome);
    Ricorda_file(esito.record, esito.analisi);
    if (!esito.record.isEmpty()) Q_EMIT Serie_registrata();
    if (!esito.campioni.isEmpty() || !esito.ripetizioni.isEmpty())
        Indicizza(esito.campioni.isEmpty() ? esito.ripetizioni : esito.campioni);
    non_salvata_ = !esito.Riuscito();
    if (esito.Riuscito()) {
        if (giornale_ != nullptr) giornale_->Serie_salvata();
        return true;
    }
    const QString giornale =
        giornale_ != nullptr ? QDir::toNativeSeparators(giornale_->File()) : QString();
    QString testo = QDir::toNativeSeparators(esito.fallito) + QStringLiteral(": ") + *esito.errore;
    testo += QStringLiteral("\n\n");
    switch (Copertura_giornale()) {
    case Copertura::Intera:
        testo += tr("La serie resta in memoria e nel giornale %1: salvarla altrove con \"Salva "
                    "file intero con nome...\" e \"Salva dati con nome...\"; al prossimo avvio "
                    "il programma la salva da solo.")
                     .arg(giornale);
        break;
    case Copertura::Parziale:
        testo += tr("La serie resta in memoria: salvarla ora altrove con \"Salva file intero con "
                    "nome...\" e \"Salva dati con nome...\". Il giornale %1 ne contiene solo i "
                    "primi %2 s su %3: se il programma si chiude prima, al prossimo avvio sarà "
                    "recuperata solo quella parte.")
                     .arg(giornale, Secondi(controllo_giornale_->Secondi_nel_giornale()),
                          Secondi(controllo_giornale_->Secondi_ricevuti()));
        break;
    case Copertura::Nessuna:
        testo += tr("La serie resta in memoria, senza giornale: salvarla ora altrove con "
                    "\"Salva file intero con nome...\" e \"Salva dati con nome...\"; se il "
                    "programma si chiude prima, è persa.");
        break;
    }
    avvisi_.Mostra(testo, Avvisi::Icona::Critico);
    return false;
}

void Salvataggi::Ricorda_file(const QString& record, const QString& analisi) {
    if (!record.isEmpty() && !s_.Serie.File_record.contains(record)) s_.Serie.File_record << record;
    if (!analisi.isEmpty() && !s_.Serie.File_analisi.contains(analisi))
        s_.Serie.File_analisi << analisi;
}

bool Salvataggi::Aggiorna_file_serie() {
    const Record_test della_serie = Record_della_serie(s_, lista_);
    QStringList errori;
    for (const QString& nome : std::as_const(s_.Serie.File_record)) {
        // A reopened test holds no samples in memory unless recording was on: the counts
        // stay those of the file; only the coach's judgement changes.
        Record_test record;
        if (Leggi_record(nome, record)) {
            record = della_serie;
        } else {
            record.serie.Nota = s_.Serie.Nota;
            record.serie.Rpe = s_.Serie.Rpe;
            record.serie.Escluse = s_.Serie.Escluse;
        }
        if (auto errore = Scrivi_record(nome, record))
            errori << QDir::toNativeSeparators(nome) + QStringLiteral(": ") + *errore;
    }
    if (analisi_ != nullptr)
        for (const QString& nome : std::as_const(s_.Serie.File_analisi))
            if (auto errore = Salva_analisi(nome, *analisi_, locale_))
                errori << QDir::toNativeSeparators(nome) + QStringLiteral(": ") + *errore;
    // The changed record reaches the index at once (the club sends it as a new version):
    // one update per athlete folder, which reads only its changed files.
    QSet<QString> cartelle;
    for (const QString& nome : s_.Serie.File_record + s_.Serie.File_analisi)
        if (!cartelle.contains(QFileInfo(nome).absolutePath())) {
            cartelle.insert(QFileInfo(nome).absolutePath());
            Indicizza(nome);
        }
    if (errori.isEmpty()) return true;
    avvisi_.Mostra(errori.join(QLatin1Char('\n')), Avvisi::Icona::Critico);
    return false;
}

void Salvataggi::Scarta_serie() {
    if (giornale_ != nullptr) giornale_->Serie_salvata();
    non_salvata_ = false;
}

bool Salvataggi::Segnala_serie_non_salvata() {
    if (giornale_ == nullptr) return false;
    const bool non_salvata = std::exchange(non_salvata_, false);
    const Copertura copertura = Copertura_giornale();
    if (non_salvata && copertura == Copertura::Nessuna) {
        avvisi_.Mostra(tr("La serie precedente non è stata salvata e non ha un giornale: non "
                          "si potrà più recuperare."),
                       Avvisi::Icona::Critico);
        return true;
    }
    if (!giornale_->In_sospeso()) return false;
    if (non_salvata && copertura == Copertura::Parziale)
        avvisi_.Mostra(tr("La serie precedente non è stata salvata: il giornale %1 ne contiene "
                          "solo i primi %2 s su %3, che il programma salva da solo al prossimo "
                          "avvio; il resto è perso.")
                           .arg(QDir::toNativeSeparators(giornale_->File()),
                                Secondi(controllo_giornale_->Secondi_nel_giornale()),
                                Secondi(controllo_giornale_->Secondi_ricevuti())),
                       Avvisi::Icona::Critico);
    else
        avvisi_.Mostra(tr("La serie precedente non è stata salvata: resta nel giornale "
                          "%1 e il programma la salva da solo al prossimo avvio.")
                           .arg(QDir::toNativeSeparators(giornale_->File())),
                       Avvisi::Icona::Avviso);
    giornale_->Lascia();
    return true;
}

void Salvataggi::Salva_dati_con_nome(QWidget* padre) {
    const QDateTime adesso = orologio_();
    QString nome = scelta_(padre, {tr("Salva dati  con nome"), Cartella_dialogo(),
                                   Nome_file_ripetizioni(s_.Serie.Dati_esercizio.Esercizio, adesso),
                                   QStringLiteral("*.csv"), QStringLiteral("csv")});
    if (nome.isEmpty()) return;
    nome = Con_estensione_csv(nome);
    if (auto errore = Scrivi_ripetizioni(nome, adesso))
        avvisi_.Mostra(QStringLiteral("ERR 0182 : ") + *errore);
}

void Salvataggi::Salva_file_intero_con_nome(QWidget* padre) {
    const QDateTime adesso = orologio_();
    QString nome = scelta_(padre, {tr("Salva file intero con nome"), Cartella_dialogo(),
                                   Nome_file_campioni(adesso, locale_), QStringLiteral("*.csv"),
                                   QStringLiteral("csv")});
    if (nome.isEmpty()) return;
    nome = Con_estensione_csv(nome);
    if (!Scrivi_campioni(nome, adesso)) return;
    const QString record = Nome_file_record(nome);
    if (auto errore = Scrivi_record(record, Record_della_serie(s_, lista_))) {
        avvisi_.Mostra(QDir::toNativeSeparators(record) + QStringLiteral(": ") + *errore,
                       Avvisi::Icona::Critico);
        return;
    }
    Ricorda_file(record, QString());
    non_salvata_ = false;
    Indicizza(nome);
}

void Salvataggi::Indicizza(const QString& file) {
    if (s_.Cartella_applicazione.isEmpty()) return;
    // The files are the record and have been written: an index that cannot take the test
    // now reads it from them at the next view, so there is nothing to tell the operator.
    Indicizza_test(s_.Cartella_applicazione, file);
    Q_EMIT Test_indicizzato(file);
}
