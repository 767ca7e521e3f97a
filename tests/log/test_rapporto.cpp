// SPDX-License-Identifier: GPL-3.0-or-later
// The report to hand over: a day's PDF holds the athlete, the tests with their repetitions
// (the left-out one marked), notes, RPE, the day's e1RM and the readiness; kinetrack-storico
// writes it without a display and refuses more than one athlete.
#include "log/indice_sedute.h"
#include "log/rapporto_pdf.h"
#include "log/testi_storico.h"
#include "tests/support/diario_prova.h"
#include "tests/support/processo_prova.h"
#include "tests/support/riferimento_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Testo_pdf(const QString& file) {
    const Esito_programma e = Esegui_programma("pdftotext", {"-layout", file, "-"});
    return e.codice == 0 ? e.uscita : QString();
}
int Pagine_pdf(const QString& file) {
    static const QRegularExpression pagine(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pagine.match(Esegui_programma("pdfinfo", {file}).uscita);
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

    void un_giorno_su_carta() {
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
        QVERIFY(esito.test == 2 && esito.pagine >= 1 && Pagine_pdf(file) == esito.pagine);
        const QString testo = Testo_pdf(file).simplified();
        // Last, the left-out third repetition of the heavy set, marked with its propulsive
        // velocity; the others are not.
        for (const QString& atteso :
             QString::fromUtf8(Riferimento("rapporto/giorno.txt")).split('\n', Qt::SkipEmptyParts))
            QVERIFY2(testo.contains(atteso), qPrintable(atteso + " / " + testo));
        QCOMPARE(testo.count("esclusa"), 1);
        QVERIFY(!testo.contains("ginocchio ok")); // only the day asked for
        // Nothing to report: refused, no file.
        r.test.clear();
        QVERIFY(Scrivi_rapporto_pdf(dir.filePath("vuoto.pdf"), r, QLocale(QLocale::Italian))
                    .value_or("")
                    .contains("nessun test"));
        QVERIFY(!QFile::exists(dir.filePath("vuoto.pdf")));
    }

    // The tool itself, as from a terminal without a display.
    void lo_strumento_lo_scrive_senza_schermo() {
        const QString file = dir.filePath("strumento.pdf"), due = dir.filePath("due.pdf");
        const Variabili senza_schermo{
            {"DISPLAY", {}}, {"WAYLAND_DISPLAY", {}}, {"QT_QPA_PLATFORM", {}}};
        const QString dal = Giorni_fa(5).date().toString("yyyy-MM-dd");
        Esito_programma e = Esegui_programma(KT_STORICO,
                                             {"--data", diario.dati, "--team", "Squadra A",
                                              "--athlete", "Rossi", "--from", dal, "--pdf", file},
                                             senza_schermo);
        QVERIFY2(e.codice == 0 && e.errori.contains("4 test"), qPrintable(e.errori));
        const QString testo = Testo_pdf(file); // not "Panca piana", seven days ago: before --from
        QVERIFY(Pagine_pdf(file) >= 1 && testo.contains("ginocchio ok") &&
                !testo.contains("Panca piana"));
        // Two athletes in one report: refused, nothing written.
        e = Esegui_programma(KT_STORICO,
                             {"--data", diario.dati, "--team", "Squadra A", "--pdf", due},
                             senza_schermo);
        QVERIFY(e.codice == 2 && e.errori.contains("un atleta solo") && !QFile::exists(due));
    }
};

QTEST_MAIN(Test_rapporto)
#include "test_rapporto.moc"
