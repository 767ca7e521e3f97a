// SPDX-License-Identifier: GPL-3.0-or-later
// The folders are layers: a source file includes only from its own folder's layer and
// the layers below it. The layers are the top CMakeLists.txt's KT_STRATI, bottom first.

#include "tests/support/file_prova.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Each folder's layer: its place in KT_STRATI (folders of one layer joined by ":").
QMap<QString, int> Leggi_strati() {
    QMap<QString, int> strati;
    const QStringList lista = QStringLiteral(KT_STRATI).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < lista.size(); ++i)
        for (const QString& cartella : lista[i].split(QLatin1Char(':'))) strati[cartella] = i;
    return strati;
}
const QMap<QString, int> Strati = Leggi_strati();

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
