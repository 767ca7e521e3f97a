// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/frm_seriale_regole.h"

#include <QCoreApplication>

const QStringList& Voci_velocita() {
    static const QStringList voci{"110",   "300",    "600",    "1200",  "2400",  "4800",
                                  "9600",  "14400",  "19200",  "28800", "38400", "56000",
                                  "57600", "115200", "128000", "256000"};
    return voci;
}

const QStringList& Voci_bit_dati() {
    static const QStringList voci{"4", "5", "6", "7", "8"};
    return voci;
}

const QStringList& Voci_parita() {
    // The first letter is what the port's settings keep; the window shows them translated.
    static const QStringList voci{"Even", "Odd", QT_TRANSLATE_NOOP("frm_seriale", "Nessuna"),
                                  "Mark", "Space"};
    return voci;
}

const QStringList& Voci_bit_stop() {
    static const QStringList voci{"1", "1,5", "2"};
    return voci;
}

const QStringList& Voci_flusso() {
    static const QStringList voci{QT_TRANSLATE_NOOP("frm_seriale", "Nessuno"), "Xon/Xoff", "RTS",
                                  "Xon/RTS"};
    return voci;
}

int Indice_parita(QChar lettera) {
    const QChar piccola = lettera.toLower();
    const QStringList& voci = Voci_parita();
    for (int i = 0; i < voci.size(); ++i)
        if (voci[i].front().toLower() == piccola) return i;
    return -1;
}

Vista_impostazioni Scomponi_impostazioni(const QString& s) {
    Vista_impostazioni vista;
    const qsizetype off = s.contains(QLatin1Char('.')) ? 2 : 0;
    const qsizetype l = s.size();
    if (l < 7 + off) return vista;
    vista.Velocita = s.left(l - 6 - off);
    vista.Indice_parita = Indice_parita(s.at(l - 5 - off));
    vista.Bit_dati = s.at(l - 3 - off);
    vista.Bit_stop = s.right(1 + off);
    return vista;
}

QString Voce_bit_stop(const QString& campo) {
    return campo == QLatin1String("1.5") ? QStringLiteral("1,5") : campo;
}

QString Componi_impostazioni(const QString& velocita, const QString& parita,
                             const QString& bit_dati, const QString& bit_stop) {
    QString stop = bit_stop.trimmed();
    if (stop == QLatin1String("1,5")) stop = QStringLiteral("1.5");
    const QString lettera = parita.trimmed().left(1);
    return velocita.trimmed() + QLatin1Char(',') + lettera + QLatin1Char(',') + bit_dati.trimmed() +
           QLatin1Char(',') + stop;
}
