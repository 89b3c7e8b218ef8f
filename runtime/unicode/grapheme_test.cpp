// Extended grapheme clusters: the conformance file of the Unicode Character
// Database in full, and what UTF-8 adds (ill-formed bytes, the ends).

#include "runtime/unicode/grapheme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "runtime/unicode/unicode_test_support.h"

namespace tarvana {
namespace {

using unicode_test::Spelled;
using unicode_test::SpelledBytes;
using unicode_test::Utf8;

// The ends NextClusterEnd gives, cluster after cluster from the start.
std::vector<std::size_t> ClusterEnds(std::string_view utf8) {
  std::vector<std::size_t> ends;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t end = NextClusterEnd(utf8, pos);
    if (end <= pos || end > utf8.size()) {
      ADD_FAILURE() << "from " << pos << " to " << end << " in " << SpelledBytes(utf8);
      break;
    }
    ends.push_back(end);
    pos = end;
  }
  return ends;
}

// Each line of GraphemeBreakTest.txt is code points in hexadecimal between
// "÷" (a boundary) and "×" (none), then a comment naming the rules.
TEST(Grapheme, PassesTheConformanceFileOfTheCharacterDatabase) {
  const char* const path = "/usr/share/unicode/auxiliary/GraphemeBreakTest.txt";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is absent (Debian unicode-data)";
  std::ifstream in(path);
  int lineNumber = 0, tested = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const std::string comment =
        line.find('#') == std::string::npos ? "" : line.substr(line.find('#'));
    std::istringstream fields(line.substr(0, line.find('#')));
    std::u32string text;
    std::string utf8;
    std::vector<std::size_t> want;
    for (std::string field; fields >> field;) {
      if (field == "\xC3\xB7") {  // ÷
        if (!utf8.empty()) want.push_back(utf8.size());
      } else if (field != "\xC3\x97") {  // ×
        text += static_cast<char32_t>(std::stoul(field, nullptr, 16));
        utf8 = Utf8(text);
      }
    }
    if (text.empty()) continue;
    ++tested;
    EXPECT_EQ(ClusterEnds(utf8), want) << "line " << lineNumber << ": " << Spelled(text) << "\n"
                                       << comment;
  }
  EXPECT_GT(tested, 500) << path << " has too few test lines";
}

// Ill-formed bytes are clusters of their own; Hangul syllables further in than
// the conformance file goes.
TEST(Grapheme, CutsWhereTheConformanceFileDoesNotLook) {
  struct Case {
    std::string utf8;
    std::vector<std::size_t> ends;
  } cases[] = {
      {"ab\r\n", {1, 2, 4}},
      {"\xD8\x80\x80", {2, 3}},  // not joined to U+0600, a Prepend, before it
      {"e\xCC\x81x", {3, 4}},
      {"\xEF\xBF\xBD\xCC\x81", {5}},  // a real U+FFFD takes its mark
      {"\xE2\x82\xCC\x81", {2, 4}},   // a cut-off sequence does not
      {"e\x80\xCC\x81", {1, 2, 4}},
      {"\xF0\x9F\x91\x8D\xF0\x9F", {4, 6}},
      {"\xE2\x80\x8D\xF0\x9F\x9A", {3, 6}},  // ZWJ, then a cut-off emoji
      {"\xCC", {1}},
      {Utf8(U"\uAC1C\u1161"), {6}},     // the LV syllable U+AC1C takes a vowel
      {Utf8(U"\uAC1B\u1161"), {3, 6}},  // the LVT syllable U+AC1B does not
      {Utf8(U"\uD788\u1161"), {6}},     // and so does the last LV syllable
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClusterEnds(c.utf8), c.ends) << SpelledBytes(c.utf8);
  EXPECT_EQ(NextClusterEnd("ab", 2), 2u);
  EXPECT_EQ(NextClusterEnd("ab", 7), 2u);
  EXPECT_EQ(NextClusterEnd("", 0), 0u);
}

}  // namespace
}  // namespace tarvana
