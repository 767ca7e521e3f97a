// SPDX-License-Identifier: GPL-3.0-or-later
#include "club/parametri_club.h"

#include "platform/impostazioni_utente.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <utility>
#include <vector>

namespace {

const QString Sezione = QStringLiteral("club");

// The key=value pairs of a libpq text, in order; nothing when the text is malformed.
std::optional<std::vector<std::pair<QString, QString>>> Coppie(const QString& testo,
                                                               QString& errore) {
    std::vector<std::pair<QString, QString>> coppie;
    qsizetype i = 0;
    const qsizetype n = testo.size();
    const auto Spazi = [&] {
        while (i < n && testo[i].isSpace()) ++i;
    };
    while (true) {
        Spazi();
        if (i >= n) break;
        QString chiave;
        while (i < n && testo[i] != QLatin1Char('=') && !testo[i].isSpace()) chiave += testo[i++];
        Spazi();
        if (i >= n || testo[i] != QLatin1Char('=')) {
            errore = QCoreApplication::translate("Parametri_club", "manca \"=\" dopo \"%1\"")
                         .arg(chiave);
            return std::nullopt;
        }
        ++i;
        Spazi();
        QString valore;
        if (i < n && testo[i] == QLatin1Char('\'')) {
            ++i;
            bool chiuso = false;
            while (i < n) {
                if (testo[i] == QLatin1Char('\\') && i + 1 < n) {
                    valore += testo[i + 1];
                    i += 2;
                } else if (testo[i] == QLatin1Char('\'')) {
                    ++i;
                    chiuso = true;
                    break;
                } else {
                    valore += testo[i++];
                }
            }
            if (!chiuso) {
                errore = QCoreApplication::translate("Parametri_club",
                                                     "virgolette non chiuse nel valore di \"%1\"")
                             .arg(chiave);
                return std::nullopt;
            }
        } else {
            while (i < n && !testo[i].isSpace()) {
                if (testo[i] == QLatin1Char('\\') && i + 1 < n) ++i;
                valore += testo[i++];
            }
        }
        coppie.emplace_back(chiave, valore);
    }
    return coppie;
}

QString Valore_citato(const QString& valore) {
    const bool semplice =
        !valore.isEmpty() && std::none_of(valore.begin(), valore.end(), [](QChar c) {
            return c.isSpace() || c == QLatin1Char('\'') || c == QLatin1Char('\\') ||
                   c == QLatin1Char('=');
        });
    if (semplice) return valore;
    QString citato = valore;
    citato.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    citato.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + citato + QLatin1Char('\'');
}

const QStringList Modi_ssl = {QStringLiteral("disable"),   QStringLiteral("allow"),
                              QStringLiteral("prefer"),    QStringLiteral("require"),
                              QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

} // namespace

std::optional<Parametri_club> Parametri_da_testo(const QString& testo, QString* errore) {
    QString motivo;
    const auto Rifiuta = [&](const QString& m) -> std::optional<Parametri_club> {
        if (errore) *errore = m;
        return std::nullopt;
    };
    const auto coppie = Coppie(testo, motivo);
    if (!coppie) return Rifiuta(motivo);
    Parametri_club p;
    for (const auto& [chiave, valore] : *coppie) {
        if (chiave == QLatin1String("host")) {
            p.host = valore;
        } else if (chiave == QLatin1String("port")) {
            bool ok = false;
            p.porta = valore.toInt(&ok);
            if (!ok || p.porta < 1 || p.porta > 65535)
                return Rifiuta(
                    QCoreApplication::translate("Parametri_club", "porta non valida: \"%1\"")
                        .arg(valore));
        } else if (chiave == QLatin1String("dbname")) {
            p.database = valore;
        } else if (chiave == QLatin1String("user")) {
            p.utente = valore;
        } else if (chiave == QLatin1String("sslmode")) {
            if (!Modi_ssl.contains(valore))
                return Rifiuta(
                    QCoreApplication::translate("Parametri_club", "sslmode non valido: \"%1\" (%2)")
                        .arg(valore, Modi_ssl.join(QStringLiteral(", "))));
            p.sslmode = valore;
        } else if (chiave == QLatin1String("password")) {
            return Rifiuta(QCoreApplication::translate(
                "Parametri_club", "la password non va nei parametri: PostgreSQL la legge dal suo "
                                  "file delle password (~/.pgpass)"));
        } else {
            return Rifiuta(QCoreApplication::translate(
                               "Parametri_club",
                               "parametro sconosciuto: \"%1\" (host, port, dbname, user, sslmode)")
                               .arg(chiave));
        }
    }
    if (p.database.isEmpty())
        return Rifiuta(
            QCoreApplication::translate("Parametri_club", "manca il database (dbname=...)"));
    return p;
}

QString Testo_parametri(const Parametri_club& p) {
    QStringList parti;
    if (!p.host.isEmpty()) parti << QStringLiteral("host=") + Valore_citato(p.host);
    parti << QStringLiteral("port=%1").arg(p.porta);
    parti << QStringLiteral("dbname=") + Valore_citato(p.database);
    if (!p.utente.isEmpty()) parti << QStringLiteral("user=") + Valore_citato(p.utente);
    if (!p.sslmode.isEmpty()) parti << QStringLiteral("sslmode=") + p.sslmode;
    return parti.join(QLatin1Char(' '));
}

std::optional<Parametri_club> Parametri_salvati() {
    auto p = Parametri_da_testo(Leggi_impostazione(Sezione, QStringLiteral("server")));
    if (!p) return std::nullopt;
    p->stazione = Leggi_impostazione(Sezione, QStringLiteral("stazione")).trimmed();
    if (p->stazione.isEmpty()) p->stazione = Stazione_predefinita();
    return p;
}

bool Salva_parametri(const std::optional<Parametri_club>& p) {
    return Salva_impostazione(Sezione, QStringLiteral("server"),
                              p ? Testo_parametri(*p) : QString()) &&
           Salva_impostazione(Sezione, QStringLiteral("stazione"), p ? p->stazione : QString());
}

QString Stazione_predefinita() {
    return QSysInfo::machineHostName();
}
