#pragma once
// The sleeping wait behind every reply wait: it returns once `pronta` holds or
// `attesa_ms` have passed, woken by `segnale` of `sorgente` instead of polling. Timer
// ticks and device notifications run meanwhile; the operator's clicks and keys are held
// until the wait is over, so a click cannot start a second exchange inside this one.

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <algorithm>

// True when `pronta` held before the time ran out.
template <typename Sorgente, typename Segnale, typename Pronta>
bool Attendi_finche(const Sorgente* sorgente, Segnale segnale, Pronta pronta, int attesa_ms) {
    if (pronta()) return true;
    QEventLoop ciclo;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool scaduto = false;
    QObject::connect(sorgente, segnale, &ciclo, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &ciclo, [&] {
        scaduto = true;
        ciclo.quit();
    });
    timer.start(std::max(0, attesa_ms));
    while (!scaduto) {
        if (pronta()) return true;
        ciclo.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return false;
}
