#include "mainwindow/frm_main.h"

#include "session/sessione.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

Frm_main::Frm_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Frm_main"));
    setWindowTitle(QStringLiteral("Kinetrack"));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Area_lavoro"));
    setCentralWidget(area);
    Lbl_cartella = new QLabel(this);
    Lbl_cartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(Lbl_cartella);
    resize(1024, 700);
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
