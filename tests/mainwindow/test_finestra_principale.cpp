// SPDX-License-Identifier: GPL-3.0-or-later
// The main window around a saved set. What the coach says of it: the RPE and the note in the
// status bar's row, repetitions left out from the value list; each change reaches the set's
// record and analysis file at once, and nothing of it asks anything. A saved set is in the
// index of tests before the save returns; the status bar shows the day's readiness once the
// first set at the reference load is saved; F9 opens the athlete's log, and a test opened
// from there is opened as "Apri..." opens it.
#include "acquisition/frm_cmd.h"
#include "acquisition/riga_valutazione.h"
#include "acquisition/salvataggi.h"
#include "analysis/elenco_valori.h"
#include "analysis/frm_grafici.h"
#include "analysis/frm_profilo.h"
#include "analysis/frm_storico.h"
#include "datafiles/record_test.h"
#include "platform/etichetta_accorciata.h"
#include "setup/frm_intestazione.h"
#include "storico/indice_test.h"
#include "stream/lista_valori.h"
#include "tests/support/banco_principale.h"
#include "tests/support/diario_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/serie_prova.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A recorded set of three repetitions, stopped and saved as the start button's stop saves it.
void Serie_salvata(Banco_principale& b) {
    b.motore.Imposta_registrazione(true);
    b.motore.Inizia_acquisizione();
    Quattro_sollevamenti(b.motore);
    b.motore.Fine_acquisizione();
    QVERIFY(b.m.Salvataggi_test->Salva_automatico());
    QCOMPARE(b.s.Serie.File_record.size(), 1);
    QCOMPARE(b.s.Serie.File_analisi.size(), 1);
}

Record_test Record(const Banco_principale& b) {
    Record_test r;
    if (const auto errore = Leggi_record(b.s.Serie.File_record.value(0), r))
        qWarning("%s", qPrintable(*errore));
    return r;
}

// The analysis file's last column ("Esclusa") of each repetition's row.
QStringList Colonna_esclusa(const Banco_principale& b) {
    QStringList colonna;
    const QList<QByteArray> righe = Contenuto(b.s.Serie.File_analisi.value(0)).split('\n');
    for (const QByteArray& riga : righe.mid(1))
        if (const QList<QByteArray> celle = riga.trimmed().split(';'); celle.size() > 1)
            colonna << QString::fromUtf8(celle[celle.size() - 2]); // rows end with ';'
    return colonna;
}

// Rossi's training log in the application folder, his setup on squat at `carico`, the
// windows in Italian.
std::function<void(Sessione&)> Log_di_rossi(Diario_prova& d, double carico) {
    QLocale::setDefault(QLocale(QLocale::Italian));
    return [&d, carico](Sessione& s) {
        d = Scrivi_diario_prova(s.Cartella_applicazione);
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Squadra = "Squadra A";
        s.Dati_esercizio.Esercizio = "Squat";
        s.Dati_esercizio.Carico = static_cast<float>(carico);
        s.Dati_esercizio.Cartella_dati = d.cartella_rossi;
    };
}

} // namespace

class Test_finestra_principale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // The row shows once the stopped set is saved, with the set's RPE and note; every change
    // is in the set and in its record at once (the note when the typing pauses, or at
    // once when the set is about to give way); it goes at the next start.
    void rpe_e_nota_nel_record() {
        Banco_principale b(Imposta_sollevamenti);
        Riga_valutazione& riga = *b.m.Valutazione;
        QVERIFY(riga.isHidden());
        b.s.Nota = "dal setup";
        Serie_salvata(b);
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.Txt_nota->text(), QStringLiteral("dal setup"));
        QCOMPARE(b.s.Nota, QString()); // this set's alone
        QCOMPARE(riga.cbo_rpe->currentText(), QString());
        QCOMPARE(riga.cbo_rpe->count(), 20); // empty, 1 to 10 in halves

        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("8"));
        QCOMPARE(b.s.Serie.Rpe, 8.0f);
        QCOMPARE(Record(b).serie.Rpe, 8.0f);
        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("7.5"));
        QCOMPARE(Record(b).serie.Rpe, 7.5f);
        riga.cbo_rpe->setCurrentIndex(0);
        QCOMPARE(Record(b).serie.Rpe, 0.0f);

        riga.Txt_nota->setFocus();
        riga.Txt_nota->selectAll();
        QTest::keyClicks(riga.Txt_nota, "schiena rigida");
        QCOMPARE(b.s.Serie.Nota, QStringLiteral("schiena rigida"));
        QTRY_COMPARE(Record(b).serie.Nota, QStringLiteral("schiena rigida"));
        // Typed and not yet written when "RESET DATI" clears the set: written first.
        QTest::keyClicks(riga.Txt_nota, " e lenta");
        QCOMPARE(Record(b).serie.Nota, QStringLiteral("schiena rigida"));
        const QString record = b.s.Serie.File_record.value(0);
        b.m.Comandi->Button_Reset->click();
        Record_test dopo;
        QCOMPARE(Leggi_record(record, dopo), std::nullopt);
        QCOMPARE(dopo.serie.Nota, QStringLiteral("schiena rigida e lenta"));
        QCOMPARE(dopo.serie.Dati_esercizio.Vmax, 200.0f); // the rest as it was
        QCOMPARE(dopo.ripetizioni, 3);
        QVERIFY(riga.isHidden());
        QVERIFY(b.avvisi.elenco.isEmpty());

        // The next set: the row again, empty; hidden as soon as another one starts.
        Serie_salvata(b);
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.cbo_rpe->currentIndex(), 0);
        QCOMPARE(riga.Txt_nota->text(), QString()); // the setup's note went with the first
        b.motore.Inizia_acquisizione();
        QVERIFY(riga.isHidden());
        b.motore.Fine_acquisizione();
    }

    // A repetition left out from the value list after the save: the record and the analysis
    // file say so at once; taken back, they no longer do. During a set nothing is written
    // yet: the exclusion waits in the set for its save.
    void esclusione_nei_file() {
        Banco_principale b(Imposta_sollevamenti);
        Serie_salvata(b);
        QCOMPARE(Colonna_esclusa(b).size(), 3);
        Elenco_valori& valori = b.m.Grafici->Valori();
        valori.Seleziona(0);
        b.m.Grafici->Segui_selezione();
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(Record(b).serie.Escluse, std::set<int>{1});
        const QStringList esclusa = Colonna_esclusa(b);
        QCOMPARE(esclusa.size(), 3);
        QVERIFY(esclusa[0] != esclusa[1]);
        QCOMPARE(esclusa[1], esclusa[2]);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(Record(b).serie.Escluse, std::set<int>{});
        QCOMPARE(Colonna_esclusa(b).value(0), esclusa[1]);

        const QString record = b.s.Serie.File_record.value(0);
        const QByteArray prima = Contenuto(record);
        b.s.Acquisizione_in_corso = true; // the record as if it were still the set's
        valori.Seleziona(1);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{2});
        QCOMPARE(Contenuto(record), prima);
        b.s.Acquisizione_in_corso = false;
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    // A test reopened from its sample file comes back as it was recorded: the header and the
    // caption name its athlete, not the setup's of now; the coach's row shows its RPE and
    // note; its left-out repetition is left out again. The setup chosen since stays as it is.
    void riaperto_come_registrato() {
        Banco_principale b(Imposta_sollevamenti);
        b.s.Dati_esercizio.Atleta = "Rossi";
        b.s.Dati_esercizio.Carico = 80;
        b.s.Nota = "presa larga";
        Serie_salvata(b);
        Riga_valutazione& riga = *b.m.Valutazione;
        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("8"));
        b.m.Grafici->Valori().Seleziona(0);
        QTest::keyClick(b.m.Grafici->Valori().Tabella(), Qt::Key_Delete);
        QString campioni = b.s.Serie.File_record.value(0);
        campioni.replace(Suffisso_record, QStringLiteral(".csv"));

        b.s.Dati_esercizio.Atleta = "Bianchi";
        b.s.Dati_esercizio.Carico = 50;
        b.s.Nota.clear();
        b.m.Comandi->Button_Reset->click();
        QVERIFY(riga.isHidden());
        b.m.Intestazione->Spostamento(52, 0);
        b.m.Comandi->Apri(campioni);
        QVERIFY(b.avvisi.elenco.isEmpty());
        QCOMPARE(b.motore.Lst_valori().Righe(), 3);
        QVERIFY(b.motore.Analisi()[0].Esclusa && !b.motore.Analisi()[1].Esclusa);
        QVERIFY2(b.m.Intestazione->Lbl_intestazione->text().contains("Atleta: Rossi"),
                 qPrintable(b.m.Intestazione->Lbl_intestazione->text()));
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.cbo_rpe->currentText(), QStringLiteral("8"));
        QCOMPARE(riga.Txt_nota->text(), QStringLiteral("presa larga"));
        QCOMPARE(b.s.Dati_esercizio.Atleta, QStringLiteral("Bianchi"));
        QCOMPARE(b.s.Dati_esercizio.Carico, 50.0f);
        // The caption names the test and the status bar its file; the board's displacement
        // at the end of the set before is not shown over it. A new set is the program's again.
        QVERIFY2(b.m.windowTitle().contains(" - test aperto: Rossi, "),
                 qPrintable(b.m.windowTitle()));
        QVERIFY(b.m.Lbl_salvato->text().startsWith("Aperto: "));
        QCOMPARE(b.m.Intestazione->Lbl_spostamento->text(), QStringLiteral("Spost(cm)=  0"));
        b.s.Fissa_serie();
        b.m.Aggiorna_didascalia(b.s);
        QVERIFY(!b.m.windowTitle().contains("Rossi"));
    }

    // The automatic save and the summary saved under a chosen name, in a folder of its own:
    // each in the index (read as it is, not brought up to date from the files) on return.
    void ogni_salvataggio_nell_indice() {
        Diario_prova d;
        Banco_principale b(Log_di_rossi(d, 100), QLocale(QLocale::Italian));
        Sessione& s = b.s;
        s.Campioni.resize(4);
        s.Fissa_serie();
        Ripetizione r;
        r.Vmedia_conc = 900;
        Lista_valori lista;
        lista.Aggiungi(Lista_valori::Formatta_riga(r, 1, QLocale::c()));
        Salvataggi salva(s, lista, b.avvisi, QLocale::c());
        salva.Imposta_orologio([] { return Giorni_fa(0, 1); });
        QSignalSpy indicizzati(&salva, &Salvataggi::Test_indicizzato);
        QVERIFY(salva.Salva_automatico());
        QCOMPARE(indicizzati.size(), 1);
        auto test = Indice_test(d.dati).Test_atleta("Squadra A", "Rossi");
        QCOMPARE(int(test.size()), 9);
        QCOMPARE(*test.front().vmedia_tabella, 0.9);

        QDir(d.dati).mkpath("Squadra A/Verdi");
        s.Dati_esercizio.Atleta = "Verdi";
        s.Dati_esercizio.Cartella_dati = d.dati + "/Squadra A/Verdi";
        s.Fissa_serie();
        salva.Imposta_scelta_file([](QWidget*, const Richiesta_file& richiesta) {
            return richiesta.cartella + "/scelto.csv";
        });
        salva.Salva_dati_con_nome(nullptr);
        QCOMPARE(indicizzati.size(), 2);
        QCOMPARE(indicizzati[1][0].toString(), d.dati + "/Squadra A/Verdi/scelto.csv");
        QCOMPARE(int(Indice_test(d.dati).Test_atleta("Squadra A", "Verdi").size()), 1);
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    // A heavier set first shows nothing; the first at the reference load shows where the
    // day stands, the whole sentence in its tooltip, nothing modal; a test opened takes it
    // away.
    void prontezza_dopo_la_prima_serie() {
        Diario_prova d;
        Banco_principale b(Log_di_rossi(d, 120), QLocale(QLocale::Italian));
        Frm_main& m = b.m;
        QVERIFY(m.Lbl_prontezza->isHidden());
        const auto Salvato = [&](double carico, int minuto, double velocita) {
            const QString file =
                Scrivi_test(d.dati, "Squadra A", "Rossi",
                            Test_di("Squat", carico, Giorni_fa(0, minuto), {velocita}));
            QVERIFY(!Indicizza_test(d.dati, file));
            Q_EMIT m.Salvataggi_test->Test_indicizzato(file);
        };
        Salvato(120, 1, 650);
        QVERIFY(m.Lbl_prontezza->isHidden());
        Salvato(100, 2, 900);
        QVERIFY(m.Lbl_prontezza->isVisible());
        QVERIFY2(m.Lbl_prontezza->text().startsWith("Prontezza Squat 100,0 kg: sopra (0,90 m/s, +"),
                 qPrintable(m.Lbl_prontezza->text()));
        const QString frase = m.Lbl_prontezza->toolTip();
        QVERIFY2(frase.startsWith("Prontezza Squat (100,0 kg): 0,90 m/s, +") &&
                     frase.endsWith("sulla media delle 4 sedute prima (0,81 m/s): sopra"),
                 qPrintable(frase));
        QVERIFY(b.avvisi.elenco.isEmpty());
        m.Comandi->Apri(d.file_rossi[0]);
        QVERIFY(m.Lbl_prontezza->isHidden());
    }

    // F9 opens the log, not modal; F8 from there the profile, which names its athlete and
    // can change to another; a test opened from the log is the set in memory; the log closes
    // with the main window.
    void f9_apre_lo_storico_e_un_test() {
        Diario_prova d;
        Banco_principale b(Log_di_rossi(d, 100), QLocale(QLocale::Italian));
        Frm_main& m = b.m;
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTest::keyClick(&m, Qt::Key_F9);
        QVERIFY(m.Storico);
        QCOMPARE(m.Storico->Atleta(), QString("Rossi"));
        QVERIFY(!m.Storico->isModal());
        QCOMPARE(m.Storico->Lst_test->topLevelItemCount(), 8);
        QVERIFY(QTest::qWaitForWindowActive(m.Storico));
        QTest::keyClick(m.Storico, Qt::Key_F8);
        QVERIFY(m.Profilo);
        QVERIFY2(m.Profilo->windowTitle().contains("Rossi, Squat"),
                 qPrintable(m.Profilo->windowTitle()));
        m.Profilo->cbo_atleta->setCurrentText("Bianchi");
        QCOMPARE(m.Profilo->Cartella(), d.dati + "/Squadra A/Bianchi");
        QCOMPARE(m.Profilo->Lst_punti->topLevelItemCount(), 1);
        Q_EMIT m.Storico->Apri_test(d.file_rossi[4]);
        QVERIFY2(b.avvisi.elenco.isEmpty(), qPrintable(b.avvisi.elenco.value(0).testo));
        QVERIFY(!b.s.Campioni.empty());
        QCOMPARE(b.s.Serie.Dati_esercizio.Carico, 100.0f);
        QVERIFY2(m.windowTitle().contains("Rossi, Squat, "), qPrintable(m.windowTitle()));
        m.close();
        QTRY_VERIFY(!m.Storico);
    }
};

QTEST_MAIN(Test_finestra_principale)
#include "test_finestra_principale.moc"
