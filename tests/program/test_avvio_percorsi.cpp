// The title from the version and the application-folder rule.

#include "program/avvio.h"
#include "session/titolo.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class Test_avvio_percorsi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The per-user data folder goes to a folder of the test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(dati.path())); }
    void titolo();
    void cartella_applicazione_data();
    void cartella_applicazione();
    void cartella_non_creabile();

private:
    QTemporaryDir dati;
};

// Plain numbers without leading zeros; this build's title follows the project version.
void Test_avvio_percorsi::titolo() {
    QCOMPARE(Titolo_programma(2, 10, 7), QString("KINETRACK 2.10.7"));
    QCOMPARE(Titolo_programma(), QStringLiteral("KINETRACK " KT_VERSIONE_ATTESA));
}

void Test_avvio_percorsi::cartella_applicazione_data() {
    QTest::addColumn<bool>("portatile");
    QTest::newRow("per-user data folder") << false;
    QTest::newRow("portable marker beside the executable") << true;
}

void Test_avvio_percorsi::cartella_applicazione() {
    QFETCH(bool, portatile);
    QTemporaryDir eseguibile;
    if (portatile) {
        QFile marcatore(eseguibile.filePath("kinetrack.portable"));
        QVERIFY(marcatore.open(QIODevice::WriteOnly));
    }
    const QString attesa = portatile ? eseguibile.path() : dati.filePath("kinetrack");
    if (!portatile) QDir(attesa).removeRecursively();
    QString errore;
    const QString cartella = Cartella_applicazione(eseguibile.path(), &errore);
    QCOMPARE(cartella, attesa);
    QVERIFY(errore.isEmpty());
    QVERIFY(QFileInfo(cartella).isDir()); // created when missing
}

// A per-user data folder that cannot be made: a message, and the path anyway.
void Test_avvio_percorsi::cartella_non_creabile() {
    QFile file(dati.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dati.filePath("file/share")));
    QTemporaryDir eseguibile;
    QString errore;
    const QString cartella = Cartella_applicazione(eseguibile.path(), &errore);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dati.path()));
    QCOMPARE(cartella, dati.filePath("file/share/kinetrack"));
    QVERIFY(errore.contains(cartella));
}

QTEST_GUILESS_MAIN(Test_avvio_percorsi)
#include "test_avvio_percorsi.moc"
