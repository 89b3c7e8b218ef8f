#pragma once
// Dates as text (canonical MM/DD/YYYY), Julian day numbers (1 January 2000 is
// 2451545), weekdays, month lengths, date arithmetic, sorting and the twelve
// date formats. Dates are read by fixed character positions, so the clock's
// MM-DD-YYYY text works wherever a date text is taken.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/based_array.h"

namespace tarvana {

// The last two characters of "00" followed by the decimal digits of n (0-99):
// 5 gives "05", 12 gives "12".
std::string ZeroPad2(int n);
// "JAN" to "DEC" for months 1-12; the empty text for any other month.
std::string MonthAbbrev(int month);
// "January" to "December" for months 1-12; the empty text for any other month.
std::string MonthName(int month);
// The weekday of a date text as a nine-character slot, blank padded
// ("Saturday ", "Wednesday").
std::string WeekdayName(std::string_view date);
// 0 Sunday .. 6 Saturday, for any month, day and year (Gregorian calendar).
int DayOfWeek(int month, int day, int year);
// 28-31 for months 1-12 (Gregorian leap years); 0 for any other month.
int DaysInMonth(int month, int year);
// ZeroPad2(month) + "/" + ZeroPad2(day) + "/" + the year's digits.
std::string MakeDate(int month, int day, int year);
// Reads a date text by position: the month from characters 1-2, the day from
// characters 4-5, the year from character 7 on, each the rounded leading number
// there (see LeadingNumber), held to 0-255 for month and day and to 16 bits
// for the year. The separators are never looked at.
void SplitDate(std::string_view date, int& month, int& day, int& year);
// Canonical text of a month, day and year separated by "/" or "-" (mixed
// freely, parts of any length); a year below 100 has 1900 added. The empty text
// when the input has fewer than two separators. Ranges are not checked.
std::string NormalizeDate(std::string_view text);
// Julian day number of a date; exact inverse of PartsFromJulian for the years
// 1-9999. Dates beyond the 32-bit day numbers (years past about 5.8 million
// either way) are held to the first or last of them.
std::int32_t JulianFromParts(int month, int day, int year);
void PartsFromJulian(std::int32_t julian, int& month, int& day, int& year);
// JulianFromParts of SplitDate of a date text.
std::int32_t DateToJulian(std::string_view date);
// MakeDate of PartsFromJulian.
std::string JulianToDate(std::int32_t julian);
// The date n days after date (before it for a negative n).
std::string AddDays(std::string_view date, int n);
// Days from first to second: negative when second is earlier.
std::int32_t DaysBetween(std::string_view first, std::string_view second);
// Sorts date texts in place: latest first for order 0, earliest first for any
// other order. Equal dates keep no particular order.
void SortDates(BasedArray<std::string>& dates, int order);
// A free-form date text (as NormalizeDate takes it) in format 1-12, parts
// joined by separator; the empty text for any other format or for a text that
// NormalizeDate refuses. For 5 March 2004: 1 "3/5/04", 2 "03/05/04",
// 3 "3/5/2004", 4 "03/05/2004", 5-8 the same day first, 9 "5 MAR 04",
// 10 "5 MAR 2004", 11 "5 March 2004", 12 "March 5, 2004" (separator " " for 9-12).
std::string FormatDate(std::string_view text, int format, std::string_view separator);

}  // namespace tarvana
