// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mappa_porte.h"

#include "platform/errori_sistema.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Cartella_base() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QStringLiteral("/tmp/kinetrack-%1").arg(::getuid())
                             : QDir::cleanPath(runtime);
}

QString Spiegazione(const QString& motivo) {
    return QCoreApplication::translate(
               "Mappa_porte", "Le porte della scheda virtuale non sono usate: %1. Un altro utente "
                              "potrebbe fingersi la scheda. Rimuovere la cartella o impostare "
                              "XDG_RUNTIME_DIR su una cartella propria.")
        .arg(motivo);
}

} // namespace

QString Cartella_porte() {
    return Cartella_base() + QStringLiteral("/kinetrack");
}

std::optional<QString> Verifica_cartella_porte() {
    for (const QString& cartella : {Cartella_base(), Cartella_porte()})
        if (auto motivo = Cartella_non_propria(cartella)) return Spiegazione(*motivo);
    return std::nullopt;
}

std::optional<QString> Prepara_cartella_porte() {
    for (const QString& cartella : {Cartella_base(), Cartella_porte()}) {
        if (::mkdir(QFile::encodeName(cartella).constData(), 0700) != 0 && errno != EEXIST)
            return QCoreApplication::translate("Mappa_porte",
                                               "Impossibile creare la cartella %1: %2")
                .arg(cartella, Testo_errore_sistema(errno));
        if (auto motivo = Cartella_non_propria(cartella)) return Spiegazione(*motivo);
    }
    return std::nullopt;
}

QString Collegamento_porta(int numero) {
    return Cartella_porte() + QStringLiteral("/com%1").arg(numero);
}

QString Dispositivo_fisso(int numero) {
    if (numero >= 1 && numero <= 8) return QStringLiteral("/dev/ttyUSB%1").arg(numero - 1);
    if (numero >= 9 && numero <= 16) return QStringLiteral("/dev/ttyACM%1").arg(numero - 9);
    if (numero >= 17 && numero <= Numero_porte_max)
        return QStringLiteral("/dev/ttyS%1").arg(numero - 17);
    return {};
}

QString Dispositivo_porta(int numero) {
    const QFileInfo collegamento(Collegamento_porta(numero));
    // A link in a folder others can write is not taken (nor falls back to the fixed rule).
    if ((collegamento.isSymLink() || collegamento.exists()) && Verifica_cartella_porte()) return {};
    if (collegamento.isSymLink() || collegamento.exists()) {
        // canonicalFilePath() is empty for a dangling link.
        return collegamento.canonicalFilePath();
    }
    const QString fisso = Dispositivo_fisso(numero);
    if (!fisso.isEmpty() && QFileInfo::exists(fisso)) return fisso;
    return {};
}

QString Descrizione_porta(int numero) {
    const QFileInfo link(Collegamento_porta(numero));
    if (link.isSymLink() || link.exists())
        if (auto motivo = Verifica_cartella_porte())
            return QCoreApplication::translate("Mappa_porte", "com%1: nessun dispositivo. %2")
                .arg(numero)
                .arg(*motivo);
    const QString dispositivo = Dispositivo_porta(numero);
    if (!dispositivo.isEmpty()) return QStringLiteral("com%1 = %2").arg(numero).arg(dispositivo);
    const QFileInfo collegamento(Collegamento_porta(numero));
    const QString atteso =
        collegamento.isSymLink() ? collegamento.symLinkTarget() : Dispositivo_fisso(numero);
    if (atteso.isEmpty())
        return QCoreApplication::translate("Mappa_porte", "com%1: nessun dispositivo").arg(numero);
    return QCoreApplication::translate("Mappa_porte", "com%1: nessun dispositivo (%2)")
        .arg(numero)
        .arg(atteso);
}
