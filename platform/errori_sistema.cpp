#include "platform/errori_sistema.h"

#include <cerrno>
#include <cstring>

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
    default:
        return QString::fromLocal8Bit(std::strerror(numero));
    }
}
