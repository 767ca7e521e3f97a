// SPDX-License-Identifier: GPL-3.0-or-later
// A serial port held through its lock file (/var/lock/LCK..<device>): opening it names the
// file, the program and the user holding it, and says what to do; a lock left by a program
// that has ended, of another user, says to remove it as administrator.

#include "platform/blocco_porta.h"
#include "platform/porta_qt.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"

#include <QtTest>
#include <unistd.h>

class Test_blocco_porta : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente_;
    Processo_scheda scheda_{7}; // a line claimed as com7
    QString blocco_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(scheda_.Pronta());
        blocco_ = File_blocco_porta(scheda_.dispositivo);
        QVERIFY(blocco_.endsWith("/LCK.." + scheda_.dispositivo.mid(5).replace('/', '_')));
    }
    void cleanupTestCase() {
        if (!blocco_.isEmpty()) QFile::remove(blocco_);
    }

    // The lock as Qt's own uses it: with it held by a running program the port does not
    // open, and the message tells which file, which program, and to close it.
    void porta_tenuta_da_un_programma_attivo() {
        if (QFile::exists(blocco_)) QSKIP("the port's lock file is there already");
        Porta_qt porta;
        porta.Imposta_numero_porta(7);
        porta.Apri(); // free: it opens
        porta.Chiudi();

        QProcess altro;
        altro.start("sleep", {"30"});
        QVERIFY(altro.waitForStarted());
        const qint64 pid = altro.processId();
        Scrivi(blocco_,
               QByteArray::number(pid) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QString testo;
        try {
            porta.Apri();
        } catch (const Errore_porta& e) {
            testo = e.testo();
        }
        altro.kill();
        altro.waitForFinished();
        QFile::remove(blocco_);
        QVERIFY2(
            testo.startsWith("Impossibile aprire la porta com7 (" + scheda_.dispositivo + "): ") &&
                testo.contains("la porta è già in uso dal programma \"sleep\" (processo " +
                               QString::number(pid)) &&
                testo.contains("file di blocco " + blocco_) &&
                testo.contains("Chiudere quel programma e riprovare."),
            qPrintable(testo));
    }

    // What the message says of a lock file, whoever left it.
    void file_di_blocco_spiegati() {
        const QString file = ambiente_.Radice() + "/LCK..ttyUSB0";
        Scrivi(file, "999999\nminicom\nqui\n"); // a program no longer running
        QString testo = Spiega_blocco_porta(file);
        QVERIFY2(testo.contains("bloccata dal file " + file +
                                ", lasciato dal programma "
                                "\"minicom\"") &&
                     testo.contains("non più attivo") && testo.contains("(rm " + file + ")"),
                 qPrintable(testo));
        if (::getuid() == 0) {
            // Another user's: this user cannot remove it.
            QCOMPARE(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
            testo = Spiega_blocco_porta(file);
            QVERIFY2(testo.contains("che questo programma non può cancellare") &&
                         testo.contains("(come amministratore: sudo rm " + file + ")"),
                     qPrintable(testo));
        }
        Scrivi(file, "");
        QVERIFY(Spiega_blocco_porta(file).contains("che non dice quale programma la usa"));
        QVERIFY(Spiega_blocco_porta(ambiente_.Radice() + "/nessuna/LCK..x")
                    .contains("impossibile creare il file di blocco"));
        QVERIFY(Spiega_blocco_porta(QString()).contains("/var/lock, /etc/locks"));
    }
};

QTEST_GUILESS_MAIN(Test_blocco_porta)
#include "test_blocco_porta.moc"
