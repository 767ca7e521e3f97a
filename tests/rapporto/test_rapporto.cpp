// SPDX-License-Identifier: GPL-3.0-or-later
// The report to hand over: a day's PDF holds the athlete, the tests with their repetitions
// (the left-out one marked), notes, RPE, the day's e1RM and the readiness; kinetrack-storico
// writes it without a display and refuses more than one athlete.
#include "rapporto/rapporto_pdf.h"
#include "rapporto/testi_storico.h"
#include "storico/indice_test.h"
#include "tests/support/diario_prova.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Testo_pdf(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int Pagine_pdf(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    if (!p.waitForFinished(30000)) return -1;
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pagine(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pagine.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class Test_rapporto : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Diario_prova diario;
    const std::vector<Riga_test>& rossi = diario.rossi;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        diario = Diario_indicizzato(dir.filePath("dati"));
        QCOMPARE(int(rossi.size()), 8);
    }

    void a_day_on_paper() {
        Richiesta_rapporto r;
        r.squadra = "Squadra A";
        r.atleta = "Rossi";
        r.storia = rossi;
        for (const Riga_test& t : rossi)
            if (t.quando.date() == Giorni_fa(2).date()) r.test.push_back(t);
        QCOMPARE(int(r.test.size()), 2);
        const QString file = dir.filePath("giorno.pdf");
        Esito_rapporto esito;
        const auto errore = Scrivi_rapporto_pdf(file, r, QLocale(QLocale::Italian), &esito);
        QVERIFY2(!errore, qPrintable(errore.value_or("")));
        QCOMPARE(esito.test, 2);
        QVERIFY(esito.pagine >= 1);
        QCOMPARE(Pagine_pdf(file), esito.pagine);
        const QString testo = Testo_pdf(file).simplified();
        for (const char* atteso :
             {"Rapporto di allenamento: Rossi", "Squadra A", "09:10 Squat, 130,0 kg, RPE 8,5",
              "Nota: ultima pesante", "e1RM del giorno", "Velocità per ripetizione",
              "Prontezza Squat (100,0 kg): 0,82 m/s", "Perdita %"})
            QVERIFY2(testo.contains(QString::fromUtf8(atteso)), atteso);
        // The left-out third repetition of the heavy set is marked, with its propulsive
        // velocity.
        QVERIFY2(testo.contains("3 0,48 7,7 esclusa"), qPrintable(testo));
        QCOMPARE(testo.count("esclusa"), 1); // the others are not
        // Only the day asked for.
        QVERIFY(!testo.contains("ginocchio ok"));
    }

    void nothing_to_report_is_told() {
        Richiesta_rapporto r;
        r.atleta = "Rossi";
        const QString file = dir.filePath("vuoto.pdf");
        const auto errore = Scrivi_rapporto_pdf(file, r, QLocale(QLocale::Italian));
        QVERIFY(errore);
        QVERIFY(errore->contains("nessun test"));
        QVERIFY(!QFile::exists(file));
    }

    // The tool itself, as from a terminal without a display.
    void the_tool_writes_it_without_a_display() {
        const QString file = dir.filePath("strumento.pdf");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(v));
        p.setProcessEnvironment(env);
        const QString dal = Giorni_fa(5).date().toString("yyyy-MM-dd");
        p.start(KT_STORICO, {"--data", diario.dati, "--team", "Squadra A", "--athlete", "Rossi",
                             "--from", dal, "--pdf", file});
        QVERIFY(p.waitForFinished(60000));
        const QString errori = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0, qPrintable(errori));
        QVERIFY2(errori.contains("4 test"), qPrintable(errori));
        QVERIFY(Pagine_pdf(file) >= 1);
        const QString testo = Testo_pdf(file);
        QVERIFY(testo.contains("ginocchio ok"));
        QVERIFY(!testo.contains("Panca piana")); // seven days ago: before --from

        // Two athletes in one report: refused, nothing written.
        const QString due = dir.filePath("due.pdf");
        p.start(KT_STORICO, {"--data", diario.dati, "--team", "Squadra A", "--pdf", due});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("un atleta solo"));
        QVERIFY(!QFile::exists(due));
    }
};

QTEST_MAIN(Test_rapporto)
#include "test_rapporto.moc"
