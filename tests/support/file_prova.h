// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files in and out, for the tests of the file formats.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

inline QByteArray Contenuto(const QString& nome) {
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(manca)");
}

// Makes the folders on the way.
inline void Scrivi(const QString& nome, const QByteArray& contenuto) {
    QDir().mkpath(QFileInfo(nome).absolutePath());
    QFile file(nome);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contenuto), contenuto.size());
}
