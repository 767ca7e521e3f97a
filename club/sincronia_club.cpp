// SPDX-License-Identifier: GPL-3.0-or-later
#include "club/sincronia_club.h"

#include "datafiles/codifica_1252.h"
#include "log/indice_sedute.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <atomic>

namespace {

std::atomic<int> Connessioni_club{0};

// How long a station waits for the server to answer a connection, in seconds.
constexpr int Attesa_collegamento_s = 5;
// Rows the pull takes again from before the newest it saw: a transaction that took its time
// stores rows stamped before others it commits after.
const QString Margine_ricezione = QStringLiteral("1 minute");

QVariant Valore(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<double>());
}

std::optional<double> Numero(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    return v.toDouble();
}

// A summary's or an analysis' text as the club keeps it (empty when the test has none).
QString Testo_file(const QString& nome) {
    if (nome.isEmpty()) return {};
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString testo = Testo_da_1252(f.readAll());
    testo.remove(QChar(0));
    return testo;
}

// The repetitions the record leaves out, "2,5", and back.
QString Elenco_escluse(const Riga_test& t) {
    QStringList numeri;
    for (int n : t.numeri_esclusi) numeri << QString::number(n);
    return numeri.join(QLatin1Char(','));
}

std::vector<int> Numeri_esclusi(const QString& elenco) {
    std::vector<int> numeri;
    for (const QString& n : elenco.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numeri.push_back(n.toInt());
    return numeri;
}

QString Chi(const Riga_test& t) {
    return QStringLiteral("%1/%2 %3")
        .arg(t.squadra, t.atleta, t.quando.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

} // namespace

Club::Club(const Parametri_club& parametri)
    : parametri_(parametri),
      connessione_(QStringLiteral("kt_club_%1").arg(Connessioni_club.fetch_add(1))) {
    if (parametri_.stazione.trimmed().isEmpty()) parametri_.stazione = Stazione_predefinita();
}

Club::~Club() {
    Chiudi();
    QSqlDatabase::removeDatabase(connessione_);
}

void Club::Chiudi() {
    collegato_ = false;
    if (!QSqlDatabase::contains(connessione_)) return;
    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    db.close();
}

QString Club::Apri() {
    Chiudi();
    password_rifiutata_ = false;
    QSqlDatabase db = QSqlDatabase::contains(connessione_)
                          ? QSqlDatabase::database(connessione_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connessione_);
    if (!db.isValid())
        return QCoreApplication::translate(
            "Club", "manca il driver PostgreSQL di Qt (QPSQL): installare libqt6sql6-psql");
    if (!parametri_.host.isEmpty()) db.setHostName(parametri_.host);
    db.setPort(parametri_.porta);
    db.setDatabaseName(parametri_.database);
    if (!parametri_.utente.isEmpty()) db.setUserName(parametri_.utente);
    QStringList opzioni = {
        QStringLiteral("connect_timeout=%1").arg(Attesa_collegamento_s),
        QStringLiteral("application_name=kinetrack"),
        // A network gone in the middle of a query ends the round within
        // seconds instead of TCP's own minutes: the sender's thread, and
        // so the program's closing, never waits longer than that.
        QStringLiteral("keepalives_idle=5"), QStringLiteral("keepalives_interval=2"),
        QStringLiteral("keepalives_count=3"), QStringLiteral("tcp_user_timeout=15000")};
    if (!parametri_.sslmode.isEmpty()) opzioni << QStringLiteral("sslmode=") + parametri_.sslmode;
    db.setConnectOptions(opzioni.join(QLatin1Char(';')));
    const QString server = Testo_parametri(parametri_);
    if (!db.open()) {
        const QString motivo = db.lastError().databaseText().trimmed().isEmpty()
                                   ? db.lastError().text().trimmed()
                                   : db.lastError().databaseText().trimmed();
        password_rifiutata_ = motivo.contains(QLatin1String("password authentication failed")) ||
                              motivo.contains(QLatin1String("no password supplied"));
        return password_rifiutata_
                   ? QCoreApplication::translate(
                         "Club", "il club (%1) ha rifiutato la password dell'utente \"%2\": %3")
                         .arg(server, db.userName(), motivo)
                   : QCoreApplication::translate("Club", "il club (%1) non risponde: %2")
                         .arg(server, motivo);
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral(
            "SELECT current_setting('server_version_num')::int, "
            "current_setting('server_version'), "
            "EXISTS (SELECT 1 FROM pg_catalog.pg_tables WHERE schemaname = 'kinetrack' "
            "AND tablename = 'versione')")) ||
        !q.next()) {
        const QString motivo = q.lastError().text();
        db.close();
        return QCoreApplication::translate("Club", "il club (%1) non risponde: %2")
            .arg(server, motivo);
    }
    const int versione_server = q.value(0).toInt();
    const QString nome_versione = q.value(1).toString();
    const bool schema = q.value(2).toBool();
    if (versione_server < Versione_server_minima) {
        db.close();
        return QCoreApplication::translate(
                   "Club",
                   "il server del club è PostgreSQL %1: kinetrack vuole PostgreSQL %2 o successivo")
            .arg(nome_versione)
            .arg(Versione_server_minima / 10000);
    }
    if (!schema) {
        db.close();
        return QCoreApplication::translate(
                   "Club",
                   "il database \"%1\" non ha lo schema del club: kinetrack vuole la versione %2 "
                   "(psql -f club.sql)")
            .arg(parametri_.database)
            .arg(Versione_schema_club);
    }
    if (!q.exec(QStringLiteral("SELECT max(versione) FROM kinetrack.versione")) || !q.next()) {
        const QString motivo = q.lastError().text();
        db.close();
        return QCoreApplication::translate("Club", "lo schema del club non si legge: %1")
            .arg(motivo);
    }
    const int versione_schema = q.value(0).toInt();
    if (versione_schema != Versione_schema_club) {
        db.close();
        return QCoreApplication::translate(
                   "Club", "lo schema del club è alla versione %1, kinetrack vuole la versione %2")
            .arg(versione_schema)
            .arg(Versione_schema_club);
    }
    // The received times pass through as text: the same zone at every station.
    q.exec(QStringLiteral("SET TIME ZONE 'UTC'"));
    collegato_ = true;
    return {};
}

bool Club::Ancora_collegato() {
    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    QSqlQuery q(db);
    if (db.isOpen() && q.exec(QStringLiteral("SELECT 1"))) return true;
    Chiudi();
    return false;
}

Club::Invio Club::Invia(const Test_da_inviare& da_inviare, QString& errore) {
    const Riga_test& t = da_inviare.test;
    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    const auto Fallito = [&](const QSqlQuery& q) {
        errore = QCoreApplication::translate("Club", "il club non ha preso il test %1: %2")
                     .arg(Chi(t), q.lastError().text());
        db.rollback();
        return Ancora_collegato() ? Invio::rifiutato : Invio::caduto;
    };
    if (!db.transaction()) {
        errore = db.lastError().text();
        return Ancora_collegato() ? Invio::rifiutato : Invio::caduto;
    }
    QSqlQuery q(db);
    // The test itself goes with every version of its record: a server that lost it, or a
    // new one, gets it again (and one that holds it ignores it).
    q.prepare(QStringLiteral(
        "INSERT INTO kinetrack.test (id, stazione, squadra, atleta, esercizio, carico, "
        "quando, ripetizioni, escluse, vmedia_tabella, vmedia_alzata, mpv_migliore, "
        "mpv_media, perdita_ultima, rpe, nota, sommario, analisi) VALUES (?::uuid, ?, ?, ?, "
        "?, ?, ?::timestamptz, ?, ?, ?, ?, ?, ?, ?, ?, coalesce(?, ''), coalesce(?, ''), "
        "coalesce(?, '')) ON CONFLICT (id) DO NOTHING"));
    for (const QVariant& v :
         {QVariant(t.id), QVariant(parametri_.stazione), QVariant(t.squadra), QVariant(t.atleta),
          QVariant(t.esercizio), QVariant(t.carico), QVariant(t.quando.toString(Qt::ISODateWithMs)),
          QVariant(t.ripetizioni), QVariant(t.escluse), Valore(t.vmedia_tabella),
          Valore(t.vmedia_alzata), Valore(t.mpv_migliore), Valore(t.mpv_media),
          Valore(t.perdita_ultima), QVariant(double(t.rpe)), QVariant(t.nota),
          QVariant(Testo_file(t.file_sommario)), QVariant(Testo_file(t.file_analisi))})
        q.addBindValue(v);
    if (!q.exec()) return Fallito(q);
    q.prepare(QStringLiteral(
        "INSERT INTO kinetrack.registro (test, impronta, rpe, nota, elenco_escluse, escluse, "
        "vmedia_tabella, vmedia_alzata, mpv_migliore, mpv_media, perdita_ultima, stazione) "
        "VALUES (?::uuid, ?, ?, coalesce(?, ''), coalesce(?, ''), ?, ?, ?, ?, ?, ?, ?) ON "
        "CONFLICT (test, impronta) DO NOTHING"));
    for (const QVariant& v :
         {QVariant(t.id), QVariant(da_inviare.impronta_registro), QVariant(double(t.rpe)),
          QVariant(t.nota), QVariant(Elenco_escluse(t)), QVariant(t.escluse),
          Valore(t.vmedia_tabella), Valore(t.vmedia_alzata), Valore(t.mpv_migliore),
          Valore(t.mpv_media), Valore(t.perdita_ultima), QVariant(parametri_.stazione)})
        q.addBindValue(v);
    if (!q.exec()) return Fallito(q);
    if (!db.commit()) {
        errore = QCoreApplication::translate("Club", "il club non ha preso il test %1: %2")
                     .arg(Chi(t), db.lastError().text());
        return Ancora_collegato() ? Invio::rifiutato : Invio::caduto;
    }
    return Invio::fatto;
}

bool Club::Ricevi(Indice_test& indice, int& nuovi, QString& errore) {
    QSqlDatabase db = QSqlDatabase::database(connessione_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // The newest the server holds first: what is stored after it comes next time.
    if (!q.exec(QStringLiteral("SELECT greatest((SELECT max(ricevuto) FROM kinetrack.test), "
                               "(SELECT max(ricevuto) FROM kinetrack.registro))::text")) ||
        !q.next()) {
        errore = QCoreApplication::translate("Club",
                                             "il club non ha dato i test delle altre stazioni: %1")
                     .arg(q.lastError().text());
        return false;
    }
    const QString ultimo = q.value(0).toString();
    if (ultimo.isEmpty()) return true;
    const QString prima = indice.Ultimo_dal_club();
    const QString da = prima.isEmpty() ? QStringLiteral("-infinity") : prima;
    // Every test of the club with something received since, with its record's newest
    // version (by the server's clock). The station's own tests come too: the index keeps
    // its files' over them.
    q.prepare(QStringLiteral(
        "SELECT t.id::text, t.stazione, t.squadra, t.atleta, t.esercizio, t.carico, "
        "extract(epoch FROM t.quando)::float8, t.ripetizioni, t.escluse, t.vmedia_tabella, "
        "t.vmedia_alzata, t.mpv_migliore, t.mpv_media, t.perdita_ultima, t.rpe, t.nota, "
        "t.ricevuto > ?::timestamptz, r.numero, r.escluse, r.vmedia_tabella, r.vmedia_alzata, "
        "r.mpv_migliore, r.mpv_media, r.perdita_ultima, r.rpe, r.nota, r.elenco_escluse "
        "FROM kinetrack.test t LEFT JOIN LATERAL (SELECT * FROM kinetrack.registro g "
        "WHERE g.test = t.id ORDER BY g.ricevuto DESC, g.numero DESC LIMIT 1) r ON true "
        "WHERE t.ricevuto > ?::timestamptz - ?::interval OR EXISTS (SELECT 1 FROM "
        "kinetrack.registro g WHERE g.test = t.id AND g.ricevuto > ?::timestamptz - ?::interval) "
        "ORDER BY t.quando, t.id"));
    for (const QString& v : {da, da, Margine_ricezione, da, Margine_ricezione}) q.addBindValue(v);
    if (!q.exec()) {
        errore = QCoreApplication::translate("Club",
                                             "il club non ha dato i test delle altre stazioni: %1")
                     .arg(q.lastError().text());
        return false;
    }
    std::vector<Riga_test> righe;
    while (q.next()) {
        Riga_test t;
        t.id = QUuid::fromString(q.value(0).toString()).toString(QUuid::WithoutBraces);
        t.stazione = q.value(1).toString();
        t.squadra = q.value(2).toString();
        t.atleta = q.value(3).toString();
        t.esercizio = q.value(4).toString();
        t.carico = q.value(5).toDouble();
        t.quando = QDateTime::fromMSecsSinceEpoch(qRound64(q.value(6).toDouble() * 1000));
        t.ripetizioni = q.value(7).toInt();
        // The newest version of the record where there is one.
        const int base = q.value(17).isNull() ? 8 : 18;
        t.escluse = q.value(base).toInt();
        t.vmedia_tabella = Numero(q.value(base + 1));
        t.vmedia_alzata = Numero(q.value(base + 2));
        t.mpv_migliore = Numero(q.value(base + 3));
        t.mpv_media = Numero(q.value(base + 4));
        t.perdita_ultima = Numero(q.value(base + 5));
        t.rpe = q.value(base + 6).toFloat();
        t.nota = q.value(base + 7).toString();
        if (base == 18) t.numeri_esclusi = Numeri_esclusi(q.value(26).toString());
        if (q.value(16).toBool() && t.stazione != parametri_.stazione) ++nuovi;
        righe.push_back(std::move(t));
    }
    if (!indice.Salva_dal_club(righe, ultimo)) {
        errore =
            QCoreApplication::translate("Club", "l'indice dei test non ha preso i test del club");
        return false;
    }
    return true;
}

Esito_sincronia Club::Sincronizza(Indice_test& indice) {
    Esito_sincronia e;
    if (!collegato_) e.errore = Apri();
    e.password_rifiutata = password_rifiutata_;
    if (collegato_) {
        for (const Test_da_inviare& t : indice.Da_inviare()) {
            QString errore;
            const Invio invio = Invia(t, errore);
            if (invio == Invio::fatto) {
                if (indice.Segna_inviato(t.test.id, t.impronta_registro)) ++e.inviati;
                continue;
            }
            // A test the club refuses (rights, a full disk) stays in the queue; the others
            // still go.
            e.errore = errore;
            if (invio == Invio::caduto) break;
        }
        if (collegato_) {
            QString errore;
            if (!Ricevi(indice, e.ricevuti, errore)) {
                e.errore = errore;
                Ancora_collegato();
            }
        }
    }
    e.collegato = collegato_;
    e.da_inviare = indice.Conta_da_inviare();
    return e;
}
