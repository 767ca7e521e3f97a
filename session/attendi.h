// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits that keep the user interface alive: pending events (timer ticks, port
// notifications, clicks) are processed while waiting, and the CPU sleeps meanwhile. They
// end on time whatever the event loop is doing: also once the application has been told
// to quit, when a nested event loop would return at once and a wait built on one would
// spin without ever seeing its timer.

#include <QEventLoop>
#include <functional>

// Returns once `millisecondi` of the monotonic clock have passed.
void Attendi(float millisecondi);

// Processes events (of `tipi`) until `fatto` holds or `attesa_ms` have passed; true when
// `fatto` held. `fatto` is checked first and after every event processed.
bool Attendi_che(const std::function<bool()>& fatto, int attesa_ms,
                 QEventLoop::ProcessEventsFlags tipi = QEventLoop::AllEvents);
