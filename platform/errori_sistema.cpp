// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/errori_sistema.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("Errori_sistema", "errore sconosciuto");
    case ENOSPC:
        return QCoreApplication::translate("Errori_sistema", "spazio su disco esaurito");
    case EDQUOT:
        return QCoreApplication::translate("Errori_sistema", "spazio concesso all'utente esaurito");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Errori_sistema", "permesso negato");
    case EROFS:
        return QCoreApplication::translate("Errori_sistema", "disco in sola lettura");
    case ENOENT:
        return QCoreApplication::translate("Errori_sistema", "file o cartella inesistente");
    case ENOTDIR:
        return QCoreApplication::translate("Errori_sistema",
                                           "un elemento del percorso non è una cartella");
    case EISDIR:
        return QCoreApplication::translate("Errori_sistema", "è una cartella");
    case EEXIST:
        return QCoreApplication::translate("Errori_sistema", "esiste già");
    case EIO:
        return QCoreApplication::translate("Errori_sistema",
                                           "errore di lettura o scrittura sul dispositivo");
    case ENODEV:
    case ENXIO:
        return QCoreApplication::translate("Errori_sistema", "dispositivo non presente");
    case EBUSY:
        return QCoreApplication::translate("Errori_sistema", "dispositivo o risorsa occupati");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Errori_sistema", "nome troppo lungo");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("Errori_sistema", "troppi file aperti");
    case EFBIG:
        return QCoreApplication::translate("Errori_sistema", "file troppo grande");
    case EINVAL:
        return QCoreApplication::translate("Errori_sistema", "nome o argomento non valido");
    case ENOTEMPTY:
        return QCoreApplication::translate("Errori_sistema", "la cartella non è vuota");
    case EXDEV:
        return QCoreApplication::translate("Errori_sistema",
                                           "non si può spostare su un altro disco");
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
        return QCoreApplication::translate("Errori_sistema", "errore sconosciuto");
    case QFileDevice::ReadError:
        return QCoreApplication::translate("Errori_sistema", "errore di lettura");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("Errori_sistema", "errore di scrittura");
    case QFileDevice::ResourceError:
        return QCoreApplication::translate(
            "Errori_sistema", "risorse del sistema esaurite (spazio su disco o file aperti)");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("Errori_sistema", "impossibile aprire il file");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("Errori_sistema", "permesso negato");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("Errori_sistema", "impossibile cancellare il file");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("Errori_sistema", "impossibile rinominare il file");
    case QFileDevice::CopyError:
        return QCoreApplication::translate("Errori_sistema", "impossibile copiare il file");
    default:
        return file.errorString();
    }
}
