#include "datetime/dates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tarvana {
namespace {

TEST(FormatDate, TheTwelveFormats) {
  struct Case {
    int format;
    const char* separator;
    const char* want;
  };
  const Case cases[] = {
      {1, "/", "3/5/04"},      {2, "/", "03/05/04"},      {3, "/", "3/5/2004"},
      {4, "/", "03/05/2004"},  {5, "/", "5/3/04"},        {6, "/", "05/03/04"},
      {7, "/", "5/3/2004"},    {8, "/", "05/03/2004"},    {9, " ", "5 MAR 04"},
      {10, " ", "5 MAR 2004"}, {11, " ", "5 March 2004"}, {12, " ", "March 5, 2004"},
      {4, "-", "03-05-2004"},  {12, "", "March5,2004"},
  };
  for (const char* input : {"3/5/2004", "03-05-2004", "3-5/2004"})
    for (const auto& c : cases)
      EXPECT_EQ(FormatDate(input, c.format, c.separator), c.want)
          << input << " format " << c.format << " separator \"" << c.separator << '"';
}

TEST(FormatDate, YearsAndRefusals) {
  struct Case {
    const char* text;
    int format;
    const char* want;
  };
  const Case cases[] = {
      {"12/25/2005", 9, "25/DEC/05"},
      {"12/25/98", 3, "12/25/1998"},
      {"12/25/98", 1, "12/25/98"},
      {"1/1/105", 1, "1/1/05"},
      {"1/1/105", 3, "1/1/105"},
      {"3/5/2004", 0, ""},
      {"3/5/2004", 13, ""},
      {"3/5/2004", -1, ""},
      {"2000", 3, ""},
      {"3/2000", 11, ""},
      {"", 12, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDate(c.text, c.format, "/"), c.want) << c.text << " format " << c.format;
}

BasedArray<std::string> Dates(int lower, std::vector<std::string> texts) {
  return BasedArray<std::string>(lower, std::move(texts));
}

TEST(SortDates, OrdersByDayWhicheverTheBounds) {
  struct Case {
    int lower;
    std::vector<std::string> dates;
    int order;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {1,
       {"01/02/2000", "12/31/1999", "06/15/2000"},
       0,
       {"06/15/2000", "01/02/2000", "12/31/1999"}},
      {1,
       {"01/02/2000", "12/31/1999", "06/15/2000"},
       1,
       {"12/31/1999", "01/02/2000", "06/15/2000"}},
      {0,
       {"01/02/2000", "12-31-1999", "06/15/2000"},
       -5,
       {"12-31-1999", "01/02/2000", "06/15/2000"}},
      {-3,
       {"03/01/2000", "02/29/2000", "01/01/1000", "12/31/9999"},
       0,
       {"12/31/9999", "03/01/2000", "02/29/2000", "01/01/1000"}},
      {5, {"07/04/1965"}, 0, {"07/04/1965"}},
      {1, {}, 1, {}},
  };
  for (const auto& c : cases) {
    auto dates = Dates(c.lower, c.dates);
    SortDates(dates, c.order);
    EXPECT_EQ(dates.Items(), c.want)
        << "order " << c.order << ", lower bound " << c.lower << ", " << c.dates.size() << " dates";
    EXPECT_EQ(dates.LBound(), c.lower);
  }
}

TEST(SortDates, AgreesWithStdSortOnRandomDatesWithRepeats) {
  std::mt19937 random(20240605);
  std::uniform_int_distribution<int> day(2451545, 2451545 + 400);
  for (int order : {0, 1}) {
    std::vector<std::string> texts;
    for (int i = 0; i < 5000; ++i)
      texts.push_back(JulianToDate(day(random)));
    auto dates = Dates(7, texts);
    SortDates(dates, order);
    // Dates with equal days are equal texts here, so any correct sort gives this.
    std::sort(texts.begin(), texts.end(), [order](const std::string& a, const std::string& b) {
      return order == 0 ? DateToJulian(a) > DateToJulian(b) : DateToJulian(a) < DateToJulian(b);
    });
    EXPECT_EQ(dates.Items(), texts) << "order " << order;
  }
}

}  // namespace
}  // namespace tarvana
