// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/istanza_unica.h"

#include "platform/file_privati.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const QByteArray Richiesta_mostra = QByteArrayLiteral("mostra\n");
constexpr int Attesa_ms = 1000;

// The program at the other end of a connected local socket runs as this user.
bool Stesso_utente(const QLocalSocket& socket) {
    ucred credenziali{};
    socklen_t lunghezza = sizeof(credenziali);
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED,
                        &credenziali, &lunghezza) == 0 &&
           credenziali.uid == ::getuid();
}
} // namespace

Istanza_unica::Istanza_unica(const QString& nome, QObject* parent)
    : QObject(parent), nome_(nome.isEmpty() ? Nome_utente() : nome) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &Istanza_unica::Nuova_connessione);
}

QString Istanza_unica::Nome_utente() {
    QString cartella = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (cartella.isEmpty())
        cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty()) return {};
    return QDir::cleanPath(cartella) + QStringLiteral("/kinetrack-istanza");
}

bool Istanza_unica::Chiedi_di_mostrarsi() {
    QLocalSocket socket;
    socket.connectToServer(nome_);
    if (!socket.waitForConnected(Attesa_ms)) return false;
    if (!Stesso_utente(socket)) {
        senza_canale_ = tr("il canale %1 è di un altro utente").arg(nome_);
        return false;
    }
    socket.write(Richiesta_mostra);
    socket.waitForBytesWritten(Attesa_ms);
    socket.disconnectFromServer();
    return true;
}

bool Istanza_unica::Gia_in_esecuzione() {
    if (server_.isListening()) return false;
    senza_canale_.reset();
    const QString cartella = QFileInfo(nome_).path();
    if (nome_.isEmpty() || !QDir::isAbsolutePath(nome_))
        senza_canale_ = tr("nessuna cartella di esecuzione propria (XDG_RUNTIME_DIR)");
    else if (auto motivo = Cartella_non_propria(cartella))
        senza_canale_ = motivo;
    else if (!QFileInfo(cartella).isDir())
        senza_canale_ = tr("la cartella %1 non esiste").arg(cartella);
    if (!senza_canale_) {
        if (Chiedi_di_mostrarsi()) return true;
        if (!senza_canale_) {
            // Nobody answers: whatever is left under the name belongs to a run that ended.
            QLocalServer::removeServer(nome_);
            if (server_.listen(nome_)) return false;
            // Another start took the name in the meantime.
            if (Chiedi_di_mostrarsi()) return true;
            if (!senza_canale_) senza_canale_ = server_.errorString();
        }
    }
    senza_canale_ = tr("kinetrack parte senza il canale che porta in primo piano la finestra "
                       "già aperta: %1. Un secondo avvio non troverà questo.")
                        .arg(*senza_canale_);
    return false;
}

void Istanza_unica::Nuova_connessione() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!Stesso_utente(*socket)) {
            socket->deleteLater();
            continue;
        }
        auto leggi = [this, socket] {
            if (socket->readAll().contains(Richiesta_mostra.trimmed())) Q_EMIT Mostra_richiesta();
        };
        connect(socket, &QLocalSocket::readyRead, this, leggi);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) leggi();
    }
}
