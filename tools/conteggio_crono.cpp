// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/conteggio_crono.h"

#include <cmath>

qint32 Trascorsi_ms(qint32 ora, qint32 inizio) {
    // Unsigned subtraction wraps the way the tick counter does.
    return static_cast<qint32>(static_cast<quint32>(ora) - static_cast<quint32>(inizio));
}

Tempo_crono Conta_tempo(qint32 trascorsi_ms) {
    const qint32 decimi = (trascorsi_ms / 100) % 10;
    const float totale = static_cast<float>(trascorsi_ms) / 1000.0f;
    const qint32 minuti = static_cast<qint32>(totale / 60.0f);
    const float secondi_minuto =
        totale < 60.0f ? totale : totale - static_cast<float>(minuti) * 60.0f;
    const qint32 secondi = static_cast<qint32>(secondi_minuto);
    return {QString::number(minuti).rightJustified(2, u'0'),
            QString::number(secondi).rightJustified(2, u'0'), QString::number(decimi),
            secondi_minuto};
}

qint64 Arrotonda_pari(float valore) {
    // Far beyond any period that makes sense; keeps the conversion defined.
    constexpr double limite = 1e15;
    const double x = std::nearbyint(static_cast<double>(valore)); // to nearest, ties to even
    if (std::isnan(x)) return 0;
    return static_cast<qint64>(x < -limite ? -limite : (x > limite ? limite : x));
}

std::optional<float> Leggi_periodo(const QString& risposta) {
    QString testo = risposta.trimmed();
    testo.replace(u',', u'.');
    bool ok = false;
    const float periodo = testo.toFloat(&ok);
    if (!ok || !std::isfinite(periodo) || Arrotonda_pari(periodo) < 1) return std::nullopt;
    return periodo;
}

bool Avviso_periodico::Passo(float secondi_minuto, float periodo) {
    const qint64 s = Arrotonda_pari(secondi_minuto);
    const qint64 p = Arrotonda_pari(periodo);
    if (p < 1) return false; // never stored; the warning would have no period
    if (s % p != 0) {
        Beep_armato = true;
        return false;
    }
    const bool suona = Beep_armato;
    Beep_armato = false;
    return suona;
}
