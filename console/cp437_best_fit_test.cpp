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
