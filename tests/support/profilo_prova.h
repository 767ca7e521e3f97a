// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saved tests whose best lifting velocities lie on a known line, for the profile's tests.
#include "datafiles/esempio_profilo.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/salva_analisi.h"
#include "session/formato.h"

#include <QFile>
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
        const auto errore = Scrivi_test_esempio(
            cartella, QStringLiteral("Rossi"), esercizio, static_cast<float>(carichi[i]),
            {0.9f * v, v, 0.95f * v}, locale, Inizio_prove.addSecs(primo + i), &nome);
        QVERIFY2(!errore, qPrintable(errore.value_or(QString())));
        if (nomi) *nomi << nome;
    }
}

// The analysis file beside summary `sommario`: one repetition per velocity (m/s).
inline void Scrivi_analisi(const QString& sommario, const QList<double>& velocita,
                           const QLocale& locale) {
    QByteArray testo = "N\xB0Rip;Vmedia;Vpropulsiva;Durata propulsiva;Potenza media;Potenza "
                       "max;Perdita %;\r\n";
    for (int i = 0; i < velocita.size(); ++i) {
        QString riga = QStringLiteral(" %1 ;").arg(i + 1);
        for (const double v : {1000 * velocita[i], 950 * velocita[i], 0.6, 700.0, 1400.0, 2.5})
            riga += Formatta(v, "0.00", locale) + QLatin1Char(';');
        testo += riga.toLatin1() + "\r\n";
    }
    QFile file(Nome_file_analisi(sommario));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(testo), testo.size());
}
