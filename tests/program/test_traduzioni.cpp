// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts read Italian once the start-up has loaded Qt's translations, whatever the
// system's settings (the test pretends an English system): the message boxes' buttons, the
// input box of "Nuovo" and the file dialogs.
#include "platform/traduzioni_qt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {
QStringList Pulsanti(const QWidget& finestra) {
    QStringList testi;
    for (const QAbstractButton* b : finestra.findChildren<QAbstractButton*>())
        if (!b->text().isEmpty()) testi << b->text();
    testi.sort();
    return testi;
}
} // namespace

class Test_traduzioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!Carica_traduzioni_qt())
            QSKIP("Qt's Italian translations are not installed (Debian: qt6-translations-l10n)");
    }

    void message_box_buttons() {
        QMessageBox box(QMessageBox::Warning, "kinetrack", "?",
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(Pulsanti(box), (QStringList{"Annulla", "OK"}));
    }

    // The input box of "Nuovo".
    void input_box() {
        QInputDialog box;
        box.setLabelText("Nuovo valore:");
        box.show();
        QCOMPARE(Pulsanti(box), (QStringList{"Annulla", "OK"}));
    }

    // Qt's own file dialog (the one shown where the desktop offers none of its own).
    void file_dialog() {
        QFileDialog dialogo(nullptr, "Apri");
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        const auto Testi = [&dialogo] {
            QStringList testi;
            for (const auto etichetta : {QFileDialog::LookIn, QFileDialog::FileName,
                                         QFileDialog::FileType, QFileDialog::Accept})
                testi << dialogo.labelText(etichetta);
            return testi + Pulsanti(dialogo);
        };
        QCOMPARE(Testi(), (QStringList{"Cerca in:", "&Nome del file:", "File di tipo:", "&Apri",
                                       "&Apri", "Annulla"}));
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(Testi().mid(3), (QStringList{"&Salva", "&Salva", "Annulla"}));
    }
};

QTEST_MAIN(Test_traduzioni)
#include "test_traduzioni.moc"
