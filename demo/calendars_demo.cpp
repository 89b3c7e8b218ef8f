#include "calendar/calendar.h"
#include "console/console.h"
#include "datetime/dates.h"
#include "demo/demo_text.h"
#include "demo/screens.h"

namespace tarvana::demo {
namespace {

constexpr ColorAttr kBlock = 0x71, kToday = 0x74, kSelector = 0x17;

void LinesAt(int row, int col, std::initializer_list<const char*> lines) {
  for (const char* line : lines) {
    Locate(row++, col);
    PrintText(line);
  }
}

}  // namespace

void RunCalendarsDemo() {
  StartScreen();
  int month, day, year;
  SplitDate(ClockDate(), month, day, year);
  Calendar(2, 2, month, year, 1, 1, kBlock, kToday);
  SetColor(0, 7);
  LinesAt(3, 26,
          {"This calendar block is for the current month.",
           "It was displayed by the Calendar procedure."});
  LinesAt(14, 26,
          {"This calendar is a scrolling calendar.  It allows you",
           "to change the month and year that are displayed.  To",
           "change the month, press the Right or Left Arrow key;",
           "to change the year, press the PgUp or PgDn key.  To",
           "exit this calendar, press the Esc key."});
  int shownMonth, shownYear;
  ScrollCalendar(12, 2, month, year, 1, 1, kBlock, kToday, shownMonth, shownYear);

  StartScreen();
  LinesAt(14, 26,
          {"This calendar is a selector calendar.  It allows you",
           "to select a specific day from the calendar.  Use the",
           "cursor keys to move the selector around the calendar.",
           "To change the month, press the + or - key; to change",
           "the year, press the PgUp or PgDn key.  To select the",
           "highlighted date, press the Enter key.  To exit this", "calendar, press the Esc key."});
  for (;;) {
    int chosenMonth, chosenDay, chosenYear;
    SelectCalendar(12, 2, month, day, year, 1, 1, kBlock, kToday, kSelector, chosenMonth, chosenDay,
                   chosenYear);
    if (chosenDay == 0) return;
    SetColor(0, 7);
    Locate(24, 1);
    PrintText("You selected " + MakeDate(chosenMonth, chosenDay, chosenYear));
    month = chosenMonth, day = chosenDay, year = chosenYear;
  }
}

}  // namespace tarvana::demo
