// The cells clusters and texts take, and texts cut or padded to a width
// without splitting a cluster.

#include "runtime/unicode/text_width.h"

#include <gtest/gtest.h>

#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/unicode_test_support.h"

namespace tarvana {
namespace {

using unicode_test::Spelled;
using unicode_test::SpelledBytes;
using unicode_test::Utf8;

TEST(TextWidth, EachKindOfCharacterTakesItsCells) {
  constexpr WidthClass N = WidthClass::kNarrow, Z = WidthClass::kZero, W = WidthClass::kWide,
                       C = WidthClass::kControl;
  struct Case {
    const char* what;
    std::u32string text;
    WidthClass first;  // the class of its first code point
    int width;
  } cases[] = {
      {"ASCII", U"A", N, 1},
      {"Latin-1 letter", U"\u00E9", N, 1},
      {"e and combining acute", U"e\u0301", N, 1},
      {"combining acute alone: on a dotted circle", U"\u0301", Z, 1},
      {"a bidirectional control: left out", U"\u202E", Z, 0},
      {"Cyrillic", U"\u0416", N, 1},
      {"Greek", U"\u03A9", N, 1},
      {"CJK ideograph", U"\u6F22", W, 2},
      {"Hiragana", U"\u3042", W, 2},
      {"Hangul syllable", U"\uD55C", W, 2},
      {"Hangul jamo L V T", U"\u1100\u1161\u11A8", W, 2},
      {"Hangul medial vowel alone", U"\u1161", Z, 1},
      {"Hangul final consonant alone", U"\u11A8", Z, 1},
      {"fullwidth A", U"\uFF21", W, 2},
      {"emoji", U"\U0001F680", W, 2},
      {"emoji with skin tone", U"\U0001F44D\U0001F3FD", W, 2},
      {"ZWJ family", U"\U0001F468\u200D\U0001F469\u200D\U0001F467", W, 2},
      {"flag", U"\U0001F1E9\U0001F1EA", W, 2},
      {"two flags", U"\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7", W, 4},
      {"heart as text", U"\u2764", N, 1},
      {"heart with VS16", U"\u2764\uFE0F", N, 2},
      {"keycap", U"1\uFE0F\u20E3", N, 2},
      {"watch", U"\u231A", W, 2},
      {"watch with VS15", U"\u231A\uFE0E", W, 1},
      {"ideograph with VS15", U"\u6F22\uFE0E", W, 2},
      {"letter with VS16", U"A\uFE0F", N, 1},
      {"ambiguous plus-minus", U"\u00B1", N, 1},
      {"soft hyphen", U"\u00AD", N, 1},
      {"zero width space: shown as U+FFFD", U"\u200B", Z, 1},
      {"tab", U"\t", C, 1},
      {"DEL", U"\u007F", C, 1},
      {"C1 control", U"\u0085", C, 1},
      {"CR LF", U"\r\n", C, 1},
      {"unassigned", U"\u0378", N, 1},
      {"unassigned past the planes in use", U"\U000E0FFF", N, 1},
      {"CJK extension A", U"\u3400", W, 2},
      {"plane 2", U"\U00020000", W, 2},
      {"plane 2 unassigned", U"\U0002FFFD", W, 2},
      {"plane 3", U"\U00030000", W, 2},
      {"plane 3 unassigned", U"\U0003FFFD", W, 2},
      {"mixed", U"a\u6F22e\u0301\U0001F680", N, 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WidthClassOf(c.text[0]), c.first) << c.what << ": " << Spelled(c.text);
    EXPECT_EQ(TextWidth(Utf8(c.text)), c.width) << c.what << ": " << Spelled(c.text);
  }
  EXPECT_EQ(TextWidth("a\xE2\x82\xF0"), 3) << "ill-formed bytes take a cell each subpart";
  EXPECT_EQ(ClusterWidth(""), 0);
}

// Scalars that are clusters of their own are measured on a short path; these
// texts cross between it and the cluster rules at every kind of neighbour.
TEST(TextWidth, TextsMixingLoneScalarsAndLongerClusters) {
  const struct {
    std::string text;
    int width;
  } cases[] = {
      {"\u0416e\u0301\u0436", 3},         // letter, letter and mark, letter
      {"\u0436\u0301\u0436", 2},          // a mark joins the Cyrillic letter before it
      {"\u6F22\u0301a", 3},               // and a wide one
      {"\u0436\u200D\U0001F680", 3},      // ZWJ joins the letter; the rocket stands alone
      {"\u0936\u093F", 1},                // a spacing mark joins its consonant
      {"\u0436\xFF\u0436", 3},            // a bad byte between letters
      {"\u0436\xD0", 2},                  // a sequence cut off at the end
      {"\xBF\xBF", 2},                    // stray continuation bytes
      {"\u0436\u202E\u0436", 2},          // a bidirectional control takes none
      {"\u0436\r\n\u6F22", 4},            // CR LF is one cluster
      {"\u0436\U0001F1E9\U0001F1EA", 3},  // a flag after a letter
      {"\u2764\uFE0F\u0436", 3},          // an emoji-capable character asks for emoji
      {"\u1100\u1161\u0436", 3},          // Hangul jamo go by the rules
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextWidth(c.text), c.width) << SpelledBytes(c.text);
    EXPECT_EQ(CutToWidth(c.text, c.width), c.text) << SpelledBytes(c.text);
  }
}

TEST(TextWidth, CutsAndPadsWithoutSplittingAClusterAtTheEdge) {
  struct Case {
    std::u32string text;
    int width;
    std::u32string cut;
    std::u32string padded;
  } cases[] = {
      {U"abc", 2, U"ab", U"ab"},
      {U"ab", 4, U"ab", U"ab  "},
      {U"\u6F22\u5B57", 3, U"\u6F22", U"\u6F22 "},
      {U"a\u6F22", 2, U"a", U"a "},
      {U"a\u6F22", 3, U"a\u6F22", U"a\u6F22"},
      {U"e\u0301x", 1, U"e\u0301", U"e\u0301"},
      {U"\U0001F1E9\U0001F1EAx", 1, U"", U" "},
      {U"\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7", 3, U"\U0001F1E9\U0001F1EA",
       U"\U0001F1E9\U0001F1EA "},
      {U"\U0001F468\u200D\U0001F469", 2, U"\U0001F468\u200D\U0001F469",
       U"\U0001F468\u200D\U0001F469"},
      {U"\U0001F468\u200D\U0001F469", 1, U"", U" "},
      {U"x\u6F22y", 0, U"", U""},
      {U"x\u6F22y", -1, U"", U""},
  };
  for (const Case& c : cases) {
    const std::string text = Utf8(c.text);
    EXPECT_EQ(SpelledBytes(CutToWidth(text, c.width)), SpelledBytes(Utf8(c.cut)))
        << "cut " << Spelled(c.text) << " to " << c.width;
    EXPECT_EQ(SpelledBytes(PadToWidth(text, c.width)), SpelledBytes(Utf8(c.padded)))
        << "pad " << Spelled(c.text) << " to " << c.width;
  }
}

}  // namespace
}  // namespace tarvana
