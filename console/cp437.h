#pragma once
// Code page 437 and Unicode: every byte's glyph, control-code glyphs included.

#include <string>
#include <string_view>

#include "runtime/utf8.h"  // AppendUtf8, with which glyphs become UTF-8 text

namespace tarvana {

// The Unicode character that shows the glyph of a code page 437 byte.
char32_t Cp437ToUnicode(unsigned char ch);
// The code page 437 byte whose glyph is u, or -1 when there is none. Bytes
// 0-31 and 127, whose glyphs stand for control codes, are never the answer.
int UnicodeToCp437(char32_t u);
// The glyphs of a code page 437 text, as UTF-8.
std::string Cp437ToUtf8(std::string_view text);

}  // namespace tarvana
