// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English once the English catalogue is installed: captions, hover tips and
// accessible names, messages, the graphs' captions and the value list's titles, also those
// the code keeps in tables. What is written to files, and what the program keeps by
// position, stays as it is.
#include "acquisition/sorveglianza_flusso.h"
#include "analysis/frm_grafici.h"
#include "platform/casella_decimale.h"
#include "platform/grafico.h"
#include "platform/impostazioni_utente.h"
#include "platform/lingua.h"
#include "platform/slider.h"
#include "session/avvisi.h"
#include "setup/controllo_voci.h"
#include "setup/file_config.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/lista_valori.h"
#include "tests/support/file_prova.h"
#include "tools/frm_crono.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class Avvisi_registrati : public Avvisi {
public:
    void Mostra(const QString& testo, Icona, const QString&) override { elenco << testo; }
    QStringList elenco;
};

} // namespace

class Test_finestre_inglese : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString errore;
        QVERIFY2(Applica_lingua(QStringLiteral("en"), &errore), qPrintable(errore));
    }

    // The setup dialog: rows, buttons, names for a screen reader, the reference velocity's
    // entries (kept by position), the empty note, a refused entry naming its row, and the
    // header strip it rewrites.
    void dialogo_impostazione() {
        QTemporaryDir cartella, impostazioni;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
        QFile::remove(File_impostazioni());
        Sessione s;
        s.Cartella_applicazione = cartella.path();
        s.Cartella_ini = cartella.path() + "/ini";
        s.File_ini = s.Cartella_ini + "/brax.ini";
        Avvisi_registrati avvisi;
        Frm_intestazione intestazione;
        Frm_utente frm(s, nullptr, &intestazione, avvisi, QLocale(QLocale::Italian));
        QStringList risposte{"Rossi", "abc", "80"};
        frm.Imposta_input_box([&](QWidget*, const QString&, const QString& domanda) {
            return domanda.startsWith("New value - ") && !risposte.isEmpty() ? risposte.takeFirst()
                                                                             : QString();
        });

        QCOMPARE(frm.windowTitle(), "Exercise setup");
        QCOMPARE(frm.Lbl_utente[Riga_utente::Squadra]->text(), "Team");
        QCOMPARE(frm.txt_utente[Riga_utente::Carico]->accessibleName(), "Load (kg)");
        QCOMPARE(frm.txt_utente[Riga_utente::Atleta]->toolTip(), "Enter first and last name");
        QCOMPARE(frm.Cmd_add[Riga_utente::Esercizio]->accessibleName(), "New: Exercise");
        QCOMPARE(frm.Cmd_elimina[Riga_utente::Vmax]->accessibleName(),
                 "Delete: Maximum velocity (mm/s)");
        QCOMPARE(frm.Txt_perdita_max->accessibleName(), "Max loss (%)");
        QCOMPARE(frm.Cmd_ok->text(), "&OK");
        QCOMPARE(frm.Cmd_annulla->text(), "&Cancel");
        QCOMPARE(frm.cbo_riferimento->itemText(2), "Mean propulsive velocity (MPV)");
        QCOMPARE(frm.Txt_nota->text(), ""); // no placeholder taken for a note

        frm.Nuovo(Riga_utente::Atleta);
        frm.Nuovo(Riga_utente::Carico);
        QCOMPARE(avvisi.elenco, QStringList{"Load (kg): \"abc\" is not a number."});
        frm.Nuovo(Riga_utente::Carico);
        frm.cbo_riferimento->setCurrentIndex(2);
        frm.Conferma();
        QCOMPARE(avvisi.elenco.size(), 1);
        QVERIFY(s.Riferimento == Velocita_riferimento::Vpropulsiva);
        QCOMPARE(intestazione.Lbl_intestazione->text(),
                 "Athlete: Rossi    Load (kg): 80    Exercise: ");
        QVERIFY(intestazione.Lbl_intestazione1->text().startsWith("Max velocity (mm/s): "));
        intestazione.Spostamento(1.5, 1);
        QCOMPARE(intestazione.Lbl_spostamento->text(), "Displ(cm)=  1,5");
    }

    // Messages built from tables and pieces: the damaged list file names its lists, a
    // settings store pointing outside the data folder names what it left empty, a refused
    // character. The list file's own lines stay as they were.
    void messaggi_dei_file() {
        QTemporaryDir cartella, impostazioni;
        const QString ini = cartella.filePath("brax.ini");
        const QByteArray danneggiato = " 8 \r\n 0 \r\nSquadra A\r\nxx\r\n 0 \r\n80\r\n";
        Scrivi(ini, danneggiato);
        Liste_utente liste;
        const std::optional<QString> errore = Leggi_liste(ini, liste);
        QVERIFY(errore);
        QVERIFY2(errore->contains(" is damaged: "), qPrintable(*errore));
        QVERIFY2(errore->contains("Entries read and kept: Team 1, Load "), qPrintable(*errore));
        QCOMPARE(liste[Riga_utente::Squadra], QStringList{"Squadra A"});

        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
        QFile::remove(File_impostazioni());
        QVERIFY(Salva_impostazione("funz", "nome_utente", "../.."));
        Dati_esercizio_t dati;
        const std::optional<QString> rifiuto = Leggi_ultimo_atleta(dati);
        QVERIFY(rifiuto);
        QVERIFY2(rifiuto->contains("the athlete \"../..\": The character"), qPrintable(*rifiuto));

        QCOMPARE(Voce_rifiutata("a;b", Riga_utente::Esercizio),
                 "The character \";\" is not allowed: it separates the columns of the summary "
                 "file.");
    }

    // The graph window: the slider's and the graphs' captions, the value list's titles and
    // its row menu; the engine's titles, which the files carry, stay Italian.
    void finestra_grafici() {
        Sessione s;
        QTemporaryDir cartella;
        s.Cartella_applicazione = cartella.path();
        Frm_grafici frm(s, QLocale(QLocale::Italian));
        QCOMPARE(frm.Slide().Didascalia(), "Mean propulsive velocity (MPV)");
        QCOMPARE(frm.Grafico(0).Didascalia(), "Time");
        QCOMPARE(frm.Grafico(0).Didascalia_asse(2), "Displacement (mm)");
        QCOMPARE(frm.Grafico(1).Didascalia_asse(1), "Rep No.");
        QCOMPARE(frm.Lbl_perdita().accessibleName(), "Velocity loss");

        Elenco_valori& valori = frm.Valori();
        QCOMPARE(valori.Intestazione(0), "Rep");
        QCOMPARE(valori.Intestazione(7), "D@Vmax");
        QCOMPARE(valori.Tabella()->accessibleName(), "Repetition values");
        QVERIFY(valori.Lbl_valori()->text().contains("ABSOLUTE VALUES"));
        QVERIFY(valori.Lbl_valori()->text().contains("ECCENTRIC PHASE"));
        QCOMPARE(Lista_valori::Intestazioni()[0], "N°Rip");

        Lista_valori::Riga riga;
        riga.fill("1");
        Lista_valori lista;
        lista.Aggiungi(riga);
        valori.Imposta_lista(&lista);
        valori.Mostra_fino_a(0);
        std::unique_ptr<QMenu> menu(valori.Menu_riga(0, &frm));
        QCOMPARE(menu->actions().constFirst()->text(), "Leave rep out");
        valori.Imposta_esclusa(0, true);
        QCOMPARE(valori.Tabella()->model()->index(0, 3).data(Qt::ToolTipRole), "Rep left out");
    }

    // The stopwatch, and the watch over the board's stream.
    void cronometro_e_flusso() {
        Frm_crono crono;
        QCOMPARE(crono.windowTitle(), "Time functions");
        QCOMPARE(crono.Fre_crono->title(), "Stopwatch");
        QCOMPARE(crono.Txt_decimi->accessibleName(), "Tenths");
        QVERIFY(crono.txt_valore_cv->text().endsWith(" sec"));

        Sorveglianza_flusso flusso(nullptr, 30);
        flusso.Acquisizione_iniziata();
        flusso.Flusso_disturbato({});
        QVERIFY(flusso.Testo().startsWith("The board's stream is disturbed"));
    }
};

QTEST_MAIN(Test_finestre_inglese)
#include "test_finestre_inglese.moc"
