// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/collegamento_memoria.h"

#include "device/attesa_risposta.h"

#include <QTimer>

void Collegamento_memoria::Ricevi(const QByteArray& dati) {
    in_arrivo += dati;
    Q_EMIT Arrivati();
}

std::optional<QString> Collegamento_memoria::Invia(const QByteArray& comando) {
    if (errore_invio) return errore_invio;
    inviati << comando;
    if (con_risposte_ && risposte.contains(comando))
        QTimer::singleShot(5, this, [this, r = risposte.value(comando)] { Ricevi(r); });
    return std::nullopt;
}

QByteArray Collegamento_memoria::Attendi_risposta(int quanti, int attesa_ms) {
    if (in_attesa_ || !con_risposte_) return {};
    in_attesa_ = true;
    const bool arrivata = Attendi_finche([&] { return in_arrivo.size() >= quanti; }, attesa_ms);
    in_attesa_ = false;
    if (!arrivata) return {};
    const QByteArray risposta = in_arrivo.left(quanti);
    in_arrivo.remove(0, quanti);
    return risposta;
}

std::optional<int> Collegamento_memoria::Tipo_scheda(int attesa_ms) {
    if (!con_risposte_) return aperto ? std::optional<int>(tipo) : std::nullopt;
    const QByteArray risposta = Attendi_risposta(3, attesa_ms);
    if (risposta.size() < 3) return std::nullopt;
    return static_cast<std::uint8_t>(risposta.at(2));
}
