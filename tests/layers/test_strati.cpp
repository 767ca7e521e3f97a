// SPDX-License-Identifier: GPL-3.0-or-later
// The folders are layers: a source file includes only from its own folder's layer and
// the layers below it. A new folder must be given its layer here.

#include "tests/support/file_prova.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Bottom first. Folders of one layer may include each other.
const QMap<QString, int> Strati{
    {"session", 0},   {"platform", 1}, {"stream", 2}, {"device", 3},       {"datafiles", 4},
    {"storico", 5},   {"rapporto", 6}, {"board", 7},  {"virtualboard", 8}, {"comandi", 9},
    {"analysis", 10}, {"setup", 11},   {"tools", 11}, {"acquisition", 12}, {"mainwindow", 13},
    {"program", 14},  {"apps", 15},    {"bench", 15}, {"tests", 15},
};

// Every violation in the tree: "file: includes folder/header".
QStringList Violazioni(const QString& radice) {
    static const QRegularExpression inclusione(QStringLiteral("^\\s*#\\s*include\\s+\"([a-z]+)/"),
                                               QRegularExpression::MultilineOption);
    QStringList trovate;
    QDirIterator it(radice, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        const QString relativo = QDir(radice).relativeFilePath(percorso);
        const QString cartella = relativo.section(QLatin1Char('/'), 0, 0);
        if (!Strati.contains(cartella)) continue; // build trees, docs
        QFile file(percorso);
        if (!file.open(QIODevice::ReadOnly)) trovate << relativo + QStringLiteral(": illeggibile");
        const QString testo = QString::fromUtf8(file.readAll());
        for (auto m = inclusione.globalMatch(testo); m.hasNext();) {
            const QString inclusa = m.next().captured(1);
            if (!Strati.contains(inclusa))
                trovate << relativo + QStringLiteral(": cartella sconosciuta ") + inclusa;
            else if (Strati.value(inclusa) > Strati.value(cartella))
                trovate << relativo + QStringLiteral(": include ") + inclusa;
        }
    }
    return trovate;
}

} // namespace

class Test_strati : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The check itself first: a lower folder including a higher one is caught.
    void nessun_file_include_da_uno_strato_superiore() {
        QTemporaryDir prova;
        Scrivi(prova.filePath("stream/x.h"),
               "#include \"session/sessione.h\"\n#include \"analysis/frm_grafici.h\"\n");
        QCOMPARE(Violazioni(prova.path()), QStringList{"stream/x.h: include analysis"});
        const QStringList trovate = Violazioni(QStringLiteral(KT_SORGENTI));
        QVERIFY2(trovate.isEmpty(), qPrintable(trovate.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(Test_strati)
#include "test_strati.moc"
