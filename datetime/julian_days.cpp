#include "datetime/dates.h"

#include <algorithm>
#include <limits>

namespace tarvana {

// Both conversions compute in 64 bits so that no argument can overflow; every
// division truncates toward zero, which the formulas depend on.

std::int32_t JulianFromParts(int month, int day, int year) {
  using Limits = std::numeric_limits<std::int32_t>;
  const std::int64_t m = month, d = day, y = year;
  const std::int64_t a = (m - 14) / 12;  // -1 for January and February, else 0
  const std::int64_t julian = d - 32075 + (1461 * (y + 4800 + a)) / 4 +
                              (367 * (m - 2 - 12 * a)) / 12 - (3 * ((y + 4900 + a) / 100)) / 4;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(julian, Limits::min(), Limits::max()));
}

void PartsFromJulian(std::int32_t julian, int& month, int& day, int& year) {
  std::int64_t l = static_cast<std::int64_t>(julian) + 68569;
  const std::int64_t n = (4 * l) / 146097;
  l -= (146097 * n + 3) / 4;
  const std::int64_t i = (4000 * (l + 1)) / 1461001;
  l = l - (1461 * i) / 4 + 31;
  const std::int64_t j = (80 * l) / 2447;
  day = static_cast<int>(l - (2447 * j) / 80);
  l = j / 11;
  month = static_cast<int>(j + 2 - 12 * l);
  year = static_cast<int>(100 * (n - 49) + i + l);
}

std::int32_t DateToJulian(std::string_view date) {
  int month, day, year;
  SplitDate(date, month, day, year);
  return JulianFromParts(month, day, year);
}

std::string JulianToDate(std::int32_t julian) {
  int month, day, year;
  PartsFromJulian(julian, month, day, year);
  return MakeDate(month, day, year);
}

std::string AddDays(std::string_view date, int n) {
  using Limits = std::numeric_limits<std::int32_t>;
  const std::int64_t julian = static_cast<std::int64_t>(DateToJulian(date)) + n;
  return JulianToDate(
      static_cast<std::int32_t>(std::clamp<std::int64_t>(julian, Limits::min(), Limits::max())));
}

std::int32_t DaysBetween(std::string_view first, std::string_view second) {
  return DateToJulian(second) - DateToJulian(first);
}

}  // namespace tarvana
