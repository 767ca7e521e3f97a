// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/frm_main.h"

#include "acquisition/frm_cmd.h"
#include "acquisition/riga_valutazione.h"
#include "acquisition/salvataggi.h"
#include "acquisition/sorveglianza_flusso.h"
#include "acquisition/sorveglianza_giornale.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_atleta.h"
#include "analysis/frm_grafici.h"
#include "club/frm_club.h"
#include "club/lavoratore_club.h"
#include "club/parametri_club.h"
#include "log/frm_profilo.h"
#include "log/frm_squadra.h"
#include "log/frm_storico.h"
#include "log/indice_sedute.h"
#include "log/testi_storico.h"
#include "platform/etichetta_accorciata.h"
#include "platform/impostazioni_utente.h"
#include "platform/lingua.h"
#include "platform/moduli.h"
#include "platform/suono_qt.h"
#include "session/sessione.h"
#include "session/titolo.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/motore_misura.h"
#include "stream/segnali_acustici.h"
#include "tools/frm_crono.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
const char* const Testo_lingua_al_riavvio =
    QT_TRANSLATE_NOOP("Frm_main", "La lingua sarà applicata al prossimo avvio.");

// A line of the status bar on a warning ground when `allarme`, hidden when empty.
void Mostra_riga(QLabel* riga, const QString& testo, bool allarme) {
    QPalette p = riga->parentWidget()->palette();
    if (allarme) {
        p.setColor(QPalette::Window, QColor(255, 140, 0));
        p.setColor(QPalette::WindowText, Qt::black);
    }
    riga->setPalette(p);
    QFont f = riga->parentWidget()->font();
    f.setBold(allarme);
    riga->setFont(f);
    riga->setText(testo);
    riga->setToolTip(testo);
    riga->setVisible(!testo.isEmpty());
}
} // namespace

Frm_main::~Frm_main() {
    Ferma_club();
}

Frm_main::Frm_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Frm_main"));
    setWindowTitle(QStringLiteral("Kinetrack"));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Area_lavoro"));
    setCentralWidget(area);
    area->installEventFilter(this);
    // Two texts that never run into each other: the last file saved takes the room the data
    // folder leaves (at most 460 pixels), each shortened in its middle when it does not fit,
    // the whole of it in its tooltip; long paths never widen the window.
    Lbl_salvato = new Etichetta_accorciata(this);
    Lbl_salvato->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(Lbl_salvato, 1);
    Lbl_cartella = new Etichetta_accorciata(this);
    Lbl_cartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Lbl_cartella->setMaximumWidth(460);
    Lbl_cartella->setContentsMargins(12, 0, 0, 0); // a gap after the file's name
    Lbl_salvato->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Below this the graphs' captions and the panel's buttons no longer fit: it is what
    // a 1024 x 600 laptop screen leaves inside a window frame.
    setMinimumSize(960, 520);
    // The rest between sets, read from across the room: bold, beside the data folder.
    Lbl_recupero = new QLabel(this);
    Lbl_recupero->setObjectName(QStringLiteral("Lbl_recupero"));
    Lbl_recupero->setAccessibleName(tr("Recupero"));
    QFont grassetto = Lbl_recupero->font();
    grassetto.setBold(true);
    Lbl_recupero->setFont(grassetto);
    Lbl_recupero->hide();
    statusBar()->addPermanentWidget(Lbl_recupero);
    Lbl_club = new Etichetta_accorciata(this);
    Lbl_club->setObjectName(QStringLiteral("Lbl_club"));
    Lbl_club->setAccessibleName(tr("Club"));
    Lbl_club->setAutoFillBackground(true);
    Lbl_club->setContentsMargins(6, 0, 6, 0);
    Lbl_club->setMaximumWidth(420);
    Lbl_club->hide();
    statusBar()->addPermanentWidget(Lbl_club);
    statusBar()->addPermanentWidget(Lbl_cartella);
    // What is wrong with the board's stream, and with the set's journal, on a warning
    // ground beside the file saved; hidden while all is well.
    const auto Riga_avviso = [this](const char* nome) {
        auto* riga = new Etichetta_accorciata(this);
        riga->setObjectName(QLatin1String(nome));
        riga->setAutoFillBackground(true);
        riga->setContentsMargins(6, 0, 6, 0);
        riga->hide();
        statusBar()->addWidget(riga);
        return riga;
    };
    Lbl_flusso = Riga_avviso("Lbl_flusso");
    Lbl_giornale = Riga_avviso("Lbl_giornale");
    Lbl_prontezza = new Etichetta_accorciata(this);
    Lbl_prontezza->setObjectName(QStringLiteral("Lbl_prontezza"));
    Lbl_prontezza->setAccessibleName(tr("Prontezza"));
    Lbl_prontezza->setContentsMargins(12, 0, 0, 0);
    Lbl_prontezza->hide();
    statusBar()->addWidget(Lbl_prontezza, 1);
    Lbl_suono = Riga_avviso("Lbl_suono");
    // Nearly the whole screen, leaving room for the window frame; the start-up then
    // maximizes it where the window manager can.
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect area_schermo = schermo->availableGeometry();
        resize(area_schermo.width() * 24 / 25, area_schermo.height() * 9 / 10);
        move(area_schermo.topLeft());
    } else {
        resize(1024, 700);
    }
}

void Frm_main::Apri_finestre(Sessione& sessione, const QLocale& locale, Protocollo& protocollo,
                             Motore_misura& motore, Avvisi& avvisi) {
    if (Intestazione != nullptr) return;
    s_ = &sessione;
    avvisi_ = &avvisi;
    motore_ = &motore;
    Inoltro_analisi = std::make_unique<Inoltro_frm_analisi>(Analisi, motore.Analisi());
    locale_ = locale;
    QWidget* area = centralWidget();
    Intestazione = new Frm_intestazione(area);
    connect(Intestazione, &Frm_intestazione::Configura_richiesta, this,
            &Frm_main::Mostra_configurazione);
    Grafici = new Frm_grafici(sessione, locale, area);
    Salvataggi_test = new Salvataggi(sessione, motore.Lst_valori(), avvisi, locale, this);
    Salvataggi_test->Imposta_analisi(motore.Analisi());
    // The file's name, whole beside the readiness and the coach's row (its folder is at the
    // right); the whole path in the tooltip.
    connect(Salvataggi_test, &Salvataggi::Salvato, this, [this](const QString& nome) {
        Lbl_salvato->setText(tr("Salvato: %1").arg(QFileInfo(nome).fileName()));
        Lbl_salvato->setToolTip(tr("Salvato: %1").arg(QDir::toNativeSeparators(nome)));
    });
    connect(Salvataggi_test, &Salvataggi::Serie_senza_dati, this, [this] {
        Lbl_salvato->setText(tr("La serie non ha registrato dati: nessun file salvato."));
    });
    connect(Salvataggi_test, &Salvataggi::Test_indicizzato, this, &Frm_main::Mostra_prontezza);
    // After the journal, which the program gave the engine first.
    Sorveglianza_giornale& giornale = Salvataggi_test->Controllo_giornale();
    motore.Aggiungi_vista(giornale);
    connect(&giornale, &Sorveglianza_giornale::Testo_cambiato, this, [this, &giornale] {
        const QString testo = giornale.Testo(locale_);
        Mostra_riga(Lbl_giornale, testo, !testo.isEmpty());
    });
    Sorveglianza = new Sorveglianza_flusso(this);
    motore.Aggiungi_vista(*Sorveglianza);
    connect(Sorveglianza, &Sorveglianza_flusso::Avviso_cambiato, this, &Frm_main::Mostra_flusso);
    Valutazione = new Riga_valutazione(sessione, *Salvataggi_test, locale, this);
    statusBar()->addWidget(Valutazione);
    motore.Aggiungi_vista(*Valutazione);
    Vista_atleta = new Frm_atleta(sessione, locale, this);
    Vista_atleta->Imposta_analisi(&motore.Analisi());
    motore.Aggiungi_vista(*Vista_atleta);
    if (uscita_suono_ == nullptr) {
        suono_proprio_ = std::make_unique<Suono_qt>();
        uscita_suono_ = suono_proprio_.get();
    }
    Segnali = std::make_unique<Segnali_acustici>(sessione.Serie, *uscita_suono_, &sessione.Scheda);
    Segnali->Imposta_avviso([this](const QString& testo) { Mostra_riga(Lbl_suono, testo, false); });
    Segnali->Imposta_ascolto([this](const Segnale_dato& dato) { Scrivi_segnale(dato); });
    motore.Aggiungi_vista(*Segnali);
    connect(Grafici, &Frm_grafici::Esclusione_richiesta, this, &Frm_main::Imposta_esclusa);
    Comandi = new Frm_cmd(sessione, protocollo, motore, *Grafici, *Salvataggi_test, avvisi, area);
    connect(Comandi, &Frm_cmd::Serie_in_uscita, Valutazione, &Riga_valutazione::Scrivi_in_sospeso);
    connect(Comandi, &Frm_cmd::Cronometro_richiesto, this, &Frm_main::Mostra_cronometro);
    connect(Comandi, &Frm_cmd::Vista_cambiata, this, &Frm_main::Aggiorna_spunte);
    // The hands-free sets: what became of the last one where the file saved is told, the
    // rest since it ended here and on the athlete's view, the target rest's end as a cue.
    connect(Comandi, &Frm_cmd::Messaggio_serie, this, [this](const QString& testo) {
        Lbl_salvato->setText(testo);
        Lbl_salvato->setToolTip(testo);
    });
    connect(Comandi, &Frm_cmd::Recupero_cambiato, this, [this](int secondi) {
        Lbl_recupero->setVisible(secondi >= 0);
        if (secondi >= 0) Lbl_recupero->setText(Testo_recupero(secondi));
        Vista_atleta->Mostra_recupero(secondi);
    });
    connect(Comandi, &Frm_cmd::Recupero_concluso, this, [this] { Segnali->Recupero_concluso(); });
    // The header names whom the measurement on screen belongs to.
    // A reopened test with its record gets the coach's row back, with its RPE and note.
    connect(Comandi, &Frm_cmd::Misura_cambiata, this, [this] {
        Intestazione->Aggiorna_intestazione(s_->Serie.Dati_esercizio, locale_);
        Aggiorna_didascalia(*s_);
        if (s_->Serie_in_corso) return;
        if (!s_->Serie.File_record.isEmpty()) Valutazione->Mostra();
        // What the status bar said of the set before (its file, its athlete's day) is not
        // this test's; the board's displacement is not shown by a test either.
        Intestazione->Azzera_spostamento();
        Lbl_prontezza->hide();
        const QString aperto = s_->Serie.File_aperto;
        Lbl_salvato->setText(aperto.isEmpty() ? QString()
                                              : tr("Aperto: %1").arg(QFileInfo(aperto).fileName()));
        Lbl_salvato->setToolTip(
            aperto.isEmpty() ? QString() : tr("Aperto: %1").arg(QDir::toNativeSeparators(aperto)));
    });
    Crea_menu();
    Avvia_club();
    riposiziona();
    Intestazione->Aggiorna_intestazione(sessione.Dati_esercizio, locale);
    Intestazione->show();
    Grafici->show();
    Comandi->show();
}

void Frm_main::Mostra_flusso(const QString& testo, bool allarme) {
    Mostra_riga(Lbl_flusso, testo, allarme);
}

void Frm_main::Imposta_esclusa(int numero, bool esclusa) {
    motore_->Imposta_esclusa(numero, esclusa);
    // While the set is recorded its files are not written yet; they will hold it whole.
    if (!s_->Serie_in_corso) Salvataggi_test->Aggiorna_file_serie();
}

Frm_utente* Frm_main::Mostra_configurazione() {
    if (s_ == nullptr) return nullptr;
    const bool nuova = Utente.isNull();
    Frm_utente* f = Mostra_frm_utente(Utente, *s_, Grafici, Intestazione, *avvisi_, locale_, this);
    if (nuova)
        connect(f, &Frm_utente::Confermato, this, [this] {
            Mostra_cartella_dati(s_->Dati_esercizio.Cartella_dati);
            Grafici->Aggiorna_nome_velocita();
            // The set being recorded keeps the setup it started with.
            if (s_->Serie_in_corso)
                Lbl_salvato->setText(
                    tr("La nuova impostazione vale dalla prossima serie; quella in corso resta "
                       "di %1.")
                        .arg(s_->Serie.Dati_esercizio.Atleta));
        });
    return f;
}

void Frm_main::Crea_menu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnuFileApri = Comandi->Azione_apri;
    mnuFileSalva_parziale = Comandi->Azione_salva_dati;
    mnuFileSalva_intero = Comandi->Azione_salva_file_intero;
    file->addAction(mnuFileApri);
    file->addAction(mnuFileSalva_parziale);
    file->addAction(mnuFileSalva_intero);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSepara"));
    mnuFileEsci = file->addAction(tr("Esci"), this, &QWidget::close);
    mnuFileEsci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* impostazioni = menuBar()->addMenu(tr("&Impostazioni"));
    mnuImpostazioniConfigura =
        impostazioni->addAction(tr("Configura..."), this, &Frm_main::Mostra_configurazione);
    mnuImpostazioniParametri_Porta = impostazioni->addAction(tr("Parametri Porta...."), this,
                                                             &Frm_main::Parametri_porta_richiesti);
    mnuImpostazioniClub = impostazioni->addAction(tr("C&lub..."), this, &Frm_main::Mostra_club);

    QMenu* visualizza = menuBar()->addMenu(tr("&Visualizza"));
    mnuVisualizzaRipetizioni = visualizza->addAction(tr("Grafico ripetizioni"), Comandi,
                                                     &Frm_cmd::Button_Ripetizioni_Click);
    // The time view, as the right button on the panel's TEMPO shows it.
    mnuVisualizzaTempo = visualizza->addAction(tr("Grafico tempo"), Comandi, &Frm_cmd::Vista_tempo);
    // "&&": the "&" is shown, not taken for an access key.
    mnuVisualizzaGrafico = visualizza->addAction(tr("Grafico ripetizioni && tempo"), Comandi,
                                                 &Frm_cmd::Button_Grafici_Click);
    auto* viste = new QActionGroup(this);
    for (QAction* a : {mnuVisualizzaRipetizioni, mnuVisualizzaTempo, mnuVisualizzaGrafico}) {
        a->setCheckable(true);
        viste->addAction(a);
    }
    mnuVisualizzaGrafico->setChecked(true);
    // The graphs' property editor, otherwise opened by a double click on a graph.
    visualizza->addAction(tr("Proprietà &grafici..."), this, [this] { Grafici->Apri_editor(0); })
        ->setShortcut(QKeySequence(Qt::Key_F6));
    visualizza->addSeparator();
    mnuVisualizzaAnalisi =
        visualizza->addAction(tr("&Analisi serie"), this, &Frm_main::Mostra_analisi);
    mnuVisualizzaAnalisi->setShortcut(QKeySequence(Qt::Key_F7));
    mnuVisualizzaProfilo =
        visualizza->addAction(tr("&Profilo carico-velocità..."), this, &Frm_main::Mostra_profilo);
    mnuVisualizzaProfilo->setShortcut(QKeySequence(Qt::Key_F8));
    mnuVisualizzaStorico =
        visualizza->addAction(tr("&Storico atleta"), this, &Frm_main::Mostra_storico);
    mnuVisualizzaStorico->setShortcut(QKeySequence(Qt::Key_F9));
    mnuVisualizzaAtleta =
        visualizza->addAction(tr("Vista a&tleta"), this, &Frm_main::Mostra_vista_atleta);
    mnuVisualizzaAtleta->setShortcut(QKeySequence(Qt::Key_F11));
    // From the windows these open too (the log, the profile, the analysis, the athlete's).
    for (QAction* a :
         {mnuVisualizzaAnalisi, mnuVisualizzaProfilo, mnuVisualizzaStorico, mnuVisualizzaAtleta})
        a->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* strumenti = menuBar()->addMenu(tr("&Strumenti"));
    mnuStrumentiCronometro =
        strumenti->addAction(tr("Cronometro"), this, &Frm_main::Mostra_cronometro);
    mnuStrumentiCalcolatrice =
        strumenti->addAction(tr("Calcolatrice"), this, [this] { Avvia_calcolatrice(*avvisi_); });
    strumenti->addSeparator();
    mnuStrumentiSegnali = strumenti->addAction(tr("Segnali acustici"));
    mnuStrumentiVoce = strumenti->addAction(tr("Voce"));
    for (const auto& [azione, chiave, predefinito] :
         {std::tuple{mnuStrumentiSegnali, "segnali_acustici", "1"},
          std::tuple{mnuStrumentiVoce, "voce", "0"}}) {
        azione->setCheckable(true);
        azione->setChecked(Leggi_impostazione(QStringLiteral("funz"), QLatin1String(chiave),
                                              QLatin1String(predefinito)) == QLatin1String("1"));
        connect(azione, &QAction::toggled, this, [this, chiave](bool acceso) {
            Salva_impostazione(QStringLiteral("funz"), QLatin1String(chiave),
                               acceso ? QStringLiteral("1") : QStringLiteral("0"));
            Aggiorna_segnali();
        });
    }
    Aggiorna_segnali();

    QMenu* aiuto = menuBar()->addMenu(tr("&?"));
    mnuHelpInformazioni =
        aiuto->addAction(tr("Informazioni su..."), this, &Frm_main::Mostra_informazioni);
    // Each language by its own name, in whichever language the menu is.
    QMenu* lingua = aiuto->addMenu(tr("&Lingua"));
    lingua->setObjectName(QStringLiteral("mnuLingua"));
    mnuLinguaItaliano = lingua->addAction(QStringLiteral("Italiano"));
    mnuLinguaEnglish = lingua->addAction(QStringLiteral("English"));
    auto* lingue = new QActionGroup(this);
    // Ticked: the language this run speaks (--lang may differ from the stored choice).
    const QString in_uso = Lingua_in_uso();
    for (const auto& [azione, codice] : {std::pair{mnuLinguaItaliano, QStringLiteral("it")},
                                         std::pair{mnuLinguaEnglish, QStringLiteral("en")}}) {
        azione->setCheckable(true);
        azione->setChecked(codice == in_uso);
        lingue->addAction(azione);
        connect(azione, &QAction::triggered, this, [this, codice] { Scegli_lingua(codice); });
    }

    const std::pair<QAction*, const char*> nomi[] = {
        {mnuFileApri, "mnuFileApri"},
        {mnuFileSalva_parziale, "mnuFileSalva_parziale"},
        {mnuFileSalva_intero, "mnuFileSalva_intero"},
        {mnuFileEsci, "mnuFileEsci"},
        {mnuImpostazioniConfigura, "mnuImpostazioniConfigura"},
        {mnuImpostazioniParametri_Porta, "mnuImpostazioniParametri_Porta"},
        {mnuImpostazioniClub, "mnuImpostazioniClub"},
        {mnuVisualizzaRipetizioni, "mnuVisualizzaRipetizioni"},
        {mnuVisualizzaTempo, "mnuVisualizzaTempo"},
        {mnuVisualizzaGrafico, "mnuVisualizzaGrafico"},
        {mnuVisualizzaAnalisi, "mnuVisualizzaAnalisi"},
        {mnuVisualizzaProfilo, "mnuVisualizzaProfilo"},
        {mnuVisualizzaStorico, "mnuVisualizzaStorico"},
        {mnuVisualizzaAtleta, "mnuVisualizzaAtleta"},
        {mnuStrumentiCronometro, "mnuStrumentiCronometro"},
        {mnuStrumentiCalcolatrice, "mnuStrumentiCalcolatrice"},
        {mnuStrumentiSegnali, "mnuStrumentiSegnali"},
        {mnuStrumentiVoce, "mnuStrumentiVoce"},
        {mnuHelpInformazioni, "mnuHelpInformazioni"},
        {mnuLinguaItaliano, "mnuLinguaItaliano"},
        {mnuLinguaEnglish, "mnuLinguaEnglish"}};
    for (const auto& [azione, nome] : nomi) azione->setObjectName(QLatin1String(nome));
}

void Frm_main::Aggiorna_segnali() {
    const bool attivi = mnuStrumentiSegnali->isChecked();
    // The velocity is spoken in place of the tones: without the cues there is nothing to say.
    mnuStrumentiVoce->setEnabled(attivi);
    Segnali->Imposta(attivi, mnuStrumentiVoce->isChecked());
    Segnali->Verifica_uscita();
}

bool Frm_main::Registra_segnali(const QString& file, QString* errore) {
    auto registro = std::make_unique<QFile>(file);
    if (!registro->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        if (errore) *errore = registro->errorString();
        return false;
    }
    if (registro->size() == 0) registro->write("ora\tsegnale\tripetizione\tparole\tritardo_ms\n");
    registro->flush();
    registro_segnali_ = std::move(registro);
    return true;
}

void Frm_main::Scrivi_segnale(const Segnale_dato& dato) {
    if (!registro_segnali_) return;
    const QString riga =
        QStringList{QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                    Nome_segnale(dato.tipo), QString::number(dato.ripetizione), dato.parole,
                    dato.ritardo_ms ? QString::number(*dato.ritardo_ms, 'f', 1) : QString()}
            .join(QLatin1Char('\t'));
    // A line at a time, handed to the system at once: a program that dies keeps its log.
    registro_segnali_->write((riga + QLatin1Char('\n')).toUtf8());
    registro_segnali_->flush();
}

void Frm_main::Aggiorna_spunte() {
    switch (Grafici->Vista_corrente()) {
    case Frm_grafici::Vista::Ripetizioni:
        mnuVisualizzaRipetizioni->setChecked(true);
        break;
    case Frm_grafici::Vista::Tempo:
        mnuVisualizzaTempo->setChecked(true);
        break;
    case Frm_grafici::Vista::Combinata:
        mnuVisualizzaGrafico->setChecked(true);
        break;
    }
}

Frm_crono* Frm_main::Mostra_cronometro() {
    return Mostra_frm_crono(Crono, this);
}

void Frm_main::Mostra_informazioni() {
    const QString cartella = QDir::toNativeSeparators(s_->Cartella_applicazione);
    const QString testo =
        tr("Kinetrack\nVersione %1\n\nCartella dati: %2\nImpostazioni: %3")
            .arg(Versione_programma(), cartella, QDir::toNativeSeparators(File_impostazioni()));
    avvisi_->Mostra(testo, Icona::Nessuna, tr("Informazioni su kinetrack"));
}

void Frm_main::Scegli_lingua(const QString& codice) {
    if (!Salva_lingua(codice)) {
        avvisi_->Mostra(tr("La scelta della lingua non è stata salvata in %1.")
                            .arg(QDir::toNativeSeparators(File_impostazioni())),
                        Icona::Avviso);
        (Lingua_salvata() == QLatin1String("en") ? mnuLinguaEnglish : mnuLinguaItaliano)
            ->setChecked(true);
        return;
    }
    // The windows open now keep their texts: the new language comes with the next start.
    if (codice != Lingua_in_uso())
        avvisi_->Mostra(Traduci_in(codice, "Frm_main", Testo_lingua_al_riavvio));
}

Frm_analisi* Frm_main::Mostra_analisi() {
    if (motore_ == nullptr) return nullptr;
    return Mostra_frm_analisi(Analisi, motore_->Analisi(), locale_, this);
}

Frm_profilo* Frm_main::Mostra_profilo() {
    if (s_ == nullptr) return nullptr;
    const auto& dati = s_->Dati_esercizio;
    return Mostra_frm_profilo(Profilo, dati.Cartella_dati, dati.Esercizio, *avvisi_, this);
}

Frm_storico* Frm_main::Mostra_storico() {
    if (s_ == nullptr) return nullptr;
    const bool nuova = Storico.isNull();
    const auto& dati = s_->Dati_esercizio;
    Frm_storico* f = Mostra_frm_storico(Storico, s_->Cartella_applicazione, dati.Squadra,
                                        dati.Atleta, *avvisi_, locale_, this);
    if (nuova) connect(f, &Frm_storico::Apri_test, Comandi, &Frm_cmd::Apri);
    return f;
}

void Frm_main::Mostra_vista_atleta() {
    if (Vista_atleta == nullptr) return;
    if (Vista_atleta->isVisible())
        Vista_atleta->close();
    else
        Vista_atleta->Apri(this);
}

void Frm_main::Mostra_prontezza(const QString& file_salvato) {
    if (s_ == nullptr) return;
    const auto p = Prontezza_dopo_serie(s_->Cartella_applicazione, file_salvato);
    // None for this set's athlete and exercise today: no other athlete's either.
    if (!p || p->giorno != QDate::currentDate()) return Lbl_prontezza->hide();
    // Short enough to be read whole beside the file saved; the whole sentence in the tooltip.
    const QString testo = Testo_prontezza_breve(*p, locale_);
    Lbl_prontezza->setText(testo);
    Lbl_prontezza->setToolTip(Testo_prontezza(*p, locale_));
    Lbl_prontezza->setMinimumWidth(
        std::min(520, Lbl_prontezza->fontMetrics().horizontalAdvance(testo) + 24));
    Lbl_prontezza->show();
}

void Frm_main::Mostra_club() {
    Frm_club finestra(this);
    Centra_su(&finestra, this);
    const int esito = finestra.exec();
    if (esito == QDialog::Rejected) return;
    Ferma_club(false);
    password_club_declinata_ = false;
    if (esito != Frm_club::Nessun_club) return Avvia_club();
    Lbl_club->hide();
    if (s_ == nullptr) return;
    // The other stations' tests leave the log once the last sender has stopped, so that it
    // brings none back; this station's own stay, as their files.
    const auto Dimentica = [this, cartella = s_->Cartella_applicazione] {
        Indice_test(cartella).Dimentica_club();
        Club_arrivati();
    };
    QThread* ultimo = club_in_chiusura_.empty() ? nullptr : club_in_chiusura_.back().data();
    if (ultimo != nullptr) connect(ultimo, &QThread::finished, this, Dimentica);
    if (ultimo == nullptr || ultimo->isFinished()) Dimentica();
}

void Frm_main::Avvia_club() {
    if (s_ == nullptr || thread_club_ != nullptr) return;
    const std::optional<Parametri_club> parametri = Parametri_salvati();
    if (!parametri) return Lbl_club->hide();
    thread_club_ = new QThread(this);
    thread_club_->setObjectName(QStringLiteral("Club"));
    club_ = new Lavoratore_club(s_->Cartella_applicazione, *parametri);
    club_->moveToThread(thread_club_);
    connect(thread_club_, &QThread::started, club_, &Lavoratore_club::Avvia);
    // Deleted on its own thread, as the thread ends: its index and connection were made there.
    connect(thread_club_, &QThread::finished, club_, &QObject::deleteLater);
    if (Salvataggi_test != nullptr)
        connect(Salvataggi_test, &Salvataggi::Test_indicizzato, club_, &Lavoratore_club::Sveglia);
    connect(club_, &Lavoratore_club::Stato, this, &Frm_main::Mostra_stato_club);
    connect(club_, &Lavoratore_club::Arrivati, this, &Frm_main::Club_arrivati);
    connect(club_, &Lavoratore_club::Password_rifiutata, this, &Frm_main::Chiedi_password_club);
    Mostra_riga(Lbl_club, tr("Club: collegamento in corso..."), false);
    thread_club_->start();
}

void Frm_main::Ferma_club(bool attendi) {
    if (thread_club_ != nullptr) {
        QThread* thread = std::exchange(thread_club_, nullptr);
        club_ = nullptr;
        thread->quit();
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        club_in_chiusura_.emplace_back(thread);
    }
    if (!attendi) return;
    for (const QPointer<QThread>& thread : club_in_chiusura_)
        if (!thread.isNull()) {
            thread->wait();
            delete thread.data();
        }
    club_in_chiusura_.clear();
}

void Frm_main::Mostra_stato_club(int da_inviare, bool collegato, const QString& errore) {
    // A sender stopped may still have said something on its way out.
    if (sender() != nullptr && sender() != club_) return;
    QString testo = da_inviare > 0 ? tr("Club: %n test da inviare", nullptr, da_inviare)
                    : collegato    ? tr("Club: collegato")
                                   : tr("Club: non collegato");
    if (!errore.isEmpty()) testo += QStringLiteral(" – ") + errore;
    Mostra_riga(Lbl_club, testo, !errore.isEmpty());
}

void Frm_main::Club_arrivati() {
    if (Storico.isNull()) return;
    Storico->Ricarica();
    if (auto* squadra = Storico->findChild<Frm_squadra*>()) squadra->Ricarica();
}

void Frm_main::Chiedi_password_club() {
    if (password_club_chiesta_ || password_club_declinata_ || senza_finestre_) return;
    const std::optional<Parametri_club> parametri = Parametri_salvati();
    if (!parametri) return;
    password_club_chiesta_ = true;
    // Not modal: a set may be running, and its keys stay with the main window.
    auto* finestra = new Frm_password_club(*parametri, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    connect(finestra, &QDialog::finished, this, [this](int esito) {
        password_club_chiesta_ = false;
        if (esito != QDialog::Accepted)
            password_club_declinata_ = true;
        else if (club_ != nullptr)
            QMetaObject::invokeMethod(club_, &Lavoratore_club::Nuova_password);
    });
    Centra_su(finestra, this);
    finestra->show();
}

void Frm_main::riposiziona() {
    if (Intestazione == nullptr) return;
    const int W = centralWidget()->width();
    const int H = centralWidget()->height();
    Intestazione->riposiziona(W, H);
    const int sotto_intestazione = Intestazione->geometry().bottom() + 1;
    Grafici->setGeometry(0, sotto_intestazione, W, static_cast<int>(0.75 * H));
    Grafici->riposiziona();
    const int sotto_grafici = Grafici->geometry().bottom() + 1;
    Comandi->setGeometry(0, sotto_grafici, W, std::max(0, H - sotto_grafici));
    Comandi->riposiziona();
}

bool Frm_main::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == centralWidget() && evento->type() == QEvent::Resize) riposiziona();
    return QMainWindow::eventFilter(oggetto, evento);
}

void Frm_main::Aggiorna_didascalia(const Sessione& sessione) {
    QString didascalia = sessione.Titolo + sessione.Scheda.Stato_connessione;
    const Serie_t& serie = sessione.Serie;
    if (!sessione.Acquisizione_in_corso && !serie.File_aperto.isEmpty()) {
        QStringList test{
            serie.Dati_esercizio.Atleta, serie.Dati_esercizio.Esercizio,
            locale_.toString(serie.Inizio.toLocalTime(), QStringLiteral("dd/MM/yyyy HH:mm"))};
        test.removeAll(QString());
        didascalia += tr(" - test aperto: %1").arg(test.join(QStringLiteral(", ")));
    }
    setWindowTitle(didascalia);
}

void Frm_main::Mostra_cartella_dati(const QString& cartella) {
    const QString nativa = QDir::toNativeSeparators(cartella);
    Lbl_cartella->setText(tr("Cartella dati: %1").arg(nativa));
    Lbl_cartella->setToolTip(tr("I dati degli atleti e le impostazioni sono in %1").arg(nativa));
}

void Frm_main::Mostra(const QString& testo, Icona icona, const QString& titolo) {
    if (senza_finestre_) {
        std::fprintf(stderr, "kinetrack: %s\n", qPrintable(testo));
        return;
    }
    QMessageBox::Icon tipo = QMessageBox::NoIcon;
    if (icona == Icona::Avviso) tipo = QMessageBox::Warning;
    if (icona == Icona::Critico) tipo = QMessageBox::Critical;
    QMessageBox box(tipo, titolo.isEmpty() ? QStringLiteral("kinetrack") : titolo, testo,
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
}

void Frm_main::Mostra_senza_attesa(const QString& testo, Icona icona, const QString& titolo) {
    if (senza_finestre_) {
        Mostra(testo, icona, titolo);
        return;
    }
    auto* box = new QMessageBox(icona == Icona::Critico  ? QMessageBox::Critical
                                : icona == Icona::Avviso ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon,
                                titolo.isEmpty() ? QStringLiteral("kinetrack") : titolo, testo,
                                QMessageBox::Ok, isVisible() ? this : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void Frm_main::closeEvent(QCloseEvent* evento) {
    // Nothing recorded is lost: the note being typed is written, a running acquisition is
    // stopped and saved as the start button's stop would save it, then recording goes off.
    if (Valutazione != nullptr) Valutazione->Scrivi_in_sospeso();
    if (Comandi != nullptr) Comandi->Termina();
    // The club's sender ends its round (a server that does not answer gives up within its
    // connection's timeout); what it did not send waits in the index for the next start.
    Ferma_club();
    // Then the other windows, in this order: stopwatch, setup dialog, and (through
    // Chiusura) the serial window and the HID window.
    if (!Crono.isNull()) Crono->close();
    if (!Analisi.isNull()) Analisi->close();
    if (!Profilo.isNull()) Profilo->close();
    if (!Storico.isNull()) Storico->close();
    if (Vista_atleta != nullptr) Vista_atleta->close();
    if (!Utente.isNull()) Utente->close();
    Q_EMIT Chiusura();
    evento->accept();
}
