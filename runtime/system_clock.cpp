#include "runtime/system_clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "runtime/local_time.h"

namespace tarvana {

ClockReading SystemClockNow() {
  using namespace std::chrono;
  // The system clock counts from 1970 (UTC) on every platform.
  const auto now = system_clock::now();
  const auto whole = floor<seconds>(now);
  return LocalClockReading(whole.time_since_epoch().count(),
                           static_cast<int>(floor<milliseconds>(now - whole).count()));
}

ClockReading LocalClockReading(std::int64_t secondsSince1970, int millisecond) {
  std::tm local{};
  if (!LocalTimeOf(secondsSince1970, local)) return ClockReading{};
  return ClockReading{.year = local.tm_year + 1900,
                      .month = local.tm_mon + 1,
                      .day = local.tm_mday,
                      .hour = local.tm_hour,
                      .minute = local.tm_min,
                      .second = std::min(local.tm_sec, 59),
                      .millisecond = millisecond};
}

}  // namespace tarvana
