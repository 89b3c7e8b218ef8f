// Calendars on the headless console with the clock fixed at 15 May 2004.

#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::RowText;
using test_support::ScreenText;

constexpr ColorAttr kBlock = 0x71, kToday = 0x74, kSelector = 0x17;

class CalendarTest : public test_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    console->SetClock({2004, 5, 15, 12, 0, 0, 0});
    SetColor(0, 7);
    ClearScreen();
  }
  // Block at row 2, column 2 with title and header: week rows 4-9, row 10 below.
  void Draw(int month, int year) { Calendar(2, 2, month, year, 1, 1, kBlock, kToday); }
  std::string Week(int row) { return ScreenText(row, 2, 20); }
};

TEST_F(CalendarTest, TitlesAreCentredInTwentyColumns) {
  struct Case {
    int month, year;
    const char* title;
  } cases[] = {
      {5, 2004, "      May 2004      "},
      {6, 2004, "      June 2004     "},  // odd length: the last blank is cut
      {9, 2004, "   September 2004   "},
      {3, 12, "      March 12      "},
  };
  for (const Case& c : cases) {
    Draw(c.month, c.year);
    EXPECT_EQ(ScreenText(2, 2, 20), c.title) << c.month << "/" << c.year;
    EXPECT_EQ(ScreenText(3, 2, 20), "Su Mo Tu We Th Fr Sa");
  }
}

TEST_F(CalendarTest, SundayFirstFebruaryUsesFourRowsAndBlanksTheRest) {
  for (int row = 8; row <= 12; ++row) {
    Locate(row, 1);
    PrintText(std::string(30, 'x'));
  }
  Draw(2, 2015);  // 1 February 2015 is a Sunday
  EXPECT_EQ(Week(4), " 1  2  3  4  5  6  7");
  EXPECT_EQ(Week(7), "22 23 24 25 26 27 28");
  for (int row = 8; row <= 10; ++row)
    EXPECT_EQ(Week(row), std::string(20, ' ')) << row;
  EXPECT_EQ(ScreenText(11, 2, 20), std::string(20, 'x')) << "two rows below the block stay";
  const CalendarLayout l = LastCalendarLayout();
  EXPECT_EQ(l.FirstDayRow, 4);
  EXPECT_EQ(l.FirstDayCol, 2);
  EXPECT_EQ(l.LastDayRow, 7);
  EXPECT_EQ(l.LastDayCol, 20);
}

TEST_F(CalendarTest, SaturdayFirstMonthsUseSixRows) {
  struct Case {
    int month, year;
    const char* last;
  } cases[] = {{5, 2004, "30 31               "}, {11, 2003, "30                  "}};
  for (const Case& c : cases) {
    Draw(c.month, c.year);
    EXPECT_EQ(Week(4), std::string(18, ' ') + " 1") << c.month;
    EXPECT_EQ(Week(9), c.last) << c.month;
    EXPECT_EQ(LastCalendarLayout().LastDayRow, 9);
  }
}

TEST_F(CalendarTest, TodayIsMarkedOnlyInItsOwnMonth) {
  Draw(5, 2004);
  EXPECT_EQ(ScreenText(6, 20, 2), "15");
  EXPECT_EQ(ReadCellColor(6, 20), kToday);
  EXPECT_EQ(ReadCellColor(6, 21), kToday);
  EXPECT_EQ(ReadCellColor(6, 17), kBlock);
  for (int month : {4, 6}) {
    Draw(month, 2004);
    for (int row = 4; row <= 9; ++row)
      for (int col = 2; col <= 21; col += (col - 2) % 3 == 0 ? 1 : 2)
        ASSERT_EQ(ReadCellColor(row, col), kBlock) << month << " " << row << "," << col;
  }
  Draw(5, 2005);  // 15 May 2005 is a Sunday: row 6, column 2
  EXPECT_EQ(ScreenText(6, 2, 2), "15");
  EXPECT_EQ(ReadCellColor(6, 2), kBlock) << "same month, another year";
}

TEST_F(CalendarTest, WithoutTitleAndHeaderTheWeeksStartOnTheFirstRow) {
  Calendar(5, 40, 2, 2015, 0, 0, kBlock, kToday);
  EXPECT_EQ(ScreenText(5, 40, 20), " 1  2  3  4  5  6  7");
  EXPECT_EQ(LastCalendarLayout().FirstDayRow, 5);
}

TEST_F(CalendarTest, ScrollingPagesAndStopsAtYearOne) {
  struct Case {
    const char* keys;
    int month, year;
    int wantMonth, wantYear, beeps;
  } cases[] = {
      {"Right Right Esc", 11, 2004, 1, 2005, 0},
      {"Down Esc", 12, 1999, 1, 2000, 0},
      {"Left Up Esc", 2, 2004, 12, 2003, 0},
      {"PgDn PgDn PgUp Esc", 5, 2004, 5, 2005, 0},
      {"Left Esc", 1, 1, 12, 1, 1},
      {"PgUp Esc", 7, 1, 7, 1, 1},
      {"Home x Esc", 7, 2004, 7, 2004, 2},
      {"PgDn Esc", 7, INT_MAX, 7, INT_MAX, 1},
      {"Right Esc", 12, INT_MAX, 1, INT_MAX, 1},
      {"Right Esc", INT_MAX, 2004, 1, 2005, 0},
      {"Left Esc", INT_MIN, 2004, 12, 2003, 0},
  };
  for (const Case& c : cases) {
    auto& fresh = UseHeadlessConsole(80, 25);
    fresh.SetClock({2004, 5, 15, 12, 0, 0, 0});
    fresh.QueueKeys(c.keys);
    int month = 0, year = 0;
    ScrollCalendar(2, 2, c.month, c.year, 1, 1, kBlock, kToday, month, year);
    EXPECT_EQ(month, c.wantMonth) << c.keys;
    EXPECT_EQ(year, c.wantYear) << c.keys;
    EXPECT_EQ(fresh.Beeps(), c.beeps) << c.keys;
  }
}

TEST_F(CalendarTest, SelectorMovesAndWraps) {
  // May 2004: day 1 alone in the first week (Saturday), 30 and 31 in the sixth.
  struct Case {
    const char* keys;
    int day;
    int wantDay;
  } cases[] = {
      {"Enter", 7, 7},
      {"Right Enter", 31, 30},
      {"Up Enter", 1, 29},
      {"Right Enter", 14, 15},
      {"Down Down Enter", 3, 17},
      {"Left Enter", 2, 8},
      {"Down Enter", 31, 3},
      {"Esc", 12, 0},
      {"Enter", INT_MAX, 31},  // a day past the month starts on its last day
      {"Enter", -5, 1},
  };
  for (const Case& c : cases) {
    auto& fresh = UseHeadlessConsole(80, 25);
    fresh.SetClock({2004, 5, 15, 12, 0, 0, 0});
    fresh.QueueKeys(c.keys);
    int month = 0, day = -1, year = 0;
    SelectCalendar(12, 2, 5, c.day, 2004, 1, 1, kBlock, kToday, kSelector, month, day, year);
    EXPECT_EQ(day, c.wantDay) << c.keys << " from day " << c.day;
    EXPECT_EQ(month, 5);
    EXPECT_EQ(year, 2004);
  }
}

TEST_F(CalendarTest, SelectorPaintsItsCellAndRestoresTheOldOne) {
  console->QueueKeys("Right");
  int month, day, year;
  EXPECT_THROW(SelectCalendar(2, 2, 5, 14, 2004, 1, 1, kBlock, kToday, kSelector, month, day, year),
               HeadlessInputExhausted);
  EXPECT_EQ(ReadCellColor(6, 20), kSelector) << "on the 15th";
  EXPECT_EQ(ReadCellColor(6, 21), kSelector);
  EXPECT_EQ(ReadCellColor(6, 17), kBlock) << "the 14th has its colour back";
}

TEST_F(CalendarTest, SelectorChangesMonthAndYear) {
  struct Case {
    const char* keys;
    int month, year;
    int wantMonth, wantYear, beeps;
  } cases[] = {
      {"+ Esc", 12, 2004, 1, 2005, 0},
      {"- Esc", 1, 2004, 12, 2003, 0},
      {"PgDn Esc", 5, 2004, 5, 2005, 0},
      {"PgUp Esc", 5, 1, 5, 1, 1},
      {"- Esc", 1, 1, 12, 1, 1},
      {"x Esc", 5, 2004, 5, 2004, 1},
      {"+ Esc", 12, INT_MAX, 1, INT_MAX, 1},
  };
  for (const Case& c : cases) {
    auto& fresh = UseHeadlessConsole(80, 25);
    fresh.QueueKeys(c.keys);
    int month = 0, day = -1, year = 0;
    SelectCalendar(12, 2, c.month, 1, c.year, 1, 1, kBlock, kToday, kSelector, month, day, year);
    EXPECT_EQ(month, c.wantMonth) << c.keys;
    EXPECT_EQ(year, c.wantYear) << c.keys;
    EXPECT_EQ(day, 0);
    EXPECT_EQ(fresh.Beeps(), c.beeps) << c.keys;
  }
}

// Blocks that do not lie on the screen draw nothing, and the interactive
// calendars return at once with the month given and day 0, reading no key.
TEST_F(CalendarTest, BlocksOffTheScreenDrawNothingAndReadNoKey) {
  const struct {
    int row, col, month;
  } cases[] = {
      {0, 2, 5},       {19, 2, 5},      {2, 0, 5},  {2, 62, 5},
      {INT_MAX, 2, 5}, {2, INT_MAX, 5}, {2, 2, 13},  // a month without days: the selector has
                                                     // nowhere to stand
  };
  Draw(5, 2004);
  const CalendarLayout drawn = LastCalendarLayout();
  std::vector<Cell> before, after;
  ReadScreenBlock(before);
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << c.row << " col " << c.col);
    console->QueueKeys("Enter");
    if (c.month == 5) Calendar(c.row, c.col, c.month, 2004, 1, 1, kBlock, kToday);
    int month = 0, day = -1, year = 0;
    if (c.month == 5) {
      ScrollCalendar(c.row, c.col, c.month, 2004, 1, 1, kBlock, kToday, month, year);
      EXPECT_EQ(month, 5);
      EXPECT_EQ(year, 2004);
    }
    SelectCalendar(c.row, c.col, c.month, 7, 2004, 1, 1, kBlock, kToday, kSelector, month, day,
                   year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, 0);
    EXPECT_EQ(year, 2004);
    ReadScreenBlock(after);
    EXPECT_TRUE(after == before);
    EXPECT_EQ(LastCalendarLayout().LastDayRow, drawn.LastDayRow);
    EXPECT_EQ(InKey(), "\r") << "the key is still queued";
  }
}

TEST_F(CalendarTest, ABlockOnTheBottomRowsKeepsItsLastWeek) {
  Calendar(18, 2, 5, 2004, 1, 1, kBlock, kToday);  // rows 18-25, six week rows
  EXPECT_EQ(ScreenText(25, 2, 5), "30 31");
}

}  // namespace
}  // namespace tarvana
