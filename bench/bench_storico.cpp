// SPDX-License-Identifier: GPL-3.0-or-later
// The index of the tests at its expected size: 20 000 tests of 40 athletes (one of them
// with 2 000) indexed from nothing; one athlete's log opened with the index up to date; a
// newly saved test put into the index, as after the stop's save. Prints the figures. Not
// a test; build in Release or RelWithDebInfo for meaningful numbers.
//
//   bench_storico [tests, default 20000] [athletes, default 40] [data folder, kept]
//
// A kept data folder that already holds the tests is used again as it is (its index
// removed first), so that runs compare on the same files without writing them again.
// A few sets are written by the program's own save; the others are copies of their
// record, summary and analysis under the names of other times (the sample file reduced to
// its header: the index never reads it).

#include "log/diario.h"
#include "log/esempio_storico.h"
#include "log/indice_sedute.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

const QString Squadra = QStringLiteral("Bench");
constexpr int Modelli = 12;

QString Atleta(int n) {
    return QStringLiteral("Atleta %1").arg(n, 2, 10, QLatin1Char('0'));
}

// The base name of test `n`, one minute apart: "2026  gen 01  h.mm.s" as the save names.
QString Base(int n) {
    const QDateTime t = QDateTime(QDate(2020, 1, 1), QTime(6, 0)).addSecs(qint64(n) * 60);
    return t.toString(QStringLiteral("yyyy  MMM dd  H.mm.s"));
}

QByteArray Leggi(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Scrivi(const QString& nome, const QByteArray& byte) {
    QFile f(nome);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

// The athletes' folders: a few sets saved by the program, the others copies of them.
bool Scrivi_dati(const QDir& dati, int n_test, int n_atleti, int grande) {
    QElapsedTimer t;
    t.start();
    struct Modello {
        QByteArray record, sommario, analisi;
    };
    std::vector<Modello> modelli;
    for (int i = 0; i < Modelli; ++i) {
        Test_esempio e;
        e.esercizio = i % 3 == 0   ? QStringLiteral("Squat")
                      : i % 3 == 1 ? QStringLiteral("Panca")
                                   : QStringLiteral("Stacco");
        e.carico = 60 + 10 * (i % 5);
        e.quando = QDateTime(QDate(2019, 12, 1), QTime(8, 0)).addSecs(i * 60);
        for (int r = 0; r < 5; ++r) e.vmedie.push_back(900 - 40 * (i % 5) - 15 * r);
        e.rpe = 7;
        e.nota = QStringLiteral("modello");
        QString campioni;
        if (auto errore = Scrivi_test_storico(dati.path(), "modelli", "m", e, &campioni)) {
            std::fprintf(stderr, "%s\n", qPrintable(*errore));
            return false;
        }
        campioni.chop(4);
        modelli.push_back({Leggi(campioni + QStringLiteral(" test.ini")),
                           Leggi(campioni + QStringLiteral(" ripetizioni.csv")),
                           Leggi(campioni + QStringLiteral(" ripetizioni analisi.csv"))});
    }
    const QByteArray testata = "Kine01;\r\nTempo;Posizione;Velocita;dt\r\n";
    int scritti = 0;
    for (int a = 0; a < n_atleti; ++a) {
        const QString cartella = dati.filePath(Squadra + QLatin1Char('/') + Atleta(a));
        QDir().mkpath(cartella);
        const int quanti = a == 0 ? grande
                                  : (n_test - grande) / (n_atleti - 1) +
                                        (a - 1 < (n_test - grande) % (n_atleti - 1) ? 1 : 0);
        for (int k = 0; k < quanti; ++k, ++scritti) {
            const Modello& m = modelli[std::size_t(scritti % Modelli)];
            const QString b = cartella + QLatin1Char('/') + Base(k);
            if (!Scrivi(b + QStringLiteral(".csv"), testata) ||
                !Scrivi(b + QStringLiteral(" test.ini"), m.record) ||
                !Scrivi(b + QStringLiteral(" ripetizioni.csv"), m.sommario) ||
                !Scrivi(b + QStringLiteral(" ripetizioni analisi.csv"), m.analisi))
                return false;
        }
    }
    QDir(dati.filePath("modelli")).removeRecursively();
    std::printf("data folder: %d tests of %d athletes (one of %d) written in %.1f s\n", scritti,
                n_atleti, grande, double(t.elapsed()) / 1000);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    const int n_test = arg.size() > 1 ? arg[1].toInt() : 20000;
    const int n_atleti = arg.size() > 2 ? arg[2].toInt() : 40;
    const int grande = std::min(2000, n_test / 2);
    QTemporaryDir temporanea;
    const QDir dati(arg.size() > 3 ? arg[3] : temporanea.path());
    QDir().mkpath(dati.path());

    QElapsedTimer t;
    t.start();
    const bool riusata = arg.size() > 3 && QDir(dati.filePath(Squadra)).exists();
    if (riusata) {
        QFile::remove(dati.filePath(QStringLiteral("ini/storico.sqlite")));
        std::printf("data folder %s used again\n", qPrintable(dati.path()));
    } else if (!Scrivi_dati(dati, n_test, n_atleti, grande)) {
        return 1;
    }

    // From nothing.
    t.restart();
    {
        // The processor time of all threads too: on a busy machine it says what the wall
        // time cannot.
        const std::clock_t cpu = std::clock();
        Indice_test indice(dati.path());
        const Esito_indice e = indice.Aggiorna();
        std::printf("index from nothing: %d tests read, %lld skipped, in %lld ms (%.0f ms of "
                    "processor time)\n",
                    e.letti, static_cast<long long>(e.scartati.size()), t.elapsed(),
                    double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
    }
    // Up to date: the whole folder checked again, nothing read.
    t.restart();
    {
        Indice_test indice(dati.path());
        const Esito_indice e = indice.Aggiorna();
        std::printf("whole index checked, up to date: %d unchanged, in %lld ms\n", e.invariati,
                    t.elapsed());
    }
    // One athlete's log: open, check the athlete's files, read the rows, make the log.
    for (int volta = 0; volta < 3; ++volta) {
        t.restart();
        Indice_test indice(dati.path());
        const Esito_indice e = indice.Aggiorna_atleta(Squadra, Atleta(0));
        const auto test = indice.Test_atleta(Squadra, Atleta(0));
        const auto righe = Righe_diario(test, {});
        const qint64 tutto = t.elapsed();
        std::printf("log of %zu tests opened (index up to date, %d unchanged) in %lld ms\n",
                    righe.size(), e.invariati, tutto);
    }
    // A new test saved in the largest folder, then indexed as after the stop's save.
    {
        Test_esempio e;
        e.esercizio = QStringLiteral("Squat");
        e.carico = 100;
        e.quando = QDateTime::currentDateTime();
        e.vmedie = {700, 690, 650};
        QString campioni;
        if (auto errore = Scrivi_test_storico(dati.path(), Squadra, Atleta(0), e, &campioni))
            return 1;
        t.restart();
        const auto errore = Indicizza_test(dati.path(), campioni);
        const qint64 ms = t.elapsed();
        Indice_test indice(dati.path());
        std::printf("new test indexed after its save in %lld ms (%s); the log now has %zu tests\n",
                    ms, errore ? qPrintable(*errore) : "ok",
                    indice.Test_atleta(Squadra, Atleta(0)).size());
        // A kept folder stays as it was written, for the next run.
        const QFileInfo nuovo(campioni);
        for (const QString& f :
             nuovo.dir().entryList({nuovo.completeBaseName() + QLatin1Char('*')}, QDir::Files))
            nuovo.dir().remove(f);
    }
    return 0;
}
