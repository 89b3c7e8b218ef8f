#include "datetime/dates.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace tarvana {
namespace {

namespace chr = std::chrono;

// Julian day number of 1 January 1970, the start of std::chrono's day count.
constexpr std::int32_t kJulianOfUnixEpoch = 2440588;

std::int32_t ReferenceJulian(const chr::year_month_day& date) {
  return static_cast<std::int32_t>(chr::sys_days(date).time_since_epoch().count()) +
         kJulianOfUnixEpoch;
}

TEST(JulianDays, MatchTheCalendarAndInvertExactlyForYears1To9999) {
  const chr::sys_days first = chr::year(1) / 1 / 1, last = chr::year(9999) / 12 / 31;
  for (chr::sys_days day = first; day <= last; day += chr::days(1)) {
    const chr::year_month_day date(day);
    const int m = static_cast<unsigned>(date.month()), d = static_cast<unsigned>(date.day());
    const int y = static_cast<int>(date.year());
    const std::int32_t julian = JulianFromParts(m, d, y);
    ASSERT_EQ(julian, ReferenceJulian(date)) << m << "/" << d << "/" << y;
    int month, dayOfMonth, year;
    PartsFromJulian(julian, month, dayOfMonth, year);
    ASSERT_EQ(month, m) << "julian " << julian;
    ASSERT_EQ(dayOfMonth, d) << "julian " << julian;
    ASSERT_EQ(year, y) << "julian " << julian;
  }
}

TEST(JulianDays, DateTextsRoundTripForYears1To9999) {
  const std::int32_t first = JulianFromParts(1, 1, 1), last = JulianFromParts(12, 31, 9999);
  for (std::int32_t julian = first; julian <= last; ++julian)
    ASSERT_EQ(DateToJulian(JulianToDate(julian)), julian) << JulianToDate(julian);
}

TEST(DayOfWeek, MatchesTheCalendarFrom1583To9999) {
  const chr::sys_days first = chr::year(1583) / 1 / 1, last = chr::year(9999) / 12 / 31;
  for (chr::sys_days day = first; day <= last; day += chr::days(1)) {
    const chr::year_month_day date(day);
    const int m = static_cast<unsigned>(date.month()), d = static_cast<unsigned>(date.day());
    const int y = static_cast<int>(date.year());
    ASSERT_EQ(DayOfWeek(m, d, y), static_cast<int>(chr::weekday(day).c_encoding()))
        << m << "/" << d << "/" << y;
  }
}

TEST(DaysInMonth, MatchesTheCalendarAndIsZeroOutsideMonths1To12) {
  for (int y = 1; y <= 9999; ++y)
    for (int m = 1; m <= 12; ++m)
      ASSERT_EQ(DaysInMonth(m, y),
                static_cast<unsigned>(chr::year_month_day_last(chr::year(y) / m / chr::last).day()))
          << m << "/" << y;
  struct Case {
    int month, year, want;
  };
  const Case cases[] = {{2, 2000, 29}, {2, 1900, 28}, {2, 2004, 29}, {2, 2003, 28},
                        {0, 2000, 0},  {13, 2000, 0}, {-1, 2000, 0}, {255, 2000, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(DaysInMonth(c.month, c.year), c.want) << c.month << "/" << c.year;
}

TEST(ZeroPad2, KeepsTheLastTwoCharacters) {
  const std::pair<int, const char*> cases[] = {{0, "00"}, {5, "05"}, {12, "12"}, {99, "99"}};
  for (const auto& [n, want] : cases)
    EXPECT_EQ(ZeroPad2(n), want) << n;
}

TEST(MonthNames, NameMonths1To12AndNothingElse) {
  const char* abbrevs[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(MonthAbbrev(m), abbrevs[m - 1]) << m;
    EXPECT_EQ(MonthName(m), names[m - 1]) << m;
  }
  for (int m : {0, 13, -1, 255, INT_MIN}) {
    EXPECT_EQ(MonthAbbrev(m), "") << m;
    EXPECT_EQ(MonthName(m), "") << m;
  }
}

TEST(WeekdayName, GivesTheBlankPaddedSlot) {
  const std::pair<const char*, const char*> cases[] = {
      {"01/01/2000", "Saturday "}, {"01-01-2000", "Saturday "}, {"01/02/2000", "Sunday   "},
      {"01/05/2000", "Wednesday"}, {"03/05/2004", "Friday   "},
  };
  for (const auto& [date, want] : cases)
    EXPECT_EQ(WeekdayName(date), want) << date;
  EXPECT_EQ(DayOfWeek(1, 1, 2000), 6);
}

TEST(SplitDate, ReadsFixedPositions) {
  struct Case {
    const char* text;
    int month, day, year;
  };
  const Case cases[] = {
      {"03/05/2004", 3, 5, 2004},
      {"03-05-2004", 3, 5, 2004},
      {" 3/ 5/2004", 3, 5, 2004},
      {"12/25/1998", 12, 25, 1998},
      {"01/05/5", 1, 5, 5},
      {"07/04/965", 7, 4, 965},
      {"12/31/12345", 12, 31, 12345},
      {"01/01/-5", 1, 1, -5},
      {"", 0, 0, 0},
      {"03/05", 3, 5, 0},
      {".9/.5/2004.6", 1, 0, 2005},
      {"-1/-2/2000", 0, 0, 2000},
      {"01/01/99999", 1, 1, 32767},
      {"ab/cd/efgh", 0, 0, 0},
  };
  for (const auto& c : cases) {
    int month = -1, day = -1, year = -1;
    SplitDate(c.text, month, day, year);
    EXPECT_EQ(month, c.month) << c.text;
    EXPECT_EQ(day, c.day) << c.text;
    EXPECT_EQ(year, c.year) << c.text;
  }
}

TEST(MakeDate, PadsMonthAndDayOnly) {
  EXPECT_EQ(MakeDate(3, 5, 2004), "03/05/2004");
  EXPECT_EQ(MakeDate(12, 25, 5), "12/25/5");
  EXPECT_EQ(MakeDate(13, 45, 1999), "13/45/1999");
}

TEST(NormalizeDate, AcceptsBothSeparatorsAndTwoDigitYears) {
  const std::pair<const char*, const char*> cases[] = {
      {"12-25-98", "12/25/1998"},
      {"1/5/5", "01/05/1905"},
      {"1/5/05", "01/05/1905"},
      {"1/5/99", "01/05/1999"},
      {"1/5/100", "01/05/100"},
      {"3-5/2004", "03/05/2004"},
      {"7 / 4 / 1965", "07/04/1965"},
      {"13/45/99", "13/45/1999"},
      {"3/5/", "03/05/1900"},
      {"2000", ""},
      {"3/2000", ""},
      {"", ""},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(NormalizeDate(text), want) << text;
}

TEST(JulianConversions, KnownDays) {
  EXPECT_EQ(DateToJulian("01/01/2000"), 2451545);
  EXPECT_EQ(DateToJulian("01-01-2000"), 2451545);
  EXPECT_EQ(DateToJulian("01/01/1900"), 2415021);
  EXPECT_EQ(JulianToDate(2451545), "01/01/2000");
  // Impossible parts carry through: month 13 is January of the next year.
  EXPECT_EQ(DateToJulian("13/01/1999"), DateToJulian("01/01/2000"));
  EXPECT_EQ(DateToJulian("02/30/2001"), DateToJulian("03/02/2001"));
  // Day numbers past 32 bits are held to the ends of the range.
  EXPECT_EQ(JulianFromParts(1, 1, INT_MAX), INT32_MAX);
  EXPECT_EQ(JulianFromParts(1, 1, INT_MIN), INT32_MIN);
  EXPECT_EQ(JulianFromParts(INT_MAX, INT_MAX, 2000), INT32_MAX);
  EXPECT_EQ(JulianFromParts(1, INT_MIN, 2000), INT32_MIN + JulianFromParts(1, 0, 2000));
}

TEST(AddDays, MovesAcrossMonthsYearsAndLeapDays) {
  struct Case {
    const char* date;
    int n;
    const char* want;
  };
  const Case cases[] = {
      {"12/31/1999", 1, "01/01/2000"},     {"03/01/2000", -1, "02/29/2000"},
      {"03/01/1900", -1, "02/28/1900"},    {"01/01/2000", 366, "01/01/2001"},
      {"01/01/2000", 0, "01/01/2000"},     {"01-01-2000", -32768, "04/15/1910"},
      {"01/01/2000", 32767, "09/17/2089"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AddDays(c.date, c.n), c.want) << c.date << " + " << c.n;
  // Far beyond any date the sum holds at the last Julian number, 2147483647,
  // instead of wrapping.
  EXPECT_EQ(AddDays("12/31/9999", INT_MAX), "06/03/5874898");
}

TEST(DaysBetween, IsSecondMinusFirst) {
  struct Case {
    const char* first;
    const char* second;
    std::int32_t want;
  };
  const Case cases[] = {
      {"01/01/2000", "12/31/1999", -1},
      {"12/31/1999", "01/01/2000", 1},
      {"01/01/1900", "01/01/2000", 36524},
      {"03/05/2004", "03-05-2004", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DaysBetween(c.first, c.second), c.want) << c.first << " to " << c.second;
}

}  // namespace
}  // namespace tarvana
