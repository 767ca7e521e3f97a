// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A data folder with two athletes of "Squadra A" and known tests, days counted back from
// today: Rossi squats 100 kg first in every session (his reference load), then a heavier
// set; Bianchi has one test.
#include "tests/log/storico_prova.h"

#include <QDir>

struct Diario_prova {
    QString dati, cartella_rossi;
    QStringList file_rossi;       // sample files, oldest first
    std::vector<Riga_test> rossi; // his rows in the index, when indexed
};

inline QDateTime Giorni_fa(int giorni, int minuti = 0) {
    return QDateTime(QDate::currentDate().addDays(-giorni), QTime(9, 0)).addSecs(60 * minuti);
}

inline Diario_prova Scrivi_diario_prova(const QString& dati) {
    Diario_prova d;
    d.dati = dati;
    QDir(dati).mkpath(QStringLiteral("ini"));
    d.cartella_rossi = dati + QStringLiteral("/Squadra A/Rossi");
    auto rossi = [&](Test_esempio t) {
        d.file_rossi << Scrivi_test(dati, "Squadra A", "Rossi", t);
    };
    rossi(Test_di("Squat", 100, Giorni_fa(9), {800, 790, 780}));
    rossi(Test_di("Squat", 120, Giorni_fa(9, 10), {600, 590, 570}));
    rossi(Test_di("Squat", 100, Giorni_fa(7), {810, 800}));
    rossi(Test_di("Panca piana", 60, Giorni_fa(7, 10), {700, 690}));
    Test_esempio nota = Test_di("Squat", 100, Giorni_fa(5), {790, 780, 770});
    nota.rpe = 7;
    nota.nota = QStringLiteral("ginocchio ok");
    rossi(nota);
    rossi(Test_di("Squat", 120, Giorni_fa(5, 10), {610, 600}));
    rossi(Test_di("Squat", 100, Giorni_fa(2), {820, 800, 790}));
    Test_esempio pesante = Test_di("Squat", 130, Giorni_fa(2, 10), {520, 500, 480});
    pesante.escluse = {3};
    pesante.rpe = 8.5f;
    pesante.nota = QStringLiteral("ultima pesante");
    rossi(pesante);
    Scrivi_test(dati, "Squadra A", "Bianchi", Test_di("Squat", 80, Giorni_fa(1), {900, 880}));
    return d;
}

// The same folder, indexed.
inline Diario_prova Diario_indicizzato(const QString& dati) {
    Diario_prova d = Scrivi_diario_prova(dati);
    Indice_test indice(d.dati);
    indice.Aggiorna();
    d.rossi = indice.Test_atleta("Squadra A", "Rossi");
    return d;
}
