// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's sender: on a thread of its own, it sends this station's tests to the club
// and brings the other stations' tests into the index, every two seconds and at once when
// woken after a save. It opens its own index of the data folder and its own connection, so
// that the windows never wait for the network: a server gone only leaves the tests queued.

#include "club/parametri_club.h"

#include <QObject>
#include <QString>
#include <memory>

class Club;
class Indice_test;
class QTimer;

class Lavoratore_club : public QObject {
    Q_OBJECT
public:
    // Nothing is opened here: Avvia() does it, on the thread the worker was moved to.
    Lavoratore_club(const QString& cartella_dati, const Parametri_club& parametri);
    ~Lavoratore_club() override;

    // How often the club is asked again when nothing wakes the worker.
    static constexpr int Intervallo_ms = 2000;

public Q_SLOTS:
    // Opens the index and the club and makes a first round; connect QThread::started to it.
    void Avvia();
    // A round now: a test was saved, or the password was written again.
    void Sveglia();
    // A round now with the password written again: a refusal is told again.
    void Nuova_password();

Q_SIGNALS:
    // After every round: the tests still to send, whether the server answered, and why not.
    void Stato(int da_inviare, bool collegato, const QString& errore);
    // The server refused the password; said again only after a round it accepted it.
    void Password_rifiutata();
    // Tests of other stations arrived in the index.
    void Arrivati(int quanti);

private:
    void Giro();

    QString cartella_dati_;
    Parametri_club parametri_;
    std::unique_ptr<Indice_test> indice_;
    std::unique_ptr<Club> club_;
    QTimer* timer_ = nullptr;
    bool rifiutata_ = false;
};
