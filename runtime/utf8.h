#pragma once
// UTF-8, the toolbox's text encoding at its interfaces: the encoding of one
// character, for the code page 437 glyphs and the UTF-16 conversions.

#include <string>

namespace tarvana {

// Appends the UTF-8 encoding of u.
void AppendUtf8(std::string& out, char32_t u);

}  // namespace tarvana
