// UTF-8 and UTF-16 both ways, malformed input included.

#include "runtime/utf16.h"

#include <gtest/gtest.h>

namespace tarvana {
namespace {

TEST(Utf16, ConvertsBothWaysAndReplacesWhatIsMalformed) {
  struct Case {
    const char* what;
    std::string utf8;
    std::u16string utf16;
    bool roundTrip;  // utf16 converts back to utf8
  } cases[] = {
      {"ASCII", "a.txt", u"a.txt", true},
      {"two-byte", "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9", true},
      {"three-byte", "\xE2\x95\x94", u"\u2554", true},
      {"four-byte: a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600", true},
      {"a lone continuation byte", "a\x80z", u"a\uFFFDz", false},
      {"a cut-off sequence", "\xE2\x95", u"\uFFFD\uFFFD", false},
      {"an overlong form", "\xC0\xAF", u"\uFFFD\uFFFD", false},
      {"an encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.what;
    if (c.roundTrip) {
      EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.what;
    }
  }
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}),
            "a\xEF\xBF\xBD"
            "b")
      << "lone surrogate";
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), "\xEF\xBF\xBD") << "lone low surrogate";
}

}  // namespace
}  // namespace tarvana
