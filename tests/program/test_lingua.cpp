// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's language. English comes from the catalogue built into the program, with
// Qt's own texts; Italian takes both back, also on a system set to English. The windows
// read English throughout, the texts the code keeps in tables and builds from pieces among
// them, while what is written to files or kept by position stays as it is. The choice is
// stored per user, made in "?" > "Lingua" and said in the language chosen; --lang gives one
// run its language and an unknown code is refused. Italian unless the user chose otherwise.
#include "acquisition/sorveglianza_flusso.h"
#include "analysis/frm_grafici.h"
#include "platform/etichetta_accorciata.h"
#include "platform/grafico.h"
#include "platform/impostazioni_utente.h"
#include "platform/lingua.h"
#include "platform/slider.h"
#include "program/riga_comando.h"
#include "session/tipi_scheda.h"
#include "setup/controllo_voci.h"
#include "setup/file_config.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/lista_valori.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/banco_principale.h"
#include "tests/support/file_prova.h"
#include "tests/support/processo_prova.h"
#include "tools/frm_crono.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
QString Annulla() {
    QDialogButtonBox pulsanti(QDialogButtonBox::Cancel);
    return pulsanti.button(QDialogButtonBox::Cancel)->text();
}
} // namespace

class Test_lingua : public QObject {
    Q_OBJECT
    Ambiente_prova ambiente_;
private Q_SLOTS:
    void init() { ambiente_.Svuota_impostazioni(); }
    void cleanup() { QVERIFY(Applica_lingua("it")); }

    // Qt's texts follow ours, in Italian too on an English system: the buttons and Qt's own
    // file dialog (the one shown where the desktop offers none).
    void inglese_poi_di_nuovo_italiano() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(Applica_lingua("en"));
        QCOMPARE(Lingua_in_uso(), QString("en"));
        {
            Banco_principale b;
            QCOMPARE(b.m.mnuFileEsci->text(), QString("Exit"));
            b.m.Mostra_cartella_dati("/dati");
            QCOMPARE(b.m.Lbl_cartella->toolTip(),
                     QString("The athletes' data and the settings are in /dati"));
        }
        QCOMPARE(Messaggio_tipo_sconosciuto(), QString("device not recognised: DEFAULT TYPE 3!!"));
        QVERIFY(Uso_programma().startsWith("Usage: kinetrack [--diagnostica] [--lang it|en]\n"));
        QCOMPARE(Annulla(), QString("Cancel"));

        QVERIFY(Applica_lingua("it"));
        Banco_principale b;
        QCOMPARE(b.m.mnuFileEsci->text(), QString("Esci"));
        QCOMPARE(Messaggio_tipo_sconosciuto(),
                 QString("dispositivo non riconosciuto: DEFAULT TIPO 3!!"));
        if (Annulla() == "Cancel")
            QSKIP("Qt's Italian translations are not installed (Debian: qt6-translations-l10n)");
        QCOMPARE(Annulla(), QString("Annulla"));
        QFileDialog dialogo(nullptr, "Salva");
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE((QStringList{dialogo.labelText(QFileDialog::LookIn),
                              dialogo.labelText(QFileDialog::Accept)}),
                 (QStringList{"Cerca in:", "&Salva"}));
    }

    // The setup dialog's rows, names and choices (the reference velocity kept by position),
    // its refusals and the header strip it rewrites; the messages about the files; the graph
    // window and its value list; the stopwatch and the watch over the stream. The note gets
    // no placeholder for text, and the value list's file headers stay Italian.
    void finestre_in_inglese() {
        QVERIFY(Applica_lingua("en"));
        Sessione s;
        s.Cartella_applicazione = ambiente_.Dati();
        s.Cartella_ini = s.Cartella_applicazione + "/ini";
        s.File_ini = s.Cartella_ini + "/brax.ini";
        Avvisi_testi avvisi;
        Frm_intestazione intestazione;
        Frm_utente frm(s, nullptr, &intestazione, avvisi, QLocale(QLocale::Italian));
        QStringList risposte{"Rossi", "abc", "80"};
        frm.Imposta_input_box([&](QWidget*, const QString&, const QString& domanda) {
            return domanda.startsWith("New value - ") && !risposte.isEmpty() ? risposte.takeFirst()
                                                                             : QString();
        });
        frm.Nuovo(Riga_utente::Atleta);
        frm.Nuovo(Riga_utente::Carico);
        frm.Nuovo(Riga_utente::Carico);
        frm.cbo_riferimento->setCurrentIndex(2);
        QStringList testi{frm.Lbl_utente[Riga_utente::Squadra]->text(),
                          frm.Cmd_elimina[Riga_utente::Vmax]->accessibleName(),
                          frm.cbo_riferimento->itemText(2), frm.Txt_nota->text()};
        frm.Conferma();
        QVERIFY(s.Riferimento == Velocita_riferimento::Vpropulsiva);
        intestazione.Spostamento(1.5, 1);
        testi << avvisi.elenco << intestazione.Lbl_intestazione->text()
              << intestazione.Lbl_intestazione1->text().left(21)
              << intestazione.Lbl_spostamento->text();

        Scrivi(ambiente_.Dati() + "/brax.ini", " 8 \r\n 0 \r\nSquadra A\r\nxx\r\n 0 \r\n80\r\n");
        Liste_utente liste;
        const QString danneggiato = Leggi_liste(ambiente_.Dati() + "/brax.ini", liste).value_or("");
        QVERIFY2(danneggiato.contains(" is damaged: ") &&
                     danneggiato.contains("Entries read and kept: Team 1, Load "),
                 qPrintable(danneggiato));
        QCOMPARE(liste[Riga_utente::Squadra], QStringList{"Squadra A"});
        QVERIFY(Salva_impostazione("funz", "nome_utente", "../.."));
        Dati_esercizio_t dati;
        const QString rifiuto = Leggi_ultimo_atleta(dati).value_or("");
        QVERIFY2(rifiuto.contains("the athlete \"../..\": The character"), qPrintable(rifiuto));
        testi << Voce_rifiutata("a;b", Riga_utente::Esercizio).value_or("");

        Frm_grafici grafici(s, QLocale(QLocale::Italian));
        Elenco_valori& valori = grafici.Valori();
        Lista_valori::Riga riga;
        riga.fill("1");
        Lista_valori lista;
        lista.Aggiungi(riga);
        valori.Imposta_lista(&lista);
        valori.Mostra_fino_a(0);
        std::unique_ptr<QMenu> menu(valori.Menu_riga(0, &grafici));
        valori.Imposta_esclusa(0, true);
        QVERIFY(valori.Lbl_valori()->text().contains("ABSOLUTE VALUES"));
        testi << grafici.Slide().Didascalia() << grafici.Grafico(0).Didascalia_asse(2)
              << grafici.Grafico(1).Didascalia_asse(1) << valori.Intestazione(7)
              << menu->actions().constFirst()->text()
              << valori.Tabella()->model()->index(0, 3).data(Qt::ToolTipRole).toString()
              << Lista_valori::Intestazioni()[0];

        Frm_crono crono;
        Sorveglianza_flusso flusso(nullptr, 30);
        flusso.Acquisizione_iniziata();
        flusso.Flusso_disturbato({});
        testi << crono.txt_valore_cv->text().section(' ', -1) << flusso.Testo().left(31);
        QCOMPARE(testi, (QStringList{"Team", "Delete: Maximum velocity (mm/s)",
                                     "Mean propulsive velocity (MPV)", "",
                                     "Load (kg): \"abc\" is not a number.",
                                     "Athlete: Rossi    Load (kg): 80    Exercise: ",
                                     "Max velocity (mm/s): ", "Displ(cm)=  1,5",
                                     "The character \";\" is not allowed: it separates the "
                                     "columns of the summary file.",
                                     "Mean propulsive velocity (MPV)", "Displacement (mm)",
                                     "Rep No.", "D@Vmax", "Leave rep out", "Rep left out", "N°Rip",
                                     "sec", "The board's stream is disturbed"}));
    }

    void lingua_sconosciuta_rifiutata() {
        QString errore;
        QVERIFY(!Applica_lingua("xx", &errore));
        QCOMPARE(errore, QString("lingua sconosciuta: \"xx\" (lingue: it, en)"));
        QCOMPARE(Lingua_in_uso(), QString("it"));
        QVERIFY(!Salva_lingua("xx"));

        Opzioni_riga opzioni;
        QString uscita, errori;
        QTextStream su(&uscita), se(&errori);
        QCOMPARE(Leggi_riga_comando({"--lang", "xx"}, opzioni, su, se), std::optional<int>(2));
        QVERIFY2(errori.startsWith("kinetrack: lingua sconosciuta: \"xx\""), qPrintable(errori));
        errori.clear();
        QCOMPARE(Leggi_riga_comando({"--lang"}, opzioni, su, se), std::optional<int>(2));
        QVERIFY2(errori.startsWith("kinetrack: manca il valore di --lang"), qPrintable(errori));
        QCOMPARE(Leggi_riga_comando({"--lang=en", "--diagnostica"}, opzioni, su, se), std::nullopt);
        QCOMPARE(opzioni.lingua, QString("en"));
        QCOMPARE(Lingua_in_uso(), QString("en"));
    }

    // Stored in the user's settings; anything else there counts as Italian.
    void scelta_salvata() {
        QCOMPARE(Lingua_salvata(), QString("it"));
        QVERIFY(Salva_lingua("en"));
        QCOMPARE(Lingua_salvata(), QString("en"));
        QVERIFY(Salva_impostazione("Interfaccia", "Lingua", "fr"));
        QCOMPARE(Lingua_salvata(), QString("it"));
    }

    // The menu ticks the language in use, whatever is stored; it stores the choice and says
    // in the new language when it applies; choosing the language in use says nothing.
    void menu_lingua() {
        QVERIFY(Salva_lingua("en"));
        Banco_principale b;
        QVERIFY(b.m.mnuLinguaItaliano->isChecked());
        QVERIFY(!b.m.mnuLinguaEnglish->isChecked());
        b.m.mnuLinguaItaliano->trigger();
        QCOMPARE(Lingua_salvata(), QString("it"));
        QVERIFY(b.avvisi.elenco.isEmpty());
        b.m.mnuLinguaEnglish->trigger();
        QCOMPARE(Lingua_salvata(), QString("en"));
        QVERIFY(b.m.mnuLinguaEnglish->isChecked());
        QCOMPARE(b.avvisi.elenco.size(), 1);
        QCOMPARE(b.avvisi.elenco[0].testo,
                 QString("The language will be applied at the next start."));
        QCOMPARE(b.m.mnuFileEsci->text(), QString("Esci")); // this run stays Italian
    }

    // The program itself: the stored choice, --lang over it for one run, a wrong code refused.
    void riga_di_comando_del_programma() {
        QCOMPARE(Esegui_programma(KT_KINETRACK, {"--help"}).uscita.left(4), QString("Uso:"));
        QVERIFY(Salva_lingua("en"));
        Esito_programma e = Esegui_programma(KT_KINETRACK, {"--help"});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.uscita.startsWith("Usage: kinetrack"), qPrintable(e.uscita));
        QVERIFY(e.uscita.contains("--lang it|en            the interface's language"));
        e = Esegui_programma(KT_KINETRACK, {"--lang", "it", "-h"});
        QVERIFY2(e.uscita.startsWith("Uso: kinetrack"), qPrintable(e.uscita));
        e = Esegui_programma(KT_KINETRACK, {"--lang", "xx"});
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.startsWith("kinetrack: unknown language: \"xx\" (languages: it, en)\n"),
                 qPrintable(e.errori));
    }
};

QTEST_MAIN(Test_lingua)
#include "test_lingua.moc"
