#pragma once
// Code page 437 on a terminal whose locale is not UTF-8. Line, block and
// arrow characters go through the terminal's alternate character set where
// it has them; full and half blocks become a space with foreground and
// background swapped; in a Latin-1 locale the characters Latin-1 has go out
// as Latin-1; everything else has an ASCII stand-in. No byte that a terminal
// could take as a control (C0, DEL, C1) is ever produced.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/terminal/terminal_caps.h"

namespace tarvana {

struct NarrowGlyph {
  char byte = ' ';       // the byte to send
  bool acs = false;      // send it with the alternate character set on
  bool inverse = false;  // a block: a space in the cell's colours swapped
};

// How one code page 437 character is drawn on a terminal with these
// capabilities and a non-UTF-8 encoding.
NarrowGlyph NarrowGlyphOf(std::uint8_t ch, const TerminalCaps& caps);
// The ASCII stand-in of a character (the documented fallback table).
char AsciiStandIn(std::uint8_t ch);
// Text for plain-line output in an encoding: UTF-8 glyphs, or Latin-1 bytes
// and ASCII stand-ins (no alternate set, no colours).
std::string Cp437ToTerminalText(std::string_view cp437, TextEncoding encoding);

}  // namespace tarvana
