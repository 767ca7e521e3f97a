// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/errori_sistema.h"

#include <QFileDevice>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

// The values a file, a folder or a port commonly fails with.
constexpr std::array Numeri_noti{ENOSPC,  EDQUOT,       EACCES,  EPERM,  EROFS,     ENOENT,
                                 ENOTDIR, EISDIR,       EEXIST,  EIO,    ENODEV,    ENXIO,
                                 EBUSY,   ENAMETOOLONG, EMFILE,  ENFILE, EFBIG,     EINVAL,
                                 EAGAIN,  ELOOP,        ETXTBSY, EBADF,  ENOTEMPTY, EXDEV};

} // namespace

QString Testo_errore_sistema(int numero) {
    switch (numero) {
    case 0:
        return QStringLiteral("errore sconosciuto");
    case ENOSPC:
        return QStringLiteral("spazio su disco esaurito");
    case EDQUOT:
        return QStringLiteral("spazio concesso all'utente esaurito");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EROFS:
        return QStringLiteral("disco in sola lettura");
    case ENOENT:
        return QStringLiteral("file o cartella inesistente");
    case ENOTDIR:
        return QStringLiteral("un elemento del percorso non è una cartella");
    case EISDIR:
        return QStringLiteral("è una cartella");
    case EEXIST:
        return QStringLiteral("esiste già");
    case EIO:
        return QStringLiteral("errore di lettura o scrittura sul dispositivo");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("dispositivo non presente");
    case EBUSY:
        return QStringLiteral("dispositivo o risorsa occupati");
    case ENAMETOOLONG:
        return QStringLiteral("nome troppo lungo");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("troppi file aperti");
    case EFBIG:
        return QStringLiteral("file troppo grande");
    case EINVAL:
        return QStringLiteral("nome o argomento non valido");
    case ENOTEMPTY:
        return QStringLiteral("la cartella non è vuota");
    case EXDEV:
        return QStringLiteral("non si può spostare su un altro disco");
    default:
        return QString::fromLocal8Bit(std::strerror(numero));
    }
}

int Numero_errore_da_testo(const QString& testo) {
    const QString t = testo.trimmed();
    if (t.isEmpty()) return 0;
    // Qt writes these four in English whatever the locale.
    if (t == QLatin1String("Permission denied")) return EACCES;
    if (t == QLatin1String("Too many open files")) return EMFILE;
    if (t == QLatin1String("No such file or directory")) return ENOENT;
    if (t == QLatin1String("No space left on device")) return ENOSPC;
    for (const int numero : Numeri_noti)
        if (t == QString::fromLocal8Bit(std::strerror(numero)).trimmed()) return numero;
    return 0;
}

QString Testo_errore_file(const QFileDevice& file) {
    if (const int numero = Numero_errore_da_testo(file.errorString()))
        return Testo_errore_sistema(numero);
    switch (file.error()) {
    case QFileDevice::NoError:
        return QStringLiteral("errore sconosciuto");
    case QFileDevice::ReadError:
        return QStringLiteral("errore di lettura");
    case QFileDevice::WriteError:
        return QStringLiteral("errore di scrittura");
    case QFileDevice::ResourceError:
        return QStringLiteral("risorse del sistema esaurite (spazio su disco o file aperti)");
    case QFileDevice::OpenError:
        return QStringLiteral("impossibile aprire il file");
    case QFileDevice::PermissionsError:
        return QStringLiteral("permesso negato");
    case QFileDevice::RemoveError:
        return QStringLiteral("impossibile cancellare il file");
    case QFileDevice::RenameError:
        return QStringLiteral("impossibile rinominare il file");
    case QFileDevice::CopyError:
        return QStringLiteral("impossibile copiare il file");
    default:
        return file.errorString();
    }
}
