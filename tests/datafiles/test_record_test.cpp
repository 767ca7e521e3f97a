// SPDX-License-Identifier: GPL-3.0-or-later
// A test's record read back: whatever the writer puts in it comes back the same; what a
// coach leaves after editing it by hand in a Windows editor reads as meant; a damaged or
// incomplete record is told, never read as something else.
#include "datafiles/record_test.h"
#include "tests/support/file_prova.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

Record_test Completo() {
    Record_test r;
    Serie_t& s = r.serie;
    s.Dati_esercizio.Squadra = QStringLiteral("Società \"Sportiva\" Tèrni");
    s.Dati_esercizio.Atleta = QStringLiteral("@nna D'Angelo");
    s.Dati_esercizio.Esercizio = QStringLiteral("  Squat, parallelo  ");
    s.Dati_esercizio.Carico = 82.5f;
    s.Dati_esercizio.Vmax = 1200;
    s.Dati_esercizio.Limite_sup = 90;
    s.Dati_esercizio.Limite_inf = 70;
    s.Dati_esercizio.Ampiezza_minima = 150;
    s.Soglia_perdita = 25;
    s.Tipo_scheda = 3;
    s.Collegamento = Collegamento::Hid;
    s.Inizio = QDateTime(QDate(2026, 11, 2), QTime(17, 0, 5), Qt::OffsetFromUTC, 3600);
    s.Nota = QStringLiteral("gambe; pesanti = 80%\n\"poi\" meglio\t€ \\ ok\x01"
                            "1 ");
    s.Rpe = 8.5f;
    s.Escluse = {2, 5};
    s.Riferimento = Velocita_riferimento::Vpropulsiva;
    r.durata_s = 31.25;
    r.campioni = 123456789012;
    r.ripetizioni = 6;
    return r;
}

void Uguali(const Record_test& a, const Record_test& b) {
    const Serie_t &s = a.serie, &t = b.serie;
    QCOMPARE(s.Dati_esercizio.Squadra, t.Dati_esercizio.Squadra);
    QCOMPARE(s.Dati_esercizio.Atleta, t.Dati_esercizio.Atleta);
    QCOMPARE(s.Dati_esercizio.Esercizio, t.Dati_esercizio.Esercizio);
    QCOMPARE(s.Dati_esercizio.Carico, t.Dati_esercizio.Carico);
    QCOMPARE(s.Dati_esercizio.Vmax, t.Dati_esercizio.Vmax);
    QCOMPARE(s.Dati_esercizio.Limite_sup, t.Dati_esercizio.Limite_sup);
    QCOMPARE(s.Dati_esercizio.Limite_inf, t.Dati_esercizio.Limite_inf);
    QCOMPARE(s.Dati_esercizio.Ampiezza_minima, t.Dati_esercizio.Ampiezza_minima);
    QCOMPARE(s.Soglia_perdita, t.Soglia_perdita);
    QCOMPARE(s.Tipo_scheda, t.Tipo_scheda);
    QCOMPARE(s.Collegamento, t.Collegamento);
    QCOMPARE(s.Inizio, t.Inizio);
    QCOMPARE(s.Inizio.offsetFromUtc(), t.Inizio.offsetFromUtc());
    QCOMPARE(s.Nota, t.Nota);
    QCOMPARE(s.Rpe, t.Rpe);
    QVERIFY(s.Escluse == t.Escluse);
    QCOMPARE(s.Riferimento, t.Riferimento);
    QCOMPARE(a.durata_s, b.durata_s);
    QCOMPARE(a.campioni, b.campioni);
    QCOMPARE(a.ripetizioni, b.ripetizioni);
}

// The record as a coach saves it again from Notepad: CR LF, windows-1252.
QByteArray Come_da_windows(const char* testo) {
    return QByteArray(testo).replace("\n", "\r\n");
}

} // namespace

class Test_record_test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Quotes, escapes, separators, a leading "@", a control character and text beyond
    // Latin-1: what is written comes back, from the text and from the file.
    void what_is_written_comes_back() {
        const Record_test scritto = Completo();
        Record_test letto;
        QCOMPARE(Leggi_testo_record(Testo_record(scritto), letto), std::nullopt);
        Uguali(letto, scritto);

        QTemporaryDir cartella;
        const QString nome = cartella.filePath("2026  nov 02  17.00.5 test.ini");
        QCOMPARE(Scrivi_record(nome, scritto), std::nullopt);
        Record_test dal_file;
        QCOMPARE(Leggi_record(nome, dal_file), std::nullopt);
        Uguali(dal_file, scritto);

        // Empty texts and no RPE stay empty.
        Record_test vuoto;
        vuoto.serie.Dati_esercizio.Esercizio = QStringLiteral("Panca");
        QCOMPARE(Leggi_testo_record(Testo_record(vuoto), letto), std::nullopt);
        Uguali(letto, vuoto);
    }

    // Comments, blank lines, CR LF, spaces around "=", keys in another case, other groups,
    // a note in windows-1252 with ";" and ",", a decimal comma, a byte-order mark.
    void a_record_edited_by_hand() {
        const QByteArray testo = Come_da_windows("; scheda corretta a mano\n"
                                                 "\n"
                                                 "[altro]\n"
                                                 "load=1\n"
                                                 "[Test]\n"
                                                 "# versione\n"
                                                 "format = 1\n"
                                                 "Exercise=Stacco \x96 rumeno\n"
                                                 "  load =  82,5  \n"
                                                 "note=pi\xF9 veloce; poi, male \x80\n"
                                                 "excluded=1,3\n"
                                                 "rpe=7\n"
                                                 "start=2026-11-02T17:00:05+01:00\n");
        Record_test r;
        QCOMPARE(Leggi_testo_record(testo, r), std::nullopt);
        QCOMPARE(r.serie.Dati_esercizio.Esercizio, QStringLiteral("Stacco – rumeno"));
        QCOMPARE(r.serie.Dati_esercizio.Carico, 82.5f);
        QCOMPARE(r.serie.Nota, QStringLiteral("più veloce; poi, male €"));
        QVERIFY(r.serie.Escluse == std::set<int>({1, 3}));
        QCOMPARE(r.serie.Rpe, 7.0f);
        QCOMPARE(r.serie.Inizio,
                 QDateTime(QDate(2026, 11, 2), QTime(17, 0, 5), Qt::OffsetFromUTC, 3600));
        // Keys left out take their defaults.
        QCOMPARE(r.serie.Soglia_perdita, 20.0f);
        QCOMPARE(r.serie.Riferimento, Velocita_riferimento::Vmedia_tabella);
        QCOMPARE(r.ripetizioni, 0);

        // Saved again as UTF-8 with a byte-order mark, or as "Unicode".
        const QString utf = QStringLiteral("[test]\r\nformat=1\r\nexercise=Stacco – rumeno\r\n");
        QCOMPARE(Leggi_testo_record("\xEF\xBB\xBF" + utf.toUtf8(), r), std::nullopt);
        QCOMPARE(r.serie.Dati_esercizio.Esercizio, QStringLiteral("Stacco – rumeno"));
        QByteArray utf16("\xFF\xFE", 2);
        utf16 += QByteArray(reinterpret_cast<const char*>(utf.utf16()), utf.size() * 2);
        QCOMPARE(Leggi_testo_record(utf16, r), std::nullopt);
        QCOMPARE(r.serie.Dati_esercizio.Esercizio, QStringLiteral("Stacco – rumeno"));
    }

    // A record that cannot be used says why and leaves the record it was given as it was.
    void a_damaged_record_is_told() {
        const struct {
            QByteArray testo;
            const char* motivo;
        } casi[] = {
            {QByteArray(300, '\0'), "file danneggiato (riga 1)"},
            {QByteArray("[test]\nformat=1\nload=80\n\0\0\0\0", 28), "file danneggiato (riga 4)"},
            {"[test]\nformat=1\nnote=\"non chiusa\n", "file danneggiato (riga 3)"},
            {"[test\nformat=1\n", "file danneggiato (riga 1)"},
            {"[test]\nformat=1\nsolo testo\n", "file danneggiato (riga 3)"},
            {"Kine01;\r\nTempo;Posizione;Velocita;dt\r\n", "file danneggiato (riga 1)"},
            {"", "non è la scheda di un test"},
            {"[altro]\nformat=1\n", "non è la scheda di un test"},
            {"[test]\nload=80\n", "versione del formato mancante o illeggibile"},
            {"[test]\nformat=2\n", "scritta da una versione più recente"},
            {"[test]\nformat=1\nload=ottanta\nrpe=11\nexcluded=2,x\n",
             "valori illeggibili: load, rpe, excluded"},
        };
        for (const auto& caso : casi) {
            Record_test r;
            r.serie.Nota = QStringLiteral("prima");
            const auto errore = Leggi_testo_record(caso.testo, r);
            QVERIFY2(errore && errore->startsWith(QString::fromUtf8(caso.motivo)),
                     qPrintable(caso.testo + " -> " + errore.value_or("(letto)")));
            QCOMPARE(r.serie.Nota, QStringLiteral("prima"));
        }
        // A file that cannot be read at all is told by the system's reason.
        QTemporaryDir cartella;
        Record_test r;
        const auto errore = Leggi_record(cartella.filePath("manca test.ini"), r);
        QVERIFY(errore && !errore->isEmpty());
    }
};

QTEST_GUILESS_MAIN(Test_record_test)
#include "test_record_test.moc"
