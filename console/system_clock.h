#pragma once
// The machine's clocks, read without touching the terminal: a program that only
// asks for the date or the time never takes the terminal over.

#include "console/backend.h"

namespace tarvana {

// The local date and time now.
ClockReading SystemClockNow();
// Milliseconds on a clock that never goes back.
double SystemMonotonicMs();

}  // namespace tarvana
