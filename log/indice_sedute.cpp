// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/indice_sedute.h"

#include "datafiles/cartelle_programma.h"
#include "datafiles/lettura_sommario.h"
#include "datafiles/nomi_file.h"
#include "datafiles/record_seduta.h"
#include "datafiles/salva_analisi.h"
#include "log/lettura_seduta.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include <cstdio>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bumped whenever the tables or what a row holds change: an older database is rebuilt.
constexpr int Versione_indice = 3;
const QString Nome_database = QStringLiteral("storico.sqlite");
constexpr int Attesa_blocco_ms = 10000;

const char* const Schema[] = {
    "CREATE TABLE info (chiave TEXT PRIMARY KEY, valore TEXT)",
    // Paths relative to the data folder; `cartella` is "team/athlete".
    "CREATE TABLE test (chiave TEXT PRIMARY KEY, cartella TEXT NOT NULL, squadra TEXT, "
    "atleta TEXT, esercizio TEXT, carico REAL, quando TEXT, ripetizioni INTEGER, "
    "escluse INTEGER, vmedia_tabella REAL, vmedia_alzata REAL, mpv_migliore REAL, "
    "mpv_media REAL, perdita_ultima REAL, rpe REAL, nota TEXT, file_campioni TEXT, "
    "file_record TEXT, file_sommario TEXT, file_analisi TEXT, impronta BLOB, "
    "copia_di TEXT, firma TEXT NOT NULL, id TEXT NOT NULL, elenco_escluse TEXT, "
    "impronta_registro TEXT)",
    "CREATE INDEX test_cartella ON test (cartella)",
    "CREATE INDEX test_id ON test (id)",
    // The other stations' tests as the club gave them.
    "CREATE TABLE club (id TEXT PRIMARY KEY, stazione TEXT, squadra TEXT, atleta TEXT, "
    "esercizio TEXT, carico REAL, quando TEXT, ripetizioni INTEGER, escluse INTEGER, "
    "vmedia_tabella REAL, vmedia_alzata REAL, mpv_migliore REAL, mpv_media REAL, "
    "perdita_ultima REAL, rpe REAL, nota TEXT, elenco_escluse TEXT)",
    "CREATE INDEX club_squadra ON club (squadra, atleta)",
    // This station's tests the club holds, with the record it holds.
    "CREATE TABLE inviato (id TEXT PRIMARY KEY, impronta_registro TEXT NOT NULL)",
    // Files of a folder that could not be used, kept so that they are named again without
    // being read again while they stay as they are.
    "CREATE TABLE scartato (chiave TEXT PRIMARY KEY, cartella TEXT NOT NULL, "
    "firma TEXT NOT NULL, motivo TEXT)",
    "CREATE INDEX scartato_cartella ON scartato (cartella)",
    // What a ".csv" of a chosen name is (a summary or not), by its size and time.
    "CREATE TABLE tipo_file (chiave TEXT PRIMARY KEY, cartella TEXT NOT NULL, "
    "firma TEXT NOT NULL, sommario INTEGER)",
    "CREATE INDEX tipo_file_cartella ON tipo_file (cartella)",
};

// The program's window and the club's sender each open the index on their own thread.
std::atomic<int> Connessioni{0};

// A file of a folder as the index compares it: name, size and time of the last change.
struct File_cartella {
    QString nome;
    qint64 dimensione = 0;
    qint64 modifica_ns = 0;
};

std::optional<File_cartella> Stato_file(const QDir& cartella, const QString& nome) {
    struct stat st {};
    if (::stat(QFile::encodeName(cartella.filePath(nome)).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode))
        return std::nullopt;
    return File_cartella{nome, qint64(st.st_size),
                         qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool Finisce_con(const char* nome, std::size_t lunghezza, std::string_view fine) {
    return lunghezza >= fine.size() &&
           ::strncasecmp(nome + lunghezza - fine.size(), fine.data(), fine.size()) == 0;
}

// The folder's record and ".csv" files (any case, hidden ones aside) by name. The system's
// own listing and a stat by the open folder: for thousands of files QDir's listing, which
// builds a QFileInfo and matches wildcards for each, costs more than reading them.
std::vector<File_cartella> Elenca(const QDir& cartella) {
    std::vector<File_cartella> file;
    DIR* d = ::opendir(QFile::encodeName(cartella.path()).constData());
    if (!d) return file;
    const QByteArray suffisso_record = QFile::encodeName(Suffisso_record);
    while (const dirent* voce = ::readdir(d)) {
        const char* nome = voce->d_name;
        const std::size_t lunghezza = std::strlen(nome);
        if (nome[0] == '.' || voce->d_type == DT_DIR ||
            !(Finisce_con(nome, lunghezza, ".csv") ||
              Finisce_con(nome, lunghezza,
                          std::string_view(suffisso_record.constData(),
                                           std::size_t(suffisso_record.size())))))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), nome, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
        file.push_back({QFile::decodeName(nome), qint64(st.st_size),
                        qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec});
    }
    ::closedir(d);
    std::sort(file.begin(), file.end(),
              [](const File_cartella& a, const File_cartella& b) { return a.nome < b.nome; });
    return file;
}

// "name:size:time|", appended to `firma`.
void Aggiungi_firma(QString& firma, const File_cartella& f) {
    char numeri[48];
    const int n =
        std::snprintf(numeri, sizeof numeri, ":%lld:%lld|", static_cast<long long>(f.dimensione),
                      static_cast<long long>(f.modifica_ns));
    firma += f.nome;
    firma += QLatin1String(numeri, n);
}

QVariant Opzionale(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<double>());
}
std::optional<double> Da_opzionale(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    return v.toDouble();
}
QString Testo_esclusi(const std::vector<int>& numeri) {
    QStringList testo;
    for (const int n : numeri) testo << QString::number(n);
    return testo.join(QLatin1Char(','));
}
std::vector<int> Da_testo_esclusi(const QString& testo) {
    std::vector<int> numeri;
    for (const QString& n : testo.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numeri.push_back(n.toInt());
    return numeri;
}
QString Testo_quando(const QDateTime& quando) {
    return quando.isValid() ? quando.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                            : QString();
}

// A test found in a folder, before it is read.
struct Test_trovato {
    QString chiave; // file name of its record, else of its summary
    File_test file;
    QString firma;
};

// A folder's tests by the names of its files, and the ".csv" files whose kind only their
// contents can tell (a summary saved under a chosen name).
void Raggruppa(const QDir& cartella, const std::vector<File_cartella>& file,
               std::vector<Test_trovato>& test, std::vector<File_cartella>& da_riconoscere) {
    QHash<QString, const File_cartella*> per_nome;
    for (const File_cartella& f : file) per_nome.insert(f.nome, &f);
    QSet<QString> presi;
    const QString radice = cartella.path() + QLatin1Char('/');
    const auto Prendi = [&](const QString& nome, QString& percorso, QString& firma) {
        const auto it = per_nome.constFind(nome);
        if (it == per_nome.cend()) return;
        presi.insert(nome);
        percorso = radice + nome;
        Aggiungi_firma(firma, **it);
    };
    for (const File_cartella& f : file) {
        const QString& nome = f.nome;
        if (!nome.endsWith(Suffisso_record)) continue;
        const QString base = nome.left(nome.size() - Suffisso_record.size());
        Test_trovato t;
        t.chiave = nome;
        Prendi(nome, t.file.record, t.firma);
        Prendi(base + QStringLiteral(".csv"), t.file.campioni, t.firma);
        const QString sommario = base + Suffisso_ripetizioni + QStringLiteral(".csv");
        Prendi(sommario, t.file.sommario, t.firma);
        if (!t.file.sommario.isEmpty())
            Prendi(QFileInfo(Nome_file_analisi(sommario)).fileName(), t.file.analisi, t.firma);
        test.push_back(t);
    }
    for (const File_cartella& f : file) {
        const QString& nome = f.nome;
        if (presi.contains(nome) || nome.endsWith(Suffisso_record) ||
            nome.endsWith(Suffisso_analisi + QStringLiteral(".csv"), Qt::CaseInsensitive))
            continue;
        da_riconoscere.push_back(f);
    }
}

struct Test_letto {
    Riga_test riga;
    QByteArray impronta;
    QStringList avvisi;
    std::optional<QString> errore;
};

// Reading thousands of small files is the work of a first index: the cores share it.
std::vector<Test_letto> Leggi_in_parallelo(const std::vector<const Test_trovato*>& test,
                                           const QString& squadra, const QString& atleta) {
    std::vector<Test_letto> letti(test.size());
    std::atomic<std::size_t> prossimo{0};
    const auto Lavora = [&] {
        for (std::size_t i = prossimo++; i < test.size(); i = prossimo++) {
            Test_letto& l = letti[i];
            l.errore =
                Leggi_file_test(test[i]->file, squadra, atleta, l.riga, l.impronta, l.avvisi);
        }
    };
    constexpr std::size_t Minimo_per_thread = 16;
    const std::size_t n = std::min<std::size_t>(
        {std::max(1u, std::thread::hardware_concurrency()), 4, test.size() / Minimo_per_thread});
    std::vector<std::thread> aiuti;
    for (std::size_t k = 1; k < n; ++k) aiuti.emplace_back(Lavora);
    Lavora();
    for (std::thread& a : aiuti) a.join();
    return letti;
}

} // namespace

QString Riga_test::Cartella() const {
    const QString uno = !file_record.isEmpty() ? file_record : file_sommario;
    return uno.isEmpty() ? QString() : QFileInfo(uno).absolutePath();
}

bool Test_prima(const Riga_test& a, const Riga_test& b) {
    const auto Nome = [](const Riga_test& t) {
        const QString& f = !t.file_record.isEmpty() ? t.file_record : t.file_sommario;
        return f.sliced(f.lastIndexOf(u'/') + 1);
    };
    return Prima_nel_tempo(a.quando, Nome(a), b.quando, Nome(b));
}

Indice_test::Indice_test(const QString& cartella_dati)
    : cartella_dati_(QDir::cleanPath(cartella_dati)),
      connessione_(QStringLiteral("kinetrack-storico-%1").arg(++Connessioni)) {
    const QString file = File_database();
    Crea_cartella_privata(QFileInfo(file).absolutePath());
    // SQLite would follow a link at the index's name: the index only repeats what the files
    // hold, so the link goes and the index is made again. The file is made for this user
    // alone before SQLite opens it, and its journals take its permissions.
    if (Collegamento_rifiutato(file)) QFile::remove(file);
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);
    if (Apri(file)) return;
    // Not a database, or one this program cannot use: the files will give it again.
    const QString motivo = avviso_;
    QSqlDatabase::removeDatabase(connessione_);
    if (QFile::exists(file) && QFile::remove(file) && Apri(file)) {
        avviso_ =
            QCoreApplication::translate("Indice_test", "Indice dei test ricostruito dai file (%1).")
                .arg(motivo);
        return;
    }
    QSqlDatabase::removeDatabase(connessione_);
    Apri(QStringLiteral(":memory:"));
    avviso_ = QCoreApplication::translate(
                  "Indice_test", "Impossibile usare l'indice dei test %1 (%2): tenuto in memoria.")
                  .arg(QDir::toNativeSeparators(file), motivo);
}

Indice_test::~Indice_test() {
    {
        QSqlDatabase db = QSqlDatabase::database(connessione_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connessione_);
}

QString Indice_test::File_database() const {
    return cartella_dati_ + QStringLiteral("/ini/") + Nome_database;
}

bool Indice_test::Apri(const QString& file) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione_);
    db.setDatabaseName(file);
    // Another thread may be writing (the club's sender, the window): wait for it.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Attesa_blocco_ms));
    if (!db.open()) {
        avviso_ = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    // The index is a cache of the files, never the record: no waiting for the disk. A
    // database a crash leaves damaged is found so at the next opening and rebuilt from
    // the files (see the constructor).
    q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    if (q.exec(QStringLiteral("SELECT valore FROM info WHERE chiave = 'versione'")) && q.next()) {
        if (q.value(0).toInt() == Versione_indice) return true;
        avviso_ =
            QCoreApplication::translate("Indice_test", "versione %1").arg(q.value(0).toString());
        db.close();
        return false;
    }
    // No answer: take the write lock and look again, since another thread (the club's
    // sender, the window) may have been making the same new database meanwhile; the first
    // one makes it, the other finds it made. Still no table: a new database; any other
    // failure: not one.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        avviso_ = q.lastError().text();
        db.close();
        return false;
    }
    if (q.exec(QStringLiteral("SELECT valore FROM info WHERE chiave = 'versione'")) && q.next()) {
        const QString versione = q.value(0).toString();
        q.finish();
        db.commit();
        if (versione.toInt() == Versione_indice) return true;
        avviso_ = QCoreApplication::translate("Indice_test", "versione %1").arg(versione);
        db.close();
        return false;
    }
    if (!db.tables().isEmpty() || q.lastError().text().contains(QLatin1String("not a database"))) {
        avviso_ = q.lastError().text();
        db.rollback();
        db.close();
        return false;
    }
    for (const char* istruzione : Schema) {
        if (!q.exec(QString::fromLatin1(istruzione))) {
            avviso_ = q.lastError().text();
            db.rollback();
            db.close();
            return false;
        }
    }
    q.exec(QStringLiteral("INSERT INTO info VALUES ('versione', '%1')").arg(Versione_indice));
    if (!db.commit()) {
        avviso_ = db.lastError().text();
        db.close();
        return false;
    }
    return true;
}

Esito_indice Indice_test::Aggiorna() {
    QStringList cartelle;
    const QDir radice(cartella_dati_);
    for (const QString& squadra : radice.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (Cartella_programma(squadra)) continue;
        for (const QString& atleta :
             QDir(radice.filePath(squadra)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            cartelle << squadra + QLatin1Char('/') + atleta;
    }
    return Aggiorna_cartelle(cartelle, QString());
}

Esito_indice Indice_test::Aggiorna_squadra(const QString& squadra) {
    QStringList cartelle;
    for (const QString& atleta : QDir(cartella_dati_ + QLatin1Char('/') + squadra)
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        cartelle << squadra + QLatin1Char('/') + atleta;
    return Aggiorna_cartelle(cartelle, squadra + QLatin1Char('/'));
}

Esito_indice Indice_test::Aggiorna_atleta(const QString& squadra, const QString& atleta) {
    const QString cartella = squadra + QLatin1Char('/') + atleta;
    return Aggiorna_cartelle({cartella}, cartella);
}

Esito_indice Indice_test::Aggiorna_test(const QString& file_campioni) {
    // The one folder holds few enough files that reading it again costs little; the
    // other tests of it keep their rows unless their files changed.
    const QString relativa =
        QDir(cartella_dati_).relativeFilePath(QFileInfo(file_campioni).absolutePath());
    const QStringList parti = relativa.split(QLatin1Char('/'));
    if (parti.size() != 2 || relativa.startsWith(QLatin1String("..")) ||
        Cartella_programma(parti[0]))
        return {};
    return Aggiorna_cartelle({relativa}, relativa);
}

Esito_indice Indice_test::Aggiorna_cartelle(const QStringList& cartelle, const QString& ambito) {
    Esito_indice esito;
    esito.avviso = avviso_;
    QSqlDatabase db = QSqlDatabase::database(connessione_);
    QSqlQuery q(db);
    // The write lock at once, so two threads updating the index wait for each other
    // rather than one failing at its first write.
    q.exec(QStringLiteral("BEGIN IMMEDIATE"));

    const QDir radice(cartella_dati_);
    // Folders that are gone lose their rows: within the scope (every folder, a team's
    // "team/" or one athlete's "team/athlete"), every folder the index knows that is not
    // among `cartelle` and is not on the disk now. `cartelle` was listed before the lock:
    // a folder another thread created and indexed since then is not gone.
    {
        const QSet<QString> presenti(cartelle.cbegin(), cartelle.cend());
        q.exec(QStringLiteral("SELECT cartella FROM test UNION SELECT cartella FROM scartato "
                              "UNION SELECT cartella FROM tipo_file"));
        QStringList sparite;
        while (q.next()) {
            const QString c = q.value(0).toString();
            const bool in_ambito = ambito.isEmpty() || c == ambito ||
                                   (ambito.endsWith(QLatin1Char('/')) && c.startsWith(ambito));
            if (in_ambito && !presenti.contains(c) && !QFileInfo(radice.filePath(c)).isDir())
                sparite << c;
        }
        for (const QString& c : sparite) {
            for (const QString& tabella : {QStringLiteral("test"), QStringLiteral("scartato"),
                                           QStringLiteral("tipo_file")}) {
                QSqlQuery via(db);
                via.prepare(QStringLiteral("DELETE FROM %1 WHERE cartella = ?").arg(tabella));
                via.addBindValue(c);
                via.exec();
                if (tabella == QLatin1String("test")) esito.rimossi += via.numRowsAffected();
            }
        }
    }

    QSqlQuery inserisci(db), scarta(db), tipo(db);
    inserisci.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO test VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, NULL, ?, ?, ?, ?)"));
    scarta.prepare(QStringLiteral("INSERT OR REPLACE INTO scartato VALUES (?, ?, ?, ?)"));
    tipo.prepare(QStringLiteral("INSERT OR REPLACE INTO tipo_file VALUES (?, ?, ?, ?)"));

    for (const QString& relativa : cartelle) {
        const QDir cartella(radice.filePath(relativa));
        const QString squadra = relativa.section(QLatin1Char('/'), 0, 0);
        const QString atleta = relativa.section(QLatin1Char('/'), 1);
        const QString prefisso = relativa + QLatin1Char('/');

        // What the index holds of the folder: firme by key.
        std::map<QString, QString> firme_test, firme_scartati;
        std::map<QString, std::pair<QString, bool>> tipi;
        q.prepare(QStringLiteral("SELECT chiave, firma FROM test WHERE cartella = ?"));
        q.addBindValue(relativa);
        q.exec();
        while (q.next()) firme_test[q.value(0).toString()] = q.value(1).toString();
        q.prepare(QStringLiteral("SELECT chiave, firma, motivo FROM scartato WHERE cartella = ?"));
        q.addBindValue(relativa);
        q.exec();
        std::map<QString, QString> motivi;
        while (q.next()) {
            firme_scartati[q.value(0).toString()] = q.value(1).toString();
            motivi[q.value(0).toString()] = q.value(2).toString();
        }
        q.prepare(
            QStringLiteral("SELECT chiave, firma, sommario FROM tipo_file WHERE cartella = ?"));
        q.addBindValue(relativa);
        q.exec();
        while (q.next()) tipi[q.value(0).toString()] = {q.value(1).toString(), q.value(2).toBool()};

        const std::vector<File_cartella> file = Elenca(cartella);
        std::vector<Test_trovato> trovati;
        std::vector<File_cartella> da_riconoscere;
        Raggruppa(cartella, file, trovati, da_riconoscere);
        std::set<QString> chiavi_tipo;
        for (const File_cartella& f : da_riconoscere) {
            const QString chiave = prefisso + f.nome;
            const QString percorso = cartella.filePath(f.nome);
            QString firma;
            Aggiungi_firma(firma, f);
            firma.chop(1);
            chiavi_tipo.insert(chiave);
            bool sommario = false;
            const auto noto = tipi.find(chiave);
            if (noto != tipi.end() && noto->second.first == firma) {
                sommario = noto->second.second;
            } else {
                sommario = Riconosci_riepilogo(percorso) == Tipo_riepilogo::Sommario;
                tipo.addBindValue(chiave);
                tipo.addBindValue(relativa);
                tipo.addBindValue(firma);
                tipo.addBindValue(sommario);
                tipo.exec();
            }
            // A file named as a summary that is none is read as one, so that it is named
            // among the files left out; any other ".csv" is no test.
            if (!sommario && !f.nome.endsWith(Suffisso_ripetizioni + QStringLiteral(".csv"),
                                              Qt::CaseInsensitive))
                continue;
            Test_trovato t;
            t.chiave = f.nome;
            t.file.sommario = percorso;
            t.firma = firma + QLatin1Char('|');
            const QString analisi = QFileInfo(Nome_file_analisi(percorso)).fileName();
            if (const auto a = Stato_file(cartella, analisi)) {
                t.file.analisi = cartella.filePath(analisi);
                Aggiungi_firma(t.firma, *a);
            }
            trovati.push_back(t);
        }
        for (const auto& [chiave, firma] : tipi) {
            if (chiavi_tipo.count(chiave)) continue;
            QSqlQuery via(db);
            via.prepare(QStringLiteral("DELETE FROM tipo_file WHERE chiave = ?"));
            via.addBindValue(chiave);
            via.exec();
        }

        std::set<QString> chiavi;
        bool cambiata = false;
        // The tests to read: new, changed, or changed since they were found damaged. Their
        // files are read on worker threads; the database is written here.
        std::vector<const Test_trovato*> da_leggere;
        for (const Test_trovato& t : trovati) {
            const QString chiave = prefisso + t.chiave;
            chiavi.insert(chiave);
            const auto noto = firme_test.find(chiave);
            if (noto != firme_test.end() && noto->second == t.firma) {
                ++esito.invariati;
                continue;
            }
            const auto scartato = firme_scartati.find(chiave);
            if (scartato != firme_scartati.end() && scartato->second == t.firma) continue;
            da_leggere.push_back(&t);
        }
        const std::vector<Test_letto> letti = Leggi_in_parallelo(da_leggere, squadra, atleta);
        for (std::size_t i = 0; i < da_leggere.size(); ++i) {
            const Test_trovato& t = *da_leggere[i];
            const QString chiave = prefisso + t.chiave;
            const auto noto = firme_test.find(chiave);
            const auto scartato = firme_scartati.find(chiave);
            cambiata = true;
            const Riga_test& riga = letti[i].riga;
            const QByteArray& impronta = letti[i].impronta;
            const QStringList& avvisi = letti[i].avvisi;
            const std::optional<QString>& errore = letti[i].errore;
            QString motivo;
            if (errore)
                motivo = t.chiave + QStringLiteral(": ") + *errore;
            else if (!avvisi.isEmpty())
                motivo = avvisi.join(QStringLiteral("; "));
            if (!motivo.isEmpty()) {
                scarta.addBindValue(chiave);
                scarta.addBindValue(relativa);
                scarta.addBindValue(t.firma);
                scarta.addBindValue(motivo);
                scarta.exec();
            } else if (scartato != firme_scartati.end()) {
                QSqlQuery via(db);
                via.prepare(QStringLiteral("DELETE FROM scartato WHERE chiave = ?"));
                via.addBindValue(chiave);
                via.exec();
            }
            motivi[chiave] = motivo;
            if (errore) {
                if (noto != firme_test.end()) {
                    QSqlQuery via(db);
                    via.prepare(QStringLiteral("DELETE FROM test WHERE chiave = ?"));
                    via.addBindValue(chiave);
                    via.exec();
                }
                continue;
            }
            // Every file of a test is in its folder.
            const auto Relativo = [&prefisso](const QString& f) {
                return f.isEmpty() ? QString() : prefisso + f.sliced(f.lastIndexOf(u'/') + 1);
            };
            for (const QVariant& v : {QVariant(chiave),
                                      QVariant(relativa),
                                      QVariant(riga.squadra),
                                      QVariant(riga.atleta),
                                      QVariant(riga.esercizio),
                                      QVariant(riga.carico),
                                      QVariant(Testo_quando(riga.quando)),
                                      QVariant(riga.ripetizioni),
                                      QVariant(riga.escluse),
                                      Opzionale(riga.vmedia_tabella),
                                      Opzionale(riga.vmedia_alzata),
                                      Opzionale(riga.mpv_migliore),
                                      Opzionale(riga.mpv_media),
                                      Opzionale(riga.perdita_ultima),
                                      QVariant(double(riga.rpe)),
                                      QVariant(riga.nota),
                                      QVariant(Relativo(riga.file_campioni)),
                                      QVariant(Relativo(riga.file_record)),
                                      QVariant(Relativo(riga.file_sommario)),
                                      QVariant(Relativo(riga.file_analisi)),
                                      QVariant(impronta),
                                      QVariant(t.firma),
                                      QVariant(Identificativo_test(riga)),
                                      QVariant(Testo_esclusi(riga.numeri_esclusi)),
                                      QVariant(Impronta_registro(riga))})
                inserisci.addBindValue(v);
            if (!inserisci.exec() && esito.avviso.isEmpty())
                esito.avviso = QCoreApplication::translate(
                                   "Indice_test", "Impossibile aggiornare l'indice dei test: %1")
                                   .arg(inserisci.lastError().text());
            ++esito.letti;
        }
        // Tests whose files are gone.
        for (const auto& [chiave, firma] : firme_test) {
            if (chiavi.count(chiave)) continue;
            QSqlQuery via(db);
            via.prepare(QStringLiteral("DELETE FROM test WHERE chiave = ?"));
            via.addBindValue(chiave);
            via.exec();
            ++esito.rimossi;
            cambiata = true;
        }
        for (const auto& [chiave, firma] : firme_scartati) {
            if (chiavi.count(chiave)) continue;
            QSqlQuery via(db);
            via.prepare(QStringLiteral("DELETE FROM scartato WHERE chiave = ?"));
            via.addBindValue(chiave);
            via.exec();
            motivi.erase(chiave);
        }
        if (cambiata) {
            // Copies of one summary under other names are one test: a test with a record
            // is a set of its own; a summary alone with the date stamp and rows of another
            // is a copy of the test with a record, else of the first by name. Equal rows
            // under another stamp are another test.
            q.prepare(QStringLiteral("SELECT chiave, impronta, file_record FROM test WHERE "
                                     "cartella = ? AND impronta IS NOT NULL AND "
                                     "length(impronta) > 0 ORDER BY (file_record = ''), chiave"));
            q.addBindValue(relativa);
            q.exec();
            QHash<QByteArray, QString> primi;
            std::vector<std::pair<QString, QString>> copie;
            while (q.next()) {
                const QByteArray impronta = q.value(1).toByteArray();
                const auto primo = primi.constFind(impronta);
                if (primo == primi.cend())
                    primi.insert(impronta, q.value(0).toString());
                else if (q.value(2).toString().isEmpty())
                    copie.emplace_back(q.value(0).toString(), *primo);
            }
            QSqlQuery via(db);
            via.prepare(QStringLiteral("UPDATE test SET copia_di = NULL WHERE cartella = ?"));
            via.addBindValue(relativa);
            via.exec();
            via.prepare(QStringLiteral("UPDATE test SET copia_di = ? WHERE chiave = ?"));
            for (const auto& [copia, originale] : copie) {
                via.addBindValue(originale);
                via.addBindValue(copia);
                via.exec();
            }
        }
        for (const auto& [chiave, motivo] : motivi)
            if (!motivo.isEmpty()) esito.scartati << relativa + QLatin1Char('/') + motivo;
        q.prepare(QStringLiteral("SELECT chiave, copia_di FROM test WHERE cartella = ? AND "
                                 "copia_di IS NOT NULL"));
        q.addBindValue(relativa);
        q.exec();
        while (q.next())
            esito.scartati << q.value(0).toString() + QStringLiteral(": copia di ") +
                                  QFileInfo(q.value(1).toString()).fileName();
    }
    if (!db.commit() && esito.avviso.isEmpty())
        esito.avviso = QCoreApplication::translate("Indice_test",
                                                   "Impossibile aggiornare l'indice dei test: %1")
                           .arg(db.lastError().text());
    return esito;
}

namespace {
// The mirror's rows that are not this station's own tests.
const QString Solo_club = QStringLiteral("id NOT IN (SELECT id FROM test)");

QStringList Nomi(QSqlQuery& q) {
    QStringList nomi;
    while (q.next()) nomi << q.value(0).toString();
    return nomi;
}
} // namespace

QStringList Indice_test::Squadre() const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    q.exec(QStringLiteral("SELECT squadra FROM test UNION SELECT squadra FROM club WHERE ") +
           Solo_club + QStringLiteral(" ORDER BY squadra COLLATE NOCASE"));
    return Nomi(q);
}

QStringList Indice_test::Atleti(const QString& squadra) const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    q.prepare(QStringLiteral("SELECT atleta FROM test WHERE squadra = ? UNION SELECT atleta FROM "
                             "club WHERE squadra = ? AND ") +
              Solo_club + QStringLiteral(" ORDER BY atleta COLLATE NOCASE"));
    q.addBindValue(squadra);
    q.addBindValue(squadra);
    q.exec();
    return Nomi(q);
}

namespace {
std::vector<Riga_test> Leggi_righe(QSqlQuery& q, const QString& cartella_dati) {
    std::vector<Riga_test> righe;
    const QDir radice(cartella_dati);
    const auto Assoluto = [&radice](const QVariant& v) {
        const QString f = v.toString();
        return f.isEmpty() ? QString() : radice.filePath(f);
    };
    while (q.next()) {
        Riga_test r;
        r.squadra = q.value(0).toString();
        r.atleta = q.value(1).toString();
        r.esercizio = q.value(2).toString();
        r.carico = q.value(3).toDouble();
        r.quando = QDateTime::fromString(q.value(4).toString(), Qt::ISODate);
        r.ripetizioni = q.value(5).toInt();
        r.escluse = q.value(6).toInt();
        r.vmedia_tabella = Da_opzionale(q.value(7));
        r.vmedia_alzata = Da_opzionale(q.value(8));
        r.mpv_migliore = Da_opzionale(q.value(9));
        r.mpv_media = Da_opzionale(q.value(10));
        r.perdita_ultima = Da_opzionale(q.value(11));
        r.rpe = q.value(12).toFloat();
        r.nota = q.value(13).toString();
        r.file_campioni = Assoluto(q.value(14));
        r.file_record = Assoluto(q.value(15));
        r.file_sommario = Assoluto(q.value(16));
        r.file_analisi = Assoluto(q.value(17));
        r.id = q.value(18).toString();
        r.numeri_esclusi = Da_testo_esclusi(q.value(19).toString());
        r.stazione = q.value(20).toString();
        righe.push_back(std::move(r));
    }
    return righe;
}

const QString Valori = QStringLiteral(
    "squadra, atleta, esercizio, carico, quando, ripetizioni, escluse, vmedia_tabella, "
    "vmedia_alzata, mpv_migliore, mpv_media, perdita_ultima, rpe, nota, ");

// Newest first.
std::vector<Riga_test> Ordinate(std::vector<Riga_test> righe) {
    std::stable_sort(righe.begin(), righe.end(),
                     [](const Riga_test& a, const Riga_test& b) { return Test_prima(b, a); });
    return righe;
}

void Esegui(QSqlQuery& q, const QString& testo, const QVariantList& valori) {
    q.setForwardOnly(true);
    q.prepare(testo);
    for (const QVariant& v : valori) q.addBindValue(v);
    q.exec();
}
} // namespace

std::vector<Riga_test> Indice_test::Righe_proprie(const QString& condizione,
                                                  const QVariantList& valori,
                                                  const QString& ordine) const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    Esegui(q,
           QStringLiteral("SELECT ") + Valori +
               QStringLiteral("file_campioni, file_record, file_sommario, file_analisi, id, "
                              "elenco_escluse, '' FROM test WHERE copia_di IS NULL AND (") +
               condizione + QStringLiteral(") ORDER BY ") + ordine,
           valori);
    return Leggi_righe(q, cartella_dati_);
}

std::vector<Riga_test> Indice_test::Righe_club(const QString& condizione,
                                               const QVariantList& valori) const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    Esegui(q,
           QStringLiteral("SELECT ") + Valori +
               QStringLiteral("'', '', '', '', id, elenco_escluse, stazione FROM club WHERE ") +
               Solo_club + QStringLiteral(" AND ") + condizione + QStringLiteral(" ORDER BY id"),
           valori);
    return Leggi_righe(q, QString());
}

std::vector<Riga_test> Indice_test::Test_atleta(const QString& squadra,
                                                const QString& atleta) const {
    // By key, so the order of tests alike in time and name never depends on the database.
    std::vector<Riga_test> righe =
        Righe_proprie(QStringLiteral("cartella = ?"), {squadra + QLatin1Char('/') + atleta},
                      QStringLiteral("chiave"));
    for (Riga_test& r : Righe_club(QStringLiteral("squadra = ? AND atleta = ?"), {squadra, atleta}))
        righe.push_back(std::move(r));
    return Ordinate(std::move(righe));
}

std::vector<Riga_test> Indice_test::Test_squadra(const QString& squadra) const {
    std::vector<Riga_test> righe =
        Righe_proprie(QStringLiteral("squadra = ?"), {squadra}, QStringLiteral("chiave"));
    for (Riga_test& r : Righe_club(QStringLiteral("squadra = ?"), {squadra}))
        righe.push_back(std::move(r));
    return Ordinate(std::move(righe));
}

// The club's queue and mirror.

namespace {
// Fixed for ever: identifiers made by every version of the program must agree.
const QUuid Spazio_identificativi(QStringLiteral("{3f0c6d2e-8b41-4c7a-9e15-6b2d7f4a9c38}"));

// This station's tests the club does not hold with their present record.
const QString Non_inviati =
    QStringLiteral("NOT EXISTS (SELECT 1 FROM inviato WHERE inviato.id = test.id AND "
                   "inviato.impronta_registro = test.impronta_registro)");
} // namespace

QString Identificativo_test(const Riga_test& t) {
    QString nome;
    if (!t.file_record.isEmpty()) {
        nome = QFileInfo(t.file_record).fileName();
        if (nome.endsWith(Suffisso_record)) nome.chop(Suffisso_record.size());
    } else if (!t.file_sommario.isEmpty()) {
        nome = QFileInfo(t.file_sommario).fileName();
        const QString coda = Suffisso_ripetizioni + QStringLiteral(".csv");
        if (nome.endsWith(coda, Qt::CaseInsensitive))
            nome.chop(coda.size());
        else if (nome.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            nome.chop(4);
    } else if (!t.file_campioni.isEmpty()) {
        nome = QFileInfo(t.file_campioni).completeBaseName();
    }
    const QString quando =
        t.quando.isValid()
            ? t.quando.toOffsetFromUtc(t.quando.offsetFromUtc()).toString(Qt::ISODate)
            : QString();
    return QUuid::createUuidV5(Spazio_identificativi, t.squadra + QLatin1Char('/') + t.atleta +
                                                          QLatin1Char('/') + nome +
                                                          QLatin1Char('|') + quando)
        .toString(QUuid::WithoutBraces);
}

QString Impronta_registro(const Riga_test& t) {
    const QString testo = QString::number(double(t.rpe)) + QLatin1Char('|') + t.nota +
                          QLatin1Char('|') + Testo_esclusi(t.numeri_esclusi);
    return QString::fromLatin1(
        QCryptographicHash::hash(testo.toUtf8(), QCryptographicHash::Sha256).toHex());
}

std::vector<Test_da_inviare> Indice_test::Da_inviare(int massimo) const {
    QString ordine = QStringLiteral("quando, id");
    if (massimo >= 0) ordine += QStringLiteral(" LIMIT %1").arg(massimo);
    std::vector<Test_da_inviare> coda;
    QSet<QString> inviati;
    {
        QSqlQuery q(QSqlDatabase::database(connessione_));
        q.exec(QStringLiteral("SELECT id FROM inviato"));
        while (q.next()) inviati.insert(q.value(0).toString());
    }
    for (Riga_test& r : Righe_proprie(Non_inviati, {}, ordine)) {
        Test_da_inviare t;
        t.impronta_registro = Impronta_registro(r);
        t.gia_inviato = inviati.contains(r.id);
        t.test = std::move(r);
        coda.push_back(std::move(t));
    }
    return coda;
}

int Indice_test::Conta_da_inviare() const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    q.exec(QStringLiteral("SELECT count(*) FROM test WHERE copia_di IS NULL AND ") + Non_inviati);
    return q.next() ? q.value(0).toInt() : 0;
}

bool Indice_test::Segna_inviato(const QString& id, const QString& impronta_registro) {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO inviato VALUES (?, ?)"));
    q.addBindValue(id);
    q.addBindValue(impronta_registro);
    return q.exec();
}

bool Indice_test::Salva_dal_club(const std::vector<Riga_test>& righe, const QString& ultimo) {
    QSqlDatabase db = QSqlDatabase::database(connessione_);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    bool riuscito = true;
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO club VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?)"));
    for (const Riga_test& r : righe) {
        if (r.id.isEmpty()) continue;
        for (const QVariant& v :
             {QVariant(r.id), QVariant(r.stazione), QVariant(r.squadra), QVariant(r.atleta),
              QVariant(r.esercizio), QVariant(r.carico), QVariant(Testo_quando(r.quando)),
              QVariant(r.ripetizioni), QVariant(r.escluse), Opzionale(r.vmedia_tabella),
              Opzionale(r.vmedia_alzata), Opzionale(r.mpv_migliore), Opzionale(r.mpv_media),
              Opzionale(r.perdita_ultima), QVariant(double(r.rpe)), QVariant(r.nota),
              QVariant(Testo_esclusi(r.numeri_esclusi))})
            q.addBindValue(v);
        riuscito = q.exec() && riuscito;
    }
    if (!ultimo.isEmpty()) {
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO info VALUES ('ultimo_club', ?)"));
        q.addBindValue(ultimo);
        riuscito = q.exec() && riuscito;
    }
    q.finish();
    if (!riuscito) {
        db.rollback();
        return false;
    }
    return db.commit();
}

QString Indice_test::Ultimo_dal_club() const {
    QSqlQuery q(QSqlDatabase::database(connessione_));
    q.exec(QStringLiteral("SELECT valore FROM info WHERE chiave = 'ultimo_club'"));
    return q.next() ? q.value(0).toString() : QString();
}

void Indice_test::Dimentica_club() {
    QSqlDatabase db = QSqlDatabase::database(connessione_);
    QSqlQuery q(db);
    q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    q.exec(QStringLiteral("DELETE FROM club"));
    q.exec(QStringLiteral("DELETE FROM inviato"));
    q.exec(QStringLiteral("DELETE FROM info WHERE chiave = 'ultimo_club'"));
    db.commit();
}

std::optional<QString> Indicizza_test(const QString& cartella_dati, const QString& file_campioni) {
    Indice_test indice(cartella_dati);
    const Esito_indice esito = indice.Aggiorna_test(file_campioni);
    if (!esito.avviso.isEmpty()) return esito.avviso;
    return std::nullopt;
}
