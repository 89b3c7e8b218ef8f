#pragma once
// Calendars drawn straight onto the screen: a month block, a calendar that
// pages through months and years, and a selector calendar for picking a day.

#include <cstdint>

#include "console/types.h"

namespace tarvana {

// Where the last month block put its first and last day cells.
struct CalendarLayout {
  std::int16_t FirstDayRow = 0;
  std::int16_t FirstDayCol = 0;
  std::int16_t LastDayRow = 0;
  std::int16_t LastDayCol = 0;
};

// The layout of the last block Calendar drew.
CalendarLayout LastCalendarLayout();

// True when the month block from (row, col), 20 columns wide with the rows the
// flags ask for, lies wholly on the screen. Every calendar routine requires it.
bool CalendarFits(int row, int col, int titleFlag, int headerFlag);

// Draws a month block 20 columns wide from (row, col): an optional title row
// (month and year centred), an optional weekday header, and six week rows of
// two-character day cells three columns apart, Sunday first. Today's cell
// takes the highlight colour when the block shows the clock's month and year.
// Clears the unused week rows and the row below the block (when the block does
// not end on the bottom row); leaves the block colour current. A block that
// does not fit (CalendarFits) is not drawn and the layout stays as it was.
void Calendar(int row, int col, int month, int year, int titleFlag, int headerFlag,
              ColorAttr blockColor, ColorAttr highlightColor);

// Shows a month and pages with Right/Down and Left/Up (a month) and PgDn/PgUp
// (a year) until Esc; outMonth and outYear receive the month last shown.
// Years stop at 1 (and INT_MAX) with a beep. A block that does not fit returns
// at once with the month given, reading no key.
void ScrollCalendar(int row, int col, int month, int year, int titleFlag, int headerFlag,
                    ColorAttr blockColor, ColorAttr highlightColor, int& outMonth, int& outYear);

// Shows a month with a selector on `day` (a day outside the month starts on
// its first or last day), moved by the arrow keys; + and - change the month,
// PgDn and PgUp the year, as ScrollCalendar does. Enter returns the day under
// the selector in outDay, Esc returns 0; outMonth and outYear receive the
// month last shown. A month outside 1-12, or a block that does not fit,
// returns at once with outDay 0 and the month given, drawing nothing.
void SelectCalendar(int row, int col, int month, int day, int year, int titleFlag, int headerFlag,
                    ColorAttr blockColor, ColorAttr highlightColor, ColorAttr selectorColor,
                    int& outMonth, int& outDay, int& outYear);

}  // namespace tarvana
