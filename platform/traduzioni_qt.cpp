// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/traduzioni_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

bool Carica_traduzioni_qt(const QLocale& lingua) {
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (applicazione == nullptr) return false;
    static QPointer<QTranslator> installata;
    auto traduzione = std::make_unique<QTranslator>(applicazione);
    const bool caricata = traduzione->load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Qt's texts are written in English: for English the catalogue is a nicety (plurals),
    // and without it the previous language's texts must go all the same.
    const bool inglese = lingua.language() == QLocale::English;
    if (!caricata && !inglese) return false;
    if (installata) {
        QCoreApplication::removeTranslator(installata);
        delete installata;
    }
    if (!caricata) return true;
    QCoreApplication::installTranslator(traduzione.get());
    installata = traduzione.release();
    return true;
}
