// Tests: UTF-8 text shown in code page 437 cells through the best-fit table.

#include "console/cp437_best_fit.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/cp437.h"
#include "console/headless.h"

namespace tarvana {
namespace {

TEST(Cp437BestFitTest, EveryCharacterBecomesOneCell) {
  const struct {
    const char* utf8;
    const char* cp437;
  } cases[] = {
      {"plain ASCII", "plain ASCII"},
      {"café über",
       "caf\x82 \x81"
       "ber"},  // held by code page 437
      {"½ °C ±",
       "\xAB \xF8"
       "C \xF1"},                                     // symbols it holds
      {"São Tomé, Øresund", "Sao Tom\x82, Oresund"},  // nearest letters
      {"Łódź Œuvre ČŽ",
       "L\xA2"
       "dz Ouvre CZ"},                           // Latin Extended-A
      {"“quoted” – ‘x’…", "\"quoted\" - 'x'."},  // punctuation stand-ins
      {"5 € → 6™ •", "5 E > 6T \xF9"},           // symbol stand-ins
      {"漢字 😀", "?? ?"},                        // no stand-in
      {"bad \xC3 byte \xFF", "bad ? byte ?"},    // malformed UTF-8
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp437(c.utf8), c.cp437) << c.utf8;
    EXPECT_EQ(Utf8Length(c.utf8), std::string(c.cp437).size()) << c.utf8;
  }
}

TEST(Cp437BestFitTest, EachSequenceLengthsBoundsAreOneCharacterAndMalformedOnesOneEachByte) {
  const struct {
    const char* utf8;
    const char* cp437;
    const char* what;
  } cases[] = {
      {"\x7F", "\x7F", "U+007F, highest of one byte"},
      {"\xC2\x80", "?", "U+0080, lowest of two bytes"},
      {"\xC2\xA0", "\xFF", "U+00A0, no-break space"},
      {"\xDF\xBF", "?", "U+07FF, highest of two bytes"},
      {"\xE0\xA0\x80", "?", "U+0800, lowest of three bytes"},
      {"\xED\x9F\xBF", "?", "U+D7FF, below the surrogates"},
      {"\xEE\x80\x80", "?", "U+E000, above the surrogates"},
      {"\xEF\xBF\xBF", "?", "U+FFFF, highest of three bytes"},
      {"\xF0\x90\x80\x80", "?", "U+10000, lowest of four bytes"},
      {"\xF4\x8F\xBF\xBF", "?", "U+10FFFF, the highest"},
      {"\xC0\x80", "??", "overlong U+0000"},
      {"\xC1\xBF", "??", "overlong U+007F"},
      {"\xE0\x9F\xBF", "???", "overlong U+07FF"},
      {"\xF0\x8F\xBF\xBF", "????", "overlong U+FFFF"},
      {"\xED\xA0\x80", "???", "U+D800, a surrogate"},
      {"\xED\xBF\xBF", "???", "U+DFFF, a surrogate"},
      {"\xF4\x90\x80\x80", "????", "U+110000, above the highest"},
      {"\xF5\x80\x80\x80", "????", "F5, no lead byte"},
  };
  for (const auto& c : cases) {
    const std::string utf8 = std::string("[") + c.utf8 + "]";
    const std::string cp437 = std::string("[") + c.cp437 + "]";
    EXPECT_EQ(Utf8ToCp437(utf8), cp437) << c.what;
    EXPECT_EQ(Utf8Length(utf8), cp437.size()) << c.what;
  }
}

TEST(Cp437BestFitTest, ExactGlyphsComeBackAsTheSameUtf8) {
  // Every byte from 32 up shows a glyph that maps back to the byte itself.
  for (int b = 32; b < 256; ++b) {
    if (b == 127) continue;
    std::string utf8;
    AppendUtf8(utf8, Cp437ToUnicode(static_cast<unsigned char>(b)));
    EXPECT_EQ(BestFitCp437(Cp437ToUnicode(static_cast<unsigned char>(b))), b) << b;
    EXPECT_EQ(Cp437ToUtf8(Utf8ToCp437(utf8)), utf8) << b;
  }
  EXPECT_EQ(BestFitCp437(U'\u4E00'), -1);
}

TEST(Cp437BestFitTest, ATypedCharacterWithoutAStandInBeeps) {
  HeadlessConsole& console = UseHeadlessConsole();
  console.QueueRecord(InputRecord{InputRecord::Kind::kUnshowable, {}, {}});
  console.QueueText("a");
  EXPECT_EQ(WaitKey(), "a");
  EXPECT_EQ(console.Beeps(), 1);
}

}  // namespace
}  // namespace tarvana
