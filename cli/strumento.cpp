// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/strumento.h"

#include "platform/lingua.h"
#include "session/formato.h"
#include "session/titolo.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

int Avvia_strumento(int argc, char** argv, const QString& nome, Esegui_strumento esegui) {
    QCoreApplication app(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.removeFirst();
    // The language first, so that --version speaks it too.
    const auto errore_lingua = Applica_lingua_riga(argomenti);
    if (auto esito = Esito_versione(nome, argomenti, uscita)) return *esito;
    if (errore_lingua) return Fallisci(nome, *errore_lingua, errori, 2);
    return esegui(argomenti, uscita, errori);
}

std::optional<int> Esito_versione(const QString& nome, const QStringList& argomenti,
                                  QTextStream& uscita) {
    if (!argomenti.contains(QLatin1String("--version"))) return std::nullopt;
    uscita << Testo_versione(nome);
    uscita.flush();
    return 0;
}

std::optional<int> Esito_opzioni(const QString& nome, const std::optional<QString>& errore,
                                 bool aiuto, const QString& uso, QTextStream& uscita,
                                 QTextStream& errori) {
    if (errore) {
        errori << nome << ": " << *errore << '\n' << uso;
        errori.flush();
        return 2;
    }
    if (aiuto) {
        uscita << uso;
        uscita.flush();
        return 0;
    }
    return std::nullopt;
}

int Fallisci(const QString& nome, const QString& testo, QTextStream& errori, int codice) {
    errori << nome << ": " << testo << '\n';
    errori.flush();
    return codice;
}

namespace {

// The line as "--name value" pairs and one file.
std::optional<QString> Dividi_riga_comando(const QStringList& argomenti, const Regole_riga& regole,
                                           Riga_comando& riga) {
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            riga.aiuto = true;
            return std::nullopt;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            if (!riga.file.isEmpty())
                return QCoreApplication::translate("Strumento", "un solo file di %1: \"%2\"")
                    .arg(regole.file, a);
            riga.file = a;
        } else if (regole.interruttori.contains(a)) {
            riga.opzioni.append({a, QString()});
        } else if (i + 1 >= argomenti.size()) {
            return QCoreApplication::translate("Strumento", "manca il valore di %1").arg(a);
        } else {
            riga.opzioni.append({a, argomenti[++i]});
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> Leggi_riga_strumento(const QStringList& argomenti, const Regole_riga& regole,
                                            Riga_comando& riga) {
    if (auto errore = Dividi_riga_comando(argomenti, regole, riga)) return errore;
    if (riga.aiuto) return std::nullopt;
    if (regole.senza_file && !riga.file.isEmpty())
        return QCoreApplication::translate("Strumento", "argomento inatteso: \"%1\"")
            .arg(riga.file);
    if (regole.prima)
        if (auto errore = regole.prima(riga)) return errore;
    for (const auto& [a, v] : std::as_const(riga.opzioni)) {
        const auto opzione = std::find_if(regole.opzioni.cbegin(), regole.opzioni.cend(),
                                          [&a](const Opzione_strumento& o) { return o.nome == a; });
        if (opzione == regole.opzioni.cend())
            return QCoreApplication::translate("Strumento", "opzione sconosciuta: %1").arg(a);
        if (auto errore = opzione->leggi(v)) return errore;
    }
    return std::nullopt;
}

Leggi_valore Valore_testo(QString& campo) {
    return [&campo](const QString& v) -> std::optional<QString> {
        campo = v;
        return std::nullopt;
    };
}

Opzione_strumento Opzione_esempio(QString& atleta) {
    return {QStringLiteral("--write-example"),
            [&atleta](const QString& v) -> std::optional<QString> {
                if (v.trimmed().isEmpty())
                    return QCoreApplication::translate("Strumento", "manca il nome dell'atleta");
                atleta = v.trimmed();
                return std::nullopt;
            }};
}

std::optional<QString> Leggi_collegamento(const QString& valore, Collegamento& collegamento) {
    if (valore == QLatin1String("serial"))
        collegamento = Collegamento::Seriale;
    else if (valore == QLatin1String("hid"))
        collegamento = Collegamento::Hid;
    else
        return QCoreApplication::translate("Strumento",
                                           "collegamento non valido: \"%1\" (serial o hid)")
            .arg(valore);
    return std::nullopt;
}

bool Numero_opzione(const QString& testo, double minimo, double massimo, double& valore,
                    bool intero) {
    const std::optional<double> v = Numero_digitato(testo);
    if (!v || !std::isfinite(*v) || *v < minimo || *v > massimo) return false;
    if (intero && *v != std::floor(*v)) return false;
    valore = *v;
    return true;
}
