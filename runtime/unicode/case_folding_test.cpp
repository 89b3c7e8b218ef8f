// Simple case folding and upper-casing, and the letter property: chosen rows
// across scripts, and every line of the character database's CaseFolding.txt
// and UnicodeData.txt where it is installed.

#include "runtime/unicode/case_folding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/unicode_test_support.h"

namespace tarvana {
namespace {

using unicode_test::Spelled;
using unicode_test::Utf8;

TEST(CaseFolding, FoldsEachScriptsCapitals) {
  struct Case {
    char32_t from, to;
  };
  const Case cases[] = {
      {U'A', U'a'},       {U'z', U'z'},       {U'@', U'@'},
      {0x00C9, 0x00E9},   {0x00DF, 0x00DF},    // É é; ß has only a full folding
      {0x1E9E, 0x00DF},                        // ẞ folds to ß
      {0x0100, 0x0101},   {0x0101, 0x0101},    // Ā ā: pairs a step apart
      {0x0178, 0x00FF},   {0x00B5, 0x03BC},    // Ÿ ÿ; the micro sign folds to μ
      {0x0130, 0x0130},   {0x0049, 0x0069},    // İ has no simple folding; I is i
      {0x0416, 0x0436},   {0x0401, 0x0451},    // Ж ж, Ё ё
      {0x03A3, 0x03C3},   {0x03C2, 0x03C3},    // Σ and final ς fold to σ
      {0x212A, U'k'},     {0x2126, 0x03C9},    // KELVIN SIGN, OHM SIGN
      {0x13F8, 0x13F0},   {0xAB70, 0x13A0},    // Cherokee folds to its capitals
      {0xFF21, 0xFF41},                        // fullwidth Ａ ａ
      {0x10400, 0x10428}, {0x1E900, 0x1E922},  // Deseret, Adlam
      {0x6F22, 0x6F22},   {0x1F680, 0x1F680},  // no case
  };
  for (const Case& c : cases)
    EXPECT_EQ(SimpleCaseFold(c.from), c.to) << Spelled(std::u32string(1, c.from));
}

TEST(CaseFolding, FoldsATextScalarByScalar) {
  EXPECT_EQ(FoldCase(Utf8(U"Größe ПРИВЕТ ΣΟΦΙΑ")), Utf8(U"größe привет σοφια"));
  EXPECT_EQ(FoldCase("A\xE2\x82"
                     "B"),
            Utf8(U"a\uFFFDb"));
  EXPECT_EQ(FoldCase(""), "");
  // Folds that change a letter's length in bytes, and one after them.
  EXPECT_EQ(FoldCase(Utf8(U"x\u1E9E\u0416")), Utf8(U"x\u00DF\u0436"));
  EXPECT_EQ(FoldCase(Utf8(U"\u023A\u0416\u023A")), Utf8(U"\u2C65\u0436\u2C65"));
}

TEST(CaseFolding, AgreesWithTheCharacterDatabase) {
  std::ifstream in("/usr/share/unicode/CaseFolding.txt");
  if (!in) GTEST_SKIP() << "no CaseFolding.txt (Debian: unicode-data)";
  const std::regex line(R"(^([0-9A-F]{4,6}); ([CS]); ([0-9A-F]{4,6});)");
  int checked = 0;
  std::smatch m;
  for (std::string text; std::getline(in, text);) {
    if (!std::regex_search(text, m, line)) continue;
    const char32_t from = std::stoul(m[1], nullptr, 16), to = std::stoul(m[3], nullptr, 16);
    EXPECT_EQ(SimpleCaseFold(from), to) << text;
    ++checked;
  }
  EXPECT_GT(checked, 1400);
}

TEST(CaseFolding, UpperCasesEachScriptsLettersAndTellsLettersApart) {
  struct Case {
    char32_t from, upper;
    bool letter;
  };
  const Case cases[] = {
      {U'a', U'A', true},        {U'Z', U'Z', true},          {U'7', U'7', false},
      {0x00E9, 0x00C9, true},    {0x00FF, 0x0178, true},    // é É, ÿ Ÿ
      {0x00DF, 0x00DF, true},    {0xFB00, 0xFB00, true},    // ß and ﬀ have only full mappings
      {0x0101, 0x0100, true},    {0x0100, 0x0100, true},    // ā Ā: pairs a step apart
      {0x01C6, 0x01C4, true},    {0x01C5, 0x01C4, true},    // ǆ and titlecase ǅ: Ǆ
      {0x0131, U'I', true},      {0x0069, U'I', true},      // dotless ı and i: I
      {0x00B5, 0x039C, true},                               // the micro sign: Μ
      {0x03C3, 0x03A3, true},    {0x03C2, 0x03A3, true},    // σ and final ς: Σ
      {0x03AC, 0x0386, true},                               // ά Ά
      {0x0436, 0x0416, true},    {0x0451, 0x0401, true},    // ж Ж, ё Ё
      {0x0561, 0x0531, true},    {0x0587, 0x0587, true},    // ա Ա; the ligature և stays
      {0x10D0, 0x1C90, true},                               // Georgian ა: Mtavruli Ა
      {0xAB70, 0x13A0, true},    {0xFF41, 0xFF21, true},    // Cherokee; fullwidth ａ Ａ
      {0x10428, 0x10400, true},  {0x1E922, 0x1E900, true},  // Deseret, Adlam
      {0x6F22, 0x6F22, true},    {0xAC00, 0xAC00, true},    // CJK, Hangul: no case
      {0x0661, 0x0661, false},   {0xFF11, 0xFF11, false},   // Arabic-Indic and fullwidth digits
      {0x0301, 0x0301, false},   {U' ', U' ', false},       // a mark, a space
      {0x1F680, 0x1F680, false}, {0x10FFFF, 0x10FFFF, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SimpleUpperCase(c.from), c.upper) << Spelled(std::u32string(1, c.from));
    EXPECT_EQ(IsLetter(c.from), c.letter) << Spelled(std::u32string(1, c.from));
  }
}

TEST(CaseFolding, UpperCaseAndLettersAgreeWithTheCharacterDatabase) {
  std::ifstream in("/usr/share/unicode/UnicodeData.txt");
  if (!in) GTEST_SKIP() << "no UnicodeData.txt (Debian: unicode-data)";
  // code;name;category;...;upper (the thirteenth field);lower;title
  const std::regex line(R"(^([0-9A-F]{4,6});([^;]*);([A-Z][a-z]);(?:[^;]*;){9}([0-9A-F]*);)");
  int checked = 0;
  std::smatch m;
  for (std::string text; std::getline(in, text);) {
    if (!std::regex_search(text, m, line)) continue;
    const char32_t c = std::stoul(m[1], nullptr, 16);
    const char32_t upper = m[4].length() ? std::stoul(m[4], nullptr, 16) : c;
    EXPECT_EQ(SimpleUpperCase(c), upper) << text;
    EXPECT_EQ(IsLetter(c), m[3].str()[0] == 'L') << text;  // a range's first and last too
    ++checked;
  }
  EXPECT_GT(checked, 30000);
}

}  // namespace
}  // namespace tarvana
