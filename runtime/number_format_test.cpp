#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace tarvana {
namespace {

TEST(NumberDigits, RoundsToSignificantDigitsWithoutPaddingOrExponent) {
  struct Case {
    double value;
    int significant;
    const char* want;
  };
  const Case cases[] = {
      {0, kSingleDigits, "0"},
      {-0.0, kSingleDigits, "0"},
      {5, kSingleDigits, "5"},
      {0.5, kSingleDigits, ".5"},
      {-0.5, kSingleDigits, "-.5"},
      {0.001, kSingleDigits, ".001"},
      {9.25f, kSingleDigits, "9.25"},
      {59.6f, kSingleDigits, "59.6"},
      {0.1f, kSingleDigits, ".1"},
      {0.1f, kDoubleDigits, ".100000001490116"},
      {50709.25f, kSingleDigits, "50709.25"},
      {86399.99f, kSingleDigits, "86399.99"},
      {123.456789, kSingleDigits, "123.4568"},
      {1234567, kSingleDigits, "1234567"},
      {9999999.6, kSingleDigits, "1E+07"},
      {12345678, kSingleDigits, "1.234568E+07"},
      {1.5e-8, kSingleDigits, "1.5E-08"},
      {1e-7, kSingleDigits, ".0000001"},
      {2451545, kDoubleDigits, "2451545"},
      {(-40 - 32) / 1.8 + 273.15, kDoubleDigits, "233.15"},
      {(0 - 273.15) * 1.8 + 32, kDoubleDigits, "-459.67"},
      {1 / 3.0, kDoubleDigits, ".333333333333333"},
      {1e20, kDoubleDigits, "1E+20"},
      {-1.25e100, kDoubleDigits, "-1.25E+100"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumberDigits(c.value, c.significant), c.want)
        << "value " << c.value << ", " << c.significant << " digits";
}

TEST(PrintedNumber, FramesTheDigitsWithSignPositionAndOneBlank) {
  EXPECT_EQ(NumberString(5, kSingleDigits), " 5");
  EXPECT_EQ(NumberString(-5, kSingleDigits), "-5");
  EXPECT_EQ(PrintedNumber(100, kDoubleDigits), " 100 ");
  EXPECT_EQ(PrintedNumber(-40, kDoubleDigits), "-40 ");
  EXPECT_EQ(PrintedNumber(0.5, kSingleDigits), " .5 ");
}

TEST(GroupedNumber, PutsCommasBetweenGroupsOfThree) {
  struct Case {
    std::int64_t value;
    const char* want;
  };
  const Case cases[] = {
      {0, "0"},
      {7, "7"},
      {999, "999"},
      {1000, "1,000"},
      {1234567, "1,234,567"},
      {12345678901, "12,345,678,901"},
      {1234567890123, "1,234,567,890,123"},
      {-123, "-123"},
      {-1234, "-1,234"},
      {INT64_MIN, "-9,223,372,036,854,775,808"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GroupedNumber(c.value), c.want) << "value " << c.value;
}

TEST(LeadingNumber, ReadsBlanksSignDigitsAndFraction) {
  struct Case {
    std::string text;
    double want;
  };
  const Case cases[] = {
      {"", 0},
      {"abc", 0},
      {".", 0},
      {"-", 0},
      {"- 5", 0},
      {"\t5", 0},
      {"12", 12},
      {"   12", 12},
      {"12/25/1998", 12},
      {"09.25", 9.25},
      {" -3.25x", -3.25},
      {"+5", 5},
      {".5", 0.5},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"1e5", 1},
      {"0005", 5},
      {"30p", 30},
      {"." + std::string(400, '0') + "1", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LeadingNumber(c.text), c.want) << "text \"" << c.text << '"';
  EXPECT_EQ(LeadingNumber("1" + std::string(400, '0')), HUGE_VAL);
  EXPECT_EQ(LeadingNumber("-1" + std::string(400, '0')), -HUGE_VAL);
}

TEST(RoundToInt, RoundsToNearestEvenAndHoldsTheRange) {
  struct Case {
    double value;
    int low, high;
    int want;
  };
  const Case cases[] = {
      {2.4, INT_MIN, INT_MAX, 2},
      {2.5, INT_MIN, INT_MAX, 2},
      {3.5, INT_MIN, INT_MAX, 4},
      {-2.5, INT_MIN, INT_MAX, -2},
      {-2.6, INT_MIN, INT_MAX, -3},
      {1e20, INT_MIN, INT_MAX, INT_MAX},
      {-1e20, INT_MIN, INT_MAX, INT_MIN},
      {300, 0, 255, 255},
      {-1, 0, 255, 0},
      {NAN, INT_MIN, INT_MAX, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RoundToInt(c.value, c.low, c.high), c.want)
        << "value " << c.value << " in " << c.low << ".." << c.high;
}

}  // namespace
}  // namespace tarvana
