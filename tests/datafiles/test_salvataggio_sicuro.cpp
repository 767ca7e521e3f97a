// SPDX-License-Identifier: GPL-3.0-or-later
// Saving where the disk says no: a full disk (a small tmpfs), a folder without write
// permission, a read-only disk, a folder removed before the save. Every file the program
// writes leaves the file it replaces whole and nothing of its own, and tells the reason in
// Italian; a set whose save failed is saved elsewhere afterwards exactly as it would have
// been. The test runs in namespaces of its own (tests/support/spazio_prova.h), so an
// ordinary user can mount the small disks and root meets the folder permissions.

#include "acquisition/salvataggi.h"
#include "acquisition/sorveglianza_giornale.h"
#include "datafiles/giornale_serie.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "datafiles/salva_serie.h"
#include "datafiles/scelte_analisi.h"
#include "platform/file_intero.h"
#include "platform/file_privati.h"
#include "platform/scrittura_differita.h"
#include "setup/file_config.h"
#include "stream/motore_misura.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/file_prova.h"
#include "tests/support/registrazione_prova.h"
#include "tests/support/spazio_prova.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/stat.h>

namespace {

const QLocale Locale_prova(QLocale::Italian, QLocale::Italy);
const QDateTime Adesso(QDate(2026, 12, 8), QTime(16, 59, 41));

// Twenty lifts after the unracking one, recorded from the serial stream of a type 1 board
// (at once, unless the test gives the engine its listeners first and calls Registra()).
struct Serie_registrata {
    Sessione s;
    Motore_misura motore{s, Locale_prova};
    const std::vector<Record_scheda> record = Record_copione(20, 1, Collegamento::Seriale);
    explicit Serie_registrata(const QString& cartella_atleta, bool subito = true) {
        Imposta_registrazione(s, 1, Collegamento::Seriale, cartella_atleta);
        if (subito) Registra();
    }
    // `passo` runs before each record is sent, with its index.
    void Registra(const std::function<void(std::size_t)>& passo = {}) {
        motore.Imposta_registrazione(true);
        motore.Inizia_acquisizione();
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (passo) passo(i);
            std::vector<std::uint8_t> byte;
            Accoda_seriale(record[i], byte);
            motore.Blocco_seriale(byte);
        }
        motore.Fine_acquisizione();
    }
    Esito_serie Salva(const QString& cartella) {
        s.Serie.Dati_esercizio.Cartella_dati = cartella;
        return Salva_serie(s, motore.Lst_valori(), &motore.Analisi(), Locale_prova, Adesso);
    }
};

// The last two: each file a link to a file in a folder beside, or to nothing there.
enum Guasto {
    Disco_pieno,
    Cartella_protetta,
    Disco_sola_lettura,
    Cartella_rimossa,
    Collegamento_altrove,
    Collegamento_rotto
};

QStringList File_in(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

unsigned Permessi(const QString& nome) {
    struct stat stato {};
    return ::lstat(QFile::encodeName(nome).constData(), &stato) == 0 ? stato.st_mode & 0777 : 0;
}

// Inside a helper: QVERIFY and QSKIP that give false to the test, which then returns.
#define VERIFICA(condizione, testo)                                                                \
    do {                                                                                           \
        if (!QTest::qVerify(condizione, #condizione, testo, __FILE__, __LINE__)) return false;     \
    } while (false)
#define SALTA(testo)                                                                               \
    do {                                                                                           \
        QTest::qSkip(testo, __FILE__, __LINE__);                                                   \
        return false;                                                                              \
    } while (false)

// A folder that fails in the given way once Rompi() has run. The disks are tmpfs mounted
// over it, gone with the object.
class Luogo_guasto {
public:
    Luogo_guasto(const QString& cartella, Guasto guasto) : cartella_(cartella), guasto_(guasto) {}
    ~Luogo_guasto() {
        if (guasto_ == Cartella_protetta)
            QFile::setPermissions(cartella_,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (montato_) Smonta(cartella_);
    }
    // The folder, on a disk of `kib` KiB for the two disks.
    bool Prepara(int kib = 64) {
        VERIFICA(QDir().mkpath(cartella_), qPrintable(cartella_));
        if (guasto_ == Disco_pieno || guasto_ == Disco_sola_lettura) {
            if (!Spazio_corrente().montaggi) SALTA(qPrintable(Spazio_corrente().motivo));
            const QString errore = Monta_tmpfs(cartella_, kib);
            VERIFICA(errore.isEmpty(), qPrintable(errore));
            montato_ = true;
        }
        return true;
    }
    bool Rompi() {
        if (guasto_ == Disco_pieno) Riempi(cartella_ + "/riempitivo");
        if (guasto_ == Cartella_protetta) {
            VERIFICA(QFile::setPermissions(cartella_, QFile::ReadOwner | QFile::ExeOwner), "");
            if (QFile(cartella_ + "/prova").open(QIODevice::WriteOnly))
                SALTA("folder permissions are not enforced for this process");
        }
        const QString errore =
            guasto_ == Disco_sola_lettura ? Rendi_sola_lettura(cartella_) : QString();
        VERIFICA(errore.isEmpty(), qPrintable(errore));
        if (guasto_ == Cartella_rimossa) VERIFICA(QDir(cartella_).removeRecursively(), "");
        if (guasto_ < Collegamento_altrove) return true;
        VERIFICA(QDir().mkpath(cartella_ + ".altrove"), "");
        for (const QString& nome : File_in(cartella_)) {
            const QString file = cartella_ + "/" + nome, bersaglio = cartella_ + ".altrove/" + nome;
            VERIFICA(guasto_ == Collegamento_altrove ? QFile::rename(file, bersaglio)
                                                     : QFile::remove(file),
                     "");
            VERIFICA(QFile::link(bersaglio, file), "");
        }
        return true;
    }
    // What the operator is told.
    QString Motivo() const {
        return QStringList{"spazio su disco esaurito", "permesso negato",
                           "disco in sola lettura",    "file o cartella inesistente",
                           "collegamento simbolico",   "collegamento simbolico"}[guasto_];
    }

private:
    QString cartella_;
    Guasto guasto_;
    bool montato_ = false;
};

void Righe_guasti(bool collegamenti = false) {
    QTest::addColumn<int>("guasto");
    QTest::newRow("disk full") << int(Disco_pieno);
    QTest::newRow("folder without write permission") << int(Cartella_protetta);
    QTest::newRow("read-only disk") << int(Disco_sola_lettura);
    QTest::newRow("folder removed") << int(Cartella_rimossa);
    if (!collegamenti) return;
    QTest::newRow("a link to a file elsewhere") << int(Collegamento_altrove);
    QTest::newRow("a link to nothing") << int(Collegamento_rotto);
}

} // namespace

class Test_salvataggio_sicuro : public QObject {
    Q_OBJECT
    QTemporaryDir radice;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(radice.isValid());
        if (!Spazio_corrente().montaggi)
            qWarning("no small disks here (%s): the rows that need them skip",
                     qPrintable(Spazio_corrente().motivo));
    }

    // Each file the program writes, over a file of its name that stood there: the failure
    // and its reason, the old file whole, nothing else left. The setup files make their
    // folder again when it is gone, and are written then.
    void every_writer_keeps_the_file_it_replaces_data() { Righe_guasti(true); }
    void every_writer_keeps_the_file_it_replaces() {
        QFETCH(int, guasto);
        const QString base = radice.filePath(QTest::currentDataTag());
        Serie_registrata serie(base + "/atleta");

        struct Scrittore {
            QString file;       // in the failing folder
            bool crea_cartella; // makes its folder again
            std::function<std::optional<QString>(QString file)> scrivi;
        };
        Liste_utente liste;
        liste[Riga_utente::Squadra] = QStringList{"Squadra A", "Squadra B"};
        liste[Riga_utente::Esercizio] = QStringList{"Squat", "Panca", "Stacco"};
        Sessione& s = serie.s;
        const std::vector<Scrittore> scrittori{
            {"campioni.csv", false,
             [&](QString f) { return Salva_campioni(f, s, Locale_prova, Adesso); }},
            {"ripetizioni.csv", false,
             [&](QString f) {
                 return Salva_ripetizioni(f, serie.motore.Lst_valori(), s.Dati_esercizio,
                                          Locale_prova, Adesso, nullptr);
             }},
            {"ripetizioni analisi.csv", false,
             [&](QString f) { return Salva_analisi(f, serie.motore.Analisi(), Locale_prova); }},
            {"brax.ini", true,
             [&](QString f) {
                 Sessione vuota;
                 vuota.Cartella_ini = QFileInfo(f).absolutePath();
                 vuota.File_ini = f;
                 QString nessuno; // no athlete: brax.ini alone
                 return Salva_File_Config(nessuno, vuota, liste);
             }},
            {"Rossi.cfg", false,
             [&](QString f) {
                 s.Cartella_ini = base + "/ini";
                 s.File_ini = s.Cartella_ini + "/brax.ini";
                 return Salva_File_Config(f, s, liste);
             }},
            {"analisi.ini", true,
             [&](QString f) {
                 return Salva_scelte_analisi(QFileInfo(f).absolutePath(), "Squat", {25, 0.27f});
             }},
            {"grafico_0.cwx", false,
             [&](QString f) { return Scrivi_file_intero(f, QByteArray(20000, '{')); }},
        };
        for (const Scrittore& scrittore : scrittori) {
            const QString cartella = base + "/" + QFileInfo(scrittore.file).baseName();
            const QString file = cartella + "/" + scrittore.file;
            Luogo_guasto luogo(cartella, Guasto(guasto));
            if (!luogo.Prepara()) return;
            // The choices file stands only as its writer wrote it.
            const QByteArray prima = scrittore.file == "analisi.ini"
                                         ? QByteArray("[Squat]\nperdita_max=20\nv1rm=0.3\n")
                                         : QByteArray("un file salvato prima, integro\r\n");
            if (guasto != Cartella_rimossa) Scrivi(file, prima);
            if (!luogo.Rompi()) return;
            const QStringList presenti = File_in(cartella);

            const std::optional<QString> errore = scrittore.scrivi(file);

            if (guasto == Cartella_rimossa && scrittore.crea_cartella) {
                QVERIFY2(!errore, qPrintable(errore.value_or(QString())));
                QVERIFY(QFileInfo(file).size() > 0);
                QCOMPARE(Permessi(file), 0600u);
                QCOMPARE(Permessi(cartella), 0700u);
                continue;
            }
            QCOMPARE(File_in(cartella), presenti);
            if (guasto != Cartella_rimossa && guasto != Collegamento_rotto)
                QCOMPARE(Contenuto(file), prima);
            if (guasto == Collegamento_altrove ||
                guasto == Collegamento_rotto) // nothing made there
                QCOMPARE(File_in(cartella + ".altrove"), guasto == Collegamento_altrove
                                                             ? QStringList{scrittore.file}
                                                             : QStringList());
            QVERIFY2(errore, qPrintable(scrittore.file));
            QVERIFY2(errore->contains(luogo.Motivo()), qPrintable(*errore));
        }
    }

    // The set saved at the stop into a failing athlete folder: no file there is cut (on a
    // disk that fills half-way, the files that fitted are whole and the one that did not
    // is absent), the reason is told, and the set saved elsewhere afterwards gives the
    // files it would have given.
    void set_saved_elsewhere_after_a_failed_save_data() { Righe_guasti(); }
    void set_saved_elsewhere_after_a_failed_save() {
        QFETCH(int, guasto);
        const QString base = radice.filePath(QString("serie ") + QTest::currentDataTag());
        const QString atleta = base + "/Squadra A/Rossi";
        Serie_registrata serie(atleta);

        // What the stop writes where nothing fails.
        QVERIFY(QDir().mkpath(base + "/atteso"));
        const Esito_serie atteso = serie.Salva(base + "/atteso");
        QVERIFY(atteso.Riuscito());
        QCOMPARE(atteso.scritti.size(), 4); // samples, record, summary, analysis
        QMap<QString, QByteArray> attesi;
        for (const QString& f : atteso.scritti) attesi[QFileInfo(f).fileName()] = Contenuto(f);
        // The sample file does not fit the small disk; the summary and the analysis do.
        constexpr int Disco_kib = 24;
        QVERIFY2(Contenuto(atteso.scritti[0]).size() > 2 * Disco_kib * 1024,
                 qPrintable(QString::number(Contenuto(atteso.scritti[0]).size())));

        Luogo_guasto luogo(atleta, Guasto(guasto));
        if (!luogo.Prepara(Disco_kib)) return;
        if (guasto != Disco_pieno && !luogo.Rompi()) return;

        const Esito_serie fallito = serie.Salva(atleta);
        // What is there is what the save says it wrote, each file whole.
        QStringList scritti;
        for (const QString& f : fallito.scritti) scritti << QFileInfo(f).fileName();
        scritti.sort();
        QCOMPARE(File_in(atleta), scritti);
        for (const QString& nome : scritti) QCOMPARE(Contenuto(atleta + "/" + nome), attesi[nome]);
        if (guasto == Disco_pieno) QCOMPARE(scritti.size(), 2);
        QVERIFY(!fallito.Riuscito());
        QVERIFY2(fallito.errore->contains(luogo.Motivo()), qPrintable(*fallito.errore));

        const QString altrove = base + "/altrove";
        QVERIFY(QDir().mkpath(altrove));
        const Esito_serie salvato = serie.Salva(altrove);
        QVERIFY2(salvato.Riuscito(), qPrintable(salvato.errore.value_or(QString())));
        QCOMPARE(File_in(altrove), QStringList(attesi.keys()));
        for (const QString& nome : attesi.keys())
            QCOMPARE(Contenuto(altrove + "/" + nome), attesi[nome]);
    }

    // The journal failing during a set is told while the set runs, once and without
    // waiting for an OK; the stop's failed save and the set leaving memory then say what
    // the journal really holds: the first part of the set on a disk that filled half-way,
    // nothing when its folder went or was never made. A removed athlete folder is made
    // again for the save.
    void journal_failure_told_as_it_is_data() {
        QTest::addColumn<int>("guasto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("disk full half-way") << int(Disco_pieno) << "spazio su disco esaurito";
        QTest::newRow("data folder removed half-way")
            << int(Cartella_rimossa) << "rimosso dal disco";
        QTest::newRow("no journal: folder without write permission")
            << int(Cartella_protetta) << "impossibile creare la cartella";
    }
    void journal_failure_told_as_it_is() {
        QFETCH(int, guasto);
        QFETCH(QString, motivo);
        const QString dati = radice.filePath(QString("giornale ") + QTest::currentDataTag());
        const QString atleta = dati + "/Squadra A/Rossi";
        Luogo_guasto luogo(dati, Guasto(guasto));
        if (!luogo.Prepara(256)) return;
        const bool a_meta = guasto != Cartella_protetta;
        if (a_meta)
            QVERIFY(QDir().mkpath(atleta));
        else if (!luogo.Rompi())
            return;
        Serie_registrata serie(atleta, false);
        Giornale_serie giornale(serie.s);
        giornale.Imposta_cartella(dati + "/recupero");
        Avvisi_registrati avvisi;
        Salvataggi salva(serie.s, serie.motore.Lst_valori(), avvisi, Locale_prova);
        salva.Imposta_giornale(&giornale);
        salva.Imposta_analisi(serie.motore.Analisi());
        serie.motore.Aggiungi_vista(giornale);
        serie.motore.Aggiungi_vista(salva.Controllo_giornale());
        const std::size_t n = serie.record.size();
        QString file_giornale;
        bool rotto = !a_meta;
        serie.Registra([&](std::size_t i) {
            if (!a_meta || (i != n / 2 && i != n * 3 / 4)) return;
            if (i == n / 2) {
                // The first half on the disk, then the failure.
                file_giornale = giornale.File();
                QTRY_COMPARE(giornale.Record_nel_giornale(), qint64(n / 2));
                rotto = luogo.Rompi();
                return;
            }
            // Told while the set runs, before the stop.
            QTRY_COMPARE(avvisi.elenco.size(), 1);
        });
        if (!rotto || QTest::currentTestFailed()) return;
        QVERIFY(!avvisi.elenco.isEmpty());
        const auto giornale_detto = avvisi.elenco.takeFirst();
        QVERIFY(giornale_detto.senza_attesa);
        QVERIFY2(giornale_detto.testo.contains(motivo), qPrintable(giornale_detto.testo));
        // What the journal holds, read from the disk: the first half, and what fitted in
        // the disk's last page.
        QString primi;
        if (guasto == Disco_pieno) {
            const std::size_t nel_giornale =
                std::size_t(Contenuto(file_giornale.replace(Estensione_giornale, Estensione_record))
                                .size()) /
                6;
            QVERIFY(nel_giornale >= n / 2 && nel_giornale < n);
            QCOMPARE(giornale.Record_nel_giornale(), qint64(nel_giornale));
            double secondi = 0;
            for (std::size_t j = 0; j < nel_giornale; ++j)
                secondi += std::abs(double(
                               Tempo_ms(serie.record[j].tempo, serie.s.Scheda.Fattore_tempo))) /
                           1000;
            primi = "primi " + Locale_prova.toString(secondi, 'f', 1) + " s";
            QVERIFY2(giornale_detto.testo.contains(primi), qPrintable(giornale_detto.testo));
        }

        // The stop: the athlete folder that went is made again and takes the set.
        QCOMPARE(salva.Salva_automatico(), guasto == Cartella_rimossa);
        if (guasto == Cartella_rimossa) QCOMPARE(File_in(atleta).size(), 4);
        QVERIFY(!salva.Segnala_serie_non_salvata() || guasto != Cartella_rimossa);
        QCOMPARE(avvisi.elenco.size(), guasto == Cartella_rimossa ? 0 : 2);
        // Never a promise the journal cannot keep.
        for (const auto& a : std::as_const(avvisi.elenco)) {
            QVERIFY(!a.senza_attesa);
            QVERIFY2(!a.testo.contains("prossimo avvio il programma la salva da solo"),
                     qPrintable(a.testo));
            QVERIFY2(guasto == Disco_pieno ? a.testo.contains(primi + " su ")
                                           : a.testo.contains("giornale: "),
                     qPrintable(a.testo));
        }
    }

    // Links left at the names a set takes: the set takes the next names and the journal's
    // writer refuses them; nothing is made where they point. What an older version left
    // open to other users is closed, without following a link to a file elsewhere.
    void links_are_never_followed_and_files_stay_private() {
        const QString base = radice.filePath("collegamenti");
        const QString atleta = base + "/Squadra A/Rossi", altrove = base + "/altrove";
        Serie_registrata serie(atleta);
        QCOMPARE(Crea_cartella_privata(atleta), std::nullopt);
        QCOMPARE(Permessi(base + "/Squadra A"), 0700u);
        QVERIFY(QDir().mkpath(altrove) && QDir().mkpath(base + "/prova"));
        QStringList nomi;
        for (const QString& f : serie.Salva(base + "/prova").scritti)
            nomi << QFileInfo(f).fileName();
        for (const QString& nome : nomi)
            QVERIFY(QFile::link(altrove + "/" + nome, atleta + "/" + nome));
        const Esito_serie salvato = serie.Salva(atleta);
        QVERIFY2(salvato.Riuscito(), qPrintable(salvato.errore.value_or(QString())));
        for (const QString& f : salvato.scritti) {
            QVERIFY2(f.contains(" (2)"), qPrintable(f));
            QCOMPARE(Permessi(f), 0600u);
        }
        Scrittura_differita giornale;
        const auto errore = giornale.Apri(atleta + "/" + nomi[0], "x");
        QVERIFY(errore && errore->contains("collegamento simbolico"));
        QCOMPARE(File_in(altrove), QStringList());

        Scrivi(altrove + "/fuori", "x");
        QVERIFY(QFile::link(altrove + "/fuori", atleta + "/fuori"));
        for (const QString& f : {altrove + "/fuori", salvato.scritti[0]})
            QCOMPARE(::chmod(QFile::encodeName(f).constData(), 0644), 0);
        QCOMPARE(::chmod(QFile::encodeName(atleta).constData(), 0755), 0);
        QCOMPARE(Rendi_privata(base + "/Squadra A").corrette, 2);
        QCOMPARE(Permessi(atleta), 0700u);
        QCOMPARE(Permessi(salvato.scritti[0]), 0600u);
        QCOMPARE(Permessi(altrove + "/fuori"), 0644u);
    }
};

int main(int argc, char** argv) {
    // Before Qt starts any thread: namespaces are entered by a single-threaded process.
    Entra_in_spazio_prova();
    Rinuncia_ai_permessi_speciali();
    QApplication app(argc, argv); // the save shows its progress
    Test_salvataggio_sicuro test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_salvataggio_sicuro.moc"
