#include "datetime/times.h"

#include <cmath>
#include <cstdint>

#include "datetime/dates.h"
#include "datetime/part_reading.h"
#include "runtime/cp437_case.h"
#include "runtime/float_chars.h"
#include "runtime/number_format.h"

namespace tarvana {
namespace {

// Seconds with at most seven significant digits, at least two characters
// before any point: 5 "05", 5.25 "05.25", .5 "00.5"; 45 and 12.5 as they are.
std::string SecondsText(float seconds) {
  const std::string text = NumberDigits(seconds, kSingleDigits);
  const size_t point = text.find('.');
  if (point == 0) return "00" + text;
  if (point == 1 || (point == std::string::npos && text.size() == 1)) return "0" + text;
  return text;
}

// A count of seconds split into whole hours and the rest of the hour, worked
// in double precision, where the remainder is exact for any finite count; so
// no part is cut to an int or loses the minutes of a huge count.
struct HourSplit {
  double hours;   // whole, with the sign of the count
  double inHour;  // the seconds within the hour, with the same sign
};
HourSplit SplitHours(double seconds) {
  const double inHour = std::fmod(seconds, 3600.0);
  return {(seconds - inHour) / 3600.0, inHour};
}

// Minutes and seconds of the seconds within an hour.
std::string MinutesAndSeconds(double inHour) {
  const double minutes = std::trunc(inHour / 60.0);
  return ZeroPad2(static_cast<int>(minutes)) + ":" +
         SecondsText(static_cast<float>(inHour - 60.0 * minutes));
}

}  // namespace

void SplitTime(std::string_view time, int& hours, int& minutes, float& seconds) {
  hours = Int16Number(FieldAt(time, 1, 2));
  minutes = Int16Number(FieldAt(time, 4, 2));
  seconds = static_cast<float>(LeadingNumber(FieldAt(time, 7)));
}

float SecondsAfterMidnight(std::string_view time) {
  int hours, minutes;
  float seconds;
  SplitTime(time, hours, minutes, seconds);
  return static_cast<float>(hours) * 3600.0f + static_cast<float>(minutes) * 60.0f + seconds;
}

std::string MakeTime(int hours, int minutes, float seconds) {
  if (!std::isfinite(seconds)) return "";
  return ZeroPad2(hours) + ":" + ZeroPad2(minutes) + ":" + SecondsText(seconds);
}

std::string SecondsToTime(float seconds) {
  if (!std::isfinite(seconds)) return "";
  const HourSplit split = SplitHours(seconds);
  // The text keeps the hours' last two digits (ZeroPad2): taken from the
  // remainder of 100 hours, exactly, however large the count.
  const int lastTwo = static_cast<int>((std::fmod(seconds, 360000.0) - split.inHour) / 3600.0);
  return ZeroPad2(lastTwo) + ":" + MinutesAndSeconds(split.inHour);
}

std::string ElapsedTime(std::string_view first, std::string_view second) {
  return SecondsToTime(std::fabs(SecondsAfterMidnight(second) - SecondsAfterMidnight(first)));
}

std::string ElapsedDateTime(std::string_view firstDate, std::string_view firstTime,
                            std::string_view secondDate, std::string_view secondTime) {
  // Double precision: a single-precision total loses whole seconds beyond
  // about 194 days.
  const double days = static_cast<double>(DateToJulian(secondDate)) - DateToJulian(firstDate);
  const double total =
      std::fabs(days * 86400.0 + (static_cast<double>(SecondsAfterMidnight(secondTime)) -
                                  SecondsAfterMidnight(firstTime)));
  if (!std::isfinite(total)) return "";
  const HourSplit split = SplitHours(total);
  // Every digit of the hours, however many: a double's whole value exactly.
  return WholeDigits(split.hours) + ":" + MinutesAndSeconds(split.inHour);
}

std::string TimeTo24Hour(std::string_view time) {
  const size_t first = time.find(':');
  if (first == std::string_view::npos) return "";
  int hours = Int16Number(time.substr(0, first));
  if (UpperChar(static_cast<unsigned char>(time.back())) == 'P') {
    if (hours != 12) hours += 12;
  } else if (hours == 12) {
    hours = 0;
  }
  if (hours == 24) hours = 0;
  const size_t second = time.find(':', first + 1);
  if (second == std::string_view::npos)
    return MakeTime(hours, Int16Number(time.substr(first + 1)), 0);
  return MakeTime(hours, Int16Number(time.substr(first + 1, second - first - 1)),
                  static_cast<float>(LeadingNumber(time.substr(second + 1))));
}

std::string FormatTime(std::string_view time, int format, int is24Hour, int noPad) {
  int hours, minutes;
  float seconds;
  SplitTime(time, hours, minutes, seconds);
  const bool afternoon = hours >= 12;
  if (!is24Hour) {
    if (afternoon) hours -= 12;
    if (hours == 0) hours = 12;
  }
  std::string text = (noPad ? std::to_string(hours) : ZeroPad2(hours)) + ":" + ZeroPad2(minutes);
  if ((format == 1 || format == 2) && !std::isfinite(seconds)) return "";
  if (format == 1) text += ":" + SecondsText(seconds);
  if (format == 2) text += ":" + SecondsText(std::trunc(seconds));
  if (!is24Hour) text += afternoon ? "p" : "a";
  return text;
}

}  // namespace tarvana
