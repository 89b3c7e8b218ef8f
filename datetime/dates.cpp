#include "datetime/dates.h"

#include <algorithm>

#include "datetime/part_reading.h"
#include "runtime/name_table.h"

namespace tarvana {
namespace {

constexpr std::string_view kMonthAbbrevs = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
constexpr std::string_view kMonthNames =
    "January  February March    April    May      June     "
    "July     August   SeptemberOctober  November December ";
constexpr std::string_view kWeekdayNames =
    "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ";

}  // namespace

std::string ZeroPad2(int n) {
  const std::string text = "00" + std::to_string(n);
  return text.substr(text.size() - 2);
}

// The months' slots are 0-11; checked before subtracting, so that no month
// number overflows.
bool IsMonth(int month) {
  return month >= 1 && month <= 12;
}

std::string MonthAbbrev(int month) {
  return IsMonth(month) ? std::string(TableSlot(kMonthAbbrevs, 3, month - 1)) : "";
}

std::string MonthName(int month) {
  return IsMonth(month) ? std::string(TableWord(kMonthNames, 9, month - 1)) : "";
}

std::string WeekdayName(std::string_view date) {
  int month, day, year;
  SplitDate(date, month, day, year);
  return std::string(TableSlot(kWeekdayNames, 9, DayOfWeek(month, day, year)));
}

int DayOfWeek(int month, int day, int year) {
  // 64-bit so that no argument can overflow; January and February count as
  // months 11 and 12 of the year before.
  std::int64_t m = static_cast<std::int64_t>(month) - 2, y = year;
  if (m < 1 || m > 10) {
    m += 12;
    --y;
  }
  const std::int64_t century = y / 100, rest = y - 100 * century;
  // The month term is computed in single precision, as the weekday rule was built on.
  const auto term = static_cast<std::int64_t>(2.6f * static_cast<float>(m) - 0.1f);
  std::int64_t w = (day + term + rest + rest / 4 + century / 4 - 2 * century) % 7;
  if (w < 0) w += 7;
  return static_cast<int>(w);
}

int DaysInMonth(int month, int year) {
  switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 29 : 28;
    default:
      return 0;
  }
}

std::string MakeDate(int month, int day, int year) {
  return ZeroPad2(month) + "/" + ZeroPad2(day) + "/" + std::to_string(year);
}

void SplitDate(std::string_view date, int& month, int& day, int& year) {
  month = ByteNumber(FieldAt(date, 1, 2));
  day = ByteNumber(FieldAt(date, 4, 2));
  // From character 7 on rather than the last four characters, so that years
  // of other than four digits read back as MakeDate wrote them.
  year = Int16Number(FieldAt(date, 7));
}

std::string NormalizeDate(std::string_view text) {
  std::string date(text);
  std::replace(date.begin(), date.end(), '-', '/');
  const size_t first = date.find('/');
  if (first == std::string::npos) return "";
  const size_t second = date.find('/', first + 1);
  if (second == std::string::npos) return "";
  const int month = ByteNumber(date.substr(0, first));
  const int day = ByteNumber(date.substr(first + 1, second - first - 1));
  int year = Int16Number(date.substr(second + 1));
  if (year < 100) year += 1900;
  return MakeDate(month, day, year);
}

}  // namespace tarvana
