// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files, texts and tables stored in tests/reference/ (KT_RIFERIMENTI, set by the test's
// CMakeLists.txt). A table holds one case a line, its fields split by '|'; lines starting with
// '#' say what the columns are.
#include "tests/support/file_prova.h"

#include <QRegularExpression>

// A stored file's bytes, as they are.
inline QByteArray Riferimento(const QString& nome) {
    return Contenuto(QStringLiteral(KT_RIFERIMENTI "/") + nome);
}

// A stored text without its lines starting with '#', which say what it holds.
inline QString Testo_riferimento(const QString& nome) {
    QStringList righe = QString::fromUtf8(Riferimento(nome)).split('\n');
    righe.removeIf([](const QString& riga) { return riga.startsWith('#'); });
    return righe.join('\n');
}

// The table's cases for a data function, each tagged with itself, its fields in the column "r"
// (as Righe_prova in tabella_prova.h).
inline void Righe_riferimento(const QString& nome) {
    QTest::addColumn<QStringList>("r");
    const QStringList righe = Testo_riferimento(nome).split('\n').filter(QRegularExpression("."));
    QVERIFY2(!righe.isEmpty(), qPrintable(nome));
    for (const QString& riga : righe) QTest::newRow(qPrintable(riga)) << riga.split('|');
}

// A table of bytes that no text could hold (line ends, NUL, other code pages): each field is
// percent-encoded (%0D%0A a CR LF, %7C a "|"); a case is tagged with its first field, its
// decoded fields in the column "r".
inline void Righe_byte_riferimento(const QString& nome) {
    QTest::addColumn<QByteArrayList>("r");
    for (const QByteArray& riga : Riferimento(nome).split('\n')) {
        if (riga.isEmpty() || riga.startsWith('#')) continue;
        QByteArrayList campi = riga.split('|');
        for (QByteArray& campo : campi) campo = QByteArray::fromPercentEncoding(campo);
        QTest::newRow(campi[0].constData()) << campi;
    }
}
