#include "text/number_words.h"

#include <gtest/gtest.h>

#include <climits>

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace tarvana {
namespace {

TEST(NumberToWords, ListedSpellings) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "zero"},
      {5, "five"},
      {10, "ten"},
      {15, "fifteen"},
      {20, "twenty"},
      {32, "thirty-two"},
      {101, "one hundred one"},
      {110, "one hundred ten"},
      {132, "one hundred thirty-two"},
      {1000, "one thousand"},
      {1005, "one thousand five"},
      {1010, "one thousand ten"},
      {20000, "twenty thousand"},
      {100005, "one hundred thousand five"},
      {999999, "nine hundred ninety-nine thousand nine hundred ninety-nine"},
      {1000000, "one million"},
      {1000005, "one million five"},
      {1000000000, "one billion"},
      {-1, "negative one"},
      {-10, "negative ten"},
      {-99999, "negative ninety-nine thousand nine hundred ninety-nine"},
      {-123456789,
       "negative one hundred twenty-three million four hundred fifty-six thousand seven hundred "
       "eighty-nine"},
      {INT32_MAX,
       "two billion one hundred forty-seven million four hundred eighty-three thousand six "
       "hundred forty-seven"},
      {INT32_MIN,
       "negative two billion one hundred forty-seven million four hundred eighty-three thousand "
       "six hundred forty-eight"},
  };
  for (const auto& [n, want] : cases)
    EXPECT_EQ(NumberToWords(n), want) << n;
}

// An independent speller: groups of three digits with their scale words.
std::string Below1000(int n) {
  static const char* const kSmall[] = {"",        "one",     "two",       "three",    "four",
                                       "five",    "six",     "seven",     "eight",    "nine",
                                       "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                       "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
  static const char* const kTens[] = {"",      "",      "twenty",  "thirty", "forty",
                                      "fifty", "sixty", "seventy", "eighty", "ninety"};
  std::string words;
  if (n >= 100) words = std::string(kSmall[n / 100]) + " hundred";
  n %= 100;
  std::string rest;
  if (n >= 20)
    rest = std::string(kTens[n / 10]) + (n % 10 ? std::string("-") + kSmall[n % 10] : "");
  else
    rest = kSmall[n];
  if (!rest.empty()) words += (words.empty() ? "" : " ") + rest;
  return words;
}

std::string ReferenceWords(std::int32_t n) {
  if (n == 0) return "zero";
  std::int64_t rest = std::llabs(static_cast<std::int64_t>(n));
  const std::pair<std::int64_t, const char*> scales[] = {
      {1000000000, " billion"}, {1000000, " million"}, {1000, " thousand"}, {1, ""}};
  std::vector<std::string> parts;
  if (n < 0) parts.push_back("negative");
  for (const auto& [scale, word] : scales) {
    const int group = static_cast<int>(rest / scale);
    rest %= scale;
    if (group != 0) parts.push_back(Below1000(group) + word);
  }
  std::string words;
  for (const auto& part : parts)
    words += (words.empty() ? "" : " ") + part;
  return words;
}

TEST(NumberToWords, AgreesWithAnIndependentSpellerWithSingleBlanks) {
  std::vector<std::int32_t> sample;
  for (std::int32_t n = -2000; n <= 2000; ++n)
    sample.push_back(n);
  for (std::int64_t p = 10; p <= INT32_MAX; p *= 10)
    for (std::int64_t d : {-1, 0, 1, 5, 10}) {
      sample.push_back(static_cast<std::int32_t>(p + d));
      sample.push_back(static_cast<std::int32_t>(-p - d));
    }
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  std::uniform_int_distribution<int> digits(1, 10);
  for (int i = 0; i < 200000; ++i) {
    // Half of the sample drawn with fewer digits, so every group size is common.
    std::int64_t n = any(random);
    if (i % 2) n %= static_cast<std::int64_t>(std::pow(10, digits(random)));
    sample.push_back(static_cast<std::int32_t>(n));
  }
  for (std::int32_t n : sample) {
    const std::string words = NumberToWords(n);
    ASSERT_EQ(words, ReferenceWords(n)) << n;
    ASSERT_EQ(words.find("  "), std::string::npos) << n;
    ASSERT_NE(words.front(), ' ') << n;
    ASSERT_NE(words.back(), ' ') << n;
  }
}

TEST(OnesWord, NamesDigits1To9) {
  const std::pair<int, const char*> cases[] = {{1, "one "},   {3, "three "}, {9, "nine "},
                                               {0, ""},       {10, ""},      {-1, ""},
                                               {INT_MIN, ""}, {INT_MAX, ""}};
  for (const auto& [d, want] : cases)
    EXPECT_EQ(OnesWord(d), want) << d;
}

TEST(TensWords, SpellsTwoDigitGroups) {
  struct Case {
    int tens, units;
    const char* want;
  };
  const Case cases[] = {
      {3, 2, "thirty-two "}, {3, 0, "thirty "},  {9, 9, "ninety-nine "}, {1, 5, "fifteen "},
      {1, 9, "nineteen "},   {1, 0, "ten "},     {0, 7, "seven "},       {0, 0, " "},
      {10, 0, " "},          {2, 10, "twenty "}, {1, 10, " "},           {-1, 5, " "},
      {10, 3, " "},          {INT_MIN, 5, " "},  {INT_MAX, 5, " "},      {2, INT_MIN, "twenty "},
      {1, INT_MIN, " "},     {0, INT_MIN, " "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TensWords(c.tens, c.units), c.want) << c.tens << c.units;
}

}  // namespace
}  // namespace tarvana
