#pragma once
// Paging a calendar by months and years (internal to the calendars).

#include "console/console.h"

namespace tarvana {

// The year `by` years on; a year below 1 beeps and stays at 1.
inline void StepCalendarYear(int& year, int by) {
  year += by;
  if (year < 1) {
    Beep();
    year = 1;
  }
}

// The month `by` (+1 or -1) months on, wrapping into the next or previous year.
inline void StepCalendarMonth(int& month, int& year, int by) {
  month += by;
  int years = 0;
  if (month > 12) month = 1, years = 1;
  if (month < 1) month = 12, years = -1;
  StepCalendarYear(year, years);
}

}  // namespace tarvana
