#pragma once
// Unicode text shown in code page 437 cells: every character becomes one cell.
// A character code page 437 holds is itself; an accented Latin letter it lacks
// becomes its nearest letter (Ã -> A, ł -> l, Œ -> O); a few symbols have a
// stand-in (curly quotes -> straight ones, dashes -> '-', € -> E, arrows ->
// < > ^ v, • -> ∙, © -> c, ™ -> T); everything else (CJK, emoji, most
// symbols) has none.

#include <string>
#include <string_view>

namespace tarvana {

// The code page 437 byte that shows u: its own glyph or the stand-in above;
// -1 when there is none. Control codes below 32 and 127 are themselves.
int BestFitCp437(char32_t u);
// The next character of UTF-8 text from pos (moved past it); a malformed
// sequence gives U+FFFD and moves one byte.
char32_t NextUtf8(std::string_view text, std::size_t& pos);
// UTF-8 text as code page 437, one byte per character, '?' where a character
// has no stand-in (and for malformed bytes).
std::string Utf8ToCp437(std::string_view utf8);
// The number of characters (cells) of UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

}  // namespace tarvana
