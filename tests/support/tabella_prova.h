// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A data table written as text: each row "a|b|c" is a case tagged with itself, its fields in
// the column "r" (a QStringList).
#include <QtTest>

inline void Righe_prova(std::initializer_list<const char*> righe) {
    QTest::addColumn<QStringList>("r");
    for (const char* riga : righe) QTest::newRow(riga) << QString::fromUtf8(riga).split('|');
}
