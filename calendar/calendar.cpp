#include "calendar/calendar.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "calendar/calendar_steps.h"
#include "console/console.h"
#include "console/screen_save.h"
#include "datetime/dates.h"
#include "runtime/number_format.h"

namespace tarvana {
namespace {

CalendarLayout layout;

std::string DayCell(int day) {
  return (day < 10 ? " " : "") + std::to_string(day);
}

std::string CalendarTitle(int month, int year) {
  std::string t = MonthName(month) + NumberString(year, kSingleDigits);
  do
    t = " " + t + " ";
  while (t.size() < 20);
  return t.substr(0, 20);
}

}  // namespace

CalendarLayout LastCalendarLayout() {
  return layout;
}

bool CalendarFits(int row, int col, int titleFlag, int headerFlag) {
  const int blockRows = 6 + (titleFlag != 0) + (headerFlag != 0);
  return row >= 1 && col >= 1 && std::int64_t{row} + blockRows - 1 <= ScreenHeight() &&
         std::int64_t{col} + 19 <= ScreenWidth();
}

void Calendar(int row, int col, int month, int year, int titleFlag, int headerFlag,
              ColorAttr blockColor, ColorAttr highlightColor) {
  if (!CalendarFits(row, col, titleFlag, headerFlag)) return;
  UseColor(blockColor);
  const int blockRows = 6 + (titleFlag != 0) + (headerFlag != 0);
  int r = row;
  if (titleFlag != 0) {
    Locate(r++, col);
    PrintText(CalendarTitle(month, year));
  }
  if (headerFlag != 0) {
    Locate(r++, col);
    PrintText("Su Mo Tu We Th Fr Sa");
  }
  const int lead = 3 * DayOfWeek(month, 1, year);
  if (lead > 0) {
    Locate(r, col);
    PrintText(std::string(lead, ' '));
  }
  int c = col + lead;
  layout.FirstDayRow = static_cast<std::int16_t>(r);
  layout.FirstDayCol = static_cast<std::int16_t>(c);

  int todayMonth, todayDay, todayYear;
  SplitDate(ClockDate(), todayMonth, todayDay, todayYear);
  const bool currentMonth = todayMonth == month && todayYear == year;
  const int days = DaysInMonth(month, year);
  for (int d = 1; d <= days; ++d) {
    if (c > col + 18) ++r, c = col;
    const bool today = currentMonth && d == todayDay;
    if (today) UseColor(highlightColor);
    Locate(r, c);
    PrintText(DayCell(d));
    if (today) UseColor(blockColor);
    c += 3;
  }
  layout.LastDayRow = static_cast<std::int16_t>(r);
  layout.LastDayCol = static_cast<std::int16_t>(c - 3);
  if (c <= col + 18) PrintText(std::string(col + 21 - c, ' '));
  // The row below the block is cleared too, when the screen has one.
  for (int blank = r + 1; blank <= std::min(row + blockRows, ScreenHeight()); ++blank) {
    Locate(blank, col);
    PrintText(std::string(20, ' '));
  }
}

void ScrollCalendar(int row, int col, int month, int year, int titleFlag, int headerFlag,
                    ColorAttr blockColor, ColorAttr highlightColor, int& outMonth, int& outYear) {
  outMonth = month;
  outYear = year;
  if (!CalendarFits(row, col, titleFlag, headerFlag)) return;
  Calendar(row, col, month, year, titleFlag, headerFlag, blockColor, highlightColor);
  for (;;) {
    const KeyCode key = WaitKey();
    if (key.size() == 2 && key[0] == '\0') {
      switch (static_cast<std::uint8_t>(key[1])) {
        case scan::kRight:
        case scan::kDown:
          StepCalendarMonth(outMonth, outYear, +1);
          break;
        case scan::kLeft:
        case scan::kUp:
          StepCalendarMonth(outMonth, outYear, -1);
          break;
        case scan::kPgDn:
          StepCalendarYear(outYear, +1);
          break;
        case scan::kPgUp:
          StepCalendarYear(outYear, -1);
          break;
        default:
          Beep();
          break;
      }
      Calendar(row, col, outMonth, outYear, titleFlag, headerFlag, blockColor, highlightColor);
    } else if (key == "\x1b") {
      return;
    } else {
      Beep();
    }
  }
}

}  // namespace tarvana
