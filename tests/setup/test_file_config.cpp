// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise configuration files without the dialog: the bytes of brax.ini and of an
// athlete file, the 8-bit Windows code page, damaged and truncated files, the reading of
// numbers, and what a new entry may hold.
#include "datafiles/cartelle_programma.h"
#include "datafiles/nomi_file.h"
#include "setup/controllo_voci.h"
#include "setup/file_config.h"
#include "tests/support/file_prova.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <tuple>

namespace {

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
    // The folder written in an athlete file is not followed, even when it exists: the
    // athlete's folder is the one the file is in, inside the data folder.
    void file_atleta_byte_per_byte() {
        QTemporaryDir cartella, altra;
        Sessione s = Sessione_in(cartella);
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Posizioni = {0, 2, 1, 3, 0, 0, 0, 1, -1, 0, 0};
        s.Dati_esercizio.Cartella_dati = altra.path();
        QString nome = cartella.filePath("A/Rossi/Rossi.cfg");
        QVERIFY(QDir().mkpath(cartella.filePath("A/Rossi")));
        QCOMPARE(Salva_File_Config(nome, s, Liste_utente()), std::nullopt);
        QCOMPARE(Contenuto(nome),
                 "brax_cfg\r\n 0 \r\n 2 \r\n 1 \r\n 3 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n-1 \r\n"
                 " 0 \r\n 0 \r\n" +
                     QFile::encodeName(altra.path()) + "\r\n");
        Dati_esercizio_t letti;
        QCOMPARE(Leggi_File_Config(nome, letti), std::nullopt);
        QCOMPARE(letti.Posizioni, s.Dati_esercizio.Posizioni);
        QCOMPARE(letti.Cartella_dati, cartella.filePath("A/Rossi"));
    }

    // Lists in the code page of older copies: the euro sign and Š sit in 0x80-0x9F.
    void file_delle_liste_e_code_page() {
        QTemporaryDir cartella;
        const Sessione s = Sessione_in(cartella);
        Liste_utente liste;
        liste[Riga_utente::Carico] = QStringList{"82,5", "100"};
        liste[Riga_utente::Esercizio] = QStringList{"Panca €", "Šipka", "Città"};
        liste[Riga_utente::Atleta] = QStringList{"never stored"};
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt); // Atleta empty: no .cfg
        QVERIFY(nessuno.isEmpty());
        QCOMPARE(Contenuto(s.File_ini), QByteArray(" 8 \r\n-1 \r\n 1 \r\n82,5\r\n100\r\n 2 \r\n"
                                                   "Panca \x80\r\n\x8aipka\r\nCitt\xe0\r\n"
                                                   "-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n"));
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
    // are skipped, and the message names them. A team that is a path is never read.
    void file_delle_liste_danneggiato_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("liste"); // teams|loads|exercises read, "," between entries
        QTest::addColumn<QStringList>("messaggio"); // pieces of it; none: no message
        const QByteArray fine = QByteArray("-1 \r\n").repeated(5);
        QTest::newRow("empty") << QByteArray() << "||"
                               << QStringList{"incompleto: finisce dopo la riga 0"};
        QTest::newRow("truncated inside a later list")
            << QByteArray(" 8 \r\n 0 \r\nA\r\n 2 \r\n80\r\n90\r\n") << "A|80,90|"
            << QStringList{"incompleto: finisce dopo la riga 6"};
        QTest::newRow("count not a number")
            << QByteArray(" 8 \r\n 0 \r\nA\r\nxx\r\n80\r\n") << "A|80|"
            << QStringList{"danneggiato: la riga 4 (\"xx\") non è un numero",
                           "finisce dopo la riga 5", "Carico 1"};
        QTest::newRow("more rows than the dialog")
            << QByteArray(" 9 \r\n 0 \r\nA\r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n")
            << "A||" << QStringList{"la finestra ne ha 9"};
        QTest::newRow("fewer rows, LF line ends, no final line end")
            << QByteArray(" 2 \n 0 \nA\n 0 \n80") << "A|80|" << QStringList();
        QTest::newRow("a count garbled in the middle")
            << " 8 \r\n 1 \r\nA\r\nB\r\n#1\r\n80\r\n90\r\n 2 \r\nSquat\r\nPanca\r\nStacco\r\n" +
                   fine
            << "A,B|80,90|Squat,Panca,Stacco"
            << QStringList{"la riga 5 (\"#1\") non è un numero.",
                           "Voci lette e tenute: Squadra 2, Carico 2, Esercizio 3,",
                           "brax.ini.bak"};
        QTest::newRow("an entry cut in two")
            << " 8 \r\n 1 \r\nA\r\nB\r\n 1 \r\n80\r\n90\r\n 2 "
               "\r\nSquat\r\nPan\r\nca\r\nStacco\r\n" +
                   fine
            << "A,B|80,90|Squat,Pan,ca,Stacco"
            << QStringList{"l'elenco Esercizio ha 4 voci invece di 3"};
        QTest::newRow("a line lost")
            << " 8 \r\n 0 \r\nA\r\n 2 \r\n80\r\n90\r\n 1 \r\nSquat\r\nPanca\r\n" + fine
            << "A|80,90|Squat,Panca" << QStringList{"l'elenco Carico ha 2 voci invece di 3"};
        QTest::newRow("cut in the middle of a line")
            << QByteArray(" 8 \r\n 0 \r\nA\r\n 1 \r\n80\r\n90\r\n 2 \r\nSquat\r\nPan")
            << "A|80,90|Squat"
            << QStringList{"la riga 9 (\"Pan\") è interrotta", "finisce dopo la riga 9"};
        QTest::newRow("a team that is a path")
            << " 8 \r\n 1 \r\n../../..\r\nA\r\n-1 \r\n-1 \r\n" + fine << "A||"
            << QStringList{"la squadra \"../../..\" della riga 3 è stata tralasciata (Il "
                           "carattere \"/\" (U+002F) non è ammesso"};
        QTest::newRow("larger than 1 MB, not read")
            << " 8 \r\n 0 \r\nA\r\n" + QByteArray("-1 \r\n").repeated(220000) << "||"
            << QStringList{"Impossibile leggere", "più grande di 1 MB", "brax.ini.bak"};
    }
    void file_delle_liste_danneggiato() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, liste);
        QFETCH(QStringList, messaggio);
        QTemporaryDir cartella;
        const QString nome = cartella.filePath("brax.ini");
        Scrivi(nome, contenuto);
        Liste_utente lette;
        const std::optional<QString> errore = Leggi_liste(nome, lette);
        QCOMPARE(errore.has_value(), !messaggio.isEmpty());
        if (errore) {
            QVERIFY2(errore->contains(QDir::toNativeSeparators(nome)), qPrintable(*errore));
            for (const QString& pezzo : messaggio)
                QVERIFY2(errore->contains(pezzo), qPrintable(*errore + "\n--- " + pezzo));
        }
        QCOMPARE(lette[Riga_utente::Squadra].join(',') + '|' +
                     lette[Riga_utente::Carico].join(',') + '|' +
                     lette[Riga_utente::Esercizio].join(','),
                 liste);
        // "&Ok" keeps a file read damaged before it replaces it.
        Sessione s = Sessione_in(cartella);
        s.Cartella_ini = cartella.path();
        s.File_ini = nome;
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, lette), std::nullopt);
        if (errore) QVERIFY(Contenuto(nome + ".bak") == contenuto);
    }

    // "&Ok" after a damaged file was read writes every entry kept, and the damaged file
    // stays beside it as brax.ini.bak; a rewrite that changes nothing leaves both alone, a
    // later change keeps the file it replaces.
    void file_delle_liste_riscritto_tenendo_il_vecchio() {
        QTemporaryDir cartella;
        const Sessione s = Sessione_in(cartella);
        const QByteArray danneggiato =
            " 8 \r\n 1 \r\nA\r\nB\r\n#1\r\n80\r\n90\r\n 2 \r\nSquat\r\nPanca\r\nStacco\r\n" +
            QByteArray("-1 \r\n").repeated(5);
        Scrivi(s.File_ini, danneggiato);
        Liste_utente liste;
        QVERIFY(Leggi_liste(s.File_ini, liste));
        QString nessuno;
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        const QString copia = s.File_ini + ".bak";
        QCOMPARE(Contenuto(copia), danneggiato);
        const QByteArray riparato = Contenuto(s.File_ini);
        QCOMPARE(riparato, " 8 \r\n 1 \r\nA\r\nB\r\n 1 \r\n80\r\n90\r\n 2 \r\nSquat\r\nPanca\r\n"
                           "Stacco\r\n" +
                               QByteArray("-1 \r\n").repeated(5));
        Liste_utente rilette;
        QCOMPARE(Leggi_liste(s.File_ini, rilette), std::nullopt);
        QCOMPARE(rilette, liste);

        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        QCOMPARE(Contenuto(copia), danneggiato);
        QCOMPARE(Contenuto(s.File_ini), riparato);

        liste[Riga_utente::Carico] << "100";
        QCOMPARE(Salva_File_Config(nessuno, s, liste), std::nullopt);
        QCOMPARE(Contenuto(copia), riparato);
        QCOMPARE(QDir(s.Cartella_ini).entryList(QDir::Files, QDir::Name),
                 (QStringList{"brax.ini", "brax.ini.bak"}));
    }

    void file_atleta_danneggiato_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("lette"); // positions taken from the file
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("summary file")
            << QByteArray("brax01\r\n 0 \r\n") << 0 << "File non compatibile!";
        QTest::newRow("truncated")
            << QByteArray("brax_cfg\r\n 1 \r\n 1 \r\n 1 \r\n") << 3 << "finisce dopo la riga 4";
        QTest::newRow("not a number") << QByteArray("brax_cfg\r\n 1 \r\nRossi\r\n") << 1
                                      << "alla riga 3 \"Rossi\" non è un numero";
        QTest::newRow("no folder line")
            << QByteArray("brax_cfg\r\n" + QByteArray(" 1 \r\n").repeated(11)) << 11
            << "finisce dopo la riga 12";
        QTest::newRow("larger than 1 MB")
            << QByteArray("brax_cfg\r\n" + QByteArray(" 1 \r\n").repeated(300000)) << 0
            << "è più grande di 1 MB (1500010 byte) e non viene letto";
    }
    void file_atleta_danneggiato() {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, lette);
        QFETCH(QString, messaggio);
        QTemporaryDir cartella;
        const QString nome = cartella.filePath("Rossi.cfg");
        Scrivi(nome, contenuto);
        Dati_esercizio_t dati;
        dati.Posizioni.fill(7);
        dati.Cartella_dati = "prima";
        const std::optional<QString> errore = Leggi_File_Config(nome, dati);
        QVERIFY(errore);
        QVERIFY2(errore->contains(messaggio), qPrintable(*errore));
        // The system's own text, and the file it is about on a line of its own.
        if (messaggio.startsWith("File non compatibile!"))
            QCOMPARE(*errore, "File non compatibile!\n" + QDir::toNativeSeparators(nome));
        for (int i = 0; i < 11; ++i)
            QCOMPARE(dati.Posizioni[static_cast<std::size_t>(i)], i < lette ? 1 : 7);
        QCOMPARE(dati.Cartella_dati, QStringLiteral("prima"));
        // "&Ok" keeps it before it writes the athlete file anew.
        QString riscritto = nome;
        QCOMPARE(Salva_File_Config(riscritto, Sessione_in(cartella), Liste_utente()), std::nullopt);
        QVERIFY(Contenuto(nome + ".bak") == contenuto);
        QCOMPARE(Leggi_File_Config(nome, dati), std::nullopt);
    }

    // A name with "%1" in it stays as it is in the messages; the reasons are Italian.
    void i_messaggi_nominano_il_file() {
        QTemporaryDir cartella;
        const QString atleta = cartella.filePath("%1 %2 test");
        const QString nome = atleta + "/%1 %2 test.cfg";
        Scrivi(nome, "brax_cfg\r\n 1 \r\n 1 \r\n 1 \r\n");
        Dati_esercizio_t dati;
        QCOMPARE(Leggi_File_Config(nome, dati), "Il file " + QDir::toNativeSeparators(nome) +
                                                    " è incompleto: finisce dopo la riga 4.");
        Scrivi(nome, "brax_cfg\r\n 1 \r\n%2 e %1\r\n");
        QCOMPARE(Leggi_File_Config(nome, dati),
                 "Il file " + QDir::toNativeSeparators(nome) +
                     " è danneggiato: alla riga 3 \"%2 e %1\" non è un numero.");

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

    // A row's number as the older copies read it: up to the first character that is not one.
    void numeri_delle_voci() {
        const std::pair<QString, float> casi[] = {{"82.5", 82.5f},
                                                  {"82,5", 82.0f},
                                                  {"100 kg", 100.0f},
                                                  {"Squat", 0.0f},
                                                  {"1.5e-1", 0.15f},
                                                  {"1e999", 0.0f},
                                                  {QString::fromUtf8("٣"), 0.0f}};
        for (const auto& [testo, numero] : casi) QCOMPARE(Numero_di_voce(testo), numero);
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
    }

    // A number row takes a number, with its unit or not; not a text, nor a negative number.
    void numeri_rifiutati() {
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
        const QString automatiche = Cartella_salvataggio(QString(), cartella.path());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"ini", "misure_auto"}));
        QCOMPARE(QFileInfo(automatiche).fileName(), QStringLiteral("misure_auto"));
        for (const QString& nome :
             QDir(cartella.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY2(Cartella_programma(nome) && Cartella_programma(nome.toUpper()),
                     qPrintable(nome));
        QVERIFY(!Cartella_programma("Squadra A"));
    }

    // The decimal comma of a number entry is stored as a point, only in a number.
    void virgola_decimale_delle_nuove_voci() {
        QCOMPARE((QStringList{Voce_con_punto("82,5"), Voce_con_punto(" -82,5 kg"),
                              Voce_con_punto("circa 82,5"), Voce_con_punto("82,")}),
                 (QStringList{"82.5", " -82.5 kg", "circa 82,5", "82,"}));
    }
};

QTEST_GUILESS_MAIN(Test_file_config)
#include "test_file_config.moc"
