#include "device/frm_hid.h"

#include "device/collegamento_hid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frm_hid::frm_hid(Collegamento_hid& collegamento, QWidget* parent)
    : QWidget(parent), collegamento_(collegamento) {
    setObjectName(QStringLiteral("frm_hid"));
    setWindowTitle(QStringLiteral("HID"));
    Command1 = new QPushButton(QStringLiteral("$F"), this);
    Command2 = new QPushButton(QStringLiteral("$T"), this);
    Command3 = new QPushButton(QStringLiteral("Command3"), this);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("Esito dell'ultimo comando"));
    auto* colonna = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Text1)})
        colonna->addWidget(w);
    connect(Command1, &QPushButton::clicked, this, [this] { Invia_prova("$F"); });
    connect(Command2, &QPushButton::clicked, this, [this] { Invia_prova("$T"); });
}

void frm_hid::Invia_prova(const char* comando) {
    const auto errore = collegamento_.Invia(QByteArray(comando));
    Text1->setText(errore ? *errore : QString::fromLatin1(comando));
}
