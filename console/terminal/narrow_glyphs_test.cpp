// Code page 437 on a terminal whose locale is not UTF-8: the fallback table
// the README documents, with and without the terminal's alternate set.

#include "console/terminal/narrow_glyphs.h"

#include <gtest/gtest.h>

namespace tarvana {
namespace {

TEST(NarrowGlyphs, TheDocumentedFallbacks) {
  TerminalCaps withAcs = XtermCaps();
  withAcs.encoding = TextEncoding::kAscii;
  TerminalCaps plain = withAcs;  // no alternate character set
  plain.acsChars.clear();
  TerminalCaps latin1 = plain;
  latin1.encoding = TextEncoding::kLatin1;
  TerminalCaps mono = plain;  // neither colour nor reverse video
  mono.colors = 0;
  mono.reverse = false;
  const struct {
    std::uint8_t ch;
    const TerminalCaps& caps;
    char byte;
    bool acs, inverse;
  } cases[] = {
      {201, withAcs, 'l', true, false},  // double corner: the single one
      {205, withAcs, 'q', true, false},  // double horizontal
      {178, withAcs, 'a', true, false},  // dark shade: the checker board
      {201, plain, '+', false, false},     {205, plain, '=', false, false},
      {186, plain, '|', false, false},     {196, plain, '-', false, false},
      {176, plain, ':', false, false},     {177, plain, '#', false, false},
      {24, plain, '^', false, false},      {25, plain, 'v', false, false},
      {16, plain, '>', false, false},      {17, plain, '<', false, false},
      {219, plain, ' ', false, true},  // full block: a space in swapped colours
      {220, plain, ' ', false, true},      {219, mono, '#', false, false},
      {130, plain, 'e', false, false},  // e acute without its accent
      {130, latin1, '\xe9', false, false}, {225, plain, 'B', false, false},  // sharp s
      {1, plain, 'o', false, false},       {3, plain, '*', false, false},
      {'A', plain, 'A', false, false},
  };
  for (const auto& c : cases) {
    const NarrowGlyph g = NarrowGlyphOf(c.ch, c.caps);
    EXPECT_EQ(g.byte, c.byte) << "character " << int(c.ch);
    EXPECT_EQ(g.acs, c.acs) << "character " << int(c.ch);
    EXPECT_EQ(g.inverse, c.inverse) << "character " << int(c.ch);
  }
}

TEST(NarrowGlyphs, NoByteATerminalCouldTakeAsAControl) {
  for (const TextEncoding encoding : {TextEncoding::kAscii, TextEncoding::kLatin1}) {
    std::string all;
    for (int ch = 0; ch < 256; ++ch)
      all += static_cast<char>(ch);
    for (const unsigned char b : Cp437ToTerminalText(all, encoding)) {
      const bool control = b < 0x20 || b == 0x7F ||
                           (encoding == TextEncoding::kAscii ? b >= 0x80 : b >= 0x80 && b < 0xA0);
      EXPECT_FALSE(control) << "byte " << int(b);
    }
  }
}

}  // namespace
}  // namespace tarvana
