// Decoding UTF-8 with one U+FFFD for each maximal subpart of an ill-formed
// sequence, and making any bytes valid UTF-8 by the same rule.

#include "runtime/unicode/utf8_decode.h"

#include <gtest/gtest.h>

#include "runtime/unicode/unicode_test_support.h"

namespace tarvana {
namespace {

using unicode_test::Spelled;
using unicode_test::SpelledBytes;
using unicode_test::Utf8;

TEST(Utf8Decode, GivesOneReplacementForEachMaximalSubpart) {
  struct Case {
    std::string bytes;
    std::u32string scalars;
  } cases[] = {
      {"a\xC3\xA9\xE6\xBC\xA2\xF0\x9F\x9A\x80", U"a\u00E9\u6F22\U0001F680"},
      {"\xEF\xBF\xBD", U"\uFFFD"},
      {"\xED\x9F\xBF\xEE\x80\x80", U"\uD7FF\uE000"},
      {"\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
      {"\xE0\xA0\x80", U"\u0800"},
      // The Unicode Standard's example of maximal subparts.
      {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
       U"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"},
      {"\xE2\x82"
       "A",
       U"\uFFFDA"},
      {"\xF0\x80\x80", U"\uFFFD\uFFFD\uFFFD"},  // F0 80 starts no sequence
      {"\xF0\x9F\x9A", U"\uFFFD"},              // cut off at the end
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // a surrogate
      {"\xED\xBF\xBF", U"\uFFFD\uFFFD\uFFFD"},
      {"\xC0\xAF\xC1\xBF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // overlong
      {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},            // overlong
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xF5\x80\xFE\xFF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // no lead bytes
      {"\xC3"
       "a\xE6\xBC"
       "b",
       U"\uFFFDa\uFFFDb"},
  };
  for (const Case& c : cases) {
    std::u32string got;
    for (std::size_t pos = 0; pos < c.bytes.size();) {
      const std::size_t before = pos;
      got += DecodeUtf8(c.bytes, pos);
      ASSERT_GT(pos, before) << SpelledBytes(c.bytes);
      ASSERT_LE(pos, c.bytes.size()) << SpelledBytes(c.bytes);
    }
    EXPECT_EQ(Spelled(got), Spelled(c.scalars)) << "decoding " << SpelledBytes(c.bytes);
    EXPECT_EQ(SpelledBytes(MakeValidUtf8(c.bytes)), SpelledBytes(Utf8(c.scalars)))
        << "making valid " << SpelledBytes(c.bytes);
  }
}

}  // namespace
}  // namespace tarvana
