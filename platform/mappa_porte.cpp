#include "platform/mappa_porte.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

QString Cartella_porte() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) runtime = QStringLiteral("/tmp/kinetrack-%1").arg(::getuid());
    return QDir::cleanPath(runtime + QStringLiteral("/kinetrack"));
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
    if (collegamento.isSymLink() || collegamento.exists()) {
        // canonicalFilePath() is empty for a dangling link.
        return collegamento.canonicalFilePath();
    }
    const QString fisso = Dispositivo_fisso(numero);
    if (!fisso.isEmpty() && QFileInfo::exists(fisso)) return fisso;
    return {};
}

QString Descrizione_porta(int numero) {
    const QString dispositivo = Dispositivo_porta(numero);
    if (!dispositivo.isEmpty()) return QStringLiteral("com%1 = %2").arg(numero).arg(dispositivo);
    const QFileInfo collegamento(Collegamento_porta(numero));
    const QString atteso =
        collegamento.isSymLink() ? collegamento.symLinkTarget() : Dispositivo_fisso(numero);
    if (atteso.isEmpty()) return QStringLiteral("com%1: nessun dispositivo").arg(numero);
    return QStringLiteral("com%1: nessun dispositivo (%2)").arg(numero).arg(atteso);
}
