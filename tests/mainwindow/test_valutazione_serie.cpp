// SPDX-License-Identifier: GPL-3.0-or-later
// What the coach says of a set in the main window once it is saved: the RPE and the note in
// the status bar's row, and repetitions left out from the value list; each change reaches
// the set's record and analysis file at once, and nothing of it asks anything.
#include "acquisition/frm_cmd.h"
#include "acquisition/riga_valutazione.h"
#include "acquisition/salvataggi.h"
#include "analysis/elenco_valori.h"
#include "analysis/frm_analisi.h"
#include "analysis/frm_grafici.h"
#include "datafiles/record_test.h"
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "session/sessione.h"
#include "setup/frm_intestazione.h"
#include "stream/motore_misura.h"
#include "tests/device/test_protocollo_finti.h"
#include "tests/support/file_prova.h"
#include "tests/support/serie_prova.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The main window over a temporary application folder, listening to the engine as the
// program makes it listen.
struct Banco {
    QTemporaryDir cartella;
    Sessione s;
    Motore_misura motore{s, QLocale::c()};
    Avvisi_registrati avvisi;
    Protocollo protocollo{s, motore, avvisi};
    Frm_main m;
    Banco() {
        s.Cartella_applicazione = cartella.path();
        Imposta_sollevamenti(s);
        m.Apri_finestre(s, QLocale::c(), protocollo, motore, avvisi);
        m.Grafici->Imposta_lista(&motore.Lst_valori());
        m.Grafici->Imposta_analisi(&motore.Analisi());
        motore.Aggiungi_vista(*m.Grafici);
        motore.Aggiungi_vista(*m.Inoltro_analisi);
        m.show();
    }
    ~Banco() { motore.Togli_viste(); }
    // A recorded set of three repetitions, stopped and saved as the start button's stop
    // saves it.
    void Serie_salvata() {
        motore.Imposta_registrazione(true);
        motore.Inizia_acquisizione();
        Quattro_sollevamenti(motore);
        motore.Fine_acquisizione();
        QVERIFY(m.Salvataggi_test->Salva_automatico());
        QCOMPARE(s.Serie.File_record.size(), 1);
        QCOMPARE(s.Serie.File_analisi.size(), 1);
    }
    Record_test Record() const {
        Record_test r;
        const auto errore = Leggi_record(s.Serie.File_record.value(0), r);
        if (errore) qWarning("%s", qPrintable(*errore));
        return r;
    }
    // The analysis file's last column ("Esclusa") of each repetition's row.
    QStringList Colonna_esclusa() const {
        QFile file(s.Serie.File_analisi.value(0));
        if (!file.open(QIODevice::ReadOnly)) return {"(illeggibile)"};
        QStringList colonna;
        const QList<QByteArray> righe = file.readAll().split('\n');
        for (const QByteArray& riga : righe.mid(1))
            if (const QList<QByteArray> celle = riga.trimmed().split(';'); celle.size() > 1)
                colonna << QString::fromUtf8(celle[celle.size() - 2]); // rows end with ';'
        return colonna;
    }
};

} // namespace

class Test_valutazione_serie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The row shows once the stopped set is saved, with the set's RPE and note; every change
    // is in the set and in its record at once (the note when the typing pauses, or at
    // once when the set is about to give way); it goes at the next start.
    void rpe_e_nota_nel_record() {
        Banco b;
        Riga_valutazione& riga = *b.m.Valutazione;
        QVERIFY(riga.isHidden());
        b.s.Nota = "dal setup";
        b.Serie_salvata();
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.Txt_nota->text(), QStringLiteral("dal setup"));
        QCOMPARE(b.s.Nota, QString()); // this set's alone
        QCOMPARE(riga.cbo_rpe->currentText(), QString());
        QCOMPARE(riga.cbo_rpe->accessibleName(), QStringLiteral("RPE"));
        QCOMPARE(riga.Lbl_rpe->buddy(), riga.cbo_rpe);
        QCOMPARE(riga.Lbl_nota->buddy(), riga.Txt_nota);
        QCOMPARE(riga.cbo_rpe->count(), 20); // empty, 1 to 10 in halves

        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("8"));
        QCOMPARE(b.s.Serie.Rpe, 8.0f);
        QCOMPARE(b.Record().serie.Rpe, 8.0f);
        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("7.5"));
        QCOMPARE(b.Record().serie.Rpe, 7.5f);
        riga.cbo_rpe->setCurrentIndex(0);
        QCOMPARE(b.Record().serie.Rpe, 0.0f);

        riga.Txt_nota->setFocus();
        riga.Txt_nota->selectAll();
        QTest::keyClicks(riga.Txt_nota, "schiena rigida");
        QCOMPARE(b.s.Serie.Nota, QStringLiteral("schiena rigida"));
        QTRY_COMPARE(b.Record().serie.Nota, QStringLiteral("schiena rigida"));
        // Typed and not yet written when "RESET DATI" clears the set: written first.
        QTest::keyClicks(riga.Txt_nota, " e lenta");
        const Record_test prima = b.Record();
        QCOMPARE(prima.serie.Nota, QStringLiteral("schiena rigida"));
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
        b.Serie_salvata();
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
        Banco b;
        b.Serie_salvata();
        QCOMPARE(b.Colonna_esclusa().size(), 3);
        Elenco_valori& valori = b.m.Grafici->Valori();
        valori.Seleziona(0);
        b.m.Grafici->Segui_selezione();
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.Record().serie.Escluse, std::set<int>{1});
        const QStringList esclusa = b.Colonna_esclusa();
        QCOMPARE(esclusa.size(), 3);
        QVERIFY(esclusa[0] != esclusa[1]);
        QCOMPARE(esclusa[1], esclusa[2]);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.Record().serie.Escluse, std::set<int>{});
        QCOMPARE(b.Colonna_esclusa().value(0), esclusa[1]);

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
    // caption name its athlete, not the setup's of now; the coach's row shows its RPE and note; its
    // left-out repetition is left out again. The setup chosen since stays as it is.
    void riaperto_come_registrato() {
        Banco b;
        b.s.Dati_esercizio.Atleta = "Rossi";
        b.s.Dati_esercizio.Carico = 80;
        b.s.Nota = "presa larga";
        b.Serie_salvata();
        Riga_valutazione& riga = *b.m.Valutazione;
        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("8"));
        b.m.Grafici->Valori().Seleziona(0);
        QTest::keyClick(b.m.Grafici->Valori().Tabella(), Qt::Key_Delete);
        QString campioni = b.s.Serie.File_record.value(0);
        campioni.replace(Suffisso_record, QStringLiteral(".csv"));
        QVERIFY(QFile::exists(campioni));

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
};

QTEST_MAIN(Test_valutazione_serie)
#include "test_valutazione_serie.moc"
