#include "session/attendi.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

void Attendi(float millisecondi) {
    const auto durata = static_cast<qint64>(std::ceil(std::max(0.0f, millisecondi)));
    QDeadlineTimer scadenza(durata, Qt::PreciseTimer);
    QEventLoop ciclo;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &ciclo, &QEventLoop::quit);
    // A nested wait can return late; loop until the deadline has really passed.
    while (!scadenza.hasExpired()) {
        timer.start(static_cast<int>(std::max<qint64>(0, scadenza.remainingTime())));
        ciclo.exec();
    }
}
