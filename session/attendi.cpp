// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/attendi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>

bool Attendi_che(const std::function<bool()>& fatto, int attesa_ms,
                 QEventLoop::ProcessEventsFlags tipi) {
    if (fatto()) return true;
    const QDeadlineTimer scadenza(std::max(0, attesa_ms), Qt::PreciseTimer);
    // The timer only wakes the sleeping dispatcher at the deadline.
    QTimer sveglia;
    sveglia.setSingleShot(true);
    sveglia.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sveglia, &QTimer::timeout, [] {});
    while (!scadenza.hasExpired()) {
        sveglia.start(static_cast<int>(std::max<qint64>(0, scadenza.remainingTime())));
        // Sleeps until at least one event was processed (the timer's at the latest).
        QCoreApplication::processEvents(tipi | QEventLoop::WaitForMoreEvents);
        if (fatto()) return true;
    }
    return false;
}

void Attendi(float millisecondi) {
    const auto durata = static_cast<int>(std::ceil(std::max(0.0f, millisecondi)));
    Attendi_che([] { return false; }, durata);
}
