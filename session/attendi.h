#pragma once
// Waits that keep the user interface alive: pending events (timer ticks, port
// notifications, clicks) are processed while waiting, and the CPU sleeps meanwhile.

// Returns once `millisecondi` of the monotonic clock have passed.
void Attendi(float millisecondi);
