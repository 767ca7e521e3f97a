// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running program per user: the first start listens on a local socket, a later one
// finds it there, asks it to come to the front and ends. The socket lives only in a folder
// of this user that nobody else can write, and answers only when the program on the other
// end runs as this user: another local user cannot stop the program from starting.

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <optional>

class Istanza_unica : public QObject {
    Q_OBJECT
public:
    // `nome`: the socket's full path; two objects with the same path are two starts of the
    // same program. Empty: the user's own (Nome_utente()).
    explicit Istanza_unica(const QString& nome = QString(), QObject* parent = nullptr);

    // The socket in the user's runtime folder ($XDG_RUNTIME_DIR, else the one Qt makes), so
    // two users (or two test runs with their own runtime folders) never meet. Empty when
    // there is no runtime folder.
    static QString Nome_utente();

    // True when another start of this user is running: it has been asked to show itself
    // and this one should end without touching the board. Otherwise this object becomes
    // the running start and listens (taking over a socket left by a run that crashed);
    // when even that fails, or the socket's folder is not safe, the program runs without
    // the channel and Senza_canale() says why.
    bool Gia_in_esecuzione();

    // Why a later start will not find this one, once Gia_in_esecuzione() ran without it.
    const std::optional<QString>& Senza_canale() const { return senza_canale_; }

Q_SIGNALS:
    // A later start asked the running one to come to the front.
    void Mostra_richiesta();

private:
    // Connected to a program of this user, asked to show itself.
    bool Chiedi_di_mostrarsi();
    void Nuova_connessione();

    QString nome_;
    QLocalServer server_;
    std::optional<QString> senza_canale_;
};
