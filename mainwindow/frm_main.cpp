#include "mainwindow/frm_main.h"

#include "analysis/frm_grafici.h"
#include "session/sessione.h"
#include "setup/frm_intestazione.h"

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

void Frm_main::Apri_finestre(Sessione& sessione, const QLocale& locale) {
    if (Intestazione != nullptr) return;
    QWidget* area = centralWidget();
    Intestazione = new Frm_intestazione(area);
    Intestazione->Button_Configura->setEnabled(false);
    Intestazione->Button_Configura->setToolTip(
        QStringLiteral("Configurazione atleta ed esercizio: non ancora disponibile"));
    Grafici = new Frm_grafici(sessione, locale, area);
    Spazio_comandi = new QWidget(area);
    Spazio_comandi->setObjectName(QStringLiteral("Spazio_comandi"));
    riposiziona();
    Intestazione->Aggiorna_intestazione(sessione.Dati_esercizio, locale);
    Intestazione->show();
    Grafici->show();
    Spazio_comandi->show();
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
    Spazio_comandi->setGeometry(0, sotto_grafici, W, std::max(0, H - sotto_grafici));
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
    Q_EMIT Chiusura();
    evento->accept();
}
