// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/tipi_scheda.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct Riga_tipo {
    int tipo;
    float Fattore_posizione;
    float Fattore_tempo;
};

constexpr std::array<Riga_tipo, 3> Tipi{{
    {1, Fattore_posizione_tipo1, Fattore_tempo_tipo12},
    {2, Fattore_posizione_tipo23, Fattore_tempo_tipo12},
    {3, Fattore_posizione_tipo23, Fattore_tempo_tipo3},
}};

} // namespace

Calibrazione_scheda Calibrazione_tipo(int tipo) {
    const auto riga = std::find_if(Tipi.begin(), Tipi.end(),
                                   [tipo](const Riga_tipo& r) { return r.tipo == tipo; });
    if (riga == Tipi.end()) return {Fattore_posizione_tipo23, Fattore_tempo_tipo3, false};
    return {riga->Fattore_posizione, riga->Fattore_tempo, true};
}

QString Messaggio_tipo_sconosciuto() {
    return QCoreApplication::translate("Tipi_scheda",
                                       "dispositivo non riconosciuto: DEFAULT TIPO 3!!");
}
