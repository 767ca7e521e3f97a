// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored files of tests/reference/: the test's target gives their folder as KT_RIFERIMENTI.
#include "tests/support/file_prova.h"

inline QByteArray Riferimento(const QString& nome) {
    return Contenuto(QStringLiteral(KT_RIFERIMENTI "/") + nome);
}

// A table stored as text: each line "tag|a|b" not starting with "#" is a case tagged with its
// first field; its fields, percent-decoded (%0D%0A a CR LF, %7C a "|"), in the column "r".
inline void Righe_riferimento(const QString& nome) {
    QTest::addColumn<QByteArrayList>("r");
    for (const QByteArray& riga : Riferimento(nome).split('\n')) {
        if (riga.isEmpty() || riga.startsWith('#')) continue;
        QByteArrayList campi = riga.split('|');
        for (QByteArray& campo : campi) campo = QByteArray::fromPercentEncoding(campo);
        QTest::newRow(campi[0].constData()) << campi;
    }
}
