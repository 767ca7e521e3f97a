// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A catalogue that marks every text it is asked for ("«testo»"): installed, it shows which
// texts go through the translation when they are used, and which stay as they are.

#include <QCoreApplication>
#include <QTranslator>

class Traduttore_prova : public QTranslator {
public:
    Traduttore_prova() { QCoreApplication::installTranslator(this); }
    ~Traduttore_prova() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* testo, const char* = nullptr,
                      int = -1) const override {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(testo));
    }
};
