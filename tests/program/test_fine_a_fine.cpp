// SPDX-License-Identifier: GPL-3.0-or-later
// A coach's first set, end to end, on a real X display (run under Xvfb): the program
// starts against the virtual board, the opening window hands over to the main window
// and the setup dialog; an athlete is set up, a recorded set is started and stopped and
// saved in the athlete's folder; then SERIE AUTO records the next sets by itself.

#include "acquisition/frm_cmd.h"
#include "mainwindow/frm_main.h"
#include "program/avvio.h"
#include "setup/frm_intestazione.h"
#include "setup/frm_utente.h"
#include "stream/lista_valori.h"
#include "stream/motore_misura.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/processo_prova.h"
#include "virtualboard/moto_scheda.h"
#include "virtualboard/opzioni_scheda.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class Test_fine_a_fine : public QObject {
    Q_OBJECT
public:
    explicit Test_fine_a_fine(const QString& radice) : radice_(radice) {}

private Q_SLOTS:
    void serie_di_un_atleta();

private:
    QStringList File_atleta() const {
        return QDir(radice_ + "/data/kinetrack/Squadra A/Rossi")
            .entryList({"*.csv"}, QDir::Files, QDir::Time | QDir::Reversed);
    }
    QString radice_;
};

void Test_fine_a_fine::serie_di_un_atleta() {
    const QStringList moto{"--board-type", "2",   "--down",      "0.4", "--up",     "0.4",
                           "--pause",      "0.3", "--amplitude", "400", "--sets",   "3,3,2",
                           "--rest",       "6",   "--pause-top", "2:3", "--twitch", "0"};
    Processo_scheda scheda(3, moto);
    QVERIFY(scheda.Pronta());
    Avvisi_registrati avvisi;
    Programma::Opzioni opzioni;
    opzioni.cartella_eseguibile = radice_ + "/bin";
    opzioni.avvisi = &avvisi;
    Programma p(opzioni);
    p.Avvia();

    // The opening window first, then the main window and the setup dialog by themselves.
    const auto apertura = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frm_apertura" && w->isVisible()) return true;
        return false;
    };
    QVERIFY(apertura());
    Frm_main& m = p.Principale();
    QVERIFY(!m.isVisible());
    QTRY_VERIFY(m.isVisible() && !m.Utente.isNull() && m.Utente->isVisible());
    QVERIFY(!apertura());
    const QString didascalia = "KINETRACK " KT_VERSIONE_ATTESA " connesso su com3 Scheda tipo 2";
    QCOMPARE(m.windowTitle(), didascalia);

    // An athlete, entered as a coach would.
    Frm_utente& u = *m.Utente;
    QStringList risposte{"Squadra A", "Rossi", "80", "Squat", "1500", "110", "90", "100"};
    u.Imposta_input_box(
        [&risposte](QWidget*, const QString&, const QString&) { return risposte.takeFirst(); });
    for (std::size_t riga = 0; !risposte.isEmpty(); ++riga) u.Cmd_add[riga]->click();
    u.Cmd_ok->click();
    QTRY_VERIFY(m.Utente.isNull());
    QVERIFY(m.Intestazione->Lbl_intestazione->text().contains("Rossi"));

    // A recorded set: started, three repetitions, stopped and saved.
    Frm_cmd& c = *m.Comandi;
    c.Button_Memo->click();
    c.Button_start->click();
    QTRY_VERIFY_WITH_TIMEOUT(p.Motore().Lst_valori().Righe() >= 3, 20000);
    c.Button_start->click();
    QCOMPARE(File_atleta().size(), 3);
    QCOMPARE(m.windowTitle(), didascalia);

    // SERIE AUTO: one start, and the next set (3 repetitions, a 3 s hold at the top inside)
    // is saved as its own test; the lowering after the set stopped by hand lists none. The
    // last set is stopped by hand after its first repetition, and saved too.
    QSignalSpy messaggi(&c, &Frm_cmd::Messaggio_serie);
    c.Button_Serie_auto->click();
    c.Button_start->click();
    const auto salvate = [&] {
        QStringList testi;
        for (const auto& argomenti : messaggi)
            if (argomenti[0].toString().contains(" salvata: ")) testi << argomenti[0].toString();
        return testi;
    };
    QTRY_VERIFY_WITH_TIMEOUT(salvate().size() == 1, 30000);
    // Its lifts are the motion's: the board's second set, after its lift from the rack.
    Opzioni_scheda o;
    QVERIFY(!Leggi_opzioni(QStringList{"--port", "3"} + moto, o));
    const std::vector<Alzata> alzate = Alzate(Copione_serie(o));
    const auto& analisi = p.Motore().Analisi();
    QCOMPARE(analisi.size(), std::size_t{3});
    for (std::size_t i = 0; i < analisi.size(); ++i)
        QVERIFY(std::abs(analisi[i].Vmedia / alzate[5 + i].Velocita_media() - 1) < 0.01);
    QTRY_VERIFY_WITH_TIMEOUT(p.Motore().In_serie() && p.Motore().Lst_valori().Righe() == 1, 20000);
    c.Button_start->click();
    QCOMPARE(salvate().size(), 2);
    QVERIFY(salvate()[1].startsWith("Serie 2 salvata: "));
    QCOMPARE(File_atleta().size(), 9);

    QVERIFY2(avvisi.elenco.isEmpty(), qPrintable(avvisi.elenco.value(0).testo));
    QVERIFY(scheda.Ferma());
}

int main(int argc, char** argv) {
    // Every port but the board's leads nowhere.
    Ambiente_prova ambiente;
    ambiente.Porte_senza_dispositivo({3});
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Test_fine_a_fine test(ambiente.Radice());
    return QTest::qExec(&test, argc, argv);
}

#include "test_fine_a_fine.moc"
