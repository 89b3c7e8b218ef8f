#include "datetime/times.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tarvana {
namespace {

TEST(SplitTime, ReadsFixedPositions) {
  struct Case {
    const char* text;
    int hours, minutes;
    float seconds;
  };
  const Case cases[] = {
      {"14:05:09.25", 14, 5, 9.25f},
      {"00:00:00", 0, 0, 0},
      {"23:59:59.99", 23, 59, 59.99f},
      {"25:75:99", 25, 75, 99},
      {"", 0, 0, 0},
      {"14:05", 14, 5, 0},
      {" 9: 5: 7.5", 9, 5, 7.5f},
      {"99:99:1234.5", 99, 99, 1234.5f},
  };
  for (const auto& c : cases) {
    int hours = -1, minutes = -1;
    float seconds = -1;
    SplitTime(c.text, hours, minutes, seconds);
    EXPECT_EQ(hours, c.hours) << c.text;
    EXPECT_EQ(minutes, c.minutes) << c.text;
    EXPECT_EQ(seconds, c.seconds) << c.text;
  }
}

TEST(SecondsAfterMidnight, SumsInSinglePrecision) {
  const std::pair<const char*, float> cases[] = {
      {"00:00:00", 0},
      {"23:59:59.99", 86399.99f},
      {"14:05:09.25", 50709.25f},
      {"25:75:00", 94500},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(SecondsAfterMidnight(text), want) << text;
}

TEST(MakeTime, WritesSecondsWithSevenDigitsAndTwoPlacesBeforeThePoint) {
  struct Case {
    int hours, minutes;
    float seconds;
    const char* want;
  };
  const Case cases[] = {
      {0, 0, 0, "00:00:00"},
      {0, 0, 5, "00:00:05"},
      {0, 0, 5.25f, "00:00:05.25"},
      {0, 0, 0.5f, "00:00:00.5"},
      {0, 0, 45, "00:00:45"},
      {0, 0, 12.5f, "00:00:12.5"},
      {1, 2, 0.01f, "01:02:00.01"},
      {23, 59, 59.99f, "23:59:59.99"},
      {0, 0, 12.3456789f, "00:00:12.34568"},
      {0, 0, 9.1234567f, "00:00:09.123457"},
      {0, 0, 0.1f, "00:00:00.1"},
      {7, 3, 60, "07:03:60"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MakeTime(c.hours, c.minutes, c.seconds), c.want)
        << c.hours << ", " << c.minutes << ", " << c.seconds;
}

TEST(SecondsToTime, SplitsHoursMinutesAndSeconds) {
  const std::pair<float, const char*> cases[] = {
      {0, "00:00:00"},
      {59.6f, "00:00:59.6"},
      {60, "00:01:00"},
      {119.6f, "00:01:59.6"},
      {3600, "01:00:00"},
      {3725.5f, "01:02:05.5"},
      {86399, "23:59:59"},
      // Single precision holds 86399.99 as 86399.9921875, and seven digits show it.
      {86399.99f, "23:59:59.99219"},
      {360000, "00:00:00"},  // 100 hours: the last two digits
      {-3725.5f, "-1:-2:-5.5"},
      // 2777777 hours 46 minutes 40 seconds, exactly, however large the count.
      {1e10f, "77:46:40"},
      {std::numeric_limits<float>::max(), "90:24:00"},
      {std::numeric_limits<float>::infinity(), ""},
      {-std::numeric_limits<float>::infinity(), ""},
      {std::numeric_limits<float>::quiet_NaN(), ""},
  };
  for (const auto& [seconds, want] : cases)
    EXPECT_EQ(SecondsToTime(seconds), want) << seconds;
}

TEST(ElapsedTime, IsTheSymmetricDifferenceWithoutMidnightWrap) {
  struct Case {
    const char* first;
    const char* second;
    const char* want;
  };
  const Case cases[] = {
      {"23:00:00", "01:00:00", "22:00:00"},
      {"14:05:09.25", "14:05:10", "00:00:00.75"},
      {"00:00:00", "23:59:59.99", "23:59:59.99219"},
      {"12:00:00", "12:00:00", "00:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ElapsedTime(c.first, c.second), c.want) << c.first << " to " << c.second;
    EXPECT_EQ(ElapsedTime(c.second, c.first), c.want) << c.second << " to " << c.first;
  }
}

TEST(ElapsedDateTime, CountsHoursAcrossDaysInEitherOrder) {
  struct Case {
    const char* firstDate;
    const char* firstTime;
    const char* secondDate;
    const char* secondTime;
    const char* want;
  };
  const Case cases[] = {
      {"01/01/2000", "23:00:00", "01/02/2000", "01:00:00", "2:00:00"},
      {"01/01/2000", "08:30:00", "01/04/2000", "08:30:00", "72:00:00"},
      {"01/01/2000", "08:30:00", "01/01/2000", "08:30:00", "0:00:00"},
      {"01/01/2000", "10:00:00", "01/01/2000", "10:00:05.5", "0:00:05.5"},
      {"12/31/1999", "23:59:59", "01-01-2000", "00:00:00", "0:00:01"},
      // Spans beyond 194 days keep their last second.
      {"01/01/2000", "00:00:00", "01/01/2001", "00:00:01", "8784:00:01"},
      {"01/01/1900", "00:00:00", "01/01/2000", "12:34:56.75", "876588:34:56.75"},
      // Seconds of thirty 4s: every digit of the hours.
      {"01/01/2000", "00:00:00", "01/01/2000", "00:00:444444444444444444444444444444",
       "123456784985070173155229696:35:28"},
      // Seconds beyond single precision are infinite.
      {"01/01/2000", "00:00:00", "01/01/2000", "00:00:1000000000000000000000000000000000000000",
       ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ElapsedDateTime(c.firstDate, c.firstTime, c.secondDate, c.secondTime), c.want)
        << c.firstDate << " " << c.firstTime << " to " << c.secondDate << " " << c.secondTime;
    EXPECT_EQ(ElapsedDateTime(c.secondDate, c.secondTime, c.firstDate, c.firstTime), c.want)
        << c.secondDate << " " << c.secondTime << " to " << c.firstDate << " " << c.firstTime;
  }
}

TEST(TimeTo24Hour, ConvertsSuffixesAndFillsMissingParts) {
  const std::pair<const char*, const char*> cases[] = {
      {"2:30p", "14:30:00"},
      {"2:30P", "14:30:00"},
      {"12:05:10a", "00:05:10"},
      {"12:05", "00:05:00"},
      {"12:00p", "12:00:00"},
      {"11:59:59.5p", "23:59:59.5"},
      {"9:15:30", "09:15:30"},
      {"9:15:30A", "09:15:30"},
      {"1:00 a", "01:00:00"},
      {"24:00", "00:00:00"},
      {"07:45:00", "07:45:00"},
      {"1230", ""},
      {"", ""},
      {"1:00:1000000000000000000000000000000000000000", ""},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(TimeTo24Hour(text), want) << text;
}

TEST(FormatTime, TheTwelveFormsOfOneTime) {
  struct Case {
    int format, is24Hour, noPad;
    const char* want;
  };
  const Case cases[] = {
      {1, 0, 0, "02:05:09.25p"},  {1, -1, 0, "14:05:09.25"}, {1, 0, -1, "2:05:09.25p"},
      {1, -1, -1, "14:05:09.25"}, {2, 0, 0, "02:05:09p"},    {2, -1, 0, "14:05:09"},
      {2, 0, -1, "2:05:09p"},     {2, -1, -1, "14:05:09"},   {3, 0, 0, "02:05p"},
      {3, -1, 0, "14:05"},        {3, 0, -1, "2:05p"},       {3, -1, -1, "14:05"},
      {0, 0, 0, "02:05p"},        {4, 1, 0, "14:05"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatTime("14:05:09.25", c.format, c.is24Hour, c.noPad), c.want)
        << "format " << c.format << ", 24-hour " << c.is24Hour << ", no pad " << c.noPad;
}

TEST(FormatTime, MidnightNoonAndWholeSeconds) {
  struct Case {
    const char* time;
    int format;
    const char* want;
  };
  const Case cases[] = {
      {"00:30:00", 1, "12:30:00a"},     {"00:30:00", 3, "12:30a"},
      {"12:00:00", 1, "12:00:00p"},     {"11:59:59.99", 2, "11:59:59a"},
      {"23:00:00.5", 1, "11:00:00.5p"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatTime(c.time, c.format, 0, 0), c.want) << c.time << " format " << c.format;
}

TEST(TimeTexts, InfiniteSecondsGiveTheEmptyText) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(MakeTime(1, 2, inf), "");
  EXPECT_EQ(MakeTime(1, 2, std::numeric_limits<float>::quiet_NaN()), "");
  const std::string huge = "14:05:1" + std::string(40, '0');
  EXPECT_EQ(FormatTime(huge, 1, 0, 0), "");
  EXPECT_EQ(FormatTime(huge, 2, 0, 0), "");
  EXPECT_EQ(FormatTime(huge, 3, 0, 0), "02:05p") << "no seconds shown";
  EXPECT_EQ(ElapsedTime("00:00:00", huge), "");
}

}  // namespace
}  // namespace tarvana
