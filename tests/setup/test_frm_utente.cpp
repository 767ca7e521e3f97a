// SPDX-License-Identifier: GPL-3.0-or-later
// The setup dialog over a temporary application folder and settings store: the first run,
// adding and deleting entries and athletes, switching athletes, what "&Ok" and "&Annulla"
// leave behind, refused entries and damaged or unwritable files; the header strip's texts;
// the rows under them (loss threshold, set's end, rest, reference velocity); the note.
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "datafiles/scelte_analisi.h"
#include "platform/casella_decimale.h"
#include "platform/grafico.h"
#include "platform/impostazioni_utente.h"
#include "setup/file_config.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/riferimento_prova.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray File_atleta(std::initializer_list<int> posizioni, const QByteArray& cartella) {
    QByteArray testo = "brax_cfg\r\n";
    for (const int p : posizioni) testo += (p < 0 ? "" : " ") + QByteArray::number(p) + " \r\n";
    return testo + cartella + "\r\n";
}

QStringList Voci(const QComboBox* lista) {
    QStringList voci;
    for (int i = 0; i < lista->count(); ++i) voci << lista->itemText(i);
    return voci;
}

// An application folder, an empty settings store, the graph window and the header strip.
struct Banco {
    QTemporaryDir cartella;
    Ambiente_prova ambiente; // an empty settings store
    Sessione s;
    Avvisi_testi avvisi;
    QLocale locale{QLocale::Italian};
    Frm_grafici grafici{s, QLocale(QLocale::Italian)};
    Frm_intestazione intestazione;
    QStringList risposte; // what the operator types in the input boxes, in order
    QString domanda;      // the last input box's prompt
    QPointer<Frm_utente> frm;

    Banco() {
        s.Cartella_applicazione = cartella.path();
        s.Cartella_ini = cartella.path() + "/ini";
        s.File_ini = s.Cartella_ini + "/brax.ini";
        intestazione.Aggiorna_intestazione(s.Dati_esercizio, locale);
    }
    ~Banco() { delete frm; }
    Frm_utente& Apri() {
        delete frm;
        frm = new Frm_utente(s, &grafici, &intestazione, avvisi, locale);
        frm->Imposta_input_box([this](QWidget*, const QString& titolo, const QString& testo) {
            domanda = testo;
            if (titolo != "kinetrack") return QStringLiteral("?");
            return risposte.isEmpty() ? QString() : risposte.takeFirst();
        });
        frm->show();
        return *frm;
    }
    void Nuovo(int riga, const QString& valore) {
        risposte << valore;
        frm->Cmd_add[static_cast<std::size_t>(riga)]->click();
    }
    // The operator's steps, '|' between them: "+R text" adds an entry to row R, "R=I"
    // chooses entry I of row R, "-R" presses row R's "Elimina", "ok" and "annulla" the
    // buttons. True when the dialog closed itself.
    bool Passi(const QString& passi) {
        for (const QString& p : passi.split('|')) {
            const auto riga =
                static_cast<std::size_t>(p.mid(p.front().isDigit() ? 0 : 1, 1).toInt());
            if (p == "ok" || p == "annulla")
                (p == "ok" ? frm->Cmd_ok : frm->Cmd_annulla)->click();
            else if (p.startsWith('+'))
                Nuovo(int(riga), p.mid(3));
            else if (p.startsWith('-'))
                frm->Cmd_elimina[riga]->click();
            else
                Riga(int(riga))->setCurrentIndex(p.mid(2).toInt());
        }
        return Chiuso();
    }
    QComboBox* Riga(int riga) const { return frm->txt_utente[static_cast<std::size_t>(riga)]; }
    // The entries chosen in the first `righe` rows.
    QStringList Scelte(int righe) const {
        QStringList scelte;
        for (int r = 0; r < righe; ++r) scelte << Riga(r)->currentText();
        return scelte;
    }
    // The messages shown so far, one a line; forgotten then.
    QString Prendi_avvisi() {
        const QString testo = avvisi.elenco.join('\n');
        avvisi.elenco.clear();
        return testo;
    }
    // Teams A and B, exercises Squat, Panca and Stacco; in B, Rossi (the last one set up) on
    // Squat with a threshold and a V1rm stored for each exercise (on Panca also a reference
    // load and the table's velocity, on Stacco a set's end after 6 s, a 2-minute rest and the
    // end at the loss threshold), and Bianchi on Panca with none. Rossi's folder is
    // Cartella_rossi().
    void Rossi_con_soglie() {
        Scrivi(s.File_ini, " 8 \r\n 1 \r\nA\r\nB\r\n-1 \r\n 2 \r\nSquat\r\nPanca\r\nStacco\r\n"
                           "-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n");
        const QString rossi = Cartella_rossi();
        Scrivi(rossi + "/Rossi.cfg",
               File_atleta({1, 1, -1, 0, 0, 0, 0, 0, -1, 0, 0}, rossi.toUtf8()));
        Scrivi(cartella.path() + "/B/Bianchi/Bianchi.cfg",
               File_atleta({1, 0, -1, 1, 0, 0, 0, 0, -1, 0, 0}, "x"));
        QVERIFY(!Salva_scelte_analisi(rossi, "Squat", {25, 0.27f}) &&
                !Salva_scelte_analisi(
                    rossi, "Stacco",
                    {32.5f, 0.3f, Velocita_riferimento::Vpropulsiva, 0, 6, 120, true}) &&
                !Salva_scelte_analisi(rossi, "Panca",
                                      {30, 0.2f, Velocita_riferimento::Vmedia_tabella, 62.5f}));
        Salva_impostazione("funz", "squadra", "B");
        Salva_impostazione("funz", "nome_utente", "Rossi");
    }
    QString Cartella_rossi() const { return cartella.path() + "/B/Rossi"; }
    QString Intestazione() const {
        return intestazione.Lbl_intestazione->text() + '\n' +
               intestazione.Lbl_intestazione1->text();
    }
    // The dialog closed itself (and is unloaded).
    bool Chiuso() {
        QTest::qWait(0);
        return frm.isNull();
    }
};

} // namespace

class Test_frm_utente : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Nothing stored: empty lists; "&Ok" stores empty texts and zeros and no athlete file.
    // Names read from the settings store are checked as typed ones: a team or an athlete
    // that would lead outside the data folder is not used, and the operator is told. Then a
    // team, an athlete and his choices, the exercise added from the keyboard, confirmed with
    // Enter from the note: folders, files, store, graph, strip and the note of the next set
    // (blanks around it dropped); the next opening shows them again, "&Annulla" keeps them.
    void dal_primo_avvio_a_tutto_salvato() {
        Banco b;
        Salva_impostazione("funz", "squadra", "../../..");
        Salva_impostazione("funz", "nome_utente", "../Bianchi");
        b.s.Nota = "precedente";
        b.Apri();
        int voci = 0;
        for (int r = 0; r < 9; ++r) voci += b.Riga(r)->count();
        QCOMPARE(voci, 0);
        QCOMPARE(b.s.Dati_esercizio.Squadra + b.s.Dati_esercizio.Atleta, QString());
        QCOMPARE(b.avvisi.elenco.size(), 1);
        const QString avvisi = b.Prendi_avvisi();
        QVERIFY2(avvisi.contains("la squadra \"../../..\"") &&
                     avvisi.contains("l'atleta \"../Bianchi\""),
                 qPrintable(avvisi));
        QVERIFY(b.Passi("ok") && b.avvisi.elenco.isEmpty());
        QCOMPARE(b.s.Dati_esercizio.Cartella_dati, b.cartella.path() + "//");
        QCOMPARE(Leggi_impostazione("funz", "pos_utente") + '|' +
                     Leggi_impostazione("funz", "nome_utente", "mancante"),
                 QStringLiteral("-1|"));

        QCOMPARE(b.Apri().Txt_nota->text(), QStringLiteral("precedente"));
        b.Passi("+0 Squadra A");
        QCOMPARE(b.Riga(1)->count(), 0); // a new team has no athletes yet
        // The decimal comma is the decimal point; an entry already there, or empty, is ignored.
        b.Passi("+1 Rossi|+2 80|+2 82,5|+2 80|+2 ");
        // "Nuovo" asks naming its row and gives the focus back to the row's list; Enter on a
        // list only moves on to the next list, past the row's buttons.
        b.risposte << "Squat €";
        QTest::keyClick(b.frm->Cmd_add[3], Qt::Key_Return);
        QCOMPARE(b.domanda, QStringLiteral("Nuovo valore - Identificativo Esercizio:"));
        QCOMPARE(b.frm->focusWidget(), b.Riga(3));
        QTest::keyClick(b.Riga(3), Qt::Key_Return);
        QVERIFY(!b.Chiuso());
        QCOMPARE(b.frm->focusWidget(), b.Riga(4));
        b.Passi("+4 1000|+5 110|+6 90|+7 100 mm");
        b.frm->Txt_nota->setFocus();
        b.frm->Txt_nota->clear();
        QTest::keyClicks(b.frm->Txt_nota, "  dolore al ginocchio ");
        QTest::keyClick(b.frm->Txt_nota, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(b.Chiuso());
        // The athlete's folder, load and amplitude, the store, the velocity axis, the strip,
        // the next set's note and the one shown (which keeps its own), then any message.
        const Dati_esercizio_t& d = b.s.Dati_esercizio;
        const Grafico_misura& g = b.grafici.Grafico(0);
        QCOMPARE((QStringList{d.Cartella_dati.mid(b.cartella.path().size()),
                              QString("%1 %2").arg(d.Carico).arg(d.Ampiezza_minima),
                              Leggi_impostazione("funz", "squadra") + '|' +
                                  Leggi_impostazione("funz", "nome_utente"),
                              QString("%1 %2")
                                  .arg(g.Minimo(Tempo::Asse_velocita))
                                  .arg(g.Massimo(Tempo::Asse_velocita)),
                              b.Intestazione(), b.s.Nota + '|' + b.s.Serie.Nota} +
                  b.avvisi.elenco)
                         .join('\n') +
                     '\n',
                 Testo_riferimento("frm_utente_salvato.txt"));
        b.s.Dati_esercizio = {};
        b.Apri();
        QVERIFY(b.avvisi.elenco.isEmpty());
        QCOMPARE(b.Scelte(8), (QStringList{"Squadra A", "Rossi", "82.5", "Squat €", "1000", "110",
                                           "90", "100 mm"}));
        QCOMPARE(Voci(b.Riga(2)), (QStringList{"80", "82.5"}));
        QCOMPARE(b.frm->Txt_nota->text(), QStringLiteral("dolore al ginocchio"));
        QTest::keyClicks(b.frm->Txt_nota, "altro");
        QVERIFY(b.Passi("annulla"));
        QCOMPARE(b.s.Nota, QStringLiteral("dolore al ginocchio"));
    }

    // Choosing a team lists its athletes (not the program's own folders in the data folder,
    // nor a team's "ini"); choosing one with a file shows his choices, one without keeps the
    // rows; a deleted athlete stays on disk and comes back. A note of blanks is none.
    void cambio_di_squadra_e_di_atleta() {
        Banco b;
        Scrivi(b.s.File_ini,
               " 8 \r\n 1 \r\nA\r\nB\r\n 2 \r\n70\r\n80\r\n90\r\n 1 \r\nSquat\r\nPanca\r\n"
               "-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n");
        const QString a = b.cartella.path() + "/B";
        Scrivi(a + "/Rossi/Rossi.cfg", File_atleta({1, 1, 2, 1, 0, 0, 0, 0, -1, 0, 0}, "x"));
        Scrivi(a + "/Bianchi/Bianchi.cfg", File_atleta({1, 0, 1, 0, 0, 0, 0, 0, -1, 0, 0}, "x"));
        for (const char* cartella : {"misure_auto", "recupero", "B/Verdi", "B/ini"})
            QVERIFY(QDir().mkpath(b.cartella.path() + "/" + cartella));
        b.s.Nota = "precedente";
        b.Apri();
        QCOMPARE(Voci(b.Riga(1)), QStringList());
        // Each step and the entries chosen in rows 0 to 3 after it, then rows 1 and 2's entries.
        // A deleted entry gives the choice to the next one, to none after the last, to the
        // first when none was chosen.
        for (const char* passo :
             {"0=1 B;Bianchi;80;Squat:Bianchi Rossi Verdi:70 80 90",
              "1=1 B;Rossi;90;Panca:Bianchi Rossi Verdi:70 80 90", // row 1 stays
              "1=2 B;Verdi;90;Panca:Bianchi Rossi Verdi:70 80 90", // no file yet
              "-1 B;;90;Panca:Bianchi Rossi:70 80 90", "2=1|-2 B;;90;Panca:Bianchi Rossi:70 90",
              "-2 B;;;Panca:Bianchi Rossi:70", "-2 B;;70;Panca:Bianchi Rossi:70"}) {
            b.Passi(QString(passo).section(' ', 0, 0));
            QCOMPARE(b.Scelte(4).join(';') + ':' + Voci(b.Riga(1)).join(' ') + ':' +
                         Voci(b.Riga(2)).join(' '),
                     QString(passo).section(' ', 1));
        }
        b.frm->Txt_nota->setText("   ");
        QVERIFY(b.Passi("+1 Neri|ok"));
        QVERIFY(QFile::exists(a + "/Neri/Neri.cfg") && QFileInfo(a + "/Verdi").isDir());
        QCOMPARE(b.s.Nota, QString());
        b.Apri();
        QCOMPARE(Voci(b.Riga(1)), (QStringList{"Bianchi", "Neri", "Rossi", "Verdi"}));
        QCOMPARE(b.Scelte(3), (QStringList{"B", "Neri", "70"}));
    }

    // At start-up the session takes what the dialog shows; "&Annulla" after any change
    // leaves it so, and writes no file, no store, no strip.
    void avvio_poi_annulla_non_cambia_nulla() {
        Banco b;
        b.Rossi_con_soglie();
        Carica_impostazione(b.s, b.avvisi, b.locale);
        const Dati_esercizio_t& d = b.s.Dati_esercizio;
        // The session, the strip, the files, then the messages.
        const auto Tutto = [&] {
            const QByteArray file = Contenuto(b.s.File_ini) + Contenuto(File_impostazioni());
            return QStringList{d.Squadra,       d.Atleta,         d.Esercizio,
                               d.Cartella_dati, b.Intestazione(), file.toBase64()} +
                       b.avvisi.elenco
                   << QString::number(double(b.s.Soglia_perdita));
        };
        const QStringList caricati = Tutto();
        QCOMPARE(caricati.mid(0, 4) << caricati.mid(6),
                 (QStringList{"B", "Rossi", "Squat", b.Cartella_rossi(), "25"}));
        const auto posizioni = d.Posizioni;
        b.Apri();
        QCOMPARE(b.Scelte(4), (QStringList{"B", "Rossi", "", "Squat"}));
        QVERIFY(b.Passi("0=0|+3 Clean|annulla")); // team A, no athletes
        QCOMPARE(Tutto(), caricati);
        QCOMPARE(d.Posizioni, posizioni);
    }

    // A number row refuses where typed, naming itself, an entry that is no number (which
    // numbers and names are refused is test_file_config's). "&Ok" refuses a number
    // stored before these checks until it is deleted, and a lower limit at or above the upper
    // one, before it stores or fills anything.
    void voci_rifiutate_fermano_ok() {
        Banco b;
        Scrivi(b.s.File_ini, " 8 \r\n-1 \r\n 0 \r\n80\r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n"
                             " 0 \r\ncento\r\n-1 \r\n");
        const QByteArray ini = Contenuto(b.s.File_ini);
        b.Apri();
        QVERIFY(!b.Passi("ok"));
        QCOMPARE(b.Prendi_avvisi(), "Ampiezza minima (mm): \"cento\" non è un numero.");
        b.Passi("-7|+0 A|+1 Rossi|+4 abc");
        QCOMPARE(b.Prendi_avvisi(), "Velocità Massima (mm/s): \"abc\" non è un numero.");
        QCOMPARE(Voci(b.Riga(2)) + Voci(b.Riga(4)), QStringList{"80"});
        b.Passi("+4 1000|+5 110|+6 150");
        const QString intestazione = b.Intestazione();
        for (const char* inferiore : {"150", "110"}) {
            QVERIFY(!b.Passi(QString("+6 %1|ok").arg(inferiore)));
            QCOMPARE(b.Prendi_avvisi(), QString("Limite Inferiore (%): %1 deve essere minore di "
                                                "110, il Limite Superiore (%).")
                                            .arg(inferiore));
            QVERIFY(Contenuto(b.s.File_ini) == ini && !QFile::exists(File_impostazioni()));
            QVERIFY(!QFileInfo::exists(b.cartella.path() + "/A"));
            QCOMPARE(b.s.Dati_esercizio.Vmax, 0.0f);
            QCOMPARE(b.Intestazione(), intestazione);
        }
        QVERIFY(b.Passi("+6 90|ok") && b.avvisi.elenco.isEmpty());
        QCOMPARE(std::pair(b.s.Dati_esercizio.Limite_inf, b.s.Dati_esercizio.Carico),
                 std::pair(90.0f, 80.0f));
    }

    // A damaged store and a choices file too large to be read (a damaged list file is
    // test_file_config's): each is named at load, and "&Ok" writes them anew, keeping each
    // file it replaces as "<name>.bak".
    void file_danneggiati_tenuti_come_bak() {
        Banco b;
        b.Rossi_con_soglie();
        const QByteArray archivio = "[funz]\nsquadra=B\nnome_utente=Rossi\n\x01\x02\n";
        Scrivi(File_impostazioni(), archivio);
        const QString analisi = File_scelte_analisi(b.Cartella_rossi());
        const QByteArray grande = "[Squat]\nperdita_max=25\n#" + QByteArray(1024 * 1024, 'x');
        Scrivi(analisi, grande);
        b.Apri();
        const QString avvisi = b.avvisi.elenco.join('\n');
        QCOMPARE(b.avvisi.elenco.size(), 2);
        for (const QString& pezzo :
             {QDir::toNativeSeparators(File_impostazioni()) + " è danneggiato",
              QDir::toNativeSeparators(analisi) + ": è più grande di 1 MB"})
            QVERIFY2(avvisi.contains(pezzo), qPrintable(avvisi + "\n--- " + pezzo));
        QCOMPARE(b.Scelte(4), (QStringList{"B", "Rossi", "", "Squat"}));
        QCOMPARE(b.frm->Txt_perdita_max->value(), 20.0); // the refused file's 25 is not read
        QVERIFY(b.Passi("ok"));
        for (const auto& [file, prima] :
             {std::pair(File_impostazioni(), archivio), std::pair(analisi, grande)})
            QVERIFY2(Contenuto(file + ".bak") == prima, qPrintable(file));
        QCOMPARE(Difetto_impostazioni(), std::nullopt);
        QCOMPARE(Difetto_scelte_analisi(b.Cartella_rossi()), std::nullopt);
        QCOMPARE(Leggi_impostazione("funz", "nome_utente"), QStringLiteral("Rossi"));
    }

    // A folder that cannot be made (a path through a regular file stops root too): the
    // message, the dialog stays open, the strip shows the record; a second "&Ok" works.
    // Choices that cannot be stored: the message, and the rest of "&Ok" as without them.
    void cartella_o_scelte_non_scrivibili() {
        Banco b;
        const QString file = b.cartella.filePath("file");
        Scrivi(file, "x");
        const QString buona = b.s.Cartella_applicazione;
        b.s.Cartella_applicazione = file + "/app";
        b.Apri();
        QVERIFY(!b.Passi("+0 A|+1 Rossi|+2 80|ok"));
        QCOMPARE(b.avvisi.elenco.size(), 1);
        QString avvisi = b.Prendi_avvisi();
        QVERIFY2(avvisi.contains(QDir::toNativeSeparators(file)), qPrintable(avvisi));
        QVERIFY(b.Intestazione().contains("Atleta: Rossi    Carico (Kg): 80"));
        b.s.Cartella_applicazione = buona;
        QVERIFY(QDir().mkpath(File_scelte_analisi(buona + "/A/Rossi")));
        b.frm->Txt_perdita_max->setValue(15);
        QVERIFY(b.Passi("ok"));
        QCOMPARE(b.avvisi.elenco.size(), 1);
        avvisi = b.Prendi_avvisi();
        QVERIFY2(avvisi.contains("analisi.ini"), qPrintable(avvisi));
        QCOMPARE(b.s.Soglia_perdita, 15.0f);
        QVERIFY(QFile::exists(buona + "/A/Rossi/Rossi.cfg"));
    }

    // The threshold, the reference load (empty: the log chooses it), the reference velocity,
    // the set's end, the rest and the end at the loss threshold shown are the ones stored for
    // the athlete and exercise the rows show, whichever row changed them; none stored or none
    // chosen gives 20 %, no load, the propulsive velocity, 4 s, no rest and no end at the
    // loss. "&Ok" puts the velocity and the end at the loss in force for the sets to come and
    // stores them for that exercise alone; "&Annulla" leaves the ones in force.
    void scelte_seguono_atleta_ed_esercizio() {
        Banco b;
        b.Rossi_con_soglie();
        Frm_utente& frm = b.Apri();
        // Each step (-3 after choosing Stacco, the last one), then the threshold, load,
        // velocity, set's end, rest and end at the loss shown ('*': not looked at).
        for (const char* passo :
             {"3=0 25,0||2|4,0||0", "3=1 30,0|62,5|0|4,0||0", "3=2 32,5||2|6,0|120|1",
              "-3 20,0|*|*|4,0||0", "3=0 25,0||2|4,0||0", "1=0 20,0||2|*|*|*", "1=1 25,0||2|*|*|*",
              "0=0 20,0|*|*|*|*|*", "0=1 20,0|*|2|*|*|*", "1=1 25,0||2|4,0||0"}) {
            b.Passi(QString(passo).section(' ', 0, 0));
            const QStringList atteso = QString(passo).section(' ', 1).split('|');
            const QStringList mostrato{frm.Txt_perdita_max->text(),
                                       frm.Txt_carico_riferimento->text(),
                                       QString::number(frm.cbo_riferimento->currentIndex()),
                                       frm.Txt_fine_serie->text(),
                                       frm.Txt_recupero->text(),
                                       QString::number(frm.Chk_fine_alla_perdita->isChecked())};
            for (int i = 0; i < 6; ++i)
                if (atteso[i] != "*") QCOMPARE(mostrato[i], atteso[i]);
        }
        frm.cbo_riferimento->setCurrentIndex(1);
        frm.Chk_fine_alla_perdita->setChecked(true);
        QVERIFY(b.Passi("ok"));
        QCOMPARE(b.s.Riferimento, Velocita_riferimento::Vmedia_alzata);
        QVERIFY(b.s.Fine_alla_perdita &&
                Leggi_scelte_analisi(b.Cartella_rossi(), "Squat").Fine_alla_perdita);
        QCOMPARE(b.s.Serie.Riferimento, Velocita_riferimento::Vpropulsiva); // the set shown
        const Scelte_esercizio squat = Leggi_scelte_analisi(b.Cartella_rossi(), "Squat");
        QCOMPARE(squat.Riferimento, Velocita_riferimento::Vmedia_alzata);
        QCOMPARE(std::pair(squat.Perdita_max, squat.V1rm), std::pair(25.0f, 0.27f));
        QCOMPARE(Leggi_scelte_analisi(b.Cartella_rossi(), "Panca").Riferimento,
                 Velocita_riferimento::Vmedia_tabella);
        QVERIFY(b.Apri().cbo_riferimento->currentIndex() == 1 &&
                b.frm->Chk_fine_alla_perdita->isChecked());
        b.frm->cbo_riferimento->setCurrentIndex(2);
        b.frm->Chk_fine_alla_perdita->setChecked(false);
        QVERIFY(b.Passi("annulla"));
        QVERIFY(b.s.Riferimento == Velocita_riferimento::Vmedia_alzata && b.s.Fine_alla_perdita);
    }

    void scelte_digitate_salvate_per_esercizio_data() {
        Righe_riferimento("frm_utente_scelte.txt");
    }
    // "&Ok" stores a typed threshold, reference load, V1rm, set's end or rest for the chosen
    // exercise, keeping its other choices and the other exercises', and puts the threshold,
    // the set's end and the rest in force. A refused entry is named and gets the focus, and
    // stops "&Ok" before anything is filled or written; the dialog takes a good one.
    void scelte_digitate_salvate_per_esercizio() {
        QFETCH(QStringList, r);
        Banco b;
        b.Rossi_con_soglie();
        const QString rossi = b.Cartella_rossi();
        const QByteArray file = Contenuto(rossi + "/Rossi.cfg") + Contenuto(b.s.File_ini);
        b.s.Soglia_perdita = 33;
        b.s.Fine_serie_s = 9;
        b.s.Recupero_s = 99;
        const auto Scelte = [&] {
            const Scelte_esercizio panca = Leggi_scelte_analisi(rossi, "Panca");
            QStringList v;
            for (const float x :
                 {panca.Perdita_max, panca.Carico_riferimento, panca.V1rm, panca.Fine_serie_s,
                  panca.Recupero_s, Leggi_scelte_analisi(rossi, "Squat").Perdita_max,
                  b.s.Soglia_perdita, b.s.Fine_serie_s, b.s.Recupero_s})
                v << QString::number(double(x));
            return v.join(' ');
        };
        Frm_utente& frm = b.Apri();
        b.Riga(3)->setCurrentIndex(1); // Panca
        QLineEdit* campo =
            r[0] == "c"   ? frm.Txt_carico_riferimento
            : r[0] == "v" ? frm.Txt_v1rm
            : r[0] == "r"
                ? frm.Txt_recupero
                : (r[0] == "f" ? frm.Txt_fine_serie : frm.Txt_perdita_max)->findChild<QLineEdit*>();
        const auto Scrivi_campo = [campo](const QString& testo) {
            campo->clear();
            QTest::keyClicks(campo, testo);
            if (campo->text() != testo) campo->setText(testo); // what the box keeps out
        };
        Scrivi_campo(r[1]);
        frm.Cmd_ok->click();
        if (r[2].startsWith('!')) {
            QCOMPARE(b.Prendi_avvisi(), r[2].mid(1));
            QVERIFY(!b.Chiuso());
            QCOMPARE(frm.focusWidget(), campo->focusProxy() ? campo->focusProxy() : campo);
            QCOMPARE(Scelte(), "30 62.5 0.2 4 0 25 33 9 99");
            QCOMPARE(Contenuto(rossi + "/Rossi.cfg") + Contenuto(b.s.File_ini) +
                         b.s.Dati_esercizio.Esercizio.toUtf8(),
                     file);
            Scrivi_campo(QStringLiteral("3"));
            frm.Cmd_ok->click();
            QVERIFY(b.Chiuso() && b.avvisi.elenco.isEmpty());
            return;
        }
        QVERIFY(b.Chiuso() && b.avvisi.elenco.isEmpty());
        QCOMPARE(Scelte(), r[2]);
        if (r[0] == "p") QCOMPARE(b.Apri().Txt_perdita_max->value(), double(b.s.Soglia_perdita));
    }

    // The strip under English settings (the Italian ones are seen above), names not taken
    // as markup. Each displacement step "value decimals locale text": the label always shows
    // the last value, however little it changed, also across a change of decimals or
    // settings.
    void striscia_di_intestazione() {
        Dati_esercizio_t dati;
        dati.Atleta = "<b>Rossi</b>";
        dati.Carico = 82.5f;
        dati.Esercizio = "Squat";
        Frm_intestazione strip;
        strip.Aggiorna_intestazione(dati, QLocale(QLocale::English));
        QVERIFY(strip.Lbl_intestazione->text().startsWith("Atleta: <b>Rossi</b>    Carico (Kg): "
                                                          "82.5    Esercizio: Squat"));
        QCOMPARE(strip.Lbl_intestazione->textFormat(), Qt::PlainText);
        for (const char* passo : {"33.4 0 it 33", "33.6 0 it 34", "-0.6 0 it -1", "-0.04 1 it 0,0",
                                  "12.5 0 it 13", "12.5 1 it 12,5", "12.5 1 en 12.5"}) {
            const QStringList p = QString(passo).split(' ');
            strip.Aggiorna_intestazione(
                dati, QLocale(p[2] == "en" ? QLocale::English : QLocale::Italian));
            strip.Spostamento(p[0].toDouble(), p[1].toInt());
            QCOMPARE(strip.Lbl_spostamento->text(), "Spost(cm)=  " + p[3]);
        }
    }

    // Number entry takes "," and "." alike as the decimal separator under Italian and
    // English settings.
    void casella_decimale_data() { Righe_riferimento("frm_utente_casella.txt"); }
    void casella_decimale() {
        QFETCH(QStringList, r);
        Casella_decimale campo;
        campo.setLocale(QLocale(r[0] == "en" ? QLocale::English : QLocale::Italian));
        campo.setRange(-1000, 1000);
        campo.setDecimals(2);
        campo.setValue(7);
        campo.selectAll();
        QTest::keyClick(&campo, Qt::Key_Delete);
        QTest::keyClicks(&campo, r[1]);
        QCOMPARE(campo.text(), r[2] == "-" ? QString() : r[2]);
        campo.interpretText();
        QCOMPARE(campo.value(), r[3].toDouble());
    }
};

QTEST_MAIN(Test_frm_utente)
#include "test_frm_utente.moc"
