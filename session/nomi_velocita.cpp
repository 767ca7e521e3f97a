// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/nomi_velocita.h"

#include <QCoreApplication>

Grandezza_velocita Grandezza_di(Velocita_riferimento riferimento) {
    switch (riferimento) {
    case Velocita_riferimento::Vmedia_alzata:
        return Grandezza_velocita::Media_alzata;
    case Velocita_riferimento::Vpropulsiva:
        return Grandezza_velocita::Propulsiva;
    case Velocita_riferimento::Vmedia_tabella:
        break;
    }
    return Grandezza_velocita::Media_fase;
}

QString Nome_grandezza_velocita(Grandezza_velocita grandezza, bool unita) {
    const char* nome = QT_TRANSLATE_NOOP("Nomi_velocita", "Vmedia fase (tabella)");
    switch (grandezza) {
    case Grandezza_velocita::Media_alzata:
        nome = QT_TRANSLATE_NOOP("Nomi_velocita", "Vmedia alzata");
        break;
    case Grandezza_velocita::Propulsiva:
        nome = QT_TRANSLATE_NOOP("Nomi_velocita", "Vmedia propulsiva (MPV)");
        break;
    case Grandezza_velocita::Picco:
        nome = QT_TRANSLATE_NOOP("Nomi_velocita", "Vpicco");
        break;
    case Grandezza_velocita::Media_fase:
        break;
    }
    const QString testo = QCoreApplication::translate("Nomi_velocita", nome);
    return unita ? testo + QStringLiteral(" (m/s)") : testo;
}
