// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saved tests whose best propulsive velocities lie on a known line, for the profile's tests.
#include "datafiles/salva_analisi.h"
#include "log/esempio_profilo.h"

#include <QtTest>

inline const QDateTime Inizio_prove(QDate(2026, 12, 7), QTime(10, 0, 0));

// One test per load on v = intercetta + pendenza * load (m/s): three repetitions with the
// best in the middle. Every file's full name goes to `nomi` when given.
inline void Scrivi_test_retta(const QString& cartella, const QString& esercizio,
                              const QList<double>& carichi, double intercetta, double pendenza,
                              const QLocale& locale, int primo = 0, QStringList* nomi = nullptr) {
    for (int i = 0; i < carichi.size(); ++i) {
        const auto v = static_cast<float>(1000 * (intercetta + pendenza * carichi[i]));
        QString nome;
        const auto errore = Scrivi_test_analizzato(
            cartella, QStringLiteral("Rossi"), esercizio, static_cast<float>(carichi[i]),
            {0.9f * v, v, 0.95f * v}, locale, Inizio_prove.addSecs(primo + i), &nome);
        QVERIFY2(!errore, qPrintable(errore.value_or(QString())));
        if (nomi) *nomi << nome;
    }
}
