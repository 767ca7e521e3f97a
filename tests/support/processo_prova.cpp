// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/processo_prova.h"

#include <QProcessEnvironment>

Esito_programma Esegui_programma(const QString& programma, const QStringList& argomenti,
                                 const Variabili& variabili, const QByteArray& ingresso,
                                 int limite_ms) {
    QProcess p;
    if (!variabili.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (auto v = variabili.cbegin(); v != variabili.cend(); ++v) {
            if (v.value().isNull())
                ambiente.remove(v.key());
            else
                ambiente.insert(v.key(), v.value());
        }
        p.setProcessEnvironment(ambiente);
    }
    p.start(programma, argomenti);
    if (p.waitForStarted(limite_ms)) {
        p.write(ingresso);
        p.closeWriteChannel();
    }
    Esito_programma e;
    const bool finito = p.waitForFinished(limite_ms);
    if (!finito) {
        p.kill();
        p.waitForFinished(3000);
    }
    if (finito && p.exitStatus() == QProcess::NormalExit) e.codice = p.exitCode();
    e.uscita = QString::fromUtf8(p.readAllStandardOutput());
    e.errori = QString::fromUtf8(p.readAllStandardError());
    if (!finito) e.errori += QStringLiteral("\n(stopped after %1 ms)").arg(limite_ms);
    return e;
}

Esito_programma Esegui_in_processo(Corpo_programma corpo, const QStringList& argomenti) {
    Esito_programma e;
    QTextStream uscita(&e.uscita), errori(&e.errori);
    e.codice = corpo(argomenti, uscita, errori);
    uscita.flush();
    errori.flush();
    return e;
}

Processo_scheda::Processo_scheda(int porta, const QStringList& opzioni, const QString& runtime) {
    if (!runtime.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        processo.setProcessEnvironment(ambiente);
    }
    processo.start(QStringLiteral(KT_SCHEDA_VIRTUALE),
                   QStringList{QStringLiteral("--port"), QString::number(porta)} + opzioni);
    for (int i = 0; i < 100 && !processo.canReadLine() && processo.state() != QProcess::NotRunning;
         ++i)
        processo.waitForReadyRead(100);
    dispositivo = QString::fromLocal8Bit(processo.readLine()).trimmed();
}

Processo_scheda::~Processo_scheda() {
    Ferma();
}

bool Processo_scheda::Ferma() {
    if (processo.state() == QProcess::NotRunning) return true;
    processo.terminate();
    if (processo.waitForFinished(3000)) return true;
    processo.kill();
    processo.waitForFinished(3000);
    return false;
}
