// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/blocco_porta.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Nome_utente(uid_t uid) {
    if (const passwd* utente = ::getpwuid(uid)) return QString::fromLocal8Bit(utente->pw_name);
    return QString::number(uid);
}

} // namespace

const QStringList& Cartelle_blocco_porte() {
    static const QStringList cartelle{QStringLiteral("/var/lock"),
                                      QStringLiteral("/etc/locks"),
                                      QStringLiteral("/var/spool/locks"),
                                      QStringLiteral("/var/spool/uucp"),
                                      QStringLiteral("/tmp"),
                                      QStringLiteral("/var/tmp"),
                                      QStringLiteral("/var/lock/lockdev"),
                                      QStringLiteral("/run/lock")};
    return cartelle;
}

QString File_blocco_porta(const QString& dispositivo) {
    QString nome =
        dispositivo.startsWith(QLatin1String("/dev/")) ? dispositivo.mid(5) : dispositivo;
    nome.replace(QLatin1Char('/'), QLatin1Char('_'));
    nome.prepend(QLatin1String("/LCK.."));
    for (const QString& cartella : Cartelle_blocco_porte()) {
        const QFileInfo info(cartella);
        if (info.isReadable() && (QFile::exists(cartella + nome) || info.isWritable()))
            return cartella + nome;
    }
    return {};
}

QString Spiega_blocco_porta(const QString& file_blocco) {
    if (file_blocco.isEmpty())
        return QCoreApplication::translate(
                   "Blocco_porta", "nessuna delle cartelle dei file di blocco delle porte (%1) può "
                                   "essere usata. Chiedere all'amministratore del computer di "
                                   "renderne scrivibile una, di solito /run/lock.")
            .arg(Cartelle_blocco_porte().join(QStringLiteral(", ")));
    const QString file = QDir::toNativeSeparators(file_blocco);
    struct stat stato {};
    if (::stat(QFile::encodeName(file_blocco).constData(), &stato) != 0)
        return QCoreApplication::translate(
                   "Blocco_porta", "impossibile creare il file di blocco %1: %2 non accetta nuovi "
                                   "file. Chiedere all'amministratore del computer di correggerne "
                                   "i permessi.")
            .arg(file, QFileInfo(file_blocco).absolutePath());
    const QString utente = Nome_utente(stato.st_uid);
    const bool mio = stato.st_uid == ::geteuid();

    qint64 pid = 0;
    QString host, programma;
    if (!QLockFile(file_blocco).getLockInfo(&pid, &host, &programma) || pid <= 0)
        return QCoreApplication::translate(
                   "Blocco_porta", "la porta è bloccata dal file %1 dell'utente %2, che non dice "
                                   "quale programma la usa. Se nessun programma la sta usando, "
                                   "cancellare quel file (%3rm %1) e riprovare.")
            .arg(file, utente, mio ? QString() : QStringLiteral("sudo "));
    if (programma.isEmpty()) programma = QCoreApplication::translate("Blocco_porta", "sconosciuto");
    // Alive, and not a later process that got the same number (as QLockFile tells it).
    bool vivo = ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
    const QString eseguibile = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (vivo && !eseguibile.isEmpty() &&
        QFileInfo(eseguibile).fileName() != QFileInfo(programma).fileName())
        vivo = false;
    if (vivo)
        return QCoreApplication::translate(
                   "Blocco_porta", "la porta è già in uso dal programma \"%1\" (processo %2 "
                                   "dell'utente %3), che la tiene con il file di blocco %4. "
                                   "Chiudere quel programma e riprovare.")
            .arg(programma, QString::number(pid), utente, file);
    return QCoreApplication::translate(
               "Blocco_porta", "la porta è bloccata dal file %1, lasciato dal programma \"%2\" "
                               "(processo %3, non più attivo) dell'utente %4%5. Cancellare quel "
                               "file (%6rm %1) e riprovare.")
        .arg(
            file, programma, QString::number(pid), utente,
            mio ? QString()
                : QCoreApplication::translate(
                      "Blocco_porta", ", che questo programma non può cancellare perché non è suo"),
            mio ? QString()
                : QCoreApplication::translate("Blocco_porta", "come amministratore: sudo "));
}
