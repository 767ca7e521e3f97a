// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise configuration files without the dialog: the bytes of brax.ini and of an
// athlete file, the 8-bit Windows code page, damaged and truncated files, the reading of
// numbers, and what a new entry may hold.
#include "datafiles/cartelle_programma.h"
#include "datafiles/nomi_file.h"
#include "setup/controllo_voci.h"
#include "setup/file_config.h"
#include "tests/support/riferimento_prova.h"

namespace {

// A file's bytes written short: "~" ends a line with CR LF, a backslash and "n" with LF alone,
// "$" is the five empty rows after the exercises.
QByteArray Righe(const QByteArray& testo) {
    return QByteArray(testo)
        .replace("$", "-1 ~-1 ~-1 ~-1 ~-1 ~")
        .replace("~", "\r\n")
        .replace("\\n", "\n");
}

Sessione Sessione_in(const QTemporaryDir& cartella) {
    Sessione s;
    s.Cartella_applicazione = cartella.path();
    s.Cartella_ini = cartella.path() + "/ini";
    s.File_ini = s.Cartella_ini + "/brax.ini";
    return s;
}

} // namespace

class Test_file_config : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void byte_del_file_atleta() {
        QTemporaryDir cartella;
        Sessione s = Sessione_in(cartella);
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Posizioni = {0, 2, 1, 3, 0, 0, 0, 1, -1, 0, 0};
        QTemporaryDir altra;
        s.Dati_esercizio.Cartella_dati = altra.path();
        QString nome = cartella.filePath("Rossi.cfg");
        QCOMPARE(Salva_File_Config(nome, s, Liste_utente()), std::nullopt);
        QCOMPARE(Contenuto(nome), Righe("brax_cfg~ 0 ~ 2 ~ 1 ~ 3 ~ 0 ~ 0 ~ 0 ~ 1 ~-1 ~ 0 ~ 0 ~") +
                                      QFile::encodeName(altra.path()) + "\r\n");
        // Read back: the folder written in the file is not followed, the file's own is used.
        Dati_esercizio_t letti;
        QCOMPARE(Leggi_File_Config(nome, letti), std::nullopt);
        QCOMPARE(letti.Posizioni, s.Dati_esercizio.Posizioni);
        QCOMPARE(letti.Cartella_dati, cartella.path());
    }

    // Lists in the code page of older copies: the euro sign and Š sit in 0x80-0x9F.
    void byte_degli_elenchi_e_codifica() {
        QTemporaryDir cartella;
        const Sessione s = Sessione_in(cartella);
        Liste_utente liste;
        liste[Riga_utente::Carico] = QStringList{"82,5", "100"};
        liste[Riga_utente::Esercizio] = QStringList{"Panca €", "Šipka", "Città"};
        liste[Riga_utente::Atleta] = QStringList{"never stored"};
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt); // Atleta empty: no .cfg
        QVERIFY(nessuno.isEmpty());
        QCOMPARE(Contenuto(s.File_ini),
                 Righe(" 8 ~-1 ~ 1 ~82,5~100~ 2 ~Panca \x80~\x8aipka~Citt\xe0~$"));
        Liste_utente lette;
        QCOMPARE(Leggi_liste(s.File_ini, lette), std::nullopt);
        liste[Riga_utente::Atleta].clear();
        QCOMPARE(lette, liste);

        // A byte the code page leaves unassigned still reads as one character.
        Scrivi(s.File_ini, " 0 \r\n 0 \r\nA\x81\x9c\r\n");
        Liste_utente strane;
        QCOMPARE(Leggi_liste(s.File_ini, strane), std::nullopt);
        QCOMPARE(strane[0], QStringList{QString::fromUtf8("A\u0081œ")});
    }

    // Every entry that can still be told is kept in its row; only the lines that cannot
    // are skipped, and the message names them. A team that is a path is never read. "&Ok"
    // writes every entry kept, keeping a file read damaged (even one too large to read) as
    // brax.ini.bak before it replaces it; a rewrite that changes nothing leaves both alone.
    void elenchi_danneggiati_data() {
        Righe_riferimento("file_config_elenchi.txt");
        QTest::newRow("1,5 MB") << (" 8 ~ 0 ~A~" + QString("-1 ~").repeated(220000) +
                                    "||||Impossibile leggere|più grande di 1 MB|brax.ini.bak")
                                       .split('|');
    }
    void elenchi_danneggiati() {
        QFETCH(QStringList, r);
        QTemporaryDir cartella;
        Sessione s = Sessione_in(cartella);
        const QByteArray contenuto = Righe(r[0].toUtf8());
        Scrivi(s.File_ini, contenuto);
        const auto Liste = [&s](QString& errore) {
            Liste_utente liste;
            errore = Leggi_liste(s.File_ini, liste).value_or(QString());
            return std::pair(liste, liste[Riga_utente::Squadra].join(',') + '|' +
                                        liste[Riga_utente::Carico].join(',') + '|' +
                                        liste[Riga_utente::Esercizio].join(','));
        };
        QString errore;
        const auto [liste, lette] = Liste(errore);
        QCOMPARE(lette, r.mid(1, 3).join('|'));
        QCOMPARE(errore.isEmpty(), r.size() < 5);
        for (const QString& pezzo : r.mid(4) + QStringList{s.File_ini})
            QVERIFY2(errore.isEmpty() || errore.contains(pezzo),
                     qPrintable(errore + "\n--- " + pezzo));
        for (int volta = 0; volta < 2; ++volta) {
            QString nessuno;
            QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
            QCOMPARE(Contenuto(s.File_ini + ".bak"), contenuto);
        }
        QCOMPARE(Liste(errore).second + errore, lette);
    }

    // A damaged athlete file: the message, naming the file as it is called (even with "%1"
    // in it), and the positions taken from it (the others and
    // the folder as they were); "&Ok" keeps it before it writes the athlete file anew.
    void file_atleta_danneggiato() {
        const std::tuple<QByteArray, int, QString> casi[] = {
            {"brax01\r\n 0 \r\n", 0, "File non compatibile!"}, // a summary file
            {Righe("brax_cfg~ 1 ~ 1 ~ 1 ~"), 3, "finisce dopo la riga 4"},
            {Righe("brax_cfg~ 1 ~%2 e %1~"), 1, "alla riga 3 \"%2 e %1\" non è un numero"},
            {"brax_cfg\r\n" + Righe(" 1 ~").repeated(11), 11, "finisce dopo la riga 12"},
        };
        for (const auto& [contenuto, lette, messaggio] : casi) {
            QTemporaryDir cartella;
            const QString nome = cartella.filePath("%1 %2 test.cfg");
            Scrivi(nome, contenuto);
            Dati_esercizio_t dati;
            dati.Posizioni.fill(7);
            dati.Cartella_dati = "prima";
            const QString errore = Leggi_File_Config(nome, dati).value_or(QString());
            QVERIFY2(errore.contains(messaggio) && errore.contains(QDir::toNativeSeparators(nome)),
                     qPrintable(errore));
            // The system's own text, and the file it is about on a line of its own.
            if (messaggio.startsWith("File non compatibile!"))
                QCOMPARE(errore, "File non compatibile!\n" + QDir::toNativeSeparators(nome));
            for (int i = 0; i < 11; ++i)
                QCOMPARE(dati.Posizioni[static_cast<std::size_t>(i)], i < lette ? 1 : 7);
            QCOMPARE(dati.Cartella_dati, QStringLiteral("prima"));
            QString riscritto = nome;
            QCOMPARE(Salva_File_Config(riscritto, Sessione_in(cartella), Liste_utente()),
                     std::nullopt);
            QCOMPARE(Contenuto(nome + ".bak"), contenuto);
            QCOMPARE(Leggi_File_Config(nome, dati), std::nullopt);
        }
    }

    // An entry typed in a row: the number read from it, the text stored, a name or a number
    // refused, naming why.
    void voci_data() { Righe_riferimento("file_config_voci.txt"); }
    void voci() {
        QFETCH(QStringList, r);
        const QString voce = QString(r[2]).replace("\\t", "\t");
        if (r[0] == "n" || r[0] == "p") {
            QCOMPARE(r[0] == "n" ? QString::number(double(Numero_di_voce(voce)))
                                 : Voce_con_punto(voce),
                     r[3]);
            return;
        }
        const QString rifiuto =
            (r[0] == "v" ? Voce_rifiutata(voce, r[1].toInt()) : Numero_rifiutato(voce))
                .value_or(QString());
        QVERIFY2(r[3].isEmpty() ? rifiuto.isEmpty() : rifiuto.contains(r[3]), qPrintable(rifiuto));
    }

    // Every folder the program makes in the application folder is one of its own, never a
    // team or an athlete.
    void cartelle_del_programma() {
        QTemporaryDir cartella;
        Sessione s = Sessione_in(cartella);
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, Liste_utente()), std::nullopt);
        QVERIFY(!Cartella_salvataggio(QString(), cartella.path()).isEmpty());
        const QStringList fatte =
            QDir(cartella.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(fatte, (QStringList{"ini", "misure_auto"}));
        for (const QString& nome : fatte)
            QVERIFY2(Cartella_programma(nome) && Cartella_programma(nome.toUpper()),
                     qPrintable(nome));
        QVERIFY(!Cartella_programma("Squadra A"));
    }
};

QTEST_GUILESS_MAIN(Test_file_config)
#include "test_file_config.moc"
