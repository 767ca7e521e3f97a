// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wait behind every reply wait: it returns once `pronta` holds or `attesa_ms` have
// passed, the CPU sleeping between events. Timer ticks and device notifications run
// meanwhile; the operator's clicks and keys are held until the wait is over, so a click
// cannot start a second exchange inside this one.

#include "session/attendi.h"

// True when `pronta` held before the time ran out.
template <typename Pronta> bool Attendi_finche(Pronta pronta, int attesa_ms) {
    return Attendi_che(pronta, attesa_ms, QEventLoop::ExcludeUserInputEvents);
}
