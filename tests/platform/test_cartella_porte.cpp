// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the port links must be this user's alone: a folder another local user
// made first (or can write in) would let that user's process pose as the board, and its
// stream would be recorded into an athlete's folder. Such links are not used, and the
// virtual board will not make its link there.

#include "platform/mappa_porte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class Test_cartella_porte : public QObject {
    Q_OBJECT
    QTemporaryDir radice_;
    QString Runtime() const { return radice_.filePath("run"); }

private Q_SLOTS:
    void init() {
        QDir(Runtime()).removeRecursively();
        QVERIFY(QDir().mkpath(Runtime()));
        QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Runtime()));
    }

    void unsafe_folders_are_not_used_data() {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("safe") << ""
                              << "";
        QTest::newRow("writable by others") << "0777"
                                            << "scrivibile da altri";
        QTest::newRow("a link to another folder") << "link"
                                                  << "non è una cartella";
        QTest::newRow("another user's") << "chown"
                                        << "appartiene a un altro utente";
    }
    void unsafe_folders_are_not_used() {
        QFETCH(QString, guasto);
        QFETCH(QString, motivo);
        if (guasto == "chown" && ::getuid() != 0) QSKIP("giving a folder away needs root");
        const QString cartella = Cartella_porte();
        QCOMPARE(cartella, Runtime() + "/kinetrack");
        QCOMPARE(Prepara_cartella_porte(), std::nullopt);
        QVERIFY(QFile::link(radice_.filePath("tty"), cartella + "/com5"));
        QFile(radice_.filePath("tty")).open(QIODevice::WriteOnly);
        if (guasto == "0777") ::chmod(QFile::encodeName(cartella).constData(), 0777);
        if (guasto == "chown")
            QCOMPARE(::chown(QFile::encodeName(cartella).constData(), 65534, 65534), 0);
        if (guasto == "link") {
            const QString altrove = radice_.filePath("altrove");
            QDir(altrove).removeRecursively();
            QVERIFY(QDir(cartella).rename(cartella, altrove));
            QVERIFY(QFile::link(altrove, cartella));
        }
        const auto errore = Verifica_cartella_porte();
        if (motivo.isEmpty()) {
            QCOMPARE(errore, std::nullopt);
            QCOMPARE(Dispositivo_porta(5), radice_.filePath("tty"));
            return;
        }
        QVERIFY(errore && errore->contains(motivo));
        QCOMPARE(Dispositivo_porta(5), QString());
        QVERIFY(Descrizione_porta(5).contains(motivo));
        const auto preparata = Prepara_cartella_porte();
        QVERIFY(preparata && preparata->contains(motivo));
        if (guasto == "link") QFile::remove(cartella);
    }
};

QTEST_GUILESS_MAIN(Test_cartella_porte)
#include "test_cartella_porte.moc"
