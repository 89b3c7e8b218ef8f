#include "console/system_clock.h"

#include <time.h>

#include <algorithm>

namespace tarvana {

ClockReading SystemClockNow() {
  timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local;
  localtime_r(&ts.tv_sec, &local);
  // A leap second reads as the second before it.
  return ClockReading{local.tm_year + 1900,
                      local.tm_mon + 1,
                      local.tm_mday,
                      local.tm_hour,
                      local.tm_min,
                      std::min(local.tm_sec, 59),
                      static_cast<int>(ts.tv_nsec / 1000000)};
}

double SystemMonotonicMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

}  // namespace tarvana
