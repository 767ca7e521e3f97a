// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the serial tests: a scripted board behind an in-memory port, a
// recording message sink, and a bench with the serial link and the protocol over them.

#include "device/collegamento_memoria.h"
#include "device/collegamento_seriale.h"
#include "device/protocollo.h"
#include "platform/impostazioni_utente.h"
#include "platform/porta_memoria.h"
#include "stream/motore_misura.h"
#include "tests/support/ambiente_prova.h"
#include "tests/support/avvisi_prova.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Each command written gets its scripted reply a few ms later through the event loop,
// only while the port is open on `numero_scheda` (0 = any). When `con_dispositivo` is
// not empty, other numbers fail to open.
class Porta_scheda : public Porta_memoria {
public:
    QMap<QByteArray, QByteArray> risposte = Risposte_scheda();
    int numero_scheda = 0;
    QSet<int> con_dispositivo;
    // How a number with no device fails to open (the real port: Porta_inesistente).
    Errore_porta::Codice senza_dispositivo = Errore_porta::Codice::Generico;
    QStringList registro; // Apri, Chiudi, Numero N
    QByteArray scritti;

    void Apri() override {
        registro << "Apri";
        if (!con_dispositivo.isEmpty() && !con_dispositivo.contains(Numero_porta()))
            throw Errore_porta(senza_dispositivo, "nessun dispositivo");
        Porta_memoria::Apri();
    }
    void Chiudi() override {
        registro << "Chiudi";
        Porta_memoria::Chiudi();
    }
    void Imposta_numero_porta(int numero) override {
        registro << QStringLiteral("Numero %1").arg(numero);
        Porta_memoria::Imposta_numero_porta(numero);
    }
    void Scrivi(const QByteArray& dati) override {
        Porta_memoria::Scrivi(dati);
        scritti += dati;
        if ((numero_scheda != 0 && Numero_porta() != numero_scheda) || !risposte.contains(dati))
            return;
        QTimer::singleShot(5, this, [this, r = risposte.value(dati)] {
            if (Aperta()) Ricevi(r);
        });
    }
};

// A session, the engine, the serial link over a port of type `Porta` and the protocol
// talking to it.
template <typename Porta> struct Banco_seriale {
    Sessione s;
    Porta porta;
    Avvisi_registrati avvisi;
    Motore_misura motore{s, QLocale::c()};
    Collegamento_seriale collegamento{s, porta, motore};
    Protocollo p{s, motore, avvisi};
    Banco_seriale() {
        s.Scheda.Collegamento = Collegamento::Seriale;
        p.Imposta_collegamento(&collegamento);
    }
};
