// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise configuration files without the dialog: the bytes of brax.ini and of an
// athlete file, the 8-bit Windows code page, damaged and truncated files, the reading of
// numbers, and what a new entry may hold.
#include "datafiles/cartelle_programma.h"
#include "datafiles/nomi_file.h"
#include "setup/controllo_voci.h"
#include "setup/file_config.h"
#include "tests/support/file_prova.h"

namespace {

// A file's bytes written short: "|" ends a line (CR LF), "$" is the five empty rows after
// the exercises.
QByteArray Righe(const char* testo) {
    return QByteArray(testo).replace("$", "-1 |-1 |-1 |-1 |-1 |").replace("|", "\r\n");
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
        QCOMPARE(Contenuto(nome), Righe("brax_cfg| 0 | 2 | 1 | 3 | 0 | 0 | 0 | 1 |-1 | 0 | 0 |") +
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
                 Righe(" 8 |-1 | 1 |82,5|100| 2 |Panca \x80|\x8aipka|Citt\xe0|$"));
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
    // keeps a file read damaged before it replaces it.
    void elenchi_danneggiati() {
        struct Caso {
            QByteArray contenuto;
            QString squadre, carichi, esercizi; // joined by ","
            QStringList messaggio;              // pieces of it; none: no message
        };
        const Caso casi[] = {
            {"", "", "", "", {"incompleto: finisce dopo la riga 0"}},
            {Righe(" 8 | 0 |A| 2 |80|90|"), "A", "80,90", "", {"finisce dopo la riga 6"}},
            {Righe(" 8 | 0 |A|xx|80|"),
             "A",
             "80",
             "",
             {"danneggiato: la riga 4 (\"xx\") non è un numero", "finisce dopo la riga 5",
              "Carico 1"}},
            {Righe(" 9 | 0 |A|-1 |-1 |-1 |-1 |-1 |-1 |-1 |"), "A", "", "", {"la finestra ne ha 9"}},
            {" 2 \n 0 \nA\n 0 \n80", "A", "80", "", {}}, // LF line ends, no final one
            {Righe(" 8 | 1 |A|B|#1|80|90| 2 |Squat|Panca|Stacco|$"),
             "A,B",
             "80,90",
             "Squat,Panca,Stacco",
             {"la riga 5 (\"#1\") non è un numero.",
              "Voci lette e tenute: Squadra 2, Carico 2, Esercizio 3,", "brax.ini.bak"}},
            {Righe(" 8 | 1 |A|B| 1 |80|90| 2 |Squat|Pan|ca|Stacco|$"),
             "A,B",
             "80,90",
             "Squat,Pan,ca,Stacco",
             {"l'elenco Esercizio ha 4 voci invece di 3"}},
            {Righe(" 8 | 0 |A| 2 |80|90| 1 |Squat|Panca|$"),
             "A",
             "80,90",
             "Squat,Panca",
             {"l'elenco Carico ha 2 voci invece di 3"}},
            {Righe(" 8 | 0 |A| 1 |80|90| 2 |Squat|Pan"),
             "A",
             "80,90",
             "Squat",
             {"la riga 9 (\"Pan\") è interrotta", "finisce dopo la riga 9"}},
            {Righe(" 8 | 1 |../../..|A|-1 |-1 |$"),
             "A",
             "",
             "",
             {"la squadra \"../../..\" della riga 3 è stata tralasciata (Il carattere \"/\" "
              "(U+002F) non è ammesso"}},
            {Righe(" 8 | 0 |A|") + Righe("-1 |").repeated(220000),
             "",
             "",
             "",
             {"Impossibile leggere", "più grande di 1 MB", "brax.ini.bak"}}};
        for (const Caso& c : casi) {
            QTemporaryDir cartella;
            Sessione s = Sessione_in(cartella);
            s.Cartella_ini = cartella.path();
            s.File_ini = cartella.filePath("brax.ini");
            Scrivi(s.File_ini, c.contenuto);
            Liste_utente liste;
            const QString errore = Leggi_liste(s.File_ini, liste).value_or(QString());
            QCOMPARE(errore.isEmpty(), c.messaggio.isEmpty());
            for (const QString& pezzo : c.messaggio + QStringList{s.File_ini})
                QVERIFY2(errore.isEmpty() || errore.contains(pezzo),
                         qPrintable(errore + "\n--- " + pezzo));
            QCOMPARE(liste[Riga_utente::Squadra].join(',') + ';' +
                         liste[Riga_utente::Carico].join(',') + ';' +
                         liste[Riga_utente::Esercizio].join(','),
                     c.squadre + ';' + c.carichi + ';' + c.esercizi);
            QString nessuno;
            QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
            if (!errore.isEmpty()) QCOMPARE(Contenuto(s.File_ini + ".bak"), c.contenuto);
        }
    }

    // "&Ok" after a damaged file was read writes every entry kept, and the damaged file
    // stays beside it as brax.ini.bak; a rewrite that changes nothing leaves both alone, a
    // later change keeps the file it replaces.
    void elenchi_riscritti_tenendo_il_vecchio() {
        QTemporaryDir cartella;
        const Sessione s = Sessione_in(cartella);
        const QByteArray danneggiato = Righe(" 8 | 1 |A|B|#1|80|90| 2 |Squat|Panca|Stacco|$");
        Scrivi(s.File_ini, danneggiato);
        Liste_utente liste;
        QVERIFY(Leggi_liste(s.File_ini, liste));
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        const QString copia = s.File_ini + ".bak";
        const QByteArray riparato = Contenuto(s.File_ini);
        QCOMPARE(riparato, Righe(" 8 | 1 |A|B| 1 |80|90| 2 |Squat|Panca|Stacco|$"));

        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        QCOMPARE(Contenuto(copia), danneggiato);
        QCOMPARE(Contenuto(s.File_ini), riparato);

        liste[Riga_utente::Carico] << "100";
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        QCOMPARE(Contenuto(copia), riparato);
        QCOMPARE(QDir(s.Cartella_ini).entryList(QDir::Files, QDir::Name),
                 (QStringList{"brax.ini", "brax.ini.bak"}));
    }

    // A damaged athlete file: the message, naming the file as it is called (even with "%1"
    // in it), and the positions taken from it (the others and
    // the folder as they were); "&Ok" keeps it before it writes the athlete file anew.
    void file_atleta_danneggiato() {
        const std::tuple<QByteArray, int, QString> casi[] = {
            {"brax01\r\n 0 \r\n", 0, "File non compatibile!"}, // a summary file
            {Righe("brax_cfg| 1 | 1 | 1 |"), 3, "finisce dopo la riga 4"},
            {Righe("brax_cfg| 1 |%2 e %1|"), 1, "alla riga 3 \"%2 e %1\" non è un numero"},
            {"brax_cfg\r\n" + Righe(" 1 |").repeated(11), 11, "finisce dopo la riga 12"},
            {"brax_cfg\r\n" + Righe(" 1 |").repeated(300000), 0,
             "è più grande di 1 MB (1500010 byte) e non viene letto"}};
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

    // What cannot be read or made is named, with the reason in Italian.
    void messaggi_nominano_il_file() {
        QTemporaryDir cartella;
        const QString atleta = cartella.filePath("%1 %2 test");
        const QString nome = atleta + "/%1 %2 test.cfg";
        Scrivi(nome, "brax_cfg\r\n");
        Dati_esercizio_t dati;

        QCOMPARE(Leggi_File_Config(atleta + "/manca.cfg", dati),
                 "Impossibile leggere " + QDir::toNativeSeparators(atleta + "/manca.cfg") +
                     ": file o cartella inesistente");
        Liste_utente liste;
        QCOMPARE(Leggi_liste(atleta, liste),
                 "Impossibile leggere " + QDir::toNativeSeparators(atleta) + ": è una cartella");
        // A folder that cannot be made: a path through a file.
        Sessione s = Sessione_in(cartella);
        s.Cartella_ini = nome + "/ini";
        s.File_ini = s.Cartella_ini + "/brax.ini";
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, liste),
                 "Impossibile creare la cartella " + QDir::toNativeSeparators(s.Cartella_ini) +
                     ": un elemento del percorso non è una cartella");
    }

    // Numbers of the rows: a point, a unit after it; a comma or a text stops them.
    void numeri_delle_voci() {
        const QStringList testi{
            "82.5", "82,5", "100 kg", "Squat", "1.5e-1", "1e999", QString::fromUtf8("٣")};
        const QList<float> numeri{82.5f, 82, 100, 0, 0.15f, 0, 0};
        for (qsizetype i = 0; i < testi.size(); ++i) QCOMPARE(Numero_di_voce(testi[i]), numeri[i]);
        // The decimal comma of a number entry is stored as a point, only in a number.
        QCOMPARE((QStringList{Voce_con_punto("82,5"), Voce_con_punto(" -82,5 kg"),
                              Voce_con_punto("circa 82,5"), Voce_con_punto("82,")}),
                 (QStringList{"82.5", " -82.5 kg", "circa 82,5", "82,"}));
    }

    // Row, entry, what the refusal names (nothing: accepted).
    void voci_rifiutate() {
        const std::tuple<int, QString, QString> casi[] = {
            {3, "Panca;piana", "\";\""},
            {1, "Łukasz", "\"Ł\" (U+0141)"},
            {2, "80\t", "U+0009"},
            {1, "Rossi/Mario", "\"/\""},
            {0, "..", "\"..\""},
            {3, "1/2 squat", ""}, // a separator in an exercise
            {1, "Šárka €", ""},
            {0, "ini", "\"ini\""}, // the program's own folders
            {1, "Misure_Auto", "\"Misure_Auto\""},
            {3, "ini", ""}};
        for (const auto& [riga, voce, messaggio] : casi) {
            const std::optional<QString> rifiuto = Voce_rifiutata(voce, riga);
            QVERIFY2(rifiuto.has_value() != messaggio.isEmpty(), qPrintable(voce));
            if (rifiuto) QVERIFY2(rifiuto->contains(messaggio), qPrintable(*rifiuto));
        }
        // A number row takes a number, with its unit or not; not a text, nor a negative one.
        for (const char* voce : {"80", "82.5", " 100 mm", "0", "1e3", "-0"})
            QVERIFY2(!Numero_rifiutato(voce), voce);
        for (const auto& [voce, messaggio] : {std::pair{"abc", "\"abc\" non è un numero"},
                                              {"", "non è un numero"},
                                              {"kg 80", "\"kg 80\" non è un numero"},
                                              {"1e999", "non è un numero"},
                                              {"-5", "\"-5\" è negativo"},
                                              {" -0.5 kg", "\"-0.5 kg\" è negativo"}}) {
            const std::optional<QString> rifiuto = Numero_rifiutato(voce);
            QVERIFY2(rifiuto && rifiuto->contains(QString::fromUtf8(messaggio)),
                     qPrintable(rifiuto.value_or(voce)));
        }
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
