#pragma once
// Paging a calendar by months and years (internal to the calendars).

#include <climits>
#include <cstdint>

#include "console/console.h"

namespace tarvana {

// The year `by` years on; a year below 1 beeps and stays at 1, and one past
// the int range beeps and stays at INT_MAX.
inline void StepCalendarYear(int& year, int by) {
  const std::int64_t next = std::int64_t{year} + by;
  if (next < 1 || next > INT_MAX) Beep();
  year = next < 1 ? 1 : next > INT_MAX ? INT_MAX : static_cast<int>(next);
}

// The month `by` (+1 or -1) months on, wrapping into the next or previous year.
inline void StepCalendarMonth(int& month, int& year, int by) {
  std::int64_t next = std::int64_t{month} + by;
  int years = 0;
  if (next > 12) next = 1, years = 1;
  if (next < 1) next = 12, years = -1;
  month = static_cast<int>(next);
  StepCalendarYear(year, years);
}

}  // namespace tarvana
