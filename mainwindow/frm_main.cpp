#include "mainwindow/frm_main.h"

#include "acquisition/frm_cmd.h"
#include "acquisition/salvataggi.h"
#include "analysis/frm_grafici.h"
#include "session/sessione.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/motore_misura.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

Frm_main::Frm_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Frm_main"));
    setWindowTitle(QStringLiteral("Kinetrack"));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Area_lavoro"));
    setCentralWidget(area);
    area->installEventFilter(this);
    Lbl_salvato = new QLabel(this);
    Lbl_salvato->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(Lbl_salvato, 1);
    Lbl_cartella = new QLabel(this);
    Lbl_cartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(Lbl_cartella);
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
    locale_ = locale;
    QWidget* area = centralWidget();
    Intestazione = new Frm_intestazione(area);
    connect(Intestazione, &Frm_intestazione::Configura_richiesta, this,
            &Frm_main::Mostra_configurazione);
    Grafici = new Frm_grafici(sessione, locale, area);
    Salvataggi_test = new Salvataggi(sessione, motore.Lst_valori(), avvisi, locale, this);
    connect(Salvataggi_test, &Salvataggi::Salvato, this, [this](const QString& nome) {
        Lbl_salvato->setText(QStringLiteral("Salvato: ") + QDir::toNativeSeparators(nome));
    });
    Comandi = new Frm_cmd(sessione, protocollo, motore, *Grafici, *Salvataggi_test, avvisi, area);
    riposiziona();
    Intestazione->Aggiorna_intestazione(sessione.Dati_esercizio, locale);
    Intestazione->show();
    Grafici->show();
    Comandi->show();
}

Frm_utente* Frm_main::Mostra_configurazione() {
    if (s_ == nullptr) return nullptr;
    const bool nuova = Utente.isNull();
    Frm_utente* f = Mostra_frm_utente(Utente, *s_, Grafici, Intestazione, *avvisi_, locale_, this);
    if (nuova)
        connect(f, &Frm_utente::Confermato, this,
                [this] { Mostra_cartella_dati(s_->Dati_esercizio.Cartella_dati); });
    return f;
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
    setWindowTitle(sessione.Titolo + sessione.Stato_connessione);
}

void Frm_main::Mostra_cartella_dati(const QString& cartella) {
    const QString nativa = QDir::toNativeSeparators(cartella);
    Lbl_cartella->setText(QStringLiteral("Cartella dati: ") + nativa);
    Lbl_cartella->setToolTip(
        QStringLiteral("I dati degli atleti e le impostazioni sono in %1").arg(nativa));
}

void Frm_main::Mostra(const QString& testo, Icona icona, const QString& titolo) {
    QMessageBox::Icon tipo = QMessageBox::NoIcon;
    if (icona == Icona::Avviso) tipo = QMessageBox::Warning;
    if (icona == Icona::Critico) tipo = QMessageBox::Critical;
    QMessageBox box(tipo, titolo.isEmpty() ? QStringLiteral("kinetrack") : titolo, testo,
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
}

void Frm_main::closeEvent(QCloseEvent* evento) {
    // A recording left on goes off: the folder for automatic saves is there next time.
    if (Comandi != nullptr && s_ != nullptr && s_->Memo_attivo)
        Comandi->Button_Memo_ValueChanged(false);
    Q_EMIT Chiusura();
    evento->accept();
}
