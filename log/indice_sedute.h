// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The index of the athletes' tests: an SQLite database in the data folder's "ini/" that
// caches what the files in the athletes' folders say. The files stay the record: the index
// is brought up to date from them (a file added, changed in size or time, or removed), and
// a damaged or missing database is built again from them, never trusted over them.
//
// A test is a record "<name> test.ini" with the summary "<name> ripetizioni.csv" and its
// analysis beside it, or a summary file alone (saved under a chosen name, or before records
// existed) with its analysis. A copy of a summary under another name (the same date stamp
// and rows) is one test.
//
// With a club, the index also keeps what the club server has of this station's tests (the
// queue of tests to send) and the other stations' tests as the club last gave them (the
// mirror). Both are a cache too: an index rebuilt only means sending again, and the server
// keeps a test, or a version of its record, once.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>
#include <vector>

// One test as the index keeps it. Velocities in m/s; repetitions the coach left out count
// in `escluse` only, never in the velocities.
struct Riga_test {
    QString squadra, atleta, esercizio;
    double carico = 0;   // kg
    QDateTime quando;    // local time: the set's start (record), else the summary's date stamp
    int ripetizioni = 0; // as listed, the excluded ones too
    int escluse = 0;
    std::optional<double> vmedia_tabella; // best "Vmedia" of the summary's lifting phase
    std::optional<double> vmedia_alzata;  // best true lift mean velocity (analysis file)
    std::optional<double> mpv_migliore;   // best mean propulsive velocity (analysis file)
    std::optional<double> mpv_media;      // mean of the propulsive velocities (analysis file)
    std::optional<double> perdita_ultima; // %, the last repetition's velocity loss
    float rpe = 0;                        // 1 to 10; 0: not given
    QString nota;
    std::vector<int> numeri_esclusi; // the repetitions left out, by number from 1
    // Full paths; empty when the test has none (always so for another station's test).
    QString file_campioni, file_record, file_sommario, file_analisi;
    QString id;       // Identificativo_test: the same for one recording at every station
    QString stazione; // empty: this station's own test; else the club station that recorded it

    QString Cartella() const; // the athlete's folder
};

// The test's identifier: a name-based UUID of "<team>/<athlete>/<test's name>|<time with
// its offset>", the test's name being its files' common stem (the record's name without
// " test.ini", else the summary's without " ripetizioni.csv"). The same recording gives the
// same identifier at any station and after any rebuild of the index; two recordings differ.
QString Identificativo_test(const Riga_test& t);
// A hash of what the coach may change after the save (RPE, note, repetitions left out): a
// new value is a new version of the test's record for the club.
QString Impronta_registro(const Riga_test& t);

// A test of this station the club does not hold as it is.
struct Test_da_inviare {
    Riga_test test;
    QString impronta_registro; // Impronta_registro(test)
    bool gia_inviato = false;  // sent before, with another record
};

// The order of tests in every list (Prima_nel_tempo): by time, then by their files' names.
bool Test_prima(const Riga_test& a, const Riga_test& b);

struct Esito_indice {
    int letti = 0;        // tests read from their files
    int invariati = 0;    // tests whose files had not changed
    int rimossi = 0;      // tests whose files are gone
    QStringList scartati; // "file: reason" for every test file that could not be used
    QString avviso;       // the database could not be used as it was (rebuilt, or kept in memory)
};

// The index of one data folder. Open it, bring the part a view needs up to date, read.
class Indice_test {
public:
    // Opens (or creates) "<cartella_dati>/ini/storico.sqlite". A database that cannot be
    // read is removed and built anew; one that cannot be written lives in memory instead.
    explicit Indice_test(const QString& cartella_dati);
    ~Indice_test();
    Indice_test(const Indice_test&) = delete;
    Indice_test& operator=(const Indice_test&) = delete;

    QString Cartella_dati() const { return cartella_dati_; }
    QString File_database() const;
    // What went wrong opening the database; empty when it opened as it was.
    QString Avviso_apertura() const { return avviso_; }

    // Up to date from the files: the whole data folder, one team's athletes, one athlete.
    Esito_indice Aggiorna();
    Esito_indice Aggiorna_squadra(const QString& squadra);
    Esito_indice Aggiorna_atleta(const QString& squadra, const QString& atleta);
    // The one test of a sample file just saved (its record, summary and analysis).
    Esito_indice Aggiorna_test(const QString& file_campioni);

    // What the index holds (call an Aggiorna first). Teams and athletes by name (case
    // aside), tests newest first.
    QStringList Squadre() const;
    QStringList Atleti(const QString& squadra) const;
    std::vector<Riga_test> Test_atleta(const QString& squadra, const QString& atleta) const;
    std::vector<Riga_test> Test_squadra(const QString& squadra) const;
    // These lists hold the other stations' tests from the mirror too (`stazione` set), never
    // one that is this station's own.

    // The queue: this station's tests the club does not hold as they are (never sent, or
    // their record changed since), oldest first (by time, then identifier); at most
    // `massimo` of them when not negative. A test the club got is marked with the record
    // it got.
    std::vector<Test_da_inviare> Da_inviare(int massimo = -1) const;
    int Conta_da_inviare() const;
    bool Segna_inviato(const QString& id, const QString& impronta_registro);

    // The mirror: the other stations' tests as the club gave them, by identifier (a row given
    // again replaces the one held); `ultimo` is the server's time of the newest one received,
    // kept for the next request. Dimentica_club clears the mirror and what was sent.
    bool Salva_dal_club(const std::vector<Riga_test>& righe, const QString& ultimo);
    QString Ultimo_dal_club() const;
    void Dimentica_club();

private:
    QString cartella_dati_;
    QString connessione_;
    QString avviso_;
    bool Apri(const QString& file);
    // This station's rows (copies aside) and the mirror's rows (own tests aside) that meet
    // `condizione`, with its values bound in order.
    std::vector<Riga_test> Righe_proprie(const QString& condizione, const QVariantList& valori,
                                         const QString& ordine) const;
    std::vector<Riga_test> Righe_club(const QString& condizione, const QVariantList& valori) const;
    Esito_indice Aggiorna_cartelle(const QStringList& cartelle_atleti, const QString& ambito);
};

// After a save: the test of `file_campioni` goes into the index of `cartella_dati`, so
// the log shows it at once. The reason when it could not (the files stay the record: the
// next view reads them). Tests outside a team's athlete folder are not indexed.
std::optional<QString> Indicizza_test(const QString& cartella_dati, const QString& file_campioni);
