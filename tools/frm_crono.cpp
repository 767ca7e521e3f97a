// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frm_crono.h"

#include "platform/moduli.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Milliseconds since the first call, cut to 32 bits like the system tick counter.
qint32 Tick_sistema() {
    static QElapsedTimer orologio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<qint32>(static_cast<quint32>(orologio.elapsed() & 0xffffffff));
}

QLineEdit* Campo(const QString& nome, QWidget* padre) {
    auto* campo = new QLineEdit(padre);
    campo->setReadOnly(true);
    campo->setAlignment(Qt::AlignCenter);
    campo->setAccessibleName(nome);
    campo->setFocusPolicy(Qt::NoFocus); // part of one readout, told as one by its frame
    return campo;
}

} // namespace

Frm_crono::Frm_crono(QWidget* parent)
    : QWidget(parent, Qt::Tool), orologio_(Tick_sistema), beep_([] { QApplication::beep(); }) {
    setObjectName(QStringLiteral("Frm_crono"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Funzioni Tempo"));

    input_box_ = [this]() -> std::optional<QString> {
        bool ok = false;
        const QString testo = QInputDialog::getText(
            this, QString(), tr("Inserisci valore in secondi:"), QLineEdit::Normal, QString(), &ok);
        if (!ok) return std::nullopt;
        return testo;
    };
    messaggio_ = [this](const QString& testo) {
        QMessageBox::warning(this, QStringLiteral("kinetrack"), testo);
    };

    Chk_avviso_acustico = new QCheckBox(tr("Attiva area avviso acustico"), this);

    Fre_crono = new QGroupBox(tr("Cronometro"), this);
    Txt_minuti = Campo(tr("Minuti"), Fre_crono);
    Txt_secondi = Campo(tr("Secondi"), Fre_crono);
    Txt_decimi = Campo(tr("Decimi"), Fre_crono);
    Command1 = new QPushButton(tr("&Start"), Fre_crono);
    Command2 = new QPushButton(tr("S&top"), Fre_crono);
    auto* griglia = new QGridLayout(Fre_crono);
    griglia->addWidget(Txt_minuti, 0, 0);
    griglia->addWidget(Txt_secondi, 0, 1);
    griglia->addWidget(Txt_decimi, 0, 2);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(Command1);
    pulsanti->addWidget(Command2);
    griglia->addLayout(pulsanti, 1, 0, 1, 3);

    Fre_conto_rovescia = new QGroupBox(tr("Avviso Acustico"), this);
    txt_valore_cv = Campo(tr("Periodo dell'avviso acustico"), Fre_conto_rovescia);
    cmd_conto_rovescia = new QPushButton(tr("Set &frequenza"), Fre_conto_rovescia);
    auto* riga = new QHBoxLayout(Fre_conto_rovescia);
    riga->addWidget(txt_valore_cv);
    riga->addWidget(cmd_conto_rovescia);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Chk_avviso_acustico);
    colonna->addWidget(Fre_crono);
    colonna->addWidget(Fre_conto_rovescia);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: top to bottom, left to right.
    setTabOrder(Chk_avviso_acustico, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, cmd_conto_rovescia);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    Timer_1 = new QTimer(this);
    connect(Timer_1, &QTimer::timeout, this, &Frm_crono::Tick);
    connect(Command1, &QPushButton::clicked, this, &Frm_crono::Avvia);
    connect(Command2, &QPushButton::clicked, this, &Frm_crono::Ferma);
    connect(cmd_conto_rovescia, &QPushButton::clicked, this, &Frm_crono::Imposta_frequenza);
    connect(Chk_avviso_acustico, &QCheckBox::toggled, Fre_conto_rovescia, &QGroupBox::setEnabled);

    // The load state.
    Txt_secondi->setText(tr("sec"));
    Txt_minuti->setText(tr("min"));
    Txt_decimi->setText(tr("dec"));
    Fre_conto_rovescia->setEnabled(false);
    Chk_avviso_acustico->setChecked(true);
    Mostra_periodo();
}

void Frm_crono::Avvia() {
    Tick_inizio = orologio_();
    avviso_.Disarma(); // the count starts again at 0, which never beeps
    Timer_1->setInterval(100);
    Timer_1->start();
}

void Frm_crono::Ferma() {
    Timer_1->stop();
}

void Frm_crono::Imposta_frequenza() {
    const std::optional<QString> risposta = input_box_();
    if (!risposta) return; // cancelled
    const std::optional<float> periodo = Leggi_periodo(*risposta);
    if (!periodo) {
        messaggio_(tr("Periodo non valido: inserire un numero di secondi maggiore o uguale a 1."));
        return;
    }
    Periodo_avviso = *periodo;
    Mostra_periodo();
}

void Frm_crono::Tick() {
    const Tempo_crono tempo = Conta_tempo(Trascorsi_ms(orologio_(), Tick_inizio));
    Secondi_minuto = tempo.secondi_minuto;
    if (Chk_avviso_acustico->isChecked() && avviso_.Passo(Secondi_minuto, Periodo_avviso)) beep_();
    Txt_secondi->setText(tempo.secondi);
    Txt_minuti->setText(tempo.minuti);
    Txt_decimi->setText(tempo.decimi);
    Mostra_tempo();
}

void Frm_crono::Mostra_tempo() {
    // The three boxes as one time, for a screen reader.
    Fre_crono->setAccessibleDescription(
        tr("Tempo: %1:%2.%3").arg(Txt_minuti->text(), Txt_secondi->text(), Txt_decimi->text()));
}

void Frm_crono::Mostra_periodo() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    txt_valore_cv->setText(
        tr("%1 sec").arg(locale.toString(static_cast<double>(Periodo_avviso), 'g', 7)));
}

Frm_crono* Mostra_frm_crono(QPointer<Frm_crono>& finestra, QWidget* parent) {
    if (!finestra) {
        finestra = new Frm_crono(parent);
        Centra_su(finestra, parent);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}
