// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables and texts stored in tests/reference/ (KT_RIFERIMENTI, set by the test's
// CMakeLists.txt). A table holds one case a line, its fields split by '|'; lines starting with
// '#' say what the columns are.
#include "tests/support/file_prova.h"

// A stored text without its lines starting with '#', which say what it holds.
inline QString Testo_riferimento(const QString& nome) {
    QStringList righe =
        QString::fromUtf8(Contenuto(QStringLiteral(KT_RIFERIMENTI "/") + nome)).split('\n');
    righe.removeIf([](const QString& riga) { return riga.startsWith('#'); });
    return righe.join('\n');
}

// The table's cases for a data function, each tagged with itself, its fields in the column "r"
// (as Righe_prova in tabella_prova.h).
inline void Righe_riferimento(const QString& nome) {
    QTest::addColumn<QStringList>("r");
    const QStringList righe = Testo_riferimento(nome).split('\n').filter(QRegularExpression("."));
    QVERIFY2(!righe.isEmpty() && !righe.front().startsWith("(manca)"), qPrintable(nome));
    for (const QString& riga : righe) QTest::newRow(qPrintable(riga)) << riga.split('|');
}
