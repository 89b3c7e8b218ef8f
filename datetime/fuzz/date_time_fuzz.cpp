// libFuzzer target: the date and time routines fed arbitrary texts and
// numbers. Besides the sanitizers' checks, the results keep their forms:
// weekdays 0-6, nine-character weekday names, parts in their ranges, exact
// Julian round trips for the years 1-9999, time texts of bounded length with
// minutes and seconds in range, and sorted dates in order.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "datetime/dates.h"
#include "datetime/times.h"
#include "testing/fuzz_support.h"

namespace {

using namespace tarvana;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

void Expect(bool ok, const std::string& what) {
  if (!ok) FuzzFail(what);
}

void CheckDateText(const std::string& text, FuzzBytes& in) {
  int month, day, year;
  SplitDate(text, month, day, year);
  Expect(month >= 0 && month <= 255 && day >= 0 && day <= 255,
         "SplitDate parts out of byte range for \"" + text + "\"");
  Expect(year >= INT16_MIN && year <= INT16_MAX, "SplitDate year past 16 bits");
  Expect(WeekdayName(text).size() == 9, "WeekdayName is not nine characters");
  const std::int32_t julian = DateToJulian(text);
  Expect(julian == JulianFromParts(month, day, year), "DateToJulian differs from its parts");
  const std::string normal = NormalizeDate(text);
  if (!normal.empty()) Expect(normal.size() >= 7 && normal[2] == '/', "NormalizeDate form");
  for (int format = 0; format <= 13; ++format) {
    const std::string formatted = FormatDate(text, format, in.Text(3));
    Expect((format >= 1 && format <= 12) || formatted.empty(), "FormatDate of a bad format");
    Expect(formatted.size() < 64, "FormatDate too long");
  }
  (void)AddDays(text, in.Int32());
  (void)DaysBetween(text, in.Text(12));
}

void CheckParts(FuzzBytes& in) {
  const int month = in.Int32(), day = in.Int32(), year = in.Int32();
  const int weekday = DayOfWeek(month, day, year);
  Expect(weekday >= 0 && weekday <= 6, "DayOfWeek outside 0-6");
  const int days = DaysInMonth(month, year);
  Expect(days == 0 || (days >= 28 && days <= 31), "DaysInMonth");
  Expect(MonthAbbrev(month).size() == ((month >= 1 && month <= 12) ? 3u : 0u), "MonthAbbrev");
  Expect(MonthName(month).empty() == !(month >= 1 && month <= 12), "MonthName");
  (void)ZeroPad2(day);
  (void)MakeDate(month, day, year);
  int m, d, y;
  PartsFromJulian(JulianFromParts(month, day, year), m, d, y);
  // A real date of the years 1-9999 comes back exactly.
  const int realYear = 1 + (year & 0x7FFFFFFF) % 9999;
  const int realMonth = 1 + (month & 0x7FFFFFFF) % 12;
  const int realDay = 1 + (day & 0x7FFFFFFF) % DaysInMonth(realMonth, realYear);
  PartsFromJulian(JulianFromParts(realMonth, realDay, realYear), m, d, y);
  Expect(m == realMonth && d == realDay && y == realYear, "Julian round trip");
  const std::int32_t julian = in.Int32();
  const std::string date = JulianToDate(julian);
  if (julian >= 1721426 && julian <= 5373484)  // 1 January 1 to 31 December 9999
    Expect(DateToJulian(date) == julian, "JulianToDate and back for " + date);
}

// hh:mm:seconds, the hours and minutes two characters each (a sign counts).
void CheckTimeText(const std::string& time, const char* who) {
  if (time.empty()) return;
  Expect(time.size() >= 8 && time.size() < 40 && time[2] == ':' && time[5] == ':',
         std::string(who) + " gave \"" + time + "\"");
}

void CheckTimes(const std::string& a, const std::string& b, FuzzBytes& in) {
  int hours, minutes;
  float seconds;
  SplitTime(a, hours, minutes, seconds);
  Expect(hours >= INT16_MIN && hours <= INT16_MAX, "SplitTime hours");
  const float sum = SecondsAfterMidnight(a);
  const std::string time = SecondsToTime(sum);
  Expect(time.empty() == !std::isfinite(sum), "SecondsToTime empty for a finite count");
  CheckTimeText(time, "SecondsToTime");
  if (!time.empty() && sum >= 0) {
    // Minutes and seconds within the hour, whatever the count (seven digits
    // may round 59.999996 seconds up to 60).
    int h, m;
    float s;
    SplitTime(time, h, m, s);
    Expect(m >= 0 && m <= 59 && s >= 0 && s <= 60, "SecondsToTime parts out of range: " + time);
  }
  CheckTimeText(SecondsToTime(static_cast<float>(in.Int32()) * in.Byte()), "SecondsToTime");
  CheckTimeText(MakeTime(in.Int32(), in.Int32(), seconds), "MakeTime");
  CheckTimeText(ElapsedTime(a, b), "ElapsedTime");
  CheckTimeText(TimeTo24Hour(a), "TimeTo24Hour");
  const std::string elapsed = ElapsedDateTime(in.Text(12), a, in.Text(12), b);
  Expect(elapsed.size() < 420, "ElapsedDateTime too long");
  if (!elapsed.empty())
    Expect(elapsed.find(':') != std::string::npos && elapsed[0] != '-', "ElapsedDateTime form");
  const std::string formatted = FormatTime(a, in.Byte(), in.Flag(), in.Flag());
  Expect(formatted.size() < 48, "FormatTime too long");
}

void CheckSort(FuzzBytes& in) {
  const int count = in.In(0, 12);
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i)
    texts.push_back(in.Text(12));
  BasedArray<std::string> dates(fuzz::FuzzLowerBound(in, count), texts);
  const int order = in.Byte() % 3;
  SortDates(dates, order);
  for (int i = dates.LBound(); i < dates.UBound(); ++i) {
    const std::int32_t a = DateToJulian(dates[i]), b = DateToJulian(dates[i + 1]);
    Expect(order == 0 ? a >= b : a <= b, "SortDates out of order");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  const std::string a = in.Text(48), b = in.Text(48);
  CheckDateText(a, in);
  CheckDateText(b, in);
  CheckParts(in);
  CheckTimes(a, b, in);
  CheckTimes(b, a, in);
  CheckSort(in);
  return 0;
}
