// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's language: English comes from the catalogue built into the program, with
// Qt's own texts; Italian again takes both back. The choice is stored per user, made in
// "?" > "Lingua" and said in the language chosen; --lang gives one run its language and an
// unknown code is refused. Italian unless the user chose otherwise.
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/etichetta_accorciata.h"
#include "platform/impostazioni_utente.h"
#include "platform/lingua.h"
#include "program/riga_comando.h"
#include "session/sessione.h"
#include "session/tipi_scheda.h"
#include "stream/motore_misura.h"
#include "tests/device/test_protocollo_finti.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The main window with its menus, as the program opens it.
struct Banco {
    QTemporaryDir cartella;
    Sessione s;
    Motore_misura motore{s, QLocale::c()};
    Avvisi_registrati avvisi;
    Protocollo protocollo{s, motore, avvisi};
    Frm_main m;
    Banco() {
        s.Cartella_applicazione = cartella.path();
        m.Apri_finestre(s, QLocale::c(), protocollo, motore, avvisi);
    }
    ~Banco() { motore.Togli_viste(); }
    QStringList Menu() const {
        QStringList testi;
        for (const QAction* a : m.menuBar()->actions()) testi << a->text();
        return testi;
    }
};

QString Annulla() {
    QDialogButtonBox pulsanti(QDialogButtonBox::Cancel);
    return pulsanti.button(QDialogButtonBox::Cancel)->text();
}

struct Esito {
    int codice = -1;
    QString uscita, errori;
};
Esito Kinetrack(const QStringList& argomenti, const QString& config) {
    QProcess p;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("XDG_CONFIG_HOME", config);
    p.setProcessEnvironment(ambiente);
    p.start(KT_KINETRACK, argomenti);
    Esito e;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return e;
    e.codice = p.exitCode();
    e.uscita = QString::fromUtf8(p.readAllStandardOutput());
    e.errori = QString::fromUtf8(p.readAllStandardError());
    return e;
}

} // namespace

class Test_lingua : public QObject {
    Q_OBJECT
    QTemporaryDir impostazioni_;
private Q_SLOTS:
    void init() { Impostazioni_vuote(impostazioni_); }
    void cleanup() { QVERIFY(Applica_lingua("it")); }

    void english_then_italian_again() {
        QVERIFY(Applica_lingua("en"));
        QCOMPARE(Lingua_in_uso(), QString("en"));
        {
            Banco b;
            QCOMPARE(b.Menu(), (QStringList{"&File", "&Settings", "&View", "&Tools", "&?"}));
            QCOMPARE(b.m.mnuFileEsci->text(), QString("Exit"));
            QCOMPARE(b.m.mnuVisualizzaGrafico->text(), QString("Reps && time graph"));
            b.m.Mostra_cartella_dati("/dati");
            QCOMPARE(b.m.Lbl_cartella->toolTip(),
                     QString("The athletes' data and the settings are in /dati"));
        }
        QCOMPARE(Messaggio_tipo_sconosciuto(), QString("device not recognised: DEFAULT TYPE 3!!"));
        QVERIFY(Uso_programma().startsWith("Usage: kinetrack [--diagnostica] [--lang it|en]\n"));
        QCOMPARE(Annulla(), QString("Cancel"));

        QVERIFY(Applica_lingua("it"));
        Banco b;
        QCOMPARE(b.Menu(),
                 (QStringList{"&File", "&Impostazioni", "&Visualizza", "&Strumenti", "&?"}));
        QCOMPARE(b.m.mnuFileEsci->text(), QString("Esci"));
        QCOMPARE(Messaggio_tipo_sconosciuto(),
                 QString("dispositivo non riconosciuto: DEFAULT TIPO 3!!"));
        if (Annulla() == "Cancel")
            QSKIP("Qt's Italian translations are not installed (Debian: qt6-translations-l10n)");
        QCOMPARE(Annulla(), QString("Annulla"));
    }

    void unknown_language_refused() {
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
    void stored_choice() {
        QCOMPARE(Lingua_salvata(), QString("it"));
        QVERIFY(Salva_lingua("en"));
        QCOMPARE(Lingua_salvata(), QString("en"));
        QVERIFY(Salva_impostazione("Interfaccia", "Lingua", "fr"));
        QCOMPARE(Lingua_salvata(), QString("it"));
    }

    // The menu ticks the language in use, whatever is stored; it stores the choice and says
    // in the new language when it applies; choosing the language in use says nothing.
    void language_menu() {
        QVERIFY(Salva_lingua("en"));
        Banco b;
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
    void program_command_line() {
        QTemporaryDir config;
        QCOMPARE(Kinetrack({"--help"}, config.path()).uscita.left(4), QString("Uso:"));
        QDir(config.path()).mkpath("kinetrack");
        QFile ini(config.filePath("kinetrack/kinetrack.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Interfaccia]\nLingua=en\n");
        ini.close();
        Esito e = Kinetrack({"--help"}, config.path());
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.uscita.startsWith("Usage: kinetrack"), qPrintable(e.uscita));
        QVERIFY(e.uscita.contains("--lang it|en            the interface's language"));
        e = Kinetrack({"--lang", "it", "-h"}, config.path());
        QVERIFY2(e.uscita.startsWith("Uso: kinetrack"), qPrintable(e.uscita));
        e = Kinetrack({"--lang", "xx"}, config.path());
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.startsWith("kinetrack: unknown language: \"xx\" (languages: it, en)\n"),
                 qPrintable(e.errori));
    }
};

QTEST_MAIN(Test_lingua)
#include "test_lingua.moc"
