#pragma once
// The machine's clocks, read without touching the terminal: a program that only
// asks for the date or the time never takes the terminal over. The date and
// time come from the standard system clock through the checked conversion of
// local_time.h; the monotonic clock is the platform's (system_clock_posix.cpp,
// system_clock_windows.cpp).

#include <cstdint>

#include "runtime/clock_reading.h"

namespace tarvana {

// The local date and time now.
ClockReading SystemClockNow();
// Milliseconds on a clock that never goes back.
double SystemMonotonicMs();

// The local date and time of a moment, secondsSince1970 (UTC) plus millisecond
// (0-999). A leap second reads as the second before it; a moment the system
// cannot express as a local date reads as ClockReading's defaults (1 January
// 2000, midnight), never as fields left unset.
ClockReading LocalClockReading(std::int64_t secondsSince1970, int millisecond);

}  // namespace tarvana
