// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A link in memory for tests: it records every command, answers from a table a few
// milliseconds later through the event loop (as a board on a port does), and can stand
// for a link without replies (as USB HID).

#include "device/collegamento_scheda.h"

#include <QList>
#include <QMap>

// What a board answers to each command over a link with replies (board type 1).
inline QMap<QByteArray, QByteArray> Risposte_scheda() {
    return {{"$", "$"},
            {"?", "?YES"},
            {"$D", "$D\x01"},
            {"$T", "$T"},
            {"$F", "$F"},
            {"$Z", "$Z"},
            {"$i", QByteArray("$i\x02\x05\x01\x00", 6)}};
}

class Collegamento_memoria : public Collegamento_scheda {
    Q_OBJECT
public:
    explicit Collegamento_memoria(bool con_risposte = true, QObject* parent = nullptr)
        : Collegamento_scheda(parent), con_risposte_(con_risposte) {}

    // Reply of each command (with replies); the board type (without replies).
    QMap<QByteArray, QByteArray> risposte = Risposte_scheda();
    int tipo = 1;
    bool aperto = true;
    std::optional<QString> errore_invio; // every command fails with it
    QList<QByteArray> inviati;
    // Bytes arrived and not yet read; Ricevi adds to them.
    QByteArray in_arrivo;
    void Ricevi(const QByteArray& dati);

    bool Aperto() const override { return aperto; }
    bool Con_risposte() const override { return con_risposte_; }
    QString Luogo() const override { return QStringLiteral("memoria"); }
    [[nodiscard]] std::optional<QString> Invia(const QByteArray& comando) override;
    QByteArray Attendi_risposta(int quanti, int attesa_ms) override;
    void Svuota() override { in_arrivo.clear(); }
    QString Scheda_trovata() override { return tr(" connesso in memoria"); }
    std::optional<int> Tipo_scheda(int attesa_ms) override;

Q_SIGNALS:
    void Arrivati();

private:
    bool con_risposte_;
    bool in_attesa_ = false;
};
