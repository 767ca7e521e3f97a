// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running program per user: the first start listens on a local socket, a later one
// finds it there, asks it to come to the front and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

class Istanza_unica : public QObject {
    Q_OBJECT
public:
    // `nome`: the socket's name or full path; two objects with the same name are two
    // starts of the same program.
    explicit Istanza_unica(const QString& nome = Nome_utente(), QObject* parent = nullptr);

    // The user's own name: a socket in the user's runtime folder, so two users (or two
    // test runs with their own runtime folders) never meet.
    static QString Nome_utente();

    // True when another start is running: it has been asked to show itself and this one
    // should end without touching the board. Otherwise this object becomes the running
    // start and listens (taking over a socket left by a run that crashed); when even that
    // fails the program runs unguarded.
    bool Gia_in_esecuzione();

Q_SIGNALS:
    // A later start asked the running one to come to the front.
    void Mostra_richiesta();

private:
    bool Chiedi_di_mostrarsi();
    void Nuova_connessione();

    QString nome_;
    QLocalServer server_;
};
