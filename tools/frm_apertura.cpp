// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frm_apertura.h"

#include "platform/moduli.h"
#include "session/titolo.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* Etichetta(QWidget* padre, const char* nome, const QString& testo, int punti,
                  bool grassetto) {
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QLatin1String(nome));
    QFont f(QStringLiteral("Arial"), punti);
    f.setBold(grassetto);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frm_apertura::frm_apertura(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    Q_INIT_RESOURCE(kinetrack); // the logo lives in this static library
    setObjectName(QStringLiteral("frm_apertura"));
    setWindowTitle(QStringLiteral("Kinetrack"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setStyleSheet(QStringLiteral("QFrame#Frame1 { background: #16293d; border: 2px solid "
                                         "#3cc65a; } QLabel { color: #e6ebf0; }"));
    Frame1->installEventFilter(this);

    auto* logo = new QSvgWidget(QStringLiteral(":/kinetrack/kinetrack.svg"), Frame1);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(160, 160);
    logo->setAccessibleName(tr("Logo di Kinetrack"));
    logo->installEventFilter(this);
    imgLogo = logo;

    lblProductName = Etichetta(Frame1, "lblProductName", QStringLiteral("Kinetrack"), 30, true);
    Label1 = Etichetta(Frame1, "Label1", QStringLiteral("Kinetrack"), 11, false);
    lblCompanyProduct =
        Etichetta(Frame1, "lblCompanyProduct", QStringLiteral("Kinetrack"), 11, false);
    lblVersion =
        Etichetta(Frame1, "lblVersion", tr("Versione %1").arg(Versione_programma()), 12, false);

    auto* colonna = new QVBoxLayout(Frame1);
    colonna->setContentsMargins(32, 24, 32, 24);
    colonna->addWidget(lblCompanyProduct);
    colonna->addWidget(logo, 0, Qt::AlignCenter);
    colonna->addWidget(lblProductName);
    colonna->addWidget(lblVersion);
    colonna->addWidget(Label1);
    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->addWidget(Frame1);
    resize(sizeHint().expandedTo(QSize(420, 340)));
    Centra_su(this, nullptr);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frm_apertura::Timer1_Timer);
    Timer1->start();
}

void frm_apertura::Timer1_Timer() {
    trascorso_ += static_cast<float>(Timer1->interval()) / 1000.0f;
    if (trascorso_ == 1.0f) {
        Timer1->stop();
        Chiudi(true);
    }
}

void frm_apertura::keyPressEvent(QKeyEvent* evento) {
    Q_UNUSED(evento);
    Chiudi(false);
}

bool frm_apertura::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress && (oggetto == Frame1 || oggetto == imgLogo)) {
        Chiudi(false);
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void frm_apertura::Chiudi(bool configura) {
    if (chiusa_) return;
    chiusa_ = true;
    Timer1->stop();
    // The main window shows before this one closes, so the program never has no window.
    Q_EMIT Passaggio(configura);
    close();
}

QIcon Icona_programma() {
    Q_INIT_RESOURCE(kinetrack);
    return QIcon(QStringLiteral(":/kinetrack/kinetrack.svg"));
}
