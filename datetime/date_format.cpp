#include "datetime/dates.h"

#include "runtime/number_format.h"

namespace tarvana {

std::string FormatDate(std::string_view text, int format, std::string_view separator) {
  if (format < 1 || format > 12) return "";
  const std::string date = NormalizeDate(text);
  // A text that is no date formats as nothing rather than as month 0, day 0, year 0.
  if (date.empty()) return "";
  int month, day, year;
  SplitDate(date, month, day, year);

  std::string m = std::to_string(month), d = std::to_string(day);
  if (format <= 8 && format % 2 == 0) {
    m = ZeroPad2(month);
    d = ZeroPad2(day);
  } else if (format == 9 || format == 10) {
    m = MonthAbbrev(month);
  } else if (format >= 11) {
    m = MonthName(month);
  }
  std::string y = std::to_string(year);
  if (format == 1 || format == 2 || format == 5 || format == 6 || format == 9) {
    // Two characters including the sign position: 2004 gives "04", year 5 " 5".
    const std::string signed_year = NumberString(year, kSingleDigits);
    y = signed_year.substr(signed_year.size() - 2);
  }

  const std::string s(separator);
  if (format <= 4) return m + s + d + s + y;
  if (format <= 11) return d + s + m + s + y;
  return m + s + d + "," + s + y;
}

}  // namespace tarvana
