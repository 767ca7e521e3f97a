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
#include "analysis/frm_atleta.h"
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "datafiles/record_seduta.h"
#include "log/frm_profilo.h"
#include "log/frm_storico.h"
#include "log/indice_sedute.h"
#include "platform/etichetta_accorciata.h"
#include "platform/numerico.h"
#include "session/formato.h"
#include "setup/frm_intestazione.h"
#include "stream/lista_valori.h"
#include "stream/segnali_acustici.h"
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
}

Record_test Record(const Banco_principale& b) {
    Record_test r;
    if (Leggi_record(b.s.Serie.File_record.value(0), r))
        QTest::qFail("unreadable", __FILE__, __LINE__);
    return r;
}

} // namespace

class Test_finestra_principale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // The row shows once the stopped set is saved, with the setup's note (this set's alone);
    // every change of RPE, note or left-out repetition is in the set, its record and
    // analysis file and the index at once (the note when the typing pauses, or at once when the set
    // is about to give way). Reopened from its sample file, the test comes back as recorded: its
    // athlete in the header and caption, not the setup's of now (which stays), its RPE, note and
    // left-out repetition, no board displacement from before. The next set shows the row empty,
    // writes no exclusion while it runs, and hides the row when another starts.
    void giudizio_nel_record_e_test_riaperto() {
        Banco_principale b(Imposta_sollevamenti);
        Riga_valutazione& riga = *b.m.Valutazione;
        b.s.Dati_esercizio.Atleta = "Rossi";
        b.s.Dati_esercizio.Carico = 80;
        b.s.Dati_esercizio.Esercizio = "Squat";
        b.s.Dati_esercizio.Cartella_dati = b.s.Cartella_applicazione + "/Squadra A/Rossi";
        QVERIFY(QDir().mkpath(b.s.Dati_esercizio.Cartella_dati));
        b.s.Nota = "presa larga";
        Serie_salvata(b);
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.Txt_nota->text(), QStringLiteral("presa larga"));
        riga.cbo_rpe->setCurrentIndex(riga.cbo_rpe->findText("7.5"));
        QCOMPARE(Record(b).serie.Rpe, 7.5f);
        // In the index at once, for the club's queue.
        const auto coda = Indice_test(b.s.Cartella_applicazione).Da_inviare();
        QVERIFY(!coda.empty() && coda.back().test.rpe == 7.5f);

        Elenco_valori& valori = b.m.Grafici->Valori();
        valori.Seleziona(0);
        b.m.Grafici->Segui_selezione();
        const QByteArray inclusa = Contenuto(b.s.Serie.File_analisi.value(0));
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(Record(b).serie.Escluse, std::set<int>{1});
        QVERIFY(Contenuto(b.s.Serie.File_analisi.value(0)) != inclusa);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(Contenuto(b.s.Serie.File_analisi.value(0)), inclusa);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);

        riga.Txt_nota->setFocus();
        riga.Txt_nota->selectAll();
        QTest::keyClicks(riga.Txt_nota, "schiena rigida");
        QTRY_COMPARE(Record(b).serie.Nota, QStringLiteral("schiena rigida"));
        // Typed and not yet written when "RESET DATI" clears the set: written first.
        QTest::keyClicks(riga.Txt_nota, " e lenta");
        QCOMPARE(Record(b).serie.Nota, QStringLiteral("schiena rigida"));
        const QString record = b.s.Serie.File_record.value(0);
        b.s.Dati_esercizio.Atleta = "Bianchi";
        b.s.Dati_esercizio.Carico = 50;
        b.m.Comandi->Button_Reset->click();
        QVERIFY(riga.isHidden());
        Record_test dopo;
        QCOMPARE(Leggi_record(record, dopo), std::nullopt);
        QCOMPARE(dopo.serie.Nota, QStringLiteral("schiena rigida e lenta"));
        QCOMPARE(dopo.ripetizioni, 3);

        b.m.Comandi->Apri(QString(record).replace(Suffisso_record, QStringLiteral(".csv")));
        QCOMPARE(b.motore.Lst_valori().Righe(), 3);
        QVERIFY(b.motore.Analisi()[0].Esclusa && !b.motore.Analisi()[1].Esclusa);
        QVERIFY2(b.m.Intestazione->Lbl_intestazione->text().contains("Atleta: Rossi"),
                 qPrintable(b.m.Intestazione->Lbl_intestazione->text()));
        QVERIFY(riga.isVisible());
        QCOMPARE(riga.cbo_rpe->currentText() + "|" + riga.Txt_nota->text(),
                 QStringLiteral("7.5|schiena rigida e lenta"));
        QCOMPARE(b.s.Dati_esercizio.Atleta + "|" + QString::number(b.s.Dati_esercizio.Carico),
                 QStringLiteral("Bianchi|50"));
        QVERIFY2(b.m.windowTitle().contains(" - test aperto: Rossi, "),
                 qPrintable(b.m.windowTitle()));

        Serie_salvata(b);
        QCOMPARE(riga.cbo_rpe->currentText() + riga.Txt_nota->text(), QString());
        const QByteArray prima = Contenuto(b.s.Serie.File_record.value(0));
        b.s.Serie_in_corso = true; // the record as if it were still the set's
        valori.Seleziona(1);
        QTest::keyClick(valori.Tabella(), Qt::Key_Delete);
        QCOMPARE(b.s.Serie.Escluse, std::set<int>{2});
        QCOMPARE(Contenuto(b.s.Serie.File_record.value(0)), prima);
        b.s.Serie_in_corso = false;
        b.motore.Inizia_acquisizione();
        QVERIFY(riga.isHidden());
        b.motore.Fine_acquisizione();
        QVERIFY(b.avvisi.elenco.isEmpty());
    }

    // The keys and the view menu. F9 opens the log, not modal; a test opened from the log is the
    // set in memory. A heavier set first shows no readiness; the first at the reference load shows
    // where the day stands, the whole sentence in its tooltip; a test opened takes it away. The
    // automatic save is in the index (read as it is, not brought up to date from the files) on
    // return. Nothing modal; the log closes with the main window.
    void storico_prontezza_e_indice() {
        // Rossi's training log in the application folder, his setup on squat at 100 kg.
        QLocale::setDefault(QLocale(QLocale::Italian));
        Diario_prova d;
        Banco_principale b(
            [&d](Sessione& s) {
                d = Scrivi_diario_prova(s.Cartella_applicazione);
                s.Dati_esercizio = {.Atleta = "Rossi",
                                    .Carico = 100,
                                    .Esercizio = "Squat",
                                    .Cartella_dati = d.cartella_rossi,
                                    .Squadra = "Squadra A"};
            },
            QLocale(QLocale::Italian));
        Frm_main& m = b.m;
        Frm_cmd& c = *m.Comandi;
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        // Tab goes round in the layout's order: the header strip, the value list, on to the
        // panel's buttons left to right, the header strip again.
        QList<QWidget*> giro{m.Intestazione->Button_Configura};
        giro.front()->setFocus();
        for (int i = 0; i < 40 && (giro.size() == 1 || giro.back() != giro.front()); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            giro << QApplication::focusWidget();
        }
        const QList<QWidget*> fila{c.Button_start,      c.Button_Memo,        c.Button_Segnale,
                                   c.Button_Reset,      c.Button_Ripetizioni, c.Button_Tempo,
                                   c.Button_Grafici,    c.Button_Crono,       c.Button_Calcolatrice,
                                   c.Button_Serie_auto, giro.front()};
        QCOMPARE(giro.value(1), m.Grafici->Valori().Tabella());
        QCOMPARE(giro.mid(giro.size() - fila.size()), fila);
        // F4 switches "MEMO DATI" on and off; F6 opens the graphs' properties.
        for (const bool acceso : {true, false}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
            QCOMPARE(c.Button_Memo->isChecked(), acceso);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(m.Grafici->Editor() != nullptr && m.Grafici->Editor()->isVisible());
        m.Grafici->Editor()->close();
        // The view menu's one mark follows the view shown, chosen there or on the panel.
        const QList<QAction*> viste{m.mnuVisualizzaRipetizioni, m.mnuVisualizzaTempo,
                                    m.mnuVisualizzaGrafico};
        for (const int vista : {0, 1, 2, 0}) {
            vista == 2 ? c.Button_Grafici->click() : viste[vista]->trigger();
            const auto spunte = std::count_if(viste.begin(), viste.end(),
                                              [](const QAction* a) { return a->isChecked(); });
            QCOMPARE((QList<int>{int(spunte), viste[vista]->isChecked(),
                                 int(m.Grafici->Vista_corrente())}),
                     (QList<int>{1, 1, vista}));
        }
        QTest::keyClick(&m, Qt::Key_F9);
        QVERIFY(m.Storico && !m.Storico->isModal());
        QCOMPARE(m.Storico->Atleta(), QString("Rossi")); // its rows: test_frm_storico
        // F8 from the log: the profile names its athlete and changes to another of the team.
        QVERIFY(QTest::qWaitForWindowActive(m.Storico));
        QTest::keyClick(m.Storico, Qt::Key_F8);
        QVERIFY(m.Profilo);
        QVERIFY2(m.Profilo->windowTitle().contains("Rossi, Squat"),
                 qPrintable(m.Profilo->windowTitle()));
        m.Profilo->cbo_atleta->setCurrentText("Bianchi");
        QCOMPARE(m.Profilo->Cartella(), d.dati + "/Squadra A/Bianchi");
        QCOMPARE(m.Profilo->Lst_punti->topLevelItemCount(), 1);
        Q_EMIT m.Storico->Apri_test(d.file_rossi[4]);
        QVERIFY(!b.s.Campioni.empty() && b.s.Serie.Dati_esercizio.Carico == 100.0f);

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
        const QString frase = m.Lbl_prontezza->toolTip();
        QVERIFY2(frase.startsWith("Prontezza Squat (100,0 kg): 0,90 m/s, +") &&
                     frase.endsWith("sulla media delle 4 sedute prima (0,81 m/s), soglia "
                                    "0,08 m/s: sopra"),
                 qPrintable(frase));
        m.Comandi->Apri(d.file_rossi[0]);
        QVERIFY(m.Lbl_prontezza->isHidden());

        Sessione& s = b.s;
        s.Fissa_serie();
        Salvataggi& salva = *m.Salvataggi_test;
        salva.Imposta_orologio([] { return Giorni_fa(0, 3); });
        QSignalSpy indicizzati(&salva, &Salvataggi::Test_indicizzato);
        QVERIFY(salva.Salva_automatico());
        QCOMPARE(indicizzati.size(), 1);
        QCOMPARE(int(Indice_test(d.dati).Test_atleta("Squadra A", "Rossi").size()), 11);
        // F11: the athlete's view, with Rossi's best at this load from the log. A repetition
        // shows there the big display's velocity and colour (past the loss threshold too);
        // Esc closes it.
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QTest::keyClick(&m, Qt::Key_F11);
        Frm_atleta& atleta = *m.Vista_atleta;
        QVERIFY(atleta.isVisible());
        QCOMPARE(atleta.Lbl_migliore->text(), QString("Migliore a questo carico: 0,90 m/s"));
        Imposta_sollevamenti(s);
        b.motore.Inizia_acquisizione();
        Quattro_sollevamenti(b.motore);
        b.motore.Fine_acquisizione();
        const Numerico_misura& display = m.Grafici->Num_vel();
        QCOMPARE(atleta.Lbl_velocita->text() + atleta.Lbl_ripetizione->text(),
                 Formatta(display.Valore() / 1000, 2, QLocale(QLocale::Italian)) + "Ripetizione 3");
        QCOMPARE(atleta.Colore_velocita(), display.Colore());
        QTest::keyClick(&atleta, Qt::Key_Escape);
        QVERIFY(atleta.isHidden());
        QVERIFY(b.avvisi.elenco.isEmpty());
        m.close();
        QTRY_VERIFY(!m.Storico);
    }

    // "Segnali acustici" (on at first) and "Voce" are stored per user; the voice only with the
    // cues, its lack told in the status bar. Each repetition of a set gives one cue, also a line of
    // the cue log's file, and a test opened again gives none. The rest between hands-free sets
    // shows in the status bar and on the athlete's view; its end gives a cue of its own.
    void segnali_acustici_e_recupero() {
        Banco_principale b(Imposta_sollevamenti);
        Frm_main& m = b.m;
        QVERIFY(m.mnuStrumentiSegnali->isChecked());
        m.mnuStrumentiVoce->setChecked(true); // this speaker has no voice: told at once
        QVERIFY(m.Lbl_suono->isVisible() && m.Lbl_suono->text().contains("voce"));
        m.mnuStrumentiSegnali->setChecked(false);
        QVERIFY(!m.mnuStrumentiVoce->isEnabled());
        {
            Banco_principale riaperto;
            QCOMPARE(riaperto.m.mnuStrumentiSegnali->isChecked() * 2 +
                         riaperto.m.mnuStrumentiVoce->isChecked(),
                     1);
        }
        m.mnuStrumentiVoce->setChecked(false);
        m.mnuStrumentiSegnali->setChecked(true);
        const QString registro = b.cartella.filePath("segnali.txt");
        QVERIFY(m.Registra_segnali(registro));
        Serie_salvata(b);
        QCOMPARE(b.suono.suonati.size(), std::size_t(3));
        b.m.Comandi->Apri(b.s.Serie.File_record.value(0).replace(Suffisso_record, ".csv"));
        QCOMPARE(b.suono.suonati.size(), std::size_t(3));

        Q_EMIT m.Comandi->Recupero_cambiato(75);
        QCOMPARE(m.Lbl_recupero->text() + m.Vista_atleta->Lbl_recupero->text(),
                 QString("Recupero 1:15Recupero 1:15"));
        Q_EMIT m.Comandi->Recupero_cambiato(-1);
        QVERIFY(m.Lbl_recupero->isHidden() && m.Vista_atleta->Lbl_recupero->isHidden());
        Q_EMIT m.Comandi->Recupero_concluso();
        QStringList righe = QString::fromUtf8(Contenuto(registro)).split('\n');
        QCOMPARE(righe.size(), 6);
        for (QString& riga : righe) riga = riga.section('\t', 1, 3);
        QCOMPARE(righe.join('|'),
                 QString("segnale\tripetizione\tparole|alto\t1\t|alto\t2\t|perdita\t3\t|"
                         "recupero\t0\t|"));
        QVERIFY(b.avvisi.elenco.isEmpty());
    }
};

QTEST_MAIN(Test_finestra_principale)
#include "test_finestra_principale.moc"
