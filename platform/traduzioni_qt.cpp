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
    if (!traduzione->load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    if (installata) {
        QCoreApplication::removeTranslator(installata);
        delete installata;
    }
    QCoreApplication::installTranslator(traduzione.get());
    installata = traduzione.release();
    return true;
}
