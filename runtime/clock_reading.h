#pragma once
// A local date and time as a clock gives it: what the machine's clock reads
// and what a console device (a terminal, or a test's fixed clock) answers.

namespace tarvana {

struct ClockReading {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

}  // namespace tarvana
