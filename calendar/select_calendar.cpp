#include <algorithm>
#include <string>

#include "calendar/calendar.h"
#include "calendar/calendar_steps.h"
#include "console/console.h"
#include "console/screen_save.h"
#include "datetime/dates.h"

namespace tarvana {
namespace {

enum class Direction { kNone, kUp, kDown, kLeft, kRight };

struct Selector {
  int row, col;  // top-left of the block
  int titleFlag, headerFlag;
  ColorAttr blockColor, highlightColor, selectorColor;
  int month, year;
  int selRow = 0, selCol = 0;
  ColorAttr underAttr = 0;  // colour the selector's cell had before it came
  Direction direction = Direction::kNone;
};

void DrawMonth(const Selector& s) {
  Calendar(s.row, s.col, s.month, s.year, s.titleFlag, s.headerFlag, s.blockColor,
           s.highlightColor);
}

void PlaceSelector(Selector& s, int row, int col) {
  s.selRow = row;
  s.selCol = col;
  s.underAttr = ReadCellColor(row, col);
  RecolorRun(row, col, 2, s.selectorColor);
}

// Brings the selector back onto a day of the month shown.
void KeepOnADay(Selector& s, int& row, int& col) {
  const CalendarLayout l = LastCalendarLayout();
  const int right = s.col + 18;
  if (row > l.LastDayRow) row = l.FirstDayRow;
  if (row < l.FirstDayRow) row = l.LastDayRow;
  if (col > right) col = s.col;
  if (col < s.col) col = right;
  const auto beforeFirst = [&] { return row == l.FirstDayRow && col < l.FirstDayCol; };
  const auto afterLast = [&] { return row == l.LastDayRow && col > l.LastDayCol; };
  switch (s.direction) {
    case Direction::kUp:
      if (beforeFirst()) row = l.LastDayRow;
      if (afterLast()) --row;
      break;
    case Direction::kDown:
      if (afterLast()) row = l.FirstDayRow;
      if (beforeFirst()) ++row;
      break;
    case Direction::kLeft:
      if (beforeFirst()) col = right;
      if (afterLast()) col = l.LastDayCol;
      break;
    case Direction::kRight:
      if (afterLast()) col = s.col;
      if (beforeFirst()) col = l.FirstDayCol;
      break;
    case Direction::kNone:
      break;
  }
}

int DigitValue(int ch) {
  return ch >= '0' && ch <= '9' ? ch - '0' : 0;
}

enum class SelectStep { kGoing, kChosen, kCancelled };

// Acts on one key: moves the selector or changes the month shown.
SelectStep StepSelector(Selector& s, KeyCode key) {
  if (key == "+") key = ExtendedKey(scan::kCtrlRight);
  if (key == "-") key = ExtendedKey(scan::kCtrlLeft);
  if (key == "\r") return SelectStep::kChosen;
  if (key == "\x1b") return SelectStep::kCancelled;
  int row = s.selRow, col = s.selCol;
  if (key.size() == 2 && key[0] == '\0') {
    bool monthChanged = true;
    switch (static_cast<std::uint8_t>(key[1])) {
      case scan::kPgDn:
        StepCalendarYear(s.year, +1);
        break;
      case scan::kPgUp:
        StepCalendarYear(s.year, -1);
        break;
      case scan::kCtrlRight:
        StepCalendarMonth(s.month, s.year, +1);
        break;
      case scan::kCtrlLeft:
        StepCalendarMonth(s.month, s.year, -1);
        break;
      default:
        monthChanged = false;
        switch (static_cast<std::uint8_t>(key[1])) {
          case scan::kUp:
            --row, s.direction = Direction::kUp;
            break;
          case scan::kDown:
            ++row, s.direction = Direction::kDown;
            break;
          case scan::kLeft:
            col -= 3, s.direction = Direction::kLeft;
            break;
          case scan::kRight:
            col += 3, s.direction = Direction::kRight;
            break;
          default:
            Beep();
            break;
        }
    }
    if (monthChanged) {
      DrawMonth(s);
      s.direction = row == LastCalendarLayout().FirstDayRow ? Direction::kDown : Direction::kUp;
    }
  } else {
    Beep();
  }
  KeepOnADay(s, row, col);
  RecolorRun(s.selRow, s.selCol, 2, s.underAttr);
  PlaceSelector(s, row, col);
  return SelectStep::kGoing;
}

}  // namespace

void SelectCalendar(int row, int col, int month, int day, int year, int titleFlag, int headerFlag,
                    ColorAttr blockColor, ColorAttr highlightColor, ColorAttr selectorColor,
                    int& outMonth, int& outDay, int& outYear) {
  outMonth = month;
  outYear = year;
  outDay = 0;
  if (month < 1 || month > 12 || !CalendarFits(row, col, titleFlag, headerFlag)) return;
  Selector s{row,           col,   titleFlag, headerFlag, blockColor, highlightColor,
             selectorColor, month, year};
  DrawMonth(s);
  const CalendarLayout l = LastCalendarLayout();
  int selRow = l.FirstDayRow, selCol = l.FirstDayCol - 3;
  day = std::clamp(day, 1, DaysInMonth(month, year));
  for (int step = 0; step < day; ++step) {
    selCol += 3;
    if (selCol > col + 18) selCol = col, ++selRow;
  }
  PlaceSelector(s, selRow, selCol);
  SelectStep result;
  while ((result = StepSelector(s, WaitKey())) == SelectStep::kGoing) {
  }
  outMonth = s.month;
  outYear = s.year;
  outDay = result == SelectStep::kChosen ? 10 * DigitValue(ReadCell(s.selRow, s.selCol)) +
                                               DigitValue(ReadCell(s.selRow, s.selCol + 1))
                                         : 0;
}

}  // namespace tarvana
