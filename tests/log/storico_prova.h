// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Athletes' folders with known tests, written by the program's own save of a set.
#include "log/esempio_storico.h"

#include <QtTest>

inline const QDateTime Lunedi(QDate(2026, 11, 2), QTime(17, 0, 0));

inline Test_esempio Test_di(const QString& esercizio, double carico, const QDateTime& quando,
                            std::vector<double> vmedie) {
    Test_esempio t;
    t.esercizio = esercizio;
    t.carico = carico;
    t.quando = quando;
    t.vmedie = std::move(vmedie);
    return t;
}

inline QString Scrivi_test(const QString& dati, const QString& squadra, const QString& atleta,
                           const Test_esempio& t) {
    QString nome;
    const auto errore = Scrivi_test_storico(dati, squadra, atleta, t, &nome);
    [&] { QVERIFY2(!errore, qPrintable(errore.value_or(QString()))); }();
    return nome;
}
