#include "text/string_tools.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarvana {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(CapFirst, UpperCasesOnlyTheFirstCharacter) {
  const Pairs cases = {
      {"", ""},
      {"hello world", "Hello world"},
      {" hello", " hello"},
      {"HELLO", "HELLO"},
      {"\x84x", "\x8Ex"},
      {"1st", "1st"},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(CapFirst(text), want) << '"' << text << '"';
}

TEST(ProperCase, CapitalisesAfterBlanksOnly) {
  const Pairs cases = {
      {"", ""},
      {"THE QUICK BROWN FOX", "The Quick Brown Fox"},
      {"mary-ann o'neil jr.smith", "Mary-ann O'neil Jr.smith"},
      {"two  blanks", "Two  Blanks"},
      {" leading", " Leading"},
      {"trailing ", "Trailing "},
      {"\x8E\x99RN \x81"
       "BER",
       "\x8E\x94rn \x9A"
       "ber"},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(ProperCase(text), want) << '"' << text << '"';
}

TEST(LowerSmallWords, LowersWholeSmallWordsBetweenDelimiters) {
  const Pairs cases = {
      {"The Theory Of The Other Bathe", "the Theory of the Other Bathe"},
      {"Gone With The Wind", "Gone with the Wind"},
      {"Then And Now", "then and Now"},
      {"THIS, THAT \"AND\" THE-OTHER", "this, that \"and\" THE-OTHER"},
      {"Songs For A.Lady:Too", "Songs for a.Lady:too"},
      {"Of Mice`And`Men!In?Time;At", "of Mice`and`Men!in?Time;at"},
      {"Athens Bye Tomorrow Butter", "Athens Bye Tomorrow Butter"},
      {"A", "a"},
      {"", ""},
  };
  for (const auto& [text, want] : cases)
    EXPECT_EQ(LowerSmallWords(text), want) << '"' << text << '"';
}

TEST(Justify, ReturnsExactlyWidthCharacters) {
  struct Case {
    std::string text;
    int width;
    std::string pad, left, right;
  };
  const Case cases[] = {
      {"abc", 6, "*", "abc***", "***abc"},
      {"abc", 6, "-+", "abc---", "---abc"},
      {"abcdef", 3, "*", "abc", "def"},
      {"abc", 3, "*", "abc", "abc"},
      {"", 2, ".", "..", ".."},
      {"abc", 0, "*", "", ""},
      {"abc", -4, "*", "", ""},
      {"ab", 4, "", std::string("ab\0\0", 4), std::string("\0\0ab", 4)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeftJustify(c.text, c.width, c.pad), c.left) << c.text << " in " << c.width;
    EXPECT_EQ(RightJustify(c.text, c.width, c.pad), c.right) << c.text << " in " << c.width;
  }
}

TEST(ReverseString, ReversesBytes) {
  const Pairs cases = {{"", ""}, {"a", "a"}, {"abc", "cba"}, {"ab \x84", "\x84 ba"}};
  for (const auto& [text, want] : cases)
    EXPECT_EQ(ReverseString(text), want) << text;
}

TEST(ZeroPadNumber, PadsOrCutsToWidth) {
  struct Case {
    std::int32_t number, width;
    const char* want;
  };
  const Case cases[] = {
      {7, 3, "007"},
      {1234, 3, "234"},
      {123, 3, "123"},
      {0, 2, "00"},
      {7, 0, ""},
      {7, -1, ""},
      {-7, 4, "-007"},
      {-1234, 3, "-34"},
      {-7, 1, "-"},
      {INT32_MAX, 12, "002147483647"},
      {INT32_MIN, 12, "-02147483648"},
      {INT32_MIN, 3, "-48"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZeroPadNumber(c.number, c.width), c.want) << c.number << " in " << c.width;
}

TEST(RemoveFirst, RemovesOnlyTheFirstExactOccurrence) {
  struct Case {
    const char* text;
    const char* target;
    const char* want;
  };
  const Case cases[] = {
      {"one two one", "one", " two one"},
      {"abcabc", "bc", "aabc"},
      {"abc", "x", "abc"},
      {"Hello", "hello", "Hello"},
      {"abc", "", "abc"},
      {"", "a", ""},
      {"abc", "abc", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RemoveFirst(c.text, c.target), c.want) << c.text << " less " << c.target;
}

}  // namespace
}  // namespace tarvana
