// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/istanza_unica.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QByteArray Richiesta_mostra = QByteArrayLiteral("mostra\n");
constexpr int Attesa_ms = 1000;
} // namespace

Istanza_unica::Istanza_unica(const QString& nome, QObject* parent) : QObject(parent), nome_(nome) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &Istanza_unica::Nuova_connessione);
}

QString Istanza_unica::Nome_utente() {
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty() || !QDir(cartella).exists())
        return QStringLiteral("kinetrack-%1").arg(getuid());
    return cartella + QStringLiteral("/kinetrack-istanza");
}

bool Istanza_unica::Chiedi_di_mostrarsi() {
    QLocalSocket socket;
    socket.connectToServer(nome_);
    if (!socket.waitForConnected(Attesa_ms)) return false;
    socket.write(Richiesta_mostra);
    socket.waitForBytesWritten(Attesa_ms);
    socket.disconnectFromServer();
    return true;
}

bool Istanza_unica::Gia_in_esecuzione() {
    if (server_.isListening()) return false;
    if (Chiedi_di_mostrarsi()) return true;
    // Nobody answers: whatever is left under the name belongs to a run that ended.
    QLocalServer::removeServer(nome_);
    if (server_.listen(nome_)) return false;
    // Another start took the name in the meantime.
    return Chiedi_di_mostrarsi();
}

void Istanza_unica::Nuova_connessione() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto leggi = [this, socket] {
            if (socket->readAll().contains(Richiesta_mostra.trimmed())) Q_EMIT Mostra_richiesta();
        };
        connect(socket, &QLocalSocket::readyRead, this, leggi);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) leggi();
    }
}
